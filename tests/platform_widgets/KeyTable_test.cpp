// Qt keys to the program's virtual-key codes and back: every key the
// program names, the JIS punctuation keys, the keypad, modifiers, and
// shortcuts as menus show them.
#include "KeyTable.h"

#include <QKeyEvent>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr TShiftState kNone{};
constexpr TShiftState kShift{TShiftStateItem::ssShift};

TKeyCode Code(uint16_t Key, TShiftState Shift = kNone) { return {Key, Shift}; }

TEST(KeyCodeOf, ModifiersAliasesAndTheKeypadsCursorKeys)
{
    // The round trip below covers every named key; these are the aliases
    // and the modifiers it does not reach.
    const std::pair<int, uint16_t> keys[] = {
        {Qt::Key_Enter, VK_RETURN},          {Qt::Key_Control, VK_CONTROL},     {Qt::Key_Alt, VK_MENU},
        {Qt::Key_Zenkaku_Hankaku, VK_KANJI}, {Qt::Key_Kanji, VK_KANJI},         {Qt::Key_Hiragana_Katakana, VK_KANA},
        {Qt::Key_Katakana, VK_KANA},         {Qt::Key_Eisu_toggle, VK_CAPITAL},
    };
    for (const auto& [key, code] : keys)
        EXPECT_EQ(KeyCodeOf(key, Qt::NoModifier), Code(code)) << std::hex << key;
    // Num Lock off: the keypad's cursor keys.
    EXPECT_EQ(KeyCodeOf(Qt::Key_Home, Qt::KeypadModifier), Code(VK_HOME));
    // Shift+Tab arrives as Backtab.
    EXPECT_EQ(KeyCodeOf(Qt::Key_Backtab, Qt::NoModifier), Code(VK_TAB, kShift));
    // Backspace, Tab and Return carry control characters as text; the key decides.
    EXPECT_EQ(KeyCodeOf(Qt::Key_Backspace, Qt::NoModifier, u"\x08"), Code(VK_BACK));
}

TEST(KeyCodeOf, PunctuationNamesItsJisKey)
{
    const std::pair<int, uint16_t> unshifted[] = {
        {Qt::Key_Colon, VK_OEM_1},     {Qt::Key_Semicolon, VK_OEM_PLUS}, {Qt::Key_Comma, VK_OEM_COMMA},
        {Qt::Key_Minus, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD},  {Qt::Key_Slash, VK_OEM_2},
        {Qt::Key_At, VK_OEM_3},        {Qt::Key_BracketLeft, VK_OEM_4},  {Qt::Key_Backslash, VK_OEM_5},
        {Qt::Key_yen, VK_OEM_5},       {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_AsciiCircum, VK_OEM_7},
    };
    for (const auto& [key, code] : unshifted)
        EXPECT_EQ(KeyCodeOf(key, Qt::NoModifier), Code(code)) << char(key);
    const std::pair<int, uint16_t> shifted[] = {
        {Qt::Key_Asterisk, VK_OEM_1},   {Qt::Key_Plus, VK_OEM_PLUS},      {Qt::Key_Less, VK_OEM_COMMA},
        {Qt::Key_Equal, VK_OEM_MINUS},  {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Question, VK_OEM_2},
        {Qt::Key_QuoteLeft, VK_OEM_3},  {Qt::Key_BraceLeft, VK_OEM_4},    {Qt::Key_Bar, VK_OEM_5},
        {Qt::Key_BraceRight, VK_OEM_6}, {Qt::Key_AsciiTilde, VK_OEM_7},   {Qt::Key_Underscore, VK_OEM_102},
        {Qt::Key_Exclam, '1'},          {Qt::Key_QuoteDbl, '2'},          {Qt::Key_NumberSign, '3'},
        {Qt::Key_Dollar, '4'},          {Qt::Key_Percent, '5'},           {Qt::Key_Ampersand, '6'},
        {Qt::Key_Apostrophe, '7'},      {Qt::Key_ParenLeft, '8'},         {Qt::Key_ParenRight, '9'},
    };
    for (const auto& [key, code] : shifted)
        EXPECT_EQ(KeyCodeOf(key, Qt::ShiftModifier), Code(code, kShift)) << char(key);
    // The JIS keyboard's two backslash keys, told apart by where they are.
    EXPECT_EQ(KeyCodeOf(Qt::Key_Backslash, Qt::NoModifier, u"\\", 97), Code(VK_OEM_102));
    EXPECT_EQ(KeyCodeOf(Qt::Key_Underscore, Qt::ShiftModifier, u"_", 97), Code(VK_OEM_102, kShift));
    EXPECT_EQ(KeyCodeOf(Qt::Key_Backslash, Qt::NoModifier, u"\\", 132), Code(VK_OEM_5));
    // The digit row by where the key is: Shift+2 is 2 on a US keyboard too.
    EXPECT_EQ(KeyCodeOf(Qt::Key_At, Qt::ShiftModifier | Qt::ControlModifier, u"@", 11),
              Code('2', TShiftState{TShiftStateItem::ssShift, TShiftStateItem::ssCtrl}));
    EXPECT_EQ(KeyCodeOf(Qt::Key_ParenRight, Qt::ShiftModifier, u")", 19), Code('0', kShift));
}

