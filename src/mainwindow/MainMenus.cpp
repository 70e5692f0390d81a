#include "MainMenus.h"

#include "CommandTable.h"
#include "MenuLayout.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <stdexcept>

namespace {

// "新規作成(&N)"; a caption without an accelerator stays as it is.
QString CaptionWithAccelerator(std::string_view Caption, char Accelerator)
{
    QString text = QString::fromUtf8(Caption.data(), static_cast<qsizetype>(Caption.size()));
    if (Accelerator != 0)
        text += QStringLiteral("(&") + QChar::fromLatin1(Accelerator) + QLatin1Char(')');
    return text;
}

// Escape in a menu dropped from the bar closes it and gives the keys back to
// the window at once: the bar never stays active with nothing shown, where
// the letters typed next would run its mnemonics instead of being text.
class TMenuBarEscape : public QObject {
public:
    explicit TMenuBarEscape(QMenuBar& Bar) : QObject(&Bar), Bar_(Bar)
    {
        for (const QAction* action : Bar.actions())
            if (QMenu* menu = action->menu())
                menu->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<const QKeyEvent*>(Event);
            // The menu closes first and leaves the bar active; then the bar
            // hears the Escape that leaves it.
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier)
                QMetaObject::invokeMethod(
                    this, [this] { LeaveBar(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void LeaveBar()
    {
        if (!Bar_.hasFocus())
            return;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&Bar_, &escape);
    }

    QMenuBar& Bar_;
};

} // namespace

TVelkMenus::TVelkMenus()
{
    for (const TMenuEntry& entry : MenuLayout()) {
        if (entry.Kind == TMenuEntryKind::Popup) {
            Popups_.emplace(std::string(entry.Id.Name()), std::make_unique<TPopupMenu>());
            continue;
        }
        TMenuItem* parent = &MainMenu_.Items();
        if (entry.Parent) {
            const auto popup = Popups_.find(entry.Parent->Name());
            parent = popup != Popups_.end() ? &popup->second->Items() : Item(*entry.Parent);
        }
        TShortCut shortCut = entry.ShortCut;
        if (entry.Kind == TMenuEntryKind::Command)
            shortCut = CommandRow(entry.Id).MenuShortCut;
        else if (entry.Kind == TMenuEntryKind::Twin)
            shortCut = CommandRow(*entry.Source).MenuShortCut;
        TMenuItem* item = Add(*parent, entry.Id, CaptionWithAccelerator(MenuCaption(entry), entry.Accelerator));
        item->SetShortCut(shortCut);
    }
    new TMenuBarEscape(*MainMenu_.MenuBar());
}

TVelkMenus::~TVelkMenus() = default;

TMenuItem* TVelkMenus::Add(TMenuItem& Parent, TCommandId Id, const QString& Caption)
{
    TMenuItem* item = Parent.Add(std::string(Id.Name()), Caption);
    if (!Items_.emplace(std::string(Id.Name()), item).second)
        throw std::logic_error("menu layout: two items " + std::string(Id.Name()));
    return item;
}

TPopupMenu* TVelkMenus::Popup(TCommandId Id) const
{
    const auto found = Popups_.find(Id.Name());
    if (found == Popups_.end())
        throw std::logic_error("no popup menu " + std::string(Id.Name()));
    return found->second.get();
}

int TVelkMenus::SubIconCount() const { return std::max(Popup(Cmd::ImagePopupMenu)->Items().Count() - 1, 0); }

TMenuItem* TVelkMenus::Item(TCommandId Id) const
{
    const auto found = Items_.find(Id.Name());
    if (found == Items_.end())
        throw std::logic_error("no menu item " + std::string(Id.Name()));
    return found->second;
}

TMenuItem* TVelkMenus::ItemNamed(std::string_view Name) const { return Item(MenuItemId(Name)); }

void TVelkMenus::Bind(std::span<const TCommandBinding> Items) const
{
    for (const auto& [id, handler] : Items) {
        TMenuItem* item = Item(id);
        item->OnClick = [handler](TObject*) { handler(); };
        item->SetEnabled(true);
    }
}

TShortCut TVelkMenus::ShortCut(TCommandId Id) const { return Item(Id)->ShortCut(); }

void TVelkMenus::SetShortCut(TCommandId Id, TShortCut Value) { Item(Id)->SetShortCut(Value); }
