#include "DockButton.h"

#include "ButtonGlyph.h"
#include "DockDraw.h"
#include "DockVersion.h"
#include "ExceptionHandler.h"
#include "MenuPopup.h"
#include "SpinRepeatTimer.h"
#include "ToolImageList.h"
#include "ToolWindow.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

namespace {

// A flat button around a 16 × 16 picture.
constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;
constexpr int MinArrowWidth = 7;

// The one button under the mouse, and the safety net that takes its border
// away when the mouse left it unnoticed (over another application's window,
// or while a resize loop held the mouse): a check every 125 ms while a
// button is hot, and one on every mouse move the program sees.
struct THotTracking {
    QPointer<TDockButton> Button;
    std::unique_ptr<QTimer> Timer;
    int LiveButtons = 0;
};

THotTracking& HotTracking()
{
    static THotTracking tracking;
    return tracking;
}

QPointer<TDockButton>& Hot() { return HotTracking().Button; }

constexpr int HotCheckInterval = 125;

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

Qt::Alignment AlignmentFlags(TAlignment Alignment)
{
    switch (Alignment) {
    case TAlignment::taLeftJustify: return Qt::AlignLeft | Qt::AlignVCenter;
    case TAlignment::taRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case TAlignment::taCenter: break;
    }
    return Qt::AlignCenter;
}

// Alt and the letter after the caption's "&" ("&&" is an "&" itself).
QKeySequence MnemonicOf(const QString& Caption)
{
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != u'&')
            continue;
        if (Caption[i + 1] != u'&')
            return QKeySequence(QStringLiteral("Alt+") + Caption[i + 1].toUpper());
        ++i;
    }
    return {};
}

} // namespace

TDockButton::TDockButton(QWidget* Toolbar, const QString& Hint, TNotifyEvent ClickHandler)
    : QWidget(Toolbar), OnClick(std::move(ClickHandler)), Glyph_(std::make_unique<TButtonGlyph>())
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setToolTip(Hint);
    resize(ButtonWidth, ButtonHeight);
    AddHookClient(&TDockButton::HookProc, ActivateAppEvent | MouseMoveEvent);
    THotTracking& tracking = HotTracking();
    if (tracking.LiveButtons++ == 0) {
        tracking.Timer = std::make_unique<QTimer>();
        tracking.Timer->setInterval(HotCheckInterval);
        QObject::connect(tracking.Timer.get(), &QTimer::timeout,
                         [] { CatchExceptions([] { CheckHotButton(QCursor::pos()); }); });
    }
}

TDockButton::~TDockButton()
{
    RemoveHookClient(&TDockButton::HookProc);
    LeaveHot();
    if (--HotTracking().LiveButtons == 0)
        HotTracking().Timer.reset();
}

TDockButton* TDockButton::HotButton() { return Hot(); }

TMenuPopup TDockButton::SetPopup(TMenuPopup NewPopup) { return SetMenuPopup(std::move(NewPopup)); }

void TDockButton::HookProc(THookKind Kind, QObject*, QEvent* Event)
{
    if (Kind == MouseMoveEvent)
        CheckHotButton(static_cast<QMouseEvent*>(Event)->globalPosition().toPoint());
    // Another application took the focus: the border under the mouse goes.
    else if (Kind == ActivateAppEvent && QGuiApplication::applicationState() != Qt::ApplicationActive && Hot()
             && !Hot()->ShowBorderWhenInactive_)
        Hot()->MouseExit();
}

void TDockButton::CheckHotButton(QPoint Cursor)
{
    if (TDockButton* hot = Hot(); hot && QApplication::widgetAt(Cursor) != hot)
        hot->MouseExit();
}

void TDockButton::SetEnabled(bool Enabled) { setEnabled(Enabled); }

void TDockButton::SetVisible(bool Visible) { setVisible(Visible); }

void TDockButton::SetCaption(const QString& Caption)
{
    Caption_ = Caption;
    UpdateMnemonic();
    update();
}

