// The settings file through the real main window: what one run saves the
// next run shows, a close that cannot write it still closes, and the first
// show keeps the marks the file gave.
#include "FormFixture.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "Files.h"
#include "SubIni.h"

#include <QApplication>
#include <filesystem>

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
    EXPECT_TRUE(form->MenuChecked("WeOpHKToZK"));
    EXPECT_FALSE(form->MenuChecked("WeOpTopSpcDel"));
    EXPECT_EQ(form->WrapSpinValue(), 120);
    EXPECT_EQ(form->SplitKind(), 1);
    EXPECT_EQ(form->SplitLine(), 150);
    EXPECT_TRUE(form->MenuChecked("TreeDisp")) << "the tree stands above the editor";
    EXPECT_TRUE(form->ToolButton("sbToEditor")->Down());
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

TEST_F(Settings, TheFirstShowColoursTheMarksAndKeepsTheirVisibilityAsRead)
{
    // The white-space options that once overrode the two marks say the
    // opposite of "EOF" and "RET".
    WriteFileAtomic(SettingsFilePath(), "[Options]\r\nEOF=1\r\nRET=0\r\nSpaceTab=0\r\nHanSpace=1\r\n"
                                        "[Colors]\r\nZenTabCol=1193046\r\nHanCol=6636321\r\n");
    StartShown();
    const TEditorMarks& marks = *form->DataMemo()->Marks();
    EXPECT_TRUE(marks.EofMark()->Visible());
    EXPECT_TRUE(marks.WrapMark()->Visible());
    EXPECT_FALSE(marks.RetMark()->Visible());
    EXPECT_EQ(marks.EofMark()->Color(), 1193046);
    EXPECT_EQ(marks.WrapMark()->Color(), 1193046);
    EXPECT_EQ(marks.RetMark()->Color(), 6636321);
}

TEST_F(Settings, TheLinkBracketsTakeTheFormTheFileChoosesAndKeepTheirColours)
{
    WriteFileAtomic(SettingsFilePath(), "[Options]\r\nBracketFlg=1\r\n[Colors]\r\nFileCol=255\r\nPageCol=65280\r\n");
    StartShown();
    const TFountainBracketCollection& brackets = *form->DataMemo()->View()->Brackets();
    ASSERT_EQ(brackets.Count(), 6);
    EXPECT_EQ(brackets.Items(4)->LeftBracket(), "[:file@");
    EXPECT_EQ(brackets.Items(5)->RightBracket(), ":]");
    EXPECT_EQ(brackets.Items(4)->ItemColor()->Color(), 255);
    EXPECT_EQ(brackets.Items(5)->ItemColor()->Color(), 65280);
}

} // namespace
