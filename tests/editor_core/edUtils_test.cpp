#include "edUtils.h"

#include "SjisLiteral.h"
#include "Strings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
    EXPECT_EQ(CountChar("a,b,c", ',', -5), 0);
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
            const bool inside = i >= 1 && i <= static_cast<int>(kinds.size());
            const char kind = inside ? kinds[static_cast<size_t>(i - 1)] : '-';
            EXPECT_EQ(IsLeadByteAt(text, i), kind == 'L') << kinds << " @" << i;
            EXPECT_EQ(IsTrailByteAt(text, i), kind == 'T') << kinds << " @" << i;
            EXPECT_EQ(CharAt(text, i), inside ? text[static_cast<size_t>(i - 1)] : '\0') << kinds << " @" << i;
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
        {"a\r\nb", {"a", "b"}},
        {"a\r\n", {"a"}},
        {"a\rb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\rb\n\n", {"a", "", "b", ""}},
        {"", {""}},
        {nullptr, {}},
    };
    TStringList list;
    for (const auto& [text, lines] : cases) {
        SetStringsFromText(text, list);
        EXPECT_EQ(Lines(list), lines) << (text ? text : "null");
    }
}

TEST(edUtils, LeadingBlanksAreSpacesAndFullWidthSpacesOrForTrimmingAnyControlByte)
{
    const std::tuple<std::string, int, std::string> cases[] = {
        // The text, the width of its leading blanks, the text trimmed.
        {Sjis("　 \tx"), 3, "x"},      {"\tx", 0, "x"}, {"   ", 3, ""},
        {Sjis("、x"), 0, Sjis("、x")}, {"", -1, ""},    {" \r\n" + Sjis("ア"), 1, Sjis("ア")},
        {" \x81", 1, "\x81"}, // a lone 0x81 at the end is no full-width space
    };
    for (const auto& [text, width, trimmed] : cases) {
        EXPECT_EQ(LeadingBlankWidth(text), width) << text;
        EXPECT_EQ(TrimLeadingBlanks(text), trimmed) << text;
    }
}

} // namespace

namespace {

// Every line break kind at every distance from the start, across the
// pieces the search takes at a time.
TEST(edUtils, ForEachLineCutsAtEveryKindOfBreakWhereverItStands)
{
    for (const std::string breakText : {"\r\n", "\r", "\n"})
        for (const size_t length : {0u, 1u, 254u, 255u, 256u, 257u, 511u, 700u}) {
            const std::string first(length, 'a');
            const std::string text = first + breakText + "b" + breakText + breakText + first + "z";
            Rows lines;
            ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
            EXPECT_EQ(lines, (Rows{first, "b", "", first + "z"})) << length << " " << breakText.size();
        }
    Rows lines;
    ForEachLine("", [&lines](std::string_view line) { lines.emplace_back(line); });
    EXPECT_EQ(lines, Rows{""});
}

} // namespace
