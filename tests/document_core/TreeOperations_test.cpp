#include "TreeOperations.h"

#include "../common/SjisLiteral.h"
#include "NodeData.h"
#include "SubtreeItems.h"
#include "TitleSort.h"
#include "TreeNodes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Trees written as titles in tree order, a dot per level: "S .A ..A1 .B".
void Load(TTreeNodes& Nodes, std::string_view Outline)
{
    std::string text;
    for (const char c : Outline)
        text += c == '.' ? "\t" : c == ' ' ? "\r\n" : std::string(1, c);
    Nodes.LoadFromText(text + "\r\n");
}

std::string Outline(const TTreeNodes& Nodes)
{
    std::string outline;
    for (const TTreeNode* node = Nodes.GetFirstNode(); node != nullptr; node = node->GetNext())
        outline += (outline.empty() ? "" : " ") + std::string(static_cast<size_t>(node->Level()), '.') + node->Text();
    return outline;
}

TTreeNode* Find(const TTreeNodes& Nodes, std::string_view Title)
{
    for (TTreeNode* node = Nodes.GetFirstNode(); node != nullptr; node = node->GetNext())
        if (node->Text() == Title)
            return node;
    ADD_FAILURE() << "no page " << Title;
    return nullptr;
}

TEST(TreeOperations, ReshapeTheTreeAsEachCommandSays)
{
    const struct {
        const char* Before;
        bool (*Operation)(TTreeNode&);
        const char* Node;
        const char* After; // null: nothing changes
    } cases[] = {
        {"A B .B1 C", MoveUp, "B", "B .B1 A C"},
        {"A B .B1 C", MoveDown, "B", "A C B .B1"},
        {"A B", MoveUp, "A", nullptr},
        {"A .A1 B", MoveDown, "A1", nullptr},
        {"P .A .S ..S1 .B Q", Promote, "S", "P .A .B S .S1 Q"},
        // The last child of the last root becomes the last root.
        {"P .A .S", Promote, "S", "P .A S"},
        {"P", Promote, "P", nullptr},
        {"A .A1 S .S1", Demote, "S", "A .A1 .S ..S1"},
        {"S A", Demote, "S", nullptr},
        {"S .C A .A1 B", SiblingsToChildren, "S", "S .C .A ..A1 .B"},
        {"A S", SiblingsToChildren, "S", nullptr},
        {"S .A ..A1 .B T", ChildrenToSiblings, "S", "S A .A1 B T"},
        {"S T", ChildrenToSiblings, "S", nullptr},
    };
    for (const auto& c : cases) {
        TTreeNodes nodes;
        Load(nodes, c.Before);
        EXPECT_EQ(c.Operation(*Find(nodes, c.Node)), c.After != nullptr) << c.Before << " at " << c.Node;
        EXPECT_EQ(Outline(nodes), c.After ? c.After : c.Before) << c.Before << " at " << c.Node;
    }
}

TEST(TitleSort, ComparesShiftJisBytesWithAsciiLettersFolded)
{
    const struct {
        std::string A, B;
        int Order;
    } cases[] = {
        {"apple", "Banana", -1},
        {"ABC", "abc", 0},
        {"ab", "abc", -1},
        {"Z", "a", 1},
        // A trail byte that looks like a letter never folds: ア (83 41), ヂ (83 61).
        {Sjis("ア"), Sjis("ヂ"), -1},
        {Sjis("あ"), Sjis("い"), -1},
        {"z", Sjis("あ"), -1},
        {Sjis("あ"), Sjis("ｱ"), -1},
        {Sjis("ｱ"), "\xE0\x40", -1},
        // A stray lead byte before a line break is a character of its own.
        {"\x83\r", "\x83\x41", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareTitles(c.A, c.B), c.Order) << c.A << " " << c.B;
        EXPECT_EQ(CompareTitles(c.B, c.A), -c.Order) << c.B << " " << c.A;
    }
}

