#include "SubIni.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(SettingsVars, StartEmptyAndResetAsAWhole)
{
    EXPECT_EQ(SettingsVars, TSettingsVars{});

    // One variable of each kind and nesting, by the names other code uses.
    SettingsVars.Options.Exit = true;
    SettingsVars.AutoSave = true;
    SettingsVars.AutoSaveTime = 600000;
    SettingsVars.QMark = "> ";
    SettingsVars.Colors.Back = clWhite;
    SettingsVars.CommentBold = true;
    SettingsVars.IME.Year = "yyyy";
    SettingsVars.IME.Enter = true;
    SettingsVars.Seikei.Width = "72";
    SettingsVars.InsZenSpc.width = 3;
    SettingsVars.LineNumber.Mode = 1;
    SettingsVars.PageCursor.Mode = true;
    SettingsVars.APoFile.TextToPage = "x";
    SettingsVars.Options.TextToPage = true;
    SettingsVars.SubIcon.AltSubIcon = true;
    EXPECT_NE(SettingsVars, TSettingsVars{});

    SettingsVars = {};
    EXPECT_EQ(SettingsVars, TSettingsVars{});
    EXPECT_FALSE(SettingsVars.Options.Exit);
    EXPECT_EQ(SettingsVars.AutoSaveTime, 0);
    EXPECT_TRUE(SettingsVars.QMark.empty());
}

TEST(CommenterFor, TakesTheQuoteMarksFirstCharacterWhileCommentsAreOn)
{
    EXPECT_EQ(CommenterFor(true, "> "), ">");
    EXPECT_EQ(CommenterFor(true, "#"), "#");
    EXPECT_EQ(CommenterFor(false, "> "), "//");
}

TEST(CommenterFor, TakesAQuoteMarkThatStartsWithADoubleByteCharacterWhole)
{
    const std::string mark = "\x81\x84 "; // "＞ "
    EXPECT_EQ(CommenterFor(true, mark), mark);
    // A half-width katakana byte is a single-byte character.
    EXPECT_EQ(CommenterFor(true, "\xB1\xB2"), "\xB1");
}

TEST(CommenterFor, AnEmptyQuoteMarkGivesTheSlashes)
{
    EXPECT_EQ(CommenterFor(true, ""), "//");
}

TEST(SettingsPaths, NameTheFilesBesideTheProgram)
{
    const TTempFolder home;
    setenv("VELK_HOME", home.Path().c_str(), 1);
    EXPECT_EQ(SettingsFilePath(), home.Path() + "velk2000.ini");
    EXPECT_EQ(KeyFilePath(), home.Path() + "velk2000Key.ini");
    EXPECT_EQ(HistoryFilePath(), home.Path() + "velk2000.sch");
    EXPECT_EQ(BackupFolderDefault(), home.Path() + "Temp");
}

} // namespace
