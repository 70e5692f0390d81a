#include "edUndo.h"

#include "edEditorClient.h"
#include "edScreenStrings.h"

#include <algorithm>

namespace {

struct TCaret {
    int Row = 0;
    int Col = 0;
};

TCaret CaretOf(const TEditorClient* Editor)
{
    return Editor ? TCaret{Editor->CaretRow(), Editor->CaretCol()} : TCaret{};
}

} // namespace

void TEditorUndoObj::SetUndoListMax(int Value) { UndoListMax_ = std::max(MinUndoListMax, Value); }

TUndoData& TEditorUndoObj::NewRecord()
{
    const TCaret caret = CaretOf(Owner_.FocusedEditor());
    TUndoData& rec = UndoList_.emplace_back();
    rec.CaretRow = caret.Row;
    rec.CaretCol = caret.Col;
    if (static_cast<int>(UndoList_.size()) > UndoListMax_)
        UndoList_.pop_front();
    if (!Replaying_)
        RedoList_.clear();
    return rec;
}

void TEditorUndoObj::AddRedoRecord(const TUndoData& Rec)
{
    const TCaret caret = CaretOf(Owner_.FocusedEditor());
    TUndoData& copy = RedoList_.emplace_back(Rec);
    copy.CaretRow = caret.Row;
    copy.CaretCol = caret.Col;
}

void TEditorUndoObj::Clear()
{
    RedoList_.clear();
    UndoList_.clear();
}

bool TEditorUndoObj::Fits(const TUndoData& Rec) const
{
    const int count = Owner_.Count();
    return Rec.Row >= 0 && Rec.RowCount >= 0 && Rec.Row + Rec.RowCount <= count;
}

TEditorUndoObj::TReplaced TEditorUndoObj::Replay(const TUndoData& Rec)
{
    TReplaced replaced;
    int currentRows = 0;
    if (Rec.RowCount > 0)
        replaced.Attribute = Owner_.GetRowsText(Rec.Row, Rec.RowCount, replaced.Text, currentRows);

    if (Rec.Attribute != raNoText) {
        TEditorStringList rows;
        Owner_.WrapLine(Rec.Text, rows);
        // A text that ended inside a wrapped line has no empty row after it.
        if (Rec.Attribute == TRowAttribute::raWrapped && rows.Count() > 1 && rows.RowText(rows.Count() - 1).empty())
            rows.Delete(rows.Count() - 1);
        rows.SetRowAttribute(rows.Count() - 1, Rec.Attribute);
        replaced.NewRowCount = rows.Count();
        const TEditorClient* focused = Owner_.FocusedEditor();
        Owner_.ReplaceRowRange(Rec.Row, currentRows, rows, focused && focused->CaretCol() == 0);
    } else {
        Owner_.DeleteRowsKeepingMarks(Rec.Row, currentRows);
    }
    const int changed = Owner_.UpdateRowStates(Rec.Row, true);
    Owner_.SetChangeExtent(Rec.Row, currentRows, changed, replaced.NewRowCount);
    return replaced;
}

TUndoData& TEditorUndoObj::NewCounterRecord()
{
    Replaying_ = true;
    try {
        TUndoData& rec = NewRecord();
        Replaying_ = false;
        return rec;
    } catch (...) {
        Replaying_ = false;
        throw;
    }
}

void TEditorUndoObj::Undo()
{
    if (UndoList_.empty())
        return;
    // Rows changed behind the history's back: its records no longer fit.
    if (!Fits(UndoList_.back())) {
        Clear();
        return;
    }
    TCaretScope caret(Owner_.FocusedEditor());
    TUpdateScope update(Owner_);
    TUndoData& rec = UndoList_.back();
    TReplaced replaced = Replay(rec);
    // The record becomes its own inverse and goes to the redo list.
    rec.RowCount = replaced.NewRowCount;
    rec.Attribute = replaced.Attribute;
    rec.Text = std::move(replaced.Text);
    AddRedoRecord(rec);
    const int caretRow = rec.CaretRow;
    const int caretCol = rec.CaretCol;
    UndoList_.pop_back();
    update.End();
    caret.End(caretRow, caretCol);
}

void TEditorUndoObj::Redo()
{
    if (RedoList_.empty())
        return;
    if (!Fits(RedoList_.back())) {
        Clear();
        return;
    }
    TCaretScope caret(Owner_.FocusedEditor());
    const TUndoData rec = std::move(RedoList_.back());
    RedoList_.pop_back();
    TUpdateScope update(Owner_);
    TReplaced replaced = Replay(rec);
    TUndoData& undo = NewCounterRecord();
    undo.Row = rec.Row;
    undo.RowCount = replaced.NewRowCount;
    undo.Attribute = replaced.Attribute;
    undo.Text = std::move(replaced.Text);
    update.End();
    caret.End(rec.CaretRow, rec.CaretCol);
}
