// The key codes the program speaks in, whatever produced the key press:
// virtual-key codes in one byte, the shift state of a key or mouse event,
// and the 16-bit shortcut of a menu item (key code in the low byte plus
// one bit per modifier). The table that turns Qt keys into these codes
// lives with the widgets.
#pragma once

#include "Set.h"

#include <cstdint>

constexpr uint16_t VK_LBUTTON = 0x01;
constexpr uint16_t VK_RBUTTON = 0x02;
constexpr uint16_t VK_MBUTTON = 0x04;
constexpr uint16_t VK_BACK = 0x08;
constexpr uint16_t VK_TAB = 0x09;
constexpr uint16_t VK_RETURN = 0x0D;
constexpr uint16_t VK_SHIFT = 0x10;
constexpr uint16_t VK_CONTROL = 0x11;
constexpr uint16_t VK_MENU = 0x12; // Alt
constexpr uint16_t VK_PAUSE = 0x13;
constexpr uint16_t VK_CAPITAL = 0x14;
constexpr uint16_t VK_KANA = 0x15;
constexpr uint16_t VK_KANJI = 0x19;
constexpr uint16_t VK_ESCAPE = 0x1B;
constexpr uint16_t VK_CONVERT = 0x1C;
constexpr uint16_t VK_NONCONVERT = 0x1D;
constexpr uint16_t VK_SPACE = 0x20;
constexpr uint16_t VK_PRIOR = 0x21; // Page Up
constexpr uint16_t VK_NEXT = 0x22;  // Page Down
constexpr uint16_t VK_END = 0x23;
constexpr uint16_t VK_HOME = 0x24;
constexpr uint16_t VK_LEFT = 0x25;
constexpr uint16_t VK_UP = 0x26;
constexpr uint16_t VK_RIGHT = 0x27;
constexpr uint16_t VK_DOWN = 0x28;
constexpr uint16_t VK_INSERT = 0x2D;
constexpr uint16_t VK_DELETE = 0x2E;
// '0'..'9' are 0x30..0x39 and 'A'..'Z' 0x41..0x5A: the character itself.
constexpr uint16_t VK_APPS = 0x5D;
constexpr uint16_t VK_NUMPAD0 = 0x60; // ..VK_NUMPAD9 = 0x69
constexpr uint16_t VK_MULTIPLY = 0x6A;
constexpr uint16_t VK_ADD = 0x6B;
constexpr uint16_t VK_SEPARATOR = 0x6C;
constexpr uint16_t VK_SUBTRACT = 0x6D;
constexpr uint16_t VK_DECIMAL = 0x6E;
constexpr uint16_t VK_DIVIDE = 0x6F;
constexpr uint16_t VK_F1 = 0x70; // ..VK_F24 = 0x87
constexpr uint16_t VK_F2 = 0x71;
constexpr uint16_t VK_F3 = 0x72;
constexpr uint16_t VK_F4 = 0x73;
constexpr uint16_t VK_F5 = 0x74;
constexpr uint16_t VK_F6 = 0x75;
constexpr uint16_t VK_F7 = 0x76;
constexpr uint16_t VK_F8 = 0x77;
constexpr uint16_t VK_F9 = 0x78;
constexpr uint16_t VK_F10 = 0x79;
constexpr uint16_t VK_F11 = 0x7A;
constexpr uint16_t VK_F12 = 0x7B;
constexpr uint16_t VK_NUMLOCK = 0x90;
constexpr uint16_t VK_SCROLL = 0x91;
// Punctuation keys, named after the character they carry on a Japanese
// (JIS) keyboard.
constexpr uint16_t VK_OEM_1 = 0xBA;      // ':'
constexpr uint16_t VK_OEM_PLUS = 0xBB;   // ';'
constexpr uint16_t VK_OEM_COMMA = 0xBC;  // ','
constexpr uint16_t VK_OEM_MINUS = 0xBD;  // '-'
constexpr uint16_t VK_OEM_PERIOD = 0xBE; // '.'
constexpr uint16_t VK_OEM_2 = 0xBF;      // '/'
constexpr uint16_t VK_OEM_3 = 0xC0;      // '@'
constexpr uint16_t VK_OEM_4 = 0xDB;      // '['
constexpr uint16_t VK_OEM_5 = 0xDC;      // '\' (the yen key)
constexpr uint16_t VK_OEM_6 = 0xDD;      // ']'
constexpr uint16_t VK_OEM_7 = 0xDE;      // '^'
constexpr uint16_t VK_OEM_102 = 0xE2;    // '\' (the backslash and underscore key)
constexpr uint16_t VK_PROCESSKEY = 0xE5; // a key the input method took

// The modifier keys and mouse buttons held during an event.
enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

// A menu item's shortcut: key code in the low byte, modifiers above it,
// 0 for none.
using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// The shortcut of Key with the modifiers of Shift (mouse buttons ignored);
// 0 when Key does not fit in one byte.
constexpr TShortCut ShortCut(uint16_t Key, TShiftState Shift)
{
    if (Key > 0xFF)
        return scNone;
    TShortCut result = Key;
    if (Shift.Contains(TShiftStateItem::ssShift))
        result |= scShift;
    if (Shift.Contains(TShiftStateItem::ssCtrl))
        result |= scCtrl;
    if (Shift.Contains(TShiftStateItem::ssAlt))
        result |= scAlt;
    return result;
}
