// The settings file through the main window: what one run saves the next
// run shows, and a close that cannot write it still closes.
#include "FormFixture.h"

#include "DamagedFiles.h"
#include "DocumentFile.h"
#include "FontToolbar.h"
#include "IniFiles.h"
#include "OpenMenuList.h"
#include "SettingsHost.h"
#include "SymbolList.h"
#include "SysErrorText.h"
#include "WorkArea.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class Settings : public FormTest {
protected:
    void Restart()
    {
        NewRun();
        StartShown();
    }
};

TEST_F(Settings, WhatOneRunSavesTheNextRunShows)
{
    StartShown();
    const TFormPlacement placement{30, 40, 520, 380, 0};
    form->SettingsHost().SetPlacement(placement);
    form->DataMemo()->View()->Colors()->Comment()->SetColor(0x123456);
    form->SettingsHost().SetMenuChecked("WeOpHKToZK", true);
    form->SettingsHost().SetWrapSpinValue(120);
    form->SettingsHost().SetSplitKind(1);
    form->SettingsHost().SetTreePanelHeight(150);
    SaveIni(form->SettingsHost());

    Restart();
    EXPECT_EQ(form->SettingsHost().Placement(), placement);
    EXPECT_EQ(form->DataMemo()->View()->Colors()->Comment()->Color(), 0x123456);
    EXPECT_EQ(std::tuple(form->SettingsHost().WrapSpinValue(), form->SettingsHost().SplitKind(),
                         form->SettingsHost().SplitLine()),
              std::tuple(120, 1, 150));
    // Two option checks; the tree standing above the editor.
    EXPECT_EQ(std::tuple(form->SettingsHost().MenuChecked("WeOpHKToZK"),
                         form->SettingsHost().MenuChecked("WeOpTopSpcDel"),
                         form->SettingsHost().MenuChecked("TreeDisp"), form->ToolButton("sbToEditor")->Down()),
              std::tuple(true, false, true, true));
}

// The file the first run wrote, with counts and an extent no window can
// use: the next start shows the window with the entries the lists have and
// room for the editor beside the tree.
TEST_F(Settings, HugeCountsAndExtentsStillStartTheWindow)
{
    StartShown();
    ASSERT_TRUE(form->close());
    form.reset(); // its recent-file lists are saved as it goes
    {
        TIniFile ini(SettingsFilePath());
        ini.WriteInteger("History", "Count", 2147483647);
        ini.WriteString("History", "File0", "/a.vk2");
        ini.WriteString("History", "File1", "/b.vk2");
        ini.WriteInteger("TreeHistory", "Count", 2147483647);
        ini.WriteInteger("Split", "Mode", 0);
        ini.WriteInteger("Split", "Line", 2147483647);
    }
    Restart();
    EXPECT_EQ(form->DocumentFiles().History().Paths(), (std::vector<std::string>{"/a.vk2", "/b.vk2"}));
    EXPECT_EQ(form->MenuItem("FlHistoryTr")->Count(), 0);
    EXPECT_GT(form->SettingsHost().SplitLine(), 0);
    EXPECT_GE(form->DataMemo()->width(), form->width() / 8) << "the editor is no strip";
}

// Saved maximised on a larger screen, the window's normal place is as
// large as this screen: restored, it keeps its frame on the screen.
TEST_F(Settings, AWindowSavedMaximisedOnALargerScreenIsRestoredOnThisOne)
{
    StartShown();
    ASSERT_TRUE(form->close());
    form.reset();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    {
        TIniFile ini(SettingsFilePath());
        ini.WriteInteger("Form", "Left", area.left());
        ini.WriteInteger("Form", "Top", area.top());
        ini.WriteInteger("Form", "Width", area.width() + 400);
        ini.WriteInteger("Form", "Height", area.height() + 300);
        ini.WriteInteger("Form", "Window", 2);
    }
    Restart();
    ASSERT_TRUE(form->isMaximized());
    form->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(form->frameGeometry()));
    EXPECT_FALSE(FrameMargins(*form).isNull()) << "the test platform frames its windows";
}

// Random bytes in the settings file and the symbol list: the user is told
// once, the window starts with the defaults, the damaged files stay beside
// as ".bad" and the close writes sound ones.
TEST_F(Settings, DamagedFilesAreToldOnceAndKeptAside)
{
    WriteFileAtomic(SettingsFilePath(), std::string("\x93\0\x01[Options]\x02=\xff", 15));
    WriteFileAtomic(SymbolFilePath(), std::string("\x05\x06\x07", 3));
    StartShown();
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].Type, TMsgDlgType::mtWarning);
    EXPECT_NE(LastQuestion().find(SettingsFilePath()), std::string::npos);
    EXPECT_NE(LastQuestion().find(SymbolFilePath()), std::string::npos);
    EXPECT_EQ(form->SettingsHost().WrapSpinValue(), 80) << "the defaults";
    EXPECT_EQ(ReadFileBytes(SymbolFilePath() + ".bad"), std::string("\x05\x06\x07", 3));
    ASSERT_TRUE(form->close());
    EXPECT_EQ(TIniFile(SettingsFilePath()).ReadInteger("Style", "WordWrap", -1), 80);
    EXPECT_FALSE(LooksDamaged(ReadFileBytes(SettingsFilePath()), TSettingsFileShape::Ini));

    Restart();
    EXPECT_EQ(dialogs.Questions().size(), 1u) << "nothing more to tell";
}

