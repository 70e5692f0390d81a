#include "KeyTable.h"

#include <QKeyEvent>
#include <array>

namespace {

struct TKeyPair {
    int QtKey;
    uint16_t Code;
};

// Keys whose code does not depend on the keypad. Where several Qt keys
// share a code, the first one is the key a shortcut of that code names.
constexpr TKeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_AltGr, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Eisu_toggle, VK_CAPITAL}, // 英数 is the JIS keyboard's Caps Lock
    {Qt::Key_Eisu_Shift, VK_CAPITAL},
    {Qt::Key_Hiragana_Katakana, VK_KANA},
    {Qt::Key_Katakana, VK_KANA},
    {Qt::Key_Hiragana, VK_KANA},
    {Qt::Key_Kana_Lock, VK_KANA},
    {Qt::Key_Kana_Shift, VK_KANA},
    {Qt::Key_Zenkaku_Hankaku, VK_KANJI},
    {Qt::Key_Kanji, VK_KANJI},
    {Qt::Key_Zenkaku, VK_KANJI},
    {Qt::Key_Hankaku, VK_KANJI},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Henkan, VK_CONVERT},
    {Qt::Key_Muhenkan, VK_NONCONVERT},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
};

// The keypad's digits and operators, with Qt::KeypadModifier.
constexpr TKeyPair kKeypad[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},       {Qt::Key_Comma, VK_SEPARATOR},
    {Qt::Key_Minus, VK_SUBTRACT},    {Qt::Key_Period, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
};

// Printable ASCII characters (Qt's keys for them have the same values) and
// the JIS key that types each; unshifted characters first, so that they
// name the key in a shortcut.
constexpr TKeyPair kCharacters[] = {
    {':', VK_OEM_1},     {';', VK_OEM_PLUS},   {',', VK_OEM_COMMA}, {'-', VK_OEM_MINUS}, {'.', VK_OEM_PERIOD},
    {'/', VK_OEM_2},     {'@', VK_OEM_3},      {'[', VK_OEM_4},     {'\\', VK_OEM_5},    {']', VK_OEM_6},
    {'^', VK_OEM_7},     {'_', VK_OEM_102},    {'*', VK_OEM_1},     {'+', VK_OEM_PLUS},  {'<', VK_OEM_COMMA},
    {'=', VK_OEM_MINUS}, {'>', VK_OEM_PERIOD}, {'?', VK_OEM_2},     {'`', VK_OEM_3},     {'{', VK_OEM_4},
    {'|', VK_OEM_5},     {'}', VK_OEM_6},      {'~', VK_OEM_7},     {'!', '1'},          {'"', '2'},
    {'#', '3'},          {'$', '4'},           {'%', '5'},          {'&', '6'},          {'\'', '7'},
    {'(', '8'},          {')', '9'},
};

// The X keycode (evdev code + 8, on X11 and Wayland alike) of the JIS
// keyboard's ろ key.
constexpr quint32 kJisRoScanCode = 97;
// The X keycodes of the digit row's "1" to "9" and then "0". A digit key is
// its digit whatever the layout makes of it with Shift ("!" or "@" on US,
// "\"" on JIS), as Ctrl+Shift+digit shortcuts expect.
constexpr quint32 kDigitOneScanCode = 10;
constexpr quint32 kDigitZeroScanCode = 19;

template <size_t N>
uint16_t Find(const TKeyPair (&Table)[N], int QtKey)
{
    for (const TKeyPair& pair : Table)
        if (pair.QtKey == QtKey)
            return pair.Code;
    return 0;
}

template <size_t N>
int FindKey(const TKeyPair (&Table)[N], uint16_t Code)
{
    for (const TKeyPair& pair : Table)
        if (pair.Code == Code)
            return pair.QtKey;
    return 0;
}

// The code of a key with the value of a printable ASCII character.
uint16_t CharacterCode(int Character)
{
    if (Character >= 'a' && Character <= 'z')
        return static_cast<uint16_t>(Character - 'a' + 'A');
    if ((Character >= 'A' && Character <= 'Z') || (Character >= '0' && Character <= '9'))
        return static_cast<uint16_t>(Character);
    return Find(kCharacters, Character);
}

