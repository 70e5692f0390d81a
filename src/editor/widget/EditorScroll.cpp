// The editor's metrics, its scroll bars and scrolling, and the routines
// that mark rows for repainting.
//
// The viewport is the client area: the scroll bars lie outside it, so the
// visible rows and columns are measured on it without subtracting them.
#include "EditorBase.h"

#include "ExceptionHandler.h"
#include "Messages.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <algorithm>

// ---- Metrics ----------------------------------------------------------------------------------

int TEditor::RulerHeight() const
{
    if (!Ruler_->Visible())
        return 0;
    return Ruler_->Edge() ? 11 : 10;
}

int TEditor::ImagebarWidth() const
{
    if (!Imagebar_->Visible())
        return 0;
    return Imagebar_->DigitWidth() + Imagebar_->LeftMargin() + Imagebar_->MarkWidth() + Imagebar_->RightMargin();
}

int TEditor::LeftbarWidth() const
{
    if (!Leftbar_->Visible())
        return 0;
    // The last 2 pixels are the edge strip.
    return Leftbar_->LeftMargin() + M_.LeftbarDigits * M_.ColWidth + Leftbar_->RightMargin() + 2;
}

bool TEditor::LeftbarDigits()
{
    const int digits = ::LeftbarDigitCount(*List_, WordWrap(), *Leftbar_);
    const bool changed = digits != M_.LeftbarDigits;
    M_.LeftbarDigits = digits;
    return changed;
}

void TEditor::InitDrawInfo()
{
    if (!Margin_)
        return;
    const QFontMetrics metrics(QtFont_);
    M_.FontHeight = std::max(1, metrics.height() + std::max(0, metrics.leading()));
    // The font's average width counts its wide characters too; a cell is
    // as wide as an ASCII character.
    M_.CharWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    M_.ColWidth = std::max(1, M_.CharWidth + Margin_->Character());
    M_.RowHeight = Margin_->Line() + M_.FontHeight + Margin_->Underline();
    M_.RulerHeight = RulerHeight();
    M_.TextTop = Margin_->Top() + M_.RulerHeight;
    LeftbarDigits();
    M_.LeftbarWidth = LeftbarWidth();
    M_.ImagebarWidth = ImagebarWidth();
    M_.TextLeft = Margin_->Left() + M_.ImagebarWidth + M_.LeftbarWidth;
    M_.VisibleRows = std::max(1, (viewport()->height() - M_.TextTop - 5) / M_.RowHeight);
    UpdateVisibleCols();
    M_.PerToken = QtFont_.italic() || ActiveFountain()->HasItalic();
}

void TEditor::UpdateVisibleCols()
{
    M_.VisibleCols = std::max(1, (viewport()->width() - M_.TextLeft - M_.ColWidth / 2) / M_.ColWidth);
}

void TEditor::RefreshDrawInfo()
{
    InitDrawInfo();
    UpdateScrollBars();
    viewport()->update();
}

void TEditor::resizeEvent(QResizeEvent* Event)
{
    QAbstractScrollArea::resizeEvent(Event);
    // The view keeps its top row: a caret that leaves the view stays where
    // it is until the user moves it.
    CatchExceptions([this] {
        RefreshDrawInfo();
        PlaceCaret();
        if (OnResize)
            OnResize(this);
    });
}

// ---- Scroll bars ----------------------------------------------------------------------------------

