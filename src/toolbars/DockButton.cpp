#include "DockButton.h"

#include "ButtonGlyph.h"
#include "DockDraw.h"
#include "ExceptionHandler.h"
#include "SpinRepeatTimer.h"
#include "ToolImageList.h"
#include "ToolWindow.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace {

// A flat button around a 16 × 16 picture.
constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;
constexpr int MinArrowWidth = 7;

QPointer<TDockButton>& Hot()
{
    static QPointer<TDockButton> button;
    return button;
}

TButtonPopup& Popup()
{
    static TButtonPopup popup;
    return popup;
}

void ShowPopup(QMenu& Menu, QPoint Point, bool RightAligned)
{
    if (Popup()) {
        Popup()(Menu, Point, RightAligned);
        return;
    }
    Menu.exec(RightAligned ? Point - QPoint(Menu.sizeHint().width(), 0) : Point);
}

// A filled triangle pointing down, centred in [X, X + Width) from Y.
void DrawArrow(QPainter& Painter, int X, int Y, int Width, bool Enabled, const QPalette& Palette)
{
    const int c = X + Width / 2;
    const auto triangle = [&](int Dx, int Dy, const QColor& Colour) {
        const QPoint points[] = {{c - 2 + Dx, Y + Dy}, {c + 2 + Dx, Y + Dy}, {c + Dx, Y + 2 + Dy}};
        Painter.setPen(Colour);
        Painter.setBrush(Colour);
        Painter.drawPolygon(points, 3);
    };
    if (Enabled) {
        triangle(0, 0, Palette.color(QPalette::ButtonText));
    } else {
        triangle(1, 1, SysColor(clBtnHighlight, Palette));
        triangle(0, 0, SysColor(clBtnShadow, Palette));
    }
}

} // namespace

TDockButton::TDockButton(QWidget* Toolbar, const QString& Hint, TNotifyEvent ClickHandler)
    : QWidget(Toolbar), OnClick(std::move(ClickHandler))
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setToolTip(Hint);
    resize(ButtonWidth, ButtonHeight);
    AddHookClient(&TDockButton::HookProc, ActivateAppEvent);
}

TDockButton::~TDockButton() { RemoveHookClient(&TDockButton::HookProc); }

TDockButton* TDockButton::HotButton() { return Hot(); }

TButtonPopup TDockButton::SetPopup(TButtonPopup NewPopup) { return std::exchange(Popup(), std::move(NewPopup)); }

void TDockButton::HookProc(THookKind Kind, QObject*, QEvent*)
{
    // Another application took the focus: the border under the mouse goes.
    if (Kind == ActivateAppEvent && QGuiApplication::applicationState() != Qt::ApplicationActive && Hot()
        && !Hot()->ShowBorderWhenInactive_)
        Hot()->MouseExit();
}

void TDockButton::SetEnabled(bool Enabled) { setEnabled(Enabled); }

void TDockButton::SetVisible(bool Visible) { setVisible(Visible); }

void TDockButton::SetCaption(const QString& Caption)
{
    Caption_ = Caption;
    update();
}

void TDockButton::SetGroupIndex(int GroupIndex)
{
    GroupIndex_ = GroupIndex;
    UpdateGroup();
}

void TDockButton::SetAllowAllUp(bool AllowAllUp)
{
    AllowAllUp_ = AllowAllUp;
    UpdateGroup();
}

void TDockButton::SetDown(bool Down)
{
    if (GroupIndex_ == 0)
        Down = false;
    if (Down == Down_ || (Down_ && !AllowAllUp_))
        return;
    Down_ = Down;
    State_ = !isEnabled() ? TState::Disabled : Down ? TState::Exclusive : TState::Up;
    if (Down)
        UpdateGroup();
    update();
}

