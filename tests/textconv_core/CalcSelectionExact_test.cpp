// The expression command against exact values the test computes itself:
// the written value must be the exact one rounded half away from zero at
// its third decimal, or at its 18th significant digit when its integer part
// is longer than 15 digits.
#include "CalcSelection.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace textconv;

namespace {

// A fraction from its decimal digits: "1/10", "1" + n zeros, or "-12345/1000".
mpq_class Q(const std::string& Text)
{
    mpq_class value(Text, 10);
    value.canonicalize();
    return value;
}

void ExpectExactlyRounded(const std::string& Expression, const mpq_class& Exact)
{
    SCOPED_TRACE(Expression);
    const std::string written = CalcSelection(Expression).Replacement;
    ASSERT_TRUE(written.starts_with(Expression + " = ")) << written;
    const std::string value = written.substr(Expression.size() + 3);
    const size_t dot = value.find('.');
    ASSERT_TRUE(dot == std::string::npos || dot + 4 == value.size()) << "three decimals or none: " << value;

    const mpz_class whole = abs(Exact.get_num()) / Exact.get_den();
    const int wholeDigits = whole == 0 ? 0 : static_cast<int>(whole.get_str().size());
    const int place = std::max(-3, wholeDigits - 18); // of the last digit kept
    const mpq_class step = Q(place < 0 ? "1/1" + std::string(-place, '0') : "1" + std::string(place, '0'));
    const mpq_class read = Q(dot == std::string::npos ? value : std::string(value).erase(dot, 1) + "/1000");
    const mpq_class units = read / step;
    EXPECT_EQ(units.get_den(), 1) << value << " has digits past the last place";
    const mpq_class error = abs(read - Exact);
    EXPECT_LE(error, step / 2) << value;
    if (error == step / 2) {
        EXPECT_GT(abs(read), abs(Exact)) << value << ": a half rounds away from zero";
    }
}

} // namespace

TEST(CalcSelection, WritesTheExactValueRounded)
{
    const mpz_class two53 = mpz_class(1) << 53;
    const mpz_class two64 = mpz_class(1) << 64;
    const std::string nines400(400, '9');
    struct Case {
        std::string Expression;
        mpq_class Exact;
    } const cases[] = {
        {"123456789*987654321/3+0.1", mpq_class(123456789) * 987654321 / 3 + Q("1/10")},
        {"9007199254740993+1", two53 + 2},
        {"18446744073709551615+1", two64},
        {"-999999999999999999-1", -Q("1" + std::string(18, '0'))},
        {"99999*99999*99999*99999*99999", mpq_class(mpz_class(99999) * 99999 * 99999 * 99999 * 99999)},
        {"100000000000000000001*99999999999999999999", Q(std::string(40, '9'))},
        {nines400 + "/" + nines400, 1},
        {"0.1+0.2", Q("3/10")},
        {"0.1*0.1*0.1", Q("1/1000")},
        {"4.35*100", 435},
        {"1/3", mpq_class(1, 3)},
        {"100/3*3", 100},
        {"1/3+1/3+1/3", 1},
        {"1/16", mpq_class(1, 16)},
        {"0-5/16", mpq_class(-5, 16)},
        {"1.2345", Q("12345/10000")},
        {"-2.0005", -Q("20005/10000")},
        {"0.0004999", Q("4999/10000000")},
        // Rounded once: not first to 0.0005 and then up.
        {"0.00049999999999999999", Q("49999999999999999/100000000000000000000")},
        {"19999999/20000", mpq_class(19999999, 20000)},
        {"0-19999/20", mpq_class(-19999, 20)},
        {"9999999999999999995", Q("9999999999999999995")},
        {"999999999999999.9995", Q("9999999999999999995/10000")},
        {"1234567890123456.785", Q("1234567890123456785/1000")},
        {"12345678901234567.85", Q("1234567890123456785/100")},
        {"123456789012345678.5", Q("1234567890123456785/10")},
        {"0.000000000000000001*1000000000000000000", 1},
        {"((((1+2)*3)-4)/5)", 1},
        {"(1+(2*(3+(4*(5+(6*(7+8)))))))/7", mpq_class(1 + 2 * (3 + 4 * (5 + 6 * (7 + 8))), 7)},
        {"(-3)*(-3)*(-3)/(2-(0.5-(-0.25)))", mpq_class(-27) / Q("5/4")},
    };
    for (const Case& c : cases)
        ExpectExactlyRounded(c.Expression, c.Exact);
}
