#include "ShellIDList.h"
#include "ShellNamespace.h"
#include "TempNamespace.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellIDList, HoldsItemsOfOneFolderWithTheirPathsAndSharedCapabilities)
{
    TTempNamespace temp;
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    temp.MakeDirs("home/Desktop/docs/a");
    temp.MakeDirs("home/Desktop/docs/b");
    const auto ns = temp.Make();
    TItemIDList a;
    ASSERT_TRUE(ns->PathToIDList(docs + "/a", a));

    TShellIDList items = TShellIDList::OfItem(*ns, a);
    ASSERT_EQ(items.Count(), 1);
    EXPECT_EQ(items.AbsoluteIDList(0), a);
    EXPECT_EQ(items.Paths(), std::vector<std::string>{docs + "/a"});
    EXPECT_TRUE(items.HasAttribute(SFGAO_CANCOPY | SFGAO_CANMOVE | SFGAO_CANLINK));
    items.Add(ItemOf(TItemKind::Entry, "b"));
    EXPECT_EQ(items.Paths(), (std::vector<std::string>{docs + "/a", docs + "/b"}));
    // What one item lacks, the selection lacks.
    TShellIDList desktopItems(*ns, TItemIDList::Desktop(), {ItemOf(TItemKind::Home)});
    EXPECT_TRUE(desktopItems.HasAttribute(SFGAO_CANCOPY));
    desktopItems.Add(ItemOf(TItemKind::Computer));
    EXPECT_FALSE(desktopItems.HasAttribute(SFGAO_CANCOPY));

    // Items of the desktop: Computer has no path.
    const TShellIDList computer = TShellIDList::OfItem(*ns, ItemOf(TItemKind::Computer));
    EXPECT_TRUE(IsDesktopIDList(computer.ParentIDList()));
    EXPECT_EQ(computer.Paths(), std::vector<std::string>{""});
    // A parent that names no folder binds none: no paths, no capabilities.
    TShellIDList nowhere(*ns, TItemIDList::OneItem("Zunknown"), {ItemOf(TItemKind::Entry, "x")});
    EXPECT_EQ(std::pair(nowhere.Attributes(), nowhere.Paths()), std::pair(0u, std::vector<std::string>{""}));
    nowhere.Clear();
    EXPECT_EQ(std::pair(nowhere.Count(), nowhere.ParentIDList().IsNil()), std::pair(0, true));
}

} // namespace