uint16_t CodeOfKey(int QtKey, Qt::KeyboardModifiers Modifiers)
{
    if (Modifiers & Qt::KeypadModifier) {
        if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9)
            return static_cast<uint16_t>(VK_NUMPAD0 + (QtKey - Qt::Key_0));
        if (const uint16_t code = Find(kKeypad, QtKey))
            return code;
    }
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24)
        return static_cast<uint16_t>(VK_F1 + (QtKey - Qt::Key_F1));
    if (QtKey == Qt::Key_yen)
        return VK_OEM_5;
    if (QtKey > 0x20 && QtKey < 0x7F)
        return CharacterCode(QtKey);
    return Find(kKeys, QtKey);
}

} // namespace

TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons)
{
    TShiftState state;
    if (Modifiers & Qt::ShiftModifier)
        state.Include(TShiftStateItem::ssShift);
    if (Modifiers & Qt::AltModifier)
        state.Include(TShiftStateItem::ssAlt);
    if (Modifiers & Qt::ControlModifier)
        state.Include(TShiftStateItem::ssCtrl);
    if (Buttons & Qt::LeftButton)
        state.Include(TShiftStateItem::ssLeft);
    if (Buttons & Qt::RightButton)
        state.Include(TShiftStateItem::ssRight);
    if (Buttons & Qt::MiddleButton)
        state.Include(TShiftStateItem::ssMiddle);
    return state;
}

TKeyCode KeyCodeOf(int QtKey, Qt::KeyboardModifiers Modifiers, QStringView Text, quint32 NativeScanCode)
{
    TKeyCode result{CodeOfKey(QtKey, Modifiers), ShiftStateOf(Modifiers)};
    if (QtKey == Qt::Key_Backtab)
        result.Shift.Include(TShiftStateItem::ssShift);
    if ((QtKey == Qt::Key_Backslash || QtKey == Qt::Key_Underscore) && NativeScanCode == kJisRoScanCode)
        result.Key = VK_OEM_102;
    const bool digitRow = NativeScanCode >= kDigitOneScanCode && NativeScanCode <= kDigitZeroScanCode;
    if (digitRow && !(Modifiers & Qt::KeypadModifier))
        result.Key = NativeScanCode == kDigitZeroScanCode
                         ? uint16_t{'0'}
                         : static_cast<uint16_t>('1' + NativeScanCode - kDigitOneScanCode);
    if (result.Key == 0 && Text.size() == 1 && Text[0].unicode() > 0x20 && Text[0].unicode() < 0x7F)
        result.Key = CharacterCode(Text[0].unicode());
    return result;
}

TKeyCode KeyCodeOf(const QKeyEvent& Event)
{
    return KeyCodeOf(Event.key(), Event.modifiers(), Event.text(), Event.nativeScanCode());
}

QKeySequence ShortCutToKeySequence(TShortCut ShortCut)
{
    const uint16_t code = ShortCut & 0xFF;
    Qt::KeyboardModifiers modifiers;
    if (ShortCut & scShift)
        modifiers |= Qt::ShiftModifier;
    if (ShortCut & scCtrl)
        modifiers |= Qt::ControlModifier;
    if (ShortCut & scAlt)
        modifiers |= Qt::AltModifier;

    int key = 0;
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        key = code;
    else if (code >= VK_F1 && code < VK_F1 + 24)
        key = Qt::Key_F1 + (code - VK_F1);
    else if (code >= VK_NUMPAD0 && code <= VK_NUMPAD0 + 9)
        key = Qt::Key_0 + (code - VK_NUMPAD0), modifiers |= Qt::KeypadModifier;
    else if (const int keypadKey = FindKey(kKeypad, code))
        key = keypadKey, modifiers |= Qt::KeypadModifier;
    else if (code == VK_OEM_102)
        key = Qt::Key_Backslash;
    else if (const int characterKey = FindKey(kCharacters, code))
        key = characterKey;
    else
        key = FindKey(kKeys, code);
    if (key == 0)
        return QKeySequence();
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}