TEST(TitleSort, SortsEveryLevelOrOnlyBelowAPageKeepingEqualTitlesInOrder)
{
    TTreeNodes nodes;
    Load(nodes, "c .z .y b S .q ..2 ..1 .p a");
    Find(nodes, "S")->SetStateIndex(4);
    SortSubtree(*Find(nodes, "S"));
    EXPECT_EQ(Outline(nodes), "c .z .y b S .p .q ..1 ..2 a");
    SortTree(nodes);
    EXPECT_EQ(Outline(nodes), "a b c .y .z S .p .q ..1 ..2");

    TTreeNodes same;
    Load(same, "b B1 a b2 B3");
    SortTree(same);
    EXPECT_EQ(Outline(same), "a b B1 b2 B3");
}

TEST(SubtreeItems, CopiesAPageWithItsDescendantsAtTheirDepths)
{
    TTreeNodes nodes;
    Load(nodes, "R .P ..A ...A1 ..B .Q");
    TTreeNode* p = Find(nodes, "P");
    p->SetStateIndex(5);
    NodeRecord(*p).SetItemStr("text");
    std::string copied;
    for (const TSubtreeItem& item : AddSubtreeItems(*p))
        copied += std::to_string(item.Level) + std::string(item.Text) + "=" + std::string(item.ItemStr) + ","
                  + std::to_string(item.SelLength) + " ";
    EXPECT_EQ(copied, "1P=text,5 2A=,-1 3A1=,-1 2B=,-1 ");
    // As a copy always did, the records carry what the clipboard carries.
    EXPECT_EQ(NodeRecord(*Find(nodes, "A1")).Level(), 3);
    EXPECT_EQ(NodeRecord(*p).SelLength(), 5);
}

TEST(SubtreeItems, PastedPagesGoAfterTheSelectionWithDepthsCountedFromTheFirst)
{
    const struct {
        const char* Tree;
        const char* Selected; // "" for none
        std::vector<int> Levels;
        const char* After;
    } cases[] = {
        // A page with two children, one of which has a child, after a root.
        {"A .A1 B", "A", {3, 4, 5, 4}, "A .A1 n0 .n1 ..n2 .n3 B"},
        {"A .A1 .A2", "A2", {0}, "A .A1 .A2 .n0"},
        {"A", "", {2, 3}, "A n0 .n1"},
        // Deeper by any amount: a child; each climb counts the levels as they came.
        {"A", "A", {0, 3, 3}, "A n0 .n1 .n2"},
        {"A", "A", {0, 3, 1}, "A n0 .n1 n2"},
        {"A .B ..C", "C", {1, 0, -5}, "A .B ..C ..n0 .n1 n2"},
    };
    for (const auto& c : cases) {
        TTreeNodes nodes;
        Load(nodes, c.Tree);
        TFlatPages pages;
        for (int level : c.Levels) {
            const std::string title = "n" + std::to_string(pages.size());
            pages.push_back({level, title, title + "\r\ntext", 0, pages.empty() ? 2 : -1});
        }
        TTreeNode* first = RebuildSubtree(nodes, *c.Selected ? Find(nodes, c.Selected) : nullptr, std::move(pages));
        EXPECT_EQ(Outline(nodes), c.After) << c.Tree;
        EXPECT_EQ(first->StateIndex(), 2);
        EXPECT_EQ(NodeRecord(*first).ItemStr(), "n0\r\ntext");
    }
}

// Another program may put pages on the clipboard whose titles their texts
// could not give; saved so, the document would no longer open.
TEST(SubtreeItems, APastedTitleItsTextCouldNotGiveIsTheTextsOwn)
{
    TTreeNodes nodes;
    Load(nodes, "A");
    TFlatPages pages{{0, "forged", "  Real title\r\nbody", 0, -1}, {1, "kept", "kept", 0, -1}, {1, "x", "", 0, -1}};
    RebuildSubtree(nodes, Find(nodes, "A"), std::move(pages));
    EXPECT_EQ(Outline(nodes), "A Real title .kept .UnTitled");
}

} // namespace
