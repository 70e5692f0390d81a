#include "LikelierReading.h"

#include "ReadingCost.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Every line of Bytes, and at least one, ends in CR LF.
bool EndsLinesWithCrLf(std::string_view Bytes)
{
    size_t lineEnd = Bytes.find('\n');
    if (lineEnd == std::string_view::npos)
        return false;
    for (; lineEnd != std::string_view::npos; lineEnd = Bytes.find('\n', lineEnd + 1))
        if (lineEnd == 0 || Bytes[lineEnd - 1] != '\r')
            return false;
    return true;
}

bool IsAsciiByte(char C) { return static_cast<unsigned char>(C) < 0x80; }

// The first byte from Pos on that is not ASCII, or the end; eight bytes at
// a time, since most text is mostly ASCII.
size_t NextNonAscii(std::string_view Bytes, size_t Pos)
{
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    for (; Pos + 8 <= Bytes.size(); Pos += 8) {
        uint64_t word;
        std::memcpy(&word, Bytes.data() + Pos, sizeof word);
        if ((word & kHighBits) != 0)
            break;
    }
    while (Pos < Bytes.size() && IsAsciiByte(Bytes[Pos]))
        ++Pos;
    return Pos;
}

// ASCII bytes read alike both ways, each one character, so the two
// readings differ only around the other bytes. A character's cost depends
// on the two characters either side of it (ReadingCost.h), and in
// Shift-JIS a lead byte takes the ASCII byte after it as its trail: with
// kMargin ASCII bytes before the first other byte and kMargin + 1 after
// the last, a stretch starts and ends on a character in both readings, and
// every character outside it costs the same in both. So the difference of
// the two readings' costs is the sum of their differences over the
// stretches.
constexpr size_t kMargin = 3;

struct TStretch {
    size_t Begin, End;
};

// A stretch longer than this is cut after an ASCII byte, where both
// readings end a character, so that a long text is weighed a piece at a
// time; the few characters beside a cut are weighed without their
// neighbours across it.
constexpr size_t kPiece = 1 << 10;

// The first stretch from From on (empty at the end of Bytes): bytes other
// than ASCII with fewer than 2 * kMargin + 1 ASCII bytes between them
// share one. It is cut short past Longest bytes.
TStretch NextStretch(std::string_view Bytes, size_t From, size_t Longest)
{
    const size_t first = NextNonAscii(Bytes, From);
    if (first == Bytes.size())
        return {first, first};
    const size_t begin = first - std::min(first - From, kMargin);
    const size_t longest = std::min(Bytes.size(), begin + Longest);
    size_t end = first;
    for (;;) {
        while (end < longest && !IsAsciiByte(Bytes[end]))
            ++end;
        if (end >= longest)
            return {begin, longest};
        if (end - begin >= kPiece)
            return {begin, end + 1};
        const size_t next = NextNonAscii(Bytes, end);
        if (next == Bytes.size() || next - end > 2 * kMargin)
            return {begin, std::min(Bytes.size(), end + kMargin + 1)};
        end = next;
    }
}

} // namespace

// Which reading of Bytes, well-formed both ways, is the likelier text;
// Expected is worth kExpectedBits, and wins a tie. Line ends tell who wrote
// a file: this program, and the Shift-JIS files it meets from Windows, end
// lines with CR LF, while the programs of this system end them with LF
// alone and write UTF-8; no more than about one UTF-8 text file in sixteen
// here ends every line with CR LF, so doing so is worth kCrLfBits to
// Shift-JIS (looked for only when it can tip the scale).
//
// The stretches where the readings differ are weighed from the start of
// the text on. Real text soon weighs thousands of bits more one way, and
// the rest is not weighed once it does (kDecisiveBits); nor past the first
// kMostWeighed bytes of stretches, which only text made to weigh about the
// same both ways reaches.
TTextEncoding LikelierReading(std::string_view Bytes, TTextEncoding Expected)
{
    constexpr int64_t kExpectedBits = 2, kCrLfBits = 4, kDecisiveBits = 4096;
    constexpr size_t kMostWeighed = 1 << 14;
    int64_t utf8Lead = 0; // how many bits the UTF-8 reading costs less
    size_t weighed = 0;
    for (TStretch s = NextStretch(Bytes, 0, kMostWeighed);
         s.Begin < s.End && weighed < kMostWeighed && std::abs(utf8Lead) < kDecisiveBits;
         s = NextStretch(Bytes, s.End, kMostWeighed - weighed)) {
        const std::string_view stretch = Bytes.substr(s.Begin, s.End - s.Begin);
        const int64_t utf8Cost = Utf8ReadingCost(stretch);
        utf8Lead += SjisReadingCost(stretch, utf8Cost + kDecisiveBits - utf8Lead) - utf8Cost;
        weighed += stretch.size();
    }
    utf8Lead += Expected == TTextEncoding::Utf8 ? kExpectedBits : -kExpectedBits;
    if (utf8Lead >= 0 && utf8Lead <= kCrLfBits && EndsLinesWithCrLf(Bytes))
        utf8Lead -= kCrLfBits;
    if (utf8Lead != 0)
        return utf8Lead > 0 ? TTextEncoding::Utf8 : TTextEncoding::ShiftJis;
    return Expected;
}
