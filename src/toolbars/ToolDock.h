// A strip along one edge of a form that holds tool windows in rows. The
// dock is as thick as its rows (1 px when empty and FixAlign is on), draws
// etched bound lines on the edges named, and lays its bars out again
// whenever one arrives, leaves, changes its row, position, visibility or
// size, and whenever it is resized itself.
#pragma once

#include "Classes.h"
#include "ControlDrag.h"
#include "ControlMouse.h"
#include "DockRows.h"
#include "Graphics.h"
#include "Set.h"
#include "ToolbarLayout.h"

#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class TCustomToolWindow;

enum class TDockPosition { dpTop, dpBottom, dpLeft, dpRight };
enum class TDockBoundLine { blTop, blBottom, blLeft, blRight };
using TDockBoundLines = TSet<TDockBoundLine>;

// Sender, whether the bar became visible on the dock (true) or stopped
// being so, and the bar.
using TInsertRemoveEvent = std::function<void(TObject* Sender, bool Inserting, TCustomToolWindow* Bar)>;
// Sender (the dock), the bar dragged over it, and whether it may dock
// there (true unless the handler clears it).
using TRequestDockEvent = std::function<void(TObject* Sender, TCustomToolWindow* Bar, bool& Accept)>;

class TToolDock : public QWidget, public TObject {
    Q_OBJECT

public:
    // Raises EInvalidOperation when Parent is a tool window or a dock.
    TToolDock(QWidget* Parent, std::string Name, TDockPosition Position = TDockPosition::dpTop);
    ~TToolDock() override;

    const std::string& Name() const { return Name_; }
    TDockPosition Position() const { return Position_; }
    // Moves the dock to that edge of its parent (when the parent's layout
    // is a TEdgeLayout); raises EInvalidOperation while the dock holds any
    // control.
    void SetPosition(TDockPosition Position);
    static QString Version();
    // Shown by a right click on the dock outside its bars; cleared when the
    // menu goes away.
    QMenu* PopupMenu() const { return PopupMenu_; }
    void SetPopupMenu(QMenu* Menu) { PopupMenu_ = Menu; }
    bool Vertical() const { return Position_ == TDockPosition::dpLeft || Position_ == TDockPosition::dpRight; }
    TBarOrientation BarOrientation() const { return Vertical() ? boVertical : boHorizontal; }
    // Bars show a drag handle; off: never a drop target, and not written as
    // a bar's dock in the settings.
    bool AllowDrag() const { return AllowDrag_; }
    void SetAllowDrag(bool AllowDrag);
    TDockBoundLines BoundLines() const { return BoundLines_; }
    void SetBoundLines(TDockBoundLines BoundLines);
    TColor Color() const { return Color_; }
    void SetColor(TColor Color);
    // A picture tiled behind the bars, continuing seamlessly from the dock
    // onto its docked bars (with BackgroundOnToolbars) and from the parent's
    // origin; with BackgroundTransparent the colour of its bottom-left pixel
    // shows the dock's colour.
    const QPixmap& Background() const { return Background_; }
    void SetBackground(const QPixmap& Background);
    bool HasBackground() const { return !Background_.isNull() && Background_.width() > 0 && Background_.height() > 0; }
    bool BackgroundOnToolbars() const { return BackgroundOnToolbars_; }
    void SetBackgroundOnToolbars(bool BackgroundOnToolbars);
    bool BackgroundTransparent() const { return BackgroundTransparent_; }
    void SetBackgroundTransparent(bool BackgroundTransparent);
    // Tiles Rect of Widget (the dock or one of its bars) with the background.
    void TileBackground(QPainter& Painter, QWidget& Widget, const QRect& Rect);
    // An empty dock is 1 px thick instead of 0.
    bool FixAlign() const { return FixAlign_; }
    void SetFixAlign(bool FixAlign);
    // Every layout first puts all bars on row 0.
    bool LimitToOneRow() const { return LimitToOneRow_; }
    void SetLimitToOneRow(bool LimitToOneRow);
    // Raises EInvalidOperation when Parent is a tool window or a dock.
    void SetParent(QWidget* Parent);

    TInsertRemoveEvent OnInsertRemoveBar;
    TRequestDockEvent OnRequestDock;
    TNotifyEvent OnResize;
    // In the dock's client coordinates.
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;

    // Every bar that belongs to the dock: docked on it, or floating and
    // coming back to it (its LastDock); sorted by each layout.
    const std::vector<TCustomToolWindow*>& BarList() const { return BarList_; }
    // The bars now visible on the dock.
    const std::vector<TCustomToolWindow*>& ShownBarList() const { return ShownBarList_; }
    // The contents thickness of each row, from the last layout.
    const std::vector<int>& RowThickness() const { return RowThickness_; }
    // The pixels the bound lines take from the width and the height.
    int BoundLineWidth() const;
    int BoundLineHeight() const;
    // Where the client area starts, past the top and left bound lines.
    QPoint ClientOrigin() const;

    // Between LockLayout and UnlockLayout layouts wait; the last unlock runs
    // one if any was asked for, clipping if any asked for that.
    void LockLayout();
    void UnlockLayout();
    // ClipPositions: bars of a row too long keep their squeezed places as
    // their DockPos.
    void LayoutBars(bool ClipPositions = false);

    void UpdateBarList(bool Insert, TCustomToolWindow* Bar);
    // Drops a bar that is going away, without telling anyone.
    void ForgetBar(TCustomToolWindow* Bar);
    // Brings ShownBarList in line with whether Bar shows on the dock; a
    // change lays out and tells OnInsertRemoveBar.
    void SyncShownBars(TCustomToolWindow* Bar, bool ForceRemove);
    bool ShowsOnDock(const TCustomToolWindow* Bar) const;
    bool AnyBarShown() const;
    int32_t LastRowNumber() const;
    // The row's thickness; for an empty row DefaultBar's own, if given.
    int RowThicknessOf(int32_t Row, const TCustomToolWindow* DefaultBar) const;
    TRowDrop RowForDrop(int Position) const;
    int32_t RowUnderPosition(int Position) const;
    int CountBarsOnRow(int32_t Row, const TCustomToolWindow* Except) const;
    void OpenRowAt(int32_t Row);
    // Sizes the dock, keeping the edge it is glued to where it is.
    void ResizeDock(int NewWidth, int NewHeight);

protected:
    void changeEvent(QEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void moveEvent(QMoveEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    static QWidget* CheckedParent(QWidget* Parent);
    void RecomputeBarFrames();
    void RefreshBackground();
    void RepaintBackgrounds();

    std::string Name_;
    TDockPosition Position_;
    bool AllowDrag_ = true;
    TDockBoundLines BoundLines_;
    TColor Color_ = clBtnFace;
    QPixmap Background_;
    QPixmap BackgroundCache_;
    bool BackgroundOnToolbars_ = true;
    bool BackgroundTransparent_ = false;
    bool FixAlign_ = false;
    bool LimitToOneRow_ = false;
    QPointer<QMenu> PopupMenu_;
    int LayoutLockCount_ = 0;
    bool LayoutPending_ = false;
    bool LayoutClipPending_ = false;
    bool Destroying_ = false;
    std::vector<TCustomToolWindow*> BarList_;
    std::vector<TCustomToolWindow*> ShownBarList_;
    std::vector<int> RowThickness_;
};
