#include "edAttributeArray.h"
#include "edColumns.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using edtest::Sjis;

namespace {

TColumnModel Model(int TabSize, bool WordWrap = false, int WrapByte = 80)
{
    TColumnModel model;
    model.TabSize = TabSize;
    model.WordWrap = WordWrap;
    model.WrapByte = WrapByte;
    return model;
}

TEST(edColumns, ExpandTabsGivesOneAttributePerColumn)
{
    const std::tuple<std::string, int, std::string> cases[] = {
        {"a\tb", 4, "12331"},
        {"a b", 8, "121"},
        {Sjis("あ"), 8, "45"},
        {Sjis("ｱ"), 8, "1"}, // half-width katakana is a word byte
        {"", 8, ""},
        {"abcd\tx", 4, "111123331"}, // a tab on a tab stop fills a whole stop
        // A broken row: a lead byte without its trail is one column of its own.
        {"ab\x82", 8, "112"},
        {"\x82 a", 8, "221"},
    };
    for (const auto& [text, tabSize, attributes] : cases)
        EXPECT_EQ(ExpandTabs(text, Model(tabSize)), attributes) << text;
    EXPECT_EQ(ExpandedWidth("ab\x82", Model(8)), 3);
}

TEST(edColumns, ExpandTabsStopsAtItsColumnLimit)
{
    const std::string longRow(2000, 'x');
    EXPECT_EQ(ExpandTabs(longRow, Model(8, true, 20)).size(), 23u);
    EXPECT_EQ(ExpandTabs(longRow, Model(8, false)).size(), 1000u);
    // The width has no limit.
    EXPECT_EQ(ExpandedWidth(longRow, Model(8, true, 20)), 2000);
}

// ---- The attribute cursor ------------------------------------------------------

TEST(edAttributeArray, PositionIsAlwaysTheByteUnderTheColumnBothWays)
{
    std::mt19937 random(7);
    const std::vector<std::string> pieces = {"a", " ", "\t", Sjis("あ"), Sjis("「"), "\x82", Sjis("亜")};
    for (int round = 0; round < 300; ++round) {
        std::string s;
        for (int i = static_cast<int>(random() % 20); i > 0; --i)
            s += pieces[random() % pieces.size()];
        if (!s.empty() && s.back() == '\x82')
            s.pop_back();
        const TColumnModel model = Model(2 + 2 * static_cast<int>(random() % 4), random() % 2 == 0, 20);
        const std::string a = ExpandTabs(s, model);
        // The byte under each column, from the model.
        std::vector<int> expected(a.size() + 2, 0);
        int position = 0;
        for (size_t col = 0; col < a.size(); ++col) {
            if (a[col] != '3')
                ++position;
            expected[col + 1] = position;
        }
        TEditorAttributeArray c(s, a);
        const int columns = c.ColumnCount();
        for (int col = 1; col < columns; ++col) {
            ASSERT_EQ(c.Position(), expected[col]) << "forward, column " << col;
            c.Next();
        }
        for (int col = columns; col > 1; --col) {
            ASSERT_EQ(c.Position(), expected[col]) << "backward, column " << col;
            c.Prev();
        }
        EXPECT_EQ(c.Column(), 1);
        EXPECT_EQ(c.Position(), 1);
    }
}

TEST(edAttributeArray, WalksWholeCharactersAndStopsAtTheEnd)
{
    const std::string s = "x" + Sjis("あ") + "\ty";
    const std::string a = ExpandTabs(s, Model(4));
    ASSERT_EQ(a, "14521");
    TEditorAttributeArray c(s, a);
    EXPECT_EQ(c.Column(), 1);
    EXPECT_EQ(c.CurrentChar(), "x");
    EXPECT_EQ(c.NextChar(), Sjis("あ"));
    // The whole character on either of its columns.
    for (int column : {2, 3}) {
        c.MoveTo(column);
        EXPECT_EQ(c.CurrentChar(), Sjis("あ"));
    }
    c.MoveTo(5);
    c.Next();
    EXPECT_TRUE(c.AtEnd());
    EXPECT_EQ(c.CurrentChar(), "");
    EXPECT_EQ(c.NextChar(), "");
    c.Next(); // nothing past the end
    EXPECT_EQ(c.Column(), 6);
    TEditorAttributeArray empty("", "");
    EXPECT_TRUE(empty.AtEnd());
    EXPECT_EQ(empty.ColumnCount(), 0);
}

} // namespace
