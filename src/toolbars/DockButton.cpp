#include "DockButton.h"

#include "DockToolbar.h"
#include "ExceptionHandler.h"
#include "ToolImageList.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionToolButton>

namespace {

// A flat button around a 16 × 16 picture.
constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;

} // namespace

TDockButton::TDockButton(QWidget* Toolbar, const QString& Hint, TNotifyEvent OnClick)
    : QAbstractButton(Toolbar), OnClick(std::move(OnClick))
{
    setFocusPolicy(Qt::NoFocus);
    setToolTip(Hint);
    resize(sizeHint());
    connect(this, &QAbstractButton::clicked, [this] { CatchExceptions([this] { Clicked(); }); });
}

void TDockButton::SetVisible(bool Visible)
{
    setVisible(Visible);
}

template <class TAction>
void TDockButton::ForGroup(TAction&& Action) const
{
    if (GroupIndex_ == 0 || !parentWidget())
        return;
    // The buttons of the same toolbar, wherever on it they are.
    QWidget* toolbar = parentWidget();
    for (QWidget* w = toolbar; w; w = w->parentWidget())
        if (qobject_cast<TCustomDockToolbar*>(w)) {
            toolbar = w;
            break;
        }
    for (TDockButton* button : toolbar->findChildren<TDockButton*>())
        if (button != this && button->GroupIndex_ == GroupIndex_)
            Action(*button);
}

void TDockButton::SetAllowAllUp(bool AllowAllUp)
{
    AllowAllUp_ = AllowAllUp;
    ForGroup([&](TDockButton& Button) { Button.AllowAllUp_ = AllowAllUp; });
}

void TDockButton::SetDown(bool Down)
{
    if (GroupIndex_ == 0)
        Down = false;
    if (Down == Down_ || (!Down && !AllowAllUp_))
        return;
    Down_ = Down;
    if (Down)
        ForGroup([](TDockButton& Button) {
            if (Button.Down_) {
                Button.Down_ = false;
                Button.update();
            }
        });
    update();
}

void TDockButton::SetImageIndex(int ImageIndex)
{
    if (ImageIndex == ImageIndex_)
        return;
    ImageIndex_ = ImageIndex;
    update();
}

void TDockButton::SetImages(TToolImageList* Images)
{
    Images_ = Images;
    update();
}

void TDockButton::Clicked()
{
    // A button of a group stays down; with AllowAllUp a second click
    // releases it.
    if (GroupIndex_ != 0)
        SetDown(!(Down_ && AllowAllUp_));
    if (OnClick)
        OnClick(this);
}

void TDockButton::SetHot(bool Hot)
{
    Hot_ = Hot;
    update();
}

QSize TDockButton::sizeHint() const
{
    return {ButtonWidth, ButtonHeight};
}

void TDockButton::enterEvent(QEnterEvent* Event)
{
    QAbstractButton::enterEvent(Event);
    CatchExceptions([this] { SetHot(true); });
}

void TDockButton::leaveEvent(QEvent* Event)
{
    QAbstractButton::leaveEvent(Event);
    CatchExceptions([this] { SetHot(false); });
}

void TDockButton::paintEvent(QPaintEvent*)
{
    CatchExceptions([this] {
        QPainter painter(this);
        QStyleOptionToolButton option;
        option.initFrom(this);
        const bool pushed = isDown() || Down_;
        if (pushed)
            option.state |= QStyle::State_Sunken | QStyle::State_On;
        else if (Hot_ && isEnabled())
            option.state |= QStyle::State_Raised | QStyle::State_MouseOver;
        // Flat: a frame only while pushed or under the mouse.
        if (pushed || (Hot_ && isEnabled()))
            style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, this);
        if (!Images_)
            return;
        QPixmap image = Images_->Image(ImageIndex_);
        if (image.isNull())
            return;
        if (!isEnabled())
            image = style()->generatedIconPixmap(QIcon::Disabled, image, &option);
        QRect target(QPoint(), image.deviceIndependentSize().toSize());
        target.moveCenter(rect().center());
        if (pushed)
            target.translate(1, 1);
        painter.drawPixmap(target, image);
    });
}
