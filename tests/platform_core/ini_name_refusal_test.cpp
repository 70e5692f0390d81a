// Names the settings file cannot hold are refused before anything is
// written, with the reason; unusual names it can hold are found again.
#include "IniFiles.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct NameCase {
    std::string Section, Key;
};

TEST(IniNames, ThoseTheFileCannotHoldAreRefusedWithTheReason)
{
    const std::vector<std::pair<NameCase, std::string>> cases = {
        {{"a]b", "K"}, "\"]\""},
        {{" S", "K"}, "空白"},
        {{"S\t", "K"}, "空白"},
        {{"S\r\nT", "K"}, "改行"},
        {{"S\x81", "K"}, "２バイト"}, // the lone lead byte would swallow the "]"
        {{"S", "a=b"}, "\"=\""},
        {{"S", ";K"}, "\";\""},
        {{"S", "#K"}, "\";\""},
        {{"S", "[K"}, "\";\""},
        {{"S", "K "}, "空白"},
        {{"S", "K\n"}, "改行"},
    };
    TempDir dir;
    const std::string file = dir.File("velk2000.ini");
    TIniFile ini(file);
    for (const auto& [names, reason] : cases) {
        SCOPED_TRACE(names.Section + "/" + names.Key);
        try {
            ini.WriteString(names.Section, names.Key, "v");
            ADD_FAILURE() << "accepted";
        } catch (const EIniNameError& error) {
            EXPECT_NE(error.Message().find(reason), std::string::npos) << error.Message();
        }
    }
    EXPECT_EQ(ReadRaw(file), "<missing>");
}

TEST(IniNames, UnusualNamesTheFileCanHoldAreFoundAgainAndWrittenOnce)
{
    const std::vector<NameCase> cases = {
        {"", ""}, {"a b", "k]x"}, {"\x83\x5D", "a;b"}, {"[x", "k["}, {";S", "\x81\x3B"},
    };
    TempDir dir;
    const std::string file = dir.File("velk2000.ini");
    TIniFile ini(file);
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.Section + "/" + c.Key);
        ini.WriteString(c.Section, c.Key, "1");
        const std::string once = ReadRaw(file);
        ini.WriteString(c.Section, c.Key, "2");
        EXPECT_EQ(ini.ReadString(c.Section, c.Key, "missing"), "2");
        EXPECT_EQ(ReadRaw(file).size(), once.size());
    }
}

} // namespace
