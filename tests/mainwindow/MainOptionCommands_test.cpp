// The Options menu through the real window: the options, key and colour
// dialogs, and the menu's own switches.
#include "ClippingMode.h"
#include "FormFixture.h"
#include "OptionToggles.h"
#include "OptionsForm.h"

#include "EditModeSwitch.h"
#include "EditorFountain.h"
#include "IniFiles.h"
#include "KeyCustomForm.h"
#include "Menus.h"
#include "SpinEx.h"
#include "SubIcons.h"
#include "TreeView.h"

#include <QAction>
#include <QCheckBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

namespace {

// Runs "設定" with Change made in the dialog, confirmed or not.
void RunOptions(TScriptedDialogs& Dialogs, TVelkForm& Form, std::function<void(TOpForm&)> Change, bool Confirm)
{
    Dialogs.AnswerForm([Change, Confirm](QDialog& Dialog) {
        auto& options = static_cast<TOpForm&>(Dialog);
        Change(options);
        if (Confirm)
            options.OKButtonClick();
        return Confirm ? options.result() : mrCancel;
    });
    Form.MenuItem("OpMain")->Click();
}

class OptionCommandsTest : public FormTest {
protected:
    void SetUp() override { ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run); }
    void Options(std::function<void(TOpForm&)> Change, bool Confirm)
    {
        RunOptions(dialogs, *form, std::move(Change), Confirm);
    }
};

// The window shown, with its panes.
class ShownOptionsTest : public ViewsTest {
protected:
    void Options(std::function<void(TOpForm&)> Change) { RunOptions(dialogs, *form, std::move(Change), true); }
    // Quits (the settings file is written) and starts again, shown.
    void Restart()
    {
        ASSERT_TRUE(form->FormCloseQuery());
        NewRun();
        StartShown();
    }
};

} // namespace

TEST_F(OptionCommandsTest, OnlyConfirmedOptionsAreAppliedAndWritten)
{
    std::filesystem::remove(SettingsFilePath());
    Options([](TOpForm& f) { f.EdSpcNum->setText("3"); }, false);
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath()));
    EXPECT_NE(SettingsVars.InsSpc.width, 3);

    Options(
        [](TOpForm& f) {
            f.EdSpcNum->setText("3");
            f.CheckZenSpace->setChecked(true);
            f.ExEditor->setText("/bin/sh -c x");
        },
        true);
    EXPECT_TRUE(form->DataMemo()->ExMarks()->DBSpaceMark()->Visible());
    EXPECT_EQ(Enabled({"sbGoEditor"}), "+");
    SettingsVars = {};
    LoadIni(form->SettingsHost());
    EXPECT_EQ(SettingsVars.InsSpc.width, 3);
    EXPECT_TRUE(SettingsVars.SpaceTab);
}

TEST_F(OptionCommandsTest, ConfirmedOptionsFollowTheModeAndClipping)
{
    form->EditModeSwitch().SwitchEditMode(4);
    SettingsVars.CommentType = true;
    SettingsVars.QMark = ">";
    form->Clipping().OpClipClick();
    Options([](TOpForm& f) { f.ExEditor->setText("/bin/sh -c x"); }, true);
    EXPECT_EQ(form->DataMemo()->View()->Commenter(), "'");
    EXPECT_EQ(Enabled({"sbGoEditor"}), "-") << "clipping bars the external editor";
}

TEST_F(OptionCommandsTest, OnlyOkInTheKeyDialogChangesTheShortcutsAndWritesTheKeyFile)
{
    for (const TModalResult result : {mrCancel, mrOk})
        dialogs.AnswerForm([result](QDialog& Dialog) {
            auto& keys = dynamic_cast<TKeyForm&>(Dialog);
            keys.ListView1->setCurrentItem(keys.ListView1->topLevelItem(1)); // FlNew
            keys.ListBox1->setCurrentRow(0);                                 // UnDefined
            keys.ListBox1DblClick();
            if (result == mrOk)
                keys.OkButtonClick();
            return result;
        });
    form->MenuItem("OpKeyCustom")->Click();
    EXPECT_NE(form->MenuItem("FlNew")->ShortCut(), 0);
    EXPECT_FALSE(std::filesystem::exists(KeyFilePath()));

    form->MenuItem("OpKeyCustom")->Click();
    EXPECT_EQ(form->MenuItem("FlNew")->ShortCut(), 0);
    const TIniFile keys(KeyFilePath());
    EXPECT_EQ(keys.ReadString("Activation", "First", ""), "IsFirst");
    EXPECT_EQ(keys.ReadString("ShortcutKey", "FileNew", "absent"), "");
}

