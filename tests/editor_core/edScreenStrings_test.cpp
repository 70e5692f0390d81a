#include "edScreenStrings.h"

#include "FakeEditorClient.h"

#include "Files.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

using edtest::RowsOf;
using edtest::RowTexts;
using edtest::RowView;
using edtest::Sjis;
using edtest::TFakeEditorClient;

namespace {

constexpr auto Crlf = TRowAttribute::raCrlf;
constexpr auto Wrapped = TRowAttribute::raWrapped;
constexpr auto Eof = TRowAttribute::raEof;

std::string A(int N, char C = 'a') { return std::string(static_cast<size_t>(N), C); }

class ScreenStringsTest : public ::testing::Test {
protected:
    ScreenStringsTest() { List().WrapOption()->SetWrapByte(20); }
    TEditorScreenStrings& List() { return *Editor.List; }
    void Wrap(bool On) { List().SetWordWrap(On); }
    std::vector<RowView> Rows() { return RowsOf(List()); }
    // First row, old and new row counts of the I-th change announced.
    std::tuple<int, int, int> Extent(size_t I)
    {
        const TChangeExtent& e = Editor.Extents.at(I);
        return {e.First, e.OldCount, e.NewCount};
    }

    TFakeEditorClient Editor;
};

// ---- ReplaceRows -------------------------------------------------------------

TEST_F(ScreenStringsTest, ReplaceRowsKeepsTheTextInvariant)
{
    List().ReplaceRows(0, 0, "ab\r\ncd");
    EXPECT_EQ(Rows(), (std::vector<RowView>{{"ab", Crlf}, {"cd", Eof}}));
    // Typing at the end of the last line.
    List().ReplaceRows(1, 1, "cde");
    EXPECT_EQ(List().GetTextStr(), "ab\r\ncde");
    // Enter at the end: the last row ends with a line break, and no empty
    // raEof row follows it.
    List().ReplaceRows(1, 1, "cde\r\n");
    EXPECT_EQ(Rows(), (std::vector<RowView>{{"ab", Crlf}, {"cde", Crlf}}));
    // The caret may stand on row = row count, past the last row.
    Editor.Row = 2;
    List().BeginUpdate();
    List().EndUpdate();
    EXPECT_EQ(Editor.Row, 2);
    // A line added there.
    List().ReplaceRows(2, 0, "x");
    EXPECT_EQ(List().GetTextStr(), "ab\r\ncde\r\nx");
    // A lone CR ending the new text is a line break too.
    List().ReplaceRows(2, 1, "y\r");
    EXPECT_EQ(List().GetTextStr(), "ab\r\ncde\r\ny\r\n");
}

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

TEST_F(ScreenStringsTest, DeletingALineBreakJoinsTheNextLogicalLine)
{
    Wrap(true);
    List().SetTextStr("abc\r\n" + A(25, 'x') + "\r\nz");
    List().ReplaceRows(0, 1, "abc"); // the line break of row 0 deleted
    EXPECT_EQ(Rows(), (std::vector<RowView>{{"abc" + A(17, 'x'), Wrapped}, {A(8, 'x'), Crlf}, {"z", Eof}}));
}

TEST_F(ScreenStringsTest, TypingInAWrappedLineRewrapsFromThePreviousRow)
{
    Wrap(true);
    List().WrapOption()->SetWordBreak(true);
    List().SetTextStr(A(16) + " bbbbbbb\r\n");
    ASSERT_EQ(Rows(), (std::vector<RowView>{{A(16) + " ", Wrapped}, {"bbbbbbb", Crlf}}));
    // Shortening the word lets it back up into the first row.
    List().ReplaceRows(1, 1, "bb\r\n");
    EXPECT_EQ(Rows(), (std::vector<RowView>{{A(16) + " bb", Crlf}}));
    EXPECT_EQ(Extent(Editor.Extents.size() - 1), std::make_tuple(0, 2, 1));
}

TEST_F(ScreenStringsTest, WithWholeWordsKeptAnEditRewrapsTheWholeLineAndUndoesCleanly)
{
    // A word that spans several rows decides where each of them ends, so an
    // edit far down the line can move the break of its first row.
    List().WrapOption()->SetWordBreak(true);
    Wrap(true);
    const std::string text = "012345678901234567890123456789(";
    List().SetTextStr(text);
    const std::vector<std::string> before = RowTexts(List());
    List().ReplaceRows(2, 1, "23456");
    const std::string edited = List().GetTextStr();

    TFakeEditorClient fresh;
    fresh.List->WrapOption()->SetWrapByte(20);
    fresh.List->WrapOption()->SetWordBreak(true);
    fresh.List->SetWordWrap(true);
    fresh.List->SetTextStr(edited);
    EXPECT_EQ(RowTexts(List()), RowTexts(*fresh.List));

    List().Undo();
    EXPECT_EQ(List().GetTextStr(), text);
    EXPECT_EQ(RowTexts(List()), before);
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

// ---- Row marks -------------------------------------------------------------------

TEST_F(ScreenStringsTest, DeletedRowsGiveTheirMarksToTheRowInTheirPlace)
{
    List().SetTextStr("a\r\nb\r\nc\r\nd\r\n");
    List().SetRowMarks(1, 1 << 2);
    List().SetRowMarks(2, 1 << 3);
    List().IncludeRowMarks(1 << 2 | 1 << 3);
    List().ReplaceRows(1, 2, ""); // whole lines
    EXPECT_EQ(RowTexts(List()), (std::vector<std::string>{"a", "d"}));
    EXPECT_EQ(List().RowMarks(1), 1 << 2 | 1 << 3);
    EXPECT_EQ(List().GetRowMarksInUse(), 1 << 2 | 1 << 3);
    // All rows deleted: the marks leave the text.
    List().ReplaceRows(0, 2, "");
    EXPECT_EQ(List().Count(), 0);
    EXPECT_EQ(List().GetRowMarksInUse(), 0);
}

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

TEST_F(ScreenStringsTest, WrapAndUnwrapCarryTheMarksWithTheirLines)
{
    List().SetTextStr(A(45) + "\r\nb\r\n");
    List().SetRowMarks(0, 1 << 1);
    List().SetRowMarks(1, 1 << 2);
    Wrap(true);
    EXPECT_EQ(RowTexts(List()), (std::vector<std::string>{A(20), A(20), A(5), "b"}));
    EXPECT_EQ(List().RowMarks(0), 1 << 1);
    EXPECT_EQ(List().RowMarks(3), 1 << 2);
    List().SetRowMarks(2, 1 << 4);
    Wrap(false);
    EXPECT_EQ(Rows(), (std::vector<RowView>{{A(45), Crlf}, {"b", Crlf}}));
    EXPECT_EQ(List().RowMarks(0), 1 << 1 | 1 << 4);
    EXPECT_EQ(List().RowMarks(1), 1 << 2);
}

// ---- Wrapping the whole text ----------------------------------------------------

TEST_F(ScreenStringsTest, WrapAllKeepsTheLastRowsAttribute)
{
    List().SetTextStr(A(25));
    Wrap(true);
    EXPECT_EQ(Rows(), (std::vector<RowView>{{A(20), Wrapped}, {A(5), Eof}}));
    List().SetTextStr(A(25) + "\r\n");
    EXPECT_EQ(Rows(), (std::vector<RowView>{{A(20), Wrapped}, {A(5), Crlf}}));
    Wrap(false);
    EXPECT_EQ(Rows(), (std::vector<RowView>{{A(25), Crlf}}));
}

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

TEST_F(ScreenStringsTest, NothingIsRewrappedWhileEditorZeroIsLoading)
{
    List().SetTextStr(A(25) + "\r\n");
    Editor.IsLoading = true;
    Wrap(true);
    EXPECT_TRUE(List().WordWrap());
    EXPECT_EQ(List().Count(), 1);
    List().WrapOption()->SetWrapByte(30);
    EXPECT_EQ(List().Count(), 1);
    Editor.IsLoading = false;
    List().WrapAll();
    EXPECT_EQ(List().Count(), 1); // 25 columns fit a 30-column row
}

// ---- Whole text, files -------------------------------------------------------------

TEST_F(ScreenStringsTest, TextRoundTrips)
{
    for (const char* text : {"", "a", "a\r\n", "\r\n", "a\r\nb", "a\r\n\r\n"}) {
        List().SetTextStr(text);
        EXPECT_EQ(List().GetTextStr(), text);
        EXPECT_EQ(Editor.Lines.Text(), text);
    }
    List().SetTextStr("");
    EXPECT_EQ(List().Count(), 0);
    // Lone CR and LF become line breaks of their own.
    List().SetTextStr("a\rb\nc");
    EXPECT_EQ(List().GetTextStr(), "a\r\nb\r\nc");
}

class FileTest : public ScreenStringsTest {
protected:
    FileTest()
    {
        Folder = std::filesystem::temp_directory_path() / ("edScreenStrings_" + std::to_string(::getpid()));
        std::filesystem::create_directories(Folder);
    }
    ~FileTest() override { std::filesystem::remove_all(Folder); }
    std::string Write(const std::string& Name, const std::string& Bytes)
    {
        const std::string path = (Folder / Name).string();
        std::ofstream(path, std::ios::binary) << Bytes;
        return path;
    }
    std::filesystem::path Folder;
};

TEST_F(FileTest, LoadFromFileReadsLinesAndStopsAtCtrlZ)
{
    List().LoadFromFile(Write("lone.txt", "a\rb\rc"));
    EXPECT_EQ(Rows(), (std::vector<RowView>{{"a", Crlf}, {"b", Crlf}, {"c", Eof}}));
    List().LoadFromFile(Write("eof.txt", "a\r\nb\x1A" "c\r\nd"));
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
    EXPECT_THROW(List().LoadFromFile((Folder / "missing.txt").string()), EFOpenError);
    EXPECT_THROW(Editor.Lines.LoadFromFile(Folder.string()), EFOpenError); // a folder
    EXPECT_EQ(List().GetTextStr(), "keep\r\nthese");
    EXPECT_EQ(List().RowMarks(0), 1 << 3);
    EXPECT_EQ(List().GetRowMarksInUse(), 1 << 3);
    EXPECT_TRUE(List().UndoObj()->CanUndo());
    EXPECT_EQ(Editor.Extents.size(), changes); // no text change announced
    EXPECT_EQ(List().UpdateCount(), 0);
    EXPECT_EQ(Editor.LinesUpdateDepth, 0);
}

TEST_F(FileTest, SaveToFileWritesTheTextWithItsLineBreaks)
{
    Wrap(true);
    List().SetTextStr(A(30) + "\r\nb");
    const std::string path = (Folder / "out.txt").string();
    Editor.Lines.SaveToFile(path);
    EXPECT_EQ(ReadFileBytes(path), A(30) + "\r\nb");
}

// ---- Positions --------------------------------------------------------------------

TEST_F(ScreenStringsTest, CharacterPositionsCountLineBreaksAsTwo)
{
    using P = std::pair<int, int>;
    auto rowIndexAt = [&](int Pos) {
        P at{-1, -1};
        List().PosToRowIndex(Pos, at.first, at.second);
        return at;
    };
    EXPECT_EQ(List().GetTextLen(), 0);
    Wrap(true);
    List().SetTextStr("ab\r\n" + A(25) + "\r\nc");
    // Rows: "ab" crlf, 20 wrapped, 5 crlf, "c" eof.
    EXPECT_EQ(List().GetTextLen(), 4 + 27 + 1);
    EXPECT_EQ(List().RowStartPos(1), 4);
    EXPECT_EQ(List().RowStartPos(2), 24);
    EXPECT_EQ(List().RowStartPos(3), 31);
    EXPECT_EQ(rowIndexAt(3), P(0, 2));  // inside the line break
    EXPECT_EQ(rowIndexAt(24), P(2, 0)); // the wrap point: the next row's start
    EXPECT_EQ(rowIndexAt(99), P(3, 1)); // past the end: the raEof row
    List().SetTextStr("ab\r\n");
    EXPECT_EQ(rowIndexAt(4), P(1, 0)); // after a final line break
}

TEST_F(ScreenStringsTest, RowColAfterTextWalksRowsAndMeasuresColumns)
{
    using P = std::pair<int, int>;
    auto after = [&](int Row, int Length) {
        P at{-1, -1};
        List().RowColAfterText(Row, Length, at.first, at.second);
        return at;
    };
    List().SetTextStr("a\tb\r\n" + Sjis("あい") + "\r\nc");
    EXPECT_EQ(after(0, 2), P(0, 8)); // "a" and the tab
    EXPECT_EQ(after(0, 5), P(1, 0));
    EXPECT_EQ(after(1, 4), P(1, 4));
    EXPECT_EQ(after(2, 5), P(2, 1)); // the raEof row holds the rest
    List().SetTextStr("a\r\n");
    EXPECT_EQ(after(0, 3), P(1, 0));
}

// ---- Sharing -----------------------------------------------------------------------

TEST(ScreenStringsSharing, EditorsSharingAListSeeOneTextAndTheListGoesWithTheLast)
{
    std::weak_ptr<TEditorScreenStrings> watch;
    {
        TFakeEditorClient first;
        auto second = std::make_unique<TFakeEditorClient>();
        second->ShareList(first);
        watch = first.List;
        ASSERT_EQ(first.List->EditorCount(), 2);
        // The focused editor is the first with the focus, else editor zero.
        EXPECT_EQ(first.List->FocusedEditor(), &first);
        second->HasFocus = true;
        EXPECT_EQ(first.List->FocusedEditor(), second.get());
        first.List->ReplaceRows(0, 0, "shared\r\n");
        EXPECT_EQ(second->Lines.Text(), "shared\r\n");
        EXPECT_EQ(first.Changes, 1);
        EXPECT_EQ(second->Changes, 1);
        second.reset();
        EXPECT_EQ(first.List->EditorCount(), 1);
        EXPECT_FALSE(watch.expired());
    }
    EXPECT_TRUE(watch.expired());
}

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

TEST(ScreenStringsSharing, ClearPutsEveryCaretAtTheStart)
{
    TFakeEditorClient first;
    TFakeEditorClient second;
    second.ShareList(first);
    first.List->SetTextStr("a\r\nb\r\n");
    first.Row = 1;
    second.Row = 2;
    second.Col = 1;
    first.List->Clear();
    EXPECT_EQ(first.Row, 0);
    EXPECT_EQ(second.Row, 0);
    EXPECT_EQ(second.Col, 0);
    EXPECT_EQ(first.List->Count(), 0);
    EXPECT_GE(second.SelectionsDropped, 1);
}

TEST(ScreenStringsSharing, RowsPastTheEndAreClampedAfterEachChange)
{
    TFakeEditorClient editor;
    editor.List->SetTextStr("a\r\nb\r\nc");
    editor.Row = 2;
    editor.Top = 2;
    editor.List->ReplaceRows(1, 2, "");
    ASSERT_EQ(editor.List->GetTextStr(), "a\r\n");
    // After a final line break the caret may stand on row = row count.
    EXPECT_EQ(editor.Row, 1);
    EXPECT_EQ(editor.Top, 1);
    editor.List->ReplaceRows(0, 1, "a");
    EXPECT_EQ(editor.Row, 0);
    EXPECT_EQ(editor.Top, 0);
}

} // namespace
