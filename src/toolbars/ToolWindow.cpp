#include "ToolWindow.h"

#include "DockDraw.h"
#include "DockVersion.h"
#include "ExceptionHandler.h"
#include "FormLoading.h"
#include "SysUtils.h"

#include <QApplication>
#include <QChildEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace {

// Every floating tool window of the program, for the hook procedure.
std::vector<TCustomToolWindow*>& FloatingToolWindows()
{
    static std::vector<TCustomToolWindow*> windows;
    return windows;
}

// A posted request to adopt controls made on the bar itself and lay out.
const QEvent::Type ArrangeRequest = QEvent::LayoutRequest;

} // namespace

// The client area: it paints what its tool window paints under the
// controls, and lets the frame's colour show through elsewhere.
class TCustomToolWindow::TClientArea : public QWidget {
public:
    explicit TClientArea(TCustomToolWindow* Owner) : QWidget(Owner), Owner_(Owner) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        CatchExceptions([this] {
            QPainter painter(this);
            Owner_->PaintClient(painter);
        });
    }

private:
    TCustomToolWindow* Owner_;
};

TCustomToolWindow::TCustomToolWindow(std::string Name) : Name_(std::move(Name)), Caption_(QString::fromStdString(Name_))
{
    Client_ = new TClientArea(this);
    setObjectName(QString::fromStdString(Name_));
    // Floating, the bar never takes the activation from its form.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(1, 1);
    setMaximumSize(32767, 32767);
    // The edges of a floating window show the sizing cursors.
    setMouseTracking(true);
    Client_->installEventFilter(this);
    new TControlDrag(*this, *this, OnDragOver, OnDragDrop, [this] { return Client_->pos(); });
    AddHookClient(&TCustomToolWindow::HookProc, ActivateAppEvent | WindowPosEvent | DestroyEvent);
    ComputeFrameSizes();
}

TCustomToolWindow::~TCustomToolWindow()
{
    Destroying_ = true;
    if (DockedTo_)
        DockedTo_->ForgetBar(this);
    if (LastDock_)
        LastDock_->ForgetBar(this);
    std::erase(FloatingToolWindows(), this);
    RemoveHookClient(&TCustomToolWindow::HookProc);
    // The host goes with its bar, once the bar has left it.
    if (FloatHost_)
        FloatHost_->deleteLater();
}

void TCustomToolWindow::HookProc(THookKind Kind, QObject* Window, QEvent*)
{
    // A floating bar shows with its form, and with HideWhenInactive only
    // while the application is active: re-check when either changes.
    for (TCustomToolWindow* bar : FloatingToolWindows())
        if (Kind == ActivateAppEvent
            || (Kind == WindowPosEvent && bar->FloatingMode_ == TToolWindowFloatingMode::fmOnTopOfParentForm
                && bar->FloatForm() == Window))
            bar->UpdateVisibility();
}

void TCustomToolWindow::SetCaption(const QString& Caption)
{
    Caption_ = Caption;
    setWindowTitle(Caption);
    PostFloatingFrameRepaint(fpCaption);
}

void TCustomToolWindow::SetVisible(bool Visible)
{
    if (Visible == Visible_)
        return;
    Visible_ = Visible;
    UpdateVisibility();
    if (DockedTo_)
        DockedTo_->SyncShownBars(this, false);
    if (OnVisibleChanged)
        OnVisibleChanged(this);
}

QString TCustomToolWindow::Version() { return QString::fromLatin1(DockToolbarVersion); }

QWidget* TCustomToolWindow::FormOf() const
{
    if (!IsDocked())
        return FloatForm();
    return DockedTo_->window();
}

void TCustomToolWindow::SetDockedTo(TToolDock* Dock)
{
    if (Dock) {
        SetParent(Dock);
        return;
    }
    QWidget* form = FormOf();
    if (!form)
        throw EInvalidOperation(Format("コントロール '%s' は親ウィンドウを持っていません", Name_.c_str()));
    SetParent(form);
}

