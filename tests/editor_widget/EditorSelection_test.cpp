// Selections, hits shown as a caret, and copy, cut and paste through the
// (offscreen) system clipboard with the keys: plain text converted at the
// edge, a box in the box format, text from other programs; and the row
// commands (marks, search, deleting a row).
#include "EditorDriver.h"

#include "EditorLibrary.h"

#include "Clipboard.h"
#include "Messages.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace edtest;

class Selection : public testing::Test {
protected:
    Selection() { QApplication::clipboard()->clear(); }

    static QString ClipboardText() { return QApplication::clipboard()->text(); }
    static void SetClipboardText(const char* Utf8) { QApplication::clipboard()->setText(QString::fromUtf8(Utf8)); }
    void Ctrl(Qt::Key Key) { ed.Key(Key, Qt::ControlModifier); }

    TEditorDriver ed;
};

// ---- The clipboard -------------------------------------------------------------------------------------

TEST_F(Selection, CopyCutAndPasteAStreamWithLfOutsideAndCrLfInside)
{
    ed.SetText(Sjis("漢字") + "abc\r\nxyz");
    ed.Select({0, 2}, {1, 1});
    Ctrl(Qt::Key_C);
    EXPECT_EQ(ClipboardText(), QString::fromUtf8("字abc\nx"));
    EXPECT_FALSE(ClipboardHasFormat(BoxClipboardFormat()));
    Ctrl(Qt::Key_X);
    EXPECT_EQ(ed.Text(), Sjis("漢") + "yz");
    Ctrl(Qt::Key_V);
    EXPECT_EQ(ed.Text(), Sjis("漢字") + "abc\r\nxyz");

    // Text from other programs: any line ends become CR LF.
    ed.SetText("ab");
    ed->SetRowCol(0, 1);
    SetClipboardText("x\ny\rz\r\n\r");
    Ctrl(Qt::Key_V);
    EXPECT_EQ(ed.Text(), "ax\r\ny\r\nz\r\n\r\nb");
    EXPECT_EQ(ed.Caret(), (TCaretPos{4, 0})) << "the caret ends after the pasted text";
}

TEST_F(Selection, ABoxCopiedPastesAsABox)
{
    ed->SetSelectionMode(TEditorSelectionMode::smBox);
    ed.SetText("abcd\r\nefgh\r\n\r\nz\r\n");
    ed.Select({0, 1}, {1, 3});
    Ctrl(Qt::Key_C);
    EXPECT_EQ(ClipboardText(), "bc\nfg\n");
    EXPECT_EQ(GetClipboardData(BoxClipboardFormat()), std::string("bc\r\nfg\r\n\0", 9));
    ed.Click(ed.At(2, 2));
    Ctrl(Qt::Key_V);
    EXPECT_EQ(ed.Text(), "abcd\r\nefgh\r\n  bc\r\nz fg\r\n");
    EXPECT_EQ(ed.Caret(), (TCaretPos{3, 4}));
}

TEST_F(Selection, PastedCharactersKeepTheirShiftJisFormsOrAreReplacedAndReportedOnce)
{
    ed.SetText("");
    SetClipboardText("〜−—‖¢£¬");
    Ctrl(Qt::Key_V);
    EXPECT_EQ(ed.Text(), "\x81\x60\x81\x7C\x81\x5C\x81\x61\x81\x91\x81\x92\x81\xCA");

    ed.SetText("");
    std::vector<int> reports;
    ed->OnUnmappedCharacters = [&reports](TObject*, int Count) { reports.push_back(Count); };
    SetClipboardText("é€😀漢");
    Ctrl(Qt::Key_V);
    EXPECT_EQ(ed.Text(), "???" + Sjis("漢"));
    Ctrl(Qt::Key_V);
    EXPECT_EQ(reports, (std::vector<int>{3, 3})) << "once per paste";
    // Without a handler the user is told in a message box.
    ed->OnUnmappedCharacters = nullptr;
    TScriptedDialogs dialogs;
    ed.Commit("€");
    ed.Commit("漢");
    ASSERT_EQ(dialogs.Questions().size(), 1u) << "nothing replaced, nothing said";
    EXPECT_EQ(dialogs.Questions()[0].Text, "Shift-JIS で表せない文字 1 個を「?」に置き換えました。");
}

