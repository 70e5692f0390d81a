// File names between the program's Shift-JIS and the system's UTF-8: every
// name Shift-JIS can hold reaches the system exactly, and no two names meet.
#include "Files.h"
#include "SjisLiteral.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string Utf8Of(char32_t C)
{
    std::string out;
    if (C < 0x80) {
        out += static_cast<char>(C);
    } else if (C < 0x800) {
        out += static_cast<char>(0xC0 | C >> 6);
        out += static_cast<char>(0x80 | (C & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | C >> 12);
        out += static_cast<char>(0x80 | (C >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (C & 0x3F));
    }
    return out;
}

TEST(OsPath, NamesWithCharactersWhoseCodeReadsBackAsAnotherKeepTheirOwnFile)
{
    // Each of these has a Shift-JIS code that reads back as its look-alike.
    const struct {
        const char* Name;
        const char* LookAlike;
    } cases[] = {
        {"/home/u/a〜b.vk2", "/home/u/a～b.vk2"},
        {"/home/u/a−b.vk2", "/home/u/a－b.vk2"},
        {"/home/u/a¥b.vk2", "/home/u/a\\b.vk2"},
        {"/home/u/a‾b.vk2", "/home/u/a~b.vk2"},
        {"/home/資料〜2024/メモ.vk2", "/home/資料～2024/メモ.vk2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        bool lossless = false;
        const std::string name = FromOsPath(c.Name, &lossless);
        EXPECT_TRUE(lossless);
        EXPECT_EQ(OsPath(name), c.Name);
        EXPECT_NE(name, FromOsPath(c.LookAlike));
        EXPECT_EQ(OsPath(FromOsPath(c.LookAlike)), c.LookAlike);
        EXPECT_FALSE(IsTextName(name));
        EXPECT_TRUE(IsTextName(FromOsPath(c.LookAlike)));
    }
    // The escaped form, as the settings file keeps it.
    EXPECT_EQ(FromOsPath("a〜b.vk2"), "a\xFD"
                                      "301Cb.vk2");
}

TEST(OsPath, EveryCharacterWithAShiftJisCodeGoesToTheSystemAndBackAlone)
{
    std::set<std::string> names;
    int kept = 0;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const std::string os = "x" + Utf8Of(c) + ".vk2";
        bool lossless = false;
        const std::string name = FromOsPath(os, &lossless);
        if (!lossless)
            continue;
        ++kept;
        ASSERT_EQ(OsPath(name), os) << std::hex << static_cast<uint32_t>(c);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kept)); // no two names meet
    EXPECT_GT(kept, 7000);
}

TEST(OsPath, NamesShiftJisCannotHoldAreRefusedAndStoredNamesReadAsBefore)
{
    for (const char* os :
         {"/tmp/jürgen", "/tmp/\xF0\x9F\x98\x80", "/tmp/flag\xF3\xA0\x81\xA2", "/tmp/\xFF\xFE", "/tmp/\xEF\xBF\xBD"}) {
        bool lossless = true;
        FromOsPath(os, &lossless);
        EXPECT_FALSE(lossless) << os;
    }
    // A name the settings file or a page already holds means what it meant.
    EXPECT_EQ(OsPath(Sjis("a～b")), "a～b");
    EXPECT_EQ(OsPath("a\x81\x60"
                     "b"),
              "a～b");
    // 0xFD followed by what is no escape stays an unreadable byte.
    EXPECT_EQ(OsPath("a\xFD"
                     "0041"),
              "a\xEF\xBF\xBD"
              "0041");
    EXPECT_EQ(OsPath("a\xFD"
                     "301c"),
              "a\xEF\xBF\xBD"
              "301c");
    EXPECT_EQ(OsPath("a\xFD"
                     "30"),
              "a\xEF\xBF\xBD"
              "30");
}

TEST(OsPath, TheLookAlikeFileBesideItIsNeitherReadNorWritten)
{
    TempDir dir;
    WriteRaw(dir.File("w～.vk2"), "full-width tilde");
    WriteRaw(dir.File("w〜.vk2"), "wave dash");
    const std::string folder = FromOsPath(dir.Path());
    EXPECT_EQ(ReadFileBytes(folder + FromOsPath("w〜.vk2")), "wave dash");
    WriteFileAtomic(folder + FromOsPath("new〜.vk2"), "x");
    EXPECT_TRUE(FileExists(folder + FromOsPath("new〜.vk2")));
    EXPECT_EQ(ReadRaw(dir.File("new〜.vk2")), "x");
    EXPECT_FALSE(std::filesystem::exists(dir.File("new～.vk2")));
}

} // namespace
