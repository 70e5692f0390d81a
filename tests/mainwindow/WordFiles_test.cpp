// The edit modes' word lists reach the program folder on a fresh setup,
// and a list the user keeps is never replaced.
#include "EditModes.h"
#include "TempDir.h"
#include "WordFiles.h"

#include <gtest/gtest.h>

namespace {

bool EveryLineEndsWithCrLf(const std::string& Text)
{
    for (size_t lf = Text.find('\n'); lf != std::string::npos; lf = Text.find('\n', lf + 1))
        if (lf == 0 || Text[lf - 1] != '\r')
            return false;
    return Text.empty() || Text.ends_with("\r\n");
}

TEST(WordFiles, AFreshFolderGetsEveryListAndTheUsersOwnStays)
{
    TempDir home;
    const std::string folder = home.File("first run/");
    InstallWordFiles(folder);
    for (int mode = 0; mode < EditModeCount; ++mode) {
        const std::string name(EditModes()[mode].WordFile);
        if (!name.empty()) {
            EXPECT_TRUE(EveryLineEndsWithCrLf(ReadRaw(folder + name))) << name;
        }
    }
    EXPECT_NE(ReadRaw(folder + "C_CPlus.dat").find("\r\nint\r\n"), std::string::npos);
    EXPECT_NE(ReadRaw(folder + "Delphi.dat").find("\r\nbegin\r\n"), std::string::npos);
    EXPECT_NE(ReadRaw(folder + "VB.dat").find("\r\nDim\r\n"), std::string::npos);
    EXPECT_NE(ReadRaw(folder + "HSP.dat").find("\r\nmes\r\n"), std::string::npos);
    EXPECT_EQ(ReadRaw(folder + "rsv.dat"), "");

    WriteRaw(folder + "VB.dat", "mine\r\n");
    std::filesystem::remove(folder + "HSP.dat");
    InstallWordFiles(folder);
    EXPECT_EQ(ReadRaw(folder + "VB.dat"), "mine\r\n");
    EXPECT_NE(ReadRaw(folder + "HSP.dat"), "<missing>");
}

} // namespace
