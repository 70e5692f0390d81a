// Files dropped on a user's window whose names a file link cannot hold
// (bytes that are not UTF-8, as old archives unpack them): the user may
// read them as pages instead; every other file is still linked.
#include "FormFixture.h"

#include "PageList.h"
#include "TempDir.h"

#include <QDropEvent>
#include <QMimeData>

namespace {

const std::string ReadAsPageQuestion =
    "この名前ではファイルリンクを作れません。代わりにテキストとしてページに読み込みますか ?";

class DroppedFiles : public FormTest {
protected:
    // "田中.txt" in Shift-JIS bytes.
    const std::string tanaka = Home() + "\x93\x63\x92\x86.txt";
    const std::string plain = Home() + "plain.txt";

    // A user's window, its page holding a title line with the caret below.
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(RunOnceToWriteSettings());
        form.reset();
        velk = std::make_unique<TVelkForm>(*instances, std::make_unique<TFakeTimer>());
        ASSERT_EQ(velk->FormCreate({}), TStartOutcome::Run);
        velk->show();
        QApplication::processEvents();
        SettingsVars.Options.TextToPage = true;
        velk->DataMemo()->setFocus();
        QTest::keyClicks(velk->DataMemo(), "title\r");
        QApplication::processEvents();
        WriteRaw(tanaka, "tanaka\n");
        WriteRaw(plain, "plain");
    }
    void TearDown() override { velk.reset(); }

    // Dropped from a file manager: addresses with their bytes encoded.
    void Drop(const std::vector<std::string>& OsNames)
    {
        QByteArray list;
        for (const std::string& name : OsNames)
            list += "file://" + QByteArray::fromStdString(name).toPercentEncoding("/") + "\r\n";
        QMimeData dropped;
        dropped.setData("text/uri-list", list);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        // Qt sends a drop only inside a drag of its own: straight to the window.
        static_cast<QObject*>(velk.get())->event(&drop);
    }
    // Every page, "title/text;".
    std::string Pages() const
    {
        std::string pages;
        for (const TFlatPage& page : FlattenTree(velk->DataTree()->Items()))
            pages += page.Title + "/" + page.Text + ";";
        return pages;
    }

    std::unique_ptr<TVelkForm> velk;
};

TEST_F(DroppedFiles, ATextFileNamedInShiftJisBytesIsReadAsAPageOnYesAndLinkableNamesStayLinks)
{
    dialogs.Answer(mrYes);
    Drop({plain, tanaka});
    EXPECT_EQ(LastQuestion(), Home() + "田中.txt\r\n" + ReadAsPageQuestion);
    // Titled as the name reads; a link would name another file.
    EXPECT_EQ(Pages(), "title/title\r\n<file@" + Home()
                           + "plain.txt>\r\n;\x93\x63\x92\x86.txt/\x93\x63\x92\x86.txt\r\n"
                             "tanaka\r\n;");
    EXPECT_TRUE(velk->DataMemo()->Modified());
}

// No, or a file that is text in no encoding: the document stays as it was.
TEST_F(DroppedFiles, NoOrAFileThatIsNoTextLeavesTheDocument)
{
    const std::string binary = Home() + "\x83\x81\x83\x82.txt";
    WriteRaw(binary, std::string("\x7F\x45\x4C\x46\x02\x01\x01\0", 8));
    const std::string before = Pages();
    const struct {
        std::string File;
        TModalResult Answer;
        std::string Told;
    } cases[] = {
        {tanaka, mrNo, Home() + "田中.txt\r\n" + ReadAsPageQuestion},
        {binary, mrYes, "ファイル \"" + Home() + "メモ.txt\" は実行ファイルで、テキストではないため読み込めません。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        dialogs.Answer(c.Answer);
        Drop({c.File});
        EXPECT_EQ(LastQuestion(), c.Told);
        EXPECT_EQ(Pages(), before);
    }
}

// Several such files: one question for them all.
TEST_F(DroppedFiles, SeveralNamesALinkCannotHoldAreAskedAboutOnce)
{
    const std::string memo = Home() + "\x83\x81\x83\x82.txt";
    WriteRaw(memo, "memo");
    dialogs.Answer(mrYes);
    Drop({tanaka, memo});
    EXPECT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(LastQuestion(), Home() + "田中.txt\r\n" + Home() + "メモ.txt\r\nこれらの名前"
                                  + ReadAsPageQuestion.substr(std::string("この名前").size()));
    EXPECT_EQ(velk->DataTree()->Items().Count(), 3);
}

} // namespace