TEST(KeyCodeOf, KeysWithoutANameComeFromTheirText)
{
    EXPECT_EQ(KeyCodeOf(Qt::Key_unknown, Qt::NoModifier, u"q"), Code('Q'));
    EXPECT_EQ(KeyCodeOf(0, Qt::ShiftModifier, u"?"), Code(VK_OEM_2, kShift));
    // Japanese text and a Cyrillic letter (Qt's key is the letter's
    // Unicode value) have no key code: only their text counts.
    EXPECT_EQ(KeyCodeOf(Qt::Key_unknown, Qt::NoModifier, u"漢"), Code(0));
    EXPECT_EQ(KeyCodeOf(0x0444, Qt::NoModifier, u"ф"), Code(0));
    EXPECT_EQ(KeyCodeOf(Qt::Key_unknown, Qt::NoModifier, u"ab"), Code(0));

    const QKeyEvent event(QEvent::KeyPress, Qt::Key_Backslash, Qt::ControlModifier | Qt::AltModifier, 97, 0, 0,
                          QStringLiteral("\\"));
    EXPECT_EQ(KeyCodeOf(event), Code(VK_OEM_102, {TShiftStateItem::ssCtrl, TShiftStateItem::ssAlt}));
}

// Every key a shortcut can name; the round trip below also checks letters,
// digits, function keys and the keypad digits both ways.
std::vector<uint16_t> ShortcutKeys()
{
    std::vector<uint16_t> keys = {VK_BACK,      VK_TAB,        VK_RETURN,     VK_ESCAPE,  VK_SPACE,     VK_PRIOR,
                                  VK_NEXT,      VK_END,        VK_HOME,       VK_LEFT,    VK_UP,        VK_RIGHT,
                                  VK_DOWN,      VK_INSERT,     VK_DELETE,     VK_OEM_1,   VK_OEM_PLUS,  VK_OEM_COMMA,
                                  VK_OEM_MINUS, VK_OEM_PERIOD, VK_OEM_2,      VK_OEM_3,   VK_OEM_4,     VK_OEM_5,
                                  VK_OEM_6,     VK_OEM_7,      VK_MULTIPLY,   VK_ADD,     VK_SEPARATOR, VK_SUBTRACT,
                                  VK_DECIMAL,   VK_DIVIDE,     VK_APPS,       VK_PAUSE,   VK_CAPITAL,   VK_KANA,
                                  VK_KANJI,     VK_CONVERT,    VK_NONCONVERT, VK_NUMLOCK, VK_SCROLL};
    for (const auto& [first, count] : {std::pair<uint16_t, int>{'A', 26}, {'0', 10}, {VK_F1, 24}, {VK_NUMPAD0, 10}})
        for (int i = 0; i < count; ++i)
            keys.push_back(static_cast<uint16_t>(first + i));
    return keys;
}

TEST(ShortCutToKeySequence, RoundTripsEveryShortcutAndNamesKeysAsMenusShowThem)
{
    const int modifierSets[] = {
        0, scShift, scCtrl, scAlt, scShift | scCtrl, scCtrl | scAlt, scShift | scAlt, scShift | scCtrl | scAlt};
    for (const uint16_t key : ShortcutKeys())
        for (const int modifiers : modifierSets) {
            const TShortCut shortCut = static_cast<TShortCut>(key | modifiers);
            const QKeySequence sequence = ShortCutToKeySequence(shortCut);
            ASSERT_EQ(sequence.count(), 1) << std::hex << shortCut;
            const QKeyCombination combination = sequence[0];
            const TKeyCode code = KeyCodeOf(combination.key(), combination.keyboardModifiers());
            EXPECT_EQ(ShortCut(code.Key, code.Shift), shortCut) << std::hex << shortCut;
        }
    // Named as menus show them; the JIS-only backslash key as the one Qt knows.
    EXPECT_EQ(ShortCutToKeySequence(scCtrl | 'N'), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(ShortCutToKeySequence(scShift | scCtrl | VK_DELETE), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Delete));
    EXPECT_EQ(ShortCutToKeySequence(scCtrl | VK_OEM_102), QKeySequence(Qt::CTRL | Qt::Key_Backslash));
    for (const TShortCut none : {TShortCut(scNone), TShortCut(scCtrl), TShortCut(0xFF)})
        EXPECT_TRUE(ShortCutToKeySequence(none).isEmpty()) << std::hex << none;
}

TEST(ShiftStateOf, ButtonsCountAndModifiersWithoutAStateDoNot)
{
    EXPECT_EQ(ShiftStateOf(Qt::MetaModifier | Qt::KeypadModifier, Qt::LeftButton | Qt::RightButton | Qt::MiddleButton),
              (TShiftState{TShiftStateItem::ssLeft, TShiftStateItem::ssRight, TShiftStateItem::ssMiddle}));
}

} // namespace
