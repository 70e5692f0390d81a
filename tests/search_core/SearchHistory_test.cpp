// The history file: golden key order for each dialog, round trips, clamped
// counts, and the history list's order.
#include "IniFiles.h"
#include "SearchHistory.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string FileText(const std::string& Name)
{
    std::ifstream in(Name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

const TSearchHistory kSample = {.MatchCase = true,
                                .RegExp = true,
                                .FindList = 2,
                                .Mode = 2,
                                .FindHistory = {"  lead", "b"},
                                .ReplaceHistory = {"r"}};

TEST(SearchHistory, EachDialogWritesItsKeysInItsOrder)
{
    const TempDir dir;
    const std::string name = dir.Path() + "h.sch";
    struct Case {
        void (*Write)(TIniFile&, const TSearchHistory&);
        std::string Expected;
    };
    // clang-format off
    const Case cases[] = {
        {WriteSearchDialogHistory, "[Search]\r\nMatchCase=1\r\nWholeWord=0\r\nFuzzy=0\r\nRegExp=1\r\nStartPos=0\r\n"
                                   "WholeFile=0\r\nFindList=2\r\nCount=2\r\n0=\"  lead\"\r\n1=\"b\"\r\n"},
        {WriteReplaceDialogHistory, "[Search]\r\nMatchCase=1\r\nWholeWord=0\r\nRegExp=1\r\nFuzzy=0\r\nWholeFile=0\r\n"
                                    "StartPos=0\r\nCount=2\r\n0=\"  lead\"\r\n1=\"b\"\r\n\r\n[Replace]\r\nCount=1\r\n0=\"r\"\r\n"},
        {WriteFastReplaceDialogHistory, "[Search]\r\nMatchCase=1\r\nWholeWord=0\r\nRegExp=1\r\nCount=2\r\n0=\"  lead\"\r\n"
                                        "1=\"b\"\r\n\r\n[Replace]\r\nMode=2\r\nCount=1\r\n0=\"r\"\r\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::filesystem::remove(name);
        TIniFile file(name);
        c.Write(file, kSample);
        EXPECT_EQ(FileText(name), c.Expected);
        const TSearchHistory back = ReadSearchHistory(file);
        EXPECT_EQ(back.FindHistory, kSample.FindHistory) << "blanks survive the quotes";
        EXPECT_TRUE(back.MatchCase && back.RegExp);
    }
    // The fast replace erases nothing; the replace dialog drops
    // "FindList", which then reads as 1.
    TIniFile file(name);
    WriteSearchDialogHistory(file, kSample);
    WriteFastReplaceDialogHistory(file, kSample);
    EXPECT_EQ(ReadSearchHistory(file).FindList, 2);
    WriteReplaceDialogHistory(file, kSample);
    EXPECT_EQ(ReadSearchHistory(file).FindList, 1);
}

TEST(SearchHistory, DamagedCountsAndModesAreClamped)
{
    const TempDir dir;
    const std::string name = dir.Path() + "h.sch";
    {
        std::ofstream out(name, std::ios::binary);
        out << "[Search]\r\nCount=2000000000\r\n0=a\r\n31=z\r\n32=never\r\n[Replace]\r\nCount=-5\r\n0=r\r\nMode=7\r\n";
    }
    const TSearchHistory h = ReadSearchHistory(TIniFile(name));
    EXPECT_EQ(h.FindHistory, (std::vector<std::string>{"a", "z"}));
    EXPECT_TRUE(h.ReplaceHistory.empty());
    EXPECT_EQ(h.Mode, 0);
}

TEST(SearchHistory, ListKeepsTheNewestThirtyTwoOnce)
{
    std::vector<std::string> list;
    std::vector<std::string> expected = {"5"};
    for (int i = 0; i < 33; ++i) {
        AddHistoryEntry(list, std::to_string(i));
        if (i != 0 && i != 5)
            expected.insert(expected.begin() + 1, std::to_string(i));
    }
    AddHistoryEntry(list, "5");
    EXPECT_EQ(list, expected) << "the oldest gone, the entry entered again on top once";
}

TEST(SearchHistory, AnEntryTooLongToReadBackIsNotStored)
{
    const TempDir dir;
    TIniFile file(dir.Path() + "h.sch");
    TSearchHistory h;
    h.FindHistory = {std::string(3000, 'x'), "short"};
    WriteSearchDialogHistory(file, h);
    EXPECT_EQ(ReadSearchHistory(file).FindHistory, std::vector<std::string>{"short"});
}

} // namespace
