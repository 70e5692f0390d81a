// The value rules of the spin edit, apart from its window: clamping,
// stepping and which typed characters it takes.
#pragma once

#include <cstdint>

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
