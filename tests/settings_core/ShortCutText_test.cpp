#include "ShortCutText.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Every key text the key dialog offers, set by set: the modifier prefix
// and the keys after it.
std::vector<std::string> DialogKeyTexts()
{
    const std::vector<std::string> letters = [] {
        std::vector<std::string> list;
        for (char c = 'A'; c <= 'Z'; ++c)
            list.emplace_back(1, c);
        return list;
    }();
    const std::vector<std::string> fKeys = [] {
        std::vector<std::string> list;
        for (int i = 1; i <= 12; ++i)
            list.push_back("F" + std::to_string(i));
        return list;
    }();
    const std::vector<std::string> punctuation = {"@", "[", "]", ";", ":", ",", ".", "\\", "/"};
    const std::vector<std::string> moves = {"Ins",  "Del",   "BkSp", "Home", "End",  "PgUp",
                                            "PgDn", "Enter", "Left", "Right", "Up", "Down"};
    const auto join = [](std::initializer_list<std::vector<std::string>> Parts) {
        std::vector<std::string> all;
        for (const auto& part : Parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    const std::vector<std::string> ctrlMoves = {"Del", "PgUp", "PgDn", "Enter", "Left", "Right", "Up", "Down"};

    struct TSet {
        std::string Prefix;
        std::vector<std::string> Keys;
    };
    const std::vector<TSet> sets = {
        {"", fKeys},
        {"Ctrl+", join({letters, ctrlMoves, punctuation, fKeys})},
        {"Shift+Ctrl+", join({letters, moves, punctuation})},
        {"Shift+", join({{"Enter", "PgUp", "PgDn"}, fKeys})},
        {"Ctrl+Alt+", join({moves, punctuation})},
        {"Alt+", join({moves, punctuation})},
        {"Shift+Alt+", join({moves, punctuation})},
    };
    std::vector<std::string> texts;
    for (const TSet& set : sets)
        for (const std::string& key : set.Keys)
            texts.push_back(set.Prefix + key);
    return texts;
}

TEST(ShortCutText, EveryKeyTheDialogOffersRoundTripsToItsOwnShortcut)
{
    const std::vector<std::string> texts = DialogKeyTexts();
    ASSERT_EQ(texts.size(), 192u);
    std::set<TShortCut> shortcuts;
    for (const std::string& text : texts) {
        const TShortCut shortcut = TextToShortCut(text);
        EXPECT_NE(shortcut, 0) << text;
        EXPECT_EQ(ShortCutToText(shortcut), text);
        shortcuts.insert(shortcut);
    }
    EXPECT_EQ(shortcuts.size(), texts.size());
}

TEST(ShortCutText, WritesTheMenuFormWithPrefixesInOrder)
{
    EXPECT_EQ(ShortCutToText(scCtrl | 'N'), "Ctrl+N");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | VK_DELETE), "Shift+Ctrl+Del");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | scAlt | 'X'), "Shift+Ctrl+Alt+X");
    EXPECT_EQ(ShortCutToText(VK_F3), "F3");
    EXPECT_EQ(ShortCutToText(VK_INSERT), "Ins");
    EXPECT_EQ(ShortCutToText(VK_NEXT), "PgDn");
    EXPECT_EQ(ShortCutToText(scCtrl | VK_OEM_PERIOD), "Ctrl+.");
    EXPECT_EQ(ShortCutToText(scCtrl | VK_OEM_COMMA), "Ctrl+,");
    EXPECT_EQ(ShortCutToText(scAlt | '7'), "Alt+7");
    EXPECT_EQ(ShortCutToText(ShortCut('N', {TShiftStateItem::ssCtrl, TShiftStateItem::ssLeft})), "Ctrl+N");
}

TEST(ShortCutText, NoShortcutAndNamelessKeysWriteTheEmptyText)
{
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(scCtrl), "");
    EXPECT_EQ(ShortCutToText(scCtrl | VK_SHIFT), "");
    EXPECT_EQ(ShortCutToText(VK_F1 + 12), ""); // F13
}

TEST(ShortCutText, EveryNamedShortcutReadsBackAsItself)
{
    for (unsigned key = 0; key <= 0xFF; ++key)
        for (unsigned combination = 0; combination < 8; ++combination) {
            const unsigned modifiers = (combination & 1 ? scShift : 0) | (combination & 2 ? scCtrl : 0)
                                       | (combination & 4 ? scAlt : 0);
            const auto shortcut = static_cast<TShortCut>(modifiers | key);
            const std::string text = ShortCutToText(shortcut);
            if (text.empty())
                continue;
            // Two keys carry a backslash; the text names the first.
            const TShortCut expected = key == VK_OEM_102 ? static_cast<TShortCut>(modifiers | VK_OEM_5) : shortcut;
            EXPECT_EQ(TextToShortCut(text), expected) << text;
        }
}

TEST(ShortCutText, ReadsHandEditedTextsInAnyCaseAndPrefixOrder)
{
    EXPECT_EQ(TextToShortCut("ctrl+shift+n"), scShift | scCtrl | 'N');
    EXPECT_EQ(TextToShortCut("Alt+Shift+Ctrl+pgup"), scShift | scCtrl | scAlt | VK_PRIOR);
    EXPECT_EQ(TextToShortCut("CTRL+INS"), scCtrl | VK_INSERT);
    EXPECT_EQ(TextToShortCut("f12"), VK_F12);
}

TEST(ShortCutText, TextsThatNameNoKeyGiveNoShortcut)
{
    for (const char* text : {"", "UnDefined", "Ctrl+Foo", "Ctrl+", "Ctrl", "Shift+", "F13", "F0", "+N", " Ctrl+N",
                             "Ctrl+N ", "Ctrl+NN", "Ctrl++", "Ctrl+\x83\x41", "\\\\"})
        EXPECT_EQ(TextToShortCut(text), 0) << text;
}

} // namespace
