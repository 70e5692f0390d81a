#include "Calc.h"

#include <string>

namespace textconv {

namespace {

// Far deeper than any expression typed by hand, far shallower than the
// stack allows.
constexpr int kMaxDepth = 1000;
// Exact fractions grow with every operation (1/3+1/7+1/11...); bounding
// every numerator and denominator (here about 9,800 decimal digits) keeps a
// huge selection from taking minutes. Far beyond the widest value written.
constexpr size_t kMaxOperandBits = 1 << 15;

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

mpq_class TExpressionEvaluator::Evaluate()
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

void TExpressionEvaluator::CheckSize(const mpq_class& Value)
{
    if (mpz_sizeinbase(Value.get_num_mpz_t(), 2) > kMaxOperandBits
        || mpz_sizeinbase(Value.get_den_mpz_t(), 2) > kMaxOperandBits)
        ExpressionError(kResultTooLargeMessage);
}

mpq_class TExpressionEvaluator::ParseExpression()
{
    mpq_class value = ParseTerm();
    while (Current_ == '+' || Current_ == '-') {
        const char op = Current_;
        NextExprChar();
        const mpq_class term = ParseTerm();
        if (op == '+')
            value += term;
        else
            value -= term;
        CheckSize(value);
    }
    return value;
}

mpq_class TExpressionEvaluator::ParseTerm()
{
    mpq_class value = ParseFactor();
    while (Current_ == '*' || Current_ == '/') {
        const char op = Current_;
        NextExprChar();
        const mpq_class factor = ParseFactor();
        if (op == '*') {
            value *= factor;
        } else {
            // Leaving the dividend as it stands would write a false result.
            if (factor == 0)
                ExpressionError(kDivisionByZeroMessage);
            value /= factor;
        }
        CheckSize(value);
    }
    return value;
}

mpq_class TExpressionEvaluator::ParseFactor()
{
    if (Current_ != '(')
        return ParseNumber();
    if (++Depth_ > kMaxDepth)
        ExpressionError(kNestingTooDeepMessage);
    NextExprChar();
    mpq_class value = ParseExpression();
    if (Current_ == ')')
        NextExprChar();
    else if (Current_ != 0)
        ExpressionError();
    --Depth_;
    return value;
}

mpq_class TExpressionEvaluator::ParseNumber()
{
    const bool negative = Current_ == '-';
    if (Current_ == '-' || Current_ == '+')
        NextExprChar();
    if (!IsDigit(Current_))
        ExpressionError();
    // The digits without the ".", over ten to the power of the decimals.
    std::string digits;
    while (IsDigit(Current_)) {
        digits += Current_;
        NextExprChar();
    }
    size_t decimals = 0;
    if (Current_ == '.') {
        NextExprChar();
        for (; IsDigit(Current_); NextExprChar(), ++decimals)
            digits += Current_;
    }
    mpq_class value;
    mpz_set_str(value.get_num_mpz_t(), digits.c_str(), 10);
    if (decimals > 0) {
        mpz_ui_pow_ui(value.get_den_mpz_t(), 10, decimals);
        value.canonicalize();
    }
    CheckSize(value);
    if (negative)
        value = -value;
    return value;
}

} // namespace textconv
