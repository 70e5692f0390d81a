// A window of tools that sits in a row of a dock or floats in a small
// captioned window of its own. Its frame (the thin raised frame and drag
// handle when docked, the window frame and caption when floating) is drawn
// by this outer widget; its controls live on an inner client widget placed
// inside the frame. Visible is the tool window's own flag: whether the
// window is shown also depends on where it is (a floating window shows with
// its form).
#pragma once

#include "Classes.h"
#include "ControlDrag.h"
#include "ControlMouse.h"
#include "DragGeometry.h"
#include "FloatingWindowParent.h"
#include "Graphics.h"
#include "HookService.h"
#include "ToolDock.h"
#include "ToolFrame.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QPainter;

enum class TToolWindowDockMode { dmCanFloat, dmCannotFloat, dmCannotFloatOrChangeDocks };
enum class TToolWindowFloatingMode { fmOnTopOfParentForm, fmOnTopOfAllForms };
// The framework's border style, as the tool windows use it.
enum class TDockBorderStyle { bsNone, bsSingle };
using TDockableTo = TSet<TDockPosition>;
// Sender and the dock the bar is going to (none: it is going to float).
using TDockChangingExEvent = std::function<void(TObject* Sender, TToolDock* DockingTo)>;
// Sender, and whether the window may close (true unless the handler clears it).
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// The parts of a floating frame a repaint asks for.
enum TFloatingFrameParts { fpFrame = 1, fpCaption = 2, fpCloseButton = 4, fpAll = 7 };

class TCustomToolWindow : public QWidget, public TObject {
    Q_OBJECT

public:
    ~TCustomToolWindow() override;

    const std::string& Name() const { return Name_; }
    // The floating window's caption; the name until set.
    const QString& Caption() const { return Caption_; }
    void SetCaption(const QString& Caption);

    bool Visible() const { return Visible_; }
    void SetVisible(bool Visible);

    // The dock the bar is on; none while it floats.
    TToolDock* DockedTo() const { return DockedTo_; }
    // Moves the bar onto Dock; none floats it on its form (raises
    // EInvalidOperation when it has none).
    void SetDockedTo(TToolDock* Dock);
    bool IsDocked() const { return DockedTo_ != nullptr; }
    // The dock or the form the bar is to be on; raises EInvalidOperation
    // for anything else.
    void SetParent(QWidget* NewParent);

    int32_t DockRow() const { return DockRow_; }
    void SetDockRow(int32_t DockRow);
    // The offset along the row; -1 until placed.
    int32_t DockPos() const { return DockPos_; }
    void SetDockPos(int32_t DockPos);
    // The dock the bar comes back to; while it floats with UseLastDock it
    // keeps its row and position in that dock.
    TToolDock* LastDock() const { return LastDock_; }
    void SetLastDock(TToolDock* Dock);
    bool UseLastDock() const { return UseLastDock_; }
    void SetUseLastDock(bool UseLastDock);
    TToolDock* DefaultDock() const { return DefaultDock_; }
    void SetDefaultDock(TToolDock* Dock) { DefaultDock_ = Dock; }

    bool ActivateParent() const { return ActivateParent_; }
    void SetActivateParent(bool ActivateParent) { ActivateParent_ = ActivateParent; }
    TDockBorderStyle BorderStyle() const { return BorderStyle_; }
    void SetBorderStyle(TDockBorderStyle BorderStyle);
    TColor Color() const { return Color_; }
    void SetColor(TColor Color);
    bool CloseButton() const { return CloseButton_; }
    void SetCloseButton(bool CloseButton);
    bool CloseButtonWhenDocked() const { return CloseButtonWhenDocked_; }
    void SetCloseButtonWhenDocked(bool CloseButtonWhenDocked);
    TDockableTo DockableTo() const { return DockableTo_; }
    void SetDockableTo(TDockableTo DockableTo) { DockableTo_ = DockableTo; }
    TToolWindowDockMode DockMode() const { return DockMode_; }
    void SetDockMode(TToolWindowDockMode DockMode) { DockMode_ = DockMode; }
    TDragHandleStyle DragHandleStyle() const { return DragHandleStyle_; }
    void SetDragHandleStyle(TDragHandleStyle DragHandleStyle);
    TToolWindowFloatingMode FloatingMode() const { return FloatingMode_; }
    void SetFloatingMode(TToolWindowFloatingMode FloatingMode);
    // The bar takes a whole row and the dock's full length.
    bool FullSize() const { return FullSize_; }
    void SetFullSize(bool FullSize);
    bool HideWhenInactive() const { return HideWhenInactive_; }
    // A floating bar hides while another application is active; without it
    // its caption dims instead.
    void SetHideWhenInactive(bool HideWhenInactive);
    bool CaptionDimmed() const { return CaptionDimmed_; }
    bool ShowCaption() const { return ShowCaption_; }
    void SetShowCaption(bool ShowCaption);
    // A floating window can be resized from its corners too.
    bool ResizeAtCorners() const { return ResizeAtCorners_; }
    void SetResizeAtCorners(bool ResizeAtCorners) { ResizeAtCorners_ = ResizeAtCorners; }

