// The composed text laid out in its row: the rows it shows are exactly
// those the text would wrap into with the composition typed in, the rows
// around are the list's own, and the composed text is never selected.
#include "edEditTestSupport.h"
#include "edPreeditLayout.h"
#include "edWrap.h"

#include "SjisLiteral.h"

#include <climits>
#include <random>

namespace {

using edtest::EditFixture;

class PreeditLayout : public EditFixture {
protected:
    TComposition Composition(const std::string& Text, int Cursor = -1)
    {
        TComposition composition;
        composition.Text = Text;
        composition.Cursor = Cursor < 0 ? static_cast<int>(Text.size()) : Cursor;
        return composition;
    }

    void Build(TCaretPos Caret, const TComposition& Composition, int LastRow = INT_MAX / 2)
    {
        Layout.Build(List(), List().ColumnModel(), *List().WrapOption(), Caret, Composition, LastRow, nullptr);
    }

    TPreeditLayout Layout;
};

TEST_F(PreeditLayout, RowsAreAFreshWrapOfTheTextWithTheCompositionIn)
{
    static const std::string pieces[] = {"a",  "bc ", Sjis("漢"), Sjis("。"),  Sjis("「"),
                                         "\t", " ",   "word",     Sjis("かな")};
    std::mt19937 random(17);
    const auto pick = [&](int Count) {
        std::string text;
        for (int i = std::uniform_int_distribution(0, Count)(random); i > 0; --i)
            text += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(random)];
        return text;
    };
    for (int round = 0; round < 400; ++round) {
        std::string text;
        for (int line = std::uniform_int_distribution(1, 4)(random); line > 0; --line)
            text += pick(30) + "\r\n";
        if (random() % 2)
            text.resize(text.size() - 2);
        const bool wrap = random() % 4 != 0;
        SetText(text, wrap, std::uniform_int_distribution(20, 40)(random));
        TCaretPos caret = CaretAtPos(List(), std::uniform_int_distribution(0, List().GetTextLen())(random));
        // Now and then a caret past the end of its line's last row.
        const bool atLineEnd = caret.Row < List().Count() && List().RowAttribute(caret.Row) != TRowAttribute::raWrapped
                               && caret.Col == ExpandedWidth(List().RowText(caret.Row), List().ColumnModel());
        const int pad = atLineEnd && random() % 2 ? 3 : 0;
        caret.Col += pad;
        std::string composed = pick(8);
        if (composed.empty() || composed.find('\t') != std::string::npos)
            composed = Sjis("日本語");
        const int lastRow = random() % 3 == 0 ? caret.Row + 1 : INT_MAX / 2;
        Build(caret, Composition(composed), lastRow);

        // What the list would hold with the composition typed in.
        std::string typed = text;
        const int at = CharPos(List(), caret.Row, CaretIndex(List(), caret.Row, caret.Col));
        typed.insert(static_cast<size_t>(at), std::string(static_cast<size_t>(pad), ' ') + composed);
        TEditorStringList fresh;
        WrapText(typed, List().ColumnModel(), *List().WrapOption(), fresh);
        SCOPED_TRACE(testing::Message() << "round " << round << " caret " << caret);

        ASSERT_TRUE(Layout.Active());
        for (int row = 0; row < Layout.FirstRow(); ++row)
            ASSERT_EQ(List().RowText(row), fresh.RowText(row));
        if (!Layout.Complete()) {
            ASSERT_GE(Layout.FirstRow() + Layout.Count(), lastRow + 1) << "rows up to the view's last";
        }
        for (int i = 0; i < Layout.Count(); ++i) {
            const int row = Layout.FirstRow() + i;
            ASSERT_LT(row, fresh.Count());
            ASSERT_EQ(Layout.Rows().RowText(i), fresh.RowText(row)) << "row " << row;
            ASSERT_EQ(Layout.Rows().RowAttribute(i) == TRowAttribute::raWrapped,
                      fresh.RowAttribute(row) == TRowAttribute::raWrapped);
            ASSERT_EQ(Layout.RunRow(row), i);
        }
        if (!Layout.Complete())
            continue;
        for (int row = Layout.FirstRow() + Layout.Count(); row < fresh.Count(); ++row)
            ASSERT_EQ(List().RowText(Layout.ListRow(row)), fresh.RowText(row)) << "row " << row;
    }
}

TEST_F(PreeditLayout, TheCursorAndTheComposedCellsFollowTheWrap)
{
    SetText("abcdefghijklmnopqr\r\nnext", true, 20);
    // 14 letters and 3 kana fill the first row to column 20.
    TComposition composition = Composition(Sjis("かなカ"), 4);
    composition.Spans = {{4, 6, {clWhite, clBlue, TCompositionUnderline::None, clNone}}};
    Build({0, 14}, composition);
    ASSERT_EQ(Layout.Count(), 2);
    EXPECT_EQ(Layout.Rows().RowText(0), "abcdefghijklmn" + Sjis("かなカ"));
    EXPECT_EQ(Layout.Rows().RowText(1), "opqr");
    EXPECT_EQ(Layout.ListRow(2), 1) << "the next line moves one row down";
    EXPECT_EQ(Layout.Cursor(), (TCaretPos{0, 18}));
    ASSERT_EQ(Layout.CompositionCells(0).size(), 2u);
    EXPECT_EQ(Layout.CompositionCells(0)[1].From, 18) << "the span with its own look";
    EXPECT_TRUE(Layout.CompositionCells(1).empty());

    // Past the end of a text ending with a line break: a row of its own.
    SetText("ab\r\n");
    Build({1, 0}, Composition("xy"));
    EXPECT_EQ(Layout.FirstRow(), 1);
    EXPECT_TRUE(Layout.EndsText(0));
    EXPECT_EQ(Layout.ListRow(2), 2) << "no second end-of-file row";
}

TEST_F(PreeditLayout, TheSelectionStopsAtTheComposedText)
{
    SetText("abcdef\r\ngh\r\n");
    struct Case {
        TCaretPos Anchor;
        TCaretPos Caret;
        std::pair<int, int> Cells; // on the caret's row
    };
    // The composition "XY" stands at the caret.
    for (const Case& c : {Case{{0, 1}, {0, 3}, {1, 3}}, Case{{0, 5}, {0, 3}, {5, 7}},
                          Case{{1, 1}, {0, 3}, {5, INT_MAX}}, Case{{0, 1}, {1, 1}, {0, 1}}}) {
        const TSelectionRange range = Select(c.Anchor, c.Caret);
        Build(c.Caret, Composition("XY"));
        EXPECT_EQ(Layout.SelectedCells(0, range), c.Cells) << c.Anchor << c.Caret;
    }
}

} // namespace
