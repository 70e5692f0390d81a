// The private-profile rules of TIniFile, one group per rule: how names are
// matched, how values are read and written, and where changes land.
#include "IniFiles.h"
#include "SjisLiteral.h"
#include "Strings.h"
#include "SysErrorText.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <vector>

namespace {

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

class IniRules : public testing::Test {
protected:
    // A settings file holding Content.
    TIniFile& FileWith(std::string_view Content)
    {
        WriteRaw(Name_, Content);
        return Ini_;
    }
    std::string Bytes() const { return ReadRaw(Name_); }
    std::string Read(std::string_view Value)
    {
        FileWith("[S]\r\nK=" + std::string(Value) + "\r\n");
        return Ini_.ReadString("S", "K", "<default>");
    }
    int32_t ReadInt(std::string_view Value, int32_t Default = -99)
    {
        FileWith("[S]\r\nK=" + std::string(Value) + "\r\n");
        return Ini_.ReadInteger("S", "K", Default);
    }

    TempDir Dir_;
    std::string Name_ = Dir_.File("velk2000.ini");
    TIniFile Ini_{Name_};
};

TEST_F(IniRules, ShiftJisBytesAreNeverTranscoded)
{
    // 表 (95 5C) ends in a backslash, ソ (83 5C) too; ‐ (81 5D) ends in "]".
    const std::string caption = Sjis("なし表ソ");
    const std::string section = Sjis("章‐節");
    Ini_.WriteString(section, "Caption", caption);
    EXPECT_EQ(Bytes(), "[" + section + "]\r\nCaption=" + caption + "\r\n");
    EXPECT_EQ(Ini_.ReadString(section, "Caption", ""), caption);
    TStringList sections;
    Ini_.ReadSections(sections);
    EXPECT_EQ(sections.Text(), section + "\r\n");
}

TEST_F(IniRules, BareLineFeedsAreReadAndKept)
{
    FileWith("[A]\nX=1\nY=2\n[B]\nZ=3");
    EXPECT_EQ(Ini_.ReadInteger("A", "Y", 0), 2);
    EXPECT_EQ(Ini_.ReadInteger("B", "Z", 0), 3);
    Ini_.WriteInteger("A", "W", 4);
    // Written lines end in CR LF; the others keep their bytes. The last
    // line gets the break it lacked only when something follows it.
    EXPECT_EQ(Bytes(), "[A]\nX=1\nY=2\nW=4\r\n[B]\nZ=3");
    Ini_.WriteInteger("B", "V", 5);
    EXPECT_EQ(Bytes(), "[A]\nX=1\nY=2\nW=4\r\n[B]\nZ=3\r\nV=5\r\n");
}

TEST_F(IniRules, NamesMatchWithoutAsciiCaseButTrailBytesStayAsTheyAre)
{
    FileWith("[options]\r\nautosave=1\r\nfilenew=Ctrl+N\r\n[ Spaced ]\r\n\t Key \t= v\r\n");
    EXPECT_EQ(Ini_.ReadInteger("Options", "AutoSave", 0), 1);
    EXPECT_EQ(Ini_.ReadString("OPTIONS", "FileNew", ""), "Ctrl+N");
    EXPECT_EQ(Ini_.ReadString("Spaced", "key", ""), "v");
    EXPECT_TRUE(Ini_.SectionExists("SPACED"));
    EXPECT_TRUE(Ini_.ValueExists("options", "AUTOSAVE"));
    // Folding never touches trail bytes: ア is 83 41 and ヂ is 83 61.
    const std::string a = Sjis("ア"), di = Sjis("ヂ");
    FileWith("[" + a + "]\r\n" + a + "=1\r\n");
    EXPECT_TRUE(Ini_.SectionExists(a));
    EXPECT_FALSE(Ini_.SectionExists(di));
    EXPECT_EQ(Ini_.ReadInteger(a, di, -1), -1);
    Ini_.WriteInteger(a, di, 2);
    EXPECT_EQ(Ini_.ReadInteger(a, a, -1), 1);
    EXPECT_EQ(Ini_.ReadInteger(a, di, -1), 2);
}

TEST_F(IniRules, StringValuesAreTrimmedAndLoseOnePairOfQuotes)
{
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"  \"> \"  ", "> "}, {"\t'a b'\t", "a b"},          {"'x\"", "'x\""},   {"\"\"", ""},
        {"\"", "\""},         {"\"\"a\"\"", "\"a\""}, {"  in  side  ", "in  side"}, {"a=b", "a=b"},
        {"", ""}, {"   ", ""}, // present but empty: not the default
    };
    // clang-format on
    for (const auto& [stored, read] : cases)
        EXPECT_EQ(Read(stored), read) << stored;
    EXPECT_TRUE(Ini_.ValueExists("S", "K"));
}

