#include "edPreeditLayout.h"

#include "edColumnCursor.h"
#include "edFountain.h"
#include "edPositions.h"
#include "edScreenStrings.h"
#include "edWrap.h"

#include <algorithm>
#include <climits>

namespace {

// A row's cut reads its first WrapByte + 3 columns (the column model's
// limit), at most this many bytes past WrapByte: a row that starts further
// than WrapByte + WrapLookahead bytes before the caret keeps its cut.
constexpr int WrapLookahead = 8;

} // namespace

void TPreeditLayout::Clear()
{
    Active_ = false;
    Rows_.Clear();
    Laid_.clear();
    ListStarts_.clear();
    Line_.clear();
}

void TPreeditLayout::Build(const TEditorScreenStrings& List, const TColumnModel& Model, const TEditorWrapOption& Option,
                           TCaretPos Caret, const TComposition& Composition, int LastRow, TFountainParser* Parser)
{
    Clear();
    if (Composition.Text.empty())
        return;
    Active_ = true;
    Model_ = Model;
    const int count = List.Count();
    const bool wrap = Model.WordWrap;
    const int wrapBytes = Model.WrapByte + WrapLookahead;

    // The caret's place in its row; a caret past the row's end is padded
    // with blanks, as typing there would.
    int caretOffset = 0;
    if (Caret.Row < count) {
        caretOffset = CaretIndex(List, Caret.Row, Caret.Col);
        PadLength_ = std::max(0, Caret.Col - ExpandedWidth(List.RowText(Caret.Row), Model));
    } else {
        PadLength_ = Caret.Col;
    }

    // Back to the first row of the logical line whose cut may change.
    FirstRow_ = Caret.Row;
    if (wrap && Caret.Row < count) {
        const int lineFirst = List.LineFirstRow(Caret.Row);
        while (FirstRow_ > lineFirst
               && caretOffset + static_cast<int>(List.RowText(FirstRow_ - 1).size()) <= wrapBytes) {
            --FirstRow_;
            caretOffset += static_cast<int>(List.RowText(FirstRow_).size());
        }
    }

    // The list's rows from there to the line's end, or as far as the view
    // needs (each row takes at least one byte and at most WrapByte + 3 of
    // them, so that many bytes past the caret lay out enough rows).
    const long long tailWanted =
        wrap ? static_cast<long long>(std::max(LastRow - FirstRow_ + 3, 3)) * wrapBytes : LLONG_MAX;
    Complete_ = true;
    EndsText_ = Caret.Row >= count;
    int row = FirstRow_;
    for (; row < count; ++row) {
        const int start = static_cast<int>(Line_.size());
        if (start - caretOffset > tailWanted) {
            Complete_ = false;
            break;
        }
        ListStarts_.push_back(start);
        Line_ += List.RowText(row);
        const TRowAttribute attribute = List.RowAttribute(row);
        if (attribute != TRowAttribute::raWrapped) {
            EndsText_ = attribute == TRowAttribute::raEof || row == count - 1;
            ++row;
            break;
        }
    }
    // Past the text the run stands in for the empty row after the last.
    ListRows_ = Caret.Row >= count ? 1 : row - FirstRow_;
    const TRowAttribute lastAttribute =
        FirstRow_ < count && Complete_ ? List.RowAttribute(row - 1) : TRowAttribute::raEof;
    GapStart_ = caretOffset;
    GapLength_ = PadLength_ + static_cast<int>(Composition.Text.size());
    Line_.insert(static_cast<size_t>(GapStart_), std::string(static_cast<size_t>(PadLength_), ' ') + Composition.Text);

    // Cut the composed line into rows; with the tail cut short, only rows
    // whose cut reads none of the missing text are kept.
    const auto add = [&](std::string_view Text, TRowAttribute Attribute) {
        const int start = static_cast<int>(Text.data() - Line_.data());
        if (!Complete_ && start + wrapBytes >= static_cast<int>(Line_.size()))
            return;
        Rows_.AddRow(Text, Attribute);
        Laid_.push_back({{}, start, {}});
    };
    if (wrap)
        TLineWrapper(Model, Option).ForEachRow(Line_, add);
    else
        add(Line_, TRowAttribute::raCrlf);
    if (Complete_ && lastAttribute != TRowAttribute::raCrlf)
        Rows_.SetRowAttribute(Rows_.GetCount() - 1, lastAttribute);

    for (int i = 0; i < Count(); ++i) {
        std::string& display = Laid_[static_cast<size_t>(i)].Display;
        const std::string_view text = Rows_.RowText(i);
        for (TColumnCursor c(text, Model_); !c.AtEnd(); c.Next()) {
            if (text[c.Pos()] == '\t')
                display.append(static_cast<size_t>(c.Width()), ' ');
            else
                display.append(c.Char());
        }
    }
    LayCells(Composition);
    if (Parser)
        ComputeStates(List, *Parser);
}

