#include "edScreenStrings.h"

#include "edEditorClient.h"
#include "edFountain.h"
#include "edUtils.h"
#include "edWrap.h"

#include "Files.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Keeps an event detached for a scope (bulk operations notify once, from
// their caller).
class TDetachEvent {
public:
    explicit TDetachEvent(TNotifyEvent& Event) : Event_(Event), Saved_(std::move(Event)) { Event_ = nullptr; }
    ~TDetachEvent() { Event_ = std::move(Saved_); }
    TDetachEvent(const TDetachEvent&) = delete;
    TDetachEvent& operator=(const TDetachEvent&) = delete;

private:
    TNotifyEvent& Event_;
    TNotifyEvent Saved_;
};

constexpr char CtrlZ = 0x1A;

} // namespace

// ---- Construction and the editors ----------------------------------------------

void TEditorScreenStrings::AfterConstruction()
{
    UndoObj_ = CreateUndoObj();
    WrapOption_ = CreateWrapOption();
    WrapOption_->OnChange = [this](TObject*) { WrapOptionChanged(); };
    OnChange = [this](TObject*) { NotifyEditorsChanged(); };
}

TEditorScreenStrings::~TEditorScreenStrings()
{
    OnChange = nullptr;
    if (WrapOption_)
        WrapOption_->OnChange = nullptr;
}

std::unique_ptr<TEditorUndoObj> TEditorScreenStrings::CreateUndoObj()
{
    return std::make_unique<TEditorUndoObj>(*this);
}

std::unique_ptr<TEditorWrapOption> TEditorScreenStrings::CreateWrapOption()
{
    return std::make_unique<TEditorWrapOption>();
}

void TEditorScreenStrings::AddEditor(TEditorClient* Editor)
{
    if (Editor && std::find(Editors_.begin(), Editors_.end(), Editor) == Editors_.end())
        Editors_.push_back(Editor);
}

void TEditorScreenStrings::RemoveEditor(TEditorClient* Editor)
{
    const auto it = std::find(Editors_.begin(), Editors_.end(), Editor);
    if (it != Editors_.end())
        Editors_.erase(it);
}

TEditorClient* TEditorScreenStrings::FocusedEditor() const
{
    for (TEditorClient* editor : Editors_)
        if (editor->Focused())
            return editor;
    return Editor0();
}

bool TEditorScreenStrings::Editor0Loading() const
{
    const TEditorClient* editor = Editor0();
    return editor && editor->Loading();
}

template <class F>
void TEditorScreenStrings::ForEachEditor(F&& Visit)
{
    // A handler may make an editor leave the list (one being destroyed):
    // walk a copy and skip the editors gone meanwhile.
    const std::vector<TEditorClient*> editors = Editors_;
    for (TEditorClient* editor : editors)
        if (std::find(Editors_.begin(), Editors_.end(), editor) != Editors_.end())
            Visit(*editor);
}

void TEditorScreenStrings::NotifyEditorsChanged()
{
    ForEachEditor([](TEditorClient& editor) { editor.DoChange(); });
}

void TEditorScreenStrings::CleanEditorSelections()
{
    ForEachEditor([](TEditorClient& editor) { editor.CleanSelection(); });
}

void TEditorScreenStrings::ClampEditorRows()
{
    const int count = GetCount();
    const int maxRow = count > 0 && RowAttribute(count - 1) == TRowAttribute::raEof ? count - 1 : count;
    ForEachEditor([maxRow](TEditorClient& editor) { editor.ClampRows(maxRow); });
}

void TEditorScreenStrings::ResetEditorCols()
{
    ForEachEditor([](TEditorClient& editor) { editor.ResetCol(); });
}

void TEditorScreenStrings::RefreshEditors()
{
    ForEachEditor([](TEditorClient& editor) { editor.RefreshView(); });
}

void TEditorScreenStrings::SetUpdateState(bool Updating)
{
    TEditorStringList::SetUpdateState(Updating);
    if (!Updating) {
        Extent_ = TChangeExtent();
        ClampEditorRows();
    }
}

