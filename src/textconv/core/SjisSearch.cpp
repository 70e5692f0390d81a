#include "SjisSearch.h"

#include "Sjis.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace textconv {

namespace {

bool IsEmpty(const char* Start, const char* End) { return Start == nullptr || End == nullptr || End <= Start; }

// Sixteen bytes compared at once (a GCC vector type, which Clang shares; the
// compiler picks the instructions for the target).
using Bytes16 = unsigned char __attribute__((vector_size(16)));

Bytes16 Load16(const char* At)
{
    Bytes16 bytes;
    std::memcpy(&bytes, At, sizeof bytes);
    return bytes;
}

// The lowest lane (byte) of eight whose bits are all set in Lanes.
int LowestLane(uint64_t Lanes)
{
    if constexpr (std::endian::native == std::endian::little)
        return std::countr_zero(Lanes) / 8;
    else
        return std::countl_zero(Lanes) / 8;
}

uint64_t WithoutLane(uint64_t Lanes, int Lane)
{
    if constexpr (std::endian::native == std::endian::little)
        return Lanes & ~(uint64_t{0xFF} << (Lane * 8));
    else
        return Lanes & ~(uint64_t{0xFF} << ((7 - Lane) * 8));
}

// The first position where the pattern (Length bytes, at least one) matches
// and Accept(Position) holds, or nullptr. A pattern of two bytes or more is
// tested sixteen positions at a time on its first and last bytes together,
// which rarely both match by chance, and only those candidates are compared
// in full: a short pattern of common bytes (every kana is 82 xx or 83 xx) is
// found as fast as a long one.
template <typename AcceptFn>
const char* FindMatch(const char* Start, const char* End, const char* Pattern, size_t Length, AcceptFn Accept)
{
    if (Length == 1) {
        for (auto at = static_cast<const char*>(std::memchr(Start, Pattern[0], End - Start)); at != nullptr;
             at = static_cast<const char*>(std::memchr(at + 1, Pattern[0], End - at - 1)))
            if (Accept(at))
                return at;
        return nullptr;
    }
    const size_t last = Length - 1;
    auto matches = [&](const char* At) {
        return (last < 2 || std::memcmp(At + 1, Pattern + 1, last - 1) == 0) && Accept(At);
    };
    const Bytes16 first16 = Bytes16{} + static_cast<unsigned char>(Pattern[0]);
    const Bytes16 last16 = Bytes16{} + static_cast<unsigned char>(Pattern[last]);
    const char* at = Start;
    // A block of sixteen candidates reads up to at + 15 + last.
    for (; End - at >= static_cast<ptrdiff_t>(16 + last); at += 16) {
        const Bytes16 candidates = (Load16(at) == first16) & (Load16(at + last) == last16);
        uint64_t halves[2];
        std::memcpy(halves, &candidates, sizeof halves);
        for (int half = 0; half < 2; ++half) {
            for (uint64_t lanes = halves[half]; lanes != 0;) {
                const int lane = LowestLane(lanes);
                if (matches(at + half * 8 + lane))
                    return at + half * 8 + lane;
                lanes = WithoutLane(lanes, lane);
            }
        }
    }
    for (; End - at >= static_cast<ptrdiff_t>(Length); ++at)
        if (at[0] == Pattern[0] && at[last] == Pattern[last] && matches(at))
            return at;
    return nullptr;
}

// The matches of a pattern that start on character boundaries, in order.
//
// Whether a match starts a character is decided by walking forwards by
// characters, but not from the text start: a byte that cannot lead a
// character always ends one, so the walk may begin right after the last
// such byte before the match, or at the last boundary already known. Each
// byte is looked at a bounded number of times however many matches on trail
// bytes are passed over (8 MB of 亜, 88 9F, has one at every odd byte), and
// in ordinary text the walk is a character or two.
class BoundaryMatches {
public:
    BoundaryMatches(const char* Start, const char* End, const char* Pattern, const char* PatternEnd)
        : End_(End), Pattern_(Pattern), PatternEnd_(PatternEnd), Known_(Start)
    {}

    // The first match at or after From (From is never before the last match
    // returned) that starts on a boundary, or nullptr. A match on the trail
    // byte of a character is passed over, and the next byte tried.
    const char* Next(const char* From)
    {
        if (PatternEnd_ - Pattern_ > End_ - From)
            return nullptr;
        return FindMatch(From, End_, Pattern_, PatternEnd_ - Pattern_,
                         [this](const char* Match) { return StartsChar(Match); });
    }

    // The start of the character before the last match returned; nullptr
    // when that match starts the text.
    const char* PreviousChar() const { return PreviousOfKnown_; }

private:
    // Whether At starts a character; At is never before the last position
    // asked about.
    bool StartsChar(const char* At)
    {
        if (At == Known_)
            return true;
        const char* walk = At - 1;
        while (walk > Known_ && sjis::IsLead(static_cast<unsigned char>(walk[-1])))
            --walk;
        while (walk < At) {
            PreviousOfKnown_ = walk;
            walk += sjis::CharLen(walk, End_);
        }
        Known_ = walk;
        return walk == At;
    }

    const char* End_;
    const char* Pattern_;
    const char* PatternEnd_;
    const char* Known_;                     // a character boundary
    const char* PreviousOfKnown_ = nullptr; // the start of the character before it
};

} // namespace

const char* FindBytes(const char* Start, const char* End, const char* Pattern, const char* PatternEnd)
{
    if (IsEmpty(Start, End) || IsEmpty(Pattern, PatternEnd) || PatternEnd - Pattern > End - Start)
        return nullptr;
    return FindMatch(Start, End, Pattern, PatternEnd - Pattern, [](const char*) { return true; });
}

const char* FindDbcs(const char* Start, const char* End, const char* Pattern, const char* PatternEnd)
{
    if (IsEmpty(Start, End) || IsEmpty(Pattern, PatternEnd))
        return nullptr;
    return BoundaryMatches(Start, End, Pattern, PatternEnd).Next(Start);
}

const char* FindWholeWord(const char* Start, const char* End, const char* Pattern, const char* PatternEnd)
{
    if (IsEmpty(Start, End) || IsEmpty(Pattern, PatternEnd))
        return nullptr;
    const size_t length = PatternEnd - Pattern;
    BoundaryMatches matches(Start, End, Pattern, PatternEnd);
    for (const char* match = matches.Next(Start); match != nullptr; match = matches.Next(match + length)) {
        const char* before = matches.PreviousChar();
        const char* after = match + length;
        const bool wordStarts =
            before == nullptr || (match - before == 1 && !WordCharSet.Contains(static_cast<unsigned char>(*before)));
        const bool wordEnds = after == End || !WordCharSet.Contains(static_cast<unsigned char>(*after));
        if (wordStarts && wordEnds)
            return match;
    }
    return nullptr;
}

} // namespace textconv
