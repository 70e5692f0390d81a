// The document's files driven alone through a fake window: what a command
// asks of the window, and in which order, when it replaces or names the
// document; and that a file that cannot be read leaves the window alone.
#include "DocumentFiles.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "DocumentFile.h"
#include "DocumentHost.h"
#include "EditorEx.h"
#include "Files.h"
#include "Instances.h"
#include "MainMenus.h"
#include "OpenMenuList.h"
#include "PageList.h"
#include "ProgramHome.h"
#include "Recoded.h"
#include "ScriptedDialogs.h"
#include "SjisLiteral.h"
#include "SubIni.h"
#include "TempDir.h"
#include "TreeView.h"
#include "WindowCaption.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Records every call that changes the window, as "Name argument".
class TFakeDocumentHost : public IDocumentHost {
public:
    TFakeDocumentHost() : DataMemo_(TEditor::Create<TEditorEx>()) {}

    TTreeView* DataTree() const override { return &DataTree_; }
    TEditorEx* DataMemo() const override { return DataMemo_.get(); }
    TEditorEx* ActiveEditor() const override { return DataMemo_.get(); }
    void StorePage(TTreeNode*) override { Calls.push_back("StorePage"); }
    void AddPage() override
    {
        DataTree_.SetSelected(DataTree_.Items().Add(nullptr, "UnTitled"));
        Calls.push_back("AddPage");
    }
    void MarkModified() override { Calls.push_back("MarkModified"); }
    int EditMode() const override { return EditMode_; }
    void SwitchEditMode(int Mode) override
    {
        EditMode_ = Mode;
        Calls.push_back("SwitchEditMode " + std::to_string(Mode));
    }
    int SubIconCount() const override { return 10; }
    bool ClippingOn() const override { return Clipping; }
    void ShowTitle(const std::string& Caption) override { Calls.push_back("ShowTitle " + Caption); }
    QWidget* DialogParent() override { return nullptr; }
    void DocumentReplacing() override { Calls.push_back("DocumentReplacing"); }
    void DocumentReplaced(bool KeepsSubIconFinder) override
    {
        Calls.push_back(std::string("DocumentReplaced ") + (KeepsSubIconFinder ? "keeping the finder" : ""));
    }
    void DocumentNamed() override { Calls.push_back("DocumentNamed"); }
    void CloseSubIconFinder() override { Calls.push_back("CloseSubIconFinder"); }
    void ShowUnmappedNotice(int Count) override { Calls.push_back("ShowUnmappedNotice " + std::to_string(Count)); }
    void ShowFileNotice(const std::string& Text) override { FileNotice = Text; }

    std::vector<std::string> Calls;
    std::string FileNotice;
    bool Clipping = false;

private:
    mutable TTreeView DataTree_;
    std::unique_ptr<TEditorEx> DataMemo_;
    int EditMode_ = 0;
};

class DocumentFiles : public testing::Test {
protected:
    DocumentFiles()
    {
        // The recent files are kept in the program folder.
        EmptyProgramHome();
        SettingsVars = {};
        files = std::make_unique<TDocumentFiles>(host, menus, TDocumentButtons{pageNew, save, loadTreeText, textOutput},
                                                 instances, openDialog, saveDialog);
    }

    TempDir home;
    TScriptedDialogs dialogs;
    TFakeDocumentHost host;
    TVelkMenus menus;
    TDockButton pageNew{nullptr};
    TDockButton save{nullptr};
    TDockButton loadTreeText{nullptr};
    TDockButton textOutput{nullptr};
    TInstanceRegistry instances{home.Path() + "run"};
    TOpenDialog openDialog;
    TSaveDialog saveDialog;
    std::unique_ptr<TDocumentFiles> files;
};