void TEditorScreenStrings::SetChangeExtent(int First, int OldCount, int ChangedStates, int NewCount)
{
    // The change's rows got their states from UpdateRowStates, which marks
    // the rows it could not reach. When every state was known before and
    // none was lost, every state is known now, and the idle work need not
    // look through the text after each keystroke. Otherwise new rows may
    // have moved up past the point the states were known to reach.
    const int countBefore = GetCount() - NewCount + OldCount;
    if (StatesAheadFrom_ >= countBefore && !StatesLost_)
        StatesAheadFrom_ = GetCount();
    else
        StatesAheadFrom_ = std::min(StatesAheadFrom_, std::max(First, 0));
    StatesLost_ = false;
    if (!Extent_.Valid) {
        ExtentBaseCount_ = countBefore;
        Extent_ = TChangeExtent{First, OldCount, NewCount, ChangedStates, true};
        return;
    }
    // A second change in the same update: repaint from the first changed
    // row to the end of the text.
    const int first = std::min(Extent_.First, First);
    Extent_ = TChangeExtent{first, ExtentBaseCount_ - first, GetCount() - first, 0, true};
}

// ---- Wrapping --------------------------------------------------------------------

TColumnModel TEditorScreenStrings::ColumnModel() const
{
    TColumnModel model;
    if (const TEditorClient* editor = Editor0()) {
        model.TabSize = editor->TabSpaceCount();
        model.Delimiters = &editor->Delimiters();
    }
    model.WordWrap = WordWrap_;
    model.WrapByte = WrapOption_->WrapByte();
    return model;
}

void TEditorScreenStrings::WrapLine(std::string_view S, TEditorStringList& Dest)
{
    WrapText(S, ColumnModel(), *WrapOption_, Dest);
}

int TEditorScreenStrings::WrapLineCount(std::string_view S) { return ::WrapLineCount(S, ColumnModel(), *WrapOption_); }

void TEditorScreenStrings::SetWordWrap(bool Value)
{
    if (Value == WordWrap_)
        return;
    WordWrap_ = Value;
    if (!Editor0Loading())
        Rewrap();
}

void TEditorScreenStrings::WrapOptionChanged()
{
    if (WordWrap_ && !Editor0Loading())
        Rewrap();
}

void TEditorScreenStrings::Rewrap()
{
    UndoObj_->Clear();
    if (WordWrap_)
        WrapAll();
    else
        UnwrapAll();
    RescanRowStates();
    RefreshEditors();
    ClampEditorRows();
    ResetEditorCols();
}

void TEditorScreenStrings::WrapAll()
{
    int count = GetCount();
    if (count == 0 || Editor0Loading())
        return;
    CleanEditorSelections();
    TDetachEvent detach(OnChange);
    TUpdateScope update(*this);

    const TRowAttribute lastAttribute = RowAttribute(count - 1);
    const TColumnModel model = ColumnModel();
    TLineWrapper wrapper(model, *WrapOption_);
    std::vector<std::pair<std::string_view, TRowAttribute>> pieces;
    std::vector<uint16_t> marks;
    std::string joined;
    // Each logical line is re-wrapped in place, so that a line that keeps
    // its one row (most lines of most texts) costs no copy at all.
    for (int row = 0; row < count;) {
        const int lineFirst = row;
        while (row < count - 1 && RowAttribute(row) == TRowAttribute::raWrapped)
            ++row;
        const int oldRows = ++row - lineFirst;
        if (oldRows == 1 && FitsOneRow(RowText(lineFirst), model.WrapByte)) {
            ResetRowState(lineFirst, TRowAttribute::raCrlf);
            continue;
        }
        // The new rows are pieces of the line: of the block the row shares,
        // else of a copy, since the old rows' own bytes go as they are
        // replaced.
        std::string_view line = RowText(lineFirst);
        const bool shared = oldRows == 1 && Row(lineFirst).SharesText();
        if (!shared) {
            joined.clear();
            for (int r = lineFirst; r < row; ++r)
                joined += RowText(r);
            line = joined;
        }
        pieces.clear();
        wrapper.ForEachRow(
            line, [&pieces](std::string_view text, TRowAttribute attribute) { pieces.emplace_back(text, attribute); });
        const int newRows = static_cast<int>(pieces.size());
        // Marks go to the new rows one by one; the surplus old rows' marks
        // join the line's last new row.
        marks.assign(pieces.size(), 0);
        for (int r = 0; r < oldRows; ++r)
            marks[static_cast<size_t>(std::min(r, newRows - 1))] |= RowMarks(lineFirst + r);
        for (int i = oldRows; i < newRows; ++i)
            Insert(lineFirst + oldRows, std::string());
        for (int i = newRows; i < oldRows; ++i)
            Delete(lineFirst + newRows);
        for (int i = 0; i < newRows; ++i) {
            const int target = lineFirst + i;
            ReplaceRow(target, TRowItem());
            const auto& [text, attribute] = pieces[static_cast<size_t>(i)];
            if (shared)
                ShareRowText(target, text);
            else
                SetRowText(target, text);
            SetRowAttribute(target, attribute);
            SetRowMarks(target, marks[static_cast<size_t>(i)]);
        }
        count += newRows - oldRows;
        row = lineFirst + newRows;
    }
    SetRowAttribute(count - 1, lastAttribute);
    update.End();
}

