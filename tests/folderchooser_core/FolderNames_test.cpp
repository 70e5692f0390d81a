#include "FolderNames.h"

#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderNames, RefusesEmptyLongAndReservedSingleByteNames)
{
    const std::pair<std::string, bool> cases[] = {{"", false},
                                                  {std::string(255, 'a'), true},
                                                  {std::string(256, 'a'), false},
                                                  {Sjis("ソ"), true},
                                                  {Sjis("表"), true},
                                                  {Sjis("ｱ"), true},
                                                  {"new folder", true}};
    for (const auto& [name, valid] : cases)
        EXPECT_EQ(IsValidFolderName(name), valid) << name;
    for (char reserved : std::string_view("\"*/:<>?\\|"))
        EXPECT_FALSE(IsValidFolderName(std::string("a") + reserved + "b")) << reserved;
}

TEST(FolderNames, ParentFolderKeepsTheRootAndCutsTheLastName)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/", "/"}, {"/data", "/"}, {"/data/old/", "/data/"}, {"/data/old", "/data/"}, {"/a", "/"}, {"name", "name"}};
    for (const auto& [path, parent] : cases)
        EXPECT_EQ(ParentFolderOf(path), parent) << path;
}

TEST(FolderNames, EveryPathNamesItsOwnFolder)
{
    EXPECT_EQ(SjisPathOf("/home/表/a"), Sjis("/home/表/a"));
    EXPECT_EQ(RawPathOf(Sjis("/home/表/a")), "/home/表/a");
    // "〜" shares its Shift-JIS code with "～", yet names its own folder, and
    // so does a name in bytes that are not UTF-8 ("資料" in Shift-JIS) or
    // with characters Shift-JIS has no code for.
    for (const std::string path : {"/home/資料〜2024", "/home/資料～2024", "/home/\x8E\x91\x97\xBF\xFF", "/home/é€😀"})
        EXPECT_EQ(RawPathOf(SjisPathOf(path)), path);
}

} // namespace
