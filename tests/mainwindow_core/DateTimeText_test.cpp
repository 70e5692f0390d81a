#include "DateTimeText.h"

#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

// Tuesday 5 March 2024, 07:08:09.
constexpr TDateTimeParts Moment{2024, 3, 5, 7, 8, 9, 2};

TSettingsVars::TIME JapaneseForms()
{
    return {"yyyy", Sjis("年"), "mm", Sjis("月"), "dd", Sjis("日"),
            "hh",   Sjis("時"), "nn", Sjis("分"), "ss", Sjis("秒")};
}

} // namespace

TEST(DateTimeText, InsertionsFollowTheSettings)
{
    const auto with = [](auto Change) {
        TSettingsVars::TIME ime = JapaneseForms();
        Change(ime);
        return ime;
    };
    using K = TDateTimeInsertion;
    const struct {
        K Kind;
        TSettingsVars::TIME Ime;
        const char* Expected; // UTF-8
        // clang-format off
    } cases[] = {
        {K::Date, JapaneseForms(), "2024年03月05日"},
        {K::Time, JapaneseForms(), "07時08分09秒"},
        {K::Date, with([](auto& i) { i.Youbi = true; }), "2024年03月05日（火）"},
        {K::Date, with([](auto& i) { i.Enter = true; }), "2024年03月05日\r\n"},
        // One line break, after the time.
        {K::DateTime, with([](auto& i) { i.Enter = true; }), "2024年03月05日 07時08分09秒\r\n"},
        // The date's setting widens both halves; the time's is not asked.
        {K::DateTime, with([](auto& i) { i.ZenDate = true; }), "２０２４年０３月０５日 ０７時０８分０９秒"},
        {K::DateTime, with([](auto& i) { i.ZenTime = true; }), "2024年03月05日 07時08分09秒"},
        {K::Time, with([](auto& i) { i.ZenTime = true; }), "０７時０８分０９秒"},
        {K::Date, with([](auto& i) { i.Year = "yy"; i.Month = "m"; i.Day = "d"; }), "24年3月5日"},
        {K::Time, with([](auto& i) { i.Hour = "h"; i.Min = ""; i.Sec = "s"; }), "7時分9秒"},
        // Suffixes are text, even with quotes and letters that are codes.
        {K::Date, with([](auto& i) { i.YearK = "\"/"; i.MonthK = "mm"; i.DayK = "\"aaa\""; }),
         "2024\"/03mm05\"aaa\""},
        {K::Time, with([](auto& i) { i.HourK = ":"; i.MinK = ":"; i.SecK = ""; i.ZenTime = true; }), "０７：０８：０９"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(SjisToUtf8(DateTimeInsertionText(c.Kind, c.Ime, Moment)), c.Expected) << c.Expected;
}

TEST(DateTimeText, CodeBoxesTakeTheLongOrShortCodeOrNothing)
{
    const struct {
        const char* Long;
        const char* Text;
        bool Allowed;
    } cases[] = {{"mm", "m", true},    {"mm", "mm", true},   {"mm", "M", false},   {"mm", "", true},
                 {"yyyy", "yy", true}, {"yyyy", "y", false}, {"ss", "sss", false}, {"nn", "n", true}};
    for (const auto& c : cases)
        EXPECT_EQ(DateCodeAllowed(c.Long, c.Text), c.Allowed) << c.Long << " " << c.Text;
}
