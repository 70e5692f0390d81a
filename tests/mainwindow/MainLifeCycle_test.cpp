// Start-up, closing and auto-save of the main window.
#include "Dialogs.h"
#include "DocumentFile.h"
#include "ExternalEditor.h"
#include "FontToolbar.h"
#include "FormFixture.h"
#include "Instances.h"
#include "OpenMenuList.h"
#include "PaneViews.h"
#include "SessionEnd.h"
#include "StartDocument.h"
#include "SymbolList.h"
#include "TempDir.h"

#include <QComboBox>
#include <sys/stat.h>

namespace {

class LifeCycle : public FormTest {
protected:
    void Start()
    {
        Create();
        Show();
    }
    // Start-up reads the settings file; what tests set afterwards is what
    // the first show applies.
    void Create() { ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run); }
    void Show()
    {
        form->show();
        QApplication::processEvents();
    }
    void Modify()
    {
        form->DataMemo()->setFocus();
        Type(QStringLiteral("abc"));
        ASSERT_TRUE(form->DataMemo()->Modified());
    }
};

TEST_F(LifeCycle, AStartDocumentThatCannotBeReadLeavesANewDocument)
{
    WriteFileAtomic(Home() + "a.vk2", "not a document");
    ASSERT_EQ(form->FormCreate({Home() + "a.txt"}), TStartOutcome::Run);
    EXPECT_EQ(form->windowTitle().toStdString() + "|" + Titles(), "NewFile|UnTitled");
}

// The command line's name as main() takes it: "a〜b" is not "a～b", whose
// Shift-JIS code it shares.
TEST_F(LifeCycle, ADocumentNamedAtStartWithALookAlikeCharacterIsThatDocument)
{
    const auto onePage = [](const std::string& Title) {
        return std::string("\x06\0\0\0", 4) + Title + "\r\n" + std::string("\x04\0\0\0", 4) + Title
               + std::string(8, '\0');
    };
    WriteRaw(Home() + "a～b.vk2", onePage("full"));
    WriteRaw(Home() + "a〜b.vk2", onePage("wave"));
    ASSERT_EQ(form->FormCreate({ParameterFileName(Home() + "a〜b.txt")}), TStartOutcome::Run);
    EXPECT_EQ(form->windowTitle().toStdString() + "|" + Titles(), Home() + "a〜b.vk2|wave");
}

TEST_F(LifeCycle, AFolderOrAnEmptyFileGivenAtStartIsToldAsSuchAndLeavesANewDocument)
{
    const struct {
        const char* Name;
        std::string Parameter;
        std::string Told;
    } cases[] = {
        {"folder", Home() + "docs", Home() + "docs はフォルダーで、文書ではありません。新しい文書を開きます。"},
        {"empty file", Home() + "empty.vk2", Home() + "empty.vk2\r\nこのファイルは空のため開けません。"},
    };
    std::filesystem::create_directory(Home() + "docs");
    WriteRaw(Home() + "empty.vk2", "");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTestForm fresh(*instances, std::make_unique<TFakeTimer>());
        const size_t asked = dialogs.Questions().size();
        ASSERT_EQ(fresh.FormCreate({c.Parameter}), TStartOutcome::Run);
        ASSERT_EQ(dialogs.Questions().size(), asked + 1);
        EXPECT_EQ(dialogs.Questions().back().Text, c.Told);
        EXPECT_EQ(fresh.DocumentFiles().CaptionText(), "NewFile");
    }
}

// An instance that cannot use its runtime folder sees no other: it says so
// once, at start, and not again when a document opens.
TEST_F(LifeCycle, ARuntimeFolderThatCannotBeUsedIsToldOnceAtStart)
{
    WriteRaw(Home() + "run", "a file where the folder belongs");
    TInstanceRegistry alone(Home() + "run");
    TTestForm fresh(alone, std::make_unique<TFakeTimer>());
    ASSERT_EQ(fresh.FormCreate({}), TStartOutcome::Run);
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].Type, TMsgDlgType::mtWarning);
    EXPECT_EQ(dialogs.Questions()[0].Text, "他に起動しているVelk2000を確認できません。\n" + Home()
                                               + "run を使えません。フォルダーではなくファイルです。\n"
                                                 "同じ文書を別のVelk2000で開いていても、確認せずに開きます。");
    WriteDocumentFile(Home() + "doc.vk2", {{0, "doc", "doc", 0, -1}}, 0, 0);
    EXPECT_TRUE(fresh.DocumentFiles().LoadOutline(Home() + "doc"));
    EXPECT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(ReadRaw(Home() + "run"), "a file where the folder belongs");
}