TEST_F(DocumentFiles, EachReplacementTellsTheWindowBeforeAndAfterInItsOrder)
{
    const std::string document = home.Path() + "doc";
    WriteDocumentFile(document + ".vk2", {{0, "one", "one\r\n", 0, -1}, {1, "two", "two\r\n", 0, 2}}, 1, 3);
    const std::string treeText = home.Path() + "notes.txt";
    WriteFileAtomic(treeText, ".one\r\n..two\r\n");

    ASSERT_TRUE(files->LoadOutline(document));
    EXPECT_EQ(host.Calls,
              (std::vector<std::string>{"DocumentReplacing", "SwitchEditMode 3", "ShowTitle " + document + ".vk2",
                                        "DocumentReplaced keeping the finder"}));
    EXPECT_EQ(host.DataTree()->Items().Count(), 2);
    EXPECT_EQ(files->History().Paths(), std::vector<std::string>{document + ".vk2"});

    host.Calls.clear();
    ASSERT_TRUE(files->LoadTreeText(treeText));
    EXPECT_EQ(host.Calls,
              (std::vector<std::string>{"DocumentReplacing", "ShowTitle " + treeText + TreeTextCaptionMarker(),
                                        "CloseSubIconFinder", "DocumentReplaced ", "ShowUnmappedNotice 0"}));
    EXPECT_FALSE(files->HasFileName()) << "hierarchical text is saved under a name asked for";
    EXPECT_EQ(files->TreeHistory().Paths(), std::vector<std::string>{treeText});

    host.Calls.clear();
    files->FlNewClick();
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"StorePage", "DocumentReplacing", "AddPage", "ShowTitle NewFile",
                                                    "CloseSubIconFinder", "SwitchEditMode 0", "DocumentReplaced "}));
    EXPECT_EQ(files->DocFileName(), "");
    EXPECT_TRUE(dialogs.Questions().empty());
}

TEST_F(DocumentFiles, AFileThatCannotBeReadLeavesTheWindowAlone)
{
    const std::string damaged = home.Path() + "damaged";
    WriteFileAtomic(damaged + ".vk2", "not a document");
    for (const std::string& name : {home.Path() + "missing", damaged}) {
        host.Calls.clear();
        EXPECT_FALSE(files->LoadOutline(name)) << name;
        EXPECT_TRUE(host.Calls.empty()) << name;
        EXPECT_EQ(files->DocFileName(), "") << name;
        EXPECT_TRUE(files->History().Paths().empty()) << name;
    }
    EXPECT_EQ(dialogs.Questions().size(), 2u) << "each failure is told";
}

// Text from other programs: UTF-16 as Windows writes it reads like UTF-8,
// as hierarchical text and as a page; bytes that are text in no encoding
// are refused by name and the document stays as it was.
TEST_F(DocumentFiles, Utf16IsReadAndBytesThatAreNoTextAreRefused)
{
    const std::string unicode = home.Path() + "unicode.txt", binary = home.Path() + "binary.txt";
    // ".一" CR LF "..二" CR LF in UTF-16 little-endian, with its mark.
    const std::string utf16("\xFF\xFE.\0\0N\r\0\n\0.\0.\0\x8CN\r\0\n\0", 20);
    WriteFileAtomic(unicode, utf16);
    WriteFileAtomic(binary, std::string("\x7F\x45\x4C\x46\x02\x01\x01\0", 8));
    const std::string refusal =
        "ファイル \"" + OsPath(binary) + "\" は実行ファイルで、テキストではないため読み込めません。";

    ASSERT_TRUE(files->LoadTreeText(unicode));
    ASSERT_EQ(host.DataTree()->Items().Count(), 2);
    EXPECT_EQ(host.DataTree()->Items().Item(0)->Text(), Sjis("一"));
    EXPECT_EQ(host.DataTree()->Items().Item(1)->Text(), Sjis("二"));
    host.Calls.clear();
    EXPECT_FALSE(files->LoadTreeText(binary));
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_EQ(host.DataTree()->Items().Count(), 2);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{refusal});

    dialogs.AnswerFiles({binary, unicode});
    files->FlPageTextLoadClick();
    EXPECT_EQ(host.DataMemo()->GetText(), Sjis(".一\r\n..二\r\n")) << "only the text became a page";
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{refusal, refusal}));
}

