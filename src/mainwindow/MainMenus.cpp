#include "MainMenus.h"

#include "CommandTable.h"
#include "MenuLayout.h"

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
