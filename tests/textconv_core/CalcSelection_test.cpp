// The expression command: pre-check, evaluation and the written result.
#include "Calc.h"
#include "CalcSelection.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

namespace {

std::string Written(std::string_view Selection) { return CalcSelection(Selection).Replacement; }

// The warning, with nothing written.
std::string Warned(std::string_view Selection)
{
    const TCalcOutcome outcome = CalcSelection(Selection);
    EXPECT_EQ(outcome.Replacement, "") << Selection;
    return outcome.Warning;
}

const std::string kGrammar(kExpressionErrorMessage);

} // namespace

TEST(CheckExpression, AcceptsArithmeticWithSignsAndRejectsForeignCharactersAndMisplacedOperators)
{
    for (const char* expression :
         {"2*(3+4)", "-3+1", "+3", "(-3)", "(+3)*2", "-(3)", "1.5/0.5", "((1))", "(1)(2)", "3.5.1"})
        EXPECT_TRUE(CheckExpression(expression)) << expression;
    for (const char* expression : {"", " 1", "1,000+1", "a+1", "2*-3", "(3", "3)", ")3(", "*3", "3+", "3.", ".5",
                                   "1..2", "1.(2)", "()", "(*3)", "3/)"})
        EXPECT_FALSE(CheckExpression(expression)) << expression;
    EXPECT_FALSE(CheckExpression(S("１＋２")));
    // Ten thousand nested pairs are checked without recursion.
    EXPECT_TRUE(CheckExpression(std::string(10000, '(') + "1" + std::string(10000, ')')));
}

TEST(CalcSelection, WritesTheExpressionAndItsValue)
{
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        // Exact values, rounded and in fixed notation, are the business of
        // the exact test; here the form: three decimals or none, never "-0".
        {"2*(3+4)", "2*(3+4) = 14"}, {"10/4", "10/4 = 2.500"}, {"1/2*3", "1/2*3 = 1.500"}, {"-3+1", "-3+1 = -2"},
        {"(-3)", "(-3) = -3"}, {"2.5*2", "2.5*2 = 5"}, {"0.0004", "0.0004 = 0"}, {"0-0.0004", "0-0.0004 = 0"},
        {"0-1/16", "0-1/16 = -0.063"},
        // Precedence, then left to right.
        {"1-2-3", "1-2-3 = -4"}, {"2+3*4", "2+3*4 = 14"}, {"8/2/2", "8/2/2 = 2"},
        // Spaces go; a final line break stays.
        {"1 + 2", "1+2 = 3"}, {"1+2\r\n", "1+2 = 3\r\n"}, {" 1 +\r\n2 \r\n", "1+2 = 3\r\n"},
        {"10/4\r\n", "10/4 = 2.500\r\n"},
    };
    // clang-format on
    for (const auto& [selection, written] : cases)
        EXPECT_EQ(Written(selection), written);
}

TEST(CalcSelection, WarnsAboutMalformedExpressions)
{
    EXPECT_EQ(Warned("1,000+1"), "1,000+1\r\n" + std::string(kCheckFailedMessage));
    EXPECT_EQ(Warned(S("１＋２")), "１＋２\r\n" + std::string(kCheckFailedMessage));
    EXPECT_EQ(Warned("   "), "\r\n" + std::string(kCheckFailedMessage));
    EXPECT_EQ(Warned("1+\r\n2"), "1+\r\n2\r\n" + std::string(kCheckFailedMessage));
    EXPECT_EQ(Warned("-(3)"), kGrammar);
}

TEST(CalcSelection, WritesNothingForLeftOversOrAnEmptySelection)
{
    for (const char* selection : {"", "2(3)", "3.5.1", "(1)(2)"}) {
        const TCalcOutcome outcome = CalcSelection(selection);
        EXPECT_EQ(outcome.Replacement, "") << selection;
        EXPECT_EQ(outcome.Warning, "") << selection;
    }
}

TEST(CalcSelection, RefusesDivisionByZeroOverflowAndDeepNesting)
{
    EXPECT_EQ(Warned("5/0"), std::string(kDivisionByZeroMessage));
    EXPECT_EQ(Warned("1+5/(2-2)"), std::string(kDivisionByZeroMessage));
    // Results wider than 309 digits, and numbers beyond any sensible use.
    EXPECT_EQ(Warned(std::string(5000, '9')), std::string(kResultTooLargeMessage));
    EXPECT_EQ(Warned(std::string(310, '9')), std::string(kResultTooLargeMessage));
    EXPECT_EQ(Warned("0." + std::string(10000, '0') + "1"), std::string(kResultTooLargeMessage));
    // Fractions whose sum needs a denominator of 10,000 digits.
    const std::string wide = "1" + std::string(4999, '0');
    EXPECT_EQ(Warned("1/" + wide + "1+1/" + wide + "3"), std::string(kResultTooLargeMessage));
    EXPECT_EQ(Warned(std::string(10000, '(') + "1" + std::string(10000, ')')), std::string(kNestingTooDeepMessage));
    EXPECT_EQ(Written(std::string(500, '(') + "7" + std::string(500, ')')),
              std::string(500, '(') + "7" + std::string(500, ')') + " = 7");
}