TEST_F(LifeCycle, OnlyOwnTransferFilesGoAndWhatCannotBeRemovedOrMadeIsTold)
{
    for (const char* name : {"temp.txt", "temp.c", "temp.keep"})
        WriteFileAtomic(Home() + name, "x");
    std::filesystem::create_directories(Home() + "temp.pas/inner");
    WriteFileAtomic(Home() + "Temp", "a file where the folder belongs");
    WriteFileAtomic(Home() + "mark.dat", Sjis("◆") + "\r\n" + Sjis("※") + "\r\n");
    Start();
    ASSERT_EQ(dialogs.Questions().size(), 2u);
    const std::string& removal = dialogs.Questions()[0].Text;
    EXPECT_EQ(removal.find(Home() + "temp.pas\n"), 0u) << removal;
    EXPECT_NE(removal.find("\n\ntempファイルを削除できませんでした！"), std::string::npos) << removal;
    EXPECT_FALSE(FileExists(Home() + "temp.txt"));
    EXPECT_TRUE(FileExists(Home() + "temp.c")) << "the deletion stops at the first failure";
    EXPECT_TRUE(FileExists(Home() + "temp.keep")) << "not a transfer file";
    EXPECT_EQ(dialogs.Questions()[1].Text.find("Tempフォルダーの作成に失敗しました。"), 0u);
    EXPECT_EQ(form->FontToolbar().ComboBox2()->count(), 2) << "the symbol list is read all the same";
}

struct TCloseCase {
    const char* Name;
    TModalResult Answer;
    bool SaveWorks;
    bool Closes;
    int Saves;
};

class CloseQuestion : public LifeCycle, public testing::WithParamInterface<TCloseCase> {};

