#include "edSearch.h"

#include "edEditTestSupport.h"

namespace {

class SearchTest : public edtest::EditFixture {
protected:
    std::optional<TSearchHit> Search(std::string_view Pattern, TEditorSearchOptions Options, TCaretPos From,
                                     int Skip = 0)
    {
        return SearchRows(List(), Pattern, Options, From.Row, CaretIndex(List(), From.Row, From.Col), Skip);
    }
    static TCaretPos At(const std::optional<TSearchHit>& Hit) { return Hit ? Hit->Caret : TCaretPos{-1, -1}; }
};

constexpr TEditorSearchOptions Down = esDown | esMatchCase;
constexpr TEditorSearchOptions Up = esMatchCase;

TEST_F(SearchTest, ForwardsAndBackwardsFromThePlaceGiven)
{
    SetText("one two\r\nthree two\r\ntwo");
    EXPECT_EQ(At(Search("two", Down, {0, 0})), (TCaretPos{0, 4}));
    EXPECT_EQ(At(Search("two", Down, {0, 5})), (TCaretPos{1, 6}));
    // A hit shown as a caret is passed over by its length.
    EXPECT_EQ(At(Search("two", Down, {0, 4}, 3)), (TCaretPos{1, 6}));
    EXPECT_EQ(At(Search("two", Down, {1, 7})), (TCaretPos{2, 0}));
    EXPECT_FALSE(Search("two", Down, {2, 1}));
    EXPECT_FALSE(Search("two", Down, {3, 0}));

    EXPECT_EQ(At(Search("two", Up, {2, 3})), (TCaretPos{2, 0}));
    EXPECT_EQ(At(Search("two", Up, {2, 0})), (TCaretPos{1, 6}));
    EXPECT_EQ(At(Search("two", Up, {1, 6})), (TCaretPos{0, 4}));
    EXPECT_FALSE(Search("two", Up, {0, 4}));
    // From the top: nothing.
    EXPECT_FALSE(Search("one", Up, {0, 0}));
    // Below the last row the search starts at the text's end.
    SetText("ab\r\nab\r\n");
    EXPECT_EQ(At(Search("ab", Up, {2, 0})), (TCaretPos{1, 0}));
    // An empty pattern or text finds nothing.
    EXPECT_FALSE(Search("", Down, {0, 0}));
    SetText("");
    EXPECT_FALSE(Search("a", Down, {0, 0}));
}

TEST_F(SearchTest, ALongRowWithoutAHitEndsTheSearch)
{
    // One row far longer than a chunk.
    SetText(std::string(20000, 'a') + "\r\n" + std::string(20000, 'b'));
    EXPECT_FALSE(Search("c", Down, {0, 0}));
    EXPECT_FALSE(Search("c", Up, {1, 20000}));
    EXPECT_EQ(At(Search("ab", Down | esIgnoreLineBreaks, {0, 5})), (TCaretPos{0, 19999}));
    EXPECT_FALSE(Search("ab", Down | esIgnoreLineBreaks, {0, 19999}, 4));
    EXPECT_EQ(At(Search("ab", Up | esIgnoreLineBreaks, {1, 20000})), (TCaretPos{0, 19999}));
    EXPECT_EQ(At(Search("b", Up, {1, 20000})), (TCaretPos{1, 19999}));
}

TEST_F(SearchTest, HitsAreFoundAcrossChunkBoundaries)
{
    // Rows take 100 places: a chunk from row 0 holds rows 0-81, one from
    // the end rows 118-199. Rows 81-82 and 117-118 hold "<" CR LF ">".
    std::string text;
    for (int i = 0; i < 200; ++i) {
        std::string row = std::string(97, '.') + static_cast<char>('A' + i % 26);
        if (i == 81 || i == 117)
            row.back() = '<';
        if (i == 82 || i == 118)
            row.front() = '>';
        text += row + "\r\n";
    }
    SetText(text);
    const std::optional<TSearchHit> hit = Search("<>", Down | esIgnoreLineBreaks, {0, 0});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Caret, (TCaretPos{81, 97}));
    EXPECT_EQ(hit->Length, 4);
    EXPECT_EQ(At(Search("<\r\n>", Up, {200, 0})), (TCaretPos{117, 97}));
    // Every "Z" is found going from one hit to the next, both ways.
    for (const TEditorSearchOptions options : {Down, Up}) {
        int found = 0;
        TCaretPos from = options == Down ? TCaretPos{0, 0} : TCaretPos{200, 0};
        int skip = 0;
        while (std::optional<TSearchHit> next = Search("Z", options, from, skip)) {
            ++found;
            from = next->Caret;
            skip = options == Down ? next->Length : 0;
        }
        EXPECT_EQ(found, 7);
    }
}

TEST_F(SearchTest, WholeWordsSeeTheWholeLogicalLine)
{
    // A word cut by the wrap is one word: "foo" + "bar" is no "foo".
    std::string line;
    while (line.size() < 9000)
        line += "abcd efgh ";
    line += "x foo";
    SetText(std::string(17, 'y') + "foobar " + line, true, 20);
    ASSERT_EQ(List().RowText(0), std::string(17, 'y') + "foo");
    const std::optional<TSearchHit> hit = Search("foo", Down | esWholeWord, {0, 0});
    ASSERT_TRUE(hit);
    EXPECT_EQ(CharPos(List(), hit->Caret.Row, CaretIndex(List(), hit->Caret.Row, hit->Caret.Col)),
              static_cast<int>(List().GetTextLen()) - 3);
    EXPECT_FALSE(Search("bar", Up | esWholeWord, {5, 0}));
}

} // namespace
