#include "edWrap.h"

#include "FakeEditorClient.h"
#include "Sjis.h"

#include <gtest/gtest.h>

#include <random>

using edtest::RowsOf;
using edtest::RowTexts;
using edtest::RowView;
using edtest::Sjis;

namespace {

constexpr auto Crlf = TRowAttribute::raCrlf;
constexpr auto Wrapped = TRowAttribute::raWrapped;

class WrapTest : public ::testing::Test {
protected:
    WrapTest() { Option.SetWrapByte(20); }

    TColumnModel Model(bool WordWrap = true) const
    {
        TColumnModel model;
        model.TabSize = TabSize;
        model.WordWrap = WordWrap;
        model.WrapByte = Option.WrapByte();
        return model;
    }
    std::vector<RowView> Wrap(std::string_view S, bool WordWrap = true)
    {
        TEditorStringList rows;
        WrapText(S, Model(WordWrap), Option, rows);
        return RowsOf(rows);
    }
    std::vector<std::string> Texts(std::string_view S)
    {
        TEditorStringList rows;
        WrapText(S, Model(), Option, rows);
        return RowTexts(rows);
    }

    TEditorWrapOption Option;
    int TabSize = 8;
};

std::string A(int N) { return std::string(static_cast<size_t>(N), 'a'); }

TEST_F(WrapTest, LinesAreCutAtTheWidthAndAtEveryKindOfLineBreak)
{
    const std::string a = Sjis("あ");
    const std::pair<std::string, std::vector<RowView>> cases[] = {
        {"", {{"", Crlf}}},
        {"a\r\nb\rc\nd\r\n", {{"a", Crlf}, {"b", Crlf}, {"c", Crlf}, {"d", Crlf}}},
        {"a\r\n\r\n", {{"a", Crlf}, {"", Crlf}}},
        {A(19), {{A(19), Crlf}}},
        {A(20), {{A(20), Wrapped}, {"", Crlf}}}, // exactly the width: an empty row follows
        {A(45), {{A(20), Wrapped}, {A(20), Wrapped}, {A(5), Crlf}}},
        {A(19) + a + "b", {{A(19), Wrapped}, {a + "b", Crlf}}},    // a pair across the edge moves whole
        {A(18) + "\tbc", {{A(18) + "\t", Wrapped}, {"bc", Crlf}}}, // a tab reaching past the edge ends the row
        {A(19) + "\x82", {{A(19) + "\x82", Wrapped}, {"", Crlf}}}, // a lone lead byte is one column
        {"ab\x82", {{"ab\x82", Crlf}}},
    };
    for (const auto& [text, rows] : cases) {
        EXPECT_EQ(Wrap(text), rows) << text;
        if (text.find_first_of("\r\n") == std::string::npos) { // the count is of one line
            EXPECT_EQ(WrapLineCount(text, Model(), Option), static_cast<int>(rows.size())) << text;
        }
    }
    // Word wrap off: one row per line, however long.
    EXPECT_EQ(Wrap(A(50) + "\r\nb", false), (std::vector<RowView>{{A(50), Crlf}, {"b", Crlf}}));
    EXPECT_EQ(WrapLineCount(A(45), Model(false), Option), 1);
    // With the return mark following, a line of exactly the width is one row.
    Option.SetFollowRetMark(true);
    EXPECT_EQ(Wrap(A(20)), (std::vector<RowView>{{A(20), Crlf}}));
    EXPECT_EQ(WrapLineCount(A(20), Model(), Option), 1);
}

TEST_F(WrapTest, WordBreakKeepsWordsWholeUnlessTheyBeganInTheFirstThird)
{
    Option.SetWordBreak(true);
    // "world" spans column 20: it moves down whole.
    EXPECT_EQ(Texts(A(10) + " hello world"), (std::vector<std::string>{A(10) + " hello ", "world"}));
    // A word that begins right of column 6 (20 div 3) moves down whole...
    EXPECT_EQ(Texts("abcde " + A(30)), (std::vector<std::string>{"abcde ", A(6), A(6), A(18)}));
    // ...one that begins at or left of it is cut after column 6.
    EXPECT_EQ(Texts("abcd " + A(30)), (std::vector<std::string>{"abcd a", A(6), A(6), A(17)}));
    // A word at the end of a line that fits stays.
    EXPECT_EQ(Texts(A(9) + " abcdefghi"), (std::vector<std::string>{A(9) + " abcdefghi"}));
    // Double-byte text is no word: it is cut at the edge.
    const std::string a = Sjis("あ");
    EXPECT_EQ(Texts(A(10) + a + a + a + a + a + a), (std::vector<std::string>{A(10) + a + a + a + a + a, a}));
}

TEST_F(WrapTest, LeadingKeepsOpeningBracketsOffRowEndsAndClosingMarksOffRowStarts)
{
    const std::string open = Sjis("「");
    const std::string close = Sjis("」");
    const std::string comma = Sjis("、");
    Option.SetLeading(true);
    // "「" would end the row: it moves down.
    EXPECT_EQ(Texts(A(18) + open + "bc"), (std::vector<std::string>{A(18), open + "bc"}));
    // "」" would start the next row: the character before goes down with it.
    EXPECT_EQ(Texts(A(18) + "x" + "y" + close + "z"), (std::vector<std::string>{A(18) + "x", "y" + close + "z"}));
    EXPECT_EQ(Texts(A(19) + "y" + comma + "z"), (std::vector<std::string>{A(19), "y" + comma + "z"}));
    // Never left of column 16 (20 div 5 x 4): a run of marks stays where it is.
    const std::string closes = close + close + close + close + close;
    const auto rows = Texts(A(10) + closes + closes + "z");
    EXPECT_GE(rows[0].size(), 16u);
    Option.SetLeading(false);
    EXPECT_EQ(Texts(A(18) + open + "bc"), (std::vector<std::string>{A(18) + open, "bc"}));
}

TEST_F(WrapTest, NoRowEndsOnTheLeadByteOfAPairAfterTabFill)
{
    // "い" TAB "、" with the tab's fill column at the edge and tab size 2:
    // stepping back from the fill once read the trail byte of "い" as "｢"
    // and cut the row between the two bytes of "い".
    TabSize = 2;
    Option.SetLeading(true);
    const std::string i = Sjis("い");
    const std::string line = A(16) + i + "\t" + Sjis("、") + "b";
    const auto rows = Texts(line);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], A(16) + i + "\t");
    EXPECT_EQ(rows[0] + rows[1], line);
}