void TCustomToolWindow::SetParent(QWidget* NewParent)
{
    auto* newDock = qobject_cast<TToolDock*>(NewParent);
    if (NewParent && !newDock && !NewParent->isWindow())
        throw EInvalidOperation("A tool window can only be placed on a TToolDock or directly on the form");
    TToolDock* oldDock = DockedTo_;
    QWidget* present = oldDock ? static_cast<QWidget*>(oldDock) : FloatForm();
    if (NewParent == present)
        return;

    if (NewParent && !Destroying_) {
        if (OnDockChanging)
            OnDockChanging(this);
        if (OnDockChangingEx)
            OnDockChangingEx(this, newDock);
        if (OnRecreating)
            OnRecreating(this);
    }
    // Hidden while it changes places, and no move is reported on the way.
    ++HideCount_;
    ++MoveEventLock_;
    UpdateVisibility();
    if (oldDock)
        oldDock->LockLayout();
    if (newDock)
        newDock->LockLayout();
    ++SelfBoundsCount_;
    if (NewParent)
        FireDockChangingHidden(newDock);
    // Already laid out for the new place when it shows there.
    if (NewParent && ArrangedForTypeKnown())
        LayoutControls(true, newDock);
    ArrangePending_ = true;
    BeginArrange();
    if (oldDock) {
        if (!UseLastDock_)
            oldDock->UpdateBarList(false, this);
        oldDock->SyncShownBars(this, true);
    }

    // A bar floating on a form lives in a host of its own, which follows
    // the form.
    TFloatingWindowParent* const oldHost = FloatHost_;
    DockedTo_ = newDock;
    FloatHost_ = NewParent && !newDock ? new TFloatingWindowParent(NewParent) : nullptr;
    if (newDock)
        setParent(newDock);
    else if (FloatHost_)
        setParent(FloatHost_, Qt::Tool | Qt::FramelessWindowHint);
    else
        setParent(nullptr);
    ComputeFrameSizes();
    unsetCursor();
    delete oldHost;

    if (newDock) {
        if (UseLastDock_) {
            SetLastDock(newDock);
            newDock->SyncShownBars(this, false);
        } else {
            newDock->UpdateBarList(true, this);
        }
    }
    std::vector<TCustomToolWindow*>& floating = FloatingToolWindows();
    std::erase(floating, this);
    if (NewParent && !newDock) {
        floating.push_back(this);
        SetBounds(QRect(FloatPosition_, size()));
    }

    // The controls are arranged for the new place once, here, while the
    // bar is still hidden.
    EndArrange();
    if (NewParent)
        ArrangedForType_ = newDock ? newDock->BarOrientation() : boFloating;
    --SelfBoundsCount_;
    if (newDock)
        newDock->UnlockLayout();
    if (oldDock)
        oldDock->UnlockLayout();
    --MoveEventLock_;
    --HideCount_;
    UpdateVisibility();
    if (NewParent)
        FireMove();
    if (NewParent && !Destroying_) {
        if (OnRecreated)
            OnRecreated(this);
        if (OnDockChanged)
            OnDockChanged(this);
    }
}

void TCustomToolWindow::UpdateVisibility()
{
    const bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
    const bool dimmed = !IsDocked() && !HideWhenInactive_ && !active;
    if (dimmed != CaptionDimmed_) {
        CaptionDimmed_ = dimmed;
        PostFloatingFrameRepaint(fpCaption);
    }
    bool show = Visible_ && HideCount_ == 0 && parentWidget();
    QWidget* form = FloatForm();
    if (show && !IsDocked()) {
        show = form && (!HideWhenInactive_ || active);
        if (FloatingMode_ == TToolWindowFloatingMode::fmOnTopOfParentForm)
            show = show && form->isVisible() && !form->isMinimized();
    }
    if (show && !IsDocked())
        UpdateOwner();
    if (FloatHost_)
        FloatHost_->SetWantShown(show);
    if (show != !isHidden()) {
        // The window manager may have minimised the bar along with its form
        // before the program hid it: it comes back as a normal window, as
        // one shown minimised would take its form down again.
        if (show)
            setWindowState(windowState() & ~Qt::WindowMinimized);
        setVisible(show);
    }
    // Above every window of every program, or only above its form.
    if (show && !IsDocked() && windowHandle())
        windowHandle()->setFlag(Qt::WindowStaysOnTopHint,
                                FloatingMode_ == TToolWindowFloatingMode::fmOnTopOfAllForms && isEnabled());
}

