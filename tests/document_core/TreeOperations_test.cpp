#include "TreeOperations.h"

#include "../common/SjisLiteral.h"
#include "NodeData.h"
#include "SubtreeItems.h"
#include "TitleSort.h"
#include "TreeNodes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Trees written one title per line, a dot per level: "S .A ..A1 .B".
void Load(TTreeNodes& Nodes, std::string_view Outline)
{
    std::string text;
    size_t pos = 0;
    while (pos < Outline.size()) {
        size_t end = std::min(Outline.find(' ', pos), Outline.size());
        for (; Outline[pos] == '.'; ++pos)
            text += '\t';
        text.append(Outline.substr(pos, end - pos)) += "\r\n";
        pos = end + 1;
    }
    Nodes.LoadFromText(text);
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
    auto data = std::make_unique<TNodeData>();
    data->SetItemStr("P\r\ntext");
    data->SetSelStart(3);
    p->SetData(std::move(data));

    const TFlatPages pages = AddSubtreeItems(*p);
    std::vector<int> depths;
    std::ranges::transform(pages, std::back_inserter(depths), &TFlatPage::Depth);
    EXPECT_EQ(depths, (std::vector<int>{1, 2, 3, 2}));
    EXPECT_EQ(pages[0], (TFlatPage{1, "P", "P\r\ntext", 3, 5}));
    EXPECT_EQ(pages[3], (TFlatPage{2, "B", "", 0, -1})) << "a page never stored is empty";
    // As a copy always did, each record carries what the clipboard carries.
    const auto* record = dynamic_cast<const TNodeData*>(Find(nodes, "B")->Data());
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->Level(), 2);
    EXPECT_EQ(record->Text(), "B");
    EXPECT_EQ(dynamic_cast<const TNodeData*>(p->Data())->SelLength(), 5);
}

TEST(SubtreeItems, PastedPagesGoAfterTheSelectionWithDepthsCountedFromTheFirst)
{
    const auto pages = [](std::initializer_list<int> Levels) {
        TFlatPages list;
        for (int level : Levels)
            list.push_back({level, "n" + std::to_string(list.size()), "text", 0, list.size() == 0 ? 2 : -1});
        return list;
    };
    const struct {
        const char* Tree;
        const char* Selected; // "" for none
        TFlatPages Pages;
        const char* After;
    } cases[] = {
        // A page with two children, one of which has a child, after a root.
        {"A .A1 B", "A", pages({3, 4, 5, 4}), "A .A1 n0 .n1 ..n2 .n3 B"},
        {"A .A1 .A2", "A2", pages({0}), "A .A1 .A2 .n0"},
        // A page deeper than the one before by any amount is its child; the
        // next climbs by the levels as they came.
        {"A", "A", pages({0, 3, 1}), "A n0 .n1 n2"},
        {"A", "A", pages({0, 3, 3}), "A n0 .n1 .n2"},
        {"A", "", pages({2, 3}), "A n0 .n1"},
        // Shallower than the first: the climb goes on past it, up to the top.
        {"A .B ..C", "C", pages({1, 0, -5}), "A .B ..C ..n0 .n1 n2"},
    };
    for (const auto& c : cases) {
        TTreeNodes nodes;
        Load(nodes, c.Tree);
        TTreeNode* first = RebuildSubtree(nodes, *c.Selected ? Find(nodes, c.Selected) : nullptr, c.Pages);
        EXPECT_EQ(Outline(nodes), c.After) << c.Tree;
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->Text(), "n0");
        EXPECT_EQ(first->StateIndex(), 2);
        EXPECT_EQ(dynamic_cast<const TNodeData*>(first->Data())->ItemStr(), "text");
    }
}

} // namespace
