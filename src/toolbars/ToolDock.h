// A strip along one edge of a form that holds toolbars in rows. The dock
// is as thick as its rows (one pixel when empty and FixAlign is on) and
// lays its bars out again whenever one arrives, leaves, changes its row or
// position, is shown or hidden, or changes its size.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class TDockToolbar;

enum class TDockPosition { dpTop, dpBottom, dpLeft, dpRight };

class TToolDock : public QWidget {
    Q_OBJECT

public:
    explicit TToolDock(QWidget* Parent, std::string Name, TDockPosition Position = TDockPosition::dpTop);
    ~TToolDock() override;

    const std::string& Name() const { return Name_; }
    TDockPosition Position() const { return Position_; }
    bool Vertical() const { return Position_ == TDockPosition::dpLeft || Position_ == TDockPosition::dpRight; }
    // Off: the dock's bars stay where they are; it is not written as a
    // bar's dock in the settings.
    bool AllowDrag() const { return AllowDrag_; }
    void SetAllowDrag(bool AllowDrag) { AllowDrag_ = AllowDrag; }
    // An empty dock is one pixel thick instead of none.
    bool FixAlign() const { return FixAlign_; }
    void SetFixAlign(bool FixAlign);
    bool LimitToOneRow() const { return LimitToOneRow_; }
    void SetLimitToOneRow(bool LimitToOneRow);

    // The bars on the dock, in the order they arrived.
    const std::vector<TDockToolbar*>& Bars() const { return Bars_; }

    // Between LockLayout and UnlockLayout layouts wait; the last unlock
    // runs one if any was asked for.
    void LockLayout();
    void UnlockLayout();
    void LayoutBars();

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    friend class TDockToolbar;
    void InsertBar(TDockToolbar* Bar);
    void RemoveBar(TDockToolbar* Bar);

    std::string Name_;
    TDockPosition Position_;
    bool AllowDrag_ = true;
    bool FixAlign_ = false;
    bool LimitToOneRow_ = false;
    int LayoutLockCount_ = 0;
    bool LayoutPending_ = false;
    std::vector<TDockToolbar*> Bars_;
};
