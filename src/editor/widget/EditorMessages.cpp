// The edit-control messages, so that code written for an edit control can
// drive the editor: named methods, and Perform for the messages that carry
// only integers. Positions count a line break as 2 (edPositions.h) and are
// full values; only Perform packs two of them into one result, giving -1
// when either does not fit in its 16 bits.
#include "EditorBase.h"

#include "Messages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <algorithm>

void TEditor::GetSel(int& Start, int& End) const
{
    Start = SelStart();
    End = Start + SelLength();
}

void TEditor::SetSel(int Start, int End)
{
    if (Start == 0 && End == -1) {
        SelectAll();
    } else if (Start == -1) {
        CleanSelection();
    } else {
        SetSelStart(std::min(Start, End));
        SetSelLength(std::abs(End - Start));
    }
}

void TEditor::ScrollCaret()
{
    if (Row_ < TopRow_ || Row_ >= TopRow_ + VisibleRows())
        SetTopRow(Row_ - VisibleRows() / 3);
    if (Col_ < TopCol_ || Col_ >= TopCol_ + VisibleCols())
        SetTopCol(Col_ - VisibleCols() / 3);
}

int TEditor::LineIndex(int ARow) const { return ::LineIndex(*List_, ARow == -1 ? Row_ : ARow); }

int TEditor::LineLength(int Pos) const
{
    if (Pos != -1)
        return ::LineLength(*List_, Pos);
    return Selected() ? SelectionLineLength(*List_, SelRange_) : static_cast<int>(RowText(Row_).size());
}

int TEditor::LineFromChar(int Pos) const
{
    if (Pos == -1)
        return Selected() ? SelRange_.StartRow : Row_;
    return ::LineFromChar(*List_, Pos);
}

std::string TEditor::GetLine(int ARow, int MaxBytes) const { return ::GetLine(*List_, ARow, MaxBytes); }

QPoint TEditor::PosFromChar(int Pos) const
{
    const TCaretPos place = ::PosFromChar(*List_, Pos);
    return {TextLeft() + (place.Col - TopCol_) * ColWidth(), TextTop() + (place.Row - TopRow_) * RowHeight()};
}

int TEditor::CharFromPos(QPoint P, int* ARow) const
{
    if (!viewport()->rect().contains(P))
        return -1;
    const TCaretPos cell = PointToCell(P, true);
    if (ARow)
        *ARow = cell.Row;
    return CharFromRowCol(*List_, cell.Row, ColOffTrail(cell.Row, cell.Col));
}

void TEditor::ReplaceSel(std::string_view Text)
{
    if (!ReadOnly_)
        InsertText(Text);
}

void TEditor::SetText(std::string_view Text)
{
    if (!ReadOnly_)
        Lines_->SetTextStr(Text);
}

intptr_t TEditor::Perform(uint32_t Msg, intptr_t WParam, intptr_t LParam)
{
    const auto low = [](intptr_t Value) { return static_cast<int>(Value & 0xFFFF); };
    const auto high = [](intptr_t Value) { return static_cast<int>(static_cast<int16_t>((Value >> 16) & 0xFFFF)); };
    switch (Msg) {
    case WM_GETTEXTLENGTH: return GetTextLen();
    case WM_HSCROLL: HScroll(low(WParam), high(WParam)); return 0;
    case WM_VSCROLL: VScroll(low(WParam), verticalScrollBar()->sliderPosition()); return 0;
    case WM_CUT:
        if (!ReadOnly_ && Selected())
            CutToClipboard();
        else
            QGuiApplication::clipboard()->clear();
        return 0;
    case WM_COPY:
        if (Selected())
            CopyToClipboard();
        else
            QGuiApplication::clipboard()->clear();
        return 0;
    case WM_PASTE:
        if (!ReadOnly_)
            PasteFromClipboard();
        return 0;
    case WM_CLEAR: ClearSelection(); return 0;
    case EM_GETSEL: {
        int start = 0;
        int end = 0;
        GetSel(start, end);
        if (WParam)
            *reinterpret_cast<int*>(WParam) = start;
        if (LParam)
            *reinterpret_cast<int*>(LParam) = end;
        return PackPositions(start, end);
    }
    case EM_SETSEL: SetSel(static_cast<int>(WParam), static_cast<int>(LParam)); return 0;
    case EM_SCROLLCARET: ScrollCaret(); return 0;
    case EM_GETMODIFY: return Modified_;
    case EM_SETMODIFY:
        if (!ReadOnly_)
            Modified_ = WParam != 0;
        return 0;
    case EM_GETLINECOUNT: return RowCount();
    case EM_LINEINDEX: return LineIndex(static_cast<int>(WParam));
    case EM_LINELENGTH: return LineLength(static_cast<int>(WParam));
    case EM_CANUNDO: return !ReadOnly_ && CanUndo();
    case EM_UNDO:
        if (ReadOnly_ || !CanUndo())
            return 0;
        Undo();
        return 1;
    case EM_LINEFROMCHAR: return LineFromChar(static_cast<int>(WParam));
    case EM_EMPTYUNDOBUFFER:
        if (!ReadOnly_)
            List_->UndoObj()->Clear();
        return 0;
    case EM_GETFIRSTVISIBLELINE: return TopRow_;
    case EM_SETREADONLY: SetReadOnly(WParam != 0); return 1;
    case EM_POSFROMCHAR: {
        const QPoint p = PosFromChar(static_cast<int>(WParam));
        return PackPositions(p.x(), p.y());
    }
    case EM_CHARFROMPOS: {
        int row = 0;
        const int pos = CharFromPos({static_cast<int16_t>(low(LParam)), high(LParam)}, &row);
        return pos < 0 ? -1 : PackPositions(pos, row);
    }
    default: return 0;
    }
}
