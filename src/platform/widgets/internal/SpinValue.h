// The value rules of the spin edit, apart from its window: reading the
// text as a number, clamping, stepping and which typed characters it takes.
#pragma once

#include <cstdint>
#include <string_view>

// The number Text holds: an optional sign and decimal digits, with blanks
// around them allowed; anything else, a number beyond 32 bits included,
// reads as Fallback.
int32_t SpinTextValue(std::string_view Text, int32_t Fallback);

// Value clamped to MinValue..MaxValue; equal limits mean no limits.
int32_t CheckSpinValue(int32_t Value, int32_t MinValue, int32_t MaxValue);

// Value + Times × Increment, held at the ends of the 32-bit range instead
// of overflowing.
int32_t SpinStep(int32_t Value, int32_t Increment, int32_t Times);

// Whether a typed character (its code; 8 is Backspace, 13 Enter) may go on
// to the field. "+", "-", the digits and DecimalSeparator are the set; a
// printable character or Enter outside it never may; any other character
// may while EditorEnabled, and without it only control characters other
// than Backspace may.
bool IsValidSpinChar(char32_t Key, bool EditorEnabled, char32_t DecimalSeparator);
