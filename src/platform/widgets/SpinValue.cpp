#include "SpinValue.h"

#include <algorithm>
#include <limits>

int32_t CheckSpinValue(int32_t Value, int32_t MinValue, int32_t MaxValue)
{
    if (MinValue == MaxValue)
        return Value;
    if (Value < MinValue)
        return MinValue;
    if (Value > MaxValue)
        return MaxValue;
    return Value;
}

int32_t SpinStep(int32_t Value, int32_t Increment, int32_t Times)
{
    // Both factors fit in 32 bits, so the sum fits in 64.
    const int64_t sum = int64_t{Value} + int64_t{Increment} * Times;
    return static_cast<int32_t>(
        std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

bool IsValidSpinChar(char32_t Key, bool EditorEnabled, char32_t DecimalSeparator)
{
    const bool inSet = Key == U'+' || Key == U'-' || (Key >= U'0' && Key <= U'9') || Key == DecimalSeparator;
    if (!inSet && (Key >= 32 || Key == 13))
        return false;
    return EditorEnabled || (Key < 32 && Key != 8);
}
