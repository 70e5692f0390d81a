#include "Files.h"
#include "SysErrorText.h"
#include "SysUtils.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

TEST(SysErrorText, NamesTheCommonReasonsInJapanese)
{
    const struct {
        int Errno;
        const char* Text;
    } cases[] = {
        {ENOENT, "ファイルまたはフォルダーが見つかりません。"},
        {EACCES, "アクセスが拒否されました。"},
        {EISDIR, "フォルダーです。"},
        {ENOSPC, "ディスクの空き容量が足りません。"},
        {EROFS, "読み出し専用のファイルシステムです。"},
        {ENAMETOOLONG, "ファイル名が長すぎます。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SysErrorMessage(c.Errno), c.Text) << c.Errno;
}

TEST(SysErrorText, NoReasonIsEnglish)
{
    // Every errno the system knows, and numbers it does not.
    for (int error = 0; error < 200; ++error) {
        const std::string text = SysErrorMessage(error);
        EXPECT_FALSE(text.empty()) << error;
        EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](unsigned char C) { return std::isalpha(C); }))
            << error << ": " << text;
    }
    EXPECT_NE(SysErrorMessage(9999).find("9999"), std::string::npos);
}

TEST(SysErrorText, FileErrorsCarryTheNameAndTheJapaneseReason)
{
    TempDir dir;
    try {
        ReadFileBytes(dir.File("absent.vk2"));
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "ファイル \"" + dir.File("absent.vk2") + "\" を開けません。"
                                   + SysErrorMessage(ENOENT));
    }
    try {
        WriteFileAtomic(dir.File("missing/doc.vk2"), "x");
        FAIL() << "no error";
    } catch (const EFCreateError& e) {
        EXPECT_NE(e.Message().find("を作成できません。" + SysErrorMessage(ENOENT)), std::string::npos) << e.Message();
    }
}
