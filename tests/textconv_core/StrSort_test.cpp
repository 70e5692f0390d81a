// Sorting lines by a key column.
#include "StrSort.h"
#include "Strings.h"
#include "TestText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

using namespace textconv;
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

struct SortCase {
    std::vector<std::string> Lines;
    int Column;
    bool Descending;
    std::vector<std::string> Expected;
};

TEST(SortLines, ComparesFromTheKeyColumnWithoutCaseAndKeepsEqualKeysAndDoubleByteCharactersAsTheyAre)
{
    const std::vector<std::string> same = {"1a", "2A", "3a", "4A", "5a"};
    // clang-format off
    const std::vector<SortCase> cases = {
        {{"b", "A"}, 1, false, {"A", "b"}}, {{"a", "B"}, 1, false, {"a", "B"}},
        {{"c", "b", "A"}, 1, false, {"A", "b", "c"}}, {{"B", "c", "a"}, 1, false, {"a", "B", "c"}},
        {{"b", "A", "c"}, 1, true, {"c", "b", "A"}},
        // Bytes compare as unsigned values: kana after ASCII.
        {{S("あ"), "z", "~"}, 1, false, {"z", "~", S("あ")}}, {same, 2, false, same}, {same, 2, true, same},
        {{"b", "a", "B", "A"}, 1, false, {"a", "A", "b", "B"}}, {{"b", "a", "B", "A"}, 1, true, {"b", "B", "a", "A"}},
        {{"1b", "2a", "3c"}, 2, false, {"2a", "1b", "3c"}}, {{"1b", "2a", "3c"}, 2, true, {"3c", "1b", "2a"}},
        // A line too short for the column has an empty key; a column below 1 is 1.
        {{"xxb", "xxa", "x"}, 3, false, {"x", "xxa", "xxb"}}, {{"b", "a"}, 0, false, {"a", "b"}},
        {{"b", "a"}, -3, false, {"a", "b"}},
        // ヂ is 83 61: upper-casing its trail byte would make it ア (83 41) and
        // sort it before カ (83 4A).
        {{S("ヂ"), S("カ")}, 1, false, {S("カ"), S("ヂ")}},
        {{S("xヂ"), S("xカ"), S("xア")}, 2, false, {S("xア"), S("xカ"), S("xヂ")}},
    };
    // clang-format on
    for (const SortCase& c : cases)
        EXPECT_THAT(Sorted(c.Lines, c.Column, c.Descending), ElementsAreArray(c.Expected))
            << c.Lines.front() << " column " << c.Column;
}

TEST(SortLines, MovesTheObjectsWithTheirLines)
{
    TObject first, second;
    TStringList list;
    list.AddObject("b", &first);
    list.AddObject("a", &second);
    SortLinesAscending(list, 1);
    EXPECT_EQ(std::tuple(list.Strings(0), list.Objects(0), list.Objects(1)), std::tuple("a", &second, &first));

    TStringList empty;
    SortLinesAscending(empty, 1);
    EXPECT_EQ(empty.Count(), 0);
}

TEST(SortLinesText, KeepsWhetherTheTextEndedInALineBreak)
{
    const std::tuple<std::string, bool, std::string> cases[] = {
        {"c\r\na\r\nb", false, "a\r\nb\r\nc"},
        {"c\r\na\r\nb\r\n", false, "a\r\nb\r\nc\r\n"},
        {"b\r\na", true, "b\r\na"},
        {"one line", false, "one line"},
        {"", false, ""},
    };
    for (const auto& [text, descending, expected] : cases)
        EXPECT_EQ(SortLinesText(text, 1, descending), expected) << text;
}