void TDockButton::UpdateGroup()
{
    if (GroupIndex_ == 0 || !parentWidget())
        return;
    for (TDockButton* other : parentWidget()->findChildren<TDockButton*>(Qt::FindDirectChildrenOnly)) {
        if (other == this || other->GroupIndex_ != GroupIndex_)
            continue;
        if (Down_ && other->Down_) {
            other->Down_ = false;
            other->State_ = other->isEnabled() ? TState::Up : TState::Disabled;
            other->update();
        }
        other->AllowAllUp_ = AllowAllUp_;
    }
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

void TDockButton::SetGlyph(const QPixmap& Glyph)
{
    Glyph_ = Glyph;
    NumGlyphs_ = GlyphCountOfStrip(Glyph.size());
    update();
}

void TDockButton::SetNumGlyphs(int NumGlyphs)
{
    NumGlyphs_ = std::clamp(NumGlyphs, 1, 5);
    update();
}

void TDockButton::SetLayout(TButtonLayout Layout)
{
    Layout_ = Layout;
    update();
}

void TDockButton::SetMargin(int Margin)
{
    Margin_ = Margin;
    update();
}

void TDockButton::SetSpacing(int Spacing)
{
    Spacing_ = Spacing;
    update();
}

void TDockButton::SetDropdownMenu(QMenu* Menu)
{
    DropdownMenu_ = Menu;
    update();
}

void TDockButton::SetDropdownAlways(bool DropdownAlways)
{
    DropdownAlways_ = DropdownAlways;
    update();
}

void TDockButton::SetDropdownCombo(bool DropdownCombo)
{
    if (DropdownCombo == DropdownCombo_)
        return;
    DropdownCombo_ = DropdownCombo;
    const int part = DropdownArrowWidth_ + 2;
    resize(std::max(1, width() + (DropdownCombo ? part : -part)), height());
    update();
}

void TDockButton::SetDropdownArrowWidth(int Width)
{
    Width = std::max(Width, MinArrowWidth);
    if (DropdownCombo_)
        resize(width() + Width - DropdownArrowWidth_, height());
    DropdownArrowWidth_ = Width;
    update();
}

QSize TDockButton::sizeHint() const { return size(); }

int TDockButton::MainPartWidth() const { return Combo() ? width() - (DropdownArrowWidth_ + 2) : width(); }

bool TDockButton::InsideMainPart(QPoint Point) const
{
    return Point.x() >= 0 && Point.x() < MainPartWidth() && Point.y() >= 0 && Point.y() < height();
}

void TDockButton::MouseEnter()
{
    if (!isEnabled() || MouseInControl_)
        return;
    MouseInControl_ = true;
    if (State_ == TState::Up)
        State_ = TState::Hot;
    update();
}

void TDockButton::MouseExit()
{
    if (!isEnabled() || !MouseInControl_ || Tracking_)
        return;
    MouseInControl_ = false;
    if (Hot() == this)
        Hot() = nullptr;
    if (State_ == TState::Hot || (State_ == TState::Down && !InClick_))
        State_ = Down_ && GroupIndex_ != 0 ? TState::Exclusive : TState::Up;
    update();
}

void TDockButton::CancelMode()
{
    RepeatTimer_.reset();
    if (Tracking_) {
        Tracking_ = false;
        MouseExit();
    }
}

void TDockButton::TrackHot()
{
    if (Hot() == this || Tracking_)
        return;
    if (Hot())
        Hot()->MouseExit();
    if (ShowBorderWhenInactive_ || QGuiApplication::applicationState() == Qt::ApplicationActive) {
        Hot() = this;
        MouseEnter();
    }
}

void TDockButton::enterEvent(QEnterEvent* Event)
{
    QWidget::enterEvent(Event);
    CatchExceptions([this] { TrackHot(); });
}

void TDockButton::leaveEvent(QEvent* Event)
{
    QWidget::leaveEvent(Event);
    CatchExceptions([this] { MouseExit(); });
}

void TDockButton::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    if (Event->type() != QEvent::EnabledChange)
        return;
    CatchExceptions([this] {
        if (!isEnabled()) {
            State_ = TState::Disabled;
            MouseInControl_ = false;
            Tracking_ = false;
            if (Hot() == this)
                Hot() = nullptr;
            CancelMode();
        } else if (State_ == TState::Disabled) {
            State_ = Down_ && GroupIndex_ != 0 ? TState::Exclusive : TState::Up;
        }
        update();
    });
}