TEST_F(IniRules, ValuesAreCutAt2047BytesWithoutSplittingACharacter)
{
    EXPECT_EQ(Read(std::string(2100, 'v')), std::string(2047, 'v'));
    // Byte 2,047 is the lead of 亜 (88 9F, whose trail also looks like a
    // lead byte), so the value ends at 2,046.
    std::string kanji;
    while (kanji.size() < 2100)
        kanji += Sjis("亜");
    EXPECT_TRUE(Read(kanji) == kanji.substr(0, 2046));
    // One byte earlier, byte 2,047 is a trail byte and stays.
    EXPECT_TRUE(Read("a" + kanji) == ("a" + kanji).substr(0, 2047));
    // Quotation marks go before the cut.
    EXPECT_EQ(Read("\"" + std::string(2047, 'q') + "\""), std::string(2047, 'q'));
}

TEST_F(IniRules, IntegersReadDecimalAndHexOrGiveTheDefault)
{
    // clang-format off
    const std::pair<const char*, int32_t> cases[] = {
        {"0x1F", 31}, {"0X1f", 31}, {"$1F", 31}, {"+7", 7}, {"-7", -7}, {"007", 7}, {" 42 ", 42}, {"\"12\"", 12},
        {"-1", -1}, // a stored -1 reads as -1, which callers treat as absent
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1}, {"$80000000", INT32_MIN},
        {"-$10", -16},
    };
    // clang-format on
    for (const auto& [stored, value] : cases)
        EXPECT_EQ(ReadInt(stored), value) << stored;
    for (const char* bad : {"", "12abc", "1.5", "0x", "$", "-", "+", "4294967296", "2147483648", "-2147483649",
                            "$123456789", "0x123456789", "$G", "1 2", "x10", "true"})
        EXPECT_EQ(ReadInt(bad), -99) << "\"" << bad << "\"";
    EXPECT_EQ(Ini_.ReadInteger("S", "Absent", 3), 3);
}

TEST_F(IniRules, BooleansReadAsNonZeroIntegers)
{
    FileWith("[B]\r\nTwo=2\r\nMinus=-1\r\nZero=0\r\nWord=true\r\n");
    // Not a number, or no value: the default decides.
    std::string read;
    for (const char* key : {"Two", "Minus", "Zero", "Word", "Absent"})
        read += std::to_string(Ini_.ReadBool("B", key, false)) + std::to_string(Ini_.ReadBool("B", key, true)) + " ";
    EXPECT_EQ(read, "11 11 00 01 01 ");
}

TEST_F(IniRules, ValuesAreWrittenRawInDecimalWithLineBreaksAsBlanks)
{
    Ini_.WriteInteger("S", "Min", INT32_MIN);
    Ini_.WriteBool("S", "Yes", true);
    Ini_.WriteBool("S", "No", false);
    Ini_.WriteString("S", "Padded", "  x  ");
    Ini_.WriteString("S", "Quoted", "\" y \"");
    Ini_.WriteString("S", "Broken", "one\r\ntwo\nthree\r");
    Ini_.WriteString("S", "After", "z");
    EXPECT_EQ(Bytes(), "[S]\r\nMin=-2147483648\r\nYes=1\r\nNo=0\r\nPadded=  x  \r\nQuoted=\" y \"\r\n"
                       "Broken=one  two three \r\nAfter=z\r\n");
    EXPECT_EQ(Ini_.ReadString("S", "Quoted", ""), " y ");
    EXPECT_EQ(Ini_.ReadString("S", "After", ""), "z");
}

// Where a change lands in the file; everything else keeps its bytes.
TEST_F(IniRules, ChangesLandWhereTheyBelong)
{
    // Ends without a line break.
    const std::string foreign = "[History]\r\nF0=" + Sjis("日本語.vk2")
                                + "\r\n# hash comment\r\n; comment with = sign\r\nline without equals\r\n   \t\r\n"
                                  "Unknown =  spaced value  \n[ToolbarFile]\r\nVisible=1";
    const struct {
        const char* Name;
        std::string Before;
        std::function<void(TIniFile&)> Change;
        std::string After;
    } cases[] = {
        {"a write replaces the first occurrence where it stands", "; head\r\n[S]\r\nA = 1\r\nB=2\r\nA=3\r\n",
         [](TIniFile& I) { I.WriteInteger("S", "a", 9); }, "; head\r\n[S]\r\nA=9\r\nB=2\r\nA=3\r\n"},
        {"a new key goes after the last key line of its section", "[S]\r\nA=1\r\n; note\r\n\r\n[T]\r\nB=2\r\n",
         [](TIniFile& I) { I.WriteInteger("S", "C", 3); }, "[S]\r\nA=1\r\nC=3\r\n; note\r\n\r\n[T]\r\nB=2\r\n"},
        {"a new key in an empty section", "[Empty]\r\n\r\n[T]\r\n",
         [](TIniFile& I) { I.WriteInteger("Empty", "K", 1); }, "[Empty]\r\nK=1\r\n\r\n[T]\r\n"},
        {"a new section goes at the end; what the program does not know keeps its bytes",
         "junk before any section\r\n[Options]\r\nA=1\r\n" + foreign,
         [](TIniFile& I) {
             I.EraseSection("Options");
             I.WriteInteger("Options", "A", 2);
             I.WriteInteger("Options", "B", 3);
         },
         "junk before any section\r\n" + foreign + "\r\n\r\n[Options]\r\nA=2\r\nB=3\r\n"},
        {"erase removes every section of that name",
         "top\r\n[A]\r\nX=1\r\n; a comment of A\r\n[B]\r\nY=2\r\n[a]\r\nZ=3\r\n\r\n[C]\r\n",
         [](TIniFile& I) {
             I.EraseSection("A");
             I.EraseSection("Absent");
         },
         "top\r\n[B]\r\nY=2\r\n[C]\r\n"},
        {"delete key removes its lines only", "[S]\r\nA=1\r\nB=2\r\na=3\r\n[T]\r\nA=4\r\n",
         [](TIniFile& I) {
             I.DeleteKey("S", "A");
             I.DeleteKey("S", "Absent");
         },
         "[S]\r\nB=2\r\n[T]\r\nA=4\r\n"},
    };
    for (const auto& c : cases) {
        c.Change(FileWith(c.Before));
        EXPECT_EQ(Bytes(), c.After) << c.Name;
    }
}

