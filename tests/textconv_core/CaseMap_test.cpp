// Case mapping of Shift-JIS text against ICU's, over every CP932 character.
#include "CaseMap.h"
#include "OracleText.h"

#include <gtest/gtest.h>

#include <unicode/uchar.h>

namespace {

using textconv::LowerCaseText;
using textconv::UpperCaseText;

// What ICU makes of Character's case: its CP932 form when that exists,
// else the character unchanged.
icu::UnicodeString Expected(const std::string& Character, UChar32 (*Map)(UChar32))
{
    const icu::UnicodeString text = Uni(Character), mapped(Map(text[0]));
    bool lossless = true;
    SjisOfUni(mapped, &lossless);
    return lossless ? mapped : text;
}

TEST(CaseMapOracle, EveryCp932CharacterMapsAsIcuDoes)
{
    int lowered = 0, raised = 0;
    for (const std::string& character : Cp932Characters()) {
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

// (Trail bytes that look like letters, as in ア 83 41, are the oracle's
// business: each character is mapped alone there.)
TEST(CaseMapOracle, ALeadByteAtTheVeryEndIsKeptAsItIs) { EXPECT_EQ(UpperCaseText("a\x83"), "A\x83"); }

} // namespace
