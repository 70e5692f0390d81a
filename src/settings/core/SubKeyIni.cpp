#include "SubKeyIni.h"

#include "CommandTable.h"
#include "IniFiles.h"
#include "ShortCutText.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::string_view ActivationSection = "Activation";
constexpr std::string_view MarkerKey = "First";
constexpr std::string_view MarkerValue = "IsFirst";
constexpr std::string_view ShortcutSection = "ShortcutKey";

// The writer's order: the table's, except that two pairs stand swapped in
// the files the program has always written.
std::vector<const TCommandRow*> WriteOrder()
{
    std::vector<const TCommandRow*> order;
    for (const TCommandRow& row : CommandRegistry())
        if (row.IsKeyed())
            order.push_back(&row);
    const auto at = [&order](std::string_view Key) {
        return std::ranges::find(order, Key, [](const TCommandRow* Row) { return Row->Key; });
    };
    std::iter_swap(at("EditLinkSel"), at("EditDouble"));
    std::iter_swap(at("SpEdSpHankSp"), at("SpEdLogicLine"));
    return order;
}

} // namespace

void LoadKeyIni(IShortCutTarget& Target, const std::string& FileName)
{
    const TIniFile ini(FileName);
    const bool marked = !ini.ReadString(ActivationSection, MarkerKey, "").empty();
    for (const TCommandRow& row : CommandRegistry()) {
        if (!row.IsKeyed())
            continue;
        const std::string text = ini.ReadString(ShortcutSection, row.Key, "");
        if (!text.empty())
            Target.SetShortCut(*row.Item, TextToShortCut(text));
        else if (!marked) {
            if (row.Default != 0)
                Target.SetShortCut(*row.Item, row.Default);
        } else if (ini.ValueExists(ShortcutSection, row.Key))
            // Saved empty: the user removed the shortcut.
            Target.SetShortCut(*row.Item, 0);
    }
    for (const TCommandRow& row : CommandRegistry())
        if (row.Twin)
            Target.SetShortCut(*row.Twin, Target.ShortCut(*row.Item));
}

void SaveKeyIni(const IShortCutTarget& Target, const std::string& FileName)
{
    TIniFile ini(FileName);
    ini.BeginUpdate();
    ini.WriteString(ActivationSection, MarkerKey, MarkerValue);
    ini.EraseSection(ShortcutSection);
    for (const TCommandRow* row : WriteOrder())
        ini.WriteString(ShortcutSection, row->Key, ShortCutToText(Target.ShortCut(*row->Item)));
    ini.EndUpdate();
}