TEST_P(CloseQuestion, ClosesOnlyWhenNothingIsLost)
{
    const TCloseCase& c = GetParam();
    Start();
    Modify();
    form->DocumentFiles().History().AddHistory(Home() + "older.vk2");
    form->DocumentFiles().History().AddHistory(Home() + "newest.vk2");
    form->SaveWorks = c.SaveWorks;
    dialogs.Answer(c.Answer);
    EXPECT_EQ(form->FormCloseQuery(), c.Closes);
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].Text, SaveQuestion);
    EXPECT_EQ(form->Saves, c.Saves);
    // Whatever the answer, the symbol list, the toolbar places and the
    // newest recent document (for the next start) are written.
    EXPECT_EQ(ReadFileBytes(Home() + "mark.dat"), SymbolListBytes(BuiltInSymbols()));
    const std::string settings = ReadFileBytes(SettingsFilePath());
    EXPECT_NE(settings.find("[ToolbarFile]"), std::string::npos);
    EXPECT_NE(settings.find("LastFileName=" + Home() + "newest.vk2"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestion,
                         testing::Values(TCloseCase{"Cancel", mrCancel, true, false, 0},
                                         TCloseCase{"No", mrNo, true, true, 0},
                                         TCloseCase{"YesSaved", mrYes, true, true, 1},
                                         TCloseCase{"YesNotSaved", mrYes, false, false, 1}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(LifeCycle, BlankAndTabMarksShowFromTheStartAsTheSettingsFileSays)
{
    WriteFileAtomic(SettingsFilePath(), "[Options]\r\nSpaceTab=1\r\nHanSpace=1\r\n"
                                        "[Colors]\r\nZenTabCol=1193046\r\nHanCol=6636321\r\n");
    Create();
    const TEditorExMarks& marks = *form->DataMemo()->ExMarks();
    EXPECT_EQ(std::tuple(marks.SpaceMark()->Visible(), marks.DBSpaceMark()->Visible(), marks.TabMark()->Visible()),
              std::tuple(true, true, true));
    EXPECT_EQ((std::vector<int>{marks.SpaceMark()->Color(), marks.DBSpaceMark()->Color(), marks.TabMark()->Color()}),
              (std::vector<int>{6636321, 1193046, 1193046}));
}

TEST_F(LifeCycle, ANamedDocumentIsSavedWithoutAskingWhenTheOptionsSaySo)
{
    Start();
    Modify();
    form->DocumentFiles().NameDocument(Home() + "doc");
    SettingsVars.Options.Exit = true;
    form->SaveWorks = false;
    EXPECT_FALSE(form->FormCloseQuery()) << "a forced save that did not happen keeps the window";
    form->SaveWorks = true;
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_EQ(form->OverSaves, 2);
    EXPECT_TRUE(dialogs.Questions().empty());
}

TEST_F(LifeCycle, ClosingIsRefusedOnlyWhileTheOwnExternalEditRuns)
{
    Start();
    WriteFileAtomic(Home() + "temp.txt", "left by another instance");
    form->ExternalEditor().SetOwnExternalEditRunning(true);
    EXPECT_FALSE(form->FormCloseQuery());
    EXPECT_EQ(LastQuestion(), "外部エディタが起動中です。エディタを先に終了してください。");
    EXPECT_TRUE(FileExists(Home() + "mark.dat"));
    form->ExternalEditor().SetOwnExternalEditRunning(false);
    EXPECT_TRUE(form->FormCloseQuery()) << "a transfer file alone never keeps the window";
}

TEST_F(LifeCycle, AutoSaveSavesOnlyANamedDocumentAndNeverStacks)
{
    Create();
    SettingsVars.AutoSave = true;
    SettingsVars.AutoSaveTime = 0;
    Show();
    EXPECT_EQ(timer->Interval(), std::nullopt) << "an interval of 0 is off";
    Modify();
    timer->Fire();
    EXPECT_EQ(form->Saves, 0) << "an unnamed document";
    form->DocumentFiles().NameDocument(Home() + "doc");
    form->OnSave = [this] { timer->Fire(); };
    timer->Fire();
    EXPECT_EQ(form->Saves, 1) << "a tick during the save does nothing";
    SettingsVars.AutoSave = false;
    timer->Fire();
    EXPECT_EQ(form->Saves, 1);
}

struct TSessionCase {
    const char* Name;
    bool MayAsk;
    bool ForcedSave;
    // The answer to the question about the document; none: not asked.
    TModalResult Answer;
    int Saves;
    int OverSaves;
    bool Closed;
    bool SessionCancelled;
};

// Logging out of the desktop with an edit.
TEST_F(LifeCycle, TheSessionsEndClosesAsACloseDoesAndAKeptWindowKeepsTheSession)
{
    // clang-format off
    const TSessionCase cases[] = {
        {"Yes",                         true,  false, mrYes,    1, 0, true,  false},
        {"No",                          true,  false, mrNo,     0, 0, true,  false},
        {"Cancel",                      true,  false, mrCancel, 0, 0, false, true},
        {"forced save",                 true,  true,  mrNone,   0, 1, true,  false},
        // The desktop ends the program afterwards; its close asks then.
        {"no leave to ask, forced save", false, true,  mrNone,   0, 1, false, false},
        {"no leave to ask",             false, false, mrNone,   0, 0, false, false},
    };
    // clang-format on
    for (const TSessionCase& test : cases) {
        SCOPED_TRACE(test.Name);
        form.reset();
        form = std::make_unique<TTestForm>(*instances);
        Start();
        Modify();
        form->DocumentFiles().NameDocument(Home() + "doc");
        SettingsVars.Options.Exit = test.ForcedSave;
        const size_t asked = dialogs.Questions().size();
        if (test.Answer != mrNone)
            dialogs.Answer(test.Answer);
        bool released = false;
        bool cancelled = false;
        form->SessionEnding({[&] { return test.MayAsk; }, [&] { released = true; }, [&] { cancelled = true; }});
        EXPECT_EQ(dialogs.Questions().size() - asked, test.Answer != mrNone ? 1u : 0u);
        EXPECT_EQ(std::pair(form->Saves, form->OverSaves), std::pair(test.Saves, test.OverSaves));
        EXPECT_EQ(!form->isVisible(), test.Closed);
        EXPECT_EQ(cancelled, test.SessionCancelled);
        EXPECT_EQ(released, test.MayAsk);
    }
}

// What the user has not answered yet is not saved behind the question.
TEST_F(LifeCycle, TheSessionsEndWithoutLeaveToAskSavesNothingWhileADialogIsOpen)
{
    Start();
    Modify();
    form->DocumentFiles().NameDocument(Home() + "doc");
    SettingsVars.Options.Exit = true;
    const TSessionEnd unasked{[] { return false; }, [] {}, [] {}};
    int overSavesWhileOpen = -1;
    dialogs.AnswerForm([&](QDialog&) {
        form->SessionEnding(unasked);
        overSavesWhileOpen = form->OverSaves;
        return mrCancel;
    });
    form->MenuItem("FdGoFind")->Click();
    EXPECT_EQ(overSavesWhileOpen, 0);
    form->SessionEnding(unasked);
    EXPECT_EQ(form->OverSaves, 1);
}

TEST_F(LifeCycle, AnotherInstancesExternalEditDisablesTheEditorButton)
{
    Create();
    SettingsVars.ExtEditor = true;
    Show();
    form->AppMessageHandler(Sjis("外部エディタ起動中"));
    EXPECT_EQ(Enabled({"sbGoEditor"}), "-");
    form->AppMessageHandler("");
    EXPECT_EQ(Enabled({"sbGoEditor"}), "+");
}

using RealClose = RealFormTest;

TEST_F(RealClose, AForcedSaveRefusedAtCloseSaysTheCloseForcedItAndTheViewsClose)
{
    velk->show();
    QApplication::processEvents();
    velk->DataMemo()->setFocus();
    QTest::keyClicks(velk->DataMemo(), QStringLiteral("page"));
    ASSERT_TRUE(velk->DocumentFiles().SaveOutline(Home() + "doc"));
    velk->DocumentFiles().NameDocument(Home() + "doc");
    chmod((Home() + "doc.vk2").c_str(), 0444);
    QTest::keyClicks(velk->DataMemo(), QStringLiteral(" more"));
    SettingsVars.Options.Exit = true;
    velk->PaneViews().OpSplitClick();
    ASSERT_NE(velk->SecondEditor(), nullptr);

    EXPECT_FALSE(velk->FormCloseQuery());
    EXPECT_EQ(LastQuestion(), Home()
                                  + "doc.vk2\r\n\r\n終了時もしくはファイルを閉じるとき強制保存するモードですが、"
                                    "指定したファイルは読み出し専用なので保存できません！");
    EXPECT_EQ(std::pair(velk->MenuItem("OpSplit")->Checked(), velk->SecondEditor()),
              std::pair(false, static_cast<TEditorEx*>(nullptr)));
}

} // namespace
