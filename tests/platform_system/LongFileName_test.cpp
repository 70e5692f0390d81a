#include "LongFileName.h"
#include "SjisLiteral.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(LongFileName, AbsoluteNormalAndLinksFollowed)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    std::filesystem::create_directory_symlink(dir.File("real"), dir.File("link"));
    const std::string real = std::filesystem::canonical(dir.File("real")).string();

    EXPECT_EQ(GetLongFileName(dir.File("link/doc.vk2")), real + "/doc.vk2");
    EXPECT_EQ(GetLongFileName("/no/such/../place.vk2"), "/no/place.vk2");
    EXPECT_EQ(GetLongFileName("doc.vk2"), std::filesystem::current_path().string() + "/doc.vk2");
    const std::string japanese = Sjis("/no/文書.vk2"); // Shift-JIS in, Shift-JIS out
    EXPECT_EQ(GetLongFileName(japanese), japanese);
}
