#include "TreeCommands.h"

#include "Clipboard.h"
#include "EditorDriver.h"
#include "EditorEx.h"
#include "NodeClipboard.h"
#include "NodeClipboardCodec.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "OutlineHost.h"
#include "ScriptedDialogs.h"
#include "SubIni.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

using edtest::TEditorDriver;

class TFakeHost : public IOutlineHost {
public:
    explicit TFakeHost(TEditorEx* Memo) : Memo_(Memo) {}
    TEditorEx* ActiveEditor() const override { return Memo_; }
    void SetActiveEditor(TEditorEx*) override {}
    TEditorEx* DataMemo() const override { return Memo_; }
    TEditorEx* SecondEditor() const override { return nullptr; }
    bool BrowseViewOn() const override { return false; }
    bool BoxSelectionOn() const override { return BoxSelection; }
    bool FindListMode() const override { return false; }
    void ShowFindListPage(TTreeNode*) override {}
    void UpdateStatusBar() override {}
    void UpdateToolButtons() override {}
    void UpdateMarkMenus() override {}
    void SetEditUndoButtons(bool, bool) override {}
    void SetPageHistoryButtons(bool, bool) override {}
    void SetSubIconButton(int) override {}
    void MarkModified() override { ++Modifications; }
    void RefreshSubIconFinder() override {}
    bool FocusSubIconFinder() override { return false; }
    void PageNodeDeleted(TTreeNode*) override {}

    bool BoxSelection = false;
    int Modifications = 0;

private:
    TEditorEx* Memo_;
};

// A page holding bytes that no trip through Unicode keeps: an NEC
// extension character, a half-width kana and a stray byte.
const std::string Odd = std::string("\x87\x90") + "\xB6" + "\x80";

class TreeCommandsTest : public ::testing::Test {
protected:
    TreeCommandsTest()
    {
        SettingsVars = {};
        SettingsVars.PageCursor.Mode = true;
        Memo().OnChange = [this](TObject*) {
            if (!Binding.ShowingPage())
                Binding.StorePage(Items().Selected());
        };
        QGuiApplication::clipboard()->clear();
    }
    ~TreeCommandsTest() override { SettingsVars = {}; }

    TEditorEx& Memo() const { return static_cast<TEditorEx&>(Ed.Ed()); }
    TTreeNodes& Items() { return Tree.Items(); }
    // Builds the tree and shows the page titled Selected.
    void Pages(const TFlatPages& Pages, std::string_view Selected)
    {
        BuildTree(Items(), Pages, TDepthPolicy::Strict);
        Tree.SetSelected(Node(Selected));
    }
    TTreeNode* Node(std::string_view Title)
    {
        for (TTreeNode* node = Items().GetFirstNode(); node != nullptr; node = node->GetNext())
            if (node->Text() == Title)
                return node;
        return nullptr;
    }
    static std::string Text(const TTreeNode* Node)
    {
        const auto* data = dynamic_cast<const TNodeData*>(Node->Data());
        return data != nullptr ? data->ItemStr() : std::string();
    }
    // Every page as "title=text", tree order, a dot per level.
    std::string Outline()
    {
        std::string outline;
        for (TTreeNode* node = Items().GetFirstNode(); node != nullptr; node = node->GetNext())
            outline += std::string(static_cast<size_t>(node->Level()), '.') + node->Text() + "=" + Text(node) + " ";
        return outline;
    }
    static std::string ClipboardText()
    {
        int unmapped = 0;
        return SjisOfClipboardText(QGuiApplication::clipboard()->text(), unmapped);
    }
    // Text as it reads back from the clipboard's Unicode text.
    static std::string ThroughClipboard(std::string_view Sjis)
    {
        int unmapped = 0;
        return SjisOfClipboardText(ClipboardTextOf(Sjis), unmapped);
    }

    TScriptedDialogs Dialogs;
    TEditorDriver Ed{TEditor::Create<TEditorEx>()};
    TFakeHost Host{&Memo()};
    TTreeView Tree;
    TOutlineBinding Binding{Tree, Host};
    TTreeCommands Commands{Binding, Host};
    TNodeClipboard NodeClipboard{Binding, Host};
};

