// A page edited in the user's editor: shell commands stand in for the
// editor, and one that waits for a go-ahead file lets the test act while
// the window waits for it.
#include "FormFixture.h"

#include "ClippingMode.h"
#include "EditorBase.h"
#include "ExternalEditor.h"
#include "Menus.h"
#include "SjisLiteral.h"
#include "TempDir.h"
#include "TextFileEncoding.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <fstream>

namespace {

class ExternalEditorTest : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run);
        SettingsVars.ExtEditor = true;
        form->DataMemo()->SetText("abc");
        form->FlSaveClick();
    }
    // A shell script that stands in for the editor; the file is "$1".
    std::string Editor(const std::string& Script)
    {
        const std::string path = Home() + "editor" + std::to_string(++scripts) + ".sh";
        std::ofstream(path) << Script << "\n";
        return "/bin/sh " + path;
    }
    // Waits until "<file>.go" exists, then runs Then.
    std::string WaitingEditor(const std::string& Then)
    {
        return Editor("while [ ! -e \"$1.go\" ]; do sleep 0.01; done; " + Then);
    }
    std::string TransferFile() const { return Home() + "temp.txt"; }
    // While the editor waits: Act, then the go-ahead.
    void WhileWaiting(std::function<void()> Act)
    {
        QTimer::singleShot(0, [this, Act] {
            Act();
            std::ofstream(TransferFile() + ".go");
        });
    }
    void Edit(const std::string& Command)
    {
        SettingsVars.HideExe = Command;
        form->ExternalEditor().pEdGoHideClick();
    }
    std::string Page() const { return form->DataMemo()->GetText(); }
    bool Modified() const { return form->DataMemo()->Modified(); }
    int scripts = 0;
};

TEST_F(ExternalEditorTest, ReadsBackWhatTheEditorLeft)
{
    const struct {
        std::string Command, Page;
        bool Modified;
    } cases[] = {
        {Editor("printf 'new\\n' > \"$1\""), "new", true},
        {Editor("printf '\\n' >> \"$1\""), "abc", false},
        // The page went out with a final line break: an appended line
        // stays a line of its own, and the break comes off again.
        {Editor("printf 'def\\n' >> \"$1\""), "abc\r\ndef", true},
        {Editor("rm \"$1\""), "abc", false},
        {"/nonexistent/editor", "abc", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Command);
        form->DataMemo()->SetText("abc");
        form->FlSaveClick();
        Edit(c.Command);
        EXPECT_EQ(Page(), c.Page);
        EXPECT_EQ(Modified(), c.Modified);
        // The transfer file gone, the page and the buttons free again.
        EXPECT_EQ(std::tuple(std::filesystem::exists(TransferFile()), form->DataMemo()->ReadOnly(),
                             form->ExternalEditor().OwnExternalEditRunning(), Enabled({"sbOpen", "sbGoEditor"})),
                  std::tuple(false, false, false, "++"));
    }
    EXPECT_TRUE(dialogs.Questions().empty());
}

// The page goes out in the system's encoding and comes back from an editor
// that saves UTF-8 or one that keeps Shift-JIS alike, in the encoding it
// went out in whenever the bytes are well-formed in it.
TEST_F(ExternalEditorTest, ThePageTravelsInTheSystemsEncoding)
{
    const std::string page = Sjis("ﾃｽﾄｶ 漢字");
    const struct {
        std::string Command, Page;
        int Unmapped;
    } cases[] = {
        {Editor("cp \"$1\" \"$1.seen\"; printf '日本語 ﾃｽﾄｶ\\n' > \"$1\""), Sjis("日本語 ﾃｽﾄｶ"), 0},
        {Editor("printf 'ﾃｽﾄ\\n' | iconv -f UTF-8 -t CP932 > \"$1\""), Sjis("ﾃｽﾄ"), 0},
        // Shift-JIS that is well-formed UTF-8 as well ("ýĶ") is read in the
        // encoding the file went out in.
        {Editor("printf 'ﾃｽﾄｶ\\n' | iconv -f UTF-8 -t CP932 > \"$1\""), "??", 2},
        {Editor("printf '\\203\\134\\225\\134\\r\\n' > \"$1\""), Sjis("ソ表"), 0},
        {Editor("printf 'caf\\303\\251 \\360\\237\\230\\200\\n' > \"$1\""), "caf? ?", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Command);
        form->DataMemo()->SetText(page);
        form->statusBar()->clearMessage();
        Edit(c.Command);
        EXPECT_EQ(Page(), c.Page);
        EXPECT_EQ(form->statusBar()->currentMessage().toStdString(),
                  c.Unmapped ? UnmappedCharactersText(c.Unmapped) : "");
    }
    std::ifstream seen(TransferFile() + ".seen");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(seen), {}),
              TextInEncoding(page + "\r\n", LocaleTextEncoding()));
    EXPECT_TRUE(dialogs.Questions().empty());
}

