// File names between the program's Shift-JIS and the system's UTF-8: every
// name Shift-JIS can hold reaches the system exactly, and no two names meet.
#include "Files.h"
#include "SjisLiteral.h"
#include "SysErrorText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <functional>
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
    for (const char* os : {"/tmp/jürgen", "/tmp/\xF0\x9F\x98\x80", "/tmp/flag\xF3\xA0\x81\xA2", "/tmp/\xEF\xBF\xBD"}) {
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
                     "DC41"),
              "a\xEF\xBF\xBD"
              "DC41")
        << "an ASCII byte is never escaped";
    EXPECT_EQ(OsPath("a\xFD"
                     "30"),
              "a\xEF\xBF\xBD"
              "30");
}

// Old archives unpacked without converting names give names in Shift-JIS
// bytes; any byte that is no part of a UTF-8 character is kept as it is.
TEST(OsPath, NamesInBytesThatAreNotUtf8KeepTheirOwnFile)
{
    const char* const names[] = {
        "/home/u/\x83\x81\x83\x82.vk2", // "メモ.vk2" in Shift-JIS
        "/home/u/\xFF\xFE\x80\xBF",     // bytes no character starts with
        "/home/u/\xC0\x80\xE3\x83"
        "A\xED\xA0\x80",                // overlong, cut short, a surrogate
        "/home/u/\xF4\x90\x80\x80\xF8", // past U+10FFFF
        "/home/u/\xFD"
        "DC83\xFD",                                  // the escape byte itself
        "/home/\x8E\x91\x97\xBF〜/メモ\x83\x81.vk2", // with a look-alike and UTF-8
    };
    std::set<std::string> kept;
    for (const char* os : names) {
        SCOPED_TRACE(os);
        bool lossless = false;
        const std::string name = FromOsPath(os, &lossless);
        EXPECT_TRUE(lossless);
        EXPECT_EQ(OsPath(name), os);
        EXPECT_FALSE(IsTextName(name));
        EXPECT_EQ(CharactersWithoutShiftJis(os), "");
        kept.insert(name);
    }
    EXPECT_EQ(kept.size(), std::size(names));
    // The UTF-8 name of the same words is another file.
    EXPECT_NE(FromOsPath(names[0]), FromOsPath("/home/u/メモ.vk2"));
    EXPECT_EQ(FromOsPath("\x83\x81"), "\xFD"
                                      "DC83\xFD"
                                      "DC81");
    // A name for a file of the program's own making says what they say.
    EXPECT_EQ(OsPath(ReadableName(FromOsPath(names[0]))), "/home/u/メモ.vk2");
    EXPECT_EQ(ShownPath(FromOsPath(names[5])), "/home/資料〜/メモメ.vk2");
    EXPECT_EQ(OsPath(ReadableName(FromOsPath("a\xFD"
                                             "301C〜"))),
              "a?301C〜");

    TempDir dir;
    const std::string folder = FromOsPath(dir.Path());
    WriteRaw(dir.File("\x83\x81\x83\x82.vk2"), "memo");
    EXPECT_EQ(ReadFileBytes(folder + FromOsPath("\x83\x81\x83\x82.vk2")), "memo");
    WriteFileAtomic(folder + FromOsPath("\x83\x81\x83\x82.vk~"), "backup");
    EXPECT_EQ(ReadRaw(dir.File("\x83\x81\x83\x82.vk~")), "backup");
}

// A message names a file in Shift-JIS bytes ("メモ" unpacked from an old
// archive) as it reads, never as marks for bytes it cannot show.
TEST(OsPath, MessagesShowANameInShiftJisBytesAsItReads)
{
    TempDir dir;
    const std::string folder = FromOsPath(dir.Path()), shownFolder = ShownOsPath(dir.Path());
    const std::string memo = FromOsPath("\x83\x81\x83\x82");
    const struct {
        const char* What;
        std::function<std::string()> Message;
        std::string Expected;
    } cases[] = {
        {"cannot open", [&] { return CannotOpenMessage(folder + memo, ENOENT); },
         "ファイル \"" + shownFolder + "メモ\" を開けません。" + SysErrorMessage(ENOENT)},
        {"cannot write", [&] { return CannotWriteMessage(folder + memo + ".ini", "why"); },
         shownFolder + "メモ.ini に書き込めません\nwhy"},
        {"a read refused",
         [&] {
             try {
                 ReadFileBytes(folder + memo + "/a.txt");
             } catch (const EFOpenError& E) {
                 return E.Message();
             }
             return std::string();
         },
         "ファイル \"" + shownFolder + "メモ/a.txt\" を開けません。" + SysErrorMessage(ENOENT)},
        {"a write refused",
         [&] {
             try {
                 WriteFileAtomic(folder + memo + "/a.vk2", "x");
             } catch (const EFWriteError& E) {
                 return E.Message();
             }
             return std::string();
         },
         "ファイル \"" + shownFolder + "メモ/a.vk2\" を作成できません。" + SysErrorMessage(ENOENT)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Message(), c.Expected) << c.What;
    // A system name shows a character Shift-JIS has no code for as itself.
    EXPECT_EQ(ShownOsPath("/h/\x83\x81\x83\x82\xF0\x9F\x98\x80\x93\x63\x92\x86〜.txt"), "/h/メモ\xF0\x9F\x98\x80田中〜.txt");
}

// What keeps a name out is named: the characters Shift-JIS has no code
// for, or what in a name page text cannot hold.
TEST(OsPath, WhatKeepsANameOutIsNamed)
{
    EXPECT_EQ(CharactersWithoutShiftJis("/tmp/jürgen/café/über.vk2"), "üé");
    EXPECT_EQ(CharactersWithoutShiftJis("/tmp/\xF0\x9F\x98\x80\x83\x81〜"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(CharactersWithoutShiftJis("/tmp/メモ.vk2"), "");
    const struct {
        const char* Os;
        const char* LookAlikes;
        bool Bytes;
    } cases[] = {
        {"a〜b−c〜.txt", "〜−", false},
        {"\x83\x81.txt", "", true},
        {"\x83〜.txt", "〜", true},
        {"メモ.txt", "", false},
    };
    for (const auto& c : cases) {
        const TEscapedParts parts = EscapedParts(FromOsPath(c.Os));
        EXPECT_EQ(parts.LookAlikeCharacters, c.LookAlikes) << c.Os;
        EXPECT_EQ(parts.BytesNotUtf8, c.Bytes) << c.Os;
    }
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
