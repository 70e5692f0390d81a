// TTreeNodes: the page tree's structure, moves, order, selection, deletion
// events, sorting, tab-indented text and what a view hears of all that.
#include "TreeNodes.h"

#include "SjisLiteral.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

// An outline written with one '.' per level: {"a", ".b", "c"}.
std::string Outline(std::initializer_list<std::string> Lines)
{
    std::string text;
    for (const std::string& line : Lines) {
        const size_t level = std::min(line.find_first_not_of('.'), line.size());
        text += std::string(level, '\t') + line.substr(level) + "\r\n";
    }
    return text;
}

TTreeNode* Find(const TTreeNodes& Nodes, const std::string& Title)
{
    for (TTreeNode* node = Nodes.GetFirstNode(); node; node = node->GetNext())
        if (node->Text() == Title)
            return node;
    ADD_FAILURE() << "no node " << Title;
    return nullptr;
}

std::string Name(const TTreeNode* Node) { return Node ? Node->Text() : "-"; }

// A record that counts how many of its kind are alive.
struct TCounted : TPersistent {
    static inline int Alive = 0;
    TCounted() { ++Alive; }
    ~TCounted() override { --Alive; }
};

const std::string Sample = Outline({"a", ".b", "..c", ".d", "e"});

TEST(TreeNodes, AddsNodesAtEachPlace)
{
    struct TCase {
        TTreeNode* (TTreeNodes::*Add)(TTreeNode*, const std::string&);
        const char* Anchor; // null: none
        std::string Expected;
    } cases[] = {
        {&TTreeNodes::Add, "b", Outline({"a", ".b", "..c", ".d", ".n", "e"})},
        {&TTreeNodes::Add, nullptr, Outline({"a", ".b", "..c", ".d", "e", "n"})},
        {&TTreeNodes::AddFirst, "d", Outline({"a", ".n", ".b", "..c", ".d", "e"})},
        {&TTreeNodes::AddFirst, nullptr, Outline({"n", "a", ".b", "..c", ".d", "e"})},
        {&TTreeNodes::AddChild, "b", Outline({"a", ".b", "..c", "..n", ".d", "e"})},
        {&TTreeNodes::AddChildFirst, "a", Outline({"a", ".n", ".b", "..c", ".d", "e"})},
        {&TTreeNodes::Insert, "d", Outline({"a", ".b", "..c", ".n", ".d", "e"})},
        {&TTreeNodes::Insert, nullptr, Outline({"a", ".b", "..c", ".d", "e", "n"})},
    };
    for (const TCase& c : cases) {
        TTreeNodes nodes;
        nodes.LoadFromText(Sample);
        TTreeNode* added = (nodes.*c.Add)(c.Anchor ? Find(nodes, c.Anchor) : nullptr, "n");
        EXPECT_EQ(nodes.SaveToText(), c.Expected) << (c.Anchor ? c.Anchor : "null");
        EXPECT_EQ(added->Text(), "n");
        EXPECT_EQ(nodes.Item(added->AbsoluteIndex()), added);
    }
}

