// File names between the program and the system. Inside the program a file
// name is Shift-JIS like all its text; the system's names are bytes, mostly
// UTF-8.
//
// A few characters have a Shift-JIS code that reads back as another
// character: "〜" U+301C is written 81 60, which reads as "～" U+FF5E, and
// so are "−", "¥", "‾" and a few more. Written that way, a name would
// name another file, or none. The program's form of such a character is
// the byte 0xFD, which no Shift-JIS text holds, followed by its code as
// four capital hex digits ("a〜b.vk2" is "a" FD "301Cb.vk2").
//
// A system name need not be characters Shift-JIS can hold, nor UTF-8 at
// all: archives unpacked without converting names give Shift-JIS bytes
// ("メモ.vk2" as 83 81 83 82), and such bytes often hold a UTF-8 character
// by chance ("写真" is 8E CA 90 5E, and CA 90 is "ʐ"). A part of a path
// (between two "/") that is not wholly such characters is kept by its
// bytes: each byte from 0x80 the same way, as the code 0xDC00 + the byte
// (83 is FD "DC83"), and ASCII as itself. Such a code is half of a
// surrogate pair, never a character of its own, so it meets no escaped
// character.
//
// So every system name goes to the system and back exactly, through the
// settings file and the recent lists too, and each has one form.
#pragma once

#include <string>
#include <string_view>

// The system's form of a program file name.
std::string OsPath(std::string_view FileName);
// The program's form of a system file name.
std::string FromOsPath(std::string_view OsName);

// How a file name is shown in the window's title, the recent lists and
// messages (UTF-8). Each part of the path reads as a text file of its bytes
// would (TextFileEncoding.h), so a name in Shift-JIS bytes shows as the
// words they spell and one in UTF-8 as itself. The program's own words
// after a part kept by its bytes (a caption's marks) show as they are.
std::string ShownPath(std::string_view FileName);
// The same for a name in the system's form.
std::string ShownOsPath(std::string_view OsName);

// A name for a file of the program's own making that says what FileName
// says as shown and that any other program can be handed: its system form
// is ShownPath(FileName).
std::string ReadableName(std::string_view FileName);

// The name holds no escape, so it can stand in page text (a file link) and
// still name the same file.
bool IsTextName(std::string_view FileName);
// Why FileName cannot stand in page text, for a message: its characters
// whose Shift-JIS code reads back as another and those Shift-JIS has no
// code for (UTF-8, each once), and whether it holds bytes that are not
// UTF-8.
struct TEscapedParts {
    std::string LookAlikeCharacters;
    std::string CharactersWithoutShiftJis;
    bool BytesNotUtf8 = false;
};
TEscapedParts EscapedParts(std::string_view FileName);