bool TEditorScreenStrings::FitsOneRow(std::string_view Line, int WrapByte)
{
    // Every character but a tab is as many columns wide as it has bytes.
    return Line.size() < static_cast<size_t>(std::max(WrapByte, 0)) && Line.find('\t') == std::string_view::npos;
}

void TEditorScreenStrings::ResetRowState(int Row, TRowAttribute Attribute)
{
    TRowItem& item = this->Row(Row);
    item.SetStateText(std::string());
    item.RowData = 0;
    item.AttributeB &= 0xFFFF0000; // the row marks stay
    SetAttributeA(Row, 0);
    SetRowAttribute(Row, Attribute);
}

void TEditorScreenStrings::UnwrapAll()
{
    const int count = GetCount();
    if (count == 0)
        return;
    CleanEditorSelections();
    TDetachEvent detach(OnChange);
    TUpdateScope update(*this);

    const TRowAttribute oldLast = RowAttribute(count - 1);
    int target = 0;
    for (int row = 0; row < count; ++target) {
        const int first = row;
        uint16_t marks = RowMarks(row);
        while (row < count - 1 && RowAttribute(row) == TRowAttribute::raWrapped)
            marks |= RowMarks(++row);
        // The rows before the target are done, so its old content can go.
        TRowItem line = ReplaceRow(first, TRowItem());
        line.SetStateText(std::string());
        line.RowData = 0;
        line.AttributeA = line.AttributeB = 0;
        if (row > first) {
            std::string joined(line.Text());
            for (int next = first + 1; next <= row; ++next)
                joined += RowText(next);
            line.SetText(joined);
        }
        ++row;
        ReplaceRow(target, std::move(line));
        SetRowMarks(target, marks);
        SetRowAttribute(target, TRowAttribute::raCrlf);
    }
    SetRowCount(target);
    SetRowAttribute(target - 1, oldLast == TRowAttribute::raWrapped ? TRowAttribute::raEof : oldLast);
    update.End();
}

// ---- Rows and logical lines --------------------------------------------------------

int TEditorScreenStrings::LineFirstRow(int Row) const
{
    if (Row < 0 || Row >= GetCount())
        return Row;
    while (Row > 0 && RowAttribute(Row - 1) == TRowAttribute::raWrapped)
        --Row;
    return Row;
}

int TEditorScreenStrings::LineLastRow(int Row) const
{
    const int count = GetCount();
    if (Row < 0 || Row >= count)
        return Row;
    while (Row < count - 1 && RowAttribute(Row) == TRowAttribute::raWrapped)
        ++Row;
    return Row;
}

void TEditorScreenStrings::AppendLineBreak(int Row, std::string& Text) const
{
    if (Row >= 0 && Row < GetCount() && RowAttribute(Row) == TRowAttribute::raCrlf)
        Text += "\r\n";
}

