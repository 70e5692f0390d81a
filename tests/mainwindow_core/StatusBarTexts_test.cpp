#include "StatusBarTexts.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(StatusBarTexts, PagePositionAndCaret)
{
    EXPECT_EQ(PagePositionText(2, 10), " [3/10]");
    EXPECT_EQ(PagePositionText(-1, 10), " [0/10]");
    // The same caret (column 4, row 2 counted from 0) in both counts.
    EXPECT_EQ(CaretPanelText(4, 2, true), "  5 : 3");
    EXPECT_EQ(CaretPanelText(4, 2, false), "  4 : 2");
    EXPECT_EQ(CaretPanelText(1234, 0, false), "1234 : 0");
}

TEST(StatusBarTexts, SizeKeepsEveryDigitWhereverTheLocalePutsItsSign)
{
    const struct {
        const char* Locale;
        double Value;
        const char* Expected;
    } cases[] = {
        {"ja_JP", 1234567, "1,234,567"},    // "￥1,234,567": no decimals, sign first
        {"en_US", 1234567, "1,234,567.00"}, // "$1,234,567.00"
        {"de_DE", 1234567, "1.234.567,00"}, // "1.234.567,00 €": sign after, with a blank
        {"de_CH", 1234567, "1’234’567.00"}, // "CHF 1’234’567.00": three letters
        {"fr_FR", 999, "999,00"},           {"ja_JP", 0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSizeText(c.Value, QLocale(c.Locale)), c.Expected) << c.Locale;
}

TEST(StatusBarTexts, TheWidestTextsHoldEightDigitCountsAndNineDigitSizes)
{
    EXPECT_EQ(WidestPanelText(0), " [99999999/99999999]");
    EXPECT_EQ(WidestPanelText(2), "Size = " + FormatSizeText(999999999));
    EXPECT_EQ(WidestPanelText(4), "9999 : 99999999");
    EXPECT_EQ(WidestPanelText(1), "");
}
