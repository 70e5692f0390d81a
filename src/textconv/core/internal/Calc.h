// The expression evaluator: the four basic operations and parentheses over
// decimal numbers, as the user selects them in the page text.
#pragma once

#include "SysUtils.h"

#include <gmpxx.h>

#include <string_view>

namespace textconv {

// The warnings of the evaluator (UTF-8).
inline constexpr std::string_view kExpressionErrorMessage = "式に文法上の間違いがあります！";
inline constexpr std::string_view kCheckFailedMessage = "式に文法上の間違いがあるか、不正な文字が含まれています！";
inline constexpr std::string_view kDivisionByZeroMessage = "０で割ることはできません！";
inline constexpr std::string_view kNestingTooDeepMessage = "括弧の入れ子が深すぎます！";
inline constexpr std::string_view kResultTooLargeMessage = "計算結果が大きすぎます！";

// An expression the evaluator cannot finish; the message is the warning
// for the user.
class EExpressionError : public Exception {
public:
    using Exception::Exception;
};

// The pre-check: true when Expression is not empty, holds only digits and
// ( ) * + - . /, pairs its parentheses, and puts no operator, parenthesis
// or "." where none can stand (a sign may lead the expression or follow
// "(").
bool CheckExpression(std::string_view Expression);

// A recursive-descent evaluator over one expression, in exact rational
// arithmetic, so that every written digit is a true one:
//   expression = term { ("+" | "-") term }
//   term       = factor { ("*" | "/") factor }
//   factor     = "(" expression ")" | number
//   number     = ["+" | "-"] digit {digit} ["." {digit}]
class TExpressionEvaluator {
public:
    explicit TExpressionEvaluator(std::string_view Expression) : Text_(Expression) {}

    // Reads from the first byte and evaluates one expression. Throws
    // EExpressionError for a missing number or ")", a division by zero,
    // parentheses nested too deep, and a number or intermediate value too
    // large to compute with.
    mpq_class Evaluate();
    // True when the whole expression was read.
    bool AtEnd() const { return Current_ == 0; }

private:
    char NextExprChar();
    mpq_class ParseExpression();
    mpq_class ParseTerm();
    mpq_class ParseFactor();
    mpq_class ParseNumber();
    [[noreturn]] static void ExpressionError(std::string_view Message = kExpressionErrorMessage);
    static void CheckSize(const mpq_class& Value);

    std::string_view Text_;
    size_t Position_ = 0; // the next byte to read
    char Current_ = 0;    // the byte read last; 0 at the end
    int Depth_ = 0;       // parentheses open around the current factor
};

} // namespace textconv
