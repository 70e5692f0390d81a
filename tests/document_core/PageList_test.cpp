#include "PageList.h"

#include "NodeData.h"
#include "TreeNodes.h"

#include <gmock/gmock.h>

namespace {

TFlatPages PagesAt(std::initializer_list<int> Depths)
{
    TFlatPages pages;
    for (int depth : Depths) {
        const std::string title = "p" + std::to_string(pages.size());
        pages.push_back({depth, title, title + "\r\nbody", static_cast<int32_t>(pages.size()), -1});
    }
    return pages;
}

// The tree's shape as "title:level" in tree order.
std::string Shape(const TTreeNodes& Nodes)
{
    std::string shape;
    for (const TFlatPage& page : FlattenTree(Nodes))
        shape += page.Title + ":" + std::to_string(page.Depth) + " ";
    return shape;
}

TEST(BuildTree, PlacesEachPageByItsPolicy)
{
    const struct {
        TDepthPolicy Policy;
        std::initializer_list<int> Depths;
        const char* Shape;
    } cases[] = {
        {TDepthPolicy::Strict, {0, 1, 2, 1, 0}, "p0:0 p1:1 p2:2 p3:1 p4:0 "},
        {TDepthPolicy::Clamp, {0, 1, 3, 0, 2}, "p0:0 p1:1 p2:2 p3:0 p4:1 "},
        {TDepthPolicy::Clamp, {2, -1}, "p0:0 p1:0 "},
        // Depths count from the first page's: a subtree copied from depth 2.
        {TDepthPolicy::ChildOfPrevious, {2, 3, 5, 3, 1}, "p0:0 p1:1 p2:2 p3:1 p4:0 "},
    };
    for (const auto& c : cases) {
        TTreeNodes nodes;
        BuildTree(nodes, PagesAt(c.Depths), c.Policy);
        EXPECT_EQ(Shape(nodes), c.Shape);
    }
}

TEST(BuildTree, StrictRefusesAJumpWithoutTouchingTheTree)
{
    for (auto depths : {std::initializer_list<int>{0, 1, 3}, {1}, {0, -1}}) {
        TTreeNodes nodes;
        nodes.Add(nullptr, "kept");
        EXPECT_THAT([&] { BuildTree(nodes, PagesAt(depths), TDepthPolicy::Strict); },
                    testing::ThrowsMessage<EPageDepth>(testing::HasSubstr("ページ目")));
        EXPECT_EQ(nodes.Count(), 1);
    }
}

TEST(BuildTree, FlattenGivesBackWhatWasBuilt)
{
    TFlatPages pages = PagesAt({0, 1, 1, 2, 0});
    pages[3].SubIcon = 4;
    pages[4].Text = "";
    TTreeNodes nodes;
    nodes.Add(nullptr, "before");
    EXPECT_EQ(BuildTree(nodes, pages, TDepthPolicy::Strict)->Text(), "p0");
    TFlatPages back = FlattenTree(nodes);
    ASSERT_EQ(back.size(), 6u);
    back.erase(back.begin());
    EXPECT_EQ(back, pages);
    EXPECT_EQ(BuildTree(nodes, {}, TDepthPolicy::Strict), nullptr);
}

} // namespace
