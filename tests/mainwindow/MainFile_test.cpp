// The document file's commands in the window: what reaches the disk, what
// the user is told, and that the open document survives every refusal.
#include "FormFixture.h"

#include "Dialogs.h"
#include "DocumentFile.h"
#include "EditorBase.h"
#include "Instances.h"
#include "LinkForm.h"
#include "OpenMenuList.h"
#include "PaneViews.h"
#include "SearchListState.h"
#include "StartDocument.h"
#include "TempDir.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TModalResult ChooseLoad(QDialog& Form)
{
    static_cast<TLinkForm&>(Form).btnFileLoad->click();
    return mrOk;
}

class MainFile : public RealFormTest {
protected:
    MainFile()
    {
        velk->show();
        QApplication::processEvents();
    }

    // A named two-page document, saved and unmodified.
    std::string SaveTwoPages(const std::string& Name)
    {
        TypeInPage(QStringLiteral("日本語の題\r本文"));
        velk->MenuItem("TreeAdd")->Click();
        TypeInPage(QStringLiteral("second"));
        dialogs.AnswerFiles({Home() + Name});
        velk->DocumentFiles().FlSaveAsClick();
        EXPECT_FALSE(velk->DataMemo()->Modified());
        return Home() + Name;
    }
    // The program started again, as a person starts it with Parameters.
    void Restart(const std::vector<std::string>& Parameters)
    {
        velk.reset();
        SettingsVars = {};
        velk = std::make_unique<TVelkForm>(*instances, std::make_unique<TFakeTimer>());
        ASSERT_EQ(velk->FormCreate(Parameters), TStartOutcome::Run);
    }
    // OsFile dropped on the window from a file manager, as an address with
    // its bytes encoded.
    void Drop(const std::string& OsFile)
    {
        QMimeData dropped;
        dropped.setData("text/uri-list", "file://" + QByteArray::fromStdString(OsFile).toPercentEncoding("/") + "\r\n");
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        // Qt sends a drop only inside a drag of its own: straight to the window.
        static_cast<QObject*>(velk.get())->event(&drop);
    }
    std::string FirstPage() const { return FlattenTree(velk->DataTree()->Items()).at(0).Text; }
    // What the window shows of its document.
    std::string State() const
    {
        std::string state = velk->DocumentFiles().CaptionText() + "|" + velk->DocumentFiles().DocFileName() + "|"
                            + std::to_string(velk->DataMemo()->Modified()) + "|";
        for (const TFlatPage& page : FlattenTree(velk->DataTree()->Items()))
            state += page.Title + "/" + page.Text + ";";
        return state;
    }
};

// The sub-icon search needs a second page and a document file: the first
// save of a new document offers it at once, without another page chosen.
TEST_F(MainFile, TheFirstSaveOfANewDocumentOffersTheSubIconSearch)
{
    const TDockButton* search = velk->ToolButton("sbSubIcon");
    TypeInPage(QStringLiteral("one"));
    velk->MenuItem("TreeAdd")->Click();
    TypeInPage(QStringLiteral("two"));
    EXPECT_FALSE(search->Enabled()) << "no file yet";
    dialogs.AnswerFiles({Home() + "doc.vk2"});
    QTest::keyClick(velk->DataMemo(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(FileExists(Home() + "doc.vk2"));
    EXPECT_TRUE(search->Enabled());
}

TEST_F(MainFile, SaveAsThenOpenGivesBackEveryPage)
{
    const std::string file = SaveTwoPages("doc.vk2");
    const std::string saved = State();
    EXPECT_EQ(saved, file + "|" + Home() + "doc|0|" + Sjis("日本語の題/日本語の題\r\n本文;second/second;"));
    EXPECT_EQ(velk->DocumentFiles().History().Paths().front(), file);

    velk->DocumentFiles().FlNewClick();
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), "NewFile");
    dialogs.AnswerFiles({file});
    velk->DocumentFiles().FlOpenClick();
    EXPECT_EQ(State(), saved);

    // Unchanged: Save writes nothing; over-save writes.
    fs::remove(file);
    velk->DocumentFiles().FlSaveClick();
    EXPECT_FALSE(FileExists(file));
    velk->DocumentFiles().FlOverSaveClick();
    EXPECT_EQ(ReadDocumentFile(file, 0).Pages.size(), 2u);
}