    TNotifyEvent OnDockChanged;
    TNotifyEvent OnDockChanging;
    TDockChangingExEvent OnDockChangingEx;
    TDockChangingExEvent OnDockChangingHidden;
    TNotifyEvent OnMove;
    TNotifyEvent OnResize;
    TNotifyEvent OnVisibleChanged;
    TNotifyEvent OnRecreating;
    TNotifyEvent OnRecreated;
    // The close button was clicked: OnCloseQuery may keep the window, else
    // it is hidden and OnClose follows.
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnClose;
    // In the client area's coordinates (negative on the handle or the
    // caption). A press that drags the bar is followed, once the drag is
    // over, by a left release at (-1, -1).
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    static QString Version();
    // The kind of dock the controls were last arranged for when the bar
    // changed places (none before its first place).
    std::optional<TBarOrientation> ArrangedForType() const { return ArrangedForType_; }
    bool ArrangedForTypeKnown() const { return ArrangedForType_.has_value(); }

    // The last floating position, in screen coordinates; kept while docked.
    QPoint FloatPosition() const { return FloatPosition_; }
    void SetFloatPosition(QPoint Position) { FloatPosition_ = Position; }
    // The frame around the client area: its width and height in all.
    QSize FrameSize() const { return {Frame_.Width(), Frame_.Height()}; }
    QWidget* ClientArea() const { return Client_; }
    // The frame the window would have on Dock (none: floating).
    TFrameMargins FrameMarginsFor(const TToolDock* Dock) const;
    // The form the bar is on, docked or floating.
    QWidget* FormOf() const;
    // The hidden host of the floating bar; none while docked.
    TFloatingWindowParent* FloatHost() const { return FloatHost_; }
    // Moves a floating window onto the work area of the monitor nearest
    // it; with OnlyIfFullyOffscreen only when none of it is on that area.
    void KeepOnScreen(bool OnlyIfFullyOffscreen);
    // What a point of the window (window coordinates) is on when floating.
    THitCode HitTestFloatingFrame(QPoint Point) const;
    int ClientWidth() const { return width() - Frame_.Width(); }
    int ClientHeight() const { return height() - Frame_.Height(); }

    // Sets the window's bounds in its parent, telling the dock of a size
    // change and re-arranging the controls for it.
    void SetBounds(const QRect& Bounds);
    // Lays the controls out for where the bar is and sizes the bar to them;
    // between BeginArrange and EndArrange this waits for the last end.
    void RearrangeChildren();
    void BeginArrange();
    void EndArrange();
    // The form finished loading: the controls are sorted by where their
    // maker put them and arranged.
    void Loaded();

    // The thickness of the bar's contents across its row, for a dock of
    // that orientation (boFloating: floating).
    virtual int GetBarThickness(TBarOrientation Orientation) const = 0;
    // Lays the controls out for Dock (none: floating), moving them only
    // with MoveChildren, and returns the client size the bar needs there.
    virtual QSize LayoutControls(bool MoveChildren, TToolDock* Dock) = 0;
    // What a floating window needs beyond its frame: resizing it never
    // goes below this plus the frame.
    virtual QSize GetExtraSize() const = 0;

    // Repaints of the frame wait for the event loop, so that however many
    // are asked for, each window paints its frame once with all parts
    // asked for.
    void PostDockedFrameRepaint();
    void PostFloatingFrameRepaint(int Parts);
    int PendingFloatingParts() const { return PendingFloatingParts_; }

protected:
    explicit TCustomToolWindow(std::string Name);

