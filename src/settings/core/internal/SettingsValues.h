// How values are spelt in the settings file so that they read back as they
// were written, and which values the file cannot hold at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// True when the file gives Value back exactly: no CR or LF (a line break
// would end the line) and at most the 2,047 bytes a read takes.
bool SettingCanHold(std::string_view Value);

// The program's (Shift-JIS) form of a file or folder name the user chose,
// when a setting can store it exactly; none when the file cannot hold it,
// so the choice is refused rather than stored altered.
std::optional<std::string> StorablePath(std::string_view OsName);

// Value as written for a key that is always quoted: in double quotes.
std::string QuotedValue(std::string_view Value);
// Value as written for any other string key: as it is, unless reading would
// change it (blanks or tabs at either end, or enclosing quotation marks),
// then in double quotes.
std::string ProtectedValue(std::string_view Value);
