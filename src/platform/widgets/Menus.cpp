#include "Menus.h"

#include "ExceptionHandler.h"
#include "KeyTable.h"
#include "ShortCutText.h"
#include "SysUtils.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <memory>

namespace {

const char* const PopupMenuProperty = "velkPopupMenu";

} // namespace

QString EscapeMenuCaption(const QString& Text)
{
    QString result = Text;
    return result.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString UnescapeMenuCaption(const QString& Caption)
{
    QString result = Caption;
    return result.replace(QLatin1String("&&"), QLatin1String("&"));
}

// ---------------------------------------------------------------- TMenuItem

TMenuItem::TMenuItem(std::string Name, const QString& Caption, TNotifyEvent ClickHandler)
    : OnClick(std::move(ClickHandler)), Name_(std::move(Name)), Action_(std::make_unique<QAction>())
{
    // Qt flips a checkable action when it is chosen; the item's own Checked
    // state is the one shown, and only the program changes it.
    QObject::connect(Action_.get(), &QAction::triggered, [this] {
        Action_->setChecked(Checked_);
        CatchExceptions([this] { Click(); });
    });
    SetCaption(Caption);
}

TMenuItem::~TMenuItem()
{
    // Sub-items go first, so no action outlives the submenu that shows it.
    Items_.clear();
}

void TMenuItem::SetCaption(const QString& Caption)
{
    Caption_ = Caption;
    Action_->setSeparator(IsLine());
    UpdateText();
}

void TMenuItem::SetShortCut(TShortCut ShortCut)
{
    ShortCut_ = ShortCut;
    UpdateText();
}

QString CaptionWithShortCut(const QString& Caption, TShortCut ShortCut)
{
    const std::string keyText = ShortCutToText(ShortCut);
    return keyText.empty() ? Caption : Caption + QLatin1Char('\t') + QString::fromStdString(keyText);
}

void TMenuItem::UpdateText()
{
    // A line carries no text: some styles draw a separator's text beside it.
    Action_->setText(IsLine() ? QString() : CaptionWithShortCut(Caption_, ShortCut_));
}

void TMenuItem::SetEnabled(bool Enabled)
{
    Enabled_ = Enabled;
    Action_->setEnabled(Enabled);
}

void TMenuItem::SetChecked(bool Checked)
{
    Checked_ = Checked;
    if (Checked)
        Action_->setCheckable(true);
    Action_->setChecked(Checked);
    if (Checked && RadioItem_)
        UncheckRadioSiblings();
}

void TMenuItem::UncheckRadioSiblings()
{
    if (!Parent_)
        return;
    for (const auto& sibling : Parent_->Items_)
        if (sibling.get() != this && sibling->RadioItem_ && sibling->GroupIndex_ == GroupIndex_)
            sibling->SetChecked(false);
}

void TMenuItem::SetVisible(bool Visible)
{
    Visible_ = Visible;
    Action_->setVisible(Visible);
}

void TMenuItem::SetRadioItem(bool RadioItem)
{
    RadioItem_ = RadioItem;
    Action_->setCheckable(RadioItem || Checked_);
}

void TMenuItem::SetHint(const QString& Hint)
{
    Hint_ = Hint;
    Action_->setStatusTip(Hint);
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

QWidget* TMenuItem::Container()
{
    if (!SubMenu_) {
        SubMenu_ = std::make_unique<QMenu>();
        QObject::connect(SubMenu_.get(), &QMenu::aboutToShow, [this] { CatchExceptions([this] { Click(); }); });
        Action_->setMenu(SubMenu_.get());
    }
    return SubMenu_.get();
}

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> Item) { return Insert(Count(), std::move(Item)); }

TMenuItem* TMenuItem::Add(std::string Name, const QString& Caption, TNotifyEvent ClickHandler)
{
    return Add(std::make_unique<TMenuItem>(std::move(Name), Caption, std::move(ClickHandler)));
}

TMenuItem* TMenuItem::Insert(int Index, std::unique_ptr<TMenuItem> Item)
{
    if (Index < 0 || Index > Count())
        throw EInvalidOperation("メニュー項目の位置が範囲外です");
    if (Item->Parent_)
        throw EInvalidOperation("メニュー項目はすでに別のメニューにあります");
    QWidget* container = Container();
    QAction* before = Index < Count() ? Items_[static_cast<size_t>(Index)]->Action() : nullptr;
    container->insertAction(before, Item->Action());
    Item->Parent_ = this;
    Items_.insert(Items_.begin() + Index, std::move(Item));
    return Items_[static_cast<size_t>(Index)].get();
}

void TMenuItem::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw EInvalidOperation("メニュー項目の位置が範囲外です");
    Items_.erase(Items_.begin() + Index); // the action leaves its menu as it goes
}

