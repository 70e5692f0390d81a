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
    std::string Find(int Start, int Scope, std::function<bool()> Stopped = [] { return false; }) const
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
}

TEST_F(FoundPages, EscKeepsThePagesFoundSoFar)
{
    int asked = 0;
    EXPECT_EQ(Find(0, 0, [&asked] { return ++asked > 3; }), "ac");
}

TEST_F(FoundPages, TheListKeepsStandingOnItsPageAsPagesLeave)
{
    TFoundPageList list;
    int changes = 0;
    list.OnChange = [&changes] { ++changes; };
    list.Assign({Node(0), Node(2), Node(3), Node(4)});
    EXPECT_EQ(list.Current(), Node(0));
    EXPECT_EQ(list.Step(0), nullptr) << "nothing before the first";
    EXPECT_EQ(list.Step(2), nullptr) << "no such direction";
    EXPECT_EQ(list.Step(1), Node(2));
    EXPECT_EQ(list.Step(1), Node(3));

    EXPECT_EQ(list.Remove(Node(0)), 0) << "an entry before: the list still stands on d";
    EXPECT_EQ(list.Current(), Node(3));
    EXPECT_EQ(list.Remove(Node(3)), 1) << "its own entry: e takes its place";
    EXPECT_EQ(list.Current(), Node(4));
    EXPECT_EQ(list.Remove(Node(4)), 1) << "the last: back to c";
    EXPECT_EQ(list.Current(), Node(2));
    EXPECT_EQ(list.Remove(Node(1)), -1) << "not listed";
    EXPECT_EQ(list.Remove(Node(2)), 0);
    EXPECT_EQ(list.Position(), -1);
    EXPECT_EQ(list.Current(), nullptr);
    EXPECT_EQ(list.Step(1), nullptr);
    EXPECT_EQ(changes, 5) << "one assignment and four removals";
}

} // namespace
