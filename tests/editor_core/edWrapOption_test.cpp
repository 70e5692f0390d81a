#include "edWrapOption.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

TEST(edWrapOption, DefaultsAndTheBuiltInSetsByteForByte)
{
    TEditorWrapOption option;
    EXPECT_FALSE(option.FollowRetMark());
    EXPECT_FALSE(option.FollowPunctuation());
    EXPECT_FALSE(option.Leading());
    EXPECT_FALSE(option.WordBreak());
    EXPECT_EQ(option.WrapByte(), 80);
    EXPECT_EQ(option.FollowStr(), "\x81\x41\x81\x42\x81\x43\x81\x44\x81\x45\x81\x48\x81\x49\x81\x4A\x81\x4B\x81\x52"
                                  "\x81\x53\x81\x54\x81\x55\x81\x58\x81\x5B\x81\x6A\x81\x6E\x81\x70\x81\x76\x81\x78"
                                  "!),.:;?]}\xA1\xA3\xA4\xA5\xB0\xDE\xDF");
    EXPECT_EQ(option.FollowStr().size(), 56u);
    EXPECT_EQ(option.LeadStr(), "\x81\x69\x81\x6D\x81\x6F\x81\x75\x81\x77([{\xA2");
    EXPECT_EQ(option.PunctuationStr(), "\x81\x41\x81\x42\x81\x43\x81\x44,.\xA1\xA4");
}

TEST(edWrapOption, WrapByteIsClampedTo20Through250)
{
    TEditorWrapOption option;
    option.SetWrapByte(10);
    EXPECT_EQ(option.WrapByte(), 20);
    option.SetWrapByte(300);
    EXPECT_EQ(option.WrapByte(), 250);
    option.SetWrapByte(37);
    EXPECT_EQ(option.WrapByte(), 37);
}

TEST(edWrapOption, SettersNotifyOnlyOnAChangeAndAssignNotifiesOnce)
{
    TEditorWrapOption option;
    int changes = 0;
    option.OnChange = [&changes](TObject*) { ++changes; };
    option.SetWrapByte(80);
    option.SetLeading(false);
    option.SetFollowStr(option.FollowStr());
    EXPECT_EQ(changes, 0);
    option.SetWrapByte(500); // stored as 250
    option.SetWrapByte(260); // still 250
    EXPECT_EQ(changes, 1);

    TEditorWrapOption other;
    other.SetLeading(true);
    other.SetWordBreak(true);
    other.SetLeadStr("(");
    changes = 0;
    option.Assign(&other);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(option.Leading());
    EXPECT_TRUE(option.WordBreak());
    EXPECT_EQ(option.WrapByte(), 80);
    EXPECT_TRUE(option.IsLeadChar("("));
    EXPECT_FALSE(option.IsLeadChar(Sjis("「")));

    // Equal values change nothing and announce nothing.
    option.Assign(&other);
    option.Assign(&option);
    EXPECT_EQ(changes, 1);
}

TEST(edWrapOption, MembershipWorksOnWholeCharacters)
{
    TEditorWrapOption option;
    EXPECT_TRUE(option.IsFollowChar(Sjis("、")));
    EXPECT_TRUE(option.IsFollowChar(")"));
    EXPECT_TRUE(option.IsLeadChar(Sjis("「")));
    EXPECT_TRUE(option.IsLeadChar(Sjis("｢")));
    EXPECT_FALSE(option.IsFollowChar(""));
    // The trail byte of "い" (82 A2) has the value of "｢", a single-byte
    // member: only a whole character matches.
    EXPECT_FALSE(option.IsLeadChar(Sjis("い")));
    option.SetLeadStr(Sjis("い"));
    EXPECT_FALSE(option.IsLeadChar("\xA2"));
    EXPECT_FALSE(option.IsLeadChar("\x82")); // a lone lead byte is no half pair
    EXPECT_TRUE(option.IsLeadChar(Sjis("い")));
}

TEST(edWrapOption, JapaneseDefaultsConvertLosslessly)
{
    // Sjis() fails the test when a character has no Shift-JIS form.
    EXPECT_EQ(Sjis("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ"), TEditorWrapOption::DefaultFollowStr());
    EXPECT_EQ(Sjis("（［｛「『([{｢"), TEditorWrapOption::DefaultLeadStr());
    EXPECT_EQ(Sjis("、。，．,.｡､"), TEditorWrapOption::DefaultPunctuationStr());
}

} // namespace
