#include "NumberField.h"

#include "Beep.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Every change of the field's text passes its validator, whatever brought
// it (QLineEdit undoes a change made by the user that the validator
// refuses), so this is the one place that sees them all.
class TNumberValidator : public QValidator {
public:
    TNumberValidator(QLineEdit& Edit, std::function<bool(const QString&)> Takes)
        : QValidator(&Edit), Takes_(std::move(Takes))
    {
        // Also told of refused text set from code, which is kept; only the
        // user, typing into the field, hears the beep.
        connect(&Edit, &QLineEdit::inputRejected, this, [&Edit] {
            if (Edit.hasFocus())
                Beep();
        });
    }

    // The forms map one character to one, so the cursor stays where it is.
    State validate(QString& Input, int&) const override
    {
        Input = AsciiDigitsAndSigns(std::move(Input));
        return Takes_(Input) ? Acceptable : Invalid;
    }

private:
    std::function<bool(const QString&)> Takes_;
};

} // namespace

QString AsciiDigitsAndSigns(QString Text)
{
    for (QChar& c : Text) {
        const char16_t code = c.unicode();
        if (code >= u'０' && code <= u'９')
            c = QChar(u'0' + (code - u'０'));
        else if (code == u'＋')
            c = QLatin1Char('+');
        else if (code == u'－' || code == u'−')
            c = QLatin1Char('-');
    }
    return Text;
}

bool IsPartialInteger(const QString& Text)
{
    const qsizetype digits = !Text.isEmpty() && (Text.front() == u'+' || Text.front() == u'-') ? 1 : 0;
    for (qsizetype i = digits; i < Text.size(); ++i)
        if (Text[i] < u'0' || Text[i] > u'9')
            return false;
    return true;
}

void MakeNumberField(QLineEdit& Edit, std::function<bool(const QString&)> Takes)
{
    Edit.setValidator(new TNumberValidator(Edit, std::move(Takes)));
}