void TMenuItem::Clear() { Items_.clear(); }

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    for (size_t i = 0; i < Items_.size(); ++i)
        if (Items_[i].get() == Item)
            return static_cast<int>(i);
    return -1;
}

namespace {

template <class TPredicate>
TMenuItem* FindInTree(const TMenuItem& Root, const TPredicate& Matches)
{
    for (int i = 0; i < Root.Count(); ++i) {
        TMenuItem* item = Root.Items(i);
        if (Matches(*item))
            return item;
        if (TMenuItem* found = FindInTree(*item, Matches))
            return found;
    }
    return nullptr;
}

} // namespace

TMenuItem* TMenuItem::Find(const std::string& Name) const
{
    return FindInTree(*this, [&](const TMenuItem& Item) { return Item.Name() == Name; });
}

TMenuItem* TMenuItem::FindShortCut(TShortCut ShortCut) const
{
    if (ShortCut == scNone)
        return nullptr;
    return FindInTree(*this, [&](const TMenuItem& Item) { return Item.ShortCut() == ShortCut; });
}

// ---------------------------------------------------------------- menus

// The root of a menu: its sub-items show in the bar or the popup itself.
class TMainMenu::TRoot : public TMenuItem {
public:
    explicit TRoot(QMenuBar* Bar) : Bar_(Bar) {}

protected:
    QWidget* Container() override { return Bar_; }

private:
    QPointer<QMenuBar> Bar_;
};

TMainMenu::TMainMenu() : Bar_(new QMenuBar), Root_(std::make_unique<TRoot>(Bar_)) {}

TMainMenu::~TMainMenu()
{
    Root_.reset();
    // A bar no window took over is the menu's own.
    if (Bar_ && !Bar_->parent())
        delete Bar_;
}

QMenuBar* TMainMenu::MenuBar() const { return Bar_; }

class TPopupMenu::TRoot : public TMenuItem {
public:
    explicit TRoot(TPopupMenu& Popup) : Popup_(Popup) {}
    QMenu* Menu()
    {
        Container();
        return SubMenu();
    }
    // Opening the popup runs OnPopup, not an item's OnClick.
    void Click() override
    {
        if (Popup_.OnPopup)
            Popup_.OnPopup(&Popup_);
    }

private:
    TPopupMenu& Popup_;
};

TPopupMenu::TPopupMenu() : Root_(std::make_unique<TRoot>(*this)) {}

TPopupMenu::~TPopupMenu()
{
    // Unlinking edits the list, so walk a copy.
    const std::vector<QPointer<QWidget>> controls = Controls_;
    for (const QPointer<QWidget>& control : controls)
        if (control)
            SetPopupMenu(*control, nullptr);
}

QMenu* TPopupMenu::Menu() const
{
    // The root's submenu is the popup.
    return static_cast<TRoot&>(*Root_).Menu();
}

void TPopupMenu::Popup(int X, int Y)
{
    // The menu's aboutToShow runs OnPopup.
    Menu()->popup(QPoint(X, Y));
}

bool TPopupMenu::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() != QEvent::ContextMenu || !AutoPopup_)
        return false;
    auto* widget = qobject_cast<QWidget*>(Watched);
    if (widget && PopupMenuOf(widget) != this)
        return false;
    const QPoint at = static_cast<QContextMenuEvent*>(Event)->globalPos();
    CatchExceptions([&] { Popup(at.x(), at.y()); });
    return true;
}

