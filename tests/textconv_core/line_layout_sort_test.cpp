// Sorting lines by a key column.
#include "StrSort.h"
#include "Strings.h"
#include "TestText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace textconv;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::vector<std::string> Sorted(std::vector<std::string> Lines, int Column, bool Descending = false)
{
    TStringList list;
    for (const std::string& line : Lines)
        list.Add(line);
    if (Descending)
        SortLinesDescending(list, Column);
    else
        SortLinesAscending(list, Column);
    std::vector<std::string> result;
    for (int i = 0; i < list.Count(); ++i)
        result.push_back(list.Strings(i));
    return result;
}

} // namespace

TEST(SortLines, ComparesAsciiLettersWithoutCase)
{
    EXPECT_THAT(Sorted({"b", "A"}, 1), ElementsAre("A", "b"));
    EXPECT_THAT(Sorted({"a", "B"}, 1), ElementsAre("a", "B"));
    EXPECT_THAT(Sorted({"c", "b", "A"}, 1), ElementsAre("A", "b", "c"));
    EXPECT_THAT(Sorted({"B", "c", "a"}, 1), ElementsAre("a", "B", "c"));
    EXPECT_THAT(Sorted({"b", "A", "c"}, 1, true), ElementsAre("c", "b", "A"));
    // Bytes compare as unsigned values: kana after ASCII.
    EXPECT_THAT(Sorted({S("あ"), "z", "~"}, 1), ElementsAre("z", "~", S("あ")));
}

TEST(SortLines, KeepsTheOrderOfEqualKeys)
{
    const std::vector<std::string> same = {"1a", "2A", "3a", "4A", "5a"};
    EXPECT_THAT(Sorted(same, 2), ElementsAreArray(same));
    EXPECT_THAT(Sorted(same, 2, true), ElementsAreArray(same));
    EXPECT_THAT(Sorted({"b", "a", "B", "A"}, 1), ElementsAre("a", "A", "b", "B"));
    EXPECT_THAT(Sorted({"b", "a", "B", "A"}, 1, true), ElementsAre("b", "B", "a", "A"));
}

TEST(SortLines, SortsFromTheKeyColumn)
{
    EXPECT_THAT(Sorted({"1b", "2a", "3c"}, 2), ElementsAre("2a", "1b", "3c"));
    EXPECT_THAT(Sorted({"1b", "2a", "3c"}, 2, true), ElementsAre("3c", "1b", "2a"));
    // A line too short for the column has an empty key; a column below 1 is 1.
    EXPECT_THAT(Sorted({"xxb", "xxa", "x"}, 3), ElementsAre("x", "xxa", "xxb"));
    EXPECT_THAT(Sorted({"b", "a"}, 0), ElementsAre("a", "b"));
    EXPECT_THAT(Sorted({"b", "a"}, -3), ElementsAre("a", "b"));
}

TEST(SortLines, LeavesDoubleByteCharactersAsTheyAre)
{
    // ヂ is 83 61: upper-casing its trail byte would make it ア (83 41) and
    // sort it before カ (83 4A).
    EXPECT_THAT(Sorted({S("ヂ"), S("カ")}, 1), ElementsAre(S("カ"), S("ヂ")));
    EXPECT_THAT(Sorted({S("xヂ"), S("xカ"), S("xア")}, 2), ElementsAre(S("xア"), S("xカ"), S("xヂ")));
}

TEST(SortLines, MovesTheObjectsWithTheirLines)
{
    TObject first, second;
    TStringList list;
    list.AddObject("b", &first);
    list.AddObject("a", &second);
    SortLinesAscending(list, 1);
    EXPECT_EQ(list.Strings(0), "a");
    EXPECT_EQ(list.Objects(0), &second);
    EXPECT_EQ(list.Objects(1), &first);

    TStringList empty;
    SortLinesAscending(empty, 1);
    EXPECT_EQ(empty.Count(), 0);
}
