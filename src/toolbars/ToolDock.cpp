#include "ToolDock.h"

#include "DockDraw.h"
#include "DockVersion.h"
#include "EdgeLayout.h"
#include "ExceptionHandler.h"
#include "FormLoading.h"
#include "MenuPopup.h"
#include "SysUtils.h"
#include "ToolWindow.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TToolDock::TToolDock(QWidget* Parent, std::string Name, TDockPosition Position)
    : QWidget(CheckedParent(Parent)), Name_(std::move(Name)), Position_(Position)
{
    setObjectName(QString::fromStdString(Name_));
    setMouseTracking(true);
    new TControlDrag(*this, *this, OnDragOver, OnDragDrop, [this] { return ClientOrigin(); });
    LayoutBars();
}

TToolDock::~TToolDock()
{
    // The bars go while the dock can still hear them leave (and lays out no
    // more); bars floating away from it only forget it.
    Destroying_ = true;
    const std::vector<TCustomToolWindow*> bars = BarList_;
    for (TCustomToolWindow* bar : bars) {
        if (bar->DockedTo() == this)
            delete bar;
        else
            bar->LastDock_ = nullptr;
    }
}

QWidget* TToolDock::CheckedParent(QWidget* Parent)
{
    if (qobject_cast<TToolDock*>(Parent) || qobject_cast<TCustomToolWindow*>(Parent))
        throw EInvalidOperation("A TToolDock control cannot be placed inside a tool window or another TToolDock");
    return Parent;
}

void TToolDock::SetParent(QWidget* Parent) { QWidget::setParent(CheckedParent(Parent)); }