TEST_F(MainFile, AFileThatCannotBeReadLeavesTheOpenDocumentAsItWas)
{
    const std::string good = SaveTwoPages("good.vk2");
    TypeInPage(QStringLiteral("x"));
    const std::string before = State();
    const std::string bytes = ReadRaw(good);
    for (size_t length = 0; length < bytes.size(); length += 3) {
        WriteRaw(Home() + "cut.vk2", bytes.substr(0, length));
        EXPECT_FALSE(velk->DocumentFiles().LoadOutline(Home() + "cut"));
        ASSERT_EQ(State(), before) << length;
    }
    EXPECT_EQ(LastQuestion(),
              Home()
                  + "cut.vk2\r\nこのファイルは壊れているため開けません。\r\n2 ページ目「second」の本文がファイル"
                    "の終わりを越えています（ファイルが途中で切れているか、本文の長さが壊れています）。");
    // What a crash or a broken disk leaves: the file's start zeroed, or all of it.
    std::string zeroedStart = bytes;
    zeroedStart.replace(0, 4, 4, '\0');
    for (const std::string& zeroed : {zeroedStart, std::string(1 << 20, '\0')}) {
        WriteRaw(Home() + "zeroed.vk2", zeroed);
        EXPECT_FALSE(velk->DocumentFiles().LoadOutline(Home() + "zeroed"));
        EXPECT_EQ(LastQuestion(), Home()
                                      + "zeroed.vk2\r\nこのファイルは壊れているため開けません。\r\n"
                                        "ページが一つもありません（ファイルの始まりが失われています）。");
        ASSERT_EQ(State(), before) << zeroed.size();
    }
    EXPECT_FALSE(velk->DocumentFiles().LoadOutline(Home() + "missing"));
    EXPECT_EQ(LastQuestion(), Home() + "missing\r\nこのファイルは存在しません。");
    EXPECT_EQ(State(), before);
}

// A tree that lost a line break names one page fewer than the file holds:
// opened, the first save would drop the last page's text. It is refused,
// and the file stays as it is.
TEST_F(MainFile, ADocumentWhosePagesNoLongerMatchItsTreeIsRefused)
{
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            velk->MenuItem("TreeAdd")->Click();
        TypeInPage(QStringLiteral("P%1\rtext of page %1").arg(i));
    }
    dialogs.AnswerFiles({Home() + "five.vk2"});
    velk->DocumentFiles().FlSaveAsClick();
    std::string bytes = ReadRaw(Home() + "five.vk2");
    bytes.replace(bytes.find("\r\nP4\r\n"), 2, "  ");
    WriteRaw(Home() + "five.vk2", bytes);
    velk->DocumentFiles().FlNewClick();
    TypeInPage(QStringLiteral("x"));
    const std::string before = State();

    EXPECT_FALSE(velk->DocumentFiles().LoadOutline(Home() + "five"));
    EXPECT_EQ(LastQuestion(),
              Home()
                  + "five.vk2\r\nこのファイルは壊れているため開けません。\r\n最後のページのあとに、どのページにも"
                    "入らないデータが 30 バイトあります（見出しの行が失われたか、本文の長さが壊れています）。");
    EXPECT_EQ(State(), before);
    EXPECT_EQ(ReadRaw(Home() + "five.vk2"), bytes);
}

TEST_F(MainFile, ASaveThatDidNotHappenStopsTheCommandThatAsked)
{
    enum class TFailure { DialogCancelled, ReadOnly, WriteFails };
    for (TFailure failure : {TFailure::DialogCancelled, TFailure::ReadOnly, TFailure::WriteFails}) {
        SCOPED_TRACE(static_cast<int>(failure));
        velk->DocumentFiles().FlNewClick();
        const std::string folder = Home() + "sub" + std::to_string(static_cast<int>(failure)) + "/";
        fs::create_directory(folder);
        if (failure != TFailure::DialogCancelled) {
            dialogs.AnswerFiles({folder + "doc.vk2"});
            velk->DocumentFiles().FlSaveAsClick();
        }
        TypeInPage(QStringLiteral("changed"));
        if (failure == TFailure::ReadOnly)
            chmod((folder + "doc.vk2").c_str(), 0444);
        if (failure == TFailure::WriteFails)
            fs::remove_all(folder);
        const std::string before = State();
        dialogs.Answer(mrYes);
        if (failure == TFailure::DialogCancelled)
            dialogs.Answer(mrCancel);
        const size_t asked = dialogs.Questions().size();
        velk->DocumentFiles().FlOpenClick();
        EXPECT_EQ(dialogs.Questions().at(asked).Text, SaveQuestion);
        EXPECT_EQ(State(), before);
        EXPECT_TRUE(std::none_of(dialogs.Questions().begin() + static_cast<long>(asked), dialogs.Questions().end(),
                                 [](const TDialogQuestion& Q) { return Q.Kind == TDialogKind::OpenFile; }))
            << "the open dialog never came";
        EXPECT_EQ(dialogs.PendingAnswers(), 0u);
    }
}

