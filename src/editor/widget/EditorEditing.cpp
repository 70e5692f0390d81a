// The editing commands, the row marks, the tokens under a point and the
// plain search. Each text command is one rebuild of the row list by the
// core (edEditing.h, edIndent.h), so one undo step; the widget drops its
// selection first and places the caret after.
#include "EditorBase.h"

#include "edRowMarks.h"
#include "edSearch.h"

#include <algorithm>

void TEditor::RunEdit(const TChange& Change)
{
    CaretBeginUpdate();
    UnderlineBeginUpdate();
    // Only a selected range is replaced; a search hit is only dropped.
    std::optional<TSelectionRange> selection;
    if (Selected())
        selection = SelRange_;
    CleanSelection();
    const std::optional<TCaretPos> caret = Change({Row_, Col_, selection ? &*selection : nullptr});
    if (caret) {
        if (caret->Row == Row_ && caret->Col == Col_)
            UpdateCaret();
        else
            SetRowCol(caret->Row, caret->Col);
    }
    UnderlineEndUpdate();
    CaretEndUpdate();
}

void TEditor::InsertString(std::string_view S)
{
    if (S.empty())
        return;
    RunEdit([&](const TEditPlace& Place) { return ::InsertString(*List_, Place, S, OverWrite_); });
}

void TEditor::InsertText(std::string_view Text)
{
    if (ReadOnly_)
        return;
    if (Text.empty() && !Selected()) {
        // Only an anchored selection is let go.
        if (SelectionState_ == TEditorSelectionState::sstSelecting)
            SelectionState_ = TEditorSelectionState::sstNone;
        return;
    }
    RunEdit([&](const TEditPlace& Place) { return ::InsertText(*List_, Place, Text); });
}

void TEditor::PasteBox(const std::string& Text)
{
    if (ReadOnly_)
        return;
    RunEdit([&](const TEditPlace& Place) { return ::PasteBox(*List_, Place, Text); });
}

void TEditor::ClearSelection()
{
    if (!ReadOnly_)
        DeleteSelection();
}

void TEditor::Indent(TIndentKind Kind)
{
    if (!Selected())
        return;
    CaretBeginUpdate();
    const std::optional<TIndentResult> result = ::IndentSelection(*List_, SelRange_, Anchor_, {Row_, Col_}, Kind);
    if (result) {
        // The selection stays, moved with the text of its rows.
        const TSelectionRange old = SelRange_;
        Anchor_ = result->Anchor;
        SetRowCol(result->Caret.Row, result->Caret.Col);
        SelRange_ = result->Range;
        RepaintSelectionChange(old, SelRange_);
    }
    CaretEndUpdate();
}

void TEditor::IndentSelection() { Indent(TIndentKind::Indent); }
void TEditor::UnIndentSelection() { Indent(TIndentKind::UnIndent); }
void TEditor::TabIndentSelection() { Indent(TIndentKind::TabIndent); }
void TEditor::TabUnIndentSelection() { Indent(TIndentKind::TabUnIndent); }

void TEditor::DeleteRow(int ARow)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    RunEdit([&](const TEditPlace&) { return ::DeleteRow(*List_, ARow); });
}

void TEditor::Clear() { Lines_->Clear(); }

// ---- Row marks ----------------------------------------------------------------------------------

uint16_t TEditor::RowMarks(int ARow) const { return ARow >= 0 && ARow < List_->Count() ? List_->RowMarks(ARow) : 0; }

void TEditor::InvalidateImagebar()
{
    if (Imagebar_->Visible())
        viewport()->update(0, TextTop(), ImagebarWidth(), viewport()->height() - TextTop());
}

void TEditor::SetRowMarks(int ARow, uint16_t Value)
{
    if (::SetRowMarks(*List_, ARow, Value))
        InvalidateImagebar();
}

void TEditor::PutRowMark(int ARow, int Mark)
{
    if (Mark < 0 || Mark > 15)
        return;
    ::PutRowMark(*List_, ARow, Mark);
    InvalidateImagebar();
}

void TEditor::DeleteRowMark(int ARow, int Mark)
{
    if (Mark < 0 || Mark > 15)
        return;
    ::DeleteRowMark(*List_, ARow, Mark);
    InvalidateImagebar();
}

