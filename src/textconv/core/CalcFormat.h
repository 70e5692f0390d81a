// The number formatting of the expression evaluator.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

// Value in fixed notation with three decimals and "." as the decimal point,
// from its first 18 significant digits, rounded half away from zero on
// those decimal digits (1/16 gives "0.063"). Large values keep fixed
// notation, with zeros past the 18th digit; a value that rounds to zero has
// no sign. Empty for an infinite value or NaN.
std::string FormatCalcValue(double Value);

// Text without the first "." when the three characters after it are "000"
// ("14.000" gives "14", "2.500" stays).
std::string TrimZeroFraction(std::string_view Text);

} // namespace textconv
