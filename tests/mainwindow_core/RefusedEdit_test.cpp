// An edit the page refused is kept in a file no later refusal replaces.
#include "RefusedEdit.h"

#include "SysUtils.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

std::time_t LocalTime(int Year, int Month, int Day, int Hour, int Minute, int Second)
{
    std::tm local{};
    local.tm_year = Year - 1900;
    local.tm_mon = Month - 1;
    local.tm_mday = Day;
    local.tm_hour = Hour;
    local.tm_min = Minute;
    local.tm_sec = Second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

TEST(RefusedEdit, EachRefusalKeepsAFileOfItsOwnInAFolderMadeForIt)
{
    TempDir dir;
    const std::string folder = dir.File("Temp/");
    const std::time_t when = LocalTime(2024, 3, 9, 7, 5, 1);
    EXPECT_EQ(KeepRefusedEdit("first\xFF", folder, ".txt", when), folder + "edit-20240309-070501.txt");
    EXPECT_EQ(KeepRefusedEdit("second", folder, ".txt", when), folder + "edit-20240309-070501-2.txt");
    EXPECT_EQ(KeepRefusedEdit("third", folder, ".txt", when), folder + "edit-20240309-070501-3.txt");
    EXPECT_EQ(KeepRefusedEdit("user", folder, ".", when + 60), folder + "edit-20240309-070601.");
    EXPECT_EQ(ReadRaw(folder + "edit-20240309-070501.txt"), "first\xFF");
    EXPECT_EQ(ReadRaw(folder + "edit-20240309-070501-2.txt"), "second");
    EXPECT_EQ(ReadRaw(folder + "edit-20240309-070501-3.txt"), "third");
}

TEST(RefusedEdit, AFolderThatCannotBeMadeIsToldAndLeavesNothing)
{
    TempDir dir;
    WriteRaw(dir.File("Temp"), "a file where the folder belongs");
    try {
        KeepRefusedEdit("x", dir.File("Temp/"), ".txt", 0);
        FAIL() << "kept in a file";
    } catch (const EFCreateError& E) {
        EXPECT_EQ(E.Message().find(dir.File("Temp/edit-")), 0u) << E.Message();
    }
    EXPECT_EQ(ReadRaw(dir.File("Temp")), "a file where the folder belongs");
}

} // namespace
