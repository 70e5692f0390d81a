// The screen-row list: replacing rows, marks, wrapping, files, positions
// and editors sharing one list.
#include "edRowMarks.h"
#include "edScreenStrings.h"

#include "FakeEditorClient.h"
#include "TempDir.h"
#include "edEditTestSupport.h"

#include "Files.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <tuple>

using edtest::FreshRows;
using edtest::RowsOf;
using edtest::RowTexts;
using edtest::RowView;
using edtest::Sjis;
using edtest::TFakeEditorClient;

namespace {

constexpr auto Crlf = TRowAttribute::raCrlf;
constexpr auto Eof = TRowAttribute::raEof;

std::string A(int N, char C = 'a') { return std::string(static_cast<size_t>(N), C); }

class ScreenStringsTest : public edtest::ListTest {
protected:
    ScreenStringsTest() { List().WrapOption()->SetWrapByte(20); }
    void Wrap(bool On) { List().SetWordWrap(On); }
    std::vector<RowView> Rows() { return RowsOf(List()); }
    // First row, old and new row counts of the I-th change announced.
    std::tuple<int, int, int> Extent(size_t I)
    {
        const TChangeExtent& e = Editor.Extents.at(I);
        return {e.First, e.OldCount, e.NewCount};
    }
};

// ---- ReplaceRows -------------------------------------------------------------

TEST_F(ScreenStringsTest, RangesOutsideTheTextAreIgnoredAndReadAsEmpty)
{
    List().SetTextStr("ab\r\ncd");
    const auto before = Rows();
    List().ReplaceRows(-1, 1, "x");
    List().ReplaceRows(1, 2, "x");
    List().ReplaceRows(3, 0, "x");
    List().ReplaceRows(2, 0, "x"); // nothing stands after a raEof row
    List().ReplaceRows(0, 0, "");
    EXPECT_EQ(Rows(), before);
    EXPECT_FALSE(List().UndoObj()->CanUndo());
    // Reading outside the list gives no text.
    std::string text = "junk";
    int taken = -1;
    EXPECT_EQ(List().GetRowsText(5, 1, text, taken), raNoText);
    EXPECT_EQ(text, "");
    EXPECT_EQ(taken, 0);
    EXPECT_EQ(List().GetRowsText(0, -1, text, taken), Crlf);
    EXPECT_EQ(text, "ab\r\n");
    EXPECT_EQ(List().GetRowsText(0, 9, text, taken), Eof);
    EXPECT_EQ(text, "ab\r\ncd");
    EXPECT_EQ(taken, 2);
}

TEST_F(ScreenStringsTest, WithWholeWordsKeptAnEditRewrapsTheWholeLineAndUndoesCleanly)
{
    // A word that spans several rows decides where each of them ends, so an
    // edit far down the line can move the break of its first row.
    List().WrapOption()->SetWordBreak(true);
    Wrap(true);
    const std::string text = "012345678901234567890123456789(";
    List().SetTextStr(text);
    const std::vector<RowView> before = Rows();
    List().ReplaceRows(2, 1, "23456");
    const std::string edited = List().GetTextStr();
    EXPECT_EQ(Rows(), FreshRows(List()));

    List().Undo();
    EXPECT_EQ(List().GetTextStr(), text);
    EXPECT_EQ(Rows(), before);
    List().Redo();
    EXPECT_EQ(List().GetTextStr(), edited);
}

TEST_F(ScreenStringsTest, EachReplaceRecordsItsExtentAndNotifiesOnce)
{
    List().SetTextStr("a\r\nb\r\nc\r\n");
    Editor.Changes = 0;
    // The range's line break is replaced too, so the next line joins.
    List().ReplaceRows(1, 1, "x\r\ny\r\n");
    EXPECT_EQ(Editor.Changes, 1);
    ASSERT_EQ(Editor.Extents.size(), 1u);
    EXPECT_EQ(Extent(0), std::make_tuple(1, 2, 3));
    EXPECT_FALSE(List().ChangeExtent().Valid); // cleared after the notification

    // Two changes in one update: one notification, repainting from the
    // first changed row to the end.
    ASSERT_EQ(RowTexts(List()), (std::vector<std::string>{"a", "x", "y", "c"}));
    List().BeginUpdate();
    List().ReplaceRows(3, 1, "cc\r\n");
    List().ReplaceRows(0, 1, "");
    List().EndUpdate();
    EXPECT_EQ(Editor.Changes, 2);
    ASSERT_EQ(Editor.Extents.size(), 2u);
    EXPECT_EQ(Extent(1), std::make_tuple(0, 4, 3));
}

TEST_F(ScreenStringsTest, EditsAtTheEndOfALineThatFillsItsLastRowLeaveTheRowsOfAFreshWrap)
{
    // A last line exactly as wide as the wrap column has an empty raEof row
    // after its cut; an edit that takes the rows before it must not leave
    // that row behind, nor lose a line break the edit ends with.
    const std::string x20 = A(20, 'x');
    const std::string dbcs = Sjis("あ");
    struct Case {
        bool WordWrap;
        int Width;
        bool WordBreak;
        std::string Text;
        int Row, Count;
        std::string S, Expected;
    };
    const Case cases[] = {
        {true, 20, false, "ab\r\n" + x20, 1, 1, "", "ab\r\n"}, // DeleteRow
        {true, 20, false, "ab\r\n" + x20, 1, 1, "yy\r\n", "ab\r\nyy\r\n"},
        {true, 20, false, "ab\r\n" + x20, 1, 1, "yy\r", "ab\r\nyy\r\n"},
        {true, 20, false, "ab\r\n" + x20, 1, 2, "", "ab\r\n"},
        {true, 20, false, "ab\r\n" + x20, 2, 1, "", "ab\r\n" + x20},
        {true, 20, false, "ab\r\n" + x20, 2, 1, "z", "ab\r\n" + x20 + "z"},
        {true, 20, false, x20, 0, 1, "", ""},
        {true, 20, true, "ab\r\n0123456789 012345678", 1, 1, "", "ab\r\n"},
        {true, 37, false, "ab\r\n" + A(37, 'x'), 1, 1, "", "ab\r\n"},
        {true, 37, false, "ab\r\n" + A(37, 'x'), 1, 1, "yy\r\n", "ab\r\nyy\r\n"},
        {true, 20, false, "ab\r\n" + A(18, 'x') + dbcs, 1, 1, "", "ab\r\n"},
        {true, 20, false, "ab\r\n" + A(19, 'x') + dbcs, 1, 1, "", "ab\r\n" + dbcs},
        {false, 20, false, "ab\r\n" + x20, 1, 1, "", "ab\r\n"},
        {false, 20, false, "ab\r\n" + x20, 1, 1, "yy\r\n", "ab\r\nyy\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Width << (c.WordWrap ? " wrapped " : " ") << c.Text << " @" << c.Row << "+"
                                        << c.Count << " <- " << c.S);
        List().WrapOption()->SetWrapByte(c.Width);
        List().WrapOption()->SetWordBreak(c.WordBreak);
        Wrap(c.WordWrap);
        List().SetTextStr(c.Text);
        const std::vector<RowView> before = Rows();
        List().ReplaceRows(c.Row, c.Count, c.S);
        EXPECT_EQ(List().GetTextStr(), c.Expected);
        edtest::ExpectConsistentRows(List());
        const std::vector<RowView> after = Rows();
        List().Undo();
        EXPECT_EQ(Rows(), before);
        List().Redo();
        EXPECT_EQ(Rows(), after);
    }
}

// ---- Row marks -------------------------------------------------------------------

TEST_F(ScreenStringsTest, ImageMarksStayInUseWhileAnotherRowCarriesThem)
{
    List().SetTextStr("a\r\nb\r\nc\r\n");
    const uint16_t image = 1 << 12;
    List().SetRowMarks(0, image);
    List().SetRowMarks(2, image);
    List().IncludeRowMarks(image);
    List().ReplaceRows(1, 2, "x\r\n"); // b and c become x, which keeps the mark of c
    List().ReplaceRows(0, 1, "");
    EXPECT_EQ(List().GetRowMarksInUse() & image, image);
    List().ReplaceRows(0, 1, "");
    EXPECT_EQ(List().Count(), 0);
    EXPECT_EQ(List().GetRowMarksInUse() & image, 0);
}

TEST_F(ScreenStringsTest, EnterAtColumnZeroMovesTheMarkDownWithTheLine)
{
    List().SetTextStr("ab\r\ncd\r\n");
    List().SetRowMarks(1, 1 << 5);
    Editor.Col = 0;
    List().ReplaceRows(1, 1, "\r\ncd\r\n");
    EXPECT_EQ(List().RowMarks(1), 0);
    EXPECT_EQ(List().RowMarks(2), 1 << 5);
    // Enter elsewhere: the mark stays on the first row.
    Editor.Col = 1;
    List().ReplaceRows(2, 1, "c\r\nd\r\n");
    EXPECT_EQ(List().RowMarks(2), 1 << 5);
    EXPECT_EQ(List().RowMarks(3), 0);
}

TEST_F(ScreenStringsTest, LinesPastedAtColumnZeroOfAContinuationRowLeaveTheRowAboveItsMark)
{
    // The re-wrap starts one row above the edited one, whose text stays in
    // place: only the edited row's mark goes down, with its text.
    List().WrapOption()->SetWrapByte(20);
    List().SetWordWrap(true);
    List().SetTextStr(std::string(30, 'a') + "\r\n");
    ASSERT_EQ(List().Count(), 2);
    List().SetRowMarks(0, 1 << 3);
    List().SetRowMarks(1, 1 << 5);
    Editor.Col = 0;
    List().ReplaceRows(1, 1, "x\r\ny\r\n" + std::string(10, 'a') + "\r\n");
    ASSERT_EQ(List().RowText(0), std::string(20, 'a'));
    EXPECT_EQ(List().RowMarks(0), 1 << 3);
    const int last = List().Count() - 1;
    ASSERT_EQ(List().RowText(last), std::string(10, 'a'));
    EXPECT_EQ(List().RowMarks(last), 1 << 5);
}

TEST(ScreenStringsFactories, ADescendantMakesItsOwnWrapOptionsAndHistory)
{
    class TNarrowList : public TEditorScreenStrings {
    protected:
        std::unique_ptr<TEditorWrapOption> CreateWrapOption() override
        {
            std::unique_ptr<TEditorWrapOption> option = TEditorScreenStrings::CreateWrapOption();
            option->SetWrapByte(20);
            return option;
        }
    };
    const std::shared_ptr<TNarrowList> list = TEditorScreenStrings::Create<TNarrowList>();
    EXPECT_EQ(list->WrapOption()->WrapByte(), 20);
    list->SetTextStr("a\r\n");
    list->ReplaceRows(0, 1, "b\r\n");
    EXPECT_TRUE(list->UndoObj()->CanUndo());
}

// ---- Wrapping the whole text ----------------------------------------------------

TEST_F(ScreenStringsTest, WrapChangesClearTheHistoryAndResetTheEditors)
{
    List().SetTextStr(A(25) + "\r\n");
    List().ReplaceRows(0, 1, "x\r\n");
    ASSERT_TRUE(List().UndoObj()->CanUndo());
    Editor.Col = 7;
    const int refreshes = Editor.Refreshes;
    Wrap(true);
    EXPECT_FALSE(List().UndoObj()->CanUndo());
    EXPECT_EQ(Editor.Col, 0);
    EXPECT_GT(Editor.Refreshes, refreshes);

    List().ReplaceRows(0, 1, A(30) + "\r\n");
    ASSERT_TRUE(List().UndoObj()->CanUndo());
    List().WrapOption()->SetWrapByte(25);
    EXPECT_FALSE(List().UndoObj()->CanUndo());
    EXPECT_EQ(RowTexts(List()), (std::vector<std::string>{A(25), A(5)}));

    // Options confirmed without a change keep the history.
    List().ReplaceRows(0, 2, A(31) + "\r\n");
    ASSERT_TRUE(List().UndoObj()->CanUndo());
    TEditorWrapOption same;
    same.Assign(List().WrapOption());
    List().WrapOption()->Assign(&same);
    EXPECT_TRUE(List().UndoObj()->CanUndo());
}

// ---- Whole text, files -------------------------------------------------------------

class FileTest : public ScreenStringsTest {
protected:
    std::string Write(const std::string& Name, const std::string& Bytes)
    {
        WriteRaw(Dir.File(Name), Bytes);
        return Dir.File(Name);
    }
    TempDir Dir;
};

TEST_F(FileTest, LoadFromFileReadsLinesAndStopsAtCtrlZ)
{
    List().LoadFromFile(Write("lone.txt", "a\rb\rc"));
    EXPECT_EQ(Rows(), (std::vector<RowView>{{"a", Crlf}, {"b", Crlf}, {"c", Eof}}));
    List().LoadFromFile(Write("eof.txt", "a\r\nb\x1A"
                                         "c\r\nd"));
    EXPECT_EQ(List().GetTextStr(), "a\r\nb");
    // A CR LF and a long line across the old 8 KB block boundary.
    const std::string first = A(8191);
    List().LoadFromFile(Write("block.txt", first + "\r\n" + A(9000, 'b') + "\r\n"));
    EXPECT_EQ(Rows(), (std::vector<RowView>{{first, Crlf}, {A(9000, 'b'), Crlf}}));
}

TEST_F(FileTest, ANulByteBecomesABlankAndNothingElseIsLost)
{
    std::string bytes = "ab";
    bytes += '\0';
    bytes += "cd\r\n" + A(9000) + "e";
    List().LoadFromFile(Write("nul.txt", bytes));
    EXPECT_EQ(List().GetTextStr(), "ab cd\r\n" + A(9000) + "e");
}

TEST_F(FileTest, AFileThatCannotBeReadLeavesTheTextAsItWas)
{
    List().SetTextStr("keep\r\nthis");
    List().ReplaceRows(1, 1, "these");
    List().SetRowMarks(0, 1 << 3);
    List().IncludeRowMarks(1 << 3);
    const size_t changes = Editor.Extents.size();
    EXPECT_THROW(List().LoadFromFile(Dir.File("missing.txt")), EFOpenError);
    EXPECT_THROW(Editor.Lines.LoadFromFile(Dir.Path()), EFOpenError); // a folder
    EXPECT_EQ(List().GetTextStr(), "keep\r\nthese");
    EXPECT_EQ(List().RowMarks(0), 1 << 3);
    EXPECT_EQ(List().GetRowMarksInUse(), 1 << 3);
    EXPECT_TRUE(List().UndoObj()->CanUndo());
    EXPECT_EQ(Editor.Extents.size(), changes); // no text change announced
    EXPECT_EQ(List().UpdateCount(), 0);
    EXPECT_EQ(Editor.LinesUpdateDepth, 0);
}

// ---- Sharing -----------------------------------------------------------------------

TEST(ScreenStringsSharing, AnEditorMayLeaveWhileTheListNotifies)
{
    TFakeEditorClient first;
    auto second = std::make_unique<TFakeEditorClient>();
    auto third = std::make_unique<TFakeEditorClient>();
    second->ShareList(first);
    third->ShareList(first);
    // The first editor's handler destroys the second: it is not called.
    first.OnDoChange = [&second] { second.reset(); };
    first.List->ReplaceRows(0, 0, "x");
    EXPECT_FALSE(second);
    EXPECT_EQ(third->Changes, 1);
    EXPECT_EQ(first.List->EditorCount(), 2);
}

// ---- Row marks by number -----------------------------------------------------------

class RowMarksTest : public edtest::EditFixture {
protected:
    RowMarksTest()
    {
        std::string text;
        for (int i = 0; i < 20; ++i)
            text += "row\r\n";
        SetText(text);
    }
    bool InUse(int Mark) { return (List().GetRowMarksInUse() & (1u << Mark)) != 0; }
};

TEST_F(RowMarksTest, MarksZeroToNineStandOnOneRowOnlyImageMarksOnMany)
{
    PutRowMark(List(), 2, 3);
    PutRowMark(List(), 10, 3);
    EXPECT_EQ(List().RowMarks(2), 0);
    EXPECT_EQ(FindRowMark(List(), 3), 10);
    // Put outside the rows, a unique mark still leaves the row that had it.
    PutRowMark(List(), 25, 3);
    EXPECT_EQ(FindRowMark(List(), 3), -1);
    EXPECT_FALSE(InUse(3));
    PutRowMark(List(), 2, 12);
    PutRowMark(List(), 5, 12);
    EXPECT_EQ(List().RowMarks(5), 1 << 12);
    EXPECT_EQ(FindRowMark(List(), 12), 2);
    DeleteRowMark(List(), -1, 12);
    DeleteRowMark(List(), 2, 12);
    EXPECT_EQ(FindRowMark(List(), 12), 5);
    EXPECT_TRUE(InUse(12));
    DeleteRowMark(List(), 5, 12);
    EXPECT_FALSE(InUse(12));
    PutRowMark(List(), 3, 20);
    EXPECT_EQ(List().RowMarks(3), 0);
    for (int mark : {4, 16, -1})
        EXPECT_EQ(FindRowMark(List(), mark), -1) << mark;
}

TEST_F(RowMarksTest, WritingAllMarksOfARowKeepsTheUniqueOnesUnique)
{
    PutRowMark(List(), 1, 0);
    EXPECT_TRUE(SetRowMarks(List(), 4, 0x1001)); // marks 0 and 12
    EXPECT_EQ(List().RowMarks(1), 0);
    EXPECT_EQ(List().RowMarks(4), 0x1001);
    EXPECT_FALSE(SetRowMarks(List(), 4, 0x1001));
    EXPECT_FALSE(SetRowMarks(List(), 40, 0x0001));
    EXPECT_TRUE(SetRowMarks(List(), 4, 0));
    EXPECT_EQ(List().GetRowMarksInUse(), 0);
}

} // namespace
