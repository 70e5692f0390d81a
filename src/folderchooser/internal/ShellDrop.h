// What the shell controls accept when something is dropped on them: file
// URLs or item-ID lists, dropped into a writable folder (or the desktop),
// copied, moved or linked there without replacing anything.
#pragma once

#include "VirtualKeys.h"

#include <QPoint>
#include <Qt>
#include <string>
#include <vector>

class QDropEvent;
class QMimeData;
class TShellDataItem;

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

bool OffersShellItems(const QMimeData* Data);
bool IsDropTarget(TShellDataItem& Item);
// Transfers the dropped local files into the item's folder; how many went.
int DropInto(TShellDataItem& Item, const QMimeData& Data, Qt::DropAction Action);