TEST_F(OptionCommandsTest, ALoadedColourSchemeColoursTheEditorAndItsMarks)
{
    WriteFileAtomic(Home() + "mine.cfg",
                    "[Colors]\r\nSelectCol=291\r\nZenTabCol=4660\r\nHanCol=22136\r\nAnkCol=255\r\n");
    dialogs.AnswerFiles({Home() + "mine.cfg"});
    form->MenuItem("OpLoadColor")->Click();
    TEditorEx& memo = *form->ActiveEditor();
    EXPECT_EQ((std::vector<int>{memo.View()->Colors()->Select()->Color(), memo.ExMarks()->DBSpaceMark()->Color(),
                                memo.ExMarks()->TabMark()->Color(), memo.ExMarks()->SpaceMark()->Color(),
                                memo.Leftbar()->Color()}),
              (std::vector<int>{291, 4660, 4660, 22136, 255}));

    dialogs.AnswerFiles({Home() + "saved.cfg"});
    form->MenuItem("OpSaveColor")->Click();
    EXPECT_EQ(TIniFile(Home() + "saved.cfg").ReadInteger("Colors", "SelectCol", -1), 291);
}

TEST_F(OptionCommandsTest, BracketCountStepsOverWholeCharacters)
{
    form->DataMemo()->SetText(Sjis("「a」「b") + "\x8C\x81u");
    form->DataMemo()->SelectAll();
    form->OptionToggles().OpCheckKakkoClick();
    EXPECT_EQ(LastQuestion(), "「 = 2\r\n\r\n」 = 1");
    form->DataMemo()->SetSelLength(0);
    form->OptionToggles().OpCheckKakkoClick();
    EXPECT_EQ(dialogs.Questions().size(), 1u);
}

TEST_F(OptionCommandsTest, NumberingStartStaysWithinItsRange)
{
    const struct {
        std::string Typed;
        int Number;
    } cases[] = {{"5000", 1}, {"abc", 0}, {"-1", 1}, {"12", 12}, {"１２", 12}};
    for (const auto& c : cases) {
        dialogs.AnswerText(c.Typed);
        form->OptionToggles().OpInsNoInitClick();
        EXPECT_EQ(form->InsertNumber(), c.Number) << c.Typed;
    }
}

TEST_F(OptionCommandsTest, BoxSelectionShowsInTheStatusBar)
{
    form->MenuItem("OpBoxSel")->Click();
    EXPECT_EQ(form->DataMemo()->SelectionMode(), TEditorSelectionMode::smBox);
    EXPECT_EQ(Panel(5), "［矩形選択］");
    form->MenuItem("OpBoxSel")->Click();
    EXPECT_EQ(Panel(5), "");
}

// The panes of the views copy DataMemo's settings when they are made: the
// views are made again, and the page keeps its undo history.
TEST_F(ShownOptionsTest, ConfirmedOptionsReachBothPanesAndKeepTheUndoHistory)
{
    Type(QStringLiteral("abc"));
    form->MenuItem("OpSplit")->Click();
    Settle();
    ASSERT_NE(form->SecondEditor(), nullptr);
    const bool ruler = form->DataMemo()->Ruler()->Visible();
    Options([ruler](TOpForm& f) {
        f.CheckRuler->setChecked(!ruler);
        f.SpinLeft->SetValue(9);
        f.CheckZenSpace->setChecked(true);
        f.CheckHanSpace->setChecked(true);
    });
    Settle();
    TEditorEx* second = form->SecondEditor();
    ASSERT_NE(second, nullptr) << "the split view is open again";
    for (TEditorEx* pane : {form->DataMemo(), second}) {
        EXPECT_EQ(pane->Ruler()->Visible(), !ruler);
        EXPECT_EQ(pane->Margin()->Left(), 9);
        EXPECT_TRUE(pane->ExMarks()->DBSpaceMark()->Visible());
        EXPECT_TRUE(pane->ExMarks()->SpaceMark()->Visible());
    }
    EXPECT_EQ(form->DataMemo()->GetText(), "abc");
    EXPECT_TRUE(form->DataMemo()->CanUndo());
}

