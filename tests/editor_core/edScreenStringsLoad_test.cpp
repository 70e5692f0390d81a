// A text taken whole (loaded, or set as a page): its rows show pieces of one
// shared copy of the text and are wrapped in place. Every byte must come
// back as it went in, and the rows must be exactly those of wrapping each
// line afresh, also after edits, wrap changes and a second load.
#include "edScreenStrings.h"

#include "FakeEditorClient.h"
#include "edWrap.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using edtest::Normalized;
using edtest::RowsOf;
using edtest::RowView;
using edtest::Sjis;
using edtest::TFakeEditorClient;

namespace {

// Lines of Japanese, C with tabs, Shift-JIS characters whose trail byte is
// a backslash, a letter or looks like a lead byte, and lengths around the
// wrap column, joined by the line breaks given.
std::string GeneratedText(std::mt19937& Random, int Lines, int WrapByte, bool MixedBreaks)
{
    static const std::vector<std::string> pieces = {
        Sjis("日本語の文章、"),
        Sjis("「括弧」"),
        Sjis("ソース"),
        Sjis("表示"),
        Sjis("亜メ"),
        "\tif (x) {",
        "value_1 = 0x1F;",
        " /* c */ ",
        "word ",
        "\"str\"",
        "// note",
        "a",
        Sjis("。"),
        Sjis("ｶﾀｶﾅ"),
    };
    static const char* breaks[] = {"\r\n", "\r", "\n"};
    std::string text;
    for (int line = 0; line < Lines; ++line) {
        const int target = std::uniform_int_distribution<int>(0, 3)(Random) == 0
                               ? WrapByte - 1 + std::uniform_int_distribution<int>(0, 2)(Random)
                               : std::uniform_int_distribution<int>(0, 3 * WrapByte)(Random);
        std::string row;
        while (static_cast<int>(row.size()) < target)
            row += pieces[std::uniform_int_distribution<size_t>(0, pieces.size() - 1)(Random)];
        text += row;
        text += MixedBreaks ? breaks[std::uniform_int_distribution<int>(0, 2)(Random)] : "\r\n";
    }
    return text;
}

// The eager pass: every line of the text wrapped on its own.
std::vector<RowView> EagerRows(const TEditorScreenStrings& List, const std::string& Text)
{
    if (Text.empty())
        return {};
    TEditorStringList rows;
    WrapText(Text, List.ColumnModel(), *List.WrapOption(), rows);
    const bool endsWithBreak = !Text.empty() && (Text.back() == '\r' || Text.back() == '\n');
    if (rows.Count() > 0 && !endsWithBreak)
        rows.SetRowAttribute(rows.Count() - 1, TRowAttribute::raEof);
    return RowsOf(rows);
}

class LoadTest : public edtest::ListTest {
protected:
    void Load(const std::string& Text, bool Wrap, int WrapByte)
    {
        List().WrapOption()->SetWrapByte(WrapByte);
        List().SetWordWrap(Wrap);
        List().SetTextStr(Text);
    }
};

TEST_F(LoadTest, EveryByteComesBackWithAndWithoutWrap)
{
    const std::string lead = Sjis("表ソ能"); // trail bytes 0x5C, 0x5C, 0x5C
    const std::vector<std::string> texts = {
        "",
        "\r\n",
        "\r\n\r\n\r\n",
        "a",
        "a\r\nb",
        "a\rb\nc\r\n\r\n",
        lead + "\r\n\r\n" + lead + lead + lead + lead + "\r\n",
        Sjis("ｱｲｳ") + "\t" + Sjis("日本") + "\r" + "\x81",
        std::string(100, 'x') + "\r\n" + Sjis("日") + std::string(19, 'y') + Sjis("本"),
        std::string(600, 'z') + "\r" + std::string(300, 'w') + "\n" + std::string(255, 'v') + "\r\r\nx",
    };
    for (const std::string& text : texts)
        for (const bool wrap : {false, true}) {
            Load(text, wrap, 20);
            EXPECT_EQ(List().GetTextStr(), Normalized(text)) << wrap << " " << text;
            EXPECT_EQ(RowsOf(List()), EagerRows(List(), text)) << wrap << " " << text;
        }
}

TEST_F(LoadTest, WrappingInPlaceGivesTheRowsOfTheEagerPass)
{
    std::mt19937 random(53);
    for (int round = 0; round < 40; ++round) {
        const int wrapByte = std::uniform_int_distribution<int>(4, 40)(random);
        const std::string text = GeneratedText(random, 60, wrapByte, round % 2 == 1);
        Load(text, true, wrapByte);
        ASSERT_EQ(RowsOf(List()), EagerRows(List(), text)) << round;
        // A new wrap column and word wrap off and on re-wrap what is there.
        const int other = std::uniform_int_distribution<int>(4, 40)(random);
        List().WrapOption()->SetWrapByte(other);
        ASSERT_EQ(RowsOf(List()), EagerRows(List(), text)) << round;
        List().SetWordWrap(false);
        ASSERT_EQ(RowsOf(List()), EagerRows(List(), text)) << round;
        List().SetWordWrap(true);
        ASSERT_EQ(RowsOf(List()), EagerRows(List(), text)) << round;
        EXPECT_EQ(List().GetTextStr(), Normalized(text)) << round;
    }
}

TEST_F(LoadTest, EditsAmongSharedRowsLeaveTheOtherRowsByteForByte)
{
    std::mt19937 random(7);
    const std::string text = GeneratedText(random, 200, 24, false);
    Load(text, true, 24);
    for (int step = 0; step < 300; ++step) {
        // Replace a range of rows by a piece of text (with or without line
        // breaks), then undo some steps now and then.
        const int count = List().Count();
        const int row = std::uniform_int_distribution<int>(0, count - 1)(random);
        const int rows = std::uniform_int_distribution<int>(0, std::min(3, count - row))(random);
        const std::string insert = step % 3 == 0 ? Sjis("挿入\r\n") : step % 3 == 1 ? "ab" : "";
        List().ReplaceRows(row, rows, insert);
        if (step % 25 == 24) {
            List().Undo();
            List().Undo();
        }
        if (step % 50 == 49)
            List().WrapOption()->SetWrapByte(step % 100 == 49 ? 30 : 24);
        const std::string now = List().GetTextStr();
        ASSERT_EQ(RowsOf(List()), EagerRows(List(), now)) << step;
    }
    // A second load frees the first text; nothing may still show it.
    const std::string second = GeneratedText(random, 50, 24, true);
    List().SetTextStr(second);
    EXPECT_EQ(List().GetTextStr(), Normalized(second));
    List().SetWordWrap(false);
    EXPECT_EQ(List().GetTextStr(), Normalized(second));
}

TEST_F(LoadTest, MarksStayOnTheirLogicalLinesThroughRewrapping)
{
    std::mt19937 random(11);
    const std::string text = GeneratedText(random, 40, 16, false);
    Load(text, true, 16);
    // An image mark on the first row of every third logical line.
    std::vector<int> marked;
    int line = 0;
    for (int row = 0; row < List().Count(); ++row) {
        if (row == 0 || List().RowAttribute(row - 1) != TRowAttribute::raWrapped) {
            if (line % 3 == 0) {
                List().SetRowMarks(row, RowMarkBit(FirstImageRowMark));
                marked.push_back(line);
            }
            ++line;
        }
    }
    List().IncludeRowMarks(RowMarkBit(FirstImageRowMark));
    for (const int wrapByte : {9, 33, 16}) {
        List().WrapOption()->SetWrapByte(wrapByte);
        std::vector<int> found;
        line = 0;
        uint16_t lineMarks = 0;
        for (int row = 0; row < List().Count(); ++row) {
            lineMarks |= List().RowMarks(row);
            if (List().RowAttribute(row) != TRowAttribute::raWrapped) {
                if (lineMarks)
                    found.push_back(line);
                lineMarks = 0;
                ++line;
            }
        }
        EXPECT_EQ(found, marked) << wrapByte;
    }
}

} // namespace