void TEditor::UpdateScrollBarPolicy()
{
    const bool horizontal = ScrollBars_ == TScrollStyle::ssHorizontal || ScrollBars_ == TScrollStyle::ssBoth;
    const bool vertical = ScrollBars_ == TScrollStyle::ssVertical || ScrollBars_ == TScrollStyle::ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TEditor::SyncScrollBar(QScrollBar* Bar, int Maximum, int Page, int Value)
{
    // Setting the values must not come back as a scroll request.
    const bool syncing = SyncingScrollBars_;
    SyncingScrollBars_ = true;
    Bar->setRange(0, std::max(0, Maximum));
    Bar->setPageStep(std::max(1, Page));
    Bar->setSingleStep(1);
    Bar->setValue(Value);
    SyncingScrollBars_ = syncing;
}

void TEditor::UpdateScrollBars()
{
    if (!List_)
        return;
    const int rows = VisibleRows();
    const int cols = VisibleCols();
    const int verticalMax = std::max(0, RowCount() + rows - 1);
    TopRow_ = std::min(TopRow_, verticalMax);
    TopCol_ = std::clamp(TopCol_, 0, std::max(0, MaxCol() - cols / 2));
    // The bars' ranges as the system counts them (0 .. maximum, a page
    // of the visible rows or columns) come to Qt as 0 .. maximum - page + 1.
    SyncScrollBar(verticalScrollBar(), verticalMax - rows + 1, rows, TopRow_);
    SyncScrollBar(horizontalScrollBar(), MaxCol() + cols / 2 - cols + 1, cols, TopCol_);
}

void TEditor::scrollContentsBy(int, int)
{
    // TopRow and TopCol move the picture; the bars only report requests.
}

void TEditor::ScrollBarAction(QScrollBar* Bar, int Action)
{
    if (SyncingScrollBars_)
        return;
    const bool vertical = Bar == verticalScrollBar();
    int code = SB_ENDSCROLL;
    switch (Action) {
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    default: break;
    }
    CatchExceptions([&] {
        if (vertical)
            VScroll(static_cast<int>(code), Bar->sliderPosition());
        else
            HScroll(static_cast<int>(code), Bar->sliderPosition());
    });
    // The bar shows where the view went, not where it was dragged.
    const bool syncing = SyncingScrollBars_;
    SyncingScrollBars_ = true;
    Bar->setSliderPosition(vertical ? TopRow_ : TopCol_);
    SyncingScrollBars_ = syncing;
}

void TEditor::VScroll(int Code, int Pos)
{
    const int rows = VisibleRows();
    const int verticalMax = std::max(0, RowCount() + rows - 1);
    int step = 0;
    switch (Code) {
    case SB_LINEUP: step = -1; break;
    case SB_LINEDOWN: step = 1; break;
    case SB_PAGEUP: step = -std::max(1, rows); break;
    case SB_PAGEDOWN: step = std::max(1, rows); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: step = Pos - TopRow_; break;
    case SB_TOP: step = -TopRow_; break;
    case SB_BOTTOM: step = verticalMax - TopRow_; break;
    default: break;
    }
    step = std::clamp(step, -TopRow_, verticalMax - TopRow_);
    if (step == 0)
        return;
    CaretBeginUpdate();
    SetTopRow(TopRow_ + step);
    if (Caret_->LockScroll())
        SetRow(Row_ + step);
    CaretEndUpdate();
}

void TEditor::HScroll(int Code, int Pos)
{
    const int cols = VisibleCols();
    const int last = cols / 2 + MaxCol() - TopCol_;
    int step = 0;
    switch (Code) {
    case SB_LINELEFT: step = -1; break;
    case SB_LINERIGHT: step = 1; break;
    case SB_PAGELEFT: step = -std::max(1, cols); break;
    case SB_PAGERIGHT: step = std::max(1, cols); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: step = Pos - TopCol_; break;
    case SB_LEFT: step = -TopCol_; break;
    case SB_RIGHT: step = last; break;
    default: break;
    }
    step = std::clamp(step, -TopCol_, last);
    if (step != 0)
        SetTopCol(TopCol_ + step);
}

// ---- Scrolling ------------------------------------------------------------------------------------------

void TEditor::SetTopRow(int Value)
{
    CaretBeginUpdate();
    UnderlineBeginUpdate();
    Value = std::clamp(Value, 0, RowCount());
    if (Value != TopRow_) {
        TopRow_ = Value;
        viewport()->update(0, TextTop(), viewport()->width(), viewport()->height() - TextTop());
        SyncScrollBar(verticalScrollBar(), verticalScrollBar()->maximum(), VisibleRows(), TopRow_);
        PlaceCaret();
        DoTopRowChange();
    }
    UnderlineEndUpdate();
    CaretEndUpdate();
}

void TEditor::SetTopCol(int Value)
{
    Value = std::clamp(Value, 0, std::max(0, MaxCol() - VisibleCols() / 2));
    if (Value == TopCol_)
        return;
    CaretBeginUpdate();
    TopCol_ = Value;
    viewport()->update(TextLeft(), 0, viewport()->width() - TextLeft(), viewport()->height());
    SyncScrollBar(horizontalScrollBar(), horizontalScrollBar()->maximum(), VisibleCols(), TopCol_);
    PlaceCaret();
    DoTopColChange();
    CaretEndUpdate();
}

void TEditor::ScrollByRows(int N)
{
    const int count = RowCount();
    if (TopRow_ == 0 && N < 0) {
        SetRow(0);
        return;
    }
    if (N > 0 && TopRow_ == count - 1 && List_->RowAttribute(TopRow_) == TRowAttribute::raEof)
        return;
    CaretBeginUpdate();
    const int offset = Row_ - TopRow_;
    SetTopRow(std::clamp(TopRow_ + N, 0, count));
    SetRow(TopRow_ + offset);
    CaretEndUpdate();
}

// ---- Invalidation -------------------------------------------------------------------------------------

QRect TEditor::RowRect(int ARow) const
{
    return {0, TextTop() + (ARow - TopRow_) * RowHeight(), viewport()->width(), RowHeight()};
}

void TEditor::InvalidateRow(int ARow)
{
    if (ARow < TopRow_ || ARow > TopRow_ + VisibleRows())
        return;
    QRect rect = RowRect(ARow);
    rect.setLeft(TextLeft());
    viewport()->update(rect);
}

void TEditor::RepaintRows(int Row1, int Row2)
{
    const int first = std::max(std::min(Row1, Row2), TopRow_);
    const int last = std::min(std::max(Row1, Row2), TopRow_ + VisibleRows());
    if (first <= last)
        viewport()->update(RowRect(first).united(RowRect(last)));
}

void TEditor::InvalidateRows(int Row1, int Row2)
{
    const int first = std::max(std::min(Row1, Row2), TopRow_);
    const int last = std::min(std::max(Row1, Row2), TopRow_ + VisibleRows());
    if (first > last)
        return;
    const QRect rows = RowRect(first).united(RowRect(last));
    viewport()->update(ImagebarWidth(), rows.top(), LeftbarWidth(), rows.height());
}

void TEditor::ScrollColumns(int OldWidth, int NewWidth)
{
    const int left = ImagebarWidth();
    const int width = viewport()->width() - left;
    const int height = viewport()->height();
    // Qt repaints what the move uncovers.
    viewport()->scroll(NewWidth - OldWidth, 0, QRect(left, 0, width, height));
    viewport()->update(left, 0, NewWidth, height);
}

void TEditor::InvalidateFromRow(int ARow)
{
    const int top = TextTop() + (std::max(ARow, TopRow_) - TopRow_) * RowHeight();
    if (top < viewport()->height())
        viewport()->update(0, top, viewport()->width(), viewport()->height() - top);
}
