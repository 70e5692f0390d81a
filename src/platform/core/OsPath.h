// File names between the program and the system. Inside the program a file
// name is Shift-JIS like all its text; the system's names are UTF-8.
//
// A few characters have a Shift-JIS code that reads back as another
// character: "〜" U+301C is written 81 60, which reads as "～" U+FF5E, and
// so are "−", "¥", "‾" and a few more. Written that way, a name would
// name another file, or none. The program's form of such a character is
// the byte 0xFD, which no Shift-JIS text holds, followed by its code as
// four capital hex digits ("a〜b.vk2" is "a" FD "301Cb.vk2").
//
// A system name need not be UTF-8 at all: archives unpacked without
// converting names give Shift-JIS bytes ("メモ.vk2" as 83 81 83 82). A byte
// that is no part of a UTF-8 character is kept the same way, as the code
// 0xDC00 + the byte (83 is FD "DC83"): such a code is half of a surrogate
// pair, never a character of its own, so it meets no escaped character.
//
// Every name a Shift-JIS string can hold so goes to the system and back
// exactly, through the settings file and the recent lists too.
#pragma once

#include <string>
#include <string_view>

// The system's form of a program file name; also how the name is shown in
// messages.
std::string OsPath(std::string_view FileName);
// The program's form of a system file name. A character with no Shift-JIS
// code becomes "?" and clears *Lossless: such a name cannot be kept.
std::string FromOsPath(std::string_view OsName, bool* Lossless = nullptr);

// The characters of OsName that have no Shift-JIS code, each once, in the
// order they first occur (UTF-8): what keeps FromOsPath from keeping the
// name. Empty when it keeps it.
std::string CharactersWithoutShiftJis(std::string_view OsName);

// FileName with its bytes that are not UTF-8 read as Shift-JIS, as the
// program reads text ("メモ" for 83 81 83 82): a name for a file of the
// program's own making that says what such a name says and that any other
// program can be handed.
std::string ReadableName(std::string_view FileName);

// How a file name is shown in the window's title and the recent lists:
// OsPath(ReadableName(FileName)), so a name in Shift-JIS bytes shows as
// the words they spell rather than as marks for unreadable bytes.
std::string ShownPath(std::string_view FileName);
// The same for a name in the system's form; a character Shift-JIS has no
// code for shows as itself.
std::string ShownOsPath(std::string_view OsName);

// The name holds no escape, so it can stand in page text (a file link) and
// still name the same file.
bool IsTextName(std::string_view FileName);
// Why FileName cannot stand in page text, for a message: its characters
// whose Shift-JIS code reads back as another (UTF-8, each once), and
// whether it holds bytes that are not UTF-8.
struct TEscapedParts {
    std::string LookAlikeCharacters;
    bool BytesNotUtf8 = false;
};
TEscapedParts EscapedParts(std::string_view FileName);
