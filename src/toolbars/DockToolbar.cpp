#include "DockToolbar.h"

#include "DockButton.h"
#include "DockSeparator.h"
#include "ExceptionHandler.h"
#include "SysUtils.h"
#include "ToolDock.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

// The frame around the children, and the grip at the start of a bar that
// can be dragged off its dock.
constexpr int Border = 2;
constexpr int GripSize = 8;

bool Arranged(const QWidget& Child)
{
    return !Child.isWindow() && !Child.isHidden();
}

} // namespace

TDockToolbar::TDockToolbar(TToolDock* Dock, std::string Name, const QString& Caption)
    : QWidget(Dock), Name_(std::move(Name)), Caption_(Caption), Dock_(Dock)
{
    if (!Dock)
        throw EInvalidOperation("ツールバーはドックに置かなければなりません");
    setObjectName(QString::fromStdString(Name_));
    Dock_->InsertBar(this);
}

TDockToolbar::~TDockToolbar()
{
    Dock_->RemoveBar(this);
}

void TDockToolbar::SetVisible(bool Visible)
{
    Visible_ = Visible;
    Dock_->LayoutBars();
}

void TDockToolbar::SetDockedTo(TToolDock* Dock)
{
    if (!Dock)
        throw EInvalidOperation("ツールバーはドックに置かなければなりません");
    if (Dock == Dock_)
        return;
    TToolDock* old = Dock_;
    Dock_ = Dock;
    old->RemoveBar(this);
    setParent(Dock);
    ArrangeChildren();
    Dock->InsertBar(this);
    if (OnDockChanged)
        OnDockChanged(this);
}

void TDockToolbar::SetDockRow(int32_t DockRow)
{
    DockRow_ = DockRow;
    Dock_->LayoutBars();
}

void TDockToolbar::SetDockPos(int32_t DockPos)
{
    DockPos_ = DockPos;
    Dock_->LayoutBars();
}

void TDockToolbar::SetRowAndPos(int32_t DockRow, int32_t DockPos)
{
    DockRow_ = DockRow;
    DockPos_ = DockPos;
}

namespace {

// A child's size along the bar and across it: a separator's length is its
// own, a button's its preferred size, any other control's its present size.
QSize ChildExtent(const QWidget& Child, bool Vertical)
{
    if (auto* separator = dynamic_cast<const TDockSeparator*>(&Child))
        return Vertical ? QSize(separator->SizeVert(), 0) : QSize(separator->SizeHorz(), 0);
    const QSize size = dynamic_cast<const TDockButton*>(&Child) ? Child.sizeHint() : Child.size();
    return Vertical ? QSize(size.height(), size.width()) : size;
}

} // namespace

QSize TDockToolbar::ContentSize() const
{
    const bool vertical = Dock_->Vertical();
    int length = 0;
    int thickness = 0;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!Arranged(*child))
            continue;
        const QSize extent = ChildExtent(*child, vertical);
        length += extent.width();
        thickness = std::max(thickness, extent.height());
    }
    length += 2 * Border + (Dock_->AllowDrag() ? GripSize : 0);
    thickness += 2 * Border;
    return vertical ? QSize(thickness, length) : QSize(length, thickness);
}

void TDockToolbar::ArrangeChildren()
{
    const bool vertical = Dock_->Vertical();
    const QSize content = ContentSize();
    const int thickness = (vertical ? content.width() : content.height()) - 2 * Border;
    int along = Border + (Dock_->AllowDrag() ? GripSize : 0);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!Arranged(*child))
            continue;
        const QSize extent = ChildExtent(*child, vertical);
        const bool separator = dynamic_cast<const TDockSeparator*>(child) != nullptr;
        // Separators run the bar's thickness; other controls are centred.
        const int across = separator ? thickness : extent.height();
        const int offset = Border + (thickness - across) / 2;
        child->setGeometry(vertical ? QRect(offset, along, across, extent.width())
                                    : QRect(along, offset, extent.width(), across));
        along += extent.width();
    }
    if (size() != content)
        Dock_->LayoutBars();
}

bool TDockToolbar::event(QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::ChildAdded:
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(Event)->child()))
            child->installEventFilter(this);
        [[fallthrough]];
    case QEvent::ChildRemoved:
        // A child is announced before its own constructor has run, so its
        // size is known only later.
        QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
        break;
    case QEvent::LayoutRequest:
        CatchExceptions([this] { ArrangeChildren(); });
        return true;
    default:
        break;
    }
    return QWidget::event(Event);
}

bool TDockToolbar::eventFilter(QObject* Watched, QEvent* Event)
{
    const QEvent::Type type = Event->type();
    if (Watched->parent() == this && (type == QEvent::ShowToParent || type == QEvent::HideToParent || type == QEvent::Resize))
        CatchExceptions([this] { QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest)); });
    return false;
}

void TDockToolbar::paintEvent(QPaintEvent*)
{
    CatchExceptions([this] {
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), false, 1);
        QStyleOption option;
        option.initFrom(this);
        if (!Dock_->AllowDrag())
            return;
        option.rect = Dock_->Vertical() ? QRect(Border, Border, width() - 2 * Border, GripSize)
                                        : QRect(Border, Border, GripSize, height() - 2 * Border);
        if (!Dock_->Vertical())
            option.state |= QStyle::State_Horizontal;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &option, &painter, this);
    });
}