TEST_F(TreeCommandsTest, MergeJoinsThePageBytesAndLeavesTheClipboardAsTheUserKnowsIt)
{
    for (const bool box : {false, true})
        for (const bool clipboardHeldText : {false, true}) {
            Items().Clear();
            Host.BoxSelection = box;
            QGuiApplication::clipboard()->setText(clipboardHeldText ? "kept" : "");
            if (!clipboardHeldText)
                QGuiApplication::clipboard()->clear();
            const std::string first = Odd + "\r\nsecond line";
            Pages({{0, "S", first, 2, 3}, {0, "N", "N\r\nbody", 0, -1}}, "S");
            Dialogs.Answer(mrYes);
            Commands.TreeUnifyClick();
            ASSERT_EQ(Items().Count(), 1);
            const TTreeNode* merged = Items().Selected();
            EXPECT_EQ(Text(merged), first + "N\r\nbody");
            EXPECT_EQ(Memo().GetText(), first + "N\r\nbody");
            EXPECT_EQ(Memo().SelStart(), static_cast<int>(first.size()));
            EXPECT_EQ(merged->StateIndex(), 3);
            EXPECT_FALSE(Memo().CanUndo()) << "a merge cannot be undone";
            EXPECT_EQ(ClipboardText(), clipboardHeldText ? "kept" : ThroughClipboard(first));
        }
}

TEST_F(TreeCommandsTest, SplitMakesTheTextBeforeTheCaretAPageOfItsOwnByteForByte)
{
    Host.BoxSelection = true;
    const std::string page = Odd + "\r\nline2\r\nline3";
    Pages({{0, "P", page, 0, 4}}, "P");
    Memo().SetSelStart(static_cast<int>(Odd.size()) + 2);
    Dialogs.Answer(mrYes);
    Commands.sbPageDevideClick();
    EXPECT_EQ(Outline(), Odd + "=" + Odd + "\r\n line2=line2\r\nline3 ");
    EXPECT_EQ(Items().Selected(), Node("line2"));
    EXPECT_EQ(Memo().GetText(), "line2\r\nline3");
    EXPECT_EQ(Memo().SelStart(), 0);
    EXPECT_EQ(Node(Odd)->StateIndex(), 4) << "the new page takes the sub-icon";
    EXPECT_EQ(Node("line2")->StateIndex(), -1);
    EXPECT_EQ(Memo().SelectionMode(), TEditorSelectionMode::smBox);
    EXPECT_FALSE(Memo().CanUndo()) << "a split cannot be undone";
    EXPECT_EQ(ClipboardText(), ThroughClipboard(Odd + "\r\n"));
}

TEST_F(TreeCommandsTest, MergeAndSplitDoNothingWhereTheyCannotAct)
{
    const struct {
        TFlatPages Pages;
        int Caret;
        bool Merge;
    } cases[] = {
        {{{0, "S", "\r\n", 0, -1}, {0, "N", "n", 0, -1}}, 0, true},
        {{{0, "S", "s", 0, -1}}, 0, true},
        {{{0, "S", "s", 0, -1}, {1, "C", "c", 0, -1}, {0, "N", "n", 0, -1}}, 0, true},
        {{{0, "S", "s", 0, -1}, {0, "N", "n", 0, -1}, {1, "C", "c", 0, -1}}, 0, true},
        {{{0, "S", "two\r\nlines", 0, -1}}, 0, false},
        {{{0, "S", "\r\n", 0, -1}}, 2, false},
    };
    for (const auto& c : cases) {
        Items().Clear();
        Pages(c.Pages, "S");
        Memo().SetSelStart(c.Caret);
        const std::string before = Outline();
        if (c.Merge)
            Commands.TreeUnifyClick();
        else
            Commands.sbPageDevideClick();
        EXPECT_EQ(Outline(), before);
    }
    EXPECT_TRUE(Dialogs.Questions().empty());
}

