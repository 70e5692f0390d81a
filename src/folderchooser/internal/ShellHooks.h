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

// The clipboard and drag formats of shell items, named as the system that
// defined them names them. A drag carries its absolute item-ID lists in
// the first beside its file URLs.
inline constexpr const char* ShellIDListFormat = "application/x-qt-windows-mime;value=\"Shell IDList Array\"";
inline constexpr const char* ShellObjectOffsetsFormat = "application/x-qt-windows-mime;value=\"Shell Object Offsets\"";
inline constexpr const char* FileNameMapFormat = "application/x-qt-windows-mime;value=\"FileNameMap\"";
inline constexpr const char* FileNameMapWFormat = "application/x-qt-windows-mime;value=\"FileNameMapW\"";
inline constexpr const char* PerformedDropEffectFormat = "application/x-qt-windows-mime;value=\"Performed DropEffect\"";

using TDragHook = std::function<Qt::DropAction(QDrag& Drag, Qt::DropActions Allowed)>;
using TPopupHook = std::function<QAction*(QMenu& Menu, const QPoint& GlobalPos)>;

// Installs a hook (empty: the system's) and returns the one it replaces.
TDragHook SetDragHook(TDragHook Hook);
TPopupHook SetPopupHook(TPopupHook Hook);

Qt::DropAction RunDrag(QDrag& Drag, Qt::DropActions Allowed);
QAction* RunPopup(QMenu& Menu, const QPoint& GlobalPos);
