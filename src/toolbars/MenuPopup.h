// How the docks and toolbar buttons show their menus; tests put in their
// own.
#pragma once

#include <QPoint>
#include <functional>

class QMenu;

// Shows Menu at Point (screen coordinates), right-aligned to it when
// RightAligned.
using TMenuPopup = std::function<void(QMenu& Menu, QPoint Point, bool RightAligned)>;

void PopupMenu(QMenu& Menu, QPoint Point, bool RightAligned);
// Replaces how menus are shown (none: QMenu::exec); returns the one
// replaced.
TMenuPopup SetMenuPopup(TMenuPopup Popup);
