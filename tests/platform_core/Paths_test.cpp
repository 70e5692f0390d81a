// The program folder rule and the file-name helpers.
#include "Paths.h"
#include "SjisLiteral.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sys/wait.h>
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

// Runs Body in a child process, whose ProgramFolder() has not been decided
// yet, and returns what it printed.
std::string InChild(const std::function<std::string()>& Body)
{
    int out[2];
    if (pipe(out) != 0)
        return "<pipe>";
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        const std::string result = Body();
        const bool written = write(out[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
        _exit(written ? 0 : 1);
    }
    close(out[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return result;
}

TEST(ProgramFolder, VelkHomeWinsIsMadeAbsoluteAndIsChosenOnce)
{
    TempDir home, other;
    const std::string seen = InChild([&] {
        setenv("VELK_HOME", home.Path().c_str(), 1);
        const std::string first = ProgramFolder() + "|" + ProgramBasePath();
        setenv("VELK_HOME", other.Path().c_str(), 1);
        return first + "|" + ProgramFolder();
    });
    EXPECT_EQ(seen, home.Path() + "|" + home.Path() + "velk2000|" + home.Path());
    const std::string relative = InChild([&] {
        if (chdir(other.Path().c_str()) != 0)
            return std::string("<chdir>");
        setenv("VELK_HOME", "conf", 1);
        return ProgramFolder();
    });
    EXPECT_EQ(relative, other.Path() + "conf/"); // made absolute
}

TEST(FileNames, PathNameExtensionAndDelimiters)
{
    const std::string japanese = Sjis("/文書/表ソ.vk2"); // trail bytes 0x5C inside
    const struct {
        std::string (*Function)(std::string_view);
        std::string Input, Expected;
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
    for (const auto& c : cases)
        EXPECT_EQ(c.Function(c.Input), c.Expected) << c.Input;
}

} // namespace
