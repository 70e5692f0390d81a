#include "edWrapOption.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

TEST(edWrapOption, TheBuiltInSetsAndTheWrapByteClamp)
{
    TEditorWrapOption option;
    // Sjis() fails the test when a character has no Shift-JIS form.
    EXPECT_EQ(option.FollowStr(), Sjis("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ"));
    EXPECT_EQ(option.LeadStr(), Sjis("（［｛「『([{｢"));
    EXPECT_EQ(option.PunctuationStr(), Sjis("、。，．,.｡､"));
    EXPECT_EQ(option.WrapByte(), 80);
    for (auto [written, stored] : {std::pair{10, 20}, {300, 250}, {37, 37}}) {
        option.SetWrapByte(written);
        EXPECT_EQ(option.WrapByte(), stored) << written;
    }
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

} // namespace
