#include "MainMenus.h"

#include "CommandTable.h"
#include "MenuLayout.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <stdexcept>

namespace {

const TCommandRow* CommandRow(std::string_view Name)
{
    for (const TCommandRow& row : CommandRegistry())
        if (row.ItemName == Name)
            return &row;
    return nullptr;
}

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
            Popups_.emplace(std::string(entry.Name), std::make_unique<TPopupMenu>());
            continue;
        }
        TMenuItem* parent = entry.Parent.empty() ? &MainMenu_.Items() : nullptr;
        if (!parent) {
            if (TPopupMenu* popup = Popup(entry.Parent))
                parent = &popup->Items();
            else
                parent = Item(entry.Parent);
        }
        if (!parent)
            throw std::logic_error("menu layout: unknown parent of " + std::string(entry.Name));
        TShortCut shortCut = entry.ShortCut;
        if (entry.Kind == TMenuEntryKind::Command || entry.Kind == TMenuEntryKind::Twin) {
            const TCommandRow* row = CommandRow(entry.Kind == TMenuEntryKind::Twin ? entry.Source : entry.Name);
            if (!row)
                throw std::logic_error("menu layout: no command " + std::string(entry.Name));
            shortCut = row->MenuShortCut;
        }
        TMenuItem* item = Add(*parent, entry.Name, CaptionWithAccelerator(MenuCaption(entry), entry.Accelerator));
        item->SetShortCut(shortCut);
    }
    new TMenuBarEscape(*MainMenu_.MenuBar());
}

TVelkMenus::~TVelkMenus() = default;

TMenuItem* TVelkMenus::Add(TMenuItem& Parent, std::string_view Name, const QString& Caption)
{
    TMenuItem* item = Parent.Add(std::string(Name), Caption);
    Items_.emplace(std::string(Name), item);
    return item;
}

TPopupMenu* TVelkMenus::Popup(std::string_view Name) const
{
    const auto found = Popups_.find(Name);
    return found == Popups_.end() ? nullptr : found->second.get();
}

TMenuItem* TVelkMenus::Item(std::string_view Name) const
{
    const auto found = Items_.find(Name);
    return found == Items_.end() ? nullptr : found->second;
}

void TVelkMenus::Bind(std::span<const TCommandBinding> Items) const
{
    for (const auto& [name, handler] : Items) {
        TMenuItem* item = Item(name);
        item->OnClick = [handler](TObject*) { handler(); };
        item->SetEnabled(true);
    }
}

TShortCut TVelkMenus::ShortCut(std::string_view ItemName) const
{
    const TMenuItem* item = Item(ItemName);
    return item ? item->ShortCut() : TShortCut(0);
}

void TVelkMenus::SetShortCut(std::string_view ItemName, TShortCut Value)
{
    if (TMenuItem* item = Item(ItemName))
        item->SetShortCut(Value);
}