void TDockButton::mousePressEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        LastPoint_ = Event->position().toPoint();
        // Presses that closed the drop-down menu, or came with it, do not
        // click again.
        if (!isEnabled() || SwallowPresses_)
            return;
        MouseEnter();
        if (Event->button() != Qt::LeftButton)
            return;
        ArrowPressed_ = DropdownActive() && (!DropdownCombo_ || LastPoint_.x() >= MainPartWidth());
        if (!Down_)
            State_ = TState::Down;
        update();
        if (!ArrowPressed_)
            Tracking_ = true;
        if (ArrowPressed_) {
            Click();
        } else if (Repeating_) {
            Click();
            if (!RepeatTimer_) {
                RepeatTimer_ = MakeRepeatTimer();
                RepeatTimer_->OnTimer = [this] { CatchExceptions([this] { RepeatTick(); }); };
            }
            RepeatTimer_->Start(RepeatDelay_);
        }
        ArrowPressed_ = false;
    });
}

void TDockButton::mouseMoveEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        LastPoint_ = Event->position().toPoint();
        if (!Tracking_) {
            TrackHot();
            return;
        }
        const bool inside = InsideMainPart(LastPoint_);
        if (inside && RepeatTimer_ && !RepeatTimer_->Active())
            RepeatTimer_->Start(RepeatInterval_);
        const TState state = Down_ ? TState::Exclusive : inside ? TState::Down : TState::Up;
        if (state != State_) {
            State_ = state;
            update();
        }
    });
}

void TDockButton::RepeatTick()
{
    if (Repeating_ && Tracking_ && isEnabled() && InsideMainPart(LastPoint_)) {
        RepeatTimer_->Start(RepeatInterval_);
        Click();
    } else {
        RepeatTimer_->Stop();
    }
}

void TDockButton::mouseReleaseEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        LastPoint_ = Event->position().toPoint();
        RepeatTimer_.reset();
        if (!isEnabled())
            return;
        if (Event->button() == Qt::RightButton) {
            Tracking_ = false;
            MouseExit();
        }
        if (Event->button() != Qt::LeftButton || !Tracking_)
            return;
        Tracking_ = false;
        if (InsideMainPart(LastPoint_) && !Repeating_)
            Click();
        else
            MouseExit();
    });
}

void TDockButton::Click()
{
    if (Repeating_ && !ArrowPressed_) {
        if (OnClick)
            OnClick(this);
        return;
    }
    const QPointer<TDockButton> alive(this);
    InClick_ = true;
    if (GroupIndex_ != 0 && !ArrowPressed_)
        SetDown(!Down_);
    const bool showMenu = DropdownActive() && (!DropdownCombo_ || ArrowPressed_);
    if (State_ == TState::Up || State_ == TState::Hot) {
        State_ = TState::Down;
        update();
    }
    MouseExit();
    if (!showMenu || !DropdownCombo_)
        if (OnClick)
            OnClick(this);
    if (showMenu && alive)
        DropMenu();
    if (!alive)
        return;
    InClick_ = false;
    if (State_ == TState::Down)
        State_ = TState::Up;
    update();
    MouseExit();
}

void TDockButton::DropMenu()
{
    CancelMode();
    bool show = DropdownMenu_ != nullptr;
    bool removeClicks = true;
    if (OnDropdown)
        OnDropdown(this, show, removeClicks);
    if (DropdownMenu_ && show) {
        // Beside the button, away from the dock's edge of the form.
        TCustomToolWindow* bar = nullptr;
        for (QWidget* w = parentWidget(); w && !bar; w = w->parentWidget())
            bar = qobject_cast<TCustomToolWindow*>(w);
        const TToolDock* dock = bar ? bar->DockedTo() : nullptr;
        const TDockPosition side = dock ? dock->Position() : TDockPosition::dpTop;
        const QPoint at = side == TDockPosition::dpLeft    ? QPoint(width(), 0)
                          : side == TDockPosition::dpRight ? QPoint(0, 0)
                                                           : QPoint(0, height());
        ShowPopup(*DropdownMenu_, mapToGlobal(at), side == TDockPosition::dpRight);
    }
    if (removeClicks) {
        // The presses waiting in the queue are those that closed the menu.
        SwallowPresses_ = true;
        QTimer::singleShot(0, this, [this] { SwallowPresses_ = false; });
    }
}

