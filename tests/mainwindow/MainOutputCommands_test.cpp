// Hierarchical text in and out, the text outputs and the HTML export
// through the window: what reaches the disk, what the user is told, and
// that the open document survives every refusal.
#include "FormFixture.h"

#include "EditorBase.h"
#include "FolderSelect.h"
#include "Menus.h"
#include "PageList.h"
#include "TempDir.h"
#include "TextForm.h"
#include "TextOutputs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

namespace fs = std::filesystem;

class OutputCommands : public RealFormTest {
protected:
    OutputCommands() { LastTextOutputChoice() = {}; }

    // Reads Text as hierarchical text from File through the open command.
    void Import(const std::string& File, const std::string& Text)
    {
        WriteRaw(Home() + File, Text);
        dialogs.AnswerFiles({Home() + File});
        velk->DocumentFiles().FlTreeTextOpenClick();
    }
    std::string Shape() const
    {
        std::string shape;
        for (const TFlatPage& page : FlattenTree(velk->DataTree()->Items()))
            shape += page.Title + ":" + std::to_string(page.Depth) + " ";
        return shape;
    }
    // Runs output Kind through the chooser, saving to File; Then answers
    // the question after the file dialog.
    void Output(int Kind, const std::string& File, bool Numbered = false, TModalResult Then = mrNone)
    {
        dialogs.AnswerForm([Kind, Numbered](QDialog& Form) {
            auto& text = static_cast<TTextForm&>(Form);
            text.SetItemIndex(Kind);
            text.CheckBox1->setChecked(Numbered);
            text.OKButtonClick();
            return mrOk;
        });
        dialogs.AnswerFiles({File});
        if (Then != mrNone)
            dialogs.Answer(Then);
        velk->DocumentFiles().FlTextSellectClick();
    }
};

TEST_F(OutputCommands, ImportReadsTheChosenFileIntoANewUnnamedDocument)
{
    Import("notes.mem", ".A\r\n..B\r\n....C\r\n.D\n");
    EXPECT_EQ(Shape(), "A:0 B:1 C:2 D:0 ");
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), Home() + "notes.mem" + Sjis(" ［階層付きテキスト］"));
    EXPECT_EQ(velk->DataTree()->Selected(), velk->DataTree()->Items().Item(0));
    EXPECT_FALSE(velk->DataTree()->Items().Item(0)->Expanded());
    EXPECT_FALSE(velk->DataMemo()->Modified());
    // Without a file name of its own, the next save asks for one.
    dialogs.Answer(mrCancel);
    velk->DataMemo()->SetModified(true);
    velk->DocumentFiles().FlSaveClick();
    EXPECT_EQ(dialogs.Questions().back().Kind, TDialogKind::SaveFile);
    velk->DataMemo()->SetModified(false);

    dialogs.AnswerFiles({Home() + "missing"});
    velk->DocumentFiles().FlTreeTextOpenClick();
    EXPECT_EQ(LastQuestion(), Home() + "missing.txt は存在しません。");
    EXPECT_EQ(Shape(), "A:0 B:1 C:2 D:0 ") << "the open document stays";

    Import("second.txt", ".two\r\n");
    velk->MenuItem("FlHistoryTr")->Items(1)->Click();
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), Home() + "notes.mem" + Sjis(" ［階層付きテキスト］"))
        << "the recent list";
    EXPECT_EQ(Shape(), "A:0 B:1 C:2 D:0 ");
}

TEST_F(OutputCommands, ImportReadsUtf8AndTellsWhatBecameQuestionMarks)
{
    // "あ" and an emoji after a byte-order mark.
    Import("utf8.txt", "\xEF\xBB\xBF.\xE3\x81\x82\r\n\xF0\x9F\x98\x80\r\n");
    EXPECT_EQ(Shape(), Sjis("あ") + ":0 ");
    EXPECT_EQ(velk->DataMemo()->GetText(), Sjis("あ") + "\r\n?\r\n");
    EXPECT_EQ(velk->statusBar()->currentMessage().toStdString(), UnmappedCharactersText(1));
}

