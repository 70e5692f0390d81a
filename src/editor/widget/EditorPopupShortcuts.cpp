#include "EditorPopupShortcuts.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

QAction* TPopupShortcuts::Find(const QKeySequence& Sequence)
{
    if (!Valid_) {
        Items_.clear();
        if (Menu_)
            AddItems(*Menu_);
        Valid_ = true;
    }
    return Items_.value(Sequence);
}

void TPopupShortcuts::AddItems(QMenu& Menu)
{
    // Installing again only moves the filter to the front.
    Menu.installEventFilter(this);
    for (QAction* action : Menu.actions()) {
        if (QMenu* submenu = action->menu())
            AddItems(*submenu);
        else if (!action->isSeparator() && !action->shortcut().isEmpty() && !Items_.contains(action->shortcut()))
            Items_.insert(action->shortcut(), action);
    }
}

bool TPopupShortcuts::eventFilter(QObject*, QEvent* Event)
{
    // Only menus are watched.
    const QEvent::Type type = Event->type();
    if (type == QEvent::ActionAdded || type == QEvent::ActionChanged || type == QEvent::ActionRemoved)
        Valid_ = false;
    return false;
}
