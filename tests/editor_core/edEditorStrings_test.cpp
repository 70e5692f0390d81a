#include "edEditorStrings.h"

#include "FakeEditorClient.h"

#include "SysUtils.h"

#include <gtest/gtest.h>

using edtest::RowsOf;
using edtest::RowView;
using edtest::TFakeEditorClient;

namespace {

constexpr auto Crlf = TRowAttribute::raCrlf;
constexpr auto Eof = TRowAttribute::raEof;

std::string A(int N, char C = 'a') { return std::string(static_cast<size_t>(N), C); }

class LinesTest : public ::testing::Test {
protected:
    LinesTest()
    {
        Editor.List->WrapOption()->SetWrapByte(20);
        Editor.List->SetWordWrap(true);
    }
    TEditorStrings& Lines() { return Editor.Lines; }

    TFakeEditorClient Editor;
};

TEST_F(LinesTest, LogicalLinesSpanTheirWrappedRows)
{
    Lines().SetText(A(45) + "\r\nb\r\n" + A(20, 'c'));
    ASSERT_EQ(Editor.List->Count(), 6); // 20 20 5 | b | 20 ""
    EXPECT_EQ(Lines().Count(), 3);
    EXPECT_EQ(Lines().Strings(0) + "|" + Lines().Strings(1) + "|" + Lines().Strings(2), A(45) + "|b|" + A(20, 'c'));
    EXPECT_EQ(Lines().LineToRow(1), 3);
    EXPECT_EQ(Lines().LineToRow(2), 4);
    EXPECT_EQ(Lines().LineToRow(-5), 0);
    EXPECT_THROW(Lines().Strings(3), EListError);
    EXPECT_THROW(Lines().Strings(-1), EListError);
    // A last row marked wrapped still ends the last line.
    Editor.List->SetRowAttribute(5, TRowAttribute::raWrapped);
    EXPECT_EQ(Lines().Count(), 3);
    Editor.List->SetRowAttribute(3, TRowAttribute::raWrapped);
    EXPECT_EQ(Lines().Count(), 2);
}

TEST_F(LinesTest, AddAndAssignPutTheCaretAfterTheText)
{
    // On an empty editor a trailing line break is left.
    EXPECT_EQ(Lines().Add("one"), 0);
    EXPECT_EQ(Lines().Add("two"), 1);
    EXPECT_EQ(Lines().Text(), "one\r\ntwo\r\n");
    EXPECT_EQ(Editor.Row, 2);
    EXPECT_EQ(Editor.Col, 0);
    // After a last line without a line break, the new line gets none.
    Lines().SetText("x");
    EXPECT_EQ(Lines().Add("y"), 1);
    EXPECT_EQ(RowsOf(*Editor.List), (std::vector<RowView>{{"x", Crlf}, {"y", Eof}}));
    TStringList source;
    source.Add("a");
    source.Add("b");
    Lines().Assign(&source);
    EXPECT_EQ(Lines().Text(), "a\r\nb\r\n");
    EXPECT_EQ(Editor.Row, 2);
}

TEST_F(LinesTest, PutInsertAndDeleteWorkOnWholeLines)
{
    // The text and the caret as "text @row:col".
    const auto state = [&] {
        return Lines().Text() + " @" + std::to_string(Editor.Row) + ":" + std::to_string(Editor.Col);
    };
    Lines().SetText("a\r\n" + A(30, 'b') + "\r\nc");
    Lines().Put(1, "B");
    EXPECT_EQ(state(), "a\r\nB\r\nc @2:0"); // after "B" and its line break
    Lines().Put(2, A(25, 'c'));
    EXPECT_EQ(state(), "a\r\nB\r\n" + A(25, 'c') + " @3:5"); // the raEof row's end: 25 = 20 + 5
    Lines().Insert(0, "first");
    EXPECT_EQ(state(), "first\r\na\r\nB\r\n" + A(25, 'c') + " @1:0");
    Lines().Delete(3);
    EXPECT_EQ(state(), "first\r\na\r\nB\r\n @3:0");
    Lines().Insert(3, "end"); // at the line count: an Add
    EXPECT_EQ(Lines().Text(), "first\r\na\r\nB\r\nend\r\n");
    Lines().Delete(0);
    EXPECT_EQ(Lines().Text(), "a\r\nB\r\nend\r\n");
    EXPECT_THROW(Lines().Delete(3), EListError);
    EXPECT_THROW(Lines().Put(7, "x"), EListError);
    EXPECT_GT(Editor.SelectionsDropped, 0);
    EXPECT_EQ(Editor.CaretUpdateDepth, 0);
}

} // namespace