TEST_F(MainFile, ADeclinedDocumentKeepsTheOpenOneAndItsFile)
{
    const std::string mine = SaveTwoPages("mine.vk2");
    SaveTwoPages("theirs.vk2");
    dialogs.AnswerFiles({mine});
    velk->DocumentFiles().FlOpenClick();
    // Another instance holding "theirs": its entry, locked while it runs.
    const std::string entry = InstanceFolder() + "/999999";
    WriteRaw(entry + ".caption", Home() + "theirs.vk2");
    WriteRaw(entry + ".lock", "");
    const int lock = open((entry + ".lock").c_str(), O_RDONLY);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    TypeInPage(QStringLiteral("more"));
    dialogs.Answer(mrNo);
    EXPECT_FALSE(velk->DocumentFiles().LoadOutline(Home() + "theirs"));
    EXPECT_EQ(LastQuestion(), Home() + "theirs.vk2\r\nこのファイルはすでに開かれています。強制的に開きますか？");
    EXPECT_EQ(velk->DocumentFiles().DocFileName(), Home() + "mine");
    const std::string theirs = ReadRaw(Home() + "theirs.vk2");
    velk->DocumentFiles().FlSaveClick();
    EXPECT_EQ(ReadRaw(Home() + "theirs.vk2"), theirs);
    EXPECT_NE(ReadRaw(mine).find("more"), std::string::npos);
    close(lock);
}

TEST_F(MainFile, AReadOnlyDocumentOpensMarkedAndIsNeverOverwritten)
{
    const std::string file = SaveTwoPages("ro.vk2");
    chmod(file.c_str(), 0444);
    ASSERT_TRUE(velk->DocumentFiles().LoadOutline(Home() + "ro"));
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), file + Utf8ToSjis("－読み出し専用"));
    const std::string bytes = ReadRaw(file);
    TypeInPage(QStringLiteral("change"));
    velk->DocumentFiles().FlSaveClick();
    EXPECT_EQ(LastQuestion(), file + "\r\n\r\n指定したファイルは読み出し専用なので保存できません！");
    EXPECT_EQ(ReadRaw(file), bytes);
    EXPECT_TRUE(velk->DataMemo()->Modified());
}

// A save needs the folder, not only the file: a document in a folder the
// user cannot write opens marked read-only, and the user is told to save
// with Save As.
TEST_F(MainFile, ADocumentInAFolderNoOneMayWriteSaysSoWhenOpened)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the system lets root write into any folder";
    const std::string file = SaveTwoPages("doc.vk2");
    fs::create_directory(Home() + "locked");
    fs::rename(file, Home() + "locked/doc.vk2");
    chmod((Home() + "locked").c_str(), 0555);
    ASSERT_TRUE(velk->DocumentFiles().LoadOutline(Home() + "locked/doc"));
    chmod((Home() + "locked").c_str(), 0755);
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), Home() + "locked/doc.vk2" + Utf8ToSjis("－読み出し専用"));
    EXPECT_NE(LastQuestion().find("名前をつけて保存"), std::string::npos) << LastQuestion();
}

TEST_F(MainFile, TheBackupHoldsTheFileAsItWasBeforeTheSave)
{
    const std::string file = SaveTwoPages("b.vk2");
    const std::string old = ReadRaw(file);
    SettingsVars.Backup.Mode = true;
    SettingsVars.Backup.Folder = Home() + "backup";
    fs::create_directory(SettingsVars.Backup.Folder);
    TypeInPage(QStringLiteral("new"));
    velk->DocumentFiles().FlSaveClick();
    EXPECT_EQ(ReadRaw(Home() + "backup/b.vk~"), old);
    EXPECT_NE(ReadRaw(file), old);
}

