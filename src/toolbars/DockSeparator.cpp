#include "DockSeparator.h"

#include "DockDraw.h"
#include "DockToolbar.h"
#include "ExceptionHandler.h"
#include "SysUtils.h"

#include <QPainter>

namespace {

// The toolbar a separator is on: its parent, or the parent of the client
// area it was moved into.
TCustomDockToolbar* ToolbarOf(QWidget* Parent)
{
    if (!Parent)
        return nullptr;
    if (auto* toolbar = qobject_cast<TCustomDockToolbar*>(Parent))
        return toolbar;
    auto* toolbar = qobject_cast<TCustomDockToolbar*>(Parent->parentWidget());
    return toolbar && toolbar->ClientArea() == Parent ? toolbar : nullptr;
}

QWidget* CheckedToolbar(QWidget* Parent)
{
    if (Parent && !ToolbarOf(Parent))
        throw EInvalidOperation("TDockSeparator can only be placed on a TDockToolbar");
    return Parent;
}

} // namespace

TDockSeparator::TDockSeparator(QWidget* Toolbar) : QWidget(CheckedToolbar(Toolbar))
{
    // Presses go through to the toolbar, which is dragged by them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(SizeHorz_, SizeVert_);
}

void TDockSeparator::SetParent(QWidget* Parent) { QWidget::setParent(CheckedToolbar(Parent)); }

void TDockSeparator::SetBlank(bool Blank)
{
    Blank_ = Blank;
    update();
}

void TDockSeparator::SetSizeHorz(int SizeHorz)
{
    SizeHorz_ = SizeHorz;
    Rearrange();
}

void TDockSeparator::SetSizeVert(int SizeVert)
{
    SizeVert_ = SizeVert;
    Rearrange();
}

void TDockSeparator::Rearrange()
{
    if (TCustomDockToolbar* toolbar = ToolbarOf(parentWidget()))
        toolbar->RearrangeChildren();
}

void TDockSeparator::paintEvent(QPaintEvent*)
{
    const TCustomDockToolbar* toolbar = ToolbarOf(parentWidget());
    if (Blank_ || !toolbar)
        return;
    CatchExceptions([&] {
        QPainter painter(this);
        const QColor shadow = SysColor(clBtnShadow, palette());
        const QColor highlight = SysColor(clBtnHighlight, palette());
        if (toolbar->DockedTo() && toolbar->DockedTo()->Vertical()) {
            const int y = height() / 2;
            painter.fillRect(0, y - 1, width(), 1, shadow);
            painter.fillRect(0, y, width(), 1, highlight);
        } else {
            const int x = width() / 2;
            painter.fillRect(x - 1, 0, 1, height(), shadow);
            painter.fillRect(x, 0, 1, height(), highlight);
        }
    });
}