TRowAttribute TEditorScreenStrings::GetRowsText(int First, int Count, std::string& Text, int& Taken) const
{
    Text.clear();
    Taken = 0;
    if (First < 0 || First >= GetCount())
        return raNoText;
    if (Count < 0)
        Count = LineLastRow(First) - First + 1;
    Count = std::min(Count, GetCount() - First);
    if (Count <= 0)
        return raNoText;
    size_t size = 0;
    for (int row = First; row < First + Count; ++row)
        size += RowText(row).size() + 2;
    Text.reserve(size);
    for (int row = First; row < First + Count; ++row) {
        Text += RowText(row);
        AppendLineBreak(row, Text);
    }
    Taken = Count;
    return RowAttribute(First + Count - 1);
}

uint16_t TEditorScreenStrings::DeleteRows(int First, int Count)
{
    First = std::max(First, 0);
    Count = std::min(Count, GetCount() - First);
    uint16_t marks = 0;
    if (Count <= 0)
        return marks;
    TUpdateScope update(*this);
    for (int i = 0; i < Count; ++i) {
        marks |= RowMarks(First);
        Delete(First);
    }
    update.End();
    return marks;
}

void TEditorScreenStrings::DeleteRowsKeepingMarks(int First, int Count)
{
    const uint16_t marks = DeleteRows(First, Count);
    const int count = GetCount();
    if (count == 0) {
        ReleaseRowMarks(marks);
        return;
    }
    const int heir = std::min(First, count - 1);
    SetRowMarks(heir, RowMarks(heir) | marks);
}

void TEditorScreenStrings::ReleaseRowMarks(uint16_t Marks)
{
    uint16_t released = Marks & DigitRowMarks;
    uint16_t imageMarks = Marks & ImageRowMarks;
    for (int row = 0; imageMarks != 0 && row < GetCount(); ++row)
        imageMarks &= static_cast<uint16_t>(~RowMarks(row));
    ExcludeRowMarks(released | imageMarks);
}

void TEditorScreenStrings::ReplaceRowRange(int First, int OldCount, TEditorStringList& Source, bool MarkFollowsBreak)
{
    const int newCount = Source.Count();
    TUpdateScope update(*this);
    if (newCount < OldCount) {
        // Matched from the range's end: the first old rows go, and their
        // marks join the first new row.
        const uint16_t marks = DeleteRows(First, OldCount - newCount);
        if (newCount == 0)
            ReleaseRowMarks(marks);
        else
            SetRowMarks(First, RowMarks(First) | marks);
    } else if (newCount > OldCount) {
        // New rows go in after the first old row, so old row k >= 1 keeps
        // its marks on new row k + N - O.
        const int inserted = newCount - OldCount;
        const int at = OldCount == 0 ? First : First + 1;
        for (int i = 0; i < inserted; ++i)
            Insert(at, std::string());
        if (OldCount > 0 && MarkFollowsBreak) {
            SetRowMarks(First + inserted, RowMarks(First));
            SetRowMarks(First, 0);
        }
    }
    for (int i = 0; i < newCount; ++i) {
        const uint16_t marks = RowMarks(First + i);
        TakeRow(First + i, Source, i);
        SetRowMarks(First + i, marks);
    }
    update.End();
}

void TEditorScreenStrings::DeleteLines(int First, int Count)
{
    TUndoData& rec = UndoObj_->NewRecord();
    rec.Row = First;
    int oldRows = 0;
    rec.Attribute = GetRowsText(First, Count, rec.Text, oldRows);
    DeleteRowsKeepingMarks(First, Count);
    const int changed = UpdateRowStates(First, true);
    SetChangeExtent(First, oldRows, changed, 0);
}

