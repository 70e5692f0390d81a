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

TEST(edUtils, JapaneseLiteralsConvertToTheirShiftJisBytes)
{
    EXPECT_EQ(Sjis("ア"), "\x83\x41");
    EXPECT_EQ(Sjis("あ"), "\x82\xA0");
    EXPECT_EQ(Sjis("亜"), "\x88\x9F");
    EXPECT_EQ(Sjis("　"), "\x81\x40");
    EXPECT_EQ(Sjis("、"), "\x81\x41");
}

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
    const std::string s = "A" + Sjis("あ"); // 41 82 A0
    EXPECT_TRUE(IsLeadByteAt(s, 2));
    EXPECT_TRUE(IsTrailByteAt(s, 3));
    EXPECT_FALSE(IsLeadByteAt(s, 1));
    EXPECT_FALSE(IsTrailByteAt(s, 1));
    EXPECT_FALSE(IsLeadByteAt(s, 3));
    EXPECT_FALSE(IsTrailByteAt(s, 2));
    for (int outside : {0, 4, -1}) {
        EXPECT_FALSE(IsLeadByteAt(s, outside)) << outside;
        EXPECT_FALSE(IsTrailByteAt(s, outside)) << outside;
    }
}

TEST(edUtils, LeadAndTrailBytesWhereTrailBytesLookLikeLeadOrAsciiBytes)
{
    // 亜 88 9F and メ 83 81 end in lead-valued bytes; ア 83 41 in an "A".
    const std::string s = Sjis("亜メア");
    EXPECT_TRUE(IsLeadByteAt(s, 1));
    EXPECT_TRUE(IsTrailByteAt(s, 2));
    EXPECT_FALSE(IsLeadByteAt(s, 2));
    EXPECT_TRUE(IsLeadByteAt(s, 3));
    EXPECT_TRUE(IsTrailByteAt(s, 4));
    EXPECT_FALSE(IsLeadByteAt(s, 4));
    EXPECT_TRUE(IsLeadByteAt(s, 5));
    EXPECT_TRUE(IsTrailByteAt(s, 6));
}

TEST(edUtils, LeadByteWithoutAValidTrailIsACharacterOfItsOwn)
{
    // A broken row: a lead byte at the end, and one before a line feed.
    EXPECT_FALSE(IsLeadByteAt("ab\x82", 3));
    EXPECT_FALSE(IsLeadByteAt("\x82\n", 1));
    EXPECT_FALSE(IsTrailByteAt("\x82\n", 2));
}

TEST(edUtils, CharAtReadsOneBasedBytesAndNulOutside)
{
    EXPECT_EQ(CharAt("abc", 1), 'a');
    EXPECT_EQ(CharAt("abc", 3), 'c');
    EXPECT_EQ(CharAt("abc", 0), '\0');
    EXPECT_EQ(CharAt("abc", 4), '\0');
    EXPECT_EQ(CharAt(Sjis("ア"), 2), 'A');
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
    TStringList list;
    SetStringsFromText("a\r\nb", list);
    EXPECT_EQ(Lines(list), (Rows{"a", "b"}));
    SetStringsFromText("a\r\n", list);
    EXPECT_EQ(Lines(list), (Rows{"a"}));
    SetStringsFromText("a\rb", list);
    EXPECT_EQ(Lines(list), (Rows{"a", "b"}));
    SetStringsFromText("a\nb\n", list);
    EXPECT_EQ(Lines(list), (Rows{"a", "b"}));
    SetStringsFromText("a\r\rb\n\n", list);
    EXPECT_EQ(Lines(list), (Rows{"a", "", "b", ""}));
    SetStringsFromText("", list);
    EXPECT_EQ(Lines(list), (Rows{""}));
    SetStringsFromText(nullptr, list);
    EXPECT_EQ(Lines(list), Rows{});
}

TEST(edUtils, SetStringsFromTextReplacesTheLinesInOneUpdate)
{
    TStringList list;
    list.Add("old");
    int changes = 0;
    list.OnChange = [&changes](TObject*) { ++changes; };
    const std::string text = Sjis("一行目") + "\r\n" + Sjis("二行目");
    SetStringsFromText(text.c_str(), list);
    EXPECT_EQ(Lines(list), (Rows{Sjis("一行目"), Sjis("二行目")}));
    EXPECT_EQ(changes, 1);
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

} // namespace
