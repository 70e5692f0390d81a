// Writing Shift-JIS test texts as UTF-8 or as raw bytes, and reading them
// back as UTF-8 for readable failures.
#pragma once

#include "SjisLiteral.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Shift-JIS of a UTF-8 literal; fails the test when it does not convert.
inline std::string S(std::string_view Utf8) { return Sjis(Utf8); }
// UTF-8 of a Shift-JIS text.
std::string U(std::string_view Sjis);
// Text repeated Times times.
std::string Repeat(std::string_view Text, size_t Times);
// A text of raw byte values.
std::string Bytes(std::initializer_list<int> Values);

// The lines of a Shift-JIS text as UTF-8, split at CR LF. A final CR LF
// ends the last line; a last line without one is marked by a trailing "⏎?"
// entry so that a missing line break shows in the comparison.
std::vector<std::string> UtfLines(std::string_view Sjis);

// A conversion of Shift-JIS text.
using Conversion = std::function<std::string(std::string_view)>;
// Convert with its second argument bound, as a conversion of text alone.
template <typename Fn, typename Arg>
Conversion Bind(Fn Convert, Arg Value)
{
    return [Convert, Value](std::string_view Text) { return Convert(Text, Value); };
}

// A conversion and one case of it, written in UTF-8.
struct ConversionCase {
    Conversion Convert;
    std::string Input;
    std::string Expected;
};
// Runs each case on the Shift-JIS form of its input and compares in UTF-8.
void ExpectConverted(const std::vector<ConversionCase>& Cases);
// The same with one conversion for every pair of input and expected text.
void ExpectConverted(const Conversion& Convert, std::initializer_list<std::pair<std::string, std::string>> Cases);