// A file in neither encoding would put mojibake in the page: it is refused
// and kept for the user, and the page stays as it was. Each refusal keeps
// a file of its own, even in one second, and the next start leaves them.
TEST_F(ExternalEditorTest, FilesInNeitherEncodingAreRefusedAndEachIsKept)
{
    std::filesystem::remove_all(Home() + "Temp");
    const std::string refused = "外部エディタから戻ったファイルは UTF-16 の BOM（バイト順マーク）で始まりますが、"
                                "UTF-16 として正しくないため読み込めません。ページは元のままにしました。\r\n"
                                "編集した内容は ";
    std::vector<std::string> kept;
    for (const char* bytes : {"\\377\\376x", "\\377\\376y"}) {
        Edit(Editor(std::string("printf '") + bytes + "' > \"$1\""));
        EXPECT_EQ(Page(), "abc");
        EXPECT_FALSE(Modified());
        const std::string told = dialogs.Questions().back().Text;
        ASSERT_EQ(told.find(refused + Home() + "Temp/edit-"), 0u) << told;
        ASSERT_TRUE(told.ends_with(".txt に残してあります。")) << told;
        kept.push_back(
            told.substr(refused.size(), told.size() - refused.size() - std::string_view(" に残してあります。").size()));
    }
    EXPECT_EQ(dialogs.Questions().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(TransferFile()));
    TTestForm restarted(*instances, std::make_unique<TFakeTimer>());
    ASSERT_EQ(restarted.FormCreate({}), TStartOutcome::Run);
    EXPECT_EQ(ReadRaw(kept[0]), "\xFF\xFEx");
    EXPECT_EQ(ReadRaw(kept[1]), "\xFF\xFEy");
}

// What the editor leaves is read as what it is: a page that starts as a
// binary format does comes back with the line appended to it; Western
// text is asked about, a No keeping the page and the edit in Temp, a Yes
// taking the bytes as they stand; UTF-8 cut inside its last character is
// read and told.
TEST_F(ExternalEditorTest, WhatTheEditorLeftIsReadAsWhatItIs)
{
    form->DataMemo()->SetText(Sjis("GIF89a の仕様メモ"));
    Edit(Editor("printf '追記\\n' >> \"$1\""));
    EXPECT_EQ(Page(), Sjis("GIF89a の仕様メモ\r\n追記"));
    EXPECT_TRUE(dialogs.Questions().empty());

    std::filesystem::remove_all(Home() + "Temp");
    const std::string western = Editor("printf 'Caf\\351\\n' > \"$1\"");
    const std::string question = "外部エディタから戻ったファイルは UTF-8 でも Shift-JIS でもなく、欧文の文字コード"
                                 "（Windows-1252 や Latin-1）で書かれているようです。Shift-JIS としてバイトのまま読む"
                                 "と、アクセント付きの文字や引用符は別の文字になります。\r\n\r\nバイトのまま読み込み"
                                 "ますか？「いいえ」ならページは元のままにし、編集した内容を残します。";
    dialogs.Answer(mrNo);
    Edit(western);
    EXPECT_EQ(Page(), Sjis("GIF89a の仕様メモ\r\n追記"));
    ASSERT_EQ(dialogs.MessageTexts().size(), 2u);
    EXPECT_EQ(dialogs.MessageTexts()[0], question);
    const std::string kept = dialogs.MessageTexts()[1];
    ASSERT_TRUE(kept.starts_with("ページは元のままにしました。\r\n編集した内容は " + Home() + "Temp/edit-")) << kept;
    EXPECT_FALSE(std::filesystem::exists(TransferFile()));
    dialogs.Answer(mrYes);
    Edit(western);
    EXPECT_EQ(Page(), "Caf\xE9");

    const std::string line = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。";
    Edit(Editor("printf '" + line + "\\344\\275' > \"$1\""));
    EXPECT_EQ(Page(), Sjis(line + "〓〓"));
    EXPECT_EQ(dialogs.MessageTexts().back(),
              "外部エディタから戻ったファイルは UTF-8 で書かれていますが、UTF-8 として読めないバイトが 2 個あります"
              "（最初は 1 行目）。UTF-8 として読み込み、読めないバイトはそれぞれ「〓」にしました。");
}