TEST_F(Settings, ACloseThatCannotWriteTheSettingsSaysSoOnceAndStillCloses)
{
    StartShown();
    std::filesystem::create_directory(SettingsFilePath()); // no file can replace it
    std::filesystem::create_directory(SymbolFilePath());
    form->DataMemo()->setFocus();
    Type(QStringLiteral("keep me"));
    dialogs.Answer(mrYes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(form->Saves, 1) << "the document was saved before the settings";
    ASSERT_EQ(dialogs.Questions().size(), 2u);
    const TDialogQuestion& error = dialogs.Questions()[1];
    EXPECT_EQ(error.Type, TMsgDlgType::mtError);
    // Both files, each once, in one message.
    const std::string kept = " に書き込めません\nフォルダーなので、書き換えずにそのまま残しました。";
    EXPECT_EQ(error.Text, SymbolFilePath() + kept + "\n" + SettingsFilePath() + kept);
}

// A symbol list or settings file that is there but cannot be read, or is
// past the settings files' cap (a huge one would take the start minutes and
// gigabytes), is not replaced at the close by what was shown instead: the
// user's file stays. The start says so, and the close says nothing more,
// however often the window is asked to close.
TEST_F(Settings, AFileTheStartCouldNotReadIsToldOnceAndKept)
{
    std::string huge;
    while (huge.size() <= kIniFileMaxBytes)
        huge += Sjis("★") + "\r\n";
    std::string hugeIni = "[Style]\r\nWordWrap=100\r\n";
    hugeIni.resize(kIniFileMaxBytes + 1, ';');
    const struct {
        std::string FileName;
        std::optional<std::string> Bytes; // none: a FIFO
    } cases[] = {
        {SymbolFilePath(), huge},
        {SymbolFilePath(), std::nullopt},
        {SettingsFilePath(), hugeIni},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.FileName);
        NewRun();
        if (c.Bytes)
            WriteFileAtomic(c.FileName, *c.Bytes);
        else
            ASSERT_EQ(mkfifo(OsPath(c.FileName).c_str(), 0644), 0);
        const size_t asked = dialogs.Questions().size();
        StartShown();
        ASSERT_EQ(dialogs.Questions().size(), asked + 1);
        EXPECT_NE(LastQuestion().find(c.FileName), std::string::npos);
        EXPECT_EQ(form->FontToolbar().SymbolList(), BuiltInSymbols());
        EXPECT_EQ(form->SettingsHost().WrapSpinValue(), 80) << "the defaults";
        // The list changes, so the close would write it.
        form->FontToolbar().ComboBox2()->setCurrentIndex(3);
        ASSERT_TRUE(form->close());
        EXPECT_EQ(dialogs.Questions().size(), asked + 1) << "the close tells nothing more: " << LastQuestion();
        if (c.Bytes)
            EXPECT_TRUE(ReadFileBytes(c.FileName) == *c.Bytes);
        else
            EXPECT_EQ(std::filesystem::symlink_status(OsPath(c.FileName)).type(), std::filesystem::file_type::fifo);
        std::filesystem::remove(OsPath(c.FileName));
    }
}

// A key file that cannot be read is told at the start; the key dialog's
// save that must keep it says nothing more.
TEST_F(Settings, AnUnreadableKeyFileIsToldOnce)
{
    std::filesystem::create_directory(OsPath(KeyFilePath()));
    StartShown();
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_NE(LastQuestion().find(KeyFilePath()), std::string::npos);
    dialogs.AnswerForm([](QDialog&) { return mrOk; });
    form->MenuItem("OpKeyCustom")->Click();
    EXPECT_EQ(dialogs.Questions().size(), 2u) << "the key form, and no message: " << LastQuestion();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.Questions().size(), 2u);
    EXPECT_TRUE(std::filesystem::is_directory(OsPath(KeyFilePath())));
}

