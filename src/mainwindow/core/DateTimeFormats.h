// The date and time insertion formats built from the [IME] settings.
#pragma once

#include "SubIni.h"

#include <string>

// Year, YearK, Month, MonthK, Day, DayK joined, each of the K texts between
// double quotes so the formatter copies it: yyyy"年"mm"月"dd"日".
// Shift-JIS, like the settings.
std::string DateFormatText(const TSettingsVars::TIME& Ime);
// The same from Hour, HourK, Min, MinK, Sec, SecK.
std::string TimeFormatText(const TSettingsVars::TIME& Ime);