TEST_F(IniRules, SectionListings)
{
    // Comments and lines without "=" are no keys.
    FileWith("[A]\r\nX= 1 \r\n# x=1\r\n; y=2\r\nno equals\r\nY=\"two\"\r\n[B]\r\n[a]\r\nZ=3\r\n");
    EXPECT_EQ(Ini_.ReadString("Absent", "X", "d"), "d");
    EXPECT_EQ(Ini_.ReadString("A", "Absent", "d"), "d");
    EXPECT_FALSE(Ini_.ValueExists("A", "Absent"));
    TStringList list;
    list.Add("stale");
    Ini_.ReadSections(list);
    EXPECT_EQ(list.CommaText(), "A,B");
    Ini_.ReadSection("a", list);
    EXPECT_EQ(list.CommaText(), "X,Y");
    Ini_.ReadSectionValues("A", list);
    EXPECT_EQ(list.Text(), "X=1\r\nY=two\r\n");
    Ini_.ReadSection("B", list);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(Ini_.SectionExists("B"));
}

// Names the file cannot hold are refused before anything is written, with
// the reason; unusual names it can hold are found again and written once.
TEST_F(IniRules, NamesTheFileCannotHoldAreRefusedWithTheReason)
{
    const struct {
        std::string Section, Key, Reason;
        // clang-format off
    } refused[] = {
        {"a]b", "K", "\"]\""},
        {" S", "K", "空白"},
        {"S\t", "K", "空白"},
        {"S\r\nT", "K", "改行"},
        {"S\x81", "K", "２バイト"}, // the lone lead byte would swallow the "]"
        {"S", "a=b", "\"=\""},
        {"S", ";K", "\";\""},
        {"S", "#K", "\";\""},
        {"S", "[K", "\";\""},
        {"S", "K ", "空白"},
        {"S", "K\n", "改行"},
    };
    // clang-format on
    for (const auto& c : refused)
        EXPECT_THAT([&] { Ini_.WriteString(c.Section, c.Key, "v"); }, ThrowsMessage<EIniNameError>(HasSubstr(c.Reason)))
            << c.Section << "/" << c.Key;
    EXPECT_EQ(Bytes(), "<missing>");
    const std::pair<std::string, std::string> unusual[] = {
        {"", ""}, {"a b", "k]x"}, {"\x83\x5D", "a;b"}, {"[x", "k["}, {";S", "\x81\x3B"},
    };
    for (const auto& [section, key] : unusual) {
        SCOPED_TRACE(section + "/" + key);
        Ini_.WriteString(section, key, "1");
        const std::string once = Bytes();
        Ini_.WriteString(section, key, "2");
        EXPECT_EQ(Ini_.ReadString(section, key, "missing"), "2");
        EXPECT_EQ(Bytes().size(), once.size());
    }
}

// Something other than a folder where the file's folder should be: nothing
// can be made there, and the error names the file and says why.
TEST_F(IniRules, AWriteErrorNamesTheFileAndWhy)
{
    WriteRaw(Dir_.File("plain"), "x");
    ASSERT_EQ(mkfifo(Dir_.File("fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("unmounted", Dir_.File("gone"));
    const struct {
        const char* Folder;
        int Reason;
    } cases[] = {{"plain", ENOTDIR}, {"fifo", ENOTDIR}, {"gone", ENOENT}};
    for (const auto& c : cases) {
        const std::string folder = Dir_.File(c.Folder) + "/";
        TIniFile ini(folder + Sjis("設定.ini"));
        EXPECT_THAT(
            [&] { ini.WriteInteger("S", "K", 1); },
            ThrowsMessage<EIniFileException>(folder + "設定.ini に書き込めません\n" + SysErrorMessage(c.Reason)));
    }
}

} // namespace
