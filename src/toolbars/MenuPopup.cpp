#include "MenuPopup.h"

#include <QMenu>
#include <utility>

namespace {

TMenuPopup& Popup()
{
    static TMenuPopup popup;
    return popup;
}

} // namespace

void PopupMenu(QMenu& Menu, QPoint Point, bool RightAligned)
{
    if (Popup()) {
        Popup()(Menu, Point, RightAligned);
        return;
    }
    Menu.exec(RightAligned ? Point - QPoint(Menu.sizeHint().width(), 0) : Point);
}

TMenuPopup SetMenuPopup(TMenuPopup NewPopup) { return std::exchange(Popup(), std::move(NewPopup)); }