void TEditorScreenStrings::ReplaceRows(int Index, int Count, std::string_view S)
{
    const int count = GetCount();
    if (Index < 0 || Count < 0 || Index + Count > count || (Count == 0 && S.empty()))
        return;
    // Only a text that ends with a line break has a place after its last row.
    if (Count == 0 && Index == count && count > 0 && RowAttribute(count - 1) != TRowAttribute::raCrlf)
        return;

    // A change inside a wrapped line starts one row earlier: re-wrapping
    // can pull text back into the previous row. Keeping whole words
    // together looks back across any number of rows, so then the whole
    // logical line is re-wrapped; otherwise the rows would differ from a
    // fresh wrap of the same text and undo records would name wrong rows.
    const int lineFirst = LineFirstRow(Index);
    const int first = WordWrap() && WrapOption()->WordBreak() ? lineFirst : std::max(lineFirst, Index - 1);
    const int lastOld = Index + Count - 1;
    int last = LineLastRow(lastOld);
    TEditorClient* focused = FocusedEditor();
    TUpdateScope update(*this);

    if (Index == first && last == lastOld && S.empty()) {
        DeleteLines(Index, Count);
        update.End();
        return;
    }
    // S replaced the range's line break: the next logical line joins.
    if (last == lastOld && last < count - 1)
        last = LineLastRow(last + 1);

    std::string text;
    for (int row = first; row < Index; ++row) {
        text += RowText(row);
        AppendLineBreak(row, text);
    }
    text += S;
    for (int row = lastOld + 1; row <= last; ++row) {
        text += RowText(row);
        AppendLineBreak(row, text);
    }
    // Only the rest of a line that filled its last row is left: the empty
    // row after the cut goes with the range, as a fresh wrap has no row there.
    if (text.empty()) {
        DeleteLines(first, last - first + 1);
        update.End();
        return;
    }

    TUndoData& rec = UndoObj_->NewRecord();
    rec.Row = first;
    int oldRows = 0;
    rec.Attribute = GetRowsText(first, last - first + 1, rec.Text, oldRows);

    TEditorStringList rows;
    WrapLine(text, rows);
    // Inside the text the last new row ends its line; at the end a final
    // line break (a lone CR counts as one) leaves a raCrlf row, as a text
    // loaded afresh has, and no empty raEof row after it.
    const bool endsWithBreak = text.back() == '\n' || text.back() == '\r';
    rows.SetRowAttribute(rows.Count() - 1, endsWithBreak ? TRowAttribute::raCrlf : TRowAttribute::raEof);
    rec.RowCount = rows.Count();

    // The first old row goes down with a break made at column 0 only when
    // the break is in that row; when the re-wrap starts a row above, that
    // row's text stays where it is, and so does its mark.
    const bool breakAtLineStart = first == Index && focused && focused->CaretCol() == 0;
    ReplaceRowRange(first, oldRows, rows, breakAtLineStart);
    const int changed = UpdateRowStates(first, true);
    SetChangeExtent(first, oldRows, changed, rec.RowCount);
    update.End();
}

std::string TEditorScreenStrings::GetTextStr() const
{
    std::string text;
    GetTextInto(text);
    return text;
}

void TEditorScreenStrings::GetTextInto(std::string& Text) const
{
    // The index knows the length, so the text is written in place, and a
    // buffer given back keeps its storage (no new pages on every keystroke).
    Text.resize(static_cast<size_t>(GetTextLen()));
    char* out = Text.data();
    const int count = GetCount();
    for (int row = 0; row < count; ++row) {
        const std::string_view text = RowText(row);
        out = std::copy(text.begin(), text.end(), out);
        if (RowAttribute(row) == TRowAttribute::raCrlf) {
            *out++ = '\r';
            *out++ = '\n';
        }
    }
}

void TEditorScreenStrings::LoadText(std::string Text)
{
    TUpdateScope update(*this);
    Clear();
    if (!Text.empty()) {
        // The rows show pieces of one shared copy of the text.
        const auto block = std::make_shared<const std::string>(std::move(Text));
        ShareTextBlock(block);
        int lines = 0;
        ForEachLine(*block, [&lines](std::string_view) { ++lines; });
        SetCapacity(lines);
        ForEachLine(*block, [this](std::string_view Line) { AddSharedRow(Line, TRowAttribute::raCrlf); });
        if (block->back() != '\r' && block->back() != '\n')
            SetRowAttribute(GetCount() - 1, TRowAttribute::raEof);
    }
    if (WordWrap_)
        WrapAll();
    // A long text leaves no spare room behind its rows: the first edit
    // that needs some makes it.
    SetCapacity(GetCount());
    RescanRowStates();
    update.End();
}

void TEditorScreenStrings::SetTextStr(std::string_view S) { LoadText(std::string(S)); }