// Random lines under every option set and several widths: the rows put
// together give the line back, every cut falls on a character boundary,
// only the last row may be empty, the count matches, and no row is wider
// than the rules allow.
TEST_F(WrapTest, RandomLinesUnderEveryOptionSet)
{
    std::mt19937 random(20240601);
    const std::vector<std::string> pieces = {
        "a",        "word",     " ",        "\t",       ",",        ".",        "(",       Sjis("あ"),
        Sjis("亜"), Sjis("メ"), Sjis("、"), Sjis("。"), Sjis("「"), Sjis("」"), Sjis("ｱ"), Sjis("｢"),
        Sjis("ｰ"),  Sjis("　"), "\x82 ",    "!",        Sjis("い"), "\t\t",
    };
    for (int round = 0; round < 4000; ++round) {
        std::string line;
        for (int i = static_cast<int>(random() % 120); i > 0; --i)
            line += pieces[random() % pieces.size()];
        if (random() % 10 == 0)
            line += "\x82"; // a broken last character
        const int options = round % 16;
        Option.SetWordBreak(options & 1);
        Option.SetFollowPunctuation(options & 2);
        Option.SetLeading(options & 4);
        Option.SetFollowRetMark(options & 8);
        static const int widths[] = {20, 21, 37, 80, 250};
        Option.SetWrapByte(widths[random() % 5]);
        TabSize = 2 + 2 * static_cast<int>(random() % 4);

        TEditorStringList rows;
        WrapText(line, Model(), Option, rows);
        std::string joined;
        const int w = Option.WrapByte();
        for (int r = 0; r < rows.Count(); ++r) {
            const std::string_view row = rows.RowText(r);
            ASSERT_TRUE(sjis::IsCharBoundary(line, joined.size() + row.size())) << "row " << r;
            if (r + 1 < rows.Count()) {
                ASSERT_FALSE(row.empty()) << "row " << r;
                ASSERT_EQ(rows.RowAttribute(r), Wrapped);
            }
            TColumnModel model = Model();
            const int width = static_cast<int>(ExpandTabs(row, model).size());
            ASSERT_LE(width, Option.FollowPunctuation() ? w + 3 : w) << "row " << r;
            joined += row;
        }
        ASSERT_EQ(joined, line);
        ASSERT_EQ(rows.RowAttribute(rows.Count() - 1), Crlf);
        ASSERT_EQ(WrapLineCount(line, Model(), Option), rows.Count());
    }
}

} // namespace
