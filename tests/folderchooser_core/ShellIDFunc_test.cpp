#include "ShellIDFunc.h"

#include <gtest/gtest.h>

namespace {

TItemIDList Item(const std::string& Data) { return TItemIDList::OneItem(Data); }

TItemIDList List(std::initializer_list<std::string> Items)
{
    TItemIDList list = TItemIDList::Desktop();
    for (const std::string& item : Items)
        list = ConcatIDLists(list, Item(item));
    return list;
}

const TItemIDList kNil;

TEST(IDList, SizesDepthParentLastAndNext)
{
    const TItemIDList one = List({"C"}), two = List({"C", "V/mnt"});
    const TItemIDList sized = List({"12345678", "1234"}); // items of cb 10 and 6
    const TItemIDList desktop = TItemIDList::Desktop();
    EXPECT_EQ((std::vector{IDListSize(sized), FirstItemSize(sized), IDListSize(desktop), IDListSize(kNil),
                           FirstItemSize(desktop)}),
              (std::vector<size_t>{18, 12, 2, 0, 0}));
    EXPECT_EQ(IDListDepth(kNil), -1);
    EXPECT_EQ(IDListDepth(two), 2);
    EXPECT_TRUE(ParentOfIDList(one).IsNil()) << "the parent of one item is nil, not the desktop";
    EXPECT_EQ(ParentOfIDList(two), one);
    EXPECT_EQ(LastItemOfIDList(two), Item("V/mnt"));
    EXPECT_TRUE(LastItemOfIDList(TItemIDList::Desktop()).IsNil());
    EXPECT_EQ(CopyFirstItem(two), one);
    EXPECT_EQ(NextItemID(one), TItemIDList::Desktop());
    EXPECT_EQ(NextItem(two), Item("V/mnt"));
    EXPECT_TRUE(NextItemID(kNil).IsNil());
}

TEST(IDList, Concatenation)
{
    const TItemIDList a = List({"Fa", "Fb"});
    EXPECT_EQ(ConcatIDLists(a, TItemIDList::Desktop()), a);
    EXPECT_EQ(ConcatIDLists(TItemIDList::Desktop(), a), a);
    EXPECT_TRUE(ConcatIDLists(kNil, a).IsNil());
    EXPECT_TRUE(ConcatIDLists(a, kNil).IsNil());
    EXPECT_EQ(ConcatIDLists(a, Item("Fc")), List({"Fa", "Fb", "Fc"}));

    TItemIDList nil, b = a;
    EXPECT_EQ(ConcatIDListsAndFree(nil, b), a);
    EXPECT_TRUE(nil.IsNil());
    EXPECT_TRUE(b.IsNil());
}

TEST(IDList, PackedBytesAreReadBackOnlyWhenWellFormed)
{
    const TItemIDList list = List({"C", "V/media/usb", "Fname"});
    EXPECT_EQ(TItemIDList::FromBytes(list.Bytes()), list);
    EXPECT_EQ(TItemIDList::FromBytes(std::string(2, '\0')), TItemIDList::Desktop());
    const std::string bytes = list.Bytes();
    for (const std::string& bad : {std::string(), std::string(1, '\0'), bytes.substr(0, bytes.size() - 1),
                                   bytes + std::string(2, '\0'), std::string("\x02\x00\x00\x00", 4),
                                   std::string("\x09\x00"
                                               "C\x00\x00",
                                               5)})
        EXPECT_TRUE(TItemIDList::FromBytes(bad).IsNil()) << testing::PrintToString(bad);
}

TEST(IDList, ItemsGiveEachItemsData)
{
    const std::string big = "F" + std::string(4000, 'x');
    EXPECT_EQ(List({"H", big}).Items(), (std::vector<std::string_view>{"H", big}));
    EXPECT_TRUE(TItemIDList::Desktop().Items().empty());
    EXPECT_EQ(IDListSize(Item(std::string(0xFFFD, 'x'))), 0x10001u);
    EXPECT_TRUE(Item(std::string(0xFFFE, 'x')).IsNil()) << "too long for its count";
    EXPECT_TRUE(Item("").IsNil()) << "every item holds at least its kind";
}

} // namespace