TEST(TreeNodes, MovesSubtreesAndRefusesMovesIntoThemselves)
{
    struct TCase {
        const char* Node;
        const char* Destination; // null: the top level
        TNodeAttachMode Mode;
        std::string Expected;
    } cases[] = {
        {"b", "e", TNodeAttachMode::naAddChild, Outline({"a", ".d", "e", ".b", "..c"})},
        {"e", "a", TNodeAttachMode::naAddChildFirst, Outline({"a", ".e", ".b", "..c", ".d"})},
        {"d", "b", TNodeAttachMode::naInsert, Outline({"a", ".d", ".b", "..c", "e"})},
        {"b", "d", TNodeAttachMode::naAdd, Outline({"a", ".d", ".b", "..c", "e"})},
        {"d", "c", TNodeAttachMode::naAddFirst, Outline({"a", ".b", "..d", "..c", "e"})},
        {"c", nullptr, TNodeAttachMode::naAdd, Outline({"a", ".b", ".d", "e", "c"})},
        {"e", nullptr, TNodeAttachMode::naInsert, Sample},
        {"e", "a", TNodeAttachMode::naInsert, Outline({"e", "a", ".b", "..c", ".d"})},
    };
    for (const TCase& c : cases) {
        TTreeNodes nodes;
        nodes.LoadFromText(Sample);
        TTreeNode* node = Find(nodes, c.Node);
        node->MoveTo(c.Destination ? Find(nodes, c.Destination) : nullptr, c.Mode);
        EXPECT_EQ(nodes.SaveToText(), c.Expected) << c.Node << " to " << (c.Destination ? c.Destination : "null");
        EXPECT_EQ(nodes.Item(node->AbsoluteIndex()), node);
    }
    TTreeNodes nodes;
    nodes.LoadFromText(Sample);
    TTreeNode* a = Find(nodes, "a");
    for (const char* destination : {"a", "b", "c"})
        for (TNodeAttachMode mode : {TNodeAttachMode::naAdd, TNodeAttachMode::naAddChild, TNodeAttachMode::naInsert})
            EXPECT_THROW(a->MoveTo(Find(nodes, destination), mode), EInvalidOperation) << destination;
    EXPECT_EQ(nodes.SaveToText(), Sample);
}

TEST(TreeNodes, WalksInTreeOrder)
{
    TTreeNodes nodes;
    nodes.LoadFromText(Sample);
    std::string backward;
    for (TTreeNode* node = nodes.Item(nodes.Count() - 1); node; node = node->GetPrev())
        backward = node->Text() + std::to_string(node->AbsoluteIndex()) + backward;
    EXPECT_EQ(backward, "a0b1c2d3e4");
    TTreeNodes deep;
    deep.LoadFromText(Outline({"a", ".b", "..c", "d"}));
    EXPECT_EQ(Find(deep, "d")->GetPrev(), Find(deep, "c")); // the previous sibling's deepest last node

    TTreeNode* b = Find(nodes, "b");
    EXPECT_EQ(Name(b->Parent()) + Name(b->getPrevSibling()) + Name(b->getNextSibling()) + Name(b->GetFirstChild())
                  + Name(b->GetLastChild()),
              "a-dcc");
    TTreeNode* c = Find(nodes, "c");
    EXPECT_EQ(std::tuple(c->Level(), c->HasAsParent(Find(nodes, "a")), Find(nodes, "a")->HasAsParent(c)),
              std::tuple(2, true, false));
    EXPECT_THROW(nodes.Item(5), EListError);
    EXPECT_THROW(b->Item(1), EListError);
}

TEST(TreeNodes, DeletionReportsEveryNodeWithItsDataBeforeFreeingIt)
{
    TTreeNodes nodes;
    nodes.LoadFromText(Sample);
    for (TTreeNode* node = nodes.GetFirstNode(); node; node = node->GetNext())
        node->SetData(std::make_unique<TCounted>());
    std::string deleted;
    nodes.OnDeletion = [&](TTreeNode* Node) {
        EXPECT_NE(Node->Data(), nullptr);
        EXPECT_EQ(nodes.Item(Node->AbsoluteIndex()), Node); // still in the tree
        deleted += Node->Text();
    };
    nodes.Delete(Find(nodes, "a"));
    // Children before their parent.
    EXPECT_EQ(std::tuple(deleted, TCounted::Alive, nodes.SaveToText()), std::tuple("dcba", 1, Outline({"e"})));

    deleted.clear();
    nodes.Clear();
    EXPECT_EQ(std::tuple(deleted, TCounted::Alive, nodes.Count()), std::tuple("e", 0, 0));
    EXPECT_EQ(nodes.GetFirstNode(), nullptr);
}

