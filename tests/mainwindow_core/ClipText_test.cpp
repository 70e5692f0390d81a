#include "ClipText.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

const std::string Rule(80, '-');

TEST(ClipText, DropSpaceAfterPunctOnlyAfterFullWidthCommaAndStop)
{
    EXPECT_EQ(DropSpaceAfterPunct(Sjis("、 a。 b､ c")), Sjis("、a。b､ c"));
    // "ア" is 83 41 and "メ" 83 81: the 81 41 across "メA" is no "、".
    const std::string across = Sjis("メ") + "A ";
    EXPECT_EQ(DropSpaceAfterPunct(across), across);
}

TEST(ClipText, HalfPunctToZenMapsWholeCharactersOnly)
{
    EXPECT_EQ(HalfPunctToZen(Sjis("｢a｣(b)?!､｡")), Sjis("「a」（b）？！、。"));
    // "い" is 82 A2: its trail byte is no "｢".
    EXPECT_EQ(HalfPunctToZen(Sjis("い")), Sjis("い"));
    EXPECT_EQ(HalfPunctToZen("(\r\n)"), Sjis("（") + "\r\n" + Sjis("）"));
    // A bare CR ends its line without swallowing the byte after it.
    EXPECT_EQ(HalfPunctToZen("a\r!"), "a\r\n" + Sjis("！"));
    EXPECT_EQ(HalfPunctToZen(std::string(10000, '?')).size(), 20000u);
}

TEST(ClipText, HyphenLineShapeDropsEmptyLinesBesideRules)
{
    const struct {
        std::string In, Out;
    } cases[] = {
        {Rule + "\r\n\r\n" + Rule, Rule + "\r\n" + Rule},
        {"a\r\n\r\n" + Rule + "\r\n\r\nb\r\n", "a\r\n" + Rule + "\r\nb\r\n"},
        {"a\r\n\r\n" + Rule.substr(1) + "\r\n", "a\r\n\r\n" + Rule.substr(1) + "\r\n"},
        {"a\r\n\r\n\r\n" + Rule, "a\r\n\r\n" + Rule},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HyphenLineShape(c.In), c.Out) << c.In;
}

TEST(ClipText, ChainRunsEachOptionOnlyWhenOn)
{
    TWebTextOptions none;
    none.Hyphen = false;
    EXPECT_EQ(ConvertClipText("", TWebTextOptions{}), "");
    EXPECT_EQ(ConvertClipText("\r\n\r\n\r\na\tb  \r\nc", none), "a b\r\nc");
    const std::string text = Sjis("  x  ｢y｣\r\n\r\nz");
    const struct {
        bool TWebTextOptions::*Option;
        std::string Out;
    } cases[] = {
        {&TWebTextOptions::Hs2ToZs, Sjis("　x　｢y｣\r\n\r\nz")},
        {&TWebTextOptions::HKToZK, Sjis("  x  「y」\r\n\r\nz")},
        {&TWebTextOptions::TopSpcDel, Sjis("x  ｢y｣\r\n\r\nz")},
        {&TWebTextOptions::TopRtnDel, Sjis("  x  ｢y｣\r\nz")},
        {&TWebTextOptions::LogicLine, Sjis("　  x  ｢y｣\r\n\r\n　z")},
    };
    EXPECT_EQ(ConvertClipText(text, none), text);
    for (const auto& c : cases) {
        TWebTextOptions options = none;
        options.*c.Option = true;
        EXPECT_EQ(ConvertClipText(text, options), c.Out) << c.Out;
    }
}

} // namespace
