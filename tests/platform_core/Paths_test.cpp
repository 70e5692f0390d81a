// The program folder rule and the file-name helpers.
#include "Paths.h"
#include "SjisLiteral.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <unistd.h>

namespace {

TEST(ProgramFolder, TheRule)
{
    const auto choose = [](std::string VelkHome, bool ExeFolderWritable, std::string XdgConfigHome) {
        return ChooseProgramFolder({VelkHome, "/opt/velk/bin", ExeFolderWritable, XdgConfigHome, "/home/u/"});
    };
    EXPECT_EQ(choose("", false, "/home/u/.cfg"), "/home/u/.cfg/velk2000/");
    EXPECT_EQ(choose("", true, "/home/u/.cfg"), "/opt/velk/bin/");
    EXPECT_EQ(choose("/tmp/velk-home/", true, ""), "/tmp/velk-home/");
    EXPECT_EQ(choose("", false, "relative/cfg"), "/home/u/.config/velk2000/"); // XDG counts only when absolute
}

// ProgramFolder() is decided once per process: each case runs in a child
// process, whose folder is not decided yet, and prints what it saw.
TEST(ProgramFolder, VelkHomeWinsIsMadeAbsoluteAndIsChosenOnce)
{
    TempDir home, other;
    EXPECT_EXIT(
        {
            setenv("VELK_HOME", home.Path().c_str(), 1);
            std::cerr << ProgramFolder() << ";" << ProgramBasePath() << ";";
            setenv("VELK_HOME", other.Path().c_str(), 1);
            std::cerr << ProgramFolder() << ";";
            std::exit(0);
        },
        testing::ExitedWithCode(0), home.Path() + ";" + home.Path() + "velk2000;" + home.Path() + ";");
    EXPECT_EXIT(
        {
            if (chdir(other.Path().c_str()) == 0) {
                setenv("VELK_HOME", "conf", 1);
                std::cerr << ProgramFolder() << ";"; // made absolute
            }
            std::exit(0);
        },
        testing::ExitedWithCode(0), other.Path() + "conf/;");
}

TEST(FileNames, PathNameExtensionAndDelimiters)
{
    const std::string japanese = Sjis("/文書/表ソ.vk2"); // trail bytes 0x5C inside
    const struct {
        std::string (*Function)(std::string_view);
        std::string Input, Expected;
        // clang-format off
    } cases[] = {
        {ExtractFilePath, "/a/b/c.txt", "/a/b/"},   {ExtractFilePath, "c.txt", ""},
        {ExtractFilePath, "/c", "/"},               {ExtractFilePath, japanese, Sjis("/文書/")},
        {ExtractFileName, "/a/b/c.txt", "c.txt"},   {ExtractFileName, "/a/b/", ""},
        {ExtractFileName, "c", "c"},                {ExtractFileName, japanese, Sjis("表ソ.vk2")},
        {ExtractFileExt, "/a/b/c.tar.vk2", ".vk2"}, {ExtractFileExt, "/a.d/file", ""},
        {ExtractFileExt, "/a/.profile", ""},        {ExtractFileExt, ".profile", ""},
        {ExtractFileExt, "name.", "."},             {ExtractFileExt, japanese, ".vk2"},
        {IncludeTrailingPathDelimiter, "/a", "/a/"}, {IncludeTrailingPathDelimiter, "/a/", "/a/"},
        {ExcludeTrailingPathDelimiter, "/a/", "/a"}, {ExcludeTrailingPathDelimiter, "/a", "/a"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.Function(c.Input), c.Expected) << c.Input;
}

} // namespace
