// Copy, cut and paste through the (offscreen) system clipboard, with the
// keys of the context menu: plain text converted at the edge, a box in the
// box format, text from other programs, and the menu's commands.
#include "EditorDriver.h"

#include "EditorPopupMenu.h"
#include "edLibrary.h"

#include "Clipboard.h"
#include "Messages.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <gtest/gtest.h>

#include <vector>

namespace {

using edtest::Sjis;
using edtest::TEditorDriver;

class Clipboard : public testing::Test {
protected:
    Clipboard() { QApplication::clipboard()->clear(); }

    static QString ClipboardText() { return QApplication::clipboard()->text(); }
    static bool ClipboardHoldsABox() { return ClipboardHasFormat(BoxClipboardFormat()); }

    TEditorDriver ed;
};

TEST_F(Clipboard, CopyCutAndPasteAStream)
{
    ed.SetText(Sjis("漢字") + "abc\r\nxyz");
    ed.Select({0, 2}, {0, 5});
    ed.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), QString::fromUtf8("字a"));
    EXPECT_FALSE(ClipboardHoldsABox());
    ed.Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), Sjis("漢") + "bc\r\nxyz");
    ed->SetRowCol(1, 3);
    ed.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), Sjis("漢") + "bc\r\nxyz" + Sjis("字") + "a");
}

TEST_F(Clipboard, ABoxCopiedPastesAsABox)
{
    ed->SetSelectionMode(TEditorSelectionMode::smBox);
    ed.SetText("abcd\r\nefgh\r\n\r\nz\r\n");
    ed.Select({0, 1}, {1, 3});
    ed.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "bc\nfg\n");
    ASSERT_TRUE(ClipboardHoldsABox());
    EXPECT_EQ(GetClipboardData(BoxClipboardFormat()), std::string("bc\r\nfg\r\n\0", 9));

    // Pasted over a selection, a box replaces it; here at a click.
    ed.Click(2, 2);
    ed.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), "abcd\r\nefgh\r\n  bc\r\nz fg\r\n");
    EXPECT_EQ(ed.Caret(), (TCaretPos{3, 4}));
}

TEST_F(Clipboard, OtherProgramsGetLfAndGiveAnyLineEndsAsCrLf)
{
    ed.SetText("ab\r\ncd\r\n");
    ed->SelectAll();
    ed.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "ab\ncd\n");

    ed.SetText("ab");
    ed->SetRowCol(0, 1);
    QApplication::clipboard()->setText("x\ny\rz\r\n\r");
    ed.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), "ax\r\ny\r\nz\r\n\r\nb");
    EXPECT_EQ(ed.Caret(), (TCaretPos{4, 0})) << "the caret ends after the pasted text";
    ed.Type("!");
    EXPECT_EQ(ed.Text(), "ax\r\ny\r\nz\r\n\r\n!b");
}

TEST_F(Clipboard, JisMarksFromOtherProgramsKeepTheirShiftJisForms)
{
    ed.SetText("");
    QApplication::clipboard()->setText(QString::fromUtf8("〜−—‖¢£¬"));
    ed.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), "\x81\x60\x81\x7C\x81\x5C\x81\x61\x81\x91\x81\x92\x81\xCA");
}

TEST_F(Clipboard, CharactersWithoutAShiftJisFormAreReplacedAndReportedOnce)
{
    ed.SetText("");
    std::vector<int> reports;
    ed->OnUnmappedCharacters = [&reports](TObject*, int Count) { reports.push_back(Count); };
    QApplication::clipboard()->setText(QString::fromUtf8("é€😀漢"));
    ed.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), "???" + Sjis("漢"));
    EXPECT_EQ(reports, std::vector<int>{3});
    ed.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(reports, (std::vector<int>{3, 3})) << "once per paste";

    // Without a handler the user is told in a message box.
    ed->OnUnmappedCharacters = nullptr;
    TScriptedDialogs dialogs;
    ed.Commit("€");
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].Text, "Shift-JIS で表せない文字 1 個を「?」に置き換えました。");
    ed.Commit("漢");
    EXPECT_EQ(dialogs.Questions().size(), 1u) << "nothing replaced, nothing said";
}

TEST_F(Clipboard, NothingToPasteOrAReadOnlyEditorChangesNothing)
{
    ed.SetText("ab");
    ed.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), "ab");
    QApplication::clipboard()->setText("x");
    ed->SetReadOnly(true);
    ed.Key(Qt::Key_V, Qt::ControlModifier);
    ed->SelectAll();
    ed.Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), "ab");
}

TEST_F(Clipboard, AHitOrNoSelectionCopiesNothing)
{
    QApplication::clipboard()->setText("kept");
    ed->SetHitStyle(TEditorHitStyle::hsDraw);
    ed.SetText("find me");
    ed.Key(Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(ed->Search("me", esDown));
    ed.Key(Qt::Key_C, Qt::ControlModifier);
    ed.Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "kept");
    EXPECT_EQ(ed.Text(), "find me");
}

TEST_F(Clipboard, TheEditMessagesEmptyTheClipboardWithoutASelection)
{
    QApplication::clipboard()->setText("old");
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

TEST_F(Clipboard, TheContextMenusCommandsAct)
{
    auto* menu = ed->findChild<TEditorPopupMenu*>();
    ASSERT_NE(menu, nullptr);
    ed.SetText("abc\r\ndef\r\n");
    menu->UpdateItems();
    menu->SelectAllItem->trigger();
    EXPECT_EQ(ed->SelText(), "abc\r\ndef\r\n");
    menu->UpdateItems();
    menu->CopyItem->trigger();
    menu->DeleteItem->trigger();
    EXPECT_EQ(ed.Text(), "");
    menu->UpdateItems();
    ASSERT_TRUE(menu->BoxPasteItem->isEnabled());
    menu->BoxPasteItem->trigger();
    EXPECT_EQ(ed.Text(), "abc\r\ndef\r\n");
    menu->UpdateItems();
    menu->UndoItem->trigger();
    EXPECT_EQ(ed.Text(), "");
    // The mark items: Shift+Ctrl+3 puts mark 3, Ctrl+3 jumps to it.
    ed.SetText("a\r\nb\r\nc\r\n");
    ed->SetRow(2);
    ed.Key(Qt::Key_3, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(ed->RowMarks(2), 1 << 3);
    ed->SetRow(0);
    ed.Key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(ed->Row(), 2);
}

} // namespace
