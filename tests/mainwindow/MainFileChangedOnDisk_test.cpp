// A document whose file another program wrote while the window had it
// open: no save of the window writes over it unasked, whether it comes
// from Ctrl+S, the close or the auto-save timer; no answer that Return or
// Escape gives loses either version; and the window's own saves (even one
// that failed), a touched file or a copy of the same bytes never ask.
#include "FormFixture.h"

#include "../common/FileAccess.h"
#include "../common/InPlaceFileSystem.h"
#include "DocumentFile.h"
#include "MenuLayout.h"
#include "OpenMenuList.h"
#include "TempDir.h"

#include <QLabel>
#include <fcntl.h>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The question, with the words that name who changed the file.
std::string ChangedTextBy(const std::string& Who)
{
    return "このファイルは読み込んだ後（または保存した後）に" + Who
           + "書き換えられています。上書きすると、その内容は失われます。\r\n"
             "「両方を残す」を選ぶと、編集中の内容を同じフォルダーに別の名前で保存し、"
             "以後はそのファイルで編集を続けます。";
}
const std::string ChangedText = ChangedTextBy("他のソフトで");
const std::string AutoSaveNotice =
    "開いているファイルは読み込んだ後（または保存した後）に他のソフトで書き換えられたので、自動保存していません。"
    "「ファイルを保存」で、上書きするか両方を残すかを選べます。"
    "別の名前で保存するときは「名前をつけて保存」を使ってください。";

class ChangedOnDisk : public FormTest {
protected:
    // A user's window with its settings file, and a saved document of one
    // page "mine!".
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(RunOnceToWriteSettings());
        form.reset();
        auto fakeTimer = std::make_unique<TFakeTimer>();
        tick = fakeTimer.get();
        velk = std::make_unique<TVelkForm>(*instances, std::move(fakeTimer));
        ASSERT_EQ(velk->FormCreate({}), TStartOutcome::Run);
        velk->show();
        QApplication::processEvents();
        Edit("mine!");
        dialogs.AnswerFiles({file});
        velk->DocumentFiles().FlSaveAsClick();
        ASSERT_FALSE(Modified());
        asked = dialogs.MessageTexts().size();
    }
    void TearDown() override { velk.reset(); }

    void Edit(const char* Keys)
    {
        velk->DataMemo()->setFocus();
        QTest::keyClicks(velk->DataMemo(), QString::fromLatin1(Keys));
        QApplication::processEvents();
    }
    void CtrlS() { QTest::keyClick(velk->DataMemo(), Qt::Key_S, Qt::ControlModifier); }
    bool Modified() const { return velk->DataMemo()->Modified(); }
    std::string PageText() const { return ReadDocumentFile(file, 0).Pages.at(0).Text; }
    // Another program's document of the same size as the file's.
    std::string TheirDocument() const
    {
        const std::string side = Home() + "side.vk2";
        const std::string text(PageText().size(), 't');
        WriteDocumentFile(side, {{0, text, text, 0, -1}}, 0, 0);
        return ReadRaw(side);
    }
    // Another program writes its document over the file, in place (the
    // same file, size and second as the window's save).
    std::string OtherProgramWrites()
    {
        const std::string theirs = TheirDocument();
        EXPECT_EQ(theirs.size(), ReadRaw(file).size());
        WriteRaw(file, theirs);
        return theirs;
    }
    // Another program puts Bytes in the file's place by a rename.
    void RenamedOver(const std::string& Bytes)
    {
        WriteRaw(Home() + "renamed.tmp", Bytes);
        std::filesystem::rename(Home() + "renamed.tmp", file);
    }
    // The message boxes asked since the document was first saved.
    std::vector<std::string> AskedSince() const
    {
        const std::vector<std::string> texts = dialogs.MessageTexts();
        return {texts.begin() + static_cast<std::ptrdiff_t>(std::min(asked, texts.size())), texts.end()};
    }

    std::string PageTextOf(const std::string& File) const { return ReadDocumentFile(File, 0).Pages.at(0).Text; }
    // The message box asked with Text.
    const TDialogQuestion& AskedWith(const std::string& Text) const
    {
        for (const TDialogQuestion& question : dialogs.Questions())
            if (question.Text == Text)
                return question;
        throw std::logic_error("not asked: " + Text);
    }
    // The notice above the panes; "" while it is hidden.
    std::string Notice() const
    {
        const auto* notice = velk->findChild<QLabel*>(QStringLiteral("FileNotice"));
        return notice->isVisible() ? notice->text().toStdString() : "";
    }
    // The window's edits were kept in Mine beside the other program's
    // file, which stays as it wrote it.
    void ExpectBothKept(const std::string& Theirs, const std::string& Mine, const std::string& MyText) const
    {
        EXPECT_EQ(ReadRaw(file), Theirs);
        EXPECT_EQ(PageTextOf(Mine), MyText);
    }

    const std::string file = Home() + "doc.vk2";
    // The name the window's version gets when both are kept.
    const std::string nextVersion = Home() + "doc (2).vk2";
    std::unique_ptr<TVelkForm> velk;
    TFakeTimer* tick = nullptr;
    size_t asked = 0;
};

