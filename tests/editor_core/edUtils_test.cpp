#include "edUtils.h"

#include "SjisLiteral.h"
#include "Strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const TStrings& Strings)
{
    std::vector<std::string> lines;
    for (int i = 0; i < Strings.Count(); ++i)
        lines.push_back(Strings.Strings(i));
    return lines;
}

using Rows = std::vector<std::string>;

TEST(edUtils, CountCharCountsBytesIncludingTrailBytesWithinTheLimit)
{
    EXPECT_EQ(CountChar(Sjis("ア"), 'A', 2), 1);
    EXPECT_EQ(CountChar(Sjis("ア"), 'A', 1), 0);
    EXPECT_EQ(CountChar("a,b,c", ',', 100), 2);
    EXPECT_EQ(CountChar("a,b,c", ',', 3), 1);
    EXPECT_EQ(CountChar("a,b,c", ',', 0), 0);
    EXPECT_EQ(CountChar("a,b,c", ',', -5), 0);
    EXPECT_EQ(CountChar("", ',', 5), 0);
}

TEST(edUtils, LeadAndTrailBytesFollowTheForwardWalkOfTheText)
{
    // Each text with the kind of every byte (1-based): L lead, T trail, - neither.
    // 亜 88 9F and メ 83 81 end in lead-valued bytes; ア 83 41 in an "A".
    const std::pair<std::string, std::string> cases[] = {
        {"A" + Sjis("あ"), "-LT"},
        {Sjis("亜メア"), "LTLTLT"},
        {"ab\x82", "---"}, // a lead byte without a valid trail is a character of its own
        {"\x82\n", "--"},
    };
    for (const auto& [text, kinds] : cases) {
        for (int i = 0; i <= static_cast<int>(kinds.size()) + 1; ++i) {
            const char kind = i >= 1 && i <= static_cast<int>(kinds.size()) ? kinds[i - 1] : '-';
            EXPECT_EQ(IsLeadByteAt(text, i), kind == 'L') << kinds << " @" << i;
            EXPECT_EQ(IsTrailByteAt(text, i), kind == 'T') << kinds << " @" << i;
        }
    }
}

TEST(edUtils, ContainsDBCSMatchesOnlyAtCharacterBoundaries)
{
    EXPECT_FALSE(ContainsDBCS("A", Sjis("ア")));
    EXPECT_TRUE(ContainsDBCS("A", Sjis("ア") + "A"));
    EXPECT_TRUE(ContainsDBCS(Sjis("メ"), Sjis("亜メ")));
    // 9F 83 straddles 亜 and メ.
    EXPECT_FALSE(ContainsDBCS("\x9F\x83", Sjis("亜メ")));
    EXPECT_TRUE(ContainsDBCS("bc", "abc"));
    EXPECT_FALSE(ContainsDBCS("", "abc"));
    EXPECT_FALSE(ContainsDBCS("a", ""));
    EXPECT_FALSE(ContainsDBCS("abcd", "abc"));
}

TEST(edUtils, SetStringsFromTextCutsAtEachKindOfLineBreak)
{
    const std::pair<const char*, Rows> cases[] = {
        {"a\r\nb", {"a", "b"}},  {"a\r\n", {"a"}}, {"a\rb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}}, {"a\r\rb\n\n", {"a", "", "b", ""}}, {"", {""}}, {nullptr, {}},
    };
    TStringList list;
    for (const auto& [text, lines] : cases) {
        SetStringsFromText(text, list);
        EXPECT_EQ(Lines(list), lines) << (text ? text : "null");
    }
}

TEST(edUtils, LeadingBlankWidthCountsSpacesAndFullWidthSpacesInBytes)
{
    EXPECT_EQ(LeadingBlankWidth(Sjis("　 x")), 3);
    EXPECT_EQ(LeadingBlankWidth("x"), 0);
    EXPECT_EQ(LeadingBlankWidth("\tx"), 0);
    EXPECT_EQ(LeadingBlankWidth("   "), 3);
    EXPECT_EQ(LeadingBlankWidth(Sjis("、x")), 0);
    EXPECT_EQ(LeadingBlankWidth(""), -1);
}

TEST(edUtils, TrimLeadingBlanksDropsControlBytesSpacesAndFullWidthSpaces)
{
    EXPECT_EQ(TrimLeadingBlanks(Sjis("　 \tx")), "x");
    EXPECT_EQ(TrimLeadingBlanks(Sjis("、x")), Sjis("、x"));
    EXPECT_EQ(TrimLeadingBlanks(" \r\n" + Sjis("ア")), Sjis("ア"));
    EXPECT_EQ(TrimLeadingBlanks(Sjis("　")), "");
    EXPECT_EQ(TrimLeadingBlanks(""), "");
    // A lone 0x81 at the end is not a full-width space.
    EXPECT_EQ(TrimLeadingBlanks(" \x81"), "\x81");
}

TEST(edUtils, CharAtReadsOneBasedBytesAndNulOutside)
{
    EXPECT_EQ(CharAt("abc", 1), 'a');
    EXPECT_EQ(CharAt("abc", 3), 'c');
    EXPECT_EQ(CharAt("abc", 0), '\0');
    EXPECT_EQ(CharAt("abc", 4), '\0');
    EXPECT_EQ(CharAt(Sjis("ア"), 2), 'A');
}

} // namespace
