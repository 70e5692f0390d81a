// The pages a list search finds, and where the list of them stands as
// pages are stepped through and deleted.
#include "FoundPageList.h"

#include "TreeNodes.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// a > (b > c), d; e; titles with "*" hold a hit.
class FoundPages : public testing::Test {
protected:
    FoundPages()
    {
        TTreeNode* a = items.Add(nullptr, "a*");
        TTreeNode* b = items.AddChild(a, "b");
        items.AddChild(b, "c*");
        items.AddChild(a, "d*");
        items.Add(nullptr, "e*");
    }
    TTreeNode* Node(int Index) const { return items.Item(Index); }
    std::string Titles(const std::vector<TTreeNode*>& Pages) const
    {
        std::string titles;
        for (const TTreeNode* page : Pages)
            titles += page->Text().substr(0, 1);
        return titles;
    }
    std::string Find(
        int Start, int Scope, std::function<bool()> Stopped = [] { return false; }) const
    {
        const auto hit = [](const TTreeNode& Node) { return Node.Text().back() == '*'; };
        return Titles(FindPages(Node(Start), Scope, hit, Stopped));
    }
    TTreeNodes items;
};

TEST_F(FoundPages, EachScopeListsItsPagesInDocumentOrder)
{
    struct TCase {
        int Start, Scope;
        const char* Expected;
    };
    const TCase cases[] = {
        {0, 0, "acde"}, // every page
        {2, 1, "cde"},  // this and the later pages
        {1, 2, "c"},    // b's subtree, which ends before d
        {0, 2, "acd"},  // the page before its children
        {3, 2, "d"},    // a last child's subtree ends there
        {4, 2, "e"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Find(c.Start, c.Scope), c.Expected) << c.Start << " " << c.Scope;
    int asked = 0;
    EXPECT_EQ(Find(0, 0, [&asked] { return ++asked > 3; }), "ac") << "Esc keeps the pages found so far";
}

TEST_F(FoundPages, TheListKeepsStandingOnItsPageAsPagesLeave)
{
    TFoundPageList list;
    int changes = 0;
    list.OnChange = [&changes] { ++changes; };
    list.Assign({Node(0), Node(2), Node(3), Node(4)});
    EXPECT_EQ(list.Step(0), nullptr) << "nothing before the first";
    EXPECT_EQ(list.Step(2), nullptr) << "no such direction";
    list.Step(1);
    list.Step(1);
    // Removed, then where the list stands: before d, d itself (e takes its
    // place), the last entry (back to c), a page not listed.
    const std::pair<int, int> removals[] = {{0, 3}, {3, 4}, {4, 2}, {1, 2}};
    for (const auto& [removed, standsOn] : removals) {
        list.Remove(Node(removed));
        EXPECT_EQ(list.Current(), Node(standsOn)) << removed;
    }
    EXPECT_EQ(list.Remove(Node(2)), 0);
    EXPECT_EQ(list.Current(), nullptr);
    EXPECT_EQ(list.Step(1), nullptr);
    EXPECT_EQ(changes, 5) << "one assignment and four removals";
}

} // namespace
