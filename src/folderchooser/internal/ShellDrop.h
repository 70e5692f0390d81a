// What the shell controls accept when something is dropped on them: file
// URLs or item-ID lists, dropped into a writable folder (or the desktop),
// copied, moved or linked there without replacing anything.
#pragma once

#include "VirtualKeys.h"

#include <QPoint>
#include <Qt>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QAbstractScrollArea;
class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class TShellDataItem;
class TShellIDList;

// The keys and buttons held during a drag, as a shift state.
TShiftState KeyStateToShiftState(Qt::KeyboardModifiers Keys, Qt::MouseButtons Buttons);

// A drag over or onto a shell control: its data, the local files it
// carries, the keys and buttons held and the point.
class TShellDragObject {
public:
    // Throws EInvalidOperation without data.
    TShellDragObject(const QMimeData* MimeData, TShiftState Held, QPoint At);
    // The drag of a drop event at Pos (in the control; the tree: its viewport).
    static TShellDragObject Of(const QDropEvent& Event, QPoint Pos);

    const QMimeData* Data;
    TShiftState Shift;
    QPoint Pos;
    std::vector<std::string> Files;
};

// What a drag of the items carries: their file URLs and their absolute
// lists, one after another (each ends in its terminator).
QMimeData* MimeDataOf(const TShellIDList& Items);
// The drop actions capabilities (SFGAO_CAN*) allow.
Qt::DropActions DropActionsOf(uint32_t Capabilities);
// Scrolls a view one line towards the edge a drag at Pos (in the viewport)
// is near: within a line height of it, allowing for the width of that
// side's own scroll bar while it can scroll.
void AutoScroll(QAbstractScrollArea& View, const QPoint& Pos);

bool OffersShellItems(const QMimeData* Data);
// Takes a drag entering a shell control when it offers shell items and
// OnEnter (when set) does not refuse it.
void EnterDrag(QDragEnterEvent& Event, const std::function<void(const TShellDragObject&, bool& Accept)>& OnEnter);
bool IsDropTarget(TShellDataItem& Item);
// Transfers the dropped local files into the item's folder; how many went.
int DropInto(TShellDataItem& Item, const QMimeData& Data, Qt::DropAction Action);
