// The selection: anchoring it at the caret, following the caret, showing
// it, measuring it in character positions, search hits, whole rows from the
// left bar, and copying or moving it where it is dropped. The ranges, the
// text and the rebuilds are the core's (edSelection.h, edEditing.h).
//
// The Row and Col setters never touch the selection: only the key and mouse
// code extends it, through SelectionChanged.
#include "EditorBase.h"

#include <algorithm>

using enum TEditorSelectionState;

bool TEditor::SelectionShown() const { return SelectionState_ == sstSelected || SelectionState_ == sstHitSelected; }

bool TEditor::SelectionPainted() const
{
    return SelectionState_ == sstSelected
           || (SelectionState_ == sstHitSelected && HitStyle_ == TEditorHitStyle::hsDraw);
}

bool TEditor::HitShownAsCaret() const
{
    return SelectionState_ == sstHitSelected && HitStyle_ == TEditorHitStyle::hsCaret;
}

// ---- The state machine --------------------------------------------------------------------

void TEditor::StartSelection()
{
    CleanSelection();
    if (RowCount() == 0)
        return;
    SelectionState_ = sstSelecting;
    Anchor_ = MakeAnchor(*List_, Row_, Col_);
    SelRange_ = ComputeSelection(*List_, Anchor_, Row_, Col_, SelectionMode_);
}

void TEditor::EndSelection()
{
    if (SelectionState_ != sstSelecting)
        return;
    UnderlineBeginUpdate();
    SelectionState_ = HitFlag_ ? sstHitSelected : sstSelected;
    UpdateSelection();
}

void TEditor::SelectionChanged()
{
    if (SelectionState_ == sstSelecting)
        EndSelection();
    else if (Selected())
        UpdateSelection();
}

void TEditor::UpdateSelection()
{
    if (!SelectionShown())
        return;
    const TSelectionRange old = SelRange_;
    SelRange_ = ComputeSelection(*List_, Anchor_, Row_, Col_, SelectionMode_);
    if (SelectionPainted())
        RepaintSelectionChange(old, SelRange_);
    DoSelectionChange(Selected());
}

void TEditor::RepaintSelectionChange(const TSelectionRange& Old, const TSelectionRange& New)
{
    if (Old.Mode != New.Mode || New.Mode == TEditorSelectionMode::smBox) {
        RepaintRows(std::min(Old.StartRow, New.StartRow), std::max(Old.EndRow, New.EndRow));
        return;
    }
    // A stream selection changes only between its old and new ends.
    if (Old.StartRow != New.StartRow || Old.StartCol != New.StartCol)
        RepaintRows(Old.StartRow, New.StartRow);
    if (Old.EndRow != New.EndRow || Old.EndCol != New.EndCol)
        RepaintRows(Old.EndRow, New.EndRow);
}

void TEditor::CleanSelection()
{
    if (!SelectionShown())
        return;
    const bool caretHit = HitShownAsCaret();
    const bool painted = SelectionPainted();
    SelectionState_ = sstNone;
    HitLength_ = 0;
    if (caretHit)
        UpdateCaret();
    if (painted && (SelRange_.StartRow != SelRange_.EndRow || SelRange_.StartCol != SelRange_.EndCol))
        RepaintRows(SelRange_.StartRow - 1, SelRange_.EndRow);
    UnderlineEndUpdate();
    DoSelectionChange(false);
}

void TEditor::SetSelectionMode(TEditorSelectionMode Value)
{
    if (DragState_ != TDragState::None || SelectionMode_ == Value)
        return;
    SelectionMode_ = Value;
    if (Selected() && Value == TEditorSelectionMode::smBox)
        SetCursorKind(TCursorKind::Default);
    UpdateSelection();
    DoSelectionModeChange();
}

void TEditor::CommitHitSelection()
{
    if (SelectionState_ != sstHitSelected)
        return;
    if (HitStyle_ == TEditorHitStyle::hsCaret)
        SetRowCol(SelRange_.EndRow, SelRange_.EndCol);
    SelectionState_ = sstSelected;
    // The caret of a hit shown as a caret becomes the normal one.
    UpdateCaret();
    RepaintRows(SelRange_.StartRow, SelRange_.EndRow);
}

bool TEditor::IsInSelection(int ARow, int ACol) const
{
    return Selected() && ::IsInSelection(*List_, SelRange_, ARow, ACol);
}

void TEditor::DeleteSelection()
{
    if (!Selected())
        return;
    RunEdit([this](const TEditPlace& Place) -> std::optional<TCaretPos> {
        return ::DeleteSelection(*List_, *Place.Selection);
    });
}

// ---- Character positions ---------------------------------------------------------------------

