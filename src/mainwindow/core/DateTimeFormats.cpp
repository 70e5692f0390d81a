#include "DateTimeFormats.h"

namespace {

// Format codes as they are, the literal texts quoted.
std::string Join(const std::string& A, const std::string& AK, const std::string& B, const std::string& BK,
                 const std::string& C, const std::string& CK)
{
    const auto quoted = [](const std::string& Text) { return '"' + Text + '"'; };
    return A + quoted(AK) + B + quoted(BK) + C + quoted(CK);
}

} // namespace

std::string DateFormatText(const TSettingsVars::TIME& Ime)
{
    return Join(Ime.Year, Ime.YearK, Ime.Month, Ime.MonthK, Ime.Day, Ime.DayK);
}

std::string TimeFormatText(const TSettingsVars::TIME& Ime)
{
    return Join(Ime.Hour, Ime.HourK, Ime.Min, Ime.MinK, Ime.Sec, Ime.SecK);
}
