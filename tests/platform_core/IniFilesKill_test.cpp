// A process killed at any moment of a settings write leaves the old file or
// the new one, whole, and no temporary file that outlives the next write.
#include "ChildProcess.h"
#include "IniFiles.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kKeys = 20;

std::string BatchText(const std::string& Generation)
{
    std::string text = "[Batch]\r\n";
    for (int i = 0; i < kKeys; ++i)
        text += "K" + std::to_string(i) + "=" + Generation + "\r\n";
    return text;
}

// The names in Folder other than the settings file.
std::vector<std::string> Others(const TempDir& Folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder.Path())) {
        const std::string name = entry.path().filename().string();
        if (name != "velk2000.ini")
            names.push_back(name);
    }
    return names;
}

void CommitBatch(TIniFile& Ini, int Generation)
{
    Ini.BeginUpdate();
    for (int i = 0; i < kKeys; ++i)
        Ini.WriteInteger("Batch", "K" + std::to_string(i), Generation);
    Ini.EndUpdate();
}

pid_t StartCommitting(const std::string& File)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    try {
        TIniFile ini(File);
        for (int generation = 1;; ++generation)
            CommitBatch(ini, generation);
    } catch (...) {
    }
    _exit(1);
}

TEST(IniKill, AKilledWriterLeavesAWholeFileAndNothingThatOutlivesTheNextWrite)
{
    TempDir dir;
    const std::string file = dir.File("velk2000.ini");
    std::mt19937 random(77);
    for (int kill = 0; kill < 100; ++kill) {
        SCOPED_TRACE(kill);
        const pid_t child = StartCommitting(file);
        ASSERT_GT(child, 0);
        // Killed amid its commits: after its first, at a random moment.
        while (TIniFile(file).ReadInteger("Batch", "K0", 0) <= 0)
            ASSERT_EQ(waitpid(child, nullptr, WNOHANG), 0) << "the writer stopped by itself";
        usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";

        const std::string text = ReadRaw(file);
        EXPECT_EQ(text, BatchText(TIniFile(file).ReadString("Batch", "K0", "?")));
        // The only thing a kill may leave is the named temporary file of a
        // writer killed between naming it and renaming it; the next write
        // removes it.
        for (const std::string& name : Others(dir))
            EXPECT_EQ(name.rfind(".velk2000.ini.~" + std::to_string(child) + "~", 0), 0u) << name;
        TIniFile next(file);
        CommitBatch(next, -1 - kill);
        EXPECT_TRUE(Others(dir).empty());
    }
}

TEST(IniKill, TheNextWriteRemovesOnlyTheTemporaryFilesOfDeadProcesses)
{
    TempDir dir;
    const pid_t dead = EndedProcessId();
    const std::vector<std::string> left = {
        ".velk2000.ini.~" + std::to_string(dead) + "~a1B2c3",
    };
    const std::vector<std::string> kept = {
        ".velk2000.ini.~" + std::to_string(getpid()) + "~a1B2c3", // a live writer's
        ".velk2000.ini.~" + std::to_string(dead) + "~a1B2",       // not a temporary name
        ".other.ini.~" + std::to_string(dead) + "~a1B2c3",
        ".velk2000.ini.a1B2c3",
    };
    for (const auto& names : {left, kept})
        for (const std::string& name : names)
            WriteRaw(dir.File(name), "x");
    TIniFile(dir.File("velk2000.ini")).WriteString("S", "K", "v");
    for (const std::string& name : left)
        EXPECT_FALSE(fs::exists(dir.File(name))) << name;
    for (const std::string& name : kept)
        EXPECT_TRUE(fs::exists(dir.File(name))) << name;
}

} // namespace
