// The number formatting of the expression evaluator.
#pragma once

#include <gmpxx.h>

#include <string>
#include <string_view>

namespace textconv {

// True when Value's integer part has at most 309 digits: as wide as the
// command ever wrote. A larger result is reported rather than written.
bool IsWritableCalcValue(const mpq_class& Value);

// Value in fixed notation with three decimals and "." as the decimal point.
// The exact value is rounded once, half away from zero, at its third
// decimal or at its 18th significant digit, whichever comes first, and the
// digits after that are zeros: 1/16 gives "0.063", 1.0005 "1.001",
// 2^70 "1180591620717411300000.000". A value that rounds to zero has no
// sign.
std::string FormatCalcValue(const mpq_class& Value);

// Text without the first "." when the three characters after it are "000"
// ("14.000" gives "14", "2.500" stays).
std::string TrimZeroFraction(std::string_view Text);

} // namespace textconv
