#include "StatusPanel.h"

#include "ExceptionHandler.h"

#include <QPainter>

TStatusPanel::TStatusPanel(QWidget* Parent) : QFrame(Parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumHeight(fontMetrics().height() + 2 * frameWidth() + 2);
    // The panel paints all of itself, so the bar and the window behind it
    // need not repaint with it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TStatusPanel::setText(const QString& Text)
{
    if (Text == Text_)
        return;
    Text_ = Text;
    update();
}

void TStatusPanel::paintEvent(QPaintEvent*)
{
    CatchExceptions([this] {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        drawFrame(&painter);
        painter.drawText(contentsRect().adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, Text_);
    });
}