TEST_F(Selection, DigitMarksStandOnOneRowImageMarksOnMany)
{
    ed.SetText(Lines(200, "row"));
    ed->PutRowMark(2, 3);
    ed->PutRowMark(10, 3);
    ed->PutRowMark(4, 12);
    ed->PutRowMark(5, 12);
    EXPECT_EQ((std::vector<int>{ed->RowMarks(2), ed->RowMarks(10), ed->RowMarks(4), ed->RowMarks(5)}),
              (std::vector<int>{0, 1 << 3, 1 << 12, 1 << 12}));
    EXPECT_EQ(ed->RowMarksInUse(), (1 << 3) | (1 << 12));

    ed->GotoRowMark(7);
    EXPECT_EQ(ed->Row(), 0) << "no row holds mark 7";
    ed->PutRowMark(150, 7);
    ed->GotoRowMark(7);
    EXPECT_EQ(ed->Row(), 150);
    EXPECT_EQ(ed->TopRow(), 150 - ed->VisibleRows() / 2) << "a row off the screen comes to its middle";
    ed->GotoRowMark(3);
    EXPECT_EQ(ed->Row(), 10);
    ed->DeleteRowMark(10, 3);
    EXPECT_EQ(ed->RowMarks(10), 0);
}

TEST_F(Selection, SearchPassesOverHitsPastTheLastColumn)
{
    // The caret cannot stand past column 1000, so such a hit could not be
    // selected.
    ed.SetText(std::string(1500, 'x') + "zz\r\nzz");
    ASSERT_TRUE(ed->Search("zz", esDown));
    EXPECT_EQ(ed->SelStart(), 1504);
    EXPECT_FALSE(ed->Search("zz", 0));
    ed.Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_FALSE(ed->Search("xz", esDown)) << "its only hit lies past column 1000";
}

TEST_F(Selection, DeleteRowTakesTheRowWithItsLineBreak)
{
    ed.SetText("a\r\nb\r\nc");
    ed->DeleteRow(1);
    EXPECT_EQ(ed.Text(), "a\r\nc");
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 0}));
    ed->DeleteRow(5);
    EXPECT_EQ(ed.Text(), "a\r\nc");
}

TEST_F(Selection, TheOwnerHearsOfABoxAndSettingALengthGoesBackToAStream)
{
    int modeChanges = 0;
    ed->OnSelectionModeChange = [&](TObject*) { ++modeChanges; };
    ed.SetText("0123456\r\n01\r\n");
    ed.Select({0, 2}, {1, 5});
    ed->SetSelectionMode(TEditorSelectionMode::smBox);
    EXPECT_EQ(modeChanges, 1);
    EXPECT_EQ(ed->SelText(), "234\r\n\r\n") << "the short row gives nothing";
    EXPECT_EQ(ed->SelLength(), 3 + 2 + 0 + 2);
    ed->SetSelLength(3);
    EXPECT_EQ(ed->SelectionMode(), TEditorSelectionMode::smLine);
    EXPECT_EQ(ed->SelText(), "234");
}

TEST_F(Selection, TheEditMessagesEmptyTheClipboardWithoutASelection)
{
    SetClipboardText("old");
    ed.SetText("ab");
    ed->Perform(WM_CUT);
    EXPECT_TRUE(ClipboardText().isEmpty());
    ed->SelectAll();
    ed->Perform(WM_COPY);
    EXPECT_EQ(ClipboardText(), "ab");
    ed->Perform(WM_CLEAR);
    EXPECT_EQ(ed.Text(), "");
    ed->Perform(WM_PASTE);
    EXPECT_EQ(ed.Text(), "ab");
}

} // namespace
