#include "Files.h"
#include "SysErrorText.h"
#include "SysUtils.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

TEST(SysErrorText, FileErrorsCarryTheNameAndTheReason)
{
    TempDir dir;
    const auto messageOf = [](auto Action) {
        try {
            Action();
        } catch (const Exception& e) {
            return e.Message();
        }
        return std::string("no error");
    };
    EXPECT_EQ(messageOf([&] { ReadFileBytes(dir.File("absent.vk2")); }),
              "ファイル \"" + dir.File("absent.vk2") + "\" を開けません。" + SysErrorMessage(ENOENT));
    EXPECT_EQ(messageOf([&] { WriteFileAtomic(dir.File("missing/doc.vk2"), "x"); }),
              "ファイル \"" + dir.File("missing/doc.vk2") + "\" を作成できません。" + SysErrorMessage(ENOENT));
}

TEST(SysErrorText, EveryReasonIsJapanese)
{
    // Every errno the system knows, and numbers it does not.
    for (int error = 0; error < 200; ++error) {
        const std::string text = SysErrorMessage(error);
        EXPECT_TRUE(!text.empty() && std::none_of(text.begin(), text.end(), [](unsigned char C) { return std::isalpha(C); }))
            << error << ": " << text;
    }
    EXPECT_NE(SysErrorMessage(9999).find("9999"), std::string::npos);
}
