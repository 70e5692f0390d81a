#include "Calc.h"

#include <string>

namespace textconv {

namespace {

// Far deeper than any expression typed by hand, far shallower than the
// stack allows.
constexpr int kMaxDepth = 1000;

constexpr std::string_view kAllowed = "()*+-./0123456789";
constexpr std::string_view kOpening = "(*+-./"; // may not end the expression
constexpr std::string_view kClosing = ")*+-./"; // may not start it, nor follow kOpening

bool IsDigit(char C) { return C >= '0' && C <= '9'; }
bool IsIn(std::string_view Set, char C) { return Set.find(C) != std::string_view::npos; }

bool ParenthesesPair(std::string_view Text)
{
    int open = 0;
    for (char c : Text) {
        if (c == '(')
            ++open;
        else if (c == ')' && --open < 0)
            return false;
    }
    return open == 0;
}

// The expression with a "0" before a leading sign and after each "(" that
// a sign follows, so that signs pass the neighbour tests below.
std::string WithSignsAsSubtractions(std::string_view Text)
{
    std::string prepared;
    prepared.reserve(Text.size() * 2 + 1);
    for (size_t i = 0; i < Text.size(); ++i) {
        const bool sign = Text[i] == '-' || Text[i] == '+';
        if (sign && (i == 0 || Text[i - 1] == '('))
            prepared += '0';
        prepared += Text[i];
    }
    return prepared;
}

} // namespace

bool CheckExpression(std::string_view Expression)
{
    if (Expression.empty() || Expression.find_first_not_of(kAllowed) != std::string_view::npos
        || !ParenthesesPair(Expression))
        return false;
    const std::string text = WithSignsAsSubtractions(Expression);
    if (IsIn(kClosing, text.front()) || IsIn(kOpening, text.back()))
        return false;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (IsIn(kOpening, text[i]) && IsIn(kClosing, text[i + 1]))
            return false;
        if (i > 0 && text[i] == '.' && !(IsDigit(text[i - 1]) && IsDigit(text[i + 1])))
            return false;
    }
    return true;
}

long double TExpressionEvaluator::Evaluate()
{
    Position_ = 0;
    Depth_ = 0;
    NextExprChar();
    return ParseExpression();
}

char TExpressionEvaluator::NextExprChar()
{
    Current_ = Position_ < Text_.size() ? Text_[Position_] : 0;
    ++Position_;
    return Current_;
}

void TExpressionEvaluator::ExpressionError(std::string_view Message) { throw EExpressionError(std::string(Message)); }

long double TExpressionEvaluator::ParseExpression()
{
    long double value = ParseTerm();
    while (Current_ == '+' || Current_ == '-') {
        const char op = Current_;
        NextExprChar();
        const long double term = ParseTerm();
        value = op == '+' ? value + term : value - term;
    }
    return value;
}

long double TExpressionEvaluator::ParseTerm()
{
    long double value = ParseFactor();
    while (Current_ == '*' || Current_ == '/') {
        const char op = Current_;
        NextExprChar();
        const long double factor = ParseFactor();
        if (op == '*') {
            value *= factor;
        } else {
            // Leaving the dividend as it stands would write a false result.
            if (factor == 0)
                ExpressionError(kDivisionByZeroMessage);
            value /= factor;
        }
    }
    return value;
}

long double TExpressionEvaluator::ParseFactor()
{
    if (Current_ != '(')
        return ParseNumber();
    if (++Depth_ > kMaxDepth)
        ExpressionError(kNestingTooDeepMessage);
    NextExprChar();
    const long double value = ParseExpression();
    if (Current_ == ')')
        NextExprChar();
    else if (Current_ != 0)
        ExpressionError();
    --Depth_;
    return value;
}

long double TExpressionEvaluator::ParseNumber()
{
    const bool negative = Current_ == '-';
    if (Current_ == '-' || Current_ == '+')
        NextExprChar();
    if (!IsDigit(Current_))
        ExpressionError();
    long double value = 0;
    while (IsDigit(Current_)) {
        value = value * 10 + (Current_ - '0');
        NextExprChar();
    }
    if (Current_ == '.') {
        NextExprChar();
        long double scale = 1;
        while (IsDigit(Current_)) {
            scale *= 0.1L;
            value += (Current_ - '0') * scale;
            NextExprChar();
        }
    }
    return negative ? -value : value;
}

} // namespace textconv