TEST_F(MainFile, DroppedFilesBecomeLinksOrOpenTheDocument)
{
    const std::string doc = SaveTwoPages("drop.vk2");
    velk->DataTree()->SetSelected(velk->DataTree()->Items().Item(1));
    velk->DataMemo()->SetSelStart(0);
    velk->DocumentFiles().DropFiles({Home() + "a.txt"});
    EXPECT_EQ(LastQuestion(), "カーソルが第１行にあるので挿入できません！");
    TypeInPage(QStringLiteral("\r"));
    velk->DocumentFiles().DropFiles({Home() + "a.txt", Home() + "b.txt"});
    EXPECT_NE(velk->DataMemo()->GetText().find("<file@" + Home() + "a.txt>\r\n<file@" + Home() + "b.txt>\r\n"),
              std::string::npos);

    dialogs.Answer(mrNo);
    velk->DocumentFiles().FlNewClick();
    dialogs.AnswerForm(ChooseLoad);
    velk->DocumentFiles().DropFiles({Home() + "DROP.VK2"});
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), "NewFile") << "a missing file opens nothing";
    dialogs.AnswerForm(ChooseLoad);
    velk->DocumentFiles().DropFiles({doc});
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), doc);
}

TEST_F(MainFile, TextFilesBecomePagesWithCrLfLineBreaks)
{
    WriteRaw(Home() + "unix.txt", "first\nsecond\n");
    WriteRaw(Home() + "mac.txt", "one\rtwo");
    dialogs.AnswerFiles({Home() + "unix.txt", Home() + "mac.txt"});
    velk->DocumentFiles().FlPageTextLoadClick();
    EXPECT_EQ(State(), "NewFile||1|first/first\r\nsecond\r\n;one/one\r\ntwo;")
        << "the first file goes into the empty page";
}

// A text file whose name page text cannot hold is titled as the name
// reads, and gets no link, which would name another file.
TEST_F(MainFile, ATextFileNamedWithALookAlikeCharacterIsTitledAsItReadsWithoutALink)
{
    SettingsVars.Options.TextToPage = true;
    WriteRaw(Home() + "a〜b.txt", "wave");
    WriteRaw(Home() + "c.txt", "c");
    dialogs.AnswerFiles({Home() + "a〜b.txt", Home() + "c.txt"});
    velk->DocumentFiles().FlPageTextLoadClick();
    EXPECT_EQ(State(),
              "NewFile||1|" + Sjis("a～b.txt/a～b.txt\r\nwave;") + "c.txt/c.txt\r\n<file@" + Home() + "c.txt>\r\nc;");
    EXPECT_TRUE(dialogs.MessageTexts().empty()) << LastQuestion();
}

TEST_F(MainFile, OnlyTheFirstTextFileGoesIntoTheEmptyPageAndUtf8IsConverted)
{
    WriteRaw(Home() + "empty.txt", "");
    WriteRaw(Home() + "b.txt", "b");
    // "あ" and an emoji, which Shift-JIS cannot hold, in UTF-8.
    WriteRaw(Home() + "utf8.txt", "\xE3\x81\x82\xF0\x9F\x98\x80\n");
    dialogs.AnswerFiles({Home() + "empty.txt", Home() + "b.txt", Home() + "utf8.txt"});
    velk->DocumentFiles().FlPageTextLoadClick();
    EXPECT_EQ(State(), "NewFile||1|UnTitled/;b/b;" + Sjis("あ?/あ?\r\n;"));
    EXPECT_EQ(velk->statusBar()->currentMessage().toStdString(), UnmappedCharactersText(1));
}

