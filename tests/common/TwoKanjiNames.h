// File names of two kanji of JIS level 1 in Shift-JIS bytes, as archives
// unpacked without converting names leave them. About one in six holds a
// UTF-8 character by chance: "写真" is 8E CA 90 5E, and CA 90 is "ʐ".
#pragma once

#include "Cp932.h"
#include "Sjis.h"
#include "Utf8.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The kanji of JIS level 1 (88 9F to 98 72) in Shift-JIS.
inline std::vector<std::string> LevelOneKanji()
{
    std::vector<std::string> kanji;
    for (uint16_t code = 0x889F; code <= 0x9872; ++code)
        if (sjis::IsTrail(static_cast<unsigned char>(code & 0xFF)) && SjisCharToUtf16(code) != u'\uFFFD')
            kanji.push_back({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    return kanji;
}

// The first UTF-8 character of more than one byte that Bytes holds, read
// as a UTF-8 decoder reads them.
inline std::optional<char32_t> HeldUtf8Character(std::string_view Bytes)
{
    for (size_t pos = 0; pos < Bytes.size();) {
        const size_t from = pos;
        const std::optional<char32_t> c = NextUtf8(Bytes, pos);
        if (c && pos - from > 1)
            return c;
    }
    return std::nullopt;
}

// One two-kanji name for each UTF-8 character such names hold by chance
// (about 15,000), the first in the order of the kanji.
inline std::vector<std::string> TwoKanjiNamesByHeldCharacter()
{
    const std::vector<std::string> kanji = LevelOneKanji();
    std::vector<bool> held(0x110000);
    std::vector<std::string> names;
    char name[4] = {};
    for (const std::string& first : kanji)
        for (const std::string& second : kanji) {
            first.copy(name, 2);
            second.copy(name + 2, 2);
            const std::optional<char32_t> c = HeldUtf8Character({name, 4});
            if (c && !held[*c]) {
                held[*c] = true;
                names.emplace_back(name, 4);
            }
        }
    return names;
}
