// The per-line transforms: tabs and spaces, reversal and word capitals.
#include "LineTransforms.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(LineTransforms, ConvertEveryLine)
{
    const auto tabsToSpaces = [](int Width) { return Bind(TabsToSpaces, Width); };
    const auto spacesToTabs = [](int Width) { return Bind(SpacesToTabs, Width); };
    // clang-format off
    ExpectConverted({
        {tabsToSpaces(4), "ab\tc", "ab  c"}, {tabsToSpaces(4), "\tx\r\nabcd\ty", "    x\r\nabcd    y"},
        // A double-byte character is two columns wide.
        {tabsToSpaces(4), "あ\tx", "あ  x"}, {tabsToSpaces(8), "a\tb\r\n", "a       b\r\n"}, {tabsToSpaces(4), "", ""},
        // A tab width below 1 is 1.
        {tabsToSpaces(0), "a\tb", "a b"}, {tabsToSpaces(-3), "a\tb", "a b"},
        // Spaces that reach a tab stop become tabs.
        {spacesToTabs(4), "        x", "\t\tx"}, {spacesToTabs(4), "abc x", "abc\tx"},
        {spacesToTabs(4), "ab x", "ab x"}, {spacesToTabs(4), "a      x", "a\t   x"},
        {spacesToTabs(4), "a       x", "a\t\tx"}, {spacesToTabs(4), "\t  x\r\n   y", "\t  x\r\n   y"},
        {spacesToTabs(4), "あ  x", "あ\tx"}, {TabsToCommas, "あ\tb\t\r\n", "あ,b,\r\n"},
        // Reversal keeps the final line break.
        {ReverseText, "ab\r\nあ\r\n", "あ\r\nba\r\n"}, {ReverseText, "亜い", "い亜"}, {ReverseText, "", ""},
        {ReverseText, "\r\n", "\r\n"}, {CapitalizeWords, "hello.WORLD 3abc", "Hello.world 3abc"},
        {CapitalizeWords, "ONE two\r\nthree", "One Two\r\nThree"},
        // ア (83 41) and ヂ (83 61) keep their trail bytes.
        {CapitalizeWords, "アヂa", "アヂA"},
    });
    // clang-format on
    EXPECT_EQ(ReverseText(Bytes({'a', 0x82})), "?a");
}
