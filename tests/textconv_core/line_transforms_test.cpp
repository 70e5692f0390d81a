// Tabs and spaces, reversal and word capitals.
#include "LineTransforms.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(TabsToSpaces, FillsToTheNextTabStop)
{
    EXPECT_EQ(TabsToSpaces("ab\tc", 4), "ab  c");
    EXPECT_EQ(TabsToSpaces("\tx\r\nabcd\ty", 4), "    x\r\nabcd    y");
    // A double-byte character is two columns wide.
    EXPECT_EQ(U(TabsToSpaces(S("あ\tx"), 4)), "あ  x");
    EXPECT_EQ(TabsToSpaces("a\tb\r\n", 8), "a       b\r\n");
    EXPECT_EQ(TabsToSpaces("", 4), "");
}

TEST(TabsToSpaces, TakesATabWidthBelowOneAsOne)
{
    EXPECT_EQ(TabsToSpaces("a\tb", 0), "a b");
    EXPECT_EQ(TabsToSpaces("a\tb", -3), "a b");
}

TEST(SpacesToTabs, TurnsSpacesThatReachAStopIntoTabs)
{
    EXPECT_EQ(SpacesToTabs("        x", 4), "\t\tx");
    EXPECT_EQ(SpacesToTabs("abc x", 4), "abc\tx");
    EXPECT_EQ(SpacesToTabs("ab x", 4), "ab x");
    EXPECT_EQ(SpacesToTabs("a      x", 4), "a\t   x");
    EXPECT_EQ(SpacesToTabs("a       x", 4), "a\t\tx");
    EXPECT_EQ(SpacesToTabs("\t  x\r\n   y", 4), "\t  x\r\n   y");
    EXPECT_EQ(U(SpacesToTabs(S("あ  x"), 4)), "あ\tx");
}

TEST(TabsToCommas, TurnsEveryTabIntoAComma)
{
    EXPECT_EQ(U(TabsToCommas(S("あ\tb\t\r\n"))), "あ,b,\r\n");
}

TEST(ReverseText, ReversesCharactersAndKeepsTheFinalLineBreak)
{
    EXPECT_EQ(U(ReverseText(S("ab\r\nあ\r\n"))), "あ\r\nba\r\n");
    EXPECT_EQ(U(ReverseText(S("亜い"))), "い亜");
    EXPECT_EQ(ReverseText(""), "");
    EXPECT_EQ(ReverseText("\r\n"), "\r\n");
    EXPECT_EQ(ReverseText(Bytes({'a', 0x82})), Bytes({0x82, 'a'}));
}

TEST(CapitalizeWords, CapitalizesEveryWord)
{
    EXPECT_EQ(CapitalizeWords("hello.WORLD 3abc"), "Hello.world 3abc");
    EXPECT_EQ(CapitalizeWords("ONE two\r\nthree"), "One Two\r\nThree");
    // ア (83 41) and ヂ (83 61) keep their trail bytes.
    EXPECT_EQ(U(CapitalizeWords(S("アヂa"))), "アヂA");
}
