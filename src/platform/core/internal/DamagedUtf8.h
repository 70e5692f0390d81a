// UTF-8 with a few bytes that are not: a file cut inside its last
// character (as a full disk or "head -c" leaves it), a stray byte of
// another encoding (a Latin-1 "é", a 0x80).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What reading bytes as UTF-8 from the start finds.
struct TUtf8Damage {
    // Bytes no UTF-8 sequence holds: none when the bytes are well-formed
    // UTF-8.
    size_t Unreadable = 0;
    size_t FirstUnreadable = 0;
    // They are few: counting a character cut short at the end once and
    // every other such byte alone, never more than four and one per eight
    // multi-byte characters before them, and in all at least four
    // multi-byte characters for each. The reading stops once they are not;
    // Shift-JIS text read as UTF-8 fails within its first few characters.
    bool Few = true;
};

TUtf8Damage Utf8Damage(std::string_view Bytes);

// Bytes with the bytes no UTF-8 sequence holds left out; Gaps counts the
// runs of them (a character cut short is one).
std::string ReadableUtf8(std::string_view Bytes, size_t& Gaps);