// Another instance's edit ending frees the button only where an edit may
// start: not while clipping, not without the option.
TEST_F(ExternalEditorTest, AnEditEndingElsewhereKeepsTheButtonOffWhileClipping)
{
    TExternalEditor& editor = form->ExternalEditor();
    editor.ExternalEditTold(ExternalEditRunningText());
    EXPECT_EQ(Enabled({"sbGoEditor"}), "-");
    editor.ExternalEditTold("");
    EXPECT_EQ(Enabled({"sbGoEditor"}), "+");
    form->Clipping().OpClipClick();
    editor.ExternalEditTold(ExternalEditRunningText());
    editor.ExternalEditTold("");
    EXPECT_EQ(Enabled({"sbGoEditor"}), "-");
    form->Clipping().OpClipClick();
    EXPECT_EQ(Enabled({"sbGoEditor"}), "+");
    // Clipping that ends while an edit runs elsewhere leaves the button off.
    form->Clipping().OpClipClick();
    editor.ExternalEditTold(ExternalEditRunningText());
    form->Clipping().OpClipClick();
    EXPECT_EQ(Enabled({"sbGoEditor"}), "-");
    editor.ExternalEditTold("");
    SettingsVars.ExtEditor = false;
    editor.ExternalEditTold("");
    EXPECT_EQ(Enabled({"sbGoEditor"}), "-");
}

TEST_F(ExternalEditorTest, PageIsLockedWhileOutAndComesBackToItsOwnNode)
{
    TTreeNode* first = form->DataTree()->Selected();
    form->MenuItem("TreeAdd")->Click();
    TTreeNode* second = form->DataTree()->Selected();
    form->DataTree()->SetSelected(first);
    bool locked = false;
    WhileWaiting([&] {
        locked = form->DataMemo()->ReadOnly() && Enabled({"sbPageDel", "sbOpen"}) == "--" && !form->FormCloseQuery();
        form->DataTree()->SetSelected(second);
    });
    Edit(WaitingEditor("printf 'new\\n' > \"$1\""));
    EXPECT_TRUE(locked);
    EXPECT_EQ(form->DataTree()->Selected(), second);
    EXPECT_EQ(first->Text(), "new");
}

TEST_F(ExternalEditorTest, DeletedPageGivesANewPageAndAMessage)
{
    form->MenuItem("TreeAdd")->Click();
    form->DataMemo()->SetText("second");
    TTreeNode* page = form->DataTree()->Selected();
    WhileWaiting([&] { form->DataTree()->Items().Delete(page); });
    Edit(WaitingEditor("printf 'new\\n' > \"$1\""));
    EXPECT_EQ(Page(), "new") << "the page had no final line break";
    EXPECT_EQ(form->DataTree()->Items().Count(), 2);
    ASSERT_EQ(dialogs.Questions().size(), 1u);
}

