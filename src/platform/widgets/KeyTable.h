// The table between Qt's keys and the virtual-key codes the program speaks
// in: a key press becomes a code and a shift state for the key handlers,
// and a shortcut becomes the key sequence its menu item shows and fires on.
// Punctuation keys carry the names of a Japanese (JIS) keyboard's keys, so
// a character is mapped to the JIS key that types it: '*' is Shift+':'.
#pragma once

#include "VirtualKeys.h"

#include <QKeySequence>
#include <QStringView>
#include <Qt>
#include <cstdint>

class QKeyEvent;

// A key press in the program's terms; Key 0 when it has no code for it.
struct TKeyCode {
    uint16_t Key = 0;
    TShiftState Shift;
    bool operator==(const TKeyCode&) const = default;
};

// The shift state of modifiers and mouse buttons. Meta and the keypad are
// not part of it.
TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons = Qt::NoButton);

// The code of a key press.
// - Letters, digits, F1-F24, the cursor and editing keys, Esc, Space, the
//   lock keys, the keypad (digits and operators with Qt::KeypadModifier;
//   with Num Lock off the keypad's cursor keys are the cursor keys) and
//   the input-method keys (変換, 無変換, 半角/全角, カタカナ/ひらがな, 英数).
// - Backtab is Tab with Shift; Enter is Return.
// - Shifted characters name their JIS key: '!' is '1', '+' is ';'.
// - A key Qt has no name for (Key_unknown, a letter of another alphabet)
//   is taken from Text when that is one printable ASCII character.
// - NativeScanCode tells the JIS keyboard's two backslash keys apart: the
//   one beside the right Shift (ろ) is VK_OEM_102, the other VK_OEM_5.
TKeyCode KeyCodeOf(int QtKey, Qt::KeyboardModifiers Modifiers, QStringView Text = {}, quint32 NativeScanCode = 0);
TKeyCode KeyCodeOf(const QKeyEvent& Event);

// The key sequence of a shortcut, empty for none or for a key Qt cannot
// name. Both backslash keys give Qt's backslash.
QKeySequence ShortCutToKeySequence(TShortCut ShortCut);