void TPreeditLayout::LayCells(const TComposition& Composition)
{
    const int textStart = GapStart_ + PadLength_;
    const int cursor = textStart + std::clamp(Composition.Cursor, 0, static_cast<int>(Composition.Text.size()));
    // The looks byte by byte of the composed text: the spans', underlined
    // where none is given.
    std::vector<TCompositionSpan> pieces;
    int done = 0;
    const int length = static_cast<int>(Composition.Text.size());
    for (const TCompositionSpan& span : Composition.Spans) {
        const int from = std::clamp(span.From, done, length);
        const int to = std::clamp(span.To, from, length);
        if (from > done)
            pieces.push_back({done, from, {}});
        if (to > from)
            pieces.push_back({from, to, span.Look});
        done = to;
    }
    if (done < length)
        pieces.push_back({done, length, {}});

    CursorVisible_ = false;
    for (int i = 0; i < Count(); ++i) {
        TLaidRow& laid = Laid_[static_cast<size_t>(i)];
        const int start = laid.Start;
        const int end = start + static_cast<int>(Rows_.RowText(i).size());
        for (const TCompositionSpan& piece : pieces) {
            const int from = std::max(textStart + piece.From, start);
            const int to = std::min(textStart + piece.To, end);
            if (from < to)
                laid.Cells.push_back({ColumnOf(i, from), ColumnOf(i, to), piece.Look});
        }
        // A cursor at a row's end stands at the start of the next row.
        const bool last = i == Count() - 1;
        if (cursor >= start && (cursor < end || (last && cursor == end))) {
            Cursor_ = {FirstRow_ + i, ColumnOf(i, cursor)};
            CursorVisible_ = Composition.CursorVisible;
        }
    }
}

void TPreeditLayout::ComputeStates(const TEditorScreenStrings& List, TFountainParser& Parser)
{
    // As the row list computes its own: each row's state from the row
    // before, the run's first row from the list's stored state.
    TRowAttributeData data = FirstRow_ < List.Count() ? LoadRowState(List, FirstRow_) : TRowAttributeData();
    for (int i = 0; i < Count(); ++i) {
        data.RowAttribute = Rows_.RowAttribute(i);
        StoreRowState(Rows_, i, data);
        Parser.NextRowState(i, &Rows_, data);
        data.PrevRowAttribute = Rows_.RowAttribute(i);
    }
}

int TPreeditLayout::ColumnOf(int I, int Offset) const
{
    const std::string_view text = Rows_.RowText(I);
    const int bytes = std::clamp(Offset - Laid_[static_cast<size_t>(I)].Start, 0, static_cast<int>(text.size()));
    return ExpandedWidth(std::string_view(text).substr(0, static_cast<size_t>(bytes)), Model_);
}

long long TPreeditLayout::ComposedOffset(int Row, int Index) const
{
    const int i = Row - FirstRow_;
    if (i < 0)
        return LLONG_MIN;
    if (i >= static_cast<int>(ListStarts_.size()))
        return LLONG_MAX;
    const int offset = ListStarts_[static_cast<size_t>(i)] + Index;
    return offset < GapStart_ ? offset : offset + GapLength_;
}

std::pair<int, int> TPreeditLayout::SelectedCells(int I, const TSelectionRange& Range) const
{
    if (Range.Mode != TEditorSelectionMode::smLine || I < 0 || I >= Count())
        return {0, 0};
    const long long from = ComposedOffset(Range.StartRow, Range.StartIndex);
    // The selection's end is inclusive; past it, a selection that ends at
    // the caret stops before the composed text.
    long long to = ComposedOffset(Range.EndRow, Range.EndIndex + 1);
    if (to > GapStart_ && to <= GapStart_ + GapLength_)
        to = GapStart_;
    const int start = Laid_[static_cast<size_t>(I)].Start;
    const int end = start + static_cast<int>(Rows_.RowText(I).size());
    // The composed text lies at one end of the selection (the caret's), so
    // what is selected on a row is one piece.
    const long long first = std::max<long long>(from, start);
    const long long last = std::min<long long>(to, end);
    if (first > last || (first == last && to <= end))
        return {0, 0};
    const int fromCol = ColumnOf(I, static_cast<int>(first));
    return {fromCol, to > end ? INT_MAX : ColumnOf(I, static_cast<int>(last))};
}

int TPreeditLayout::RunRow(int ScreenRow) const
{
    const int i = ScreenRow - FirstRow_;
    return Active_ && i >= 0 && i < Count() ? i : -1;
}

int TPreeditLayout::ListRow(int ScreenRow) const
{
    if (!Active_ || ScreenRow < FirstRow_)
        return ScreenRow;
    const int i = ScreenRow - FirstRow_;
    if (i < Count())
        return i < ListRows_ ? FirstRow_ + i : -1;
    return ScreenRow - Count() + ListRows_;
}

void ApplyComposition(const std::vector<TCompositionCells>& Cells, const TRowColors& Colors, TRowPlan& Plan)
{
    if (Cells.empty())
        return;
    std::vector<TTextRun> runs;
    runs.reserve(Plan.Runs.size() + 2 * Cells.size());
    for (const TTextRun& run : Plan.Runs) {
        int col = run.Col;
        const int end = run.Col + run.Length;
        for (const TCompositionCells& cells : Cells) {
            const int from = std::max(cells.From, col);
            const int to = std::min(cells.To, end);
            if (from >= to)
                continue;
            if (from > col) {
                runs.push_back(run);
                runs.back().Col = col;
                runs.back().Length = from - col;
            }
            const TCompositionLook& look = cells.Look;
            TTextRun composed;
            composed.Col = from;
            composed.Length = to - from;
            composed.Color = look.Color == clNone ? Colors.FontColor : look.Color;
            composed.BkColor = look.BkColor == clNone ? Colors.Color : look.BkColor;
            composed.Style = Colors.FontStyle;
            composed.Underline = look.Underline;
            composed.UnderlineColor = look.UnderlineColor;
            runs.push_back(composed);
            col = to;
        }
        if (col < end) {
            runs.push_back(run);
            runs.back().Col = col;
            runs.back().Length = end - col;
        }
    }
    Plan.Runs = std::move(runs);
}
