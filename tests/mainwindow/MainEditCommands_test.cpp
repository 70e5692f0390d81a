// The edit menu's commands and the edit modes on the shown window; a
// shortcut runs its item only while the item's menu enables it.
#include "FormFixture.h"

#include "Clipboard.h"
#include "DateTimeForm.h"
#include "EditCommands.h"
#include "EditModeSwitch.h"
#include "EditorFountain.h"
#include "EditorLook.h"
#include "HTMLFountain.h"
#include "OutlineFixture.h"
#include "PaneViews.h"
#include "SortForm.h"
#include "StatusPanel.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class EditCommands : public FormTest {
protected:
    void SetUp() override
    {
        StartShown();
        memo = form->DataMemo();
    }
    void Run(std::string_view Item) { form->MenuItem(Item)->Click(); }
    std::string ClipboardText() const { return QApplication::clipboard()->text().toStdString(); }

    TEditorEx* memo = nullptr;
};

using HitColours = OutlineTest;
using EditCommandsInViews = ViewsTest;

TEST_F(EditCommands, AShortcutRunsItsItemOnlyWhileTheMenuEnablesIt)
{
    form->MenuItem("pEdLineCut")->SetShortCut(scCtrl | 'J');
    QApplication::clipboard()->setText(QStringLiteral("before"));
    memo->SetText("abc\r\n\r\nx");
    memo->SetRowCol(1, 0);
    QTest::keyClick(memo, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(memo->GetText(), "abc\r\n\r\nx") << "an empty line: the item is disabled";
    EXPECT_EQ(ClipboardText(), "before");
    memo->SetRowCol(0, 1);
    QTest::keyClick(memo, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(memo->GetText(), "\r\nx");
    EXPECT_EQ(ClipboardText(), "abc\n");
}

// The browse pane is read-only: undo and redo go back to the page editor,
// and the buttons follow what is left to undo and redo there.
TEST_F(EditCommandsInViews, UndoAndRedoActOnThePageEditorAndTheButtonsFollow)
{
    TEditorEx* memo = form->DataMemo();
    const auto Run = [this](std::string_view Item) { form->MenuItem(Item)->Click(); };
    MakePages({"one", "two\rab"});
    const std::string typed = memo->GetText();
    form->PaneViews().OpSplitReadClick();
    ASSERT_TRUE(form->BrowseViewOn());
    form->SecondEditor()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(form->ActiveEditor(), form->SecondEditor());

    Run("EdUndo");
    EXPECT_EQ(form->ActiveEditor(), memo);
    EXPECT_NE(memo->GetText(), typed);
    EXPECT_TRUE(form->ToolButton("sbRedo")->Enabled());
    Run("EdRedo");
    EXPECT_EQ(memo->GetText(), typed);
    EXPECT_FALSE(form->ToolButton("sbRedo")->Enabled());
    EXPECT_TRUE(form->ToolButton("sbUndo")->Enabled());
}

// Add-copy appends the selection to what the clipboard holds, which keeps
// its own characters, those Shift-JIS cannot hold included.
TEST_F(EditCommands, AddCopyKeepsTheClipboardsOwnText)
{
    const struct {
        std::optional<std::string> Before;
        std::string After;
    } cases[] = {
        {"café 😀\n", "café 😀\nabc 漢字\n"},
        {"x", "xabc 漢字\n"},
        {std::nullopt, "abc 漢字\n"},
    };
    for (const auto& c : cases) {
        if (c.Before)
            QApplication::clipboard()->setText(QString::fromStdString(*c.Before));
        else
            QApplication::clipboard()->clear();
        memo->SetText(Sjis("abc 漢字\r\nnext"));
        memo->SetSelStart(0);
        memo->SetSelLength(static_cast<int>(Sjis("abc 漢字\r\n").size()));
        Run("EdAddCopy");
        EXPECT_EQ(ClipboardText(), c.After);
        EXPECT_TRUE(IsProgramData(QApplication::clipboard()->mimeData())) << "clipping mode never takes it";
        EXPECT_EQ(memo->SelLength(), 0);
    }
}

TEST_F(EditCommands, DateAndTimeComeFromTheClockInTheSettingsForm)
{
    SettingsVars.IME = {"yyyy", Sjis("年"), "m", Sjis("月"), "d", Sjis("日"), "hh", ":", "nn", "", "", ""};
    SettingsVars.IME.Youbi = SettingsVars.IME.Enter = true;
    form->EditCommands().SetClock([] { return TDateTimeParts{2026, 12, 7, 9, 5, 0, 1}; });
    memo->SetText("");
    Run("EdDateTime");
    EXPECT_EQ(SjisToUtf8(memo->GetText()), "2026年12月7日（月） 09:05\r\n");
}

TEST_F(EditCommands, EditModesSetTheColouringAndWordListWhole)
{
    WriteFileAtomic(Home() + "Delphi.dat", "begin\r\nend\r\n");
    TEditorViewInfo& view = *memo->View();
    // The mode, its words, quotes, comment, brackets and fountain; the
    // label and the check of its item.
    const auto state = [&](const char* Item) {
        return std::to_string(form->EditMode()) + " " + std::to_string(memo->ReserveWordList()->Count()) + " "
               + view.Quotation() + view.Commenter() + " " + std::to_string(view.Brackets()->Count())
               + (memo->Fountain() == form->HTMLFountain1() ? " html "
                  : memo->Fountain()                        ? " other "
                                                            : " none ")
               + form->EdModeLabel()->text().toStdString() + (form->MenuItem(Item)->Checked() ? " checked" : "");
    };
    Run("subDelphi");
    EXPECT_EQ(state("subDelphi"), "1 2 '// 8 none Delphi checked") << "Delphi's two block comments";
    EXPECT_TRUE(memo->Modified()) << "the mode is saved with the document";
    Run("subHTML");
    EXPECT_EQ(state("subDelphi"), "5 2 '// 8 html HTML") << "HTML keeps the word list";
    // No word file: told, and the mode is taken whole all the same.
    Run("subHSP");
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_NE(dialogs.Questions()[0].Text.find("HSP.dat"), std::string::npos);
    EXPECT_EQ(state("subHSP"), "2 0 \"// 6 none HSP checked");
}

TEST_F(EditCommands, AColourStyleSwitchedOffIsOffAtOnce)
{
    TEditorColors& colors = *memo->View()->Colors();
    SettingsVars.AnkBold = SettingsVars.FileLinkItalic = true;
    form->EditorLook().ApplyEditorColors();
    EXPECT_TRUE(colors.Str()->Style().Contains(TFontStyle::fsBold));
    EXPECT_TRUE(memo->View()->Brackets()->Items(4)->ItemColor()->Style().Contains(TFontStyle::fsItalic));
    SettingsVars.AnkBold = false;
    form->EditorLook().ApplyEditorColors();
    for (TEditorColor* colour : {colors.Ank(), colors.Int(), colors.Str(), colors.Symbol()})
        EXPECT_FALSE(colour->Style().Contains(TFontStyle::fsBold));
}

TEST_F(EditCommands, SortLogicalLinesAndOverwrite)
{
    memo->SetText("b\r\na\r\nc\r\n");
    Run("EdAllSel");
    dialogs.AnswerForm([](QDialog& Dialog) {
        auto& sort = static_cast<TSortForm&>(Dialog);
        sort.Edit1->setText(QStringLiteral("0"));
        sort.OKButton->click();
        return Dialog.result();
    });
    Run("EdSort");
    EXPECT_EQ(memo->GetText(), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(SortChoice().SortPosition, 0);

    memo->SetText("\r\n");
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    Run("pEdLineCopy");
    EXPECT_EQ(ClipboardText(), "kept") << "a text of one line break copies nothing";

    memo->SetText("a\r\nb\r\n");
    Run("EdAllSel");
    Run("EdIndent");
    EXPECT_EQ(memo->GetText(), " a\r\n b\r\n") << "the menu's way to what Ctrl+Space does";

    // The caret after the final line break stands in no line: the edit
    // menu's states still compute.
    QTest::keyClick(memo, Qt::Key_Insert);
    EXPECT_TRUE(memo->OverWrite());
    EXPECT_EQ(dialogs.Questions().size(), 1u) << "only the sort's question";
    EXPECT_EQ(form->StatusPanel(3)->text(), QStringLiteral("上 書"));
}

TEST_F(EditCommands, DeletingToTheLineStartPutsTheCaretWhereTheTextNowBegins)
{
    const std::string line(300, 'x');
    for (const bool wrap : {false, true}) {
        memo->SetWordWrap(wrap);
        memo->SetText("top\r\n" + line + "\r\nend");
        memo->SetSelStart(5 + 250);
        Run("EdFromTop");
        EXPECT_EQ(memo->Lines()->Strings(1), std::string(50, 'x')) << wrap;
        EXPECT_EQ(std::pair(memo->Row(), memo->Col()), std::pair(1, 0)) << wrap;
        memo->SetRowCol(1, 10);
        Run("EdToEnd");
        EXPECT_EQ(memo->Lines()->Strings(1), std::string(10, 'x')) << wrap;
        EXPECT_EQ(memo->Col(), 10) << wrap;
    }
}

TEST_F(EditCommands, TheModeLabelHoldsTheWidestModeName)
{
    QLabel& label = *form->EdModeLabel();
    const int width = label.width();
    for (int mode = 0; mode < 7; ++mode) {
        form->EditModeSwitch().SwitchEditMode(mode);
        EXPECT_GE(width, label.fontMetrics().horizontalAdvance(label.text())) << label.text().toStdString();
        EXPECT_EQ(label.width(), width);
    }
}

// Taking the find marks off the text in both panes; the next find shows
// them again.
TEST_F(HitColours, AreTakenOffInBothPanesUntilTheNextFind)
{
    Fill({"foo", "", {"btnOK"}});
    Run("FdGoFind");
    Run("OpSplit");
    ASSERT_NE(form->SecondEditor(), nullptr);
    const auto shown = [this] {
        return std::pair(form->DataMemo()->ExMarks()->FindMark()->Visible(),
                         form->SecondEditor()->ExMarks()->FindMark()->Visible());
    };
    EXPECT_EQ(shown(), std::pair(true, true));
    Run("FdUndoHitCol");
    EXPECT_EQ(shown(), std::pair(false, false));
    Run("FdForwardFind");
    EXPECT_TRUE(form->ActiveEditor()->ExMarks()->FindMark()->Visible());
}

// The popup's move group: the first and the last row, and the row-mark
// menus.
TEST_F(EditCommands, ThePopupsMoveItemsGoToTheEndsOfThePage)
{
    memo->SetText("one\r\ntwo\r\nthree");
    memo->SetRowCol(1, 2);
    Run("pEdGoBottom");
    EXPECT_EQ(std::pair(memo->Row(), memo->Col()), std::pair(2, 0));
    Run("pEdGoTop");
    EXPECT_EQ(std::pair(memo->Row(), memo->Col()), std::pair(0, 0));
    for (const char* item : {"pEdGoTop", "pEdGoBottom", "pEdSetMark", "pEdJumpMark"})
        EXPECT_TRUE(form->MenuItem(item)->Enabled()) << item;
}

TEST_F(EditCommands, TheDateDialogTakesOnlyItsCodes)
{
    SettingsVars.IME.Month = "mm";
    TDateTimeForm dialog(form.get());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QApplication::processEvents();
    QLineEdit* month = dialog.NumEdits[1];
    month->setFocus();
    month->setText(QStringLiteral("M"));
    QTest::keyClick(month, Qt::Key_Return);
    EXPECT_TRUE(month->hasFocus()) << "a wrong code keeps the focus";
    month->setText(QStringLiteral("m"));
    QTest::keyClick(month, Qt::Key_Return);
    EXPECT_TRUE(dialog.KigoEdits[1]->hasFocus());
    // Leaving a code box with a code it does not take: told, put back.
    QLineEdit* day = dialog.NumEdits[2];
    day->setFocus();
    day->setText(QStringLiteral("D"));
    dialog.NumEdits[3]->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].Text, "入力に間違いがあります！");
    EXPECT_EQ(day->text(), QStringLiteral("dd"));
    EXPECT_TRUE(day->hasFocus());
    dialog.OkButton->click();
    EXPECT_EQ(SettingsVars.IME.Month, "m");
}

} // namespace
