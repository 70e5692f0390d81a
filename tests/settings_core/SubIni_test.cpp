#include "SubIni.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(CommenterFor, TakesTheQuoteMarksFirstCharacterWhileCommentsAreOn)
{
    const struct {
        bool On;
        std::string Mark, Commenter;
    } cases[] = {
        {true, "> ", ">"}, {true, "#", "#"}, {false, "> ", "//"},
        {true, "\x81\x84 ", "\x81\x84 "}, // a mark starting double-byte is taken whole
        {true, "\xB1\xB2", "\xB1"},      // half-width katakana is single-byte
        {true, "", "//"},                // an empty mark once gave nothing
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommenterFor(c.On, c.Mark), c.Commenter) << c.Mark;
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
