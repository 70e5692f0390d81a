// A toolbar on a dock: its buttons, separators and other controls (its
// child widgets, in the order they were made) in one line along the dock.
// Visible is the toolbar's own flag, so a toolbar of a window not yet shown
// still reads as visible.
#pragma once

#include "Classes.h"

#include <QPoint>
#include <QWidget>
#include <string>

class TToolDock;

class TDockToolbar : public QWidget, public TObject {
    Q_OBJECT

public:
    // The toolbar is on Dock (it must not be null).
    TDockToolbar(TToolDock* Dock, std::string Name, const QString& Caption = {});
    ~TDockToolbar() override;

    const std::string& Name() const { return Name_; }
    const QString& Caption() const { return Caption_; }
    void SetCaption(const QString& Caption) { Caption_ = Caption; }

    bool Visible() const { return Visible_; }
    void SetVisible(bool Visible);

    // Writing moves the toolbar to that dock (OnDockChanged then runs).
    TToolDock* DockedTo() const { return Dock_; }
    void SetDockedTo(TToolDock* Dock);
    // The row in the dock, 0 next to the form's edge.
    int32_t DockRow() const { return DockRow_; }
    void SetDockRow(int32_t DockRow);
    // The offset along the row; -1 until it is placed.
    int32_t DockPos() const { return DockPos_; }
    void SetDockPos(int32_t DockPos);
    // Where the toolbar floated last, kept for the settings.
    QPoint FloatPosition() const { return FloatPosition_; }
    void SetFloatPosition(QPoint Position) { FloatPosition_ = Position; }

    TNotifyEvent OnDockChanged;

    // The toolbar's size for its contents, along and across its dock.
    QSize ContentSize() const;
    // Places the children in a line; runs by itself when one is added,
    // removed, shown, hidden or resized.
    void ArrangeChildren();

protected:
    bool event(QEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    friend class TToolDock;
    void SetRowAndPos(int32_t DockRow, int32_t DockPos);

    std::string Name_;
    QString Caption_;
    TToolDock* Dock_;
    bool Visible_ = true;
    int32_t DockRow_ = 0;
    int32_t DockPos_ = -1;
    QPoint FloatPosition_;
};