void TCustomToolWindow::UpdateOwner()
{
    if (!windowHandle())
        create();
    QWidget* form = FloatForm();
    QWindow* owner = FloatingMode_ == TToolWindowFloatingMode::fmOnTopOfParentForm && form
                         ? form->window()->windowHandle()
                         : nullptr;
    if (windowHandle()->transientParent() != owner)
        windowHandle()->setTransientParent(owner);
}

void TCustomToolWindow::SetFloatingMode(TToolWindowFloatingMode FloatingMode)
{
    FloatingMode_ = FloatingMode;
    UpdateVisibility();
}

void TCustomToolWindow::SetHideWhenInactive(bool HideWhenInactive)
{
    HideWhenInactive_ = HideWhenInactive;
    UpdateVisibility();
}

void TCustomToolWindow::SetDockRow(int32_t DockRow)
{
    DockRow_ = DockRow;
    if (DockedTo_)
        DockedTo_->LayoutBars();
}

void TCustomToolWindow::SetDockPos(int32_t DockPos)
{
    DockPos_ = DockPos;
    if (DockedTo_)
        DockedTo_->LayoutBars();
}

void TCustomToolWindow::SetLastDock(TToolDock* Dock)
{
    if (UseLastDock_ && DockedTo_)
        Dock = DockedTo_;
    if (Dock == LastDock_)
        return;
    if (LastDock_ && LastDock_ != DockedTo_)
        LastDock_->UpdateBarList(false, this);
    LastDock_ = Dock;
    if (Dock) {
        UseLastDock_ = true;
        Dock->UpdateBarList(true, this);
    }
}

void TCustomToolWindow::SetUseLastDock(bool UseLastDock)
{
    if (UseLastDock == UseLastDock_)
        return;
    UseLastDock_ = UseLastDock;
    SetLastDock(UseLastDock ? DockedTo_.data() : nullptr);
}

void TCustomToolWindow::SetBorderStyle(TDockBorderStyle BorderStyle)
{
    BorderStyle_ = BorderStyle;
    PostDockedFrameRepaint();
}

void TCustomToolWindow::SetColor(TColor Color)
{
    Color_ = Color;
    PostDockedFrameRepaint();
    update();
}

void TCustomToolWindow::SetCloseButton(bool CloseButton)
{
    if (CloseButton == CloseButton_)
        return;
    CloseButton_ = CloseButton;
    PostFloatingFrameRepaint(fpCaption | fpCloseButton);
}

void TCustomToolWindow::SetCloseButtonWhenDocked(bool CloseButtonWhenDocked)
{
    CloseButtonWhenDocked_ = CloseButtonWhenDocked;
    if (IsDocked()) {
        ComputeFrameSizes();
        RearrangeChildren();
    }
}

void TCustomToolWindow::SetDragHandleStyle(TDragHandleStyle DragHandleStyle)
{
    DragHandleStyle_ = DragHandleStyle;
    if (IsDocked()) {
        ComputeFrameSizes();
        RearrangeChildren();
    }
}

void TCustomToolWindow::SetShowCaption(bool ShowCaption)
{
    ShowCaption_ = ShowCaption;
    if (!IsDocked()) {
        ComputeFrameSizes();
        RearrangeChildren();
    }
}

void TCustomToolWindow::SetFullSize(bool FullSize)
{
    FullSize_ = FullSize;
    RearrangeChildren();
}

TFrameOptions TCustomToolWindow::FrameOptions() const
{
    return {.Orientation = DockedTo_ ? DockedTo_->BarOrientation() : boFloating,
            .AllowDrag = DockedTo_ && DockedTo_->AllowDrag(),
            .CloseButtonWhenDocked = CloseButtonWhenDocked_,
            .DragHandleStyle = DragHandleStyle_,
            .SizableFrame = SizableFrame_,
            .ShowCaption = ShowCaption_};
}

