// Byte-level Shift-JIS routines the editor's text code shares. Indexes are
// 1-based byte positions, as the editor's callers count them. Character
// boundaries come from the one Shift-JIS helper (Sjis.h): a lead byte starts
// a two-byte character only when a valid trail byte follows it.
#pragma once

#include <string>
#include <string_view>

class TStrings;

// The number of bytes equal to Ch among the first min(size, Count) bytes of
// S, trail bytes included; 0 when Count is below 1.
int CountChar(std::string_view S, char Ch, int Count);

// True when Index is the first byte of a two-byte character. False for a
// single-byte character, a trail byte and an Index outside 1..size.
bool IsLeadByteAt(std::string_view S, int Index);
// True when Index is the second byte of a two-byte character.
bool IsTrailByteAt(std::string_view S, int Index);

// The byte at Index, or '\0' outside 1..size.
char CharAt(std::string_view S, int Index);

// True when Sub occurs in S starting at a character boundary; false when
// either is empty or Sub is longer than S.
bool ContainsDBCS(std::string_view Sub, std::string_view S);

constexpr int Max(int A, int B) { return A > B ? A : B; }
constexpr int Min(int A, int B) { return A < B ? A : B; }

// Replaces the lines of Strings, inside one update, by the lines of Text
// cut at each CR LF, CR or LF. A final line break adds no empty line; an
// empty Text gives one empty line and a null Text none.
void SetStringsFromText(const char* Text, TStrings& Strings);

// The bytes of leading blanks: a space counts 1, a full-width space 2, a
// TAB is not a blank. -1 for an empty string.
int LeadingBlankWidth(std::string_view S);

// S without its leading control bytes, spaces and full-width spaces.
std::string TrimLeadingBlanks(std::string_view S);