void TEditorScreenStrings::LoadFromFile(const std::string& FileName)
{
    // Everything is read before the text changes, so a failed read loses
    // nothing.
    std::string bytes = ReadFileBytes(FileName, MaxFileBytes);
    const size_t eof = bytes.find(CtrlZ);
    if (eof != std::string::npos)
        bytes.resize(eof);
    // A NUL would end a row for the colouring parsers and the painter.
    std::replace(bytes.begin(), bytes.end(), '\0', ' ');
    TUpdateScope update(*this);
    LoadText(std::move(bytes));
    RefreshEditors();
    update.End();
}

void TEditorScreenStrings::Clear()
{
    CleanEditorSelections();
    UndoObj_->Clear();
    const int oldCount = GetCount();
    if (oldCount > 0) {
        // The editors repaint from this extent while the rows go.
        Extent_ = TChangeExtent{0, oldCount, 0, 0, true};
        ExtentBaseCount_ = oldCount;
        TEditorStringList::Clear();
    }
    Extent_ = TChangeExtent();
    RowMarksInUse_ = 0;
    StatesAheadFrom_ = 0;
    ForEachEditor([](TEditorClient& editor) { editor.SetRowCol(0, 0); });
}

// ---- Character positions -------------------------------------------------------------

int TEditorScreenStrings::GetTextLen() const { return RowStartPos(GetCount()); }

int TEditorScreenStrings::RowStartPos(int Row) const { return RowStart(std::clamp(Row, 0, GetCount())); }

int TEditorScreenStrings::RowHoldingPos(int Pos) const
{
    // Only the last row can be raEof, and it holds every place past the text.
    const int count = GetCount();
    const int row = RowEndingAfter(Pos);
    return row == count && count > 0 && RowAttribute(count - 1) == TRowAttribute::raEof ? count - 1 : row;
}

void TEditorScreenStrings::PosToRowIndex(int Pos, int& Row, int& Index) const
{
    Pos = std::max(Pos, 0);
    Row = RowHoldingPos(Pos);
    Index = Row < GetCount() ? std::min(Pos - RowStart(Row), static_cast<int>(RowText(Row).size())) : 0;
}

void TEditorScreenStrings::RowColAfterText(int Row, int Length, int& CaretRow, int& CaretCol) const
{
    Row = std::max(Row, 0);
    if (Row >= GetCount()) {
        CaretRow = GetCount();
        CaretCol = 0;
        return;
    }
    const int pos = RowStart(Row) + std::max(Length, 0);
    CaretRow = RowHoldingPos(pos);
    if (CaretRow == GetCount()) {
        CaretCol = 0;
        return;
    }
    // The rest is cut to the row, so its width is at most the row's.
    const std::string_view text = RowText(CaretRow);
    const size_t rest = std::min(static_cast<size_t>(pos - RowStart(CaretRow)), text.size());
    CaretCol = ExpandedWidth(std::string_view(text).substr(0, rest), ColumnModel());
}

// ---- The row-state cache -------------------------------------------------------------------

void TEditorScreenStrings::MarkRowsNotComputed(int From)
{
    StatesAheadFrom_ = std::min(StatesAheadFrom_, std::max(From, 0));
    StatesLost_ = StatesLost_ || From < GetCount();
    constexpr uint32_t keepA = 0x3;        // RowAttribute
    constexpr uint32_t keepB = 0xFFFF0000; // RowMarks
    for (int row = std::max(From, 0); row < GetCount(); ++row) {
        SetAttributeA(row, AttributeA(row) & keepA);
        SetAttributeB(row, AttributeB(row) & keepB);
        if (!StateText(row).empty())
            SetStateText(row, std::string());
    }
}

namespace {

// The rows two screens hold.
int TwoScreens(const TEditorClient& Editor) { return 2 * (Editor.ScreenHeight() / std::max(Editor.RowHeight(), 1)); }

// A parser for computing many rows' states: the scheme does not change
// meanwhile.
std::unique_ptr<TFountainParser> RowStateParser(TFountain& Fountain)
{
    std::unique_ptr<TFountainParser> parser = Fountain.CreateParser();
    parser->KeepRules();
    return parser;
}

// The state at the text's start.
TRowAttributeData InitialRowState()
{
    TRowAttributeData data;
    data.RowAttribute = TRowAttribute::raCrlf;
    data.PrevRowAttribute = TRowAttribute::raCrlf;
    data.BracketIndex = -1;
    return data;
}

} // namespace

