#include "ShortCutText.h"

#include "Sjis.h"

#include <array>

namespace {

using TKeyNames = std::array<std::string_view, 256>;

constexpr TKeyNames MakeKeyNames()
{
    // The characters of the letter and digit keys, for views to point into.
    constexpr std::string_view Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    constexpr std::string_view FKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    TKeyNames names{};
    names[VK_BACK] = "BkSp";
    names[VK_TAB] = "Tab";
    names[VK_RETURN] = "Enter";
    names[VK_ESCAPE] = "Esc";
    names[VK_SPACE] = "Space";
    names[VK_PRIOR] = "PgUp";
    names[VK_NEXT] = "PgDn";
    names[VK_END] = "End";
    names[VK_HOME] = "Home";
    names[VK_LEFT] = "Left";
    names[VK_UP] = "Up";
    names[VK_RIGHT] = "Right";
    names[VK_DOWN] = "Down";
    names[VK_INSERT] = "Ins";
    names[VK_DELETE] = "Del";
    for (size_t i = 0; i < 10; ++i)
        names['0' + i] = Chars.substr(i, 1);
    for (size_t i = 0; i < 26; ++i)
        names['A' + i] = Chars.substr(10 + i, 1);
    for (size_t i = 0; i < 12; ++i)
        names[VK_F1 + i] = FKeys[i];
    names[VK_OEM_1] = ":";
    names[VK_OEM_PLUS] = ";";
    names[VK_OEM_COMMA] = ",";
    names[VK_OEM_MINUS] = "-";
    names[VK_OEM_PERIOD] = ".";
    names[VK_OEM_2] = "/";
    names[VK_OEM_3] = "@";
    names[VK_OEM_4] = "[";
    names[VK_OEM_5] = "\\";
    names[VK_OEM_6] = "]";
    names[VK_OEM_7] = "^";
    // Two keys carry a backslash; a text names the first, VK_OEM_5.
    names[VK_OEM_102] = "\\";
    return names;
}

constexpr TKeyNames KeyNames = MakeKeyNames();

struct TPrefix {
    std::string_view Text;
    TShortCut Bit;
};
constexpr TPrefix Prefixes[] = {{"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}};

} // namespace

std::string ShortCutToText(TShortCut ShortCut)
{
    const std::string_view name = KeyNames[ShortCut & 0xFF];
    if (name.empty())
        return {};
    std::string text;
    for (const TPrefix& prefix : Prefixes)
        if (ShortCut & prefix.Bit)
            text += prefix.Text;
    text += name;
    return text;
}

TShortCut TextToShortCut(std::string_view Text)
{
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TPrefix& prefix : Prefixes)
            if (Text.size() > prefix.Text.size() && sjis::SameText(Text.substr(0, prefix.Text.size()), prefix.Text)) {
                modifiers |= prefix.Bit;
                Text.remove_prefix(prefix.Text.size());
                found = true;
            }
    }
    for (size_t key = 0; key < KeyNames.size(); ++key)
        if (!KeyNames[key].empty() && sjis::SameText(KeyNames[key], Text))
            return static_cast<TShortCut>(modifiers | key);
    return 0;
}