void TToolDock::SetPosition(TDockPosition Position)
{
    if (Position == Position_)
        return;
    if (!findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
        throw EInvalidOperation("Cannot change Position of a TToolDock if it already contains controls");
    // The dock keeps its thickness across, now along the other axis.
    const int thickness = Vertical() ? width() : height();
    Position_ = Position;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ResizeDock(Vertical() ? thickness : width(), Vertical() ? height() : thickness);
    LayoutBars();
    if (auto* edges = parentWidget() ? qobject_cast<TEdgeLayout*>(parentWidget()->layout()) : nullptr) {
        edges->invalidate();
        edges->activate();
    }
}

QString TToolDock::Version() { return QString::fromLatin1(DockToolbarVersion); }

void TToolDock::contextMenuEvent(QContextMenuEvent* Event)
{
    if (!PopupMenu_)
        return QWidget::contextMenuEvent(Event);
    CatchExceptions([&] { ::PopupMenu(*PopupMenu_, Event->globalPos(), false); });
}

void TToolDock::mousePressEvent(QMouseEvent* Event)
{
    CatchExceptions([&] { TellMouseButton(OnMouseDown, this, *Event, Event->position().toPoint() - ClientOrigin()); });
}

void TToolDock::mouseMoveEvent(QMouseEvent* Event)
{
    CatchExceptions([&] { TellMouseMove(OnMouseMove, this, *Event, Event->position().toPoint() - ClientOrigin()); });
}

void TToolDock::mouseReleaseEvent(QMouseEvent* Event)
{
    CatchExceptions([&] { TellMouseButton(OnMouseUp, this, *Event, Event->position().toPoint() - ClientOrigin()); });
}

void TToolDock::SetAllowDrag(bool AllowDrag)
{
    if (AllowDrag == AllowDrag_)
        return;
    AllowDrag_ = AllowDrag;
    RecomputeBarFrames();
}

void TToolDock::RecomputeBarFrames()
{
    LockLayout();
    for (TCustomToolWindow* bar : BarList_)
        if (bar->DockedTo() == this) {
            bar->ComputeFrameSizes();
            bar->RearrangeChildren();
        }
    UnlockLayout();
}

void TToolDock::SetBoundLines(TDockBoundLines BoundLines)
{
    if (BoundLines == BoundLines_)
        return;
    BoundLines_ = BoundLines;
    LayoutBars();
    update();
}

int TToolDock::BoundLineWidth() const
{
    return BoundLines_.Contains(TDockBoundLine::blLeft) + BoundLines_.Contains(TDockBoundLine::blRight);
}

int TToolDock::BoundLineHeight() const
{
    return BoundLines_.Contains(TDockBoundLine::blTop) + BoundLines_.Contains(TDockBoundLine::blBottom);
}

QPoint TToolDock::ClientOrigin() const
{
    return {BoundLines_.Contains(TDockBoundLine::blLeft) ? 1 : 0, BoundLines_.Contains(TDockBoundLine::blTop) ? 1 : 0};
}

void TToolDock::SetColor(TColor Color)
{
    Color_ = Color;
    if (HasBackground())
        RefreshBackground();
    update();
}

void TToolDock::SetBackground(const QPixmap& Background)
{
    Background_ = Background;
    RefreshBackground();
}

void TToolDock::SetBackgroundOnToolbars(bool BackgroundOnToolbars)
{
    if (BackgroundOnToolbars == BackgroundOnToolbars_)
        return;
    BackgroundOnToolbars_ = BackgroundOnToolbars;
    RepaintBackgrounds();
}

void TToolDock::SetBackgroundTransparent(bool BackgroundTransparent)
{
    if (BackgroundTransparent == BackgroundTransparent_)
        return;
    BackgroundTransparent_ = BackgroundTransparent;
    if (HasBackground())
        RefreshBackground();
}

void TToolDock::RefreshBackground()
{
    BackgroundCache_ = QPixmap();
    RepaintBackgrounds();
}

void TToolDock::RepaintBackgrounds()
{
    update();
    for (TCustomToolWindow* bar : ShownBarList_)
        bar->update();
}

void TToolDock::TileBackground(QPainter& Painter, QWidget& Widget, const QRect& Rect)
{
    const QPixmap* tile = &Background_;
    if (BackgroundTransparent_) {
        // Made once, kept until the picture or the colours change.
        if (BackgroundCache_.isNull()) {
            BackgroundCache_ = QPixmap(Background_.size());
            BackgroundCache_.fill(SysColor(Color_, palette()));
            QPixmap masked = Background_;
            const QColor see = Background_.toImage().pixelColor(0, Background_.height() - 1);
            masked.setMask(Background_.createMaskFromColor(see, Qt::MaskInColor));
            QPainter(&BackgroundCache_).drawPixmap(0, 0, masked);
        }
        tile = &BackgroundCache_;
    }
    // The tiles start at the origin of the dock's parent, so they run on
    // from the dock into its bars without a seam.
    const QPoint anchor = parentWidget() ? Widget.mapTo(parentWidget(), QPoint(0, 0)) : Widget.pos();
    Painter.drawTiledPixmap(Rect, *tile, Rect.topLeft() + anchor);
}

void TToolDock::SetFixAlign(bool FixAlign)
{
    if (FixAlign == FixAlign_)
        return;
    FixAlign_ = FixAlign;
    LayoutBars();
}

void TToolDock::SetLimitToOneRow(bool LimitToOneRow)
{
    LimitToOneRow_ = LimitToOneRow;
    LayoutBars();
}

void TToolDock::LockLayout() { ++LayoutLockCount_; }

void TToolDock::UnlockLayout()
{
    if (LayoutLockCount_ > 0 && --LayoutLockCount_ == 0 && LayoutPending_)
        LayoutBars(LayoutClipPending_);
}

void TToolDock::UpdateBarList(bool Insert, TCustomToolWindow* Bar)
{
    const auto at = std::find(BarList_.begin(), BarList_.end(), Bar);
    if (Insert && at == BarList_.end()) {
        BarList_.push_back(Bar);
    } else if (!Insert && at != BarList_.end())
        BarList_.erase(at);
    SyncShownBars(Bar, false);
}

void TToolDock::ForgetBar(TCustomToolWindow* Bar)
{
    std::erase(BarList_, Bar);
    if (std::erase(ShownBarList_, Bar) > 0)
        LayoutBars();
}

bool TToolDock::ShowsOnDock(const TCustomToolWindow* Bar) const { return Bar->DockedTo() == this && Bar->Visible(); }

bool TToolDock::AnyBarShown() const
{
    return std::any_of(BarList_.begin(), BarList_.end(),
                       [this](const TCustomToolWindow* bar) { return ShowsOnDock(bar); });
}

void TToolDock::SyncShownBars(TCustomToolWindow* Bar, bool ForceRemove)
{
    const bool shown = !ForceRemove && ShowsOnDock(Bar);
    const auto at = std::find(ShownBarList_.begin(), ShownBarList_.end(), Bar);
    if (shown == (at != ShownBarList_.end()))
        return;
    if (shown)
        ShownBarList_.push_back(Bar);
    else
        ShownBarList_.erase(at);
    LayoutBars();
    if (OnInsertRemoveBar)
        OnInsertRemoveBar(this, shown, Bar);
}

int32_t TToolDock::LastRowNumber() const
{
    int32_t last = -1;
    for (const TCustomToolWindow* bar : BarList_)
        last = std::max(last, bar->DockRow());
    return last;
}

int TToolDock::RowThicknessOf(int32_t Row, const TCustomToolWindow* DefaultBar) const
{
    int thickness =
        Row >= 0 && static_cast<size_t>(Row) < RowThickness_.size() ? RowThickness_[static_cast<size_t>(Row)] : 0;
    if (thickness == 0 && DefaultBar)
        thickness = DefaultBar->GetBarThickness(BarOrientation());
    return thickness;
}

TRowDrop TToolDock::RowForDrop(int Position) const { return ::RowForDrop(RowThickness_, Position); }

int32_t TToolDock::RowUnderPosition(int Position) const { return ::RowUnderPosition(RowThickness_, Position); }

int TToolDock::CountBarsOnRow(int32_t Row, const TCustomToolWindow* Except) const
{
    return static_cast<int>(std::count_if(BarList_.begin(), BarList_.end(), [&](const TCustomToolWindow* bar) {
        return bar != Except && bar->DockRow() == Row;
    }));
}

void TToolDock::OpenRowAt(int32_t Row)
{
    for (TCustomToolWindow* bar : BarList_)
        if (bar->DockRow_ >= Row)
            ++bar->DockRow_;
}

void TToolDock::ResizeDock(int NewWidth, int NewHeight)
{
    QRect bounds = geometry();
    if (Vertical())
        setFixedWidth(NewWidth);
    else
        setFixedHeight(NewHeight);
    if (Position_ == TDockPosition::dpBottom)
        bounds.setTop(bounds.bottom() + 1 - NewHeight);
    else
        bounds.setHeight(NewHeight);
    if (Position_ == TDockPosition::dpRight)
        bounds.setLeft(bounds.right() + 1 - NewWidth);
    else
        bounds.setWidth(NewWidth);
    setGeometry(bounds);
}

void TToolDock::LayoutBars(bool ClipPositions)
{
    if (ClipPositions)
        LayoutClipPending_ = true;
    if (LayoutLockCount_ > 0 || Destroying_ || FormLoading(this)) {
        LayoutPending_ = true;
        return;
    }
    ++LayoutLockCount_;
    const bool clip = LayoutClipPending_;
    struct TUnlock {
        TToolDock& Dock;
        ~TUnlock()
        {
            --Dock.LayoutLockCount_;
            Dock.LayoutPending_ = false;
            Dock.LayoutClipPending_ = false;
        }
    } unlock{*this};

    raise();
    const bool vertical = Vertical();
    if (ShownBarList_.empty()) {
        const int thickness = FixAlign_ ? 1 : 0;
        RowThickness_.clear();
        ResizeDock(vertical ? thickness : width(), vertical ? height() : thickness);
        return;
    }
    const TBarOrientation orientation = BarOrientation();
    std::vector<TDockBarBox> boxes;
    boxes.reserve(BarList_.size());
    for (TCustomToolWindow* bar : BarList_) {
        TDockBarBox& box = boxes.emplace_back();
        box.Shown = std::find(ShownBarList_.begin(), ShownBarList_.end(), bar) != ShownBarList_.end();
        box.FullSize = bar->FullSize();
        box.Row = bar->DockRow_;
        box.Pos = bar->DockPos_;
        box.Length = vertical ? bar->height() : bar->width();
        box.Thickness = box.Shown ? bar->GetBarThickness(orientation) : 0;
    }
    const int available = vertical ? height() - BoundLineHeight() : width() - BoundLineWidth();
    const TDockLayout layout = LayoutDockBars(boxes, available, LimitToOneRow_, clip);
    RowThickness_ = layout.RowThickness;

    std::vector<TCustomToolWindow*> sorted;
    for (size_t i : layout.Order)
        sorted.push_back(BarList_[i]);
    for (size_t i = 0; i < BarList_.size(); ++i) {
        BarList_[i]->DockRow_ = boxes[i].Row;
        BarList_[i]->DockPos_ = boxes[i].Pos;
    }
    const QPoint origin = ClientOrigin();
    for (size_t i : layout.Order) {
        const TDockBarBox& box = boxes[i];
        if (!box.Shown)
            continue;
        TCustomToolWindow* bar = BarList_[i];
        const auto along = static_cast<int>(box.Along);
        const QRect bounds = vertical ? QRect(box.Across, along, box.RowSize, box.PlacedLength)
                                      : QRect(along, box.Across, box.PlacedLength, box.RowSize);
        ++bar->SelfBoundsCount_;
        bar->SetBounds(bounds.translated(origin));
        --bar->SelfBoundsCount_;
    }
    BarList_ = sorted;
    std::stable_sort(ShownBarList_.begin(), ShownBarList_.end(),
                     [](const TCustomToolWindow* a, const TCustomToolWindow* b) {
                         return a->DockRow_ != b->DockRow_ ? a->DockRow_ < b->DockRow_ : a->DockPos_ < b->DockPos_;
                     });
    const int thickness = layout.Thickness + (vertical ? BoundLineWidth() : BoundLineHeight());
    ResizeDock(vertical ? thickness : width(), vertical ? height() : thickness);
}

void TToolDock::paintEvent(QPaintEvent*)
{
    CatchExceptions([this] {
        QPainter painter(this);
        const QPalette& pal = palette();
        painter.fillRect(rect(), SysColor(Color_, pal));
        if (HasBackground())
            TileBackground(painter, *this,
                           QRect(ClientOrigin(), QSize(width() - BoundLineWidth(), height() - BoundLineHeight())));
        if (BoundLines_.Empty() || !AnyBarShown())
            return;
        QRect r = rect();
        const QColor shadow = SysColor(clBtnShadow, pal);
        const QColor highlight = SysColor(clBtnHighlight, pal);
        if (BoundLines_.Contains(TDockBoundLine::blTop)) {
            painter.fillRect(r.left(), r.top(), r.width(), 1, shadow);
            r.setTop(r.top() + 1);
        }
        if (BoundLines_.Contains(TDockBoundLine::blLeft)) {
            painter.fillRect(r.left(), r.top(), 1, r.height(), shadow);
            r.setLeft(r.left() + 1);
        }
        if (BoundLines_.Contains(TDockBoundLine::blBottom)) {
            painter.fillRect(r.left(), r.bottom(), r.width(), 1, highlight);
            r.setBottom(r.bottom() - 1);
        }
        if (BoundLines_.Contains(TDockBoundLine::blRight))
            painter.fillRect(r.right(), r.top(), 1, r.height(), highlight);
    });
}

void TToolDock::moveEvent(QMoveEvent* Event)
{
    QWidget::moveEvent(Event);
    if (HasBackground())
        RepaintBackgrounds();
}

void TToolDock::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::PaletteChange && HasBackground())
        CatchExceptions([this] { RefreshBackground(); });
}

void TToolDock::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    CatchExceptions([this] {
        LayoutBars();
        if (OnResize && !FormLoading(this))
            OnResize(this);
    });
}
