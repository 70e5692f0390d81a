// The settings file through the main window: what one run saves the next
// run shows, and a close that cannot write it still closes.
#include "FormFixture.h"

namespace {

class Settings : public FormTest {
protected:
    // A new run: the window goes without closing and the settings
    // variables start afresh, as in a new process.
    void Restart()
    {
        form.reset();
        SettingsVars = {};
        form = std::make_unique<TTestForm>(*instances, std::make_unique<TFakeTimer>());
        StartShown();
    }
};

TEST_F(Settings, WhatOneRunSavesTheNextRunShows)
{
    StartShown();
    const TFormPlacement placement{30, 40, 520, 380, 0};
    form->SetPlacement(placement);
    form->DataMemo()->View()->Colors()->Comment()->SetColor(0x123456);
    form->SetMenuChecked("WeOpHKToZK", true);
    form->SetWrapSpinValue(120);
    form->SetSplitKind(1);
    form->SetTreePanelHeight(150);
    SaveIni(*form);

    Restart();
    EXPECT_EQ(form->Placement(), placement);
    EXPECT_EQ(form->DataMemo()->View()->Colors()->Comment()->Color(), 0x123456);
    EXPECT_EQ(std::tuple(form->WrapSpinValue(), form->SplitKind(), form->SplitLine()), std::tuple(120, 1, 150));
    // Two option checks; the tree standing above the editor.
    EXPECT_EQ(std::tuple(form->MenuChecked("WeOpHKToZK"), form->MenuChecked("WeOpTopSpcDel"),
                         form->MenuChecked("TreeDisp"), form->ToolButton("sbToEditor")->Down()),
              std::tuple(true, false, true, true));
}

TEST_F(Settings, ACloseThatCannotWriteTheSettingsSaysSoOnceAndStillCloses)
{
    StartShown();
    std::filesystem::create_directory(SettingsFilePath()); // no file can replace it
    form->DataMemo()->setFocus();
    Type(QStringLiteral("keep me"));
    dialogs.Answer(mrYes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(form->Saves, 1) << "the document was saved before the settings";
    ASSERT_EQ(dialogs.Questions().size(), 2u);
    const TDialogQuestion& error = dialogs.Questions()[1];
    EXPECT_EQ(error.Type, TMsgDlgType::mtError);
    EXPECT_EQ(error.Text, SettingsFilePath() + " に書き込めません");
    EXPECT_TRUE(FileExists(Home() + "mark.dat")) << "the other close writes ran";
}

TEST_F(Settings, TheFirstShowColoursMarksAndLinksAndKeepsTheFormsAsRead)
{
    // The white-space options and colours that once overrode the two marks
    // say the opposite of "EOF" and "RET", "EOFMK" and "RETMK".
    WriteFileAtomic(SettingsFilePath(),
                    "[Options]\r\nEOF=1\r\nRET=0\r\nSpaceTab=0\r\nHanSpace=1\r\nBracketFlg=1\r\n"
                    "[Colors]\r\nEOFMK=1193046\r\nRETMK=6636321\r\nZenTabCol=1\r\nHanCol=2\r\n"
                    "FileCol=255\r\nPageCol=65280\r\n");
    StartShown();
    const TEditorMarks& marks = *form->DataMemo()->Marks();
    EXPECT_EQ(std::tuple(marks.EofMark()->Visible(), marks.WrapMark()->Visible(), marks.RetMark()->Visible()),
              std::tuple(true, true, false));
    EXPECT_EQ((std::vector<int>{marks.EofMark()->Color(), marks.WrapMark()->Color(), marks.RetMark()->Color()}),
              (std::vector<int>{1193046, 1193046, 6636321}));
    const TFountainBracketCollection& brackets = *form->DataMemo()->View()->Brackets();
    ASSERT_EQ(brackets.Count(), 6);
    EXPECT_EQ(brackets.Items(4)->LeftBracket() + brackets.Items(5)->RightBracket(), "[:file@:]");
    EXPECT_EQ(brackets.Items(4)->ItemColor()->Color(), 255);
    EXPECT_EQ(brackets.Items(5)->ItemColor()->Color(), 65280);
}

} // namespace
