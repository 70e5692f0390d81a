// Where the shell controls hand a drag and a popup menu to the system.
// Tests install their own, so that a drag's data and a menu's choice can be
// taken without a platform drag loop or a menu waiting for a person.
#pragma once

#include <QPoint>
#include <Qt>
#include <functional>

class QAction;
class QDrag;
class QMenu;

// The MIME type of the absolute item-ID lists a drag carries beside its
// file URLs.
inline constexpr const char* ShellIDListFormat = "application/x-velk-shell-idlist";

using TDragHook = std::function<Qt::DropAction(QDrag& Drag, Qt::DropActions Allowed)>;
using TPopupHook = std::function<QAction*(QMenu& Menu, const QPoint& GlobalPos)>;

// Installs a hook (empty: the system's) and returns the one it replaces.
TDragHook SetDragHook(TDragHook Hook);
TPopupHook SetPopupHook(TPopupHook Hook);

Qt::DropAction RunDrag(QDrag& Drag, Qt::DropActions Allowed);
QAction* RunPopup(QMenu& Menu, const QPoint& GlobalPos);