TEST_F(ExternalEditorTest, RefusalsAndFailuresStopBeforeTheEditorStarts)
{
    std::ofstream(TransferFile()) << "elsewhere";
    Edit(Editor("rm \"$1\""));
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions().back().Text, "他のプロセスで外部エディタを起動中です。");
    std::filesystem::remove(TransferFile());

    // A transfer file that cannot be written is told; the editor never runs.
    std::filesystem::create_directory(TransferFile());
    Edit(Editor("rm -r \"$1\""));
    EXPECT_EQ(dialogs.Questions().size(), 2u);
    EXPECT_TRUE(std::filesystem::is_directory(TransferFile()));
    std::filesystem::remove(TransferFile());

    form->DataMemo()->SetText("");
    Edit("/bin/true");
    EXPECT_EQ(dialogs.Questions().back().Text, "エディタ部が空ページです！");
}

} // namespace

TEST_F(ExternalEditorTest, AnotherRunningInstanceHearsTheEditStartAndEnd)
{
    QProcess other;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VELK_HOME", QString::fromStdString(Home()));
    environment.insert("VELK_REPORT_READY", "1");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    other.setProcessEnvironment(environment);
    other.start(VELK_EXECUTABLE);
    QByteArray out;
    const auto readUntil = [&](const QByteArray& Line) {
        while (!out.contains(Line) && other.waitForReadyRead(60000))
            out += other.readAllStandardOutput();
        return out.contains(Line);
    };
    ASSERT_TRUE(readUntil("velk: ready\n")) << out.toStdString();
    Edit(Editor("true"));
    EXPECT_TRUE(readUntil("velk: message 外部エディタ起動中\nvelk: message \n")) << out.toStdString();
    other.terminate();
    EXPECT_TRUE(other.waitForFinished(60000));
}

// The view hands the file to the whole command as an argument of its own:
// an editor run by an interpreter gets its script and the file, and the
// document is never run as a program.
TEST_F(ExternalEditorTest, TheViewRunsTheWholeCommandAndNeverTheDocument)
{
    const std::string pwned = Home() + "pwned";
    const std::string seen = Home() + "seen";
    std::filesystem::remove(pwned);
    SettingsVars.HideExe =
        Editor("printf '%s|' \"$@\" > \"" + seen + ".part\"; mv \"" + seen + ".part\" \"" + seen + "\"")
        + " /%WIN% +%LINE%";
    // What the editor was handed, once it has run.
    const auto viewed = [&] {
        QElapsedTimer waited;
        waited.start();
        while (!std::filesystem::exists(seen) && !std::filesystem::exists(pwned) && waited.elapsed() < 60000)
            QTest::qWait(10);
        const std::string arguments = ReadRaw(seen);
        std::filesystem::remove(seen);
        return arguments;
    };
    // "#" keeps the line end from the name a shell would touch.
    form->DataMemo()->SetText("touch " + pwned + " #\r\ntouch " + pwned + " #");
    form->ExternalEditor().EdAllViewClick();
    EXPECT_EQ(viewed(), "+0|" + Home() + "Temp/NewFile.txt|");
    EXPECT_FALSE(std::filesystem::exists(pwned));

    // A document named in Shift-JIS bytes is viewed under the name they
    // spell, which the editor can be handed.
    form->DocumentFiles().NameDocument(FromOsPath(Home() + "\x83\x81\x83\x82"));
    form->ExternalEditor().EdAllViewClick();
    EXPECT_EQ(viewed(), "+0|" + Home() + "Temp/メモ.txt|");
}

TEST_F(ExternalEditorTest, WholeDocumentViewWritesTheFileWithoutWaiting)
{
    SettingsVars.FindAll = true;
    SettingsVars.HideExe = "/bin/true %LINE%";
    form->DataMemo()->SetText(Sjis("abc ﾃｽﾄｶ"));
    form->ExternalEditor().EdAllViewClick();
    EXPECT_NE(dialogs.Questions().back().Text.find("「階層付きテキストで保存」が指定されていますが"),
              std::string::npos);
    std::ifstream file(Home() + "Temp/NewFile.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}),
              TextInEncoding(Sjis("abc ﾃｽﾄｶ"), LocaleTextEncoding()));
}
