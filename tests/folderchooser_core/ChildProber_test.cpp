#include "ChildProber.h"
#include "ShellFolder.h"
#include "TempNamespace.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(ChildProber, ReadsAChildAgainOnlyWhenItsFolderChanged)
{
    TTempNamespace temp;
    const std::string empty = temp.MakeDirs("home/Desktop/empty");
    temp.MakeDirs("home/Desktop/full/sub");
    std::filesystem::create_directory_symlink(temp.Root + "/home/Desktop/full", temp.Root + "/home/Desktop/link");
    WriteRaw(temp.Root + "/home/Desktop/file", "x");
    const auto ns = temp.Make();
    TChildProber prober(*ns->Desktop());

    TProbeStamp stamps[5];
    EXPECT_EQ(prober.Probe("empty", stamps[0]), 0u);
    EXPECT_EQ(prober.Probe("full", stamps[1]), SFGAO_HASSUBFOLDER);
    EXPECT_EQ(prober.Probe("link", stamps[2]), SFGAO_HASSUBFOLDER | SFGAO_LINK);
    EXPECT_EQ(prober.Probe("file", stamps[3]), 0u);
    EXPECT_EQ(prober.Probe("missing", stamps[4]), 0u);
    // Folders made a moment ago are never trusted: a change in the same
    // clock tick would not show in their times.
    EXPECT_FALSE(stamps[0].Trusted);

    // A trusted stamp that still matches the folder is believed ...
    TProbeStamp& stamp = stamps[0];
    stamp.Trusted = true;
    stamp.HasSubFolder = true;
    EXPECT_EQ(prober.Probe("empty", stamp), SFGAO_HASSUBFOLDER);
    // ... and the folder is read again as soon as its times move.
    const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, empty.c_str(), past, 0), 0);
    EXPECT_EQ(prober.Probe("empty", stamp), 0u);
}

} // namespace
