// A document whose file another program wrote while the window had it
// open: no save of the window writes over it unasked, whether it comes
// from Ctrl+S, the close or the auto-save timer; and the window's own
// saves, a touched file or a copy of the same bytes never ask.
#include "FormFixture.h"

#include "DocumentFile.h"
#include "TempDir.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const std::string ChangedText = "このファイルは読み込んだ後（または保存した後）に他のソフトで書き換えられています。"
                                "上書きすると、その内容は失われます。上書きしますか ?";
const std::string AutoSaveHeldText =
    "このファイルは読み込んだ後（または保存した後）に他のソフトで書き換えられたので、自動保存しませんでした。"
    "「上書き保存」で保存すると、上書きするかどうかを確認します。"
    "両方を残すときは「名前を付けて保存」で別の名前を付けて保存してください。";

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

    const std::string file = Home() + "doc.vk2";
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

TEST_F(ChangedOnDisk, TheAutoSaveLeavesTheFileAndTellsOnceAcrossTicks)
{
    SettingsVars.AutoSave = true;
    const std::string theirs = OtherProgramWrites();
    Edit("x");
    for (int i = 0; i < 3; ++i)
        tick->Fire();
    EXPECT_EQ(AskedSince(), std::vector<std::string>{file + "\r\n" + AutoSaveHeldText});
    EXPECT_EQ(ReadRaw(file), theirs);
    EXPECT_TRUE(Modified());
    // Saving by hand asks, as the notice says.
    CtrlS();
    EXPECT_EQ(AskedSince(),
              (std::vector<std::string>{file + "\r\n" + AutoSaveHeldText, file + "\r\n\r\n" + ChangedText}));
    EXPECT_EQ(ReadRaw(file), theirs);
}

// A session that ends without leave to ask: no one can answer, so the
// other program's file stays.
TEST_F(ChangedOnDisk, TheForcedSaveOfASessionEndingUnaskedKeepsTheOtherProgramsFile)
{
    SettingsVars.Options.Exit = true;
    const std::string theirs = OtherProgramWrites();
    Edit("x");
    velk->DocumentFiles().SaveUnasked();
    EXPECT_EQ(AskedSince(), std::vector<std::string>{});
    EXPECT_EQ(ReadRaw(file), theirs);
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
