#include "PageHistory.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// The history only compares node addresses; these stand for pages.
struct TPageSet {
    std::array<char, 32> Storage{};
    TTreeNode* operator[](size_t I) { return reinterpret_cast<TTreeNode*>(&Storage[I]); }
};

using TList = TPageHistory::TNodeList;

class PageHistory : public ::testing::Test {
protected:
    // Selects the pages in turn.
    void Visit(std::initializer_list<size_t> Order)
    {
        for (size_t page : Order) {
            History.PageLeft(Current, P[page]);
            Current = P[page];
        }
    }
    TPageSet P;
    TPageHistory History;
    TTreeNode* Current = nullptr;
};

TEST_F(PageHistory, KeepsTheNineteenNewestPagesLeft)
{
    for (size_t i = 0; i < 25; ++i)
        Visit({i});
    ASSERT_EQ(History.BackList().size(), 19u);
    EXPECT_EQ(History.BackList().front(), P[5]);
    EXPECT_EQ(History.BackList().back(), P[23]);
}

TEST_F(PageHistory, DuplicateRuleDependsOnKeepUnique)
{
    Visit({0, 1, 0, 1});
    EXPECT_EQ(History.BackList(), (TList{P[0], P[1], P[0]}));
    // Without KeepUnique only the last entry counts.
    History.PageLeft(P[0], P[3]);
    EXPECT_EQ(History.BackList().size(), 3u);

    History = TPageHistory();
    Current = nullptr;
    History.SetKeepUnique(true);
    Visit({0, 1, 0, 1, 2});
    EXPECT_EQ(History.BackList(), (TList{P[0], P[1]}));
}

TEST_F(PageHistory, LeavingAPageClearsTheForwardListEvenWhenNothingIsPushed)
{
    Visit({0, 1, 2});
    ASSERT_EQ(History.Back(-1, Current), P[1]);
    Visit({1});
    History.SetSkipPageHistory(true);
    Visit({0});
    History.SetSkipPageHistory(false);
    ASSERT_EQ(History.BackList(), TList{P[0]});
    ASSERT_EQ(History.ForwardList(), TList{P[2]});
    // Page 0 is the last entry already: not pushed again, forward list gone.
    Visit({3});
    EXPECT_EQ(History.BackList(), TList{P[0]});
    EXPECT_TRUE(History.ForwardList().empty());
}

TEST_F(PageHistory, GoingBackFromTheDropDownMovesTheSkippedPagesForwardInOrder)
{
    Visit({0, 1, 2, 3, 4, 5});
    // The menu lists 4 3 2 1 0; its third item (index 2) is page 2.
    const int n = static_cast<int>(History.BackList().size());
    TTreeNode* target = History.Back(n - 2 - 1, Current);
    ASSERT_EQ(target, P[2]);
    EXPECT_EQ(History.ReturnNode(), P[2]);
    EXPECT_EQ(History.BackList(), (TList{P[0], P[1]}));
    EXPECT_EQ(History.ForwardList(), (TList{P[5], P[4], P[3]}));
    // Selecting the return node records nothing and consumes it.
    Visit({2});
    EXPECT_EQ(History.BackList(), (TList{P[0], P[1]}));
    EXPECT_EQ(History.ReturnNode(), nullptr);
    // Stepping forward meets the pages in the order they were left.
    EXPECT_EQ(History.Forward(-1, Current), P[3]);
    Visit({3});
    EXPECT_EQ(History.Forward(-1, Current), P[4]);
}

TEST_F(PageHistory, ImpossibleStepsChangeNothing)
{
    EXPECT_EQ(History.Back(-1, Current), nullptr);
    Visit({0, 1, 2});
    const TTreeNode* none = nullptr;
    EXPECT_EQ(std::tuple(History.Back(2, Current), History.Forward(-1, Current), History.ReturnNode()),
              std::tuple(none, none, none));
    EXPECT_EQ(std::pair(History.BackList(), History.ForwardList()), std::pair(TList{P[0], P[1]}, TList{}));
}

TEST_F(PageHistory, RemoveTakesEveryOccurrenceAndTheReturnNode)
{
    Visit({0, 1, 0, 1, 0, 2, 3});
    History.Back(-1, Current); // returns to 2; 3 goes forward
    History.Remove(P[2]);
    History.Remove(P[0]);
    EXPECT_EQ(History.BackList(), (TList{P[1], P[1]}));
    EXPECT_EQ(History.ReturnNode(), nullptr);
    // A later page at the returned node's address is recorded again.
    Visit({2});
    EXPECT_EQ(History.BackList().back(), P[3]);
}

} // namespace
