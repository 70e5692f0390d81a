// Menus as the program's commands see them: items with a name, a caption,
// a 16-bit shortcut, enabled, checked and visible states and a click
// handler, built over QAction and QMenu.
//
// An item shows its shortcut as text after a TAB in its caption ("貼り付け
// (&P)\tCtrl+V") but registers no Qt shortcut: keys reach commands only
// through TShortCutDispatcher, which recomputes the states of the menu an
// item sits in before it runs the item, so that a command disabled for the
// present state never runs from its key.
//
// Menu states are computed when a menu opens: an item with sub-items runs
// its OnClick just before its submenu shows, a popup runs OnPopup.
#pragma once

#include "Classes.h"
#include "VirtualKeys.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// "&" doubled, so that text of the user's (a page title, a file name) shows
// as written instead of marking an accelerator.
QString EscapeMenuCaption(const QString& Text);
// The text EscapeMenuCaption was given.
QString UnescapeMenuCaption(const QString& Caption);

// The text a menu shows for an item: the caption, then the shortcut in the
// program's own words ("Shift+Ctrl+Del") after a TAB, which keeps Qt from
// writing one of its own.
QString CaptionWithShortCut(const QString& Caption, TShortCut ShortCut);

class TMenuItem : public TObject {
public:
    // Name is the item's name in the program ("EdCopy"); Caption the text
    // with its "&" accelerator; "-" makes a separator.
    explicit TMenuItem(std::string Name = {}, const QString& Caption = {}, TNotifyEvent ClickHandler = {});
    ~TMenuItem() override;

    const std::string& Name() const { return Name_; }
    void SetName(std::string Name) { Name_ = std::move(Name); }
    const QString& Caption() const { return Caption_; }
    void SetCaption(const QString& Caption);
    bool IsLine() const { return Caption_ == QLatin1String("-"); }

    TShortCut ShortCut() const { return ShortCut_; }
    // Takes effect at once, for the caption and for the dispatcher.
    void SetShortCut(TShortCut ShortCut);

    bool Enabled() const { return Enabled_; }
    void SetEnabled(bool Enabled);
    // Checking a radio item unchecks the other radio items of its parent
    // with the same GroupIndex.
    bool Checked() const { return Checked_; }
    void SetChecked(bool Checked);
    bool Visible() const { return Visible_; }
    void SetVisible(bool Visible);
    bool RadioItem() const { return RadioItem_; }
    void SetRadioItem(bool RadioItem);
    int GroupIndex() const { return GroupIndex_; }
    void SetGroupIndex(int GroupIndex) { GroupIndex_ = GroupIndex; }
    int Tag() const { return Tag_; }
    void SetTag(int Tag) { Tag_ = Tag; }
    const QString& Hint() const { return Hint_; }
    void SetHint(const QString& Hint);

    // Runs when the item is chosen, and for an item with sub-items when its
    // submenu opens (the place where the submenu's states are computed).
    TNotifyEvent OnClick;
    // Runs OnClick, whatever the item's states.
    virtual void Click();

    // Sub-items. The item owns them.
    int Count() const { return static_cast<int>(Items_.size()); }
    TMenuItem* Items(int Index) const { return Items_.at(static_cast<size_t>(Index)).get(); }
    TMenuItem* Add(std::unique_ptr<TMenuItem> Item);
    TMenuItem* Insert(int Index, std::unique_ptr<TMenuItem> Item);
    // Shorthand for Add(std::make_unique<TMenuItem>(...)).
    TMenuItem* Add(std::string Name, const QString& Caption, TNotifyEvent ClickHandler = {});
    void Delete(int Index);
    void Clear();
    int IndexOf(const TMenuItem* Item) const;
    TMenuItem* Parent() const { return Parent_; }

    // The first item of this one's subtree (itself excluded) with that name
    // or that shortcut, in menu order; null for none.
    TMenuItem* Find(const std::string& Name) const;
    TMenuItem* FindShortCut(TShortCut ShortCut) const;