TFrameMargins TCustomToolWindow::FrameMarginsFor(const TToolDock* Dock) const
{
    TFrameOptions options = FrameOptions();
    options.Orientation = Dock ? Dock->BarOrientation() : boFloating;
    options.AllowDrag = Dock && Dock->AllowDrag();
    return FrameMargins(options);
}

void TCustomToolWindow::ComputeFrameSizes()
{
    Frame_ = FrameMargins(FrameOptions());
    PlaceClientArea();
    update();
}

void TCustomToolWindow::PlaceClientArea()
{
    Client_->setGeometry(Frame_.Left, Frame_.Top, std::max(0, width() - Frame_.Width()),
                         std::max(0, height() - Frame_.Height()));
}

void TCustomToolWindow::SetBounds(const QRect& Bounds)
{
    const bool resized = Bounds.size() != size();
    const bool moved = Bounds.topLeft() != pos();
    if (!resized && !moved)
        return;
    if (resized && SelfBoundsCount_ == 0)
        BeforeResize(Bounds.width(), Bounds.height());
    SettingBounds_ = true;
    setGeometry(Bounds);
    SettingBounds_ = false;
    PlaceClientArea();
    if (!IsDocked() && SelfBoundsCount_ == 0)
        FloatPosition_ = Bounds.topLeft();
    if (moved) {
        // The background tiles follow the bar.
        if (DockedTo_ && DockedTo_->HasBackground())
            update();
        FireMove();
    }
    if (!resized)
        return;
    if (OnResize && !FormLoading(this))
        OnResize(this);
    if (DockedTo_)
        DockedTo_->LayoutBars();
    RearrangeChildren();
}

void TCustomToolWindow::moveEvent(QMoveEvent* Event)
{
    QWidget::moveEvent(Event);
    // A floating bar the window manager moved: its place is remembered and
    // the move reported, as for one the program moved.
    if (!IsDocked() && isWindow() && SelfBoundsCount_ == 0 && !SettingBounds_) {
        FloatPosition_ = pos();
        CatchExceptions([this] { FireMove(); });
    }
}

void TCustomToolWindow::FireMove()
{
    if (MoveEventLock_ == 0 && OnMove && !FormLoading(this))
        OnMove(this);
}

void TCustomToolWindow::FireDockChangingHidden(TToolDock* DockingTo)
{
    if (!Destroying_ && OnDockChangingHidden)
        OnDockChangingHidden(this, DockingTo);
}

void TCustomToolWindow::BeginArrange() { ++ArrangeLock_; }

void TCustomToolWindow::EndArrange()
{
    if (--ArrangeLock_ == 0 && ArrangePending_)
        RearrangeChildren();
}

void TCustomToolWindow::RearrangeChildren()
{
    if (ArrangeLock_ > 0 || Destroying_ || !parentWidget() || FormLoading(this)) {
        ArrangePending_ = true;
        return;
    }
    ArrangePending_ = false;
    ++ArrangeLock_;
    TToolDock* dock = DockedTo_;
    QSize client = LayoutControls(false, dock);
    if (dock) {
        const int row = dock->RowThicknessOf(DockRow_, this);
        if (dock->Vertical()) {
            client.setWidth(std::max(client.width(), row));
            if (FullSize_)
                client.setHeight(dock->height() - dock->BoundLineHeight() - Frame_.Height());
        } else {
            client.setHeight(std::max(client.height(), row));
            if (FullSize_)
                client.setWidth(dock->width() - dock->BoundLineWidth() - Frame_.Width());
        }
    }
    const QSize bounds = client + FrameSize();
    if (bounds != size()) {
        ++SelfBoundsCount_;
        SetBounds(QRect(pos(), bounds));
        --SelfBoundsCount_;
    }
    // Placed after the size settled, so that the controls are centred in
    // the row as the dock now has it.
    LayoutControls(true, dock);
    --ArrangeLock_;
}

