// The text an input method is composing (the preedit) shown inside the
// text, as if it were inserted at the caret: the text after it moves aside
// and, with word wrap on, the rest of its logical line wraps again, while
// the row list, its undo history and the text stay as they are.
//
// The layout replaces a run of screen rows: from the first row whose cut
// the preedit can change to the end of the caret's logical line (or to the
// last row the view needs). Screen rows before the run show the list's own
// rows, those after it the list's rows shifted by the rows the run gained.
#pragma once

#include "edColumns.h"
#include "edEditorStringList.h"
#include "edPaintPlan.h"
#include "edPositions.h"
#include "edSelection.h"
#include "edWrapOption.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TEditorScreenStrings;
class TFountainParser;

// How the input method wants a stretch of its text shown. clNone keeps the
// editor's colour (the underline's: the text colour).
struct TCompositionLook {
    TColor Color = clNone;
    TColor BkColor = clNone;
    TCompositionUnderline Underline = TCompositionUnderline::Solid;
    TColor UnderlineColor = clNone;

    bool operator==(const TCompositionLook&) const = default;
};

// Bytes [From, To) of the composed text with their look.
struct TCompositionSpan {
    int From = 0;
    int To = 0;
    TCompositionLook Look;
};

struct TComposition {
    // Shift-JIS, without control characters or tabs.
    std::string Text;
    // Sorted, not overlapping; bytes no span covers are underlined.
    std::vector<TCompositionSpan> Spans;
    // The input method's cursor: a byte offset in Text.
    int Cursor = 0;
    bool CursorVisible = true;
};

// Cells [From, To) of a laid-out row that show composed text, and how.
struct TCompositionCells {
    int From = 0;
    int To = 0;
    TCompositionLook Look;
};

class TPreeditLayout {
public:
    // Lays Composition out at Caret (a caret place of List) under Model's
    // wrapping (word wrap on: Option's rules at Model.WrapByte), far enough
    // to fill screen rows up to LastRow. With a Parser the laid-out rows get
    // their colouring states, starting from the stored state of the run's
    // first row (which must be computed). An empty composition clears it.
    void Build(const TEditorScreenStrings& List, const TColumnModel& Model, const TEditorWrapOption& Option,
               TCaretPos Caret, const TComposition& Composition, int LastRow, TFountainParser* Parser);
    void Clear();
    bool Active() const { return Active_; }

    // The run: its first screen row, its rows, and the list rows it stands
    // for (to the end of the logical line: valid when Complete).
    int FirstRow() const { return FirstRow_; }
    int Count() const { return Rows_.GetCount(); }
    int ListRows() const { return ListRows_; }
    bool Complete() const { return Complete_; }

    // Row I of the run (0-based): its text with tabs and its attribute and
    // colouring state; the text with tabs expanded, as painted.
    const TEditorStringList& Rows() const { return Rows_; }
    const std::string& DisplayText(int I) const { return Laid_[static_cast<size_t>(I)].Display; }
    // True when row I ends the text.
    bool EndsText(int I) const { return Complete_ && EndsText_ && I == Count() - 1; }
    // The composed cells of row I with their looks, left to right.
    const std::vector<TCompositionCells>& CompositionCells(int I) const { return Laid_[static_cast<size_t>(I)].Cells; }
    // The cells of row I that a stream selection of Range (rows of the
    // list) covers: [From, To), To INT_MAX when the selection goes on past
    // the row's end; empty when none. The composed text is never selected.
    std::pair<int, int> SelectedCells(int I, const TSelectionRange& Range) const;

    // The screen row and display column of the input method's cursor, and
    // whether it is shown.
    TCaretPos Cursor() const { return Cursor_; }
    bool CursorVisible() const { return CursorVisible_; }

    // The row of the run a screen row shows, or -1 outside the run.
    int RunRow(int ScreenRow) const;
    // The list row a screen row outside the run shows; for a row of the
    // run, the list row it stands in for, or -1 for a row the run added.
    int ListRow(int ScreenRow) const;

private:
    struct TLaidRow {
        std::string Display;
        int Start = 0; // byte offset in the composed line
        std::vector<TCompositionCells> Cells;
    };

    // The offset in the composed line of a place (list row, byte index),
    // or INT_MIN / INT_MAX before and after the laid-out rows.
    long long ComposedOffset(int Row, int Index) const;
    int ColumnOf(int I, int Offset) const;
    void LayCells(const TComposition& Composition);
    void ComputeStates(const TEditorScreenStrings& List, TFountainParser& Parser);

    bool Active_ = false;
    bool Complete_ = false;
    bool EndsText_ = false;
    int FirstRow_ = 0;
    int ListRows_ = 0;
    TColumnModel Model_;
    // The composed line: the laid-out rows' text with the composition in.
    std::string Line_;
    // Where the composition (with the blanks before it that pad a caret
    // past its row's end) lies in Line_.
    int GapStart_ = 0;
    int GapLength_ = 0;
    int PadLength_ = 0;
    // The start offsets in Line_ (composition not counted) of the list rows
    // from FirstRow_ that Line_ holds.
    std::vector<int> ListStarts_;
    TEditorStringList Rows_;
    std::vector<TLaidRow> Laid_;
    TCaretPos Cursor_;
    bool CursorVisible_ = false;
};

// Gives the composed cells of a row plan their looks: runs are cut at the
// cells' edges, and the composed pieces take the look's colours (the
// editor's where the look has none) and its underline.
void ApplyComposition(const std::vector<TCompositionCells>& Cells, const TRowColors& Colors, TRowPlan& Plan);
