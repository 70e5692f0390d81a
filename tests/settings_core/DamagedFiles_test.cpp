#include "DamagedFiles.h"
#include "Files.h"
#include "IniFiles.h"
#include "SysErrorText.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <ostream>
#include <sys/stat.h>

namespace {

struct TShapeCase {
    std::string Bytes;
    TSettingsFileShape Shape;
    bool Damaged;
};

// Bytes as escapes, so that test names stay readable text.
void PrintTo(const TShapeCase& Case, std::ostream* Out)
{
    for (const char c : Case.Bytes)
        if (c >= 0x20 && c < 0x7F)
            *Out << c;
        else
            *Out << "\\x" << std::hex << int{static_cast<unsigned char>(c)} << std::dec;
}

class DamagedShape : public ::testing::TestWithParam<TShapeCase> {};

TEST_P(DamagedShape, TellsWhatNoWriterMakes)
{
    EXPECT_EQ(LooksDamaged(GetParam().Bytes, GetParam().Shape), GetParam().Damaged) << GetParam().Bytes;
}

using enum TSettingsFileShape;
INSTANTIATE_TEST_SUITE_P(Files, DamagedShape,
                         ::testing::Values(TShapeCase{"", Ini, false},
                                           TShapeCase{"[Options]\r\nAutoSave=1\r\n", Ini, false},
                                           // Comments and blank lines may stand first; tabs inside.
                                           TShapeCase{"; mine\r\n\r\n  [History]\nFile0=/a\tb\n", Ini, false},
                                           TShapeCase{"AutoSave=1\r\n[Options]\r\n", Ini, true},
                                           TShapeCase{"\xEF\xBB\xBF[Options]\r\n", Ini, false},
                                           TShapeCase{std::string("[Options]\r\nA=\0\x01", 15), Ini, true},
                                           TShapeCase{"[Options]\r\nA=\x1b[0m\r\n", Ini, true},
                                           // A symbol list has no sections; Shift-JIS bytes are text.
                                           TShapeCase{"\x81\xa0\r\n//\r\n", Lines, false},
                                           TShapeCase{"\x81\xa0\r\n\x07\r\n", Lines, true}));

TEST(DamagedFiles, AreSetAsideAndToldOnceWhileSoundOnesStay)
{
    TempDir dir;
    const std::string ini = dir.File("velk2000.ini"), keys = dir.File("velk2000Key.ini"), marks = dir.File("mark.dat");
    WriteRaw(ini, std::string("\x8f\0\xfe garbage", 11));
    WriteRaw(ini + ".bad", "an older damaged file");
    WriteRaw(keys, "[ShortcutKey]\r\nFileNew=Ctrl+N\r\n");
    WriteRaw(marks, "\x01\x02");
    const std::vector<TSettingsFileCheck> files{
        {ini, TSettingsFileShape::Ini},
        {keys, TSettingsFileShape::Ini},
        {marks, TSettingsFileShape::Lines},
        {dir.File("velk2000.sch"), TSettingsFileShape::Ini}, // missing: nothing to say
    };

    const TSetAsideFiles found = SetAsideDamagedFiles(files);
    const std::string& notice = found.Notice;
    EXPECT_TRUE(found.KeptMessages.empty()) << "a damaged file is set aside, not kept";
    EXPECT_NE(notice.find(ini), std::string::npos);
    EXPECT_NE(notice.find(marks), std::string::npos);
    EXPECT_EQ(notice.find(keys), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(ini));
    EXPECT_EQ(ReadRaw(ini + ".bad"), std::string("\x8f\0\xfe garbage", 11)) << "the damaged bytes are kept";
    EXPECT_EQ(ReadRaw(marks + ".bad"), "\x01\x02");
    EXPECT_EQ(ReadRaw(keys), "[ShortcutKey]\r\nFileNew=Ctrl+N\r\n");
    EXPECT_EQ(SetAsideDamagedFiles(files).Notice, "") << "told once: the next start finds nothing damaged";
}

// A settings file or symbol list too large to read is used as if absent:
// the start says so, once a start, and keeps it as it is.
TEST(DamagedFiles, ASettingsFileTooLargeToReadIsToldAndKept)
{
    TempDir dir;
    const std::string ini = dir.File("velk2000.ini"), marks = dir.File("mark.dat");
    std::string big = "[Options]\r\n";
    big.resize(kIniFileMaxBytes + 1, ';');
    WriteRaw(ini, big);
    WriteRaw(marks, std::string(kIniFileMaxBytes + 1, 'x'));
    const std::vector<TSettingsFileCheck> files{{ini, TSettingsFileShape::Ini}, {marks, TSettingsFileShape::Lines}};
    const TSetAsideFiles found = SetAsideDamagedFiles(files);
    EXPECT_EQ(found.Notice, "次のファイルは 4 MiB を超えていて設定ファイルとしては大きすぎるため、"
                            "読み込まずに既定の設定を使います。ファイルは書き換えずにそのまま残します。\n"
                                + ini + "\n" + marks);
    // What the close would say of them is told already.
    EXPECT_EQ(found.KeptMessages, (std::vector<std::string>{CannotWriteMessage(ini, KeptUnreadReason(EFBIG)),
                                                            CannotWriteMessage(marks, KeptUnreadReason(EFBIG))}));
    EXPECT_TRUE(ReadRaw(ini) == big);
}

// A settings file that is there but cannot be read (here the key file, which
// no close writes to tell it later) is told at the start with why, and
// left as it is; a file not there at all is nothing to tell.
TEST(DamagedFiles, AFileThatIsThereButCannotBeReadIsToldWithWhy)
{
    // A link whose target is gone is not kept: a write makes the target.
    const struct {
        std::function<void(const std::string&)> Make;
        std::string Reason;
        int KeptFor;
    } cases[] = {
        {[](const std::string& Name) { std::filesystem::create_directory(Name); }, SysErrorMessage(EISDIR), EISDIR},
        {[](const std::string& Name) { mkfifo(Name.c_str(), 0644); }, "通常のファイルではありません。", EINVAL},
        {[](const std::string& Name) { std::filesystem::create_symlink("unmounted/velk2000Key.ini", Name); },
         "リンク先のファイルがありません。", 0},
        {[](const std::string& Name) { std::filesystem::create_symlink(Name, Name); }, SysErrorMessage(ELOOP), ELOOP},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string keys = dir.File("velk2000Key.ini");
        c.Make(keys);
        const std::vector<TSettingsFileCheck> files{{keys, TSettingsFileShape::Ini},
                                                    {dir.File("velk2000.sch"), TSettingsFileShape::Ini}};
        const TSetAsideFiles found = SetAsideDamagedFiles(files);
        EXPECT_EQ(found.Notice,
                  "次のファイルを読み込めないため、既定の設定を使います。\n" + keys + "（" + c.Reason + "）");
        EXPECT_EQ(found.KeptMessages,
                  c.KeptFor ? std::vector<std::string>{CannotWriteMessage(keys, KeptUnreadReason(c.KeptFor))}
                            : std::vector<std::string>{});
        EXPECT_TRUE(std::filesystem::symlink_status(keys).type() != std::filesystem::file_type::regular);
    }
}

} // namespace
