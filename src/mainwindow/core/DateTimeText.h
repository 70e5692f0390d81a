// The text the date and time commands insert, built from the [IME]
// settings: each number part is a format code ("yyyy", "m", ...), each
// suffix literal text copied as it is, whatever characters it holds.
#pragma once

#include "SubIni.h"

#include <string>
#include <string_view>
#include <vector>

// A moment in local time. DayOfWeek: 0 Sunday .. 6 Saturday.
struct TDateTimeParts {
    int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0, DayOfWeek = 6;
};

// The local time now.
TDateTimeParts CurrentDateTimeParts();

// One piece of a format: a code to fill in, or text to copy.
struct TFormatToken {
    bool IsCode = false;
    std::string Text; // Shift-JIS
};
using TFormatTokens = std::vector<TFormatToken>;

// Year, YearK, Month, MonthK, Day, DayK, then with Youbi the short day of
// the week between full-width parentheses.
TFormatTokens DateTokens(const TSettingsVars::TIME& Ime);
// Hour, HourK, Min, MinK, Sec, SecK.
TFormatTokens TimeTokens(const TSettingsVars::TIME& Ime);

// Codes: yyyy and yy (the year in four or two digits), mm and m (month),
// dd and d (day), hh and h (hour, 0-23), nn and n (minute), ss and s
// (second): the doubled codes with a leading zero; aaa the day of the week
// in Japanese ("火"). Any other code is copied as text.
std::string FormatDateTime(const TFormatTokens& Format, const TDateTimeParts& When);

enum class TDateTimeInsertion { Date, Time, DateTime };

// What the command inserts: the date, the time, or both with a blank
// between them. Enter ends the insertion with one CR LF; ZenDate makes the
// date's digits and ", . :" full-width (and with the date and time, both
// halves), ZenTime the time's.
std::string DateTimeInsertionText(TDateTimeInsertion Kind, const TSettingsVars::TIME& Ime, const TDateTimeParts& When);

// What a code box of the date and time dialog accepts: nothing, its long
// code ("yyyy", "mm", "dd", "hh", "nn", "ss") or the short one ("yy", "m",
// ...), in lower case.
bool DateCodeAllowed(std::string_view LongCode, std::string_view Text);
