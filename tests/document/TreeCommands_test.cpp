#include "TreeCommands.h"

#include "Clipboard.h"
#include "EditorDriver.h"
#include "EditorEx.h"
#include "FakeOutlineHost.h"
#include "NodeClipboard.h"
#include "NodeClipboardCodec.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "ScriptedDialogs.h"
#include "SubIni.h"
#include "SubtreeItems.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

// Bytes that no trip through Unicode keeps: an NEC extension character, a
// half-width kana and a stray byte.
const std::string Odd = "\x87\x90\xB6\x80";

class TreeCommandsTest : public ::testing::Test {
protected:
    TreeCommandsTest()
    {
        SettingsVars = {};
        SettingsVars.PageCursor.Mode = true;
        Memo().OnChange = [this](TObject*) {
            if (!Binding.ShowingPage())
                Binding.StorePage(Tree.Selected());
        };
        QGuiApplication::clipboard()->clear();
    }
    ~TreeCommandsTest() override { SettingsVars = {}; }

    TEditorEx& Memo() const { return static_cast<TEditorEx&>(Ed.Ed()); }
    // A new tree of Pages, with page Selected shown.
    void Pages(const TFlatPages& Pages, int Selected)
    {
        Tree.Items().Clear();
        BuildTree(Tree.Items(), Pages, TDepthPolicy::Strict);
        Tree.SetSelected(Tree.Items().Item(Selected));
    }
    // Every page as "title=text", tree order, a dot per level.
    std::string Outline()
    {
        std::string outline;
        for (TTreeNode* node = Tree.Items().GetFirstNode(); node != nullptr; node = node->GetNext())
            outline += std::string(static_cast<size_t>(node->Level()), '.') + node->Text() + "="
                       + NodeRecord(*node).ItemStr() + " ";
        return outline;
    }
    // Text as the clipboard holds it and as it would read back.
    static std::string ClipboardText(std::optional<std::string_view> Put = {})
    {
        int unmapped = 0;
        return SjisOfClipboardText(Put ? ClipboardTextOf(*Put) : QGuiApplication::clipboard()->text(), unmapped);
    }

    TScriptedDialogs Dialogs;
    edtest::TEditorDriver Ed{TEditor::Create<TEditorEx>()};
    TFakeHost Host{&Memo()};
    TTreeView Tree;
    TOutlineBinding Binding{Tree, Host};
    TTreeCommands Commands{Binding, Host};
    TNodeClipboard NodeClipboard{Binding, Host};
};

TEST_F(TreeCommandsTest, MergeJoinsThePageBytesAndLeavesTheClipboardAsTheUserKnowsIt)
{
    const std::string first = Odd + "\r\nsecond";
    for (const bool box : {false, true})
        for (const bool clipboardHeldText : {false, true}) {
            Host.BoxSelection = box;
            QGuiApplication::clipboard()->clear();
            if (clipboardHeldText)
                QGuiApplication::clipboard()->setText("kept");
            Pages({{0, "S", first, 2, 3}, {0, "N", "N\r\nbody", 0, -1}}, 0);
            Dialogs.Answer(mrYes);
            Commands.TreeUnifyClick();
            EXPECT_EQ(Outline(), Odd + "=" + first + "N\r\nbody ");
            EXPECT_EQ(Memo().GetText(), first + "N\r\nbody");
            EXPECT_EQ(std::tuple(Memo().SelStart(), Tree.Selected()->StateIndex(), Memo().CanUndo()),
                      std::tuple(static_cast<int>(first.size()), 3, false));
            EXPECT_EQ(ClipboardText(), clipboardHeldText ? "kept" : ClipboardText(first));
        }
}

TEST_F(TreeCommandsTest, SplitMakesTheTextBeforeTheCaretAPageOfItsOwnByteForByte)
{
    Host.BoxSelection = true;
    Pages({{0, "P", Odd + "\r\nline2\r\nline3", 0, 4}}, 0);
    Memo().SetSelStart(static_cast<int>(Odd.size()) + 2);
    Dialogs.Answer(mrYes);
    Commands.sbPageDevideClick();
    EXPECT_EQ(Outline(), Odd + "=" + Odd + "\r\n line2=line2\r\nline3 ");
    EXPECT_EQ(Tree.Selected(), Tree.Items().Item(1));
    EXPECT_EQ(std::pair(Memo().GetText(), Memo().SelStart()), std::pair(std::string("line2\r\nline3"), 0));
    EXPECT_EQ(std::pair(Tree.Items().Item(0)->StateIndex(), Tree.Selected()->StateIndex()), std::pair(4, -1));
    EXPECT_EQ(std::pair(Memo().SelectionMode(), Memo().CanUndo()), std::pair(TEditorSelectionMode::smBox, false));
    EXPECT_EQ(ClipboardText(), ClipboardText(Odd + "\r\n"));
}

