// Writing Shift-JIS test texts as UTF-8 or as raw bytes, and reading them
// back as UTF-8 for readable failures.
#pragma once

#include "SjisLiteral.h"

#include <initializer_list>
#include <string>
#include <string_view>

// Shift-JIS of a UTF-8 literal; fails the test when it does not convert.
inline std::string S(std::string_view Utf8) { return Sjis(Utf8); }
// UTF-8 of a Shift-JIS text.
std::string U(std::string_view Sjis);
// A text of raw byte values.
std::string Bytes(std::initializer_list<int> Values);
