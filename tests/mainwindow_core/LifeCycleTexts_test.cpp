#include "AutoSave.h"
#include "CommentMarker.h"
#include "DateTimeFormats.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

TEST(LifeCycleTexts, DateAndTimeFormatsQuoteTheLiterals)
{
    TSettingsVars::TIME ime{"yyyy", Sjis("年"), "mm", Sjis("月"), "dd", Sjis("日"), "hh", ":", "nn", "", "ss", ""};
    EXPECT_EQ(DateFormatText(ime), Sjis("yyyy\"年\"mm\"月\"dd\"日\""));
    EXPECT_EQ(TimeFormatText(ime), "hh\":\"nn\"\"ss\"\"");
}

TEST(LifeCycleTexts, CommentMarkerByMode)
{
    const std::string mark = Sjis("＃");
    EXPECT_EQ(CommentMarker(0, true, ">x"), ">");
    EXPECT_EQ(CommentMarker(2, true, mark), mark);
    EXPECT_EQ(CommentMarker(6, true, ""), "//");
    EXPECT_EQ(CommentMarker(0, false, ">"), "//");
    EXPECT_EQ(CommentMarker(1, true, ">"), "//"); // Delphi and C/C++ keep their own
    EXPECT_EQ(CommentMarker(3, true, ">"), "//");
    EXPECT_EQ(CommentMarker(4, false, ">"), "'");
}

TEST(LifeCycleTexts, AutoSave)
{
    EXPECT_EQ(AutoSaveInterval(600000), 600000);
    EXPECT_EQ(AutoSaveInterval(0), std::nullopt);
    EXPECT_EQ(AutoSaveInterval(-5), std::nullopt);
    EXPECT_TRUE(AutoSaveDue({true, true, false, false}));
    EXPECT_FALSE(AutoSaveDue({true, false, false, false})); // unnamed
    EXPECT_FALSE(AutoSaveDue({true, true, true, false}));   // "NewFile"
    EXPECT_FALSE(AutoSaveDue({false, true, false, false})); // off
    EXPECT_FALSE(AutoSaveDue({true, true, false, true}));   // its box still open
}
