#include "CalcFormat.h"

#include <algorithm>

namespace textconv {

namespace {

constexpr int kSignificantDigits = 18;
constexpr int kDecimals = 3;
constexpr unsigned long kMaxIntegerDigits = 309;

mpz_class PowerOfTen(unsigned long Exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, Exponent);
    return power;
}

// The number of decimal digits of Value > 0.
int DigitCount(const mpz_class& Value)
{
    // mpz_sizeinbase is exact or one too many.
    const size_t estimate = mpz_sizeinbase(Value.get_mpz_t(), 10);
    return static_cast<int>(Value < PowerOfTen(estimate - 1) ? estimate - 1 : estimate);
}

} // namespace

bool IsWritableCalcValue(const mpq_class& Value)
{
    static const mpz_class limit = PowerOfTen(kMaxIntegerDigits);
    return abs(Value) < limit;
}

std::string FormatCalcValue(const mpq_class& Value)
{
    const mpz_class numerator = abs(Value.get_num());
    const mpz_class& denominator = Value.get_den();
    const mpz_class whole = numerator / denominator;
    const int wholeDigits = whole == 0 ? 0 : DigitCount(whole);
    // The decimals kept before rounding; negative when the 18th significant
    // digit lies left of the decimal point.
    const int kept = std::min(kDecimals, kSignificantDigits - wholeDigits);
    mpz_class scaledNumerator = numerator, scaledDenominator = denominator;
    if (kept >= 0)
        scaledNumerator *= PowerOfTen(kept);
    else
        scaledDenominator *= PowerOfTen(-kept);
    // Half away from zero on the magnitude: floor(x + 1/2).
    const mpz_class rounded = (2 * scaledNumerator + scaledDenominator) / (2 * scaledDenominator);

    std::string digits = rounded.get_str();
    const size_t decimals = static_cast<size_t>(std::max(kept, 0));
    digits.append(static_cast<size_t>(kDecimals) - decimals + static_cast<size_t>(std::max(-kept, 0)), '0');
    if (digits.size() <= kDecimals)
        digits.insert(0, kDecimals + 1 - digits.size(), '0');
    std::string out = Value < 0 && rounded != 0 ? "-" : "";
    out.append(digits, 0, digits.size() - kDecimals);
    out += '.';
    out.append(digits, digits.size() - kDecimals);
    return out;
}

std::string TrimZeroFraction(std::string_view Text)
{
    std::string out(Text);
    const size_t dot = out.find('.');
    if (dot != std::string::npos && out.compare(dot + 1, 3, "000") == 0)
        out.erase(dot, 4);
    return out;
}

} // namespace textconv