void TDockButton::SetAlignment(TAlignment Alignment)
{
    Alignment_ = Alignment;
    update();
}

void TDockButton::SetWordWrap(bool WordWrap)
{
    WordWrap_ = WordWrap;
    update();
}

QString TDockButton::Version() { return QString::fromLatin1(DockToolbarVersion); }

void TDockButton::SetAction(QAction* Action)
{
    if (Action_)
        Action_->disconnect(this);
    Action_ = Action;
    if (!Action)
        return;
    connect(Action, &QAction::changed, this, [this] { CatchExceptions([this] { ActionChanged(); }); });
    ActionChanged();
}

void TDockButton::ActionChanged()
{
    SetCaption(Action_->text());
    setToolTip(Action_->toolTip());
    setEnabled(Action_->isEnabled());
    setVisible(Action_->isVisible());
    if (Action_->isCheckable())
        SetDown(Action_->isChecked());
}

void TDockButton::FireClick()
{
    if (OnClick)
        OnClick(this);
    else if (Action_)
        Action_->trigger();
}

void TDockButton::SetDefault(bool Default)
{
    Default_ = Default;
    WatchDialogKeys();
}

void TDockButton::SetCancel(bool Cancel)
{
    Cancel_ = Cancel;
    WatchDialogKeys();
}

void TDockButton::UpdateMnemonic()
{
    const QKeySequence key = DisplayMode_ == TButtonDisplayMode::dmGlyphOnly ? QKeySequence() : MnemonicOf(Caption_);
    if (key.isEmpty()) {
        delete std::exchange(Mnemonic_, nullptr);
        return;
    }
    if (!Mnemonic_) {
        Mnemonic_ = new QShortcut(this);
        connect(Mnemonic_, &QShortcut::activated, this, [this] {
            CatchExceptions([this] {
                if (TakesDialogKeys())
                    Click();
            });
        });
    }
    Mnemonic_->setKey(key);
}

bool TDockButton::TakesDialogKeys() const
{
    const QWidget* toolbar = parentWidget();
    return isEnabled() && isVisible() && toolbar && toolbar->isEnabled();
}

void TDockButton::WatchDialogKeys()
{
    QWidget* wanted = Default_ || Cancel_ ? window() : nullptr;
    if (wanted == KeyWindow_)
        return;
    if (KeyWindow_)
        KeyWindow_->removeEventFilter(this);
    KeyWindow_ = wanted;
    if (wanted)
        wanted->installEventFilter(this);
}

bool TDockButton::event(QEvent* Event)
{
    // The button moved to another window, as when its toolbar floats.
    if (Event->type() == QEvent::ParentChange)
        CatchExceptions([this] { WatchDialogKeys(); });
    return QWidget::event(Event);
}

bool TDockButton::eventFilter(QObject* Watched, QEvent* Event)
{
    // A key reaches the window itself only when the control with the focus
    // (if any) left it.
    if (Watched == KeyWindow_ && Event->type() == QEvent::KeyPress) {
        bool handled = false;
        CatchExceptions([&] { handled = DialogKey(*static_cast<QKeyEvent*>(Event)); });
        if (handled)
            return true;
    }
    return QWidget::eventFilter(Watched, Event);
}