int TEditor::SelStart() const
{
    if (SelectionShown())
        return CharPos(*List_, SelRange_.StartRow, SelRange_.StartIndex);
    return CharPos(*List_, Row_, CaretIndex(*List_, Row_, Col_));
}

void TEditor::SetSelStart(int Value)
{
    CleanSelection();
    const TCaretPos place = CaretAtPos(*List_, Value);
    SetRowCol(place.Row, place.Col);
}

int TEditor::SelLength() const { return Selected() ? SelectionLength(*List_, SelRange_) : 0; }

void TEditor::SetSelLength(int Value)
{
    SetSelectionMode(TEditorSelectionMode::smLine);
    if (RowCount() == 0)
        return;
    if (SelectionShown()) {
        SetRowCol(SelRange_.StartRow, SelRange_.StartCol);
        CleanSelection();
    }
    if (Value < 1)
        return;
    StartSelection();
    const TCaretPos end = CaretAfterLength(*List_, Row_, Col_, Value);
    SetRowCol(end.Row, end.Col);
    SelectionChanged();
}

std::string TEditor::SelText() const { return Selected() ? SelectionText(*List_, SelRange_) : std::string(); }

void TEditor::SetSelText(std::string_view Value) { InsertText(Value); }

void TEditor::SetHitSelLength(int Value)
{
    if (HitStyle_ == TEditorHitStyle::hsSelect || (HitStyle_ == TEditorHitStyle::hsCaret && Value <= 0)) {
        SetSelLength(Value);
    } else {
        const int row = Row_;
        const int col = Col_;
        HitFlag_ = true;
        SetSelLength(Value);
        HitFlag_ = false;
        // A hit shown as a caret: a caret as wide as the hit, at its start.
        // Focused or not: the next find goes on from there, and a caret
        // made on a later focus must not stand past the hit.
        if (HitStyle_ == TEditorHitStyle::hsCaret) {
            SetRowCol(row, col);
            UpdateCaret();
        }
    }
    HitLength_ = Value;
}

void TEditor::SelectAll()
{
    CaretBeginUpdate();
    SetSelStart(0);
    SetSelLength(GetTextLen());
    CaretEndUpdate();
}

// ---- Whole rows from the left bar ---------------------------------------------------------------

void TEditor::SelectRows(int ARow)
{
    ARow = ClampCaretRow(ARow);
    RowSelFirst_ = ARow;
    RowSelEof_ = RowAttributeAt(ARow) == TRowAttribute::raEof && ARow < RowCount();
    // A row with its line break; the last row without one from its end.
    SetRowCol(ARow, RowSelEof_ ? RowWidth(ARow) : 0);
    StartSelection();
    SetRowCol(RowSelEof_ ? ARow : ARow + 1, 0);
    EndSelection();
    RowSelCurrent_ = RowSelEof_ ? ARow : ARow + 1;
    SetRowCol(ARow, 0);
    RowSelecting_ = true;
}

void TEditor::ExtendRowSelection(int ARow)
{
    if (!RowSelecting_)
        return;
    ARow = ClampCaretRow(ARow);
    const int first = RowSelFirst_;
    const bool extendedDown = RowSelCurrent_ >= first;
    if (ARow < first) {
        // Upwards the first row stays selected: the anchor is its end.
        if (extendedDown && !RowSelEof_)
            Anchor_ = MakeAnchor(*List_, first + 1, 0);
        SetRowCol(ARow, 0);
    } else {
        if (!extendedDown && !RowSelEof_)
            Anchor_ = MakeAnchor(*List_, first, 0);
        if (RowSelEof_)
            SetRowCol(ARow, 0);
        else if (RowAttributeAt(ARow) == TRowAttribute::raEof && ARow < RowCount())
            SetRowCol(ARow, RowWidth(ARow));
        else
            SetRowCol(ARow + 1, 0);
    }
    RowSelCurrent_ = ARow;
    SelectionChanged();
}

// ---- Dropping a dragged selection -----------------------------------------------------------------

bool TEditor::CanSelMove() const
{
    return !ReadOnly_ && Selected() && SelectionMode_ == TEditorSelectionMode::smLine && Caret_->SelMove();
}

void TEditor::CopySelectionTo(int ARow, int ACol)
{
    if (!CanSelMove() || IsInSelection(ARow, ACol)) {
        CleanSelection();
        return;
    }
    const std::string text = SelText();
    CaretBeginUpdate();
    CleanSelection();
    SetRowCol(ARow, ACol);
    InsertText(text);
    CaretEndUpdate();
}

void TEditor::MoveSelectionTo(int ARow, int ACol)
{
    if (!CanSelMove() || IsInSelection(ARow, ACol)) {
        CleanSelection();
        return;
    }
    RunEdit([&](const TEditPlace& Place) { return ::MoveSelectionTo(*List_, *Place.Selection, ARow, ACol); });
}
