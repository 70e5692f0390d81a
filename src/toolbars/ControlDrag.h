// The drag-and-drop events a dock or a tool window tells its handlers of:
// OnDragOver decides whether a drag may be dropped on the control, and
// OnDragDrop hears the drop. Source is the program's own object the drag
// started from (null for a drag from another program), and the point is in
// the control's client area. A control with no OnDragOver refuses every
// drag, which then goes on to the widget below it (the main window takes
// dropped files).
#pragma once

#include "Classes.h"

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;

// Hears Control's drag events and tells its owner's handlers of them.
class TControlDrag : public QObject {
public:
    // Sender is the control's object for the handlers; ClientOrigin gives the
    // client area's place in Control.
    TControlDrag(QWidget& Control, TObject& Sender, const TDragOverEvent& OnDragOver, const TDragDropEvent& OnDragDrop,
                 std::function<QPoint()> ClientOrigin);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TObject& Sender_;
    const TDragOverEvent& OnDragOver_;
    const TDragDropEvent& OnDragDrop_;
    std::function<QPoint()> ClientOrigin_;
};