namespace {

// A scroll area gets its mouse events through its viewport.
std::vector<QWidget*> EventWidgetsOf(QWidget& Control)
{
    std::vector<QWidget*> widgets{&Control};
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&Control))
        widgets.push_back(area->viewport());
    return widgets;
}

} // namespace

void SetPopupMenu(QWidget& Control, TPopupMenu* Menu)
{
    const QVariant oldValue = Control.property(PopupMenuProperty);
    if (auto* old = static_cast<TPopupMenu*>(oldValue.isValid() ? oldValue.value<QObject*>() : nullptr)) {
        for (QWidget* widget : EventWidgetsOf(Control))
            widget->removeEventFilter(old);
        std::erase(old->Controls_, QPointer<QWidget>(&Control));
    }
    Control.setProperty(PopupMenuProperty, Menu ? QVariant::fromValue(static_cast<QObject*>(Menu)) : QVariant());
    if (!Menu)
        return;
    for (QWidget* widget : EventWidgetsOf(Control))
        widget->installEventFilter(Menu);
    Menu->Controls_.emplace_back(&Control);
}

TPopupMenu* PopupMenuOf(const QWidget* Control)
{
    for (; Control; Control = Control->parentWidget()) {
        const QVariant value = Control->property(PopupMenuProperty);
        if (value.isValid())
            return static_cast<TPopupMenu*>(value.value<QObject*>());
        if (Control->isWindow())
            break;
    }
    return nullptr;
}

// ---------------------------------------------------------------- dispatcher

TShortCutDispatcher::TShortCutDispatcher(QWidget& Window, TMainMenu* MainMenu) : Window_(&Window), MainMenu_(MainMenu)
{
    // The application sees a key before the focused control does.
    qApp->installEventFilter(this);
}

TShortCutDispatcher::~TShortCutDispatcher() = default;

TMenuItem* TShortCutDispatcher::ItemOf(TShortCut ShortCut, const QWidget* Focused, TPopupMenu*& Popup) const
{
    Popup = nullptr;
    if (MainMenu_)
        if (TMenuItem* item = MainMenu_->Items().FindShortCut(ShortCut))
            return item;
    Popup = PopupMenuOf(Focused);
    return Popup ? Popup->Items().FindShortCut(ShortCut) : nullptr;
}