TEST_F(TreeCommandsTest, DeleteAsksOnlyAboutPagesWithTextOrChildren)
{
    Pages({{0, "A", "A", 0, -1}, {1, "A1", "", 0, -1}, {0, "E", "", 0, -1}, {0, "B", "B\r\nb", 0, -1}}, "E");
    Commands.TreeDelClick();
    EXPECT_TRUE(Dialogs.Questions().empty()) << "an empty leaf goes without a question";
    EXPECT_EQ(Items().Selected(), Node("B")) << "the next page is shown";
    EXPECT_EQ(Memo().GetText(), "B\r\nb");

    Tree.SetSelected(Node("A"));
    Dialogs.Answer(mrNo);
    Commands.TreeDelClick();
    EXPECT_EQ(Dialogs.Questions().at(0).Text,
              "　『A』　を削除します。一度削除したら復活することはできません。本当に削除しますか？");
    EXPECT_EQ(Items().Count(), 3);
    Dialogs.Answer(mrYes);
    Commands.TreeDelClick();
    EXPECT_EQ(Outline(), "B=B\r\nb ");

    Dialogs.Answer(mrYes);
    Commands.TreeDelClick();
    EXPECT_EQ(Dialogs.Questions().back().Text,
              "『B』 は最後の１項目なのでエディタ部がクリアされツリー項目は UnTitled に変わります。実行しますか？");
    EXPECT_EQ(Outline(), "UnTitled= ");
    EXPECT_EQ(Memo().GetText(), "");
    EXPECT_EQ(Host.Modifications, 3);
}

TEST_F(TreeCommandsTest, MovesMarkTheDocumentModifiedEvenWhenNothingMoves)
{
    Pages({{0, "A", "a", 0, -1}, {0, "B", "b", 0, -1}}, "A");
    Commands.TreeMoveUpClick();
    Commands.TreeNodeDownClick();
    Commands.TreeNodeUpClick();
    EXPECT_EQ(Host.Modifications, 2) << "move up and demote, not promote";
    Commands.TreeMoveDownClick();
    EXPECT_EQ(Outline(), "B=b A=a ");
    EXPECT_EQ(Items().Selected(), Node("A"));
}

TEST_F(TreeCommandsTest, CopiedSubtreesPasteAfterTheSelectionWithTheirShapeAndTexts)
{
    Pages({{0, "R", "R", 0, -1}, {1, "P", "P\r\n" + Odd, 3, -1}, {2, "C", "C", 0, -1}, {0, "Z", "Z", 0, -1}}, "P");
    NodeClipboard.TreeNodeCopyClick();
    EXPECT_TRUE(ClipboardHasNodeData());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText()) << "the copy empties the clipboard's text";
    Tree.SetSelected(Node("Z"));
    Memo().SetSelStart(1);
    NodeClipboard.TreeNodePasteClick();
    EXPECT_EQ(Outline(), "R=R .P=P\r\n" + Odd + " ..C=C Z=Z P=P\r\n" + Odd + " .C=C ");
    EXPECT_EQ(Items().Selected(), Items().Item(4)) << "the first pasted page is shown";
    EXPECT_EQ(Memo().SelStart(), 3);
    EXPECT_EQ(dynamic_cast<const TNodeData&>(*Node("Z")->Data()).SelStart(), 1) << "the page left is stored";
}

TEST_F(TreeCommandsTest, CutDeletesOnlyWhatTheClipboardReadsBack)
{
    Pages({{0, "A", "a", 0, -1}, {1, "A1", "", 0, -1}, {0, "B", "b", 0, -1}}, "A");
    NodeClipboard.PutOnClipboard = [](std::string_view) {};
    NodeClipboard.TreeNodeCutClick();
    EXPECT_EQ(Items().Count(), 3);
    EXPECT_EQ(Dialogs.Questions().at(0).Text, "ページをクリップボードに置けませんでした。");

    NodeClipboard.PutOnClipboard = [](std::string_view Bytes) { SetClipboardData(NodeDataClipboardFormat(), Bytes); };
    NodeClipboard.TreeNodeCutClick();
    EXPECT_EQ(Outline(), "B=b ");
    NodeClipboard.TreeNodeCutClick();
    EXPECT_EQ(Outline(), "UnTitled= ") << "cutting the only page leaves an empty one";
    EXPECT_EQ(Memo().GetText(), "");
    NodeClipboard.TreeNodePasteClick();
    EXPECT_EQ(Outline(), "UnTitled= B=b ");
}

TEST_F(TreeCommandsTest, DamagedClipboardPagesInsertNothing)
{
    Pages({{0, "A", "a", 0, -1}}, "A");
    const std::string whole = EncodeNodeClipboard({{0, "X", "x", 0, -1}, {1, "Y", "y", 0, -1}});
    SetClipboardData(NodeDataClipboardFormat(), whole.substr(0, whole.size() - 1));
    NodeClipboard.TreeNodePasteClick();
    EXPECT_EQ(Outline(), "A=a ");
    EXPECT_EQ(Dialogs.Questions().size(), 1u);
    EXPECT_EQ(Host.Modifications, 1) << "a paste marks the document modified all the same";
}

} // namespace