TEST_F(TreeCommandsTest, SplitAndMergeLeaveWhatTheUserHadOnTheClipboard)
{
    // Copied pages carry no text; they must survive as well as text does.
    const QString pagesFormat = QStringLiteral("application/x-velk-test-pages");
    for (const bool merge : {false, true})
        for (const bool text : {false, true}) {
            auto* held = new QMimeData;
            if (text)
                held->setText(QStringLiteral("kept"));
            else
                held->setData(pagesFormat, "pages");
            QGuiApplication::clipboard()->setMimeData(held);
            Pages({{0, "P", "P\r\nline2", 0, -1}, {0, "N", "N", 0, -1}}, 0);
            Memo().SetSelStart(3);
            Dialogs.Answer(mrYes);
            merge ? Commands.TreeUnifyClick() : Commands.sbPageDevideClick();
            ASSERT_EQ(Tree.Items().Count(), merge ? 1 : 3);
            const QMimeData* now = QGuiApplication::clipboard()->mimeData();
            EXPECT_EQ(now->text(), text ? QStringLiteral("kept") : QString()) << merge;
            EXPECT_EQ(now->data(pagesFormat), text ? QByteArray() : QByteArray("pages")) << merge;
        }
}

TEST_F(TreeCommandsTest, MergeAndSplitDoNothingWhereTheyCannotAct)
{
    const struct {
        TFlatPages Pages;
        bool Merge;
        int Selected = 0;
    } cases[] = {
        {{{0, "UnTitled", "\r\n", 0, -1}, {0, "N", "N", 0, -1}}, true},
        {{{0, "N", "N", 0, -1}, {0, "S", "S", 0, -1}}, true, 1},
        {{{0, "S", "S", 0, -1}, {0, "N", "N", 0, -1}, {1, "C", "C", 0, -1}}, true},
        {{{0, "two", "two\r\nlines", 0, -1}}, false},
    };
    for (const auto& c : cases) {
        Pages(c.Pages, c.Selected);
        const std::string before = Outline();
        c.Merge ? Commands.TreeUnifyClick() : Commands.sbPageDevideClick();
        EXPECT_EQ(Outline(), before);
    }
    EXPECT_TRUE(Dialogs.Questions().empty());
}

TEST_F(TreeCommandsTest, DeleteAsksOnlyAboutPagesWithTextOrChildren)
{
    Pages({{0, "A", "A", 0, -1}, {1, "A1", "", 0, -1}, {0, "E", "", 0, -1}, {0, "B", "B", 0, -1}}, 2);
    Commands.TreeDelClick();
    EXPECT_TRUE(Dialogs.Questions().empty()) << "an empty leaf goes without a question";
    EXPECT_EQ(Memo().GetText(), "B") << "the next page is shown";
    Tree.SetSelected(Tree.Items().Item(0));
    Dialogs.Answer(mrNo);
    Dialogs.Answer(mrYes);
    Commands.TreeDelClick();
    Commands.TreeDelClick();
    EXPECT_EQ(Dialogs.Questions().at(0).Text,
              "　『A』　を削除します。一度削除したら復活することはできません。本当に削除しますか？");
    EXPECT_EQ(Outline(), "B=B ");
    Dialogs.Answer(mrYes);
    Commands.TreeDelClick();
    EXPECT_EQ(Dialogs.Questions().back().Text,
              "『B』 は最後の１項目なのでエディタ部がクリアされツリー項目は UnTitled に変わります。実行しますか？");
    EXPECT_EQ(Outline() + "|" + Memo().GetText(), "UnTitled= |");
    Commands.TreeMoveUpClick();
    Commands.TreeNodeUpClick();
    EXPECT_EQ(Host.Modifications, 4) << "move up marks the document modified when nothing moves, promote not";
}

TEST_F(TreeCommandsTest, PagesGoThroughTheClipboardWholeOrNotAtAll)
{
    Pages({{0, "R", "R", 0, -1}, {1, "P", "P\r\n" + Odd, 3, -1}, {2, "C", "C", 0, -1}, {0, "Z", "Z", 0, -1}}, 1);
    NodeClipboard.PutOnClipboard = [](std::string_view) {};
    NodeClipboard.TreeNodeCutClick();
    EXPECT_EQ(Dialogs.Questions().at(0).Text, "ページをクリップボードに置けませんでした。");
    NodeClipboard.PutOnClipboard = [](std::string_view Bytes) { SetClipboardData(NodeDataClipboardFormat(), Bytes); };
    NodeClipboard.TreeNodeCutClick();
    EXPECT_TRUE(ClipboardHasNodeData());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText()) << "the copy empties the clipboard's text";
    EXPECT_EQ(Outline(), "R=R Z=Z ");
    Tree.SetSelected(Tree.Items().Item(1));
    Memo().SetSelStart(1);
    NodeClipboard.TreeNodePasteClick();
    EXPECT_EQ(Outline(), "R=R Z=Z P=P\r\n" + Odd + " .C=C ");
    EXPECT_EQ(std::pair(Tree.Selected(), Memo().SelStart()), std::pair(Tree.Items().Item(2), 3));
    EXPECT_EQ(NodeRecord(*Tree.Items().Item(1)).SelStart(), 1) << "the page left is stored";

    const std::string whole = EncodeNodeClipboard({{0, "X", "x", 0, -1}, {1, "Y", "y", 0, -1}});
    SetClipboardData(NodeDataClipboardFormat(), whole.substr(0, whole.size() - 1));
    NodeClipboard.TreeNodePasteClick();
    EXPECT_EQ(std::pair(Tree.Items().Count(), Dialogs.Questions().size()), std::pair(4, size_t{2}));
    Pages({{0, "A", "a", 0, -1}}, 0);
    NodeClipboard.TreeNodeCutClick();
    EXPECT_EQ(Outline(), "UnTitled= ") << "cutting the only page leaves an empty one";
}

} // namespace
