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
