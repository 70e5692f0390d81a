// Substring search in Shift-JIS text that never matches inside a
// double-byte character, and its whole-word form. The text and the pattern
// are byte ranges [Start, End) and [Pattern, PatternEnd); Start must be the
// start of a character (the text start, or the end of an earlier match).
// Each returns the position of the match, or nullptr for none.
#pragma once

#include "ByteSet.h"

namespace textconv {

// The bytes that count as word characters for whole-word search: digits,
// ASCII letters, 0x81-0x9F and 0xA6-0xFC (the half-width kana from ｦ and the
// lead bytes 0xE0-0xFC). Underscore is not one.
inline constexpr ByteSet WordCharSet = ByteSet::Range('0', '9') + ByteSet::Range('A', 'Z') + ByteSet::Range('a', 'z')
                                       + ByteSet::Range(0x81, 0x9F) + ByteSet::Range(0xA6, 0xFC);

// The first byte-for-byte match; none when the pattern is empty or longer
// than the text.
const char* FindBytes(const char* Start, const char* End, const char* Pattern, const char* PatternEnd);

// The first match that starts on a character boundary. A match that starts
// on the trail byte of a double-byte character is passed over, and the
// search goes on from the next byte, so no match behind it is missed.
const char* FindDbcs(const char* Start, const char* End, const char* Pattern, const char* PatternEnd);

// The first FindDbcs match that stands as a whole word: the byte after it
// (unless it ends the text) is no word character, and the character before
// it (unless it starts the text) is a single-byte character that is no word
// character, so a word directly after a double-byte character never counts.
// A rejected match is passed over and the search goes on behind it.
const char* FindWholeWord(const char* Start, const char* End, const char* Pattern, const char* PatternEnd);

} // namespace textconv