    bool event(QEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void moveEvent(QMoveEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    // A resize of the floating window from Edge (0 left, 1 right, 2 top,
    // 3 top-left, 4 top-right, 5 bottom, 6 bottom-left, 7 bottom-right)
    // starts, goes on with the pointer at Cursor proposing the bounds
    // Proposed (the result is what the window will take), and ends.
    // The bar is about to take that width and height at someone else's
    // asking than its own arranging.
    virtual void BeforeResize(int /*NewWidth*/, int /*NewHeight*/) {}
    virtual void BeginFloatSizing(int) {}
    virtual QRect TrackFloatSizing(QPoint, const QRect& Proposed, const QRect&) { return Proposed; }
    virtual void EndFloatSizing(bool) {}
    // Puts the controls in the order their places give, once the form is
    // loaded.
    virtual void SortOrderAtLoad() {}
    // Paints on the client area, under its controls.
    virtual void PaintClient(QPainter&) {}
    // A control was added to (Inserted) or removed from the client area.
    virtual void ControlListChanged(QWidget*, bool) {}

private:
    class TClientArea;
    friend class TToolDock;
    friend class TDragSession;
    friend class TResizeSession;
    friend class TCloseButtonSession;

    TFrameOptions FrameOptions() const;
    void ComputeFrameSizes();
    void PlaceClientArea();
    void AdoptChildren();
    void UpdateVisibility();
    // The form a floating bar floats for.
    QWidget* FloatForm() const { return FloatHost_ ? FloatHost_->OwnerForm() : nullptr; }
    // Gives the floating window to the window it stays above: its form's,
    // or none when it is above every window.
    void UpdateOwner();
    void FireMove();
    // OnDockChangingHidden, unless the bar is going away.
    void FireDockChangingHidden(TToolDock* DockingTo);
    // The left button went down on the window or its client area, at Point
    // (window coordinates) and Global (the screen). Global less Point is
    // where the window really is: the place kept for a top-level window can
    // be stale after the window was moved while hidden.
    void LeftPress(QPoint Point, QPoint Global);
    void DoubleClick();
    // Drags the bar from a press at Point (window coordinates) and Global
    // until the button is released (docks or floats it there) or Esc
    // cancels.
    void DragLoop(QPoint Point, QPoint Global);
    void RunResize(int Edge, QPoint Point, QPoint Global);
    void RunCloseButton();
    QRect CloseButtonRect() const;
    void SetClosePressed(bool Pressed);
    // Puts the bar into Row of Dock at Pos, as a drop does.
    void DockAt(TToolDock& Dock, int32_t Row, int32_t Pos);
    void DrawDockedFrame(QPainter& Painter);
    void DrawFloatingFrame(QPainter& Painter);
    void QueueFrameRepaint();
    void RepaintFrameNow();
    static void HookProc(THookKind Kind, QObject* Window, QEvent* Event);

    std::string Name_;
    QString Caption_;
    QWidget* Client_ = nullptr;
    bool Visible_ = true;
    QPointer<TToolDock> DockedTo_;
    QPointer<TToolDock> LastDock_;
    QPointer<TToolDock> DefaultDock_;
    QPointer<TFloatingWindowParent> FloatHost_;
    int32_t DockRow_ = 0;
    int32_t DockPos_ = -1;
    bool ActivateParent_ = true;
    TDockBorderStyle BorderStyle_ = TDockBorderStyle::bsSingle;
    TColor Color_ = clBtnFace;
    bool CloseButton_ = true;
    bool CloseButtonWhenDocked_ = false;
    TDockableTo DockableTo_{TDockPosition::dpTop, TDockPosition::dpBottom, TDockPosition::dpLeft,
                            TDockPosition::dpRight};
    TToolWindowDockMode DockMode_ = TToolWindowDockMode::dmCanFloat;
    TDragHandleStyle DragHandleStyle_ = TDragHandleStyle::dhDouble;
    TToolWindowFloatingMode FloatingMode_ = TToolWindowFloatingMode::fmOnTopOfParentForm;
    bool FullSize_ = false;
    bool HideWhenInactive_ = true;
    bool ShowCaption_ = true;
    bool ResizeAtCorners_ = true;
    bool UseLastDock_ = true;
    bool SizableFrame_ = true;
    bool CaptionDimmed_ = false;
    bool ClosePressed_ = false;
    int SelfBoundsCount_ = 0;
    bool SettingBounds_ = false;
    int ArrangeLock_ = 0;
    bool ArrangePending_ = false;
    int MoveEventLock_ = 0;
    std::optional<TBarOrientation> ArrangedForType_;
    int HideCount_ = 0;
    bool Destroying_ = false;
    QPoint FloatPosition_;
    TFrameMargins Frame_;
    bool DockedRepaintPending_ = false;
    int PendingFloatingParts_ = 0;
};