// A symbol list the user keeps read-only is kept; a close that would
// change it says so once a run, not at every close asked for.
TEST_F(Settings, AReadOnlySymbolListIsKeptAndToldOnce)
{
    const std::string mine = Sjis("◆") + "\r\n" + Sjis("★") + "\r\n";
    WriteFileAtomic(SymbolFilePath(), mine);
    chmod(OsPath(SymbolFilePath()).c_str(), 0444);
    StartShown();
    form->FontToolbar().ComboBox2()->setCurrentIndex(1);
    form->DataMemo()->setFocus();
    Type(QStringLiteral("keep me"));
    for (int close = 0; close < 2; ++close) {
        dialogs.Answer(mrCancel);
        EXPECT_FALSE(form->close()) << "the save question was cancelled";
    }
    ASSERT_EQ(dialogs.MessageTexts().size(), 3u);
    EXPECT_EQ(dialogs.MessageTexts()[1], SymbolFilePath()
                                             + " に書き込めません\n"
                                               "読み出し専用のファイルなので、書き換えずにそのまま残しました。");
    EXPECT_EQ(dialogs.MessageTexts()[2], SaveQuestion) << "and the second close only asks";
    EXPECT_EQ(ReadFileBytes(SymbolFilePath()), mine);
}

// A settings file just within the size a start reads is never written past
// it, which would lose every setting at the next start: the close keeps it
// and says why, and the next start still reads it.
TEST_F(Settings, TheCloseNeverWritesTheSettingsFilePastWhatTheStartReads)
{
    std::string full = "[Style]\r\nWordWrap=100\r\n[Mine]\r\n";
    full.resize(kIniFileMaxBytes - 2, ';');
    full += "\r\n";
    WriteFileAtomic(SettingsFilePath(), full);
    StartShown();
    EXPECT_EQ(form->SettingsHost().WrapSpinValue(), 100);
    ASSERT_TRUE(form->close());
    EXPECT_EQ(LastQuestion(), SettingsFilePath()
                                  + " に書き込めません\n書き込むと 4 MiB を超えて読み込めなくなるので、"
                                    "書き換えずにそのまま残しました。");
    EXPECT_TRUE(ReadFileBytes(SettingsFilePath()) == full);
    Restart();
    EXPECT_EQ(form->SettingsHost().WrapSpinValue(), 100);
}

TEST_F(Settings, ASymbolListNoOneMayReadIsKeptAtTheClose)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the system lets root read any file";
    const std::string mine = Sjis("◆") + "\r\n";
    WriteFileAtomic(SymbolFilePath(), mine);
    chmod(OsPath(SymbolFilePath()).c_str(), 0);
    StartShown();
    ASSERT_TRUE(form->close());
    chmod(OsPath(SymbolFilePath()).c_str(), 0644);
    EXPECT_EQ(ReadFileBytes(SymbolFilePath()), mine);
}

// A user who made the settings file read-only meant it: the close leaves it
// as it is and says so once, for all the writes into it.
TEST_F(Settings, AReadOnlySettingsFileIsKeptAndTheCloseSaysSoOnce)
{
    const std::string kept = "[Style]\r\nWordWrap=100\r\n";
    WriteFileAtomic(SettingsFilePath(), kept);
    chmod(OsPath(SettingsFilePath()).c_str(), 0444);
    StartShown();
    EXPECT_EQ(form->SettingsHost().WrapSpinValue(), 100);
    const std::string told = SettingsFilePath()
                             + " に書き込めません\n"
                               "読み出し専用のファイルなので、書き換えずにそのまま残しました。";
    // Each open puts the document on the recent list, which the file keeps.
    for (const char* name : {"one", "two"}) {
        WriteDocumentFile(Home() + name + ".vk2", {{0, name, name}}, 0, 0);
        ASSERT_TRUE(form->DocumentFiles().LoadOutline(Home() + name));
    }
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(LastQuestion(), told);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.Questions().size(), 1u) << "and the close says nothing more";
    EXPECT_EQ(ReadFileBytes(SettingsFilePath()), kept);
}

// A settings file that is a link whose target is gone (a synced file on a
// drive not mounted) reads as absent, and the close says once that it could
// not be written, and closes.
TEST_F(Settings, ASettingsFileLinkedToNothingStartsAndCloses)
{
    std::filesystem::create_symlink("unmounted/velk2000.ini", OsPath(SettingsFilePath()));
    StartShown();
    EXPECT_EQ(form->SettingsHost().WrapSpinValue(), 80) << "the defaults";
    EXPECT_TRUE(form->close());
    EXPECT_EQ(LastQuestion(), SettingsFilePath() + " に書き込めません\n" + SysErrorMessage(ENOENT));
    EXPECT_TRUE(std::filesystem::is_symlink(OsPath(SettingsFilePath())));
}

TEST_F(Settings, TheFirstShowColoursMarksAndLinksAndKeepsTheFormsAsRead)
{
    // The white-space options and colours that once overrode the two marks
    // say the opposite of "EOF" and "RET", "EOFMK" and "RETMK".
    WriteFileAtomic(SettingsFilePath(), "[Options]\r\nEOF=1\r\nRET=0\r\nSpaceTab=0\r\nHanSpace=1\r\nBracketFlg=1\r\n"
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