// Each output has a hidden item of its own that runs it without the
// chooser; the two title trees differ only in their numbers.
TEST_F(OutputCommands, HiddenItemsRunEachOutputWithoutTheChooser)
{
    Import("doc.txt", ".A\r\na\r\n..B\r\n.C\r\n");
    const struct {
        const char* Item;
        const char* Extension;
        std::string Written;
    } rows[] = {
        {"FlTitleSave", ".idx", "A\r\nB\r\nC\r\n"},
        {"FlTitleTreeNumberSave", ".idx",
         "\x84\xA1"
         "1 A\r\n"},
        {"FlTitleTreeSave", ".idx",
         "\x84\xA1"
         "A\r\n"},
        {"FlPageTreeTextSave", ".txt", ".A\r\na\r\n..B\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Item);
        TMenuItem* item = velk->MenuItem(row.Item);
        EXPECT_FALSE(item->Visible());
        const size_t asked = dialogs.Questions().size();
        dialogs.AnswerFiles({Home() + row.Item + row.Extension});
        item->Click();
        ASSERT_EQ(dialogs.Questions().size(), asked + 1) << "the file dialog alone";
        EXPECT_EQ(ReadRaw(Home() + row.Item + row.Extension).substr(0, row.Written.size()), row.Written);
    }
    EXPECT_EQ(ReadRaw(Home() + "FlPageTreeTextSave.txt"), ".A\r\na\r\n..B\r\n") << "the page and its child alone";
    EXPECT_EQ(SettingsVars.APoFile.TextSaveDir, Home());

    // A page without children has no hierarchy to write.
    velk->DataTree()->SetSelected(velk->DataTree()->Items().Item(2));
    const size_t asked = dialogs.Questions().size();
    velk->MenuItem("FlPageTreeTextSave")->Click();
    ASSERT_EQ(dialogs.Questions().size(), asked + 1);
    EXPECT_EQ(LastQuestion(), "子ページが存在しないページは保存できません。");
}

TEST_F(OutputCommands, ImportGoesOnOnlyAfterARealSave)
{
    // A modified one-page document without a name: Yes tries to keep it as
    // hierarchical text, which refuses a single page, so nothing is read.
    velk->DataMemo()->SetText("unsaved");
    velk->DataMemo()->SetModified(true);
    dialogs.Answer(mrYes);
    velk->DocumentFiles().FlTreeTextOpenClick();
    EXPECT_EQ(LastQuestion(), "１ページしかないデータは保存できません。");
    EXPECT_TRUE(std::none_of(dialogs.Questions().begin(), dialogs.Questions().end(),
                             [](const TDialogQuestion& Q) { return Q.Kind == TDialogKind::OpenFile; }));
    EXPECT_EQ(velk->DataMemo()->GetText(), "unsaved");
}

TEST_F(OutputCommands, OutputsWriteTheirBytesAndRefuseWhatTheyCannotWrite)
{
    Import("doc.txt", ".A\r\na\r\n..B\r\n.C\r\n");
    Output(tokTitles, Home() + "titles.txt", true);
    EXPECT_EQ(ReadRaw(Home() + "titles.idx"), "1 A\r\n1.1 B\r\n2 C\r\n");
    Output(tokAllTreeText, Home() + "tree");
    EXPECT_EQ(ReadRaw(Home() + "tree.txt"), ".A\r\na\r\n..B\r\n.C\r\n");
    EXPECT_EQ(SettingsVars.APoFile.TextSaveDir, Home());
    // Overwriting asks first; No writes nothing.
    Output(tokAllTreeText, Home() + "tree.idx", false, mrNo);
    EXPECT_EQ(LastQuestion(), Home() + "tree.txt\r\nこのファイルは存在します。上書きしますか ?");
    // A write that fails is told with the file, and the old file is whole.
    Output(tokPage, Home() + "none/page.txt");
    EXPECT_NE(LastQuestion().find(Home() + "none/page.txt"), std::string::npos) << LastQuestion();
    velk->DataTree()->SetSelected(velk->DataTree()->Items().Item(2));
    velk->DocumentFiles().RunTextOutput(tokPageTabText);
    EXPECT_EQ(LastQuestion(), "子ページが存在しないページは保存できません。");
}

TEST_F(OutputCommands, PageFilesRefuseLikeTitlesBeforeAskingForAFolder)
{
    Import("doc.txt", ".top\r\n..same\r\n..same\r\n");
    Output(tokPageFiles, "");
    EXPECT_EQ(LastQuestion(), "指定したページにはツリー項目名がまったく同じものが存在しますので出力できません。\r\n"
                              "ツリー項目名を変更して再度実行してください。");
    EXPECT_TRUE(std::none_of(dialogs.Questions().begin(), dialogs.Questions().end(),
                             [](const TDialogQuestion& Q) { return Q.Caption == "フォルダーを選択する"; }));
}

TEST_F(OutputCommands, HtmlExportWritesEveryPageAndCountsThem)
{
    Import("doc.txt", ".top\r\n..one\r\n...two\r\n..three\r\n");
    TempDir folder;
    dialogs.AnswerForm([&](QDialog& Form) {
        static_cast<TFolderOpen&>(Form).FolderPath = folder.Path();
        return mrOk;
    });
    velk->DocumentFiles().FlHtmlSaveClick();
    EXPECT_EQ(LastQuestion(), "4 個のページをHTMLファイル化しました。");
    EXPECT_NE(ReadRaw(folder.Path() + "part002.html").find("<TITLE>two</TITLE>"), std::string::npos);
    EXPECT_TRUE(FileExists(folder.Path() + "part003.html"));
}

TEST(TextForm, ChecksFollowTheOutputAndTheChoiceIsKept)
{
    LastTextOutputChoice() = {};
    TTextForm form;
    for (int kind = 0; kind < TextOutputKindCount; ++kind) {
        form.SetItemIndex(kind);
        EXPECT_EQ(form.CheckBox1->isEnabled(), OffersNumbering(kind)) << kind;
        EXPECT_EQ(form.CheckTree->isEnabled(), kind == tokTitleTree) << kind;
    }
    form.CheckBox1->setChecked(true);
    EXPECT_FALSE(form.LbNumber->isHidden());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_EQ(form.result(), mrOk);
    TTextForm again;
    EXPECT_EQ(again.ItemIndex(), tokTitleTree);
    EXPECT_TRUE(again.CheckBox1->isChecked());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&again, &escape);
    EXPECT_EQ(again.result(), mrCancel);
}

} // namespace
