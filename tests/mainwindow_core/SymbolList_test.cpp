#include "SymbolList.h"

#include "Files.h"
#include "IniFiles.h"
#include "SjisLiteral.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;
using ::testing::ThrowsMessage;

TEST(SymbolList, FileRoundTripsByteForByte)
{
    // A user-defined character (F0 40) and a half-width katakana kept as bytes.
    const std::string bytes = Sjis("★") + "\r\n\xF0\x40\r\n\xB1\r\n//\r\n";
    EXPECT_EQ(SymbolListBytes(ParseSymbolList(bytes)), bytes);
    EXPECT_EQ(ParseSymbolList("a\nb\rc"), (TSymbolList{"a", "b", "c"}));
    EXPECT_EQ(ParseSymbolList("a\r\n\r\nb"), (TSymbolList{"a", "", "b"}));
    EXPECT_TRUE(ParseSymbolList("").empty());
}

TEST(SymbolList, AChosenSymbolGoesToTheTop)
{
    TSymbolList list{"a", "b", "c", "b"};
    PromoteSymbol(list, "b");
    EXPECT_EQ(list, (TSymbolList{"b", "a", "c", "b"}));
    PromoteSymbol(list, "new");
    EXPECT_EQ(list, (TSymbolList{"new", "b", "a", "c", "b"}));

    // Entries of other lengths keep their bytes wherever the chosen one stood.
    const struct {
        std::string Chosen;
        TSymbolList Promoted;
    } cases[] = {
        {"xy", {"xy", "", "long entry", "z"}},
        {"", {"", "xy", "long entry", "z"}},
        {"long entry", {"long entry", "xy", "", "z"}},
        {"z", {"z", "xy", "", "long entry"}},
    };
    for (const auto& c : cases) {
        TSymbolList entries{"xy", "", "long entry", "z"};
        PromoteSymbol(entries, c.Chosen);
        EXPECT_EQ(entries, c.Promoted) << c.Chosen;
        EXPECT_EQ(SymbolListBytes(entries), SymbolListBytes(c.Promoted));
    }
}

// The list is written only when it changed, so a file the user keeps
// read-only (or the read-only file a link leads to) costs no word while the
// list stays as it was; once it changed, the file is kept and the close
// says why (mode bits, so for root too).
TEST(SymbolList, AReadOnlyFileIsKeptAndToldOnlyWhenTheListChanged)
{
    TempDir dir;
    const std::string bytes = "a\r\nb\r\n";
    WriteRaw(dir.File("mark.dat"), bytes);
    chmod(dir.File("mark.dat").c_str(), 0444);
    fs::create_symlink("mark.dat", dir.File("link.dat"));
    for (const char* name : {"mark.dat", "link.dat"}) {
        TSymbolFile file(dir.File(name));
        TSymbolList read;
        ASSERT_EQ(file.Read(read), 0);
        file.Write({"a", "b"});
        EXPECT_THAT(
            [&] {
                file.Write({"b", "a"});
            },
            ThrowsMessage<EFCreateError>(dir.File(name)
                                         + " に書き込めません\n"
                                           "読み出し専用のファイルなので、書き換えずにそのまま残しました。"));
    }
    EXPECT_EQ(ReadRaw(dir.File("mark.dat")), bytes);
    EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
}

// Only the file the program last read or wrote is replaced: one that came
// or changed since is someone else's (the user's own, copied in while the
// program runs for the first time; another instance's, closed first).
TEST(SymbolList, OnlyTheFileLastReadOrWrittenIsReplaced)
{
    TempDir dir;
    const std::string name = dir.File("mark.dat");
    const std::string users = "user's\r\n";
    const auto put = [&](const std::optional<std::string>& Bytes) {
        if (Bytes)
            WriteRaw(name, *Bytes);
        else
            fs::remove(name);
    };
    const struct {
        const char* Name;
        std::optional<std::string> AtRead, AtWrite; // none: no file
        std::string Left;
    } cases[] = {
        {"made since a read that found none", std::nullopt, users, users},
        {"changed since the read", "a\r\n", users, users},
        {"as it was read", "a\r\n", "a\r\n", "b\r\n"},
        {"removed since the read", "a\r\n", std::nullopt, "b\r\n"},
        {"still none", std::nullopt, std::nullopt, "b\r\n"},
    };
    for (const auto& c : cases) {
        put(c.AtRead);
        TSymbolFile file(name);
        TSymbolList read;
        file.Read(read);
        put(c.AtWrite);
        file.Write({"b"});
        EXPECT_EQ(ReadRaw(name), c.Left) << c.Name;
    }

    // Never read, a file is not the program's; read, or once written, it is.
    WriteRaw(name, users);
    TSymbolFile file(name);
    file.Write({"b"});
    EXPECT_EQ(ReadRaw(name), users);
    TSymbolList read;
    ASSERT_EQ(file.Read(read), 0);
    EXPECT_EQ(read, TSymbolList{"user's"});
    file.Write({"b"});
    EXPECT_EQ(ReadRaw(name), "b\r\n");
    file.Write({"c"});
    EXPECT_EQ(ReadRaw(name), "c\r\n") << "the file last written";
}

// Whatever is written must read back: a file that is too large to read is
// kept, and so is one that the list would take past the cap (a file of bare
// LF lines gets CR LF).
TEST(SymbolList, AFileTooLargeToReadOrToWriteIsKept)
{
    TempDir dir;
    const std::string tooLarge(kIniFileMaxBytes + 1, 'x');
    std::string bareLines;
    for (size_t i = 0; i < kIniFileMaxBytes / 2; ++i)
        bareLines += "a\n";
    TSymbolList changed{"b"};
    for (size_t i = 1; i < kIniFileMaxBytes / 2; ++i)
        changed.push_back("a");
    const struct {
        std::string Bytes, Reason;
    } cases[] = {
        {tooLarge, "4 MiB を超える大きなファイルなので、読み込まずに既定の設定を使い、"},
        {bareLines, "書き込むと 4 MiB を超えて読み込めなくなるので、"},
    };
    for (const auto& c : cases) {
        WriteRaw(dir.File("mark.dat"), c.Bytes);
        TSymbolFile file(dir.File("mark.dat"));
        TSymbolList read;
        file.Read(read);
        EXPECT_THAT([&] { file.Write(changed); },
                    ThrowsMessage<EFCreateError>(dir.File("mark.dat") + " に書き込めません\n" + c.Reason
                                                 + "書き換えずにそのまま残しました。"));
        EXPECT_TRUE(ReadRaw(dir.File("mark.dat")) == c.Bytes);
    }
    TSymbolFile(dir.File("new.dat")).Write({"a"});
    EXPECT_EQ(ReadRaw(dir.File("new.dat")), "a\r\n");
}
