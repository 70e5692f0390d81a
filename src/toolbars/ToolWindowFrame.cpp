// The frames tool windows draw around their client areas.
#include "DockDraw.h"
#include "ToolWindow.h"

#include <QApplication>
#include <QPainter>

namespace {

QRect ToQRect(const TBarRect& R) { return {R.Left, R.Top, R.Width, R.Height}; }

} // namespace

void TCustomToolWindow::DrawDockedFrame(QPainter& Painter)
{
    const QPalette& pal = palette();
    const QColor brush = SysColor(Color_, pal);
    const QRect r = rect();
    // The dock's background runs on under the frame and the client area.
    if (DockedTo_->HasBackground() && DockedTo_->BackgroundOnToolbars())
        DockedTo_->TileBackground(Painter, *this, r.adjusted(1, 1, -1, -1));
    if (BorderStyle_ == TDockBorderStyle::bsSingle)
        DrawEdge(Painter, r, TEdge::RaisedInner, TEdgeFill::EdgeOnly, pal);
    else {
        Painter.setPen(brush);
        Painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (!DockedTo_->AllowDrag())
        return;

    // The handle runs along the leading side, across the bar's whole client
    // length; grip strips of 3 px stand in it, each with a highlight pixel
    // at its far end.
    const TFrameOptions options = FrameOptions();
    const bool vertical = DockedTo_->Vertical();
    const int handle = DragHandleWidth(CloseButtonWhenDocked_, DragHandleStyle_);
    const int fullLength = (vertical ? ClientWidth() : ClientHeight()) + 2;
    int length = fullLength;
    if (DragHandleStyle_ == TDragHandleStyle::dhNone && !CloseButtonWhenDocked_)
        return;
    if (DragHandleStyle_ != TDragHandleStyle::dhNone) {
        int s = GripOffset(CloseButtonWhenDocked_, DragHandleStyle_) + 2;
        int t = 2;
        if (CloseButtonWhenDocked_) {
            if (vertical)
                length -= handle - 2;
            else
                t += handle - 2;
        }
        const int strips = DragHandleStyle_ == TDragHandleStyle::dhDouble ? 2 : 1;
        for (int i = 0; i < strips; ++i, s += 3) {
            const QRect strip = vertical ? QRect(t, s, length - t, 3) : QRect(s, t, 3, length - t);
            DrawEdge(Painter, strip, TEdge::RaisedInner, TEdgeFill::FillMiddle, pal);
            Painter.fillRect(vertical ? QRect(fullLength - 1, s, 1, 1) : QRect(s, length - 1, 1, 1),
                             SysColor(clBtnHighlight, pal));
        }
    }
    if (CloseButtonWhenDocked_)
        DrawCloseButton(Painter, ToQRect(DockedCloseButtonRect(options, ClientWidth())), ClosePressed_, pal);
}

void TCustomToolWindow::DrawFloatingFrame(QPainter& Painter)
{
    const QPalette& pal = palette();
    DrawEdge(Painter, rect(), TEdge::Raised, TEdgeFill::EdgeOnly, pal);
    Painter.fillRect(rect().adjusted(2, 2, -2, -2), SysColor(clBtnFace, pal));
    if (!ShowCaption_)
        return;
    const TFrameOptions options = FrameOptions();
    const QColor caption =
        SysColor(SystemColor(CaptionDimmed_ ? TSystemColor::InactiveCaption : TSystemColor::ActiveCaption), pal);
    const QColor captionText =
        SysColor(SystemColor(CaptionDimmed_ ? TSystemColor::InactiveCaptionText : TSystemColor::CaptionText), pal);
    const QRect whole = ToQRect(CaptionRect(options, ClientWidth(), false));
    const QRect title = ToQRect(CaptionRect(options, ClientWidth(), CloseButton_));
    Painter.fillRect(title, caption);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    Painter.setFont(font);
    Painter.setPen(captionText);
    const QRect text = title.adjusted(1, 0, -1, 0);
    Painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ElideCaptionText(Caption_, QFontMetrics(font), text.width()));
    // The line under the caption band, as high as the close button's frame.
    Painter.fillRect(whole.left(), whole.top() + whole.height(), whole.width(), 1, SysColor(clBtnFace, pal));
    if (CloseButton_) {
        const QRect close = ToQRect(FloatingCloseButtonRect(options, ClientWidth()));
        Painter.fillRect(close, caption);
        DrawCloseButton(Painter, close.adjusted(1, 1, -1, -1), ClosePressed_, pal);
    }
}
