// Case mapping of Shift-JIS text against ICU's, over every CP932 character.
#include "CaseMap.h"
#include "OracleText.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

#include <unicode/uchar.h>

namespace {

using textconv::LowerCaseText;
using textconv::UpperCaseText;

// Every character CP932 can hold, one byte or two, alone in a string.
std::vector<std::string> AllCharacters()
{
    std::vector<std::string> all;
    for (int byte = 0; byte < 0x100; ++byte)
        if (!(byte >= 0x81 && byte <= 0x9F) && !(byte >= 0xE0 && byte <= 0xFC))
            all.push_back(std::string(1, static_cast<char>(byte)));
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            if ((lead <= 0x9F || lead >= 0xE0) && trail != 0x7F)
                all.push_back({static_cast<char>(lead), static_cast<char>(trail)});
    return all;
}

// What ICU makes of Character's case: its CP932 form when that exists,
// else the character unchanged.
icu::UnicodeString Expected(const std::string& Character, UChar32 (*Map)(UChar32))
{
    const icu::UnicodeString text = Uni(Character);
    if (text.length() != 1 || text[0] == 0xFFFD)
        return text;
    icu::UnicodeString mapped(Map(text[0]));
    bool lossless = true;
    Sjis(mapped, &lossless);
    return lossless ? mapped : text;
}

TEST(CaseMapOracle, EveryCp932CharacterMapsAsIcuDoes)
{
    int lowered = 0, raised = 0;
    for (const std::string& character : AllCharacters()) {
        const std::string lower = LowerCaseText(character), upper = UpperCaseText(character);
        ASSERT_EQ(lower.size(), character.size());
        ASSERT_EQ(upper.size(), character.size());
        EXPECT_EQ(Utf8(Uni(lower)), Utf8(Expected(character, u_tolower))) << Utf8(Uni(character));
        EXPECT_EQ(Utf8(Uni(upper)), Utf8(Expected(character, u_toupper))) << Utf8(Uni(character));
        lowered += lower != character;
        raised += upper != character;
    }
    // ASCII, full-width Latin, Greek, Cyrillic and the Roman numerals with
    // their duplicates: the mapping covers them all, not just ASCII.
    EXPECT_GT(lowered, 120);
    EXPECT_GT(raised, 120);
}

TEST(CaseMapOracle, TrailBytesThatLookLikeLettersStay)
{
    const auto sjis = [](std::string_view Utf8) { return Sjis(Utf8); };
    // ア is 83 41 and ヂ 83 61: their trail bytes are "A" and "a".
    EXPECT_EQ(LowerCaseText(sjis("アBヂc")), sjis("アbヂc"));
    EXPECT_EQ(UpperCaseText(sjis("アBヂc")), sjis("アBヂC"));
    // A lead byte at the very end is no character and is kept as it is.
    EXPECT_EQ(UpperCaseText("a\x83"), "A\x83");
}

} // namespace