// The document opened or made replaces everything the old one left: the
// search list, the page history, the views and the output button.
TEST_F(MainFile, OpenAndNewLeaveNothingOfTheOldDocument)
{
    WriteDocumentFile(Home() + "three.vk2", {{0, "a", "a"}, {0, "b", "b"}, {0, "c", "c"}}, 0, 0);
    ASSERT_EQ(velk->ToolButton("sbTextOutput")->Enabled(), false) << "an empty window";
    SearchListState().FindListMode = true;
    ASSERT_TRUE(velk->DocumentFiles().LoadOutline(Home() + "three"));
    EXPECT_TRUE(velk->ToolButton("sbTextOutput")->Enabled()) << "three pages can be output at once";
    EXPECT_FALSE(SearchListState().FindListMode);

    velk->PaneViews().OpSplitReadClick();
    ASSERT_NE(velk->PaneViews().BrowseTree(), nullptr);
    velk->DocumentFiles().FlNewClick();
    EXPECT_EQ(velk->PaneViews().BrowseTree(), nullptr) << "the browse view closed";
    EXPECT_FALSE(velk->MenuItem("OpSplitRead")->Checked());
    EXPECT_FALSE(velk->ToolButton("sbTextOutput")->Enabled()) << "one empty page";

    ASSERT_TRUE(velk->DocumentFiles().LoadOutline(Home() + "three"));
    velk->PaneViews().OpSplitClick();
    ASSERT_NE(velk->SecondEditor(), nullptr);
    velk->SecondEditor()->SetModified(true);
    velk->DataMemo()->SetModified(true);
    dialogs.Answer(mrNo);
    velk->DocumentFiles().FlNewClick();
    EXPECT_FALSE(velk->SecondEditor() && velk->SecondEditor()->Modified());
    EXPECT_FALSE(velk->DataMemo()->Modified());
}

TEST_F(MainFile, ATreeCommandMarksTheSplitPaneModifiedSoSaveWorksFromIt)
{
    const std::string file = SaveTwoPages("split.vk2");
    velk->DataTree()->SetSelected(velk->DataTree()->Items().Item(0));
    velk->PaneViews().OpSplitClick();
    ASSERT_NE(velk->SecondEditor(), nullptr);
    velk->SecondEditor()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(velk->ActiveEditor(), velk->SecondEditor());
    velk->MenuItem("TreeMoveDown")->Click();
    EXPECT_TRUE(velk->SecondEditor()->Modified());
    const std::string before = ReadRaw(file);
    QTest::keyClick(velk->SecondEditor(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(ReadRaw(file), before) << "Ctrl+S in the lower pane saved the move";
}

// The recent hierarchical-text list asks the document's own save question
// (Yes saves the document as a document), and only then looks at the file.
TEST_F(MainFile, ARecentTreeTextAsksTheSaveQuestionFirst)
{
    const std::string tree = Home() + "tree.txt";
    WriteRaw(tree, ".A\r\n.B\r\n");
    ASSERT_TRUE(velk->DocumentFiles().LoadTreeText(tree));
    const int lock = open(tree.c_str(), O_RDONLY);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    TypeInPage(QStringLiteral("x"));
    const size_t asked = dialogs.Questions().size();
    dialogs.Answer(mrYes);
    dialogs.Answer(mrCancel);
    velk->MenuItem("FlHistoryTr")->Items(0)->Click();
    ASSERT_EQ(dialogs.Questions().size(), asked + 2);
    EXPECT_EQ(dialogs.Questions()[asked].Text, SaveQuestion);
    EXPECT_EQ(dialogs.Questions()[asked + 1].Filter, "Velk2000(*.vk2)|*.vk2") << "saved as a document";
    dialogs.Answer(mrNo);
    velk->MenuItem("FlHistoryTr")->Items(0)->Click();
    EXPECT_EQ(LastQuestion(), tree + " は他のソフトで使われています。");
    close(lock);
    dialogs.Answer(mrNo);
    velk->OpenDialog1()->SetInitialDir("/");
    velk->MenuItem("FlHistoryTr")->Items(0)->Click();
    EXPECT_EQ(velk->OpenDialog1()->InitialDir(), Home());
}

// "〜" and "～" share one Shift-JIS code: each name still opens and writes
// its own file, in a folder named with one too, and after a restart the
// recent list still names it.
TEST_F(MainFile, ANameWithALookAlikeCharacterOpensAndWritesExactlyItsFile)
{
    const std::string folder = Home() + "資料〜2024/";
    fs::create_directory(folder);
    const auto firstPage = [&] { return FlattenTree(velk->DataTree()->Items()).at(0).Text; };
    const auto fileText = [](const std::string& File) {
        return ReadDocumentFile(FromOsPath(File), 0).Pages.at(0).Text;
    };
    TypeInPage(QStringLiteral("tilde"));
    dialogs.AnswerFiles({folder + "w～.vk2"});
    velk->DocumentFiles().FlSaveAsClick();
    velk->DocumentFiles().FlNewClick();
    TypeInPage(QStringLiteral("wave"));
    dialogs.AnswerFiles({folder + "new〜.vk2"});
    velk->DocumentFiles().FlSaveAsClick();
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"new〜.vk2", "w～.vk2"}));
    fs::copy_file(folder + "new〜.vk2", folder + "w〜.vk2");

    velk->DocumentFiles().FlNewClick();
    dialogs.AnswerFiles({folder + "w〜.vk2"});
    velk->DocumentFiles().FlOpenClick();
    EXPECT_EQ(firstPage(), "wave");
    EXPECT_EQ(velk->windowTitle().toStdString(), folder + "w〜.vk2");
    EXPECT_EQ(velk->MenuItem("FlHistory")->Items(0)->Caption().toStdString(), "&0 " + folder + "w〜.vk2");
    TypeInPage(QStringLiteral("!"));
    velk->DocumentFiles().FlSaveClick();
    EXPECT_EQ(fileText(folder + "w〜.vk2"), "!wave");
    EXPECT_EQ(fileText(folder + "w～.vk2"), "tilde");

    // The next run's recent list opens the same file.
    velk.reset();
    SettingsVars = {};
    velk = std::make_unique<TVelkForm>(*instances, std::make_unique<TFakeTimer>());
    ASSERT_EQ(velk->FormCreate({}), TStartOutcome::Run);
    velk->MenuItem("FlHistory")->Items(0)->Click();
    EXPECT_EQ(firstPage(), "!wave");
    EXPECT_EQ(OsPath(velk->DocumentFiles().DocFileName()), folder + "w〜");
}

