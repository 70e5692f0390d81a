#include "DateTimeText.h"

#include "Cp932.h"
#include "StrHenkan.h"

#include <QDateTime>

namespace {

std::string Digits(int Value, bool TwoDigits)
{
    std::string text = std::to_string(Value);
    return TwoDigits && text.size() < 2 ? '0' + text : text;
}

// The Japanese day names whatever the system's language.
std::string WeekdayName(int DayOfWeek)
{
    static const std::string names[] = {Utf8ToSjis("日"), Utf8ToSjis("月"), Utf8ToSjis("火"), Utf8ToSjis("水"),
                                        Utf8ToSjis("木"), Utf8ToSjis("金"), Utf8ToSjis("土")};
    return names[((DayOfWeek % 7) + 7) % 7];
}

std::string FormatCode(const std::string& Code, const TDateTimeParts& W)
{
    if (Code == "yyyy")
        return Digits(W.Year, false);
    if (Code == "yy")
        return Digits(W.Year % 100, true);
    if (Code == "aaa")
        return WeekdayName(W.DayOfWeek);
    const struct {
        char Letter;
        int Value;
    } parts[] = {{'m', W.Month}, {'d', W.Day}, {'h', W.Hour}, {'n', W.Minute}, {'s', W.Second}};
    for (const auto& part : parts) {
        if (Code == std::string(1, part.Letter))
            return Digits(part.Value, false);
        if (Code == std::string(2, part.Letter))
            return Digits(part.Value, true);
    }
    return Code;
}

TFormatTokens Tokens(std::initializer_list<const std::string*> CodeAndTextPairs)
{
    TFormatTokens tokens;
    bool code = true;
    for (const std::string* text : CodeAndTextPairs) {
        tokens.push_back({code, *text});
        code = !code;
    }
    return tokens;
}

} // namespace

TDateTimeParts CurrentDateTimeParts()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), date.dayOfWeek() % 7};
}

TFormatTokens DateTokens(const TSettingsVars::TIME& Ime)
{
    TFormatTokens tokens = Tokens({&Ime.Year, &Ime.YearK, &Ime.Month, &Ime.MonthK, &Ime.Day, &Ime.DayK});
    if (Ime.Youbi) {
        static const std::string open = Utf8ToSjis("（"), close = Utf8ToSjis("）");
        tokens.insert(tokens.end(), {{false, open}, {true, "aaa"}, {false, close}});
    }
    return tokens;
}

TFormatTokens TimeTokens(const TSettingsVars::TIME& Ime)
{
    return Tokens({&Ime.Hour, &Ime.HourK, &Ime.Min, &Ime.MinK, &Ime.Sec, &Ime.SecK});
}

std::string FormatDateTime(const TFormatTokens& Format, const TDateTimeParts& When)
{
    std::string text;
    for (const TFormatToken& token : Format)
        text += token.IsCode ? FormatCode(token.Text, When) : token.Text;
    return text;
}

std::string DateTimeInsertionText(TDateTimeInsertion Kind, const TSettingsVars::TIME& Ime, const TDateTimeParts& When)
{
    // Digits and ", . :" only.
    constexpr int NumbersMode = 2;
    const auto widened = [](std::string Text, bool Zen) {
        return Zen ? textconv::AsciiToFullWidth(Text, NumbersMode) : Text;
    };
    const std::string lineEnd = Ime.Enter ? "\r\n" : "";
    switch (Kind) {
    case TDateTimeInsertion::Date: return widened(FormatDateTime(DateTokens(Ime), When) + lineEnd, Ime.ZenDate);
    case TDateTimeInsertion::Time: return widened(FormatDateTime(TimeTokens(Ime), When) + lineEnd, Ime.ZenTime);
    case TDateTimeInsertion::DateTime: break;
    }
    return widened(FormatDateTime(DateTokens(Ime), When) + ' ' + FormatDateTime(TimeTokens(Ime), When) + lineEnd,
                   Ime.ZenDate);
}

bool DateCodeAllowed(std::string_view LongCode, std::string_view Text)
{
    const std::string_view shortCode = LongCode == "yyyy" ? LongCode.substr(0, 2) : LongCode.substr(0, 1);
    return Text.empty() || Text == LongCode || Text == shortCode;
}
