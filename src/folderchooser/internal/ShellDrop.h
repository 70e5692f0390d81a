// What the shell controls accept when something is dropped on them: file
// URLs or item-ID lists, dropped into a writable folder (or the desktop),
// copied, moved or linked there without replacing anything.
#pragma once

#include <QPoint>
#include <Qt>

class QMimeData;
class TShellDataItem;

// A drag over or onto a shell control: its data and what the pointer holds.
struct TShellDragObject {
    const QMimeData* Data = nullptr;
    Qt::KeyboardModifiers Shift;
    QPoint Pos; // in the control (the tree: its viewport)
};

bool OffersShellItems(const QMimeData* Data);
bool IsDropTarget(TShellDataItem& Item);
// Transfers the dropped local files into the item's folder; how many went.
int DropInto(TShellDataItem& Item, const QMimeData& Data, Qt::DropAction Action);