TEST(TreeNodes, SelectionMovesOffADeletedNodeWithoutNamingIt)
{
    struct TCase {
        const char* Selected;
        const char* Deleted;
        const char* Then;      // null: none
        bool Children = false; // delete only the children of Deleted
    } cases[] = {
        {"b", "b", "d"},       // next sibling
        {"d", "d", "b"},       // else previous sibling
        {"c", "c", "b"},       // else parent
        {"c", "b", "d"},       // the selection inside the deleted subtree
        {"e", "a", "e"},       // not affected
        {"x", "x", nullptr},   // the last node
        {"c", "a", "a", true}, // once to the parent of the deleted children
    };
    for (const TCase& c : cases) {
        TTreeNodes nodes;
        nodes.LoadFromText(c.Selected == std::string("x") ? Outline({"x"}) : Sample);
        nodes.SetSelected(Find(nodes, c.Selected));
        std::vector<std::string> events;
        nodes.OnChanging = [&](TTreeNode* Node) {
            events.push_back("changing " + Name(Node) + " from " + Name(nodes.Selected()));
        };
        nodes.OnChange = [&](TTreeNode* Node) { events.push_back("change " + Name(Node)); };
        nodes.OnDeletion = [&](TTreeNode* Node) { EXPECT_NE(nodes.Selected(), Node); };
        if (c.Children)
            Find(nodes, c.Deleted)->DeleteChildren();
        else
            nodes.Delete(Find(nodes, c.Deleted));
        const std::string then = c.Then ? c.Then : "-";
        EXPECT_EQ(Name(nodes.Selected()), then) << c.Deleted;
        if (c.Selected == std::string("e"))
            EXPECT_TRUE(events.empty());
        else
            EXPECT_EQ(events, (std::vector<std::string>{"changing " + then + " from -", "change " + then}));
        if (c.Children) {
            EXPECT_EQ(nodes.SaveToText(), Outline({"a", "e"}));
        }
    }
}

TEST(TreeNodes, SavesAndLoadsTabIndentedText)
{
    TTreeNodes nodes;
    const std::string text = Outline({Sjis("日本"), "." + Sjis("表示"), "..", "x"});
    nodes.LoadFromText(text);
    EXPECT_EQ(nodes.SaveToText(), text);
    EXPECT_EQ(Find(nodes, Sjis("表示"))->DisplayText(), u"表示");
    Find(nodes, Sjis("表示"))->SetText(Sjis("後ろ"));
    EXPECT_EQ(Find(nodes, Sjis("後ろ"))->DisplayText(), u"後ろ");

    nodes.LoadFromText("a\n\tb\n\t\tc");
    EXPECT_EQ(nodes.SaveToText(), Outline({"a", ".b", "..c"}));

    int deleted = 0;
    nodes.OnDeletion = [&](TTreeNode*) { ++deleted; };
    for (const char* bad : {"\ta\r\n", "a\r\n\t\tb\r\n"}) {
        EXPECT_THROW(nodes.LoadFromText(bad), ETreeViewError) << bad;
        EXPECT_EQ(nodes.SaveToText(), Outline({"a", ".b", "..c"}));
    }
    EXPECT_EQ(deleted, 0);
    nodes.LoadFromText("");
    EXPECT_EQ(deleted, 3);
    EXPECT_EQ(nodes.Count(), 0);
}

TEST(TreeNodes, VeryDeepTreesNeedNoDeepStack)
{
    TTreeNodes nodes;
    TTreeNode* node = nullptr;
    for (int i = 0; i < 100000; ++i)
        node = nodes.AddChild(node, "x");
    EXPECT_EQ(std::tuple(nodes.Item(99999), node->Level()), std::tuple(node, 99999));
    int deleted = 0;
    nodes.OnDeletion = [&](TTreeNode*) { ++deleted; };
    nodes.Delete(nodes.GetFirstNode());
    EXPECT_EQ(deleted, 100000);
}

