// The settings and key files under the conditions a user's machine brings:
// several instances saving at once, and files that hold anything at all.
#include "SubKeyIni.h"

#include "Files.h"
#include "IniFiles.h"
#include "SettingsTestSupport.h"
#include "Strings.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <random>

namespace {

constexpr int KeysPerProcess = 200;
constexpr int KeysPerBatch = 10;

std::string KeyName(char Process, int Index) { return Format("%c%03d", Process, Index); }
std::string Value(char Process, int Index) { return Format("value of %c %d", Process, Index); }

// Commits KeysPerProcess keys into [Shared], one batch of KeysPerBatch
// keys per opening of the file, as each save of an instance does.
void CommitKeys(const std::string& FileName, char Process)
{
    for (int first = 0; first < KeysPerProcess; first += KeysPerBatch) {
        TIniFile ini(FileName);
        ini.BeginUpdate();
        for (int i = first; i < first + KeysPerBatch; ++i)
            ini.WriteString("Shared", KeyName(Process, i), Value(Process, i));
        ini.EndUpdate();
    }
}

TEST(SettingsFileRobustness, TwoProcessesCommittingAtOnceLoseNoKey)
{
    const TTempFolder folder;
    const std::string path = folder.File("velk2000.ini");
    WriteFileAtomic(path, "[Form]\r\nLeft=10\r\n");

    // Both writers start together once the pipe closes.
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> children;
    for (char process : {'A', 'B'}) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            close(start[1]);
            char byte;
            (void)!read(start[0], &byte, 1);
            int code = 0;
            try {
                CommitKeys(path, process);
            } catch (...) {
                code = 1;
            }
            _exit(code);
        }
        children.push_back(child);
    }
    close(start[0]);
    close(start[1]);
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }

    const TIniFile ini(path);
    TStringList sections, keys;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.Text(), "Form\r\nShared\r\n");
    EXPECT_EQ(ini.ReadInteger("Form", "Left", -1), 10);
    ini.ReadSection("Shared", keys);
    EXPECT_EQ(keys.Count(), 2 * KeysPerProcess);
    for (char process : {'A', 'B'})
        for (int i = 0; i < KeysPerProcess; ++i)
            EXPECT_EQ(ini.ReadString("Shared", KeyName(process, i), ""), Value(process, i));

    // Every line is empty, a section header or a key, and ends in CR LF.
    const std::string text = ReadFileBytes(path);
    ASSERT_TRUE(text.ends_with("\r\n"));
    size_t keyLines = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        const std::string_view line(text.data() + start, end - start);
        const bool isKey = line.find('=') != line.npos;
        EXPECT_TRUE(line.empty() || (line.starts_with('[') && line.ends_with(']')) || isKey) << line;
        keyLines += isKey;
        start = end + 2;
    }
    EXPECT_EQ(keyLines, 1 + 2 * KeysPerProcess);
}

std::string RandomBytes(size_t Size)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(Size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(random));
    return bytes;
}

class NoiseFile : public ::testing::Test {
protected:
    void SetUp() override { WriteFileAtomic(Path, Noise); }

    const std::string Noise = RandomBytes(1 << 20);
    TTempFolder Folder;
    const std::string Path = Folder.File("noise.ini");
};

// Reading noise as the settings file, the way the settings reader walks it,
// then saving: the reader survives and the save keeps every byte it found.
TEST_F(NoiseFile, ReadAsTheSettingsFileAndSavedOver)
{
    {
        const TIniFile ini(Path);
        TStringList sections, values;
        ini.ReadSections(sections);
        for (int i = 0; i < sections.Count(); ++i) {
            ini.ReadSectionValues(sections.Strings(i), values);
            for (int k = 0; k < values.Count(); ++k) {
                const std::string line = values.Strings(k);
                const std::string key = line.substr(0, line.find('='));
                ini.ReadInteger(sections.Strings(i), key, -1);
                ini.ReadString(sections.Strings(i), key, "");
            }
        }
        EXPECT_EQ(ini.ReadInteger("Options", "AutoSaveTime", -1), -1);
    }
    {
        TIniFile ini(Path);
        ini.BeginUpdate();
        ini.EraseSection("Options");
        ini.WriteInteger("Options", "AutoSaveTime", 600000);
        ini.WriteString("Options", "QMark", "\"> \"");
        ini.EndUpdate();
    }
    const std::string after = ReadFileBytes(Path);
    EXPECT_TRUE(after.starts_with(Noise));
    const TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("Options", "AutoSaveTime", -1), 600000);
    EXPECT_EQ(ini.ReadString("Options", "QMark", ""), "> ");
}

TEST_F(NoiseFile, ReadAsTheKeyFileAndSavedOver)
{
    TMenuItems items;
    LoadKeyIni(items, Path);
    EXPECT_EQ(items.ShortCut("FlNew"), scCtrl | 'N');

    items.SetShortCut("FlNew", scCtrl | 'Q');
    SaveKeyIni(items, Path);
    EXPECT_TRUE(ReadFileBytes(Path).starts_with(Noise));

    TMenuItems restarted;
    LoadKeyIni(restarted, Path);
    EXPECT_EQ(restarted.Items(), items.Items());
}

} // namespace
