#include "DockSeparator.h"

#include "ExceptionHandler.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

TDockSeparator::TDockSeparator(QWidget* Toolbar) : QWidget(Toolbar)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TDockSeparator::SetBlank(bool Blank)
{
    Blank_ = Blank;
    update();
}

QSize TDockSeparator::sizeHint() const
{
    return {SizeHorz_, SizeVert_};
}

void TDockSeparator::paintEvent(QPaintEvent*)
{
    if (Blank_)
        return;
    CatchExceptions([this] {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        // Narrower than high: a gap in a horizontal bar, so an upright line.
        if (width() <= height())
            option.state |= QStyle::State_Horizontal;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &option, &painter, this);
    });
}