void TCustomToolWindow::Loaded()
{
    AdoptChildren();
    SortOrderAtLoad();
    RearrangeChildren();
}

void TCustomToolWindow::AdoptChildren()
{
    const QObjectList objects = children();
    for (QObject* object : objects) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child == Client_ || child->isWindow())
            continue;
        const bool hidden = child->isHidden();
        child->setParent(Client_);
        child->setVisible(!hidden);
    }
}

bool TCustomToolWindow::event(QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::ChildAdded:
        // A control made on the bar moves into the client area once its
        // own constructor has run.
        if (static_cast<QChildEvent*>(Event)->child() != Client_)
            QCoreApplication::postEvent(this, new QEvent(ArrangeRequest));
        break;
    case ArrangeRequest:
        CatchExceptions([this] {
            AdoptChildren();
            RearrangeChildren();
        });
        return true;
    case QEvent::WindowActivate:
        // A floating bar never keeps the activation: its form takes it.
        if (QWidget* form = FloatForm();
            form && FloatingMode_ == TToolWindowFloatingMode::fmOnTopOfParentForm && form->isVisible())
            form->activateWindow();
        break;
    case QEvent::EnabledChange:
        // A bar above every window stays so only while it takes input.
        if (FloatingMode_ == TToolWindowFloatingMode::fmOnTopOfAllForms)
            CatchExceptions([this] { UpdateVisibility(); });
        break;
    default: break;
    }
    return QWidget::event(Event);
}

bool TCustomToolWindow::eventFilter(QObject* Watched, QEvent* Event)
{
    const QEvent::Type type = Event->type();
    if (Watched == Client_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
        // A press on the client area away from the controls drags the bar.
        auto* mouse = static_cast<QMouseEvent*>(Event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const QPoint point = Client_->mapTo(this, mouse->position().toPoint());
        CatchExceptions([&] {
            if (type == QEvent::MouseButtonPress)
                LeftPress(point, mouse->globalPosition().toPoint());
            else
                DoubleClick();
        });
        return true;
    }
    if (Watched == Client_ && (type == QEvent::ChildAdded || type == QEvent::ChildRemoved)) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(Event)->child());
        if (child && !child->isWindow()) {
            if (type == QEvent::ChildAdded)
                child->installEventFilter(this);
            CatchExceptions([&] { ControlListChanged(child, type == QEvent::ChildAdded); });
            QCoreApplication::postEvent(this, new QEvent(ArrangeRequest));
        }
    } else if (Watched->parent() == Client_
               && (type == QEvent::ShowToParent || type == QEvent::HideToParent || type == QEvent::Resize)) {
        if (ArrangeLock_ == 0)
            QCoreApplication::postEvent(this, new QEvent(ArrangeRequest));
    }
    return false;
}

void TCustomToolWindow::PostDockedFrameRepaint()
{
    QueueFrameRepaint();
    DockedRepaintPending_ = true;
}

void TCustomToolWindow::PostFloatingFrameRepaint(int Parts)
{
    QueueFrameRepaint();
    PendingFloatingParts_ |= Parts;
}

void TCustomToolWindow::QueueFrameRepaint()
{
    if (!DockedRepaintPending_ && PendingFloatingParts_ == 0)
        QMetaObject::invokeMethod(
            this, [this] { CatchExceptions([this] { RepaintFrameNow(); }); }, Qt::QueuedConnection);
}

void TCustomToolWindow::RepaintFrameNow()
{
    DockedRepaintPending_ = false;
    PendingFloatingParts_ = 0;
    // The frame, the handle and the caption all lie in the ring around the
    // client area.
    QRegion ring(rect());
    ring -= Client_->geometry();
    update(ring);
}

void TCustomToolWindow::paintEvent(QPaintEvent*)
{
    CatchExceptions([this] {
        QPainter painter(this);
        painter.fillRect(rect(), SysColor(Color_, palette()));
        if (IsDocked())
            DrawDockedFrame(painter);
        else
            DrawFloatingFrame(painter);
    });
}