namespace {

// The menus from the top down to Item's own, without the root.
std::vector<TMenuItem*> MenusLeadingTo(TMenuItem& Item)
{
    std::vector<TMenuItem*> menus;
    for (TMenuItem* menu = Item.Parent(); menu && menu->Parent(); menu = menu->Parent())
        menus.insert(menus.begin(), menu);
    return menus;
}

// A one-line text field: a line edit (a spin edit too), or an editable
// combo box, which hands its keys on to its line edit.
bool IsOneLineField(const QWidget& Widget)
{
    if (qobject_cast<const QLineEdit*>(&Widget))
        return true;
    const auto* combo = qobject_cast<const QComboBox*>(&Widget);
    return combo && combo->isEditable();
}

// Event as Qt hands it to the widget with the focus, put to Field alone:
// neither the window-wide filters nor the field's parents answer it.
// Returns whether the field accepted it.
bool FieldAccepts(QWidget& Field, QEvent& Event, bool AcceptedAtFirst)
{
    Event.setAccepted(AcceptedAtFirst);
    static_cast<QObject&>(Field).event(&Event);
    return Event.isAccepted();
}

// The keys a focused field keeps even where it has no use for one:
// - those it claims when asked before any shortcut may have the key, as Qt
//   asks a widget (Qt's line edit claims its moving and selecting keys,
//   the clipboard's and undo's);
// - the keys with no modifier, function keys aside: they type, move and
//   edit in a field, and Insert, which a line edit has no use for, must
//   not switch the page to overwriting.
bool FieldKeeps(QWidget& Field, const QKeyEvent& Key, const TKeyCode& Code)
{
    const bool functionKey = Code.Key >= VK_F1 && Code.Key < VK_F1 + 24;
    if (Code.Shift.Empty() && !functionKey)
        return true;
    QKeyEvent question(QEvent::ShortcutOverride, Key.key(), Key.modifiers(), Key.nativeScanCode(),
                       Key.nativeVirtualKey(), Key.nativeModifiers(), Key.text(), Key.isAutoRepeat(),
                       static_cast<quint16>(Key.count()));
    return FieldAccepts(Field, question, false);
}

// Whether Key would type its text into a field: a printable character,
// unless Ctrl alone is held (Ctrl+V may report "v"; Ctrl with Alt may be
// the key that types a keyboard's third character).
bool TypesPrintableCharacter(const QKeyEvent& Key, const TKeyCode& Code)
{
    using enum TShiftStateItem;
    const bool ctrlAlone = Code.Shift.Contains(ssCtrl) && !Code.Shift.Contains(ssAlt);
    return !ctrlAlone && !Key.text().isEmpty() && Key.text().at(0).isPrint();
}

// Whether the focused field acts on the key press Key when it has it
// first, as it would without menus. It edits with keys it does not claim
// beforehand: Qt's line edit deletes words and lines on Ctrl+Del,
// Ctrl+BackSpace, and under X11 Ctrl+K and Ctrl+D; a spin edit steps on
// Shift with the arrow keys. A key that would type its character is left
// to the menus: a field would take any of those.
bool FieldActsOn(QWidget& Field, const QKeyEvent& Key, const TKeyCode& Code)
{
    if (TypesPrintableCharacter(Key, Code))
        return false;
    const std::unique_ptr<QEvent> press(Key.clone());
    return FieldAccepts(Field, *press, true);
}

} // namespace

bool TShortCutDispatcher::Dispatch(TShortCut ShortCut) { return Dispatch(ShortCut, QApplication::focusWidget()); }

bool TShortCutDispatcher::Dispatch(TShortCut ShortCut, const QWidget* Focused)
{
    // A state handler may free the control.
    const QPointer<const QWidget> focused(Focused);
    TPopupMenu* popup = nullptr;
    TMenuItem* item = ItemOf(ShortCut, focused, popup);
    if (!item)
        return false;
    if (popup && popup->OnPopup)
        popup->OnPopup(popup);
    // A state handler may free items; look the item up again after each.
    const std::vector<TMenuItem*> menus = MenusLeadingTo(*item);
    bool reachable = true;
    for (TMenuItem* menu : menus) {
        menu->Click();
        if (ItemOf(ShortCut, focused, popup) != item)
            return true;
        reachable = reachable && menu->Enabled() && menu->Visible();
    }
    if (reachable && item->Enabled() && item->Visible() && !item->IsLine() && item->Count() == 0)
        item->Click();
    return true;
}

bool TShortCutDispatcher::eventFilter(QObject* Watched, QEvent* Event)
{
    const QEvent::Type type = Event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(Watched);
    if (!widget || !Window_ || widget->window() != Window_)
        return false;
    bool taken = false;
    CatchExceptions([&] {
        auto* key = static_cast<QKeyEvent*>(Event);
        const TKeyCode code = KeyCodeOf(*key);
        const TShortCut shortCut = ::ShortCut(code.Key, code.Shift);
        TPopupMenu* popup = nullptr;
        if (shortCut == scNone || !ItemOf(shortCut, widget, popup))
            return;
        // The field's own keys stay its own even when it leaves one unused
        // and the key goes on to the field's parents.
        QWidget* focused = QApplication::focusWidget();
        QWidget& field = focused ? *focused : *widget;
        const bool inField = IsOneLineField(field);
        if (inField && FieldKeeps(field, *key, code))
            return;
        taken = true;
        if (type == QEvent::ShortcutOverride)
            key->accept(); // so that it arrives as a key press, not as some control's shortcut
        else if (!inField || !FieldActsOn(field, *key, code))
            Dispatch(shortCut, widget);
    });
    return taken;
}