// A colour chosen for the end-of-file or line-end mark is written and read
// back at the next start, not replaced by the blank marks' colours.
TEST_F(ShownOptionsTest, EndAndLineEndMarkColoursSurviveARestart)
{
    form->DataMemo()->Marks()->EofMark()->SetColor(0x123456);
    form->DataMemo()->Marks()->RetMark()->SetColor(0x654321);
    Restart();
    const TEditorMarks& marks = *form->DataMemo()->Marks();
    EXPECT_EQ((std::vector<TColor>{marks.EofMark()->Color(), marks.RetMark()->Color(), marks.WrapMark()->Color()}),
              (std::vector<TColor>{0x123456, 0x654321, 0x123456}))
        << "the wrap mark shows in the end mark's colour";
}

// The options rebuild the sub-icon menus; their pictures and accelerators
// stay, and a caption with "&" comes back as it was typed.
TEST_F(ShownOptionsTest, TheSubIconMenusKeepTheirPicturesAndCaptions)
{
    Options([](TOpForm& f) {
        f.ImageTree->SetSelected(f.ImageTree->Items().Item(1));
        f.ImageEdit->setText("R&D");
        f.ImageTree->SetSelected(f.ImageTree->Items().Item(2));
    });
    Options([](TOpForm&) {});
    TMenuItem& images = form->ImagePopupMenu()->Items();
    EXPECT_EQ(images.Items(0)->Caption(), QStringLiteral("なし(&N)"));
    EXPECT_EQ(images.Items(1)->Caption(), QStringLiteral("R&&D"));
    EXPECT_EQ(form->SubIcons().SubIconMenu().Strings(1), "R&D");
    EXPECT_FALSE(images.Items(1)->Action()->icon().isNull());
    EXPECT_FALSE(form->MenuItem("pTreeSubIcon")->Items(1)->Action()->icon().isNull());
}

// Loading a scheme runs the edit mode again: Delphi's block comments take
// the scheme's comment colour. The document is not changed by it.
TEST_F(ShownOptionsTest, ALoadedSchemeRecoloursTheEditModesComments)
{
    form->EditModeSwitch().SwitchEditMode(1);
    form->DataMemo()->SetModified(false);
    WriteFileAtomic(Home() + "blue.cfg", "[Colors]\r\nCommentCol=16711680\r\n");
    dialogs.AnswerFiles({Home() + "blue.cfg"});
    form->MenuItem("OpLoadColor")->Click();
    TFountainBracketCollection& brackets = *form->DataMemo()->View()->Brackets();
    ASSERT_EQ(brackets.Count(), 8);
    EXPECT_EQ(brackets.Items(6)->ItemColor()->Color(), 0xFF0000) << "{ }";
    EXPECT_EQ(brackets.Items(7)->ItemColor()->Color(), 0xFF0000) << "(* *)";
    EXPECT_FALSE(form->DataMemo()->Modified());
}

TEST_F(ShownOptionsTest, TheTreeStartsInTheJapaneseProportionalFace)
{
    const TFont& font = form->DataTree()->Font();
    EXPECT_EQ(std::tuple(font.Name(), font.Height(), font.Color()), std::tuple(Sjis("ＭＳ Ｐゴシック"), -13, clBlack));
    EXPECT_TRUE(QFontInfo(form->DataTree()->font()).family().startsWith(QStringLiteral("IPA")))
        << "mapped to the installed Japanese face";
}
