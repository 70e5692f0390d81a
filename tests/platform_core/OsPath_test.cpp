// File names between the program's Shift-JIS and the system's bytes: every
// name reaches the system exactly, and no two names meet.
#include "Cp932.h"
#include "Files.h"
#include "SjisLiteral.h"
#include "SysErrorText.h"
#include "TempDir.h"
#include "TwoKanjiNames.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <set>
#include <thread>

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
        const std::string name = FromOsPath(c.Name);
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

TEST(OsPath, EveryCharacterGoesToTheSystemAndBackAlone)
{
    std::set<std::string> names;
    int kept = 0;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const std::string os = "x" + Utf8Of(c) + ".vk2";
        const std::string name = FromOsPath(os);
        ++kept;
        ASSERT_EQ(OsPath(name), os) << std::hex << static_cast<uint32_t>(c);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kept)); // no two names meet
}

TEST(OsPath, StoredNamesReadAsBefore)
{
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
        const std::string name = FromOsPath(os);
        EXPECT_EQ(OsPath(name), os);
        EXPECT_FALSE(IsTextName(name));
        EXPECT_EQ(EscapedParts(name).CharactersWithoutShiftJis, "");
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
    // A part in bytes of both encodings reads as such a text file would.
    EXPECT_EQ(ShownPath(FromOsPath(names[5])),
              "/home/" + SjisToUtf8("\x8E\x91\x97\xBF〜") + "/" + SjisToUtf8("メモ\x83\x81.vk2"));
    // It is the name as shown, in UTF-8, whatever the bytes (a stray escape
    // byte makes no escape of what follows it).
    for (const char* os : {names[2], names[4], names[5],
                           "a\xFD"
                           "301C〜"}) {
        const std::string name = FromOsPath(os);
        EXPECT_EQ(OsPath(ReadableName(name)), ShownPath(name)) << os;
        EXPECT_TRUE(IsUtf8(ShownPath(name))) << os;
    }

    TempDir dir;
    const std::string folder = FromOsPath(dir.Path());
    WriteRaw(dir.File("\x83\x81\x83\x82.vk2"), "memo");
    EXPECT_EQ(ReadFileBytes(folder + FromOsPath("\x83\x81\x83\x82.vk2")), "memo");
    WriteFileAtomic(folder + FromOsPath("\x83\x81\x83\x82.vk~"), "backup");
    EXPECT_EQ(ReadRaw(dir.File("\x83\x81\x83\x82.vk~")), "backup");
}

// Names in Shift-JIS bytes often hold a UTF-8 character by chance ("写真"
// is 8E CA 90 5E, and CA 90 is "ʐ"), as do names in UTF-8 that Shift-JIS
// cannot spell: each names its own file and shows as its words.
TEST(OsPath, ANameHoldingCharactersShiftJisHasNoCodeForKeepsItsFileAndShowsAsItReads)
{
    const struct {
        std::string Os;
        const char* Shown;
    } cases[] = {
        {Sjis("写真.vk2"), "写真.vk2"},
        {Sjis("見積書.vk2"), "見積書.vk2"},
        {Sjis("翻訳メモ.vk2"), "翻訳メモ.vk2"},
        {Sjis("ﾃｽﾄ.vk2"), "ﾃｽﾄ.vk2"},
        {Sjis("資料") + "/" + Sjis("写真"), "資料/写真"},
        {"jürgen/café.vk2", "jürgen/café.vk2"},
        {"한국어 메모.vk2", "한국어 메모.vk2"},
        {"\xF0\x9F\x98\x80\xF3\xA0\x81\xA2.vk2", "\xF0\x9F\x98\x80\xF3\xA0\x81\xA2.vk2"}, // an emoji, a tag
        {"日本/\xEF\xBF\xBD.vk2", "日本/\xEF\xBF\xBD.vk2"},
    };
    TempDir dir;
    const std::string folder = FromOsPath(dir.Path());
    std::set<std::string> names;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Shown);
        const std::string name = FromOsPath(c.Os);
        EXPECT_EQ(OsPath(name), c.Os);
        EXPECT_EQ(ShownPath(name), c.Shown);
        EXPECT_EQ(ShownOsPath(c.Os), c.Shown);
        EXPECT_FALSE(IsTextName(name));
        names.insert(name);
        if (c.Os.find('/') == std::string::npos) {
            WriteRaw(dir.File(c.Os), c.Shown);
            EXPECT_EQ(ReadFileBytes(folder + name), c.Shown);
        }
    }
    EXPECT_EQ(names.size(), std::size(cases));
}

// Every name of two such kanji whose bytes hold a UTF-8 character, about
// one in six, names its own file and shows as its two kanji. The names are
// shared out among threads by their first kanji.
TEST(OsPath, EveryTwoKanjiNameInShiftJisBytesKeepsItsFileAndShowsAsItsKanji)
{
    const std::vector<std::string> kanji = LevelOneKanji();
    ASSERT_EQ(kanji.size(), 2965u);
    const size_t threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<size_t> swept(threads);
    std::vector<std::string> wrong(threads);
    std::vector<std::thread> workers;
    for (size_t t = 0; t < threads; ++t)
        workers.emplace_back([&, t] {
            char bytes[4] = {};
            const std::string_view os(bytes, 4);
            for (size_t first = t; first < kanji.size() && wrong[t].empty(); first += threads)
                for (const std::string& second : kanji) {
                    kanji[first].copy(bytes, 2);
                    second.copy(bytes + 2, 2);
                    if (!HeldUtf8Character(os))
                        continue;
                    ++swept[t];
                    const std::string name = FromOsPath(os);
                    if (OsPath(name) != os || ShownPath(name) != SjisToUtf8(os)) {
                        wrong[t] = SjisToUtf8(os);
                        break;
                    }
                }
        });
    for (std::thread& worker : workers)
        worker.join();
    for (const std::string& name : wrong)
        EXPECT_EQ(name, "");
    EXPECT_GT(std::accumulate(swept.begin(), swept.end(), size_t{0}), kanji.size() * kanji.size() / 7);
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
    EXPECT_EQ(ShownOsPath("/h/\x83\x81\x83\x82/\xF0\x9F\x98\x80/\x93\x63\x92\x86.txt"),
              "/h/メモ/\xF0\x9F\x98\x80/田中.txt");
}

// What keeps a name out of page text is named: its characters whose code
// reads back as another, those Shift-JIS has no code for in a part in UTF-8,
// and bytes that are not UTF-8 (not the characters they spell by chance).
TEST(OsPath, WhatKeepsANameOutIsNamed)
{
    const struct {
        const char* Os;
        const char* LookAlikes;
        const char* WithoutShiftJis;
        bool Bytes;
    } cases[] = {
        {"a〜b−c〜.txt", "〜−", "", false},
        {"\x83\x81.txt", "", "", true},
        {"\x83〜.txt", "", "", true},
        {"メモ.txt", "", "", false},
        {"/tmp/jürgen/café/über〜.vk2", "", "üé", false},
        {"/tmp/a〜/\xF0\x9F\x98\x80\x83\x81", "〜", "", true},
        {"/tmp/\x8E\xCA\x90\x5E/ü.txt", "", "ü", true}, // "写真" in Shift-JIS holds "ʐ"
    };
    for (const auto& c : cases) {
        const TEscapedParts parts = EscapedParts(FromOsPath(c.Os));
        EXPECT_EQ(parts.LookAlikeCharacters, c.LookAlikes) << c.Os;
        EXPECT_EQ(parts.CharactersWithoutShiftJis, c.WithoutShiftJis) << c.Os;
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
