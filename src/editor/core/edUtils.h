// Byte-level Shift-JIS routines the editor's text code shares. Indexes are
// 1-based byte positions, as the editor's callers count them. Character
// boundaries come from the one Shift-JIS helper (Sjis.h): a lead byte starts
// a two-byte character only when a valid trail byte follows it.
#pragma once

#include <algorithm>
#include <cstring>
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

// The first CR or LF in S from Pos on, or npos. Two vectorised searches
// (a set search would test each byte against the set in turn), a piece at
// a time, so that text with lone CR line ends is not searched to its end
// for an LF at every line.
inline size_t FindLineBreak(std::string_view S, size_t Pos)
{
    constexpr size_t Piece = 256;
    for (size_t from = Pos; from < S.size(); from += Piece) {
        const char* piece = S.data() + from;
        const size_t length = std::min(Piece, S.size() - from);
        const void* lf = std::memchr(piece, '\n', length);
        const size_t beforeLf = lf ? static_cast<size_t>(static_cast<const char*>(lf) - piece) : length;
        if (const void* cr = std::memchr(piece, '\r', beforeLf))
            return from + static_cast<size_t>(static_cast<const char*>(cr) - piece);
        if (lf)
            return from + beforeLf;
    }
    return std::string_view::npos;
}

// Calls Line(text) for each line of S cut at CR LF, CR or LF, without its
// line break. A final line break adds no line; an empty S is one empty
// line. (A CR or LF byte is never part of a double-byte character.)
template <class F>
void ForEachLine(std::string_view S, F&& Line)
{
    size_t pos = 0;
    do {
        const size_t end = FindLineBreak(S, pos);
        if (end == std::string_view::npos) {
            Line(S.substr(pos));
            return;
        }
        Line(S.substr(pos, end - pos));
        pos = end + (S[end] == '\r' && end + 1 < S.size() && S[end + 1] == '\n' ? 2 : 1);
    } while (pos < S.size());
}

// Replaces the lines of Strings, inside one update, by the lines of Text
// (ForEachLine); a null Text leaves no line.
void SetStringsFromText(const char* Text, TStrings& Strings);

// True when the character at byte Pos (0-based, a character boundary) is
// the full-width space.
bool IsFullWidthSpaceAt(std::string_view S, size_t Pos);

// The bytes of leading blanks: a space counts 1, a full-width space 2, a
// TAB is not a blank. -1 for an empty string.
int LeadingBlankWidth(std::string_view S);

// S without its leading control bytes, spaces and full-width spaces.
std::string TrimLeadingBlanks(std::string_view S);
