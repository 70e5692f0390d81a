#include "CalcFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace textconv {

namespace {

constexpr int kSignificantDigits = 18;
constexpr int kDecimals = 3;

// Adds one to a string of decimal digits ("" counts as 0).
void Increment(std::string& Digits)
{
    for (size_t i = Digits.size(); i-- > 0;) {
        if (Digits[i] != '9') {
            ++Digits[i];
            return;
        }
        Digits[i] = '0';
    }
    Digits.insert(Digits.begin(), '1');
}

} // namespace

std::string FormatCalcValue(double Value)
{
    if (!std::isfinite(Value))
        return {};
    // "-d.ddddddddddddddddde+x": the significant digits and the power of
    // ten of the first one.
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.*e", kSignificantDigits - 1, Value);
    const std::string_view text(scientific);
    const bool negative = text.front() == '-';
    const size_t first = negative ? 1 : 0;
    const size_t mark = text.find('e');
    std::string significant;
    for (size_t i = first; i < mark; ++i) {
        if (text[i] != '.')
            significant += text[i];
    }
    const long exponent = std::strtol(scientific + mark + 1, nullptr, 10);

    // The digits down to the last decimal, rounded on the first digit below
    // it: together the value in thousandths.
    const long kept = exponent + 1 + kDecimals;
    std::string thousandths;
    if (kept >= static_cast<long>(significant.size())) {
        thousandths = significant + std::string(kept - significant.size(), '0');
    } else if (kept >= 0) {
        thousandths = significant.substr(0, kept);
        if (significant[kept] >= '5')
            Increment(thousandths);
    }
    const size_t nonZero = thousandths.find_first_not_of('0');
    if (nonZero == std::string::npos)
        return "0.000";
    thousandths.erase(0, nonZero);
    if (thousandths.size() <= kDecimals)
        thousandths.insert(0, kDecimals + 1 - thousandths.size(), '0');

    std::string out = negative ? "-" : "";
    out.append(thousandths, 0, thousandths.size() - kDecimals);
    out += '.';
    out.append(thousandths, thousandths.size() - kDecimals);
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
