// File names between the program and the system. Inside the program a file
// name is Shift-JIS like all its text; the system's names are UTF-8.
//
// A few characters have a Shift-JIS code that reads back as another
// character: "〜" U+301C is written 81 60, which reads as "～" U+FF5E, and
// so are "−", "¥", "‾" and a few more. Written that way, a name would
// name another file, or none. The program's form of such a character is
// the byte 0xFD, which no Shift-JIS text holds, followed by its code as
// four capital hex digits ("a〜b.vk2" is "a" FD "301Cb.vk2"). Every name a
// Shift-JIS string can hold so goes to the system and back exactly,
// through the settings file and the recent lists too.
#pragma once

#include <string>
#include <string_view>

// The system's (UTF-8) form of a program file name; also how the name is
// shown to the user.
std::string OsPath(std::string_view FileName);
// The program's form of a system file name. A character with no Shift-JIS
// code (or bytes that are not UTF-8) becomes "?" and clears *Lossless: such
// a name cannot be kept.
std::string FromOsPath(std::string_view OsName, bool* Lossless = nullptr);

// The name holds no escaped character, so it can stand in page text (a
// file link) and still name the same file.
bool IsTextName(std::string_view FileName);
