#include "ShortCutText.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

namespace {

TEST(ShortCutText, EveryKeyTheDialogOffersRoundTripsToItsOwnShortcut)
{
    const std::string letters = "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z ";
    const std::string fKeys = "F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 ";
    const std::string punctuation = "@ [ ] ; : , . \\ / ";
    const std::string moves = "Ins Del BkSp Home End PgUp PgDn Enter Left Right Up Down ";
    const std::pair<std::string, std::string> sets[] = {
        {"", fKeys},
        {"Ctrl+", letters + "Del PgUp PgDn Enter Left Right Up Down " + punctuation + fKeys},
        {"Shift+Ctrl+", letters + moves + punctuation},
        {"Shift+", "Enter PgUp PgDn " + fKeys},
        {"Ctrl+Alt+", moves + punctuation},
        {"Alt+", moves + punctuation},
        {"Shift+Alt+", moves + punctuation},
    };
    std::set<TShortCut> shortcuts;
    for (const auto& [prefix, keys] : sets) {
        std::istringstream words(keys);
        for (std::string key; words >> key;) {
            const TShortCut shortcut = TextToShortCut(prefix + key);
            EXPECT_NE(shortcut, 0) << prefix + key;
            EXPECT_EQ(ShortCutToText(shortcut), prefix + key);
            shortcuts.insert(shortcut);
        }
    }
    EXPECT_EQ(shortcuts.size(), 192u);
}

TEST(ShortCutText, WritesTheMenuFormWithPrefixesInOrder)
{
    const std::pair<TShortCut, const char*> cases[] = {
        // Keys the dialog offers round-trip in the test above; these are the rest.
        {scShift | scCtrl | scAlt | 'X', "Shift+Ctrl+Alt+X"},
        {scAlt | '7', "Alt+7"},
        {ShortCut('N', {TShiftStateItem::ssCtrl, TShiftStateItem::ssLeft}), "Ctrl+N"},
        // No shortcut and keys without a name write nothing.
        {0, ""},
        {scCtrl, ""},
        {scCtrl | VK_SHIFT, ""},
        {VK_F1 + 12, ""}};
    for (const auto& [shortcut, text] : cases)
        EXPECT_EQ(ShortCutToText(shortcut), text) << shortcut;
}

TEST(ShortCutText, ReadsHandEditedTextsAndRefusesTextsThatNameNoKey)
{
    EXPECT_EQ(TextToShortCut("ctrl+shift+n"), scShift | scCtrl | 'N');
    EXPECT_EQ(TextToShortCut("Alt+Shift+Ctrl+pgup"), scShift | scCtrl | scAlt | VK_PRIOR);
    EXPECT_EQ(TextToShortCut("CTRL+INS"), scCtrl | VK_INSERT);
    EXPECT_EQ(TextToShortCut("f12"), VK_F12);
    for (const char* text : {"", "UnDefined", "Ctrl+Foo", "Ctrl+", "Ctrl", "Shift+", "F13", "F0", "+N", " Ctrl+N",
                             "Ctrl+N ", "Ctrl+NN", "Ctrl++", "Ctrl+\x83\x41", "\\\\"})
        EXPECT_EQ(TextToShortCut(text), 0) << text;
}

} // namespace