bool TDockButton::DialogKey(const QKeyEvent& Key)
{
    const Qt::KeyboardModifiers shifts =
        Key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool enter = Key.key() == Qt::Key_Return || Key.key() == Qt::Key_Enter;
    const bool clicks = shifts == Qt::NoModifier && TakesDialogKeys()
                        && ((enter && Default_) || (Key.key() == Qt::Key_Escape && Cancel_));
    if (clicks)
        Click();
    return clicks;
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

int TDockButton::ImageIndex() const { return Glyph_->ImageIndex(); }

void TDockButton::SetImageIndex(int ImageIndex)
{
    if (ImageIndex == Glyph_->ImageIndex())
        return;
    Glyph_->SetImageIndex(ImageIndex);
    update();
}

TToolImageList* TDockButton::Images() const { return Glyph_->Images(); }

void TDockButton::SetImages(TToolImageList* Images)
{
    Glyph_->SetImages(Images);
    update();
}

const QPixmap& TDockButton::Glyph() const { return Glyph_->Glyph(); }

void TDockButton::SetGlyph(const QPixmap& Glyph)
{
    Glyph_->SetGlyph(Glyph);
    update();
}

const QPixmap& TDockButton::GlyphMask() const { return Glyph_->GlyphMask(); }

void TDockButton::SetGlyphMask(const QPixmap& GlyphMask)
{
    Glyph_->SetGlyphMask(GlyphMask);
    update();
}

int TDockButton::NumGlyphs() const { return Glyph_->NumGlyphs(); }

void TDockButton::SetNumGlyphs(int NumGlyphs)
{
    Glyph_->SetNumGlyphs(NumGlyphs);
    update();
}

bool TDockButton::OldDisabledStyle() const { return Glyph_->OldDisabledStyle(); }

void TDockButton::SetOldDisabledStyle(bool OldDisabledStyle)
{
    Glyph_->SetOldDisabledStyle(OldDisabledStyle);
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

void TDockButton::SetDisplayMode(TButtonDisplayMode DisplayMode)
{
    DisplayMode_ = DisplayMode;
    UpdateMnemonic();
    update();
}

void TDockButton::SetFlat(bool Flat)
{
    Flat_ = Flat;
    update();
}

void TDockButton::SetNoBorder(bool NoBorder)
{
    NoBorder_ = NoBorder;
    update();
}

void TDockButton::SetOpaque(bool Opaque)
{
    Opaque_ = Opaque;
    update();
}

void TDockButton::SetHighlightWhenDown(bool HighlightWhenDown)
{
    HighlightWhenDown_ = HighlightWhenDown;
    if (Down_)
        update();
}

void TDockButton::SetDropdownArrow(bool DropdownArrow)
{
    DropdownArrow_ = DropdownArrow;
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
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TDockButton::MouseExit()
{
    if (!isEnabled() || !MouseInControl_ || Tracking_)
        return;
    MouseInControl_ = false;
    LeaveHot();
    if (State_ == TState::Hot || (State_ == TState::Down && !InClick_))
        State_ = Down_ && GroupIndex_ != 0 ? TState::Exclusive : TState::Up;
    update();
    if (OnMouseExit)
        OnMouseExit(this);
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
        HotTracking().Timer->start();
        MouseEnter();
    }
}

void TDockButton::LeaveHot()
{
    if (Hot() != this)
        return;
    Hot() = nullptr;
    HotTracking().Timer->stop();
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
    // The pictures were made in the old colours.
    if (Event->type() == QEvent::PaletteChange) {
        Glyph_->Invalidate();
        update();
    }
    if (Event->type() != QEvent::EnabledChange)
        return;
    CatchExceptions([this] {
        if (!isEnabled()) {
            State_ = TState::Disabled;
            MouseInControl_ = false;
            Tracking_ = false;
            LeaveHot();
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

void TDockButton::mouseDoubleClickEvent(QMouseEvent* Event)
{
    // The second press of a double click presses the button again.
    mousePressEvent(Event);
    CatchExceptions([this] {
        if (Down_ && OnDblClick)
            OnDblClick(this);
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
        FireClick();
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
    if (!showMenu)
        if (auto* dialog = qobject_cast<QDialog*>(window()); dialog && ModalResult_ != mrNone)
            dialog->done(ModalResult_);
    if (!showMenu || !DropdownCombo_)
        FireClick();
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
        PopupMenu(*DropdownMenu_, mapToGlobal(at), side == TDockPosition::dpRight);
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
        if (Opaque_ || !Flat_)
            painter.fillRect(rect(), SysColor(clBtnFace, pal));
        // Flat: a border only while pushed or under the mouse.
        const bool border = !NoBorder_ && (!Flat_ || downLook || (MouseInControl_ && State_ != TState::Disabled));
        const auto edge = [&](const QRect& Part, bool Sunken) {
            if (Flat_)
                DrawEdge(painter, Part, Sunken ? TEdge::SunkenOuter : TEdge::RaisedInner, TEdgeFill::EdgeOnly, pal);
            else
                DrawEdge(painter, Part, Sunken ? TEdge::Sunken : TEdge::Raised, TEdgeFill::FillMiddle, pal);
        };
        QRect main = rect();
        if (combo) {
            // The arrow part ends 2 px short of the button's right edge.
            const QRect arrowPart(width() - 2 - DropdownArrowWidth_, 0, DropdownArrowWidth_, height());
            if (border)
                edge(arrowPart, downLook && ArrowPressed_);
            main.setRight(arrowPart.left() - 1);
        }
        if (border)
            edge(main, pushed);
        const int inset = NoBorder_ ? 0 : Flat_ ? 1 : 2;
        QRect content = main.adjusted(inset, inset, -inset, -inset);
        if (pushed && State_ == TState::Exclusive && HighlightWhenDown_ && !ArrowPressed_
            && (!Flat_ || !MouseInControl_))
            painter.drawTiledPixmap(content, DitherPattern(SysColor(clBtnFace, pal), SysColor(clBtnHighlight, pal)));
        if (pushed)
            content.translate(1, 1);
        PaintContent(painter, content);
        if (combo)
            DrawArrow(painter, width() - DropdownArrowWidth_ - 2, height() / 2 - 1, DropdownArrowWidth_, isEnabled(),
                      pal);
    });
}

void TDockButton::PaintContent(QPainter& Painter, const QRect& Content)
{
    const QPalette& pal = palette();
    const QImage image =
        DisplayMode_ == TButtonDisplayMode::dmTextOnly
            ? QImage()
            : Glyph_->Picture(static_cast<int>(State_), SysColor(clBtnHighlight, pal), SysColor(clBtnShadow, pal));
    // The grey picture is a pixel larger; it is placed as the glyph.
    const QSize glyph = image.isNull() ? QSize() : image.size();
    const QString caption = DisplayMode_ == TButtonDisplayMode::dmGlyphOnly ? QString() : Caption_;
    const bool arrow = DropdownArrow_ && DropdownActive() && !DropdownCombo_;
    TButtonContent content{.Width = Content.width(),
                           .Height = Content.height(),
                           .GlyphWidth = glyph.width(),
                           .GlyphHeight = glyph.height(),
                           .ArrowWidth = arrow ? DropdownArrowWidth_ : 0,
                           .Layout = Layout_,
                           .Margin = Margin_,
                           .Spacing = Spacing_};
    const int textFlags = Qt::TextShowMnemonic | (WordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine);
    if (!caption.isEmpty()) {
        const QSize text =
            fontMetrics().boundingRect(QRect(0, 0, CaptionRoom(content, WordWrap_), 0), textFlags, caption).size();
        content.TextWidth = text.width();
        content.TextHeight = text.height();
    }
    const TButtonPlaces places = LayoutButtonContent(content);
    const QPoint origin = Content.topLeft();
    if (!image.isNull())
        Painter.drawImage(origin + QPoint(places.GlyphX, places.GlyphY), image);
    if (!caption.isEmpty()) {
        const QRect textRect(origin + QPoint(places.TextX, places.TextY), QSize(content.TextWidth, content.TextHeight));
        const int flags = textFlags | static_cast<int>(AlignmentFlags(Alignment_));
        if (!isEnabled()) {
            Painter.setPen(SysColor(clBtnHighlight, pal));
            Painter.drawText(textRect.translated(1, 1), flags, caption);
            Painter.setPen(SysColor(clBtnShadow, pal));
        } else {
            Painter.setPen(pal.color(QPalette::ButtonText));
        }
        Painter.drawText(textRect, flags, caption);
    }
    if (arrow)
        DrawArrow(Painter, origin.x() + places.ArrowX, origin.y() + places.ArrowY, DropdownArrowWidth_, isEnabled(),
                  pal);
}