// Archives unpacked without converting names give names in Shift-JIS
// bytes, which are not UTF-8 ("メモ.vk2" as 83 81 83 82). Such a document
// opens as the command line names it, saves with its backup, and the next
// run's recent list opens it again; the UTF-8 "メモ.vk2" beside it stays.
TEST_F(MainFile, ANameInShiftJisBytesOpensSavesAndBacksUpItsOwnFile)
{
    const std::string folder = Home() + "\x8E\x91\x97\xBF/"; // "資料"
    const std::string memo = folder + "\x83\x81\x83\x82";
    const std::string utf8Memo = folder + "メモ.vk2";
    fs::create_directory(folder);
    fs::rename(SaveTwoPages("plain.vk2"), memo + ".vk2");
    fs::copy_file(memo + ".vk2", utf8Memo);
    Restart({ParameterFileName(memo + ".txt")});
    EXPECT_EQ(OsPath(velk->DocumentFiles().DocFileName()), memo);
    EXPECT_EQ(FirstPage(), Sjis("日本語の題\r\n本文"));

    const std::string before = ReadRaw(memo + ".vk2");
    SettingsVars.Backup.Mode = true;
    SettingsVars.Backup.Folder = FromOsPath(folder + "bak");
    fs::create_directory(folder + "bak");
    velk->DataMemo()->SetSelStart(0);
    TypeInPage(QStringLiteral("new "));
    const size_t asked = dialogs.Questions().size();
    velk->DocumentFiles().FlSaveClick();
    EXPECT_EQ(dialogs.Questions().size(), asked) << LastQuestion();
    EXPECT_EQ(ReadRaw(folder + "bak/\x83\x81\x83\x82.vk~"), before);
    EXPECT_EQ(ReadDocumentFile(FromOsPath(memo + ".vk2"), 0).Pages.at(0).Text, Sjis("new 日本語の題\r\n本文"));
    EXPECT_EQ(ReadRaw(utf8Memo), before);
    // Shown as the words the bytes spell.
    EXPECT_EQ(velk->MenuItem("FlHistory")->Items(0)->Caption().toStdString(), "&0 " + Home() + "資料/メモ.vk2");
    EXPECT_EQ(velk->windowTitle().toStdString(), Home() + "資料/メモ.vk2");

    Restart({});
    velk->MenuItem("FlHistory")->Items(0)->Click();
    EXPECT_EQ(OsPath(velk->DocumentFiles().DocFileName()), memo);
    EXPECT_EQ(FirstPage(), Sjis("new 日本語の題\r\n本文"));

    velk->DocumentFiles().FlNewClick();
    dialogs.AnswerForm(ChooseLoad);
    Drop(memo + ".vk2");
    EXPECT_EQ(OsPath(velk->DocumentFiles().DocFileName()), memo) << LastQuestion();
}