int TEditorScreenStrings::UpdateRowStates(int Start, bool Notify)
{
    const int count = GetCount();
    TEditorClient* editor = Editor0();
    TFountain* fountain = editor ? editor->ActiveFountain() : nullptr;
    if (Start < 0 || Start >= count || !fountain)
        return 0;
    const std::unique_ptr<TFountainParser> parser = RowStateParser(*fountain);

    // Resume after the nearest computed row before Start.
    int row = Start - 1;
    while (row >= 0 && BracketIndex(row) == BracketNotComputed)
        --row;
    TRowAttributeData data = InitialRowState();
    if (row >= 0) {
        data = LoadRowState(*this, row);
        parser->NextRowState(row, this, data);
        data.PrevRowAttribute = RowAttribute(row);
    }
    ++row;

    const int windowEnd = std::min(Start + TwoScreens(*editor), count - 1);
    int changed = 0;
    for (; row <= windowEnd; ++row) {
        // Everything below an unchanged state is already right.
        if (SameRowState(*this, row, data))
            return changed;
        data.RowAttribute = RowAttribute(row);
        StoreRowState(*this, row, data);
        if (Notify) {
            ++changed;
            ForEachEditor([row](TEditorClient& client) { client.InvalidateRow(row); });
        }
        parser->NextRowState(row, this, data);
        data.PrevRowAttribute = RowAttribute(row);
    }
    MarkRowsNotComputed(windowEnd + 1);
    return changed;
}

bool TEditorScreenStrings::ComputeRowStatesAhead(std::chrono::microseconds Budget)
{
    TEditorClient* editor = Editor0();
    TFountain* fountain = editor ? editor->ActiveFountain() : nullptr;
    const int count = GetCount();
    if (!fountain || editor->Loading() || editor->Destroying())
        return false;
    int row = std::min(StatesAheadFrom_, count);
    while (row < count && BracketIndex(row) != BracketNotComputed)
        ++row;
    StatesAheadFrom_ = row;
    if (row == count)
        return false;

    const auto deadline = std::chrono::steady_clock::now() + Budget;
    const std::unique_ptr<TFountainParser> parser = RowStateParser(*fountain);
    TRowAttributeData data = InitialRowState();
    if (row > 0) {
        data = LoadRowState(*this, row - 1);
        parser->NextRowState(row - 1, this, data);
        data.PrevRowAttribute = RowAttribute(row - 1);
    }
    // A computed row with the same state ends the gap: the rows below it
    // were computed from it.
    constexpr int RowsBetweenClockReads = 32;
    for (int done = 1; row < count && !SameRowState(*this, row, data); ++row, ++done) {
        data.RowAttribute = RowAttribute(row);
        StoreRowState(*this, row, data);
        parser->NextRowState(row, this, data);
        data.PrevRowAttribute = RowAttribute(row);
        if (done % RowsBetweenClockReads == 0 && std::chrono::steady_clock::now() >= deadline) {
            ++row;
            break;
        }
    }
    StatesAheadFrom_ = row;
    return true;
}

void TEditorScreenStrings::RescanRowStates()
{
    TEditorClient* editor = Editor0();
    if (!editor || editor->Loading() || editor->Destroying())
        return;
    MarkRowsNotComputed(0);
    TFountain* fountain = editor->ActiveFountain();
    const int count = GetCount();
    if (!fountain || count == 0)
        return;
    const std::unique_ptr<TFountainParser> parser = RowStateParser(*fountain);
    const int last =
        editor->InitBracketsFull() ? count - 1 : std::min(count - 1, TwoScreens(*editor) + editor->TopRow());
    TRowAttributeData data = InitialRowState();
    for (int row = 0; row <= last; ++row) {
        data.RowAttribute = RowAttribute(row);
        StoreRowState(*this, row, data);
        parser->NextRowState(row, this, data);
        data.PrevRowAttribute = RowAttribute(row);
    }
}
