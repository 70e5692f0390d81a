#include "SubIni.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

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
    const TempDir home;
    setenv("VELK_HOME", home.Path().c_str(), 1);
    EXPECT_EQ(SettingsFilePath(), home.Path() + "velk2000.ini");
    EXPECT_EQ(KeyFilePath(), home.Path() + "velk2000Key.ini");
    EXPECT_EQ(HistoryFilePath(), home.Path() + "velk2000.sch");
    EXPECT_EQ(BackupFolderDefault(), home.Path() + "Temp");
}

} // namespace
