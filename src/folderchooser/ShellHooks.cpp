#include "ShellHooks.h"

#include <QDrag>
#include <QMenu>

namespace {

TDragHook& DragHook()
{
    static TDragHook hook;
    return hook;
}

TPopupHook& PopupHook()
{
    static TPopupHook hook;
    return hook;
}

} // namespace

TDragHook SetDragHook(TDragHook Hook) { return std::exchange(DragHook(), std::move(Hook)); }

TPopupHook SetPopupHook(TPopupHook Hook) { return std::exchange(PopupHook(), std::move(Hook)); }

Qt::DropAction RunDrag(QDrag& Drag, Qt::DropActions Allowed)
{
    return DragHook() ? DragHook()(Drag, Allowed) : Drag.exec(Allowed);
}

QAction* RunPopup(QMenu& Menu, const QPoint& GlobalPos)
{
    return PopupHook() ? PopupHook()(Menu, GlobalPos) : Menu.exec(GlobalPos);
}