void TEditor::GotoRowMark(int Mark)
{
    const int row = Mark >= 0 && Mark <= 15 ? FindRowMark(*List_, Mark) : -1;
    if (row < 0)
        return;
    // A row off the screen comes to its middle.
    if (row < TopRow_ || row >= TopRow_ + VisibleRows())
        SetTopRow(row - VisibleRows() / 2);
    SetRow(row);
}

// ---- Places and tokens -----------------------------------------------------------------------------

TCaretPos TEditor::PointToCell(QPoint P, bool Round) const
{
    const int cw = ColWidth();
    int x = P.x() - TextLeft();
    // Left of the text the division must still round down.
    if (x < 0)
        x -= cw - 1;
    if (Round)
        x += cw / 2 - 1;
    return {(P.y() - TextTop()) / RowHeight() + TopRow_, std::max(0, x / cw + TopCol_)};
}

bool TEditor::PosToRowCol(QPoint P, int& ARow, int& Index) const
{
    ARow = -1;
    Index = -1;
    if (P.x() < TextLeft() || P.y() < TextTop())
        return false;
    const TCaretPos cell = PointToCell(P, false);
    int index = 0;
    if (!CharIndexAt(*List_, cell.Row, cell.Col, index))
        return false;
    ARow = cell.Row;
    Index = index;
    return true;
}

int TEditor::LineCharIndex(int ARow, int ACol) const { return ::LineCharIndex(*List_, ARow, ACol); }

std::optional<TTokenInfo> TEditor::TokenAtPoint(QPoint P, bool UseFountain, bool KeepState)
{
    int row = 0;
    int index = 0;
    if (!PosToRowCol(P, row, index))
        return std::nullopt;
    const TCaretPos cell = PointToCell(P, false);
    return TokenAt(*List_, cell.Row, cell.Col, UseFountain ? ActiveFountain() : nullptr, KeepState);
}

bool TEditor::GetTokenAtPos(QPoint P, bool UseFountain, std::string& Text, bool KeepState, int& Kind)
{
    std::optional<TTokenInfo> token = TokenAtPoint(P, UseFountain, KeepState);
    Text = token ? std::move(token->Text) : std::string();
    Kind = token ? token->Kind : toEof;
    return token.has_value();
}

void TEditor::SelectTokenAtPos(QPoint P, bool UseFountain, bool KeepState)
{
    const std::optional<TTokenInfo> token = TokenAtPoint(P, UseFountain, KeepState);
    if (!token)
        return;
    CleanSelection();
    TCaretPos start;
    List_->RowColAfterText(token->LineRow, token->Start, start.Row, start.Col);
    SetRowCol(start.Row, start.Col);
    SetSelLength(token->Length);
}

int TEditor::TokenKindAt(QPoint P)
{
    const std::optional<TTokenInfo> token = TokenAtPoint(P, true, true);
    return token ? token->Kind : toEof;
}

std::string TEditor::RegionTextAt(QPoint P)
{
    std::optional<TTokenInfo> token = TokenAtPoint(P, true, true);
    return token ? std::move(token->Text) : std::string();
}

// ---- Plain search --------------------------------------------------------------------------------------

bool TEditor::Search(std::string_view Pattern, TEditorSearchOptions Options)
{
    if (RowCount() == 0)
        return false;
    // From the shown selection (a hit included, so that the next search
    // goes on after it however it is shown), else from the caret.
    const bool down = (Options & esDown) != 0;
    int row = Row_;
    int index = CaretIndex(*List_, Row_, Col_);
    if (SelectionShown()) {
        row = down ? SelRange_.EndRow : SelRange_.StartRow;
        index = down ? SelRange_.EndIndex + 1 : SelRange_.StartIndex;
    }
    std::optional<TSearchHit> hit = SearchRows(*List_, Pattern, Options, row, index);
    // The caret stands at column 1000 at the most: a hit further right
    // could not be selected. The search goes on in the next row
    // (backwards: before that column of the row).
    while (hit && hit->Caret.Col > PaintColumnLimit) {
        const int hitRow = hit->Caret.Row;
        hit = down ? SearchRows(*List_, Pattern, Options, hitRow + 1, 0)
                   : SearchRows(*List_, Pattern, Options, hitRow, CaretIndex(*List_, hitRow, PaintColumnLimit));
    }
    if (!hit)
        return false;
    CleanSelection();
    SetRowCol(hit->Caret.Row, hit->Caret.Col);
    SetHitSelLength(hit->Length);
    ScrollCaret();
    return true;
}