// Records what a view would hear.
class TRecorder : public TTreeNodesObserver {
public:
    std::vector<std::string> Heard;

private:
    void Say(const std::string& What, const TTreeNode* Node = nullptr, const std::string& More = "")
    {
        Heard.push_back(What + (Node ? " " + Node->Text() : "") + More);
    }
    void NodesInserting(TTreeNode* Parent, int First, int Last) override
    {
        Say("insert", Parent, std::to_string(First) + std::to_string(Last));
    }
    void NodesInserted() override { Say("inserted"); }
    void NodesRemoving(TTreeNode* Node) override { Say("remove", Node); }
    void NodesRemoved() override { Say("removed"); }
    void NodeMoving(TTreeNode* Node, TTreeNode* NewParent, int Row) override
    {
        Say("move", Node, " " + NewParent->Text() + std::to_string(Row));
    }
    void NodeMoved(TTreeNode* Node) override { Say("moved", Node); }
    void OrderChanging() override { Say("order"); }
    void OrderChanged() override { Say("ordered"); }
    void NodesResetting() override { Say("reset"); }
    void NodesReset() override { Say("was reset"); }
    void NodeChanged(TTreeNode* Node) override { Say("change", Node); }
    void NodeExpandedChanged(TTreeNode* Node) override { Say("expand", Node); }
    void SelectionChanged(TTreeNode* Node) override { Say("select", Node); }
};

TEST(TreeNodes, ObserversHearEachChangeOrOneResetForAnUpdate)
{
    TTreeNodes nodes;
    nodes.LoadFromText(Sample);
    TRecorder recorder;
    nodes.AddObserver(&recorder);
    TTreeNode* a = Find(nodes, "a");
    nodes.AddChild(a, "n");
    Find(nodes, "e")->MoveTo(a, TNodeAttachMode::naAddChildFirst);
    Find(nodes, "b")->MoveTo(Find(nodes, "d"), TNodeAttachMode::naInsert); // stays where it is
    Find(nodes, "d")->MoveTo(a, TNodeAttachMode::naAddChild);
    a->SetText("A");
    a->SetText("A");
    a->SetStateIndex(2);
    a->SetExpanded(true);
    nodes.SetSelected(a);
    nodes.CustomSort(nullptr, false);
    nodes.Delete(Find(nodes, "n"));
    EXPECT_EQ(recorder.Heard, (std::vector<std::string>{"insert a22", "inserted", "move e a0", "moved e", "move d a4",
                                                        "moved d", "change A", "change A", "expand A", "select A",
                                                        "order", "ordered", "remove n", "removed"}));

    recorder.Heard.clear();
    WithinUpdate(nodes, [&] {
        WithinUpdate(nodes, [&] { nodes.Add(nullptr, "x"); });
        nodes.Clear();
        nodes.Add(nullptr, "y");
    });
    nodes.Clear();
    EXPECT_EQ(recorder.Heard, (std::vector<std::string>{"reset", "was reset", "reset", "was reset"}));
    nodes.RemoveObserver(&recorder);
}

TEST(TreeNodes, SelectingFiresChangingBeforeAndChangeAfter)
{
    TTreeNodes nodes;
    nodes.LoadFromText(Sample);
    std::vector<std::string> events; // the node told of, then the selection
    nodes.OnChanging = nodes.OnChange = [&](TTreeNode* Node) { events.push_back(Name(Node) + Name(nodes.Selected())); };
    nodes.SetSelected(Find(nodes, "b"));
    nodes.SetSelected(Find(nodes, "b"));
    nodes.SetSelected(Find(nodes, "e"));
    EXPECT_EQ(events, (std::vector<std::string>{"b-", "bb", "eb", "ee"}));
    EXPECT_TRUE(Find(nodes, "e")->Selected());
    TTreeNodes other;
    EXPECT_THROW(other.SetSelected(Find(nodes, "a")), EInvalidOperation);

    // Closing a node over the selection selects the node.
    nodes.SetSelected(Find(nodes, "c"));
    Find(nodes, "a")->Expand(true);
    Find(nodes, "b")->Collapse(false);
    EXPECT_EQ(nodes.Selected(), Find(nodes, "b"));
}

} // namespace