TEST_F(ChangedOnDisk, CtrlSAsksCancelKeepsTheOtherProgramsFileAndYesWritesOverIt)
{
    const std::string theirs = OtherProgramWrites();
    Edit("x");
    dialogs.Answer(mrCancel);
    CtrlS();
    EXPECT_EQ(AskedSince(), std::vector<std::string>{file + "\r\n\r\n" + ChangedText});
    EXPECT_EQ(ReadRaw(file), theirs);
    EXPECT_TRUE(Modified());

    dialogs.Answer(mrYes);
    CtrlS();
    EXPECT_EQ(AskedSince().size(), 2u);
    EXPECT_EQ(PageText(), "mine!x");
    EXPECT_FALSE(Modified());
    // The file is the window's own again: the next save does not ask.
    Edit("y");
    CtrlS();
    EXPECT_EQ(AskedSince().size(), 2u);
    EXPECT_EQ(PageText(), "mine!xy");
}

// A close whose save was declined stays open, the other program's file as
// it was; the overwrite answer lets it close with the window's pages saved.
TEST_F(ChangedOnDisk, TheCloseAsksBothAtTheSaveQuestionAndAtTheForcedSave)
{
    const std::string forcedPrefix = "終了時もしくはファイルを閉じるとき強制保存するモードですが、";
    struct TCase {
        const char* Name;
        bool Forced;
        std::vector<std::string> Asked;
    };
    const TCase cases[] = {
        {"save question Yes", false, {SaveQuestion, file + "\r\n\r\n" + ChangedText}},
        {"forced save", true, {file + "\r\n\r\n" + forcedPrefix + ChangedText}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        SettingsVars.Options.Exit = test.Forced;
        const std::string theirs = OtherProgramWrites();
        Edit("x");
        asked = dialogs.MessageTexts().size();
        if (!test.Forced)
            dialogs.Answer(mrYes);
        dialogs.Answer(mrCancel);
        EXPECT_FALSE(velk->FormCloseQuery());
        EXPECT_EQ(AskedSince(), test.Asked);
        EXPECT_EQ(ReadRaw(file), theirs);
        EXPECT_TRUE(Modified());

        if (!test.Forced)
            dialogs.Answer(mrYes);
        dialogs.Answer(mrYes);
        EXPECT_TRUE(velk->FormCloseQuery());
        EXPECT_FALSE(Modified());
        EXPECT_EQ(PageText().substr(0, 6), "mine!x");
    }
}

TEST_F(ChangedOnDisk, ReturnKeepsBothAndTheWindowGoesOnInItsOwnVersion)
{
    const std::string theirs = OtherProgramWrites();
    Edit("x");
    dialogs.AnswerReturn(); // the question
    dialogs.AnswerReturn(); // the name told
    CtrlS();
    const std::string question = file + "\r\n\r\n" + ChangedText;
    const std::string told = "編集中の内容を次のファイルに保存しました。\r\n" + nextVersion + "\r\n\r\n" + file
                             + " は、書き換えられた内容のまま残してあります。";
    EXPECT_EQ(AskedSince(), (std::vector<std::string>{question, told}));
    const TDialogQuestion& changedQuestion = AskedWith(question);
    EXPECT_EQ(changedQuestion.Captions, (std::vector<std::pair<TMsgDlgBtn, std::string>>{
                                            {TMsgDlgBtn::mbNo, "両方を残す"}, {TMsgDlgBtn::mbYes, "上書きする"}}));
    EXPECT_TRUE(changedQuestion.Buttons.Contains(TMsgDlgBtn::mbCancel)); // what Escape gives
    ExpectBothKept(theirs, nextVersion, "mine!x");
    EXPECT_FALSE(Modified());
    EXPECT_EQ(velk->windowTitle().toStdString(), nextVersion);
    EXPECT_EQ(velk->DocumentFiles().History().Paths().front(), nextVersion);

    // The window's later saves go to its own version without a question.
    Edit("y");
    CtrlS();
    EXPECT_EQ(AskedSince().size(), 2u);
    ExpectBothKept(theirs, nextVersion, "mine!xy");
}

// Return at the save question, then at this one: the window closes with
// both versions on disk.
TEST_F(ChangedOnDisk, TwoReturnsAtTheCloseLoseNeitherVersion)
{
    const std::string theirs = OtherProgramWrites();
    Edit("x");
    for (int i = 0; i < 3; ++i) // save?, keep both, the name told
        dialogs.AnswerReturn();
    EXPECT_TRUE(velk->FormCloseQuery());
    ASSERT_EQ(AskedSince().size(), 3u);
    EXPECT_EQ(AskedSince().at(0), SaveQuestion);
    EXPECT_EQ(AskedSince().at(1), file + "\r\n\r\n" + ChangedText);
    ExpectBothKept(theirs, nextVersion, "mine!x");
}

TEST_F(ChangedOnDisk, TheQuestionNamesWhoMayHaveWrittenTheFile)
{
    struct TCase {
        const char* Name;
        mode_t Mode;
        bool AnotherOwner;
        std::string Who;
    };
    const passwd* another = getpwuid(kAnotherUser);
    const std::string anotherName = another ? another->pw_name : std::to_string(kAnotherUser);
    const TCase cases[] = {
        {"the user's own file", 0644, false, "他のソフトで"},
        {"a file its group may write", 0664, false, "他のソフトかほかのユーザーによって"},
        {"another user's file", 0666, true, "ほかのユーザー（" + anotherName + "）か他のソフトによって"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        if (test.AnotherOwner && geteuid() != 0)
            continue; // only root can give a file to another user
        OtherProgramWrites();
        ASSERT_EQ(chmod(file.c_str(), test.Mode), 0);
        if (test.AnotherOwner) {
            ASSERT_EQ(chown(file.c_str(), kAnotherUser, kAnotherGroup), 0);
        }
        Edit("x");
        asked = dialogs.MessageTexts().size();
        dialogs.Answer(mrYes);
        CtrlS();
        EXPECT_EQ(AskedSince(), std::vector<std::string>{file + "\r\n\r\n" + ChangedTextBy(test.Who)});
        EXPECT_FALSE(Modified());
    }
}

// The auto-save finds the file changed while the user types: nothing asks,
// every key (Return and Space too) goes on into the page, and the notice
// stays in the window until the user saves.
TEST_F(ChangedOnDisk, TheAutoSaveNoticeTakesNoKeyAndStaysUntilTheUserSaves)
{
    SettingsVars.AutoSave = true;
    const std::string theirs = OtherProgramWrites();
    Edit("x");
    for (const char* keys : {"a", "b c", "d"}) {
        tick->Fire();
        Edit(keys);
        QTest::keyClick(velk->DataMemo(), Qt::Key_Return);
    }
    const std::string typed = "mine!xa\r\nb c\r\nd\r\n";
    EXPECT_EQ(AskedSince(), std::vector<std::string>{});
    EXPECT_EQ(QApplication::focusWidget(), velk->DataMemo());
    EXPECT_EQ(velk->DataMemo()->GetText(), typed);
    EXPECT_EQ(Notice(), AutoSaveNotice);
    EXPECT_EQ(ReadRaw(file), theirs);

    // Saving by hand asks, as the notice says; Escape leaves the notice.
    dialogs.Answer(mrCancel);
    CtrlS();
    EXPECT_EQ(AskedSince(), std::vector<std::string>{file + "\r\n\r\n" + ChangedText});
    EXPECT_EQ(Notice(), AutoSaveNotice);
    dialogs.AnswerReturn();
    dialogs.AnswerReturn();
    CtrlS();
    EXPECT_EQ(Notice(), "");
    ExpectBothKept(theirs, nextVersion, typed);
}

TEST_F(ChangedOnDisk, TheNoticeNamesMenuItemsAsTheFileMenuShowsThem)
{
    std::set<std::string> fileMenu;
    for (const TMenuEntry& entry : MenuLayout())
        if (entry.Parent == Cmd::FileTop && entry.Kind != TMenuEntryKind::Line)
            fileMenu.insert(std::string(MenuCaption(entry)));
    SettingsVars.AutoSave = true;
    OtherProgramWrites();
    Edit("x");
    tick->Fire();
    const std::string notice = Notice();
    const std::string open = "「", close = "」";
    int named = 0;
    for (size_t start = notice.find(open); start != std::string::npos; start = notice.find(open, start), ++named) {
        start += open.size();
        const std::string item = notice.substr(start, notice.find(close, start) - start);
        EXPECT_TRUE(fileMenu.contains(item)) << item;
    }
    EXPECT_EQ(named, 2);
}

// A session that ends without leave to ask: no one can answer, so the
// other program's file stays, and the window's edits go into a save copy
// beside it, which the next open tells of.
TEST_F(ChangedOnDisk, ASessionEndingUnaskedKeepsTheOtherProgramsFileAndTheEditsBesideIt)
{
    SettingsVars.Options.Exit = true;
    const std::string theirs = OtherProgramWrites();
    Edit("x");
    velk->DocumentFiles().SaveUnasked();
    EXPECT_EQ(AskedSince(), std::vector<std::string>{});
    const std::string copy = Home() + "doc.save-copy-1.vk2";
    ExpectBothKept(theirs, copy, "mine!x");
    EXPECT_EQ(NewerSaveCopiesBeside(file), std::vector<std::string>{copy});
}

TEST_F(ChangedOnDisk, SaveAsOntoTheDocumentsOwnFileAsksToo)
{
    const std::string theirs = OtherProgramWrites();
    Edit("x");
    dialogs.AnswerFiles({file});
    dialogs.Answer(mrYes); // "このファイルは存在します。上書きしますか ?"
    velk->DocumentFiles().FlSaveAsClick();
    EXPECT_EQ(AskedSince(), (std::vector<std::string>{file + "\r\nこのファイルは存在します。上書きしますか ?",
                                                      file + "\r\n\r\n" + ChangedText}));
    EXPECT_EQ(ReadRaw(file), theirs);
    EXPECT_TRUE(Modified());
}

// Another spelling of the document's file is the same file.
TEST_F(ChangedOnDisk, SaveAsOntoALinkToTheDocumentsFileAsksToo)
{
    const std::string link = Home() + "link.vk2";
    std::filesystem::create_symlink(file, link);
    const std::string theirs = OtherProgramWrites();
    Edit("x");
    dialogs.AnswerFiles({link});
    dialogs.Answer(mrYes); // "このファイルは存在します。上書きしますか ?"
    velk->DocumentFiles().FlSaveAsClick();
    EXPECT_EQ(AskedSince(), (std::vector<std::string>{link + "\r\nこのファイルは存在します。上書きしますか ?",
                                                      link + "\r\n\r\n" + ChangedText}));
    EXPECT_EQ(ReadRaw(file), theirs);
    EXPECT_TRUE(Modified());
}

// A rewrite in place (another user's document) that failed and could not
// be undone left the file cut short: that is this window's doing, and the
// next save writes the document whole without blaming another program.
TEST_F(ChangedOnDisk, WhatAFailedSaveLeftIsNotTakenForAnotherProgramsChange)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give the document to another user";
    ASSERT_EQ(chown(file.c_str(), kAnotherUser, kAnotherGroup), 0);
    const std::string before = ReadRaw(file);
    int writes = 0; // the copy's write works, the rewrite and its undoing fail
    TInPlaceFileSystem failing([&](std::string_view Call, int) { return Call == "Write" && ++writes > 1 ? EIO : 0; });
    velk->DocumentFiles().UseFileSystem(failing);
    Edit("x");
    CtrlS();
    velk->DocumentFiles().UseFileSystem(SystemFileSystem());
    ASSERT_EQ(AskedSince().size(), 1u); // the failure told
    ASSERT_NE(ReadRaw(file), before);
    EXPECT_TRUE(Modified());

    CtrlS();
    EXPECT_EQ(AskedSince().size(), 1u);
    EXPECT_EQ(PageText(), "mine!x");
}

TEST_F(ChangedOnDisk, TheWindowsOwnSavesOneAfterAnotherNeverAsk)
{
    SettingsVars.AutoSave = true;
    for (const char* keys : {"a", "b", "c"}) {
        Edit(keys);
        CtrlS();
        Edit(keys);
        tick->Fire();
        velk->DocumentFiles().FlOverSaveClick();
    }
    EXPECT_EQ(AskedSince(), std::vector<std::string>{});
    EXPECT_EQ(PageText(), "mine!aabbcc");
}

TEST_F(ChangedOnDisk, ATouchedFileOrACopyOfTheSameBytesDoesNotAskButOtherBytesDo)
{
    const std::string same = ReadRaw(file);
    struct TCase {
        const char* Name;
        std::function<void()> Change;
        bool Asks;
    };
    const TCase cases[] = {
        {"touched", [&] { ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), nullptr, 0), 0); }, false},
        {"touched into the past",
         [&] {
             const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
             ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), past, 0), 0);
         },
         false},
        {"renamed over, same bytes", [&] { RenamedOver(ReadRaw(file)); }, false},
        {"renamed over, other bytes of the same size", [&] { RenamedOver(TheirDocument()); }, true},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        WriteRaw(file, same);
        velk->DocumentFiles().LoadOutline(Home() + "doc");
        asked = dialogs.MessageTexts().size();
        test.Change();
        Edit("x");
        dialogs.Answer(mrCancel);
        CtrlS();
        EXPECT_EQ(AskedSince().size(), test.Asks ? 1u : 0u);
        EXPECT_EQ(Modified(), test.Asks);
    }
}

} // namespace
