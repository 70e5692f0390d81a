// The shortcuts of the editor's context menu, asked for on every key press.
// The menu and its submenus are walked into a table once, and again only
// after one of their items was added, removed or changed, since the
// editor's owner may change the menu at any time.
#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

class TPopupShortcuts : public QObject {
public:
    // No key is a shortcut of a null Menu.
    explicit TPopupShortcuts(QMenu* Menu) : Menu_(Menu) {}

    // The first item in menu order (a submenu's items in its place) whose
    // shortcut is Sequence; null for none.
    QAction* Find(const QKeySequence& Sequence);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void AddItems(QMenu& Menu);

    QPointer<QMenu> Menu_;
    bool Valid_ = false;
    QHash<QKeySequence, QAction*> Items_;
};