    QAction* Action() const { return Action_.get(); }
    // The submenu that shows the sub-items; made on the first Add.
    QMenu* SubMenu() const { return SubMenu_.get(); }

protected:
    // The widget that shows the sub-items: the submenu, or for the root of
    // a menu bar or popup the bar or the popup itself.
    virtual QWidget* Container();

private:
    void UpdateText();
    void UncheckRadioSiblings();

    std::string Name_;
    QString Caption_;
    QString Hint_;
    TShortCut ShortCut_ = scNone;
    bool Enabled_ = true;
    bool Checked_ = false;
    bool Visible_ = true;
    bool RadioItem_ = false;
    int GroupIndex_ = 0;
    int Tag_ = 0;
    TMenuItem* Parent_ = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> Items_;
    std::unique_ptr<QAction> Action_;
    std::unique_ptr<QMenu> SubMenu_;
};

// The window's menu bar. Items() holds the top-level menus; a top-level
// item's OnClick runs when its menu opens.
class TMainMenu : public TObject {
public:
    TMainMenu();
    ~TMainMenu() override;

    TMenuItem& Items() { return *Root_; }
    // The bar to hand to the window (QMainWindow::setMenuBar takes it over;
    // otherwise the main menu frees it).
    QMenuBar* MenuBar() const;

private:
    class TRoot;
    QPointer<QMenuBar> Bar_;
    std::unique_ptr<TMenuItem> Root_;
};

// A context menu. OnPopup runs before it shows, to compute its states.
class TPopupMenu : public QObject, public TObject {
    Q_OBJECT

public:
    TPopupMenu();
    ~TPopupMenu() override;

    TMenuItem& Items() { return *Root_; }
    QMenu* Menu() const;

    TNotifyEvent OnPopup;
    // Shows the menu at the screen point X, Y (OnPopup runs first).
    void Popup(int X, int Y);
    // When on (the default), a right click or the menu key on a control
    // that has this menu shows it.
    bool AutoPopup() const { return AutoPopup_; }
    void SetAutoPopup(bool AutoPopup) { AutoPopup_ = AutoPopup; }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    friend void SetPopupMenu(QWidget& Control, TPopupMenu* Menu);
    class TRoot;
    std::unique_ptr<TMenuItem> Root_;
    bool AutoPopup_ = true;
    std::vector<QPointer<QWidget>> Controls_;
};

// Gives Control its context menu (null: none). The menu must outlive the
// link or be freed first; freeing it unlinks it.
void SetPopupMenu(QWidget& Control, TPopupMenu* Menu);
// The context menu of Control, or of its nearest parent that has one.
TPopupMenu* PopupMenuOf(const QWidget* Control);

// Turns key presses in one window into menu commands. A key is looked up
// in the main menu first, then in the context menu of the focused control
// (or its nearest parent that has one). Before the item runs, the menus
// that lead to it recompute their states: the popup's OnPopup, then the
// OnClick of each item with sub-items from the top down. The item runs
// only when it and the menus leading to it are enabled and visible; a key
// that names an item is taken either way, so that it never does something
// else in the control that has the focus. The one exception: while a
// one-line text field (a line edit, a spin edit, an editable combo box)
// has the focus, the field is asked first, and every key it takes is its
// own: those it claims against shortcuts as Qt asks a widget, those it
// acts on when it has the key press first, and the keys without a
// modifier but the function keys. Only the others reach the menus.
class TShortCutDispatcher : public QObject {
    Q_OBJECT

public:
    TShortCutDispatcher(QWidget& Window, TMainMenu* MainMenu);
    ~TShortCutDispatcher() override;

    // Looks ShortCut up and runs its item as a key pressed in Focused (by
    // default the control with the focus) would. Returns whether an item
    // has the shortcut (enabled or not).
    bool Dispatch(TShortCut ShortCut);
    bool Dispatch(TShortCut ShortCut, const QWidget* Focused);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TMenuItem* ItemOf(TShortCut ShortCut, const QWidget* Focused, TPopupMenu*& Popup) const;

    QPointer<QWidget> Window_;
    TMainMenu* MainMenu_;
};
