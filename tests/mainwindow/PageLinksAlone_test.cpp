// The links and row marks driven alone through a fake window: a link
// command acts on the pane the window calls active, a file link starts from
// the folder of the document the window names, and a row mark's caption
// reaches no further than the wrap width the window gives.
#include "PageLinks.h"

#include "Dialogs.h"
#include "EditorEx.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "Menus.h"
#include "PageLinksHost.h"
#include "ScriptedDialogs.h"
#include "ShellOpen.h"
#include "SubIni.h"
#include "TreeImageList.h"
#include "TreeView.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class TFakeLinksHost : public IPageLinksHost {
public:
    TEditorEx* ActiveEditor() const override { return Active; }
    bool BrowseViewOn() const override { return false; }
    bool HasFileName() const override { return !DocFileName_.empty(); }
    const std::string& DocFileName() const override { return DocFileName_; }
    const std::string& DocumentCaption() const override { return Caption; }
    void InsertFileLinks(const std::vector<std::string>& Files) override { Inserted = Files; }
    int WrapByteCache() const override { return Wrap; }
    void ShowLineSelection() override { ++LineSelectionShown; }

    TEditorEx* Active = nullptr;
    std::string DocFileName_;
    std::string Caption = "doc";
    int Wrap = 0;
    std::vector<std::string> Inserted;
    int LineSelectionShown = 0;
};

class PageLinksAlone : public testing::Test {
protected:
    PageLinksAlone()
    {
        SettingsVars = {};
        host.Active = dataMemo.get();
        for (TEditorEx* editor : {dataMemo.get(), otherPane.get()}) {
            editor->View()->SetUrl(true);
            TFountainBracketItem* file = editor->View()->Brackets()->Add();
            file->SetLeftBracket("<file@");
            file->SetRightBracket(">");
        }
        SetShellOpenHook([this](const std::string& Target) {
            opened.push_back(Target);
            return true;
        });
    }
    ~PageLinksAlone() override { SetShellOpenHook(nullptr); }
    // Puts Text in Editor with the caret just inside At, then runs the
    // command that selects and follows the link at the caret.
    void Follow(TEditorEx& Editor, const std::string& Text, const std::string& At)
    {
        Editor.SetText(Text);
        Editor.SetSelStart(static_cast<int>(Text.find(At)) + 1);
        menus.Item(Cmd::EdLinkExecute)->Click();
    }

    TScriptedDialogs dialogs;
    TFakeLinksHost host;
    TVelkMenus menus;
    QWidget window;
    QWidget leftDock;
    std::unique_ptr<TEditorEx> dataMemo{TEditor::Create<TEditorEx>()};
    std::unique_ptr<TEditorEx> otherPane{TEditor::Create<TEditorEx>()};
    TTreeView tree;
    TOpenDialog openDialog;
    TTreeImageList treeImages;
    TTreeImageList subImages;
    TPageLinks links{host, {window, menus, *dataMemo, tree, openDialog, treeImages, subImages, leftDock}};
    std::vector<std::string> opened;
};

TEST_F(PageLinksAlone, ALinkCommandFollowsTheLinkInThePaneTheWindowCallsActive)
{
    host.Active = otherPane.get();
    Follow(*otherPane, "title\r\nsee http://example.com/ now", "http");
    EXPECT_EQ(opened, std::vector<std::string>{"http://example.com/"});
    EXPECT_EQ(otherPane->SelText(), "http://example.com/");
    EXPECT_EQ(host.LineSelectionShown, 2) << "once on selecting the link, once on following it";
    EXPECT_EQ(dataMemo->GetText(), "");
}

TEST_F(PageLinksAlone, ARelativeFileLinkStartsFromTheDocumentsFolderAndNeedsOne)
{
    Follow(*dataMemo, "title\r\n<file@notes.txt>", "file@");
    EXPECT_TRUE(opened.empty()) << "a never saved document has no folder";
    Follow(*dataMemo, "title\r\n<file@/srv/notes.txt>", "file@");
    host.DocFileName_ = "/h/u/docs/doc";
    Follow(*dataMemo, "title\r\n<file@../notes.txt>", "file@");
    EXPECT_EQ(opened, (std::vector<std::string>{"/srv/notes.txt", "/h/u/notes.txt"}));
}

TEST_F(PageLinksAlone, ChosenFilesGoToTheWindowAndTheDialogStaysAtTheFirstOnesFolder)
{
    dataMemo->SetText("title\r\n");
    dataMemo->SetSelStart(7);
    dialogs.AnswerFiles({"/h/u/pics/x.png", "/srv/z"});
    menus.Item(Cmd::pEdFileLink)->Click();
    EXPECT_EQ(host.Inserted, (std::vector<std::string>{"/h/u/pics/x.png", "/srv/z"}));
    EXPECT_EQ(openDialog.InitialDir(), "/h/u/pics/");

    SettingsVars.FileLinkPath = true;
    host.Caption = "NewFile";
    host.Inserted.clear();
    menus.Item(Cmd::pEdFileLink)->Click();
    EXPECT_TRUE(host.Inserted.empty()) << "relative links need a saved document";
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"新規作成ではファイルリンクの相対パス指定はできません！"});
}

TEST_F(PageLinksAlone, AMarksCaptionReachesNoFurtherThanTheWrapWidth)
{
    host.Wrap = 4;
    dataMemo->SetText("title\r\nabcdefgh");
    dataMemo->SetSelStart(9);
    menus.Item(Cmd::SetMarkItems[1])->Click();
    EXPECT_EQ(menus.Item(Cmd::JumpItems[1])->Caption(), QStringLiteral("Jump1 abcd"));
    dataMemo->SetSelStart(0);
    menus.Item(Cmd::JumpItems[1])->Click();
    EXPECT_EQ(dataMemo->Row(), 1);
}

} // namespace
