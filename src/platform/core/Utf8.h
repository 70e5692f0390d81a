// UTF-8, the system's encoding, decoded and written in one place: the CP932
// converter, file names and the text-file rule all read it through here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The character of the UTF-8 sequence at Pos (below Text.size()), moving Pos
// past it. A malformed sequence gives nothing and moves Pos one byte on: a
// stray or missing continuation byte, an overlong form ("C0 80" would
// smuggle in a NUL), a surrogate, a value past U+10FFFF.
std::optional<char32_t> NextUtf8(std::string_view Text, size_t& Pos);
// C written as UTF-8 at the end of Out.
void AppendUtf8(std::string& Out, char32_t C);
// Every sequence of Text is well-formed (NextUtf8 gives a character).
bool IsUtf8(std::string_view Text);
// The length of the longest start of Text whose every sequence is
// well-formed: where the first malformed one starts, or Text.size().
size_t WellFormedUtf8Length(std::string_view Text);
