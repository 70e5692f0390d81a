#include "CalcSelection.h"

#include "Calc.h"
#include "CalcFormat.h"
#include "Cp932.h"
#include "StrDeleteEtc.h"

namespace textconv {

TCalcOutcome CalcSelection(std::string_view SelText)
{
    if (SelText.empty())
        return {};
    std::string expression = DeleteAllSpaces(SelText);
    const bool endsWithBreak = expression.size() >= 2 && expression[expression.size() - 2] == '\r';
    if (endsWithBreak)
        expression = DeleteAllLineBreaks(expression);
    if (!CheckExpression(expression))
        return {{}, SjisToUtf8(expression) + "\r\n" + std::string(kCheckFailedMessage)};

    TExpressionEvaluator evaluator(expression);
    mpq_class value;
    try {
        value = evaluator.Evaluate();
    } catch (const EExpressionError& e) {
        return {{}, e.Message()};
    }
    if (!evaluator.AtEnd())
        return {};
    if (!IsWritableCalcValue(value))
        return {{}, std::string(kResultTooLargeMessage)};

    std::string result = FormatCalcValue(value);
    if (endsWithBreak)
        result += "\r\n";
    return {expression + " = " + TrimZeroFraction(result), {}};
}

} // namespace textconv