// What reading a text file found is told before a page or a document is
// made of it: EUC-JP and damaged UTF-8 are read and told; text in neither
// encoding is asked about, and a No makes nothing of it.
TEST_F(DocumentFiles, TextInOtherEncodingsIsToldOfBeforeAnythingIsMadeOfIt)
{
    const std::string line = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。";
    const std::string euc = home.Path() + "euc.txt", western = home.Path() + "western.txt",
                      cut = home.Path() + "cut.txt";
    WriteFileAtomic(euc, Recoded("会議の予定です。\nよろしく。\n", "EUC-JP"));
    WriteFileAtomic(western, "Caf\xE9 au lait\n");
    WriteFileAtomic(cut, line + "\xE4\xBD");
    const auto told = [](const std::string& File, const std::string& Notice) {
        return "ファイル \"" + OsPath(File) + "\" は" + Notice;
    };
    const std::string eucNotice = told(euc, " EUC-JP で書かれているので、EUC-JP として読み込みました。");
    const std::string westernQuestion =
        told(western, " UTF-8 でも Shift-JIS でもなく、欧文の文字コード（Windows-1252 や Latin-1）で書かれているようで"
                      "す。Shift-JIS としてバイトのまま読むと、アクセント付きの文字や引用符は別の文字になります。\r\n"
                      "\r\nバイトのまま読み込みますか？「いいえ」なら読み込みません。");
    const std::string cutNotice =
        told(cut, " UTF-8 で書かれていますが、UTF-8 として読めないバイトが 2 個あります（最初は 1 行目）。UTF-8 "
                  "として読み込み、読めないバイトはそれぞれ「〓」にしました。");

    dialogs.AnswerFiles({euc, western, cut});
    dialogs.Answer(mrNo);
    files->FlPageTextLoadClick();
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{eucNotice, westernQuestion, cutNotice}));
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"AddPage", "StorePage", "MarkModified", "AddPage", "StorePage",
                                                    "MarkModified", "ShowUnmappedNotice 0"}))
        << "no page for the file read in neither encoding";
    EXPECT_EQ(host.DataMemo()->GetText(), Sjis(line + "〓〓"));

    host.Calls.clear();
    dialogs.AnswerFiles({western});
    dialogs.Answer(mrYes);
    files->FlPageTextLoadClick();
    EXPECT_EQ(host.DataMemo()->GetText(), "Caf\xE9 au lait\r\n") << "the bytes as they stand";

    // Hierarchical text: a No leaves the document as it was.
    const std::string mixed = home.Path() + "mixed.txt";
    WriteFileAtomic(mixed, Sjis(".メモ\r\n") + "追記しました。\n");
    host.Calls.clear();
    dialogs.Answer(mrNo);
    EXPECT_FALSE(files->LoadTreeText(mixed));
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_EQ(dialogs.MessageTexts().back(),
              told(mixed, " Shift-JIS の行と UTF-8 の行が混ざっています（UTF-8 の行は 2 行目から）。Shift-JIS "
                          "としてバイトのまま読むと、UTF-8 の行は別の文字になります。\r\n\r\nバイトのまま読み込み"
                          "ますか？「いいえ」なら読み込みません。"));
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);
}

// While clipping, the title leads with "(*)", which a taskbar shows
// however much of a long title it cuts; other windows compare the caption
// without it.
TEST_F(DocumentFiles, TheShownCaptionCarriesTheClippingMarkerTheDocumentsCaptionDoesNot)
{
    host.Clipping = true;
    files->NameDocument(home.Path() + "doc");
    const std::string caption = home.Path() + "doc.vk2";
    EXPECT_EQ(files->DocumentCaption(), caption);
    EXPECT_EQ(files->CaptionText(), caption + ClippingCaptionMarker());
    EXPECT_EQ(host.Calls,
              (std::vector<std::string>{"ShowTitle (*)" + caption + ClippingCaptionMarker(), "DocumentNamed"}))
        << "a named document has the tool buttons follow";
    EXPECT_TRUE(instances.IsCaptionOpen(caption + ClippingCaptionMarker()));

    host.Clipping = false;
    files->RefreshCaption();
    EXPECT_EQ(host.Calls.back(), "ShowTitle " + caption);
    EXPECT_TRUE(instances.IsCaptionOpen(caption));
}

} // namespace
