// A property of the editing commands: whatever a long run of random edits
// does, undoing every step gives the text back byte for byte, and redoing
// every step gives the edited text again. Each command leaves at most one
// step, and after each the rows are those a fresh wrap of the text gives
// (the undo steps name rows, so the rows must not depend on the history).
#include "edEditTestSupport.h"
#include "edEditing.h"
#include "edIndent.h"
#include "edKeyEditing.h"
#include "edOptions.h"
#include "edRowMarks.h"

#include <random>

using edtest::Sjis;

namespace {

struct RoundTripCase {
    bool Wrap;
    unsigned Seed;
};

class UndoRoundTripTest : public edtest::EditFixture, public ::testing::WithParamInterface<RoundTripCase> {
protected:
    UndoRoundTripTest() : Random(GetParam().Seed)
    {
        Options.SetAutoIndent(true);
        Options.SetBackSpaceUnIndent(true);
        Options.SetPrevSpaceIndent(true);
    }

    int Pick(int Count) { return static_cast<int>(Random() % static_cast<unsigned>(std::max(Count, 1))); }

    // A piece of text: words, blanks, Japanese, half-width kana with marks,
    // a kanji whose bytes look like a kana and a lead byte.
    std::string Piece()
    {
        static const std::string pieces[] = {
            "a",          "word",     " ",        "  ",         "\t", "x_y", Sjis("漢字"), Sjis("かな"),  Sjis("　"),
            Sjis("ｶﾞｷﾞ"), "\xE0\x9F", Sjis("ー"), "0123456789", "(",  "/*",  "*/",         "http://a.b/c"};
        return pieces[Pick(static_cast<int>(std::size(pieces)))];
    }
    std::string Line()
    {
        std::string line;
        for (int n = Pick(6); n > 0; --n)
            line += Piece();
        return line;
    }
    std::string Lines(int Count, bool FinalBreak)
    {
        std::string text;
        for (int i = 0; i < Count; ++i) {
            text += Line();
            if (i + 1 < Count || FinalBreak)
                text += "\r\n";
        }
        return text;
    }

    TCaretPos RandomPlace()
    {
        const int row = Pick(MaxCaretRow(List()) + 1);
        return {row, Pick(RowWidth(List(), row) + 4)};
    }
    TSelectionRange RandomSelection(TCaretPos& Caret, TSelectionAnchor& Anchor)
    {
        const TCaretPos from = RandomPlace();
        Caret = RandomPlace();
        Anchor = MakeAnchor(List(), from.Row, from.Col);
        const auto mode = Pick(3) == 0 ? TEditorSelectionMode::smBox : TEditorSelectionMode::smLine;
        SetCaret(Caret);
        return ComputeSelection(List(), Anchor, Caret.Row, Caret.Col, mode);
    }

    // One random command, run as the widget runs it: the caret stands at
    // the place the command starts from, which has a selection half the
    // time; the commands that work on a selection always get one.
    void RandomEdit()
    {
        TCaretPos caret;
        TSelectionAnchor anchor;
        const TSelectionRange range = RandomSelection(caret, anchor);
        const bool selected = Pick(2) == 0;
        const TEditPlace place{caret.Row, caret.Col, selected ? &range : nullptr};
        switch (Pick(9)) {
        case 0: Follow(InsertString(List(), place, Piece(), !selected && Pick(4) == 0)); break;
        case 1:
            Follow(InsertText(List(), place, Pick(4) == 0 ? std::string() : Lines(1 + Pick(3), Pick(2) == 0)));
            break;
        case 2: Follow(PasteBox(List(), place, Lines(1 + Pick(4), true))); break;
        case 3: {
            const auto kind = static_cast<TIndentKind>(Pick(4));
            if (const std::optional<TIndentResult> result = IndentSelection(List(), range, anchor, caret, kind))
                SetCaret(result->Caret);
            break;
        }
        case 4: Follow(DeleteSelection(List(), range)); break;
        case 5: Follow(Pick(2) == 0 ? KeyDelete(List(), caret) : KeyBackSpace(List(), caret, Options)); break;
        case 6: Follow(KeyReturn(List(), caret, Options, false, Pick(4) == 0)); break;
        case 7: Follow(DeleteRow(List(), caret.Row)); break;
        case 8:
            if (range.Mode == TEditorSelectionMode::smLine && !IsInSelection(List(), range, caret.Row, caret.Col)) {
                const TCaretPos target = RandomPlace();
                if (!IsInSelection(List(), range, target.Row, target.Col))
                    Follow(MoveSelectionTo(List(), range, target.Row, target.Col));
            }
            PutRowMark(List(), Pick(List().Count() + 1), Pick(16));
            break;
        }
    }

    void ExpectInvariants()
    {
        edtest::ExpectConsistentRows(List());
        ASSERT_GE(Caret().Row, 0);
        ASSERT_LE(Caret().Row, MaxCaretRow(List()));
    }

    std::mt19937 Random;
    TEditorCaret Options;
};

TEST_P(UndoRoundTripTest, UndoingEveryStepGivesTheStartTextBackAndRedoingTheEndText)
{
    SetText(Lines(30, false), GetParam().Wrap, 20);
    const std::string start = Text();

    int steps = 0;
    for (int edit = 0; edit < 1000; ++edit) {
        const int before = UndoSteps();
        RandomEdit();
        ASSERT_LE(UndoSteps() - before, 1) << "edit " << edit;
        steps += UndoSteps() - before;
        ExpectInvariants();
        if (HasFatalFailure())
            FAIL() << "edit " << edit;
    }
    const std::string end = Text();
    EXPECT_EQ(UndoSteps(), steps);
    EXPECT_GT(steps, 500);

    while (List().UndoObj()->CanUndo())
        List().Undo();
    EXPECT_EQ(Text(), start);
    while (List().UndoObj()->CanRedo())
        List().Redo();
    EXPECT_EQ(Text(), end);
}

INSTANTIATE_TEST_SUITE_P(Texts, UndoRoundTripTest,
                         ::testing::Values(RoundTripCase{false, 1}, RoundTripCase{false, 2}, RoundTripCase{true, 3},
                                           RoundTripCase{true, 4}),
                         [](const auto& Info) {
                             return std::string(Info.param.Wrap ? "Wrapped" : "Unwrapped")
                                    + std::to_string(Info.param.Seed);
                         });

} // namespace