void TDockButton::paintEvent(QPaintEvent*)
{
    CatchExceptions([this] {
        QPainter painter(this);
        const QPalette& pal = palette();
        const bool combo = Combo();
        const bool downLook = State_ == TState::Down || State_ == TState::Exclusive;
        const bool pushed = State_ == TState::Exclusive || (State_ == TState::Down && !(combo && ArrowPressed_));
        // Flat: a border only while pushed or under the mouse.
        const bool border = downLook || (MouseInControl_ && State_ != TState::Disabled);
        QRect main = rect();
        if (combo) {
            const QRect arrowPart(width() - 2 - DropdownArrowWidth_, 0, DropdownArrowWidth_ + 2, height());
            if (border)
                DrawEdge(painter, arrowPart, downLook && ArrowPressed_ ? TEdge::SunkenOuter : TEdge::RaisedInner,
                         TEdgeFill::EdgeOnly, pal);
            main.setRight(arrowPart.left() - 1);
        }
        if (border)
            DrawEdge(painter, main, pushed ? TEdge::SunkenOuter : TEdge::RaisedInner, TEdgeFill::EdgeOnly, pal);
        QRect content = main.adjusted(1, 1, -1, -1);
        if (pushed && State_ == TState::Exclusive && !ArrowPressed_ && !MouseInControl_)
            painter.drawTiledPixmap(content, DitherPattern(SysColor(clBtnFace, pal), SysColor(clBtnHighlight, pal)));
        if (pushed)
            content.translate(1, 1);
        PaintContent(painter, content);
        if (combo)
            DrawArrow(painter, width() - DropdownArrowWidth_ - 2, height() / 2 - 1, DropdownArrowWidth_, isEnabled(),
                      pal);
    });
}

QImage TDockButton::StatePicture() const
{
    if (Images_)
        return Images_->Image(ImageIndex_).toImage();
    return GlyphOfStrip(Glyph_.toImage(), NumGlyphs_, static_cast<int>(State_));
}

void TDockButton::PaintContent(QPainter& Painter, const QRect& Content)
{
    const QPalette& pal = palette();
    QImage image = StatePicture();
    // The grey picture is a pixel larger; it is placed as the glyph.
    const QSize glyph = image.isNull() ? QSize() : image.size();
    if (!isEnabled() && !image.isNull()) {
        const std::pair key{Images_ ? Images_->Image(ImageIndex_).cacheKey() : Glyph_.cacheKey(), pal.cacheKey()};
        if (key != DisabledGlyphKey_) {
            const QColor highlight = SysColor(clBtnHighlight, pal), shadow = SysColor(clBtnShadow, pal);
            DisabledGlyph_ = NumGlyphs_ >= 2 ? RecolouredDisabledGlyph(image, highlight, shadow)
                                             : DisabledGlyph(image, highlight, shadow, false);
            DisabledGlyphKey_ = key;
        }
        image = DisabledGlyph_;
    }
    const QSize text = Caption_.isEmpty() ? QSize() : fontMetrics().size(Qt::TextSingleLine, Caption_);
    const bool arrow = DropdownActive() && !DropdownCombo_;
    const TButtonPlaces places = LayoutButtonContent({.Width = Content.width(),
                                                      .Height = Content.height(),
                                                      .GlyphWidth = glyph.width(),
                                                      .GlyphHeight = glyph.height(),
                                                      .TextWidth = text.width(),
                                                      .TextHeight = text.height(),
                                                      .ArrowWidth = arrow ? DropdownArrowWidth_ : 0,
                                                      .Layout = Layout_,
                                                      .Margin = Margin_,
                                                      .Spacing = Spacing_});
    const QPoint origin = Content.topLeft();
    if (!image.isNull())
        Painter.drawImage(origin + QPoint(places.GlyphX, places.GlyphY), image);
    if (!Caption_.isEmpty()) {
        const QRect textRect(origin + QPoint(places.TextX, places.TextY), text);
        if (!isEnabled()) {
            Painter.setPen(SysColor(clBtnHighlight, pal));
            Painter.drawText(textRect.translated(1, 1), Qt::AlignCenter, Caption_);
            Painter.setPen(SysColor(clBtnShadow, pal));
        } else {
            Painter.setPen(pal.color(QPalette::ButtonText));
        }
        Painter.drawText(textRect, Qt::AlignCenter, Caption_);
    }
    if (arrow)
        DrawArrow(Painter, origin.x() + places.ArrowX, origin.y() + places.ArrowY, DropdownArrowWidth_, isEnabled(),
                  pal);
}