// Names in Shift-JIS bytes often hold a UTF-8 character by chance ("写真"
// is 8E CA 90 5E, and CA 90 is "ʐ"), and names in UTF-8 may hold
// characters Shift-JIS has no code for. Such a document opens from the
// command line and by a drop, shows its name as it reads, and saves into
// its own file; a text file so named, which no link can name, becomes a
// page titled as its name reads.
TEST_F(MainFile, ADocumentOpensFromTheCommandLineAndByADropWhateverItsNameHolds)
{
    const std::string plain = SaveTwoPages("plain.vk2");
    const struct {
        std::string Os;
        std::string Shown;
    } cases[] = {
        {Sjis("写真"), "写真"}, {Sjis("見積書"), "見積書"}, {Sjis("翻訳メモ"), "翻訳メモ"},
        {Sjis("ﾃｽﾄ"), "ﾃｽﾄ"},   {"jürgen", "jürgen"},       {"한국어 메모", "한국어 메모"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Shown);
        const std::string doc = Home() + c.Os;
        fs::copy_file(plain, doc + ".vk2");
        const size_t asked = dialogs.Questions().size();
        Restart({ParameterFileName(doc + ".txt")});
        EXPECT_EQ(dialogs.Questions().size(), asked) << LastQuestion();
        EXPECT_EQ(OsPath(velk->DocumentFiles().DocFileName()), doc);
        EXPECT_EQ(velk->windowTitle().toStdString(), Home() + c.Shown + ".vk2");
        EXPECT_EQ(FirstPage(), Sjis("日本語の題\r\n本文"));
        TypeInPage(QStringLiteral("!"));
        velk->DocumentFiles().FlSaveClick();
        EXPECT_EQ(ReadDocumentFile(FromOsPath(doc + ".vk2"), 0).Pages.at(0).Text, Sjis("!日本語の題\r\n本文"));

        velk->DocumentFiles().FlNewClick();
        dialogs.AnswerForm(ChooseLoad);
        Drop(doc + ".vk2");
        EXPECT_EQ(OsPath(velk->DocumentFiles().DocFileName()), doc) << LastQuestion();
        EXPECT_EQ(velk->MenuItem("FlHistory")->Items(0)->Caption().toStdString(), "&0 " + Home() + c.Shown + ".vk2");
    }

    SettingsVars.Options.TextToPage = true;
    velk->DocumentFiles().FlNewClick();
    WriteRaw(Home() + Sjis("写真.txt"), "text");
    dialogs.Answer(mrYes);
    Drop(Home() + Sjis("写真.txt"));
    EXPECT_EQ(
        dialogs.Questions().back().Text,
        Home() + "写真.txt\r\nこの名前ではファイルリンクを作れません。代わりにテキストとしてページに読み込みますか ?");
    EXPECT_EQ(FirstPage(), Sjis("写真.txt\r\ntext"));
}

// A document named in Shift-JIS bytes ("メモ") that cannot be opened is
// told by the name as it reads.
TEST_F(MainFile, ADocumentNamedInShiftJisBytesThatCannotOpenIsToldByTheNameItReads)
{
    const std::string os = Home() + "\x83\x81\x83\x82";
    const std::string shown = Home() + "メモ";
    const struct {
        std::optional<std::string> Bytes;
        std::string Told;
    } cases[] = {
        {std::nullopt, shown + "\r\nこのファイルは存在しません。"},
        {"", shown + ".vk2\r\nこのファイルは空のため開けません。"},
        {"not a document", shown + ".vk2\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Told);
        fs::remove(os + ".vk2");
        if (c.Bytes)
            WriteRaw(os + ".vk2", *c.Bytes);
        EXPECT_FALSE(velk->DocumentFiles().LoadOutline(FromOsPath(os)));
        EXPECT_EQ(LastQuestion().substr(0, c.Told.size()), c.Told);
    }
    velk->DocumentFiles().History().Remember(FromOsPath(os + ".vk2"));
    fs::remove(os + ".vk2");
    velk->MenuItem("FlHistory")->Items(0)->Click();
    EXPECT_EQ(LastQuestion(), shown + ".vk2 は存在しないので履歴から削除します。");
}

TEST_F(MainFile, ARecentFileThatIsGoneIsToldAndRemoved)
{
    const std::string file = SaveTwoPages("gone.vk2");
    fs::remove(file);
    velk->MenuItem("FlHistory")->Items(0)->Click();
    EXPECT_EQ(LastQuestion(), file + " は存在しないので履歴から削除します。");
    EXPECT_TRUE(velk->DocumentFiles().History().Paths().empty());
}

} // namespace
