// The one place that decides where Shift-JIS (code page 932) characters
// begin and end. Every subsystem walks text through these helpers.
//
// A byte 0x81-0x9F or 0xE0-0xFC is a lead byte, but it starts a two-byte
// character only when a valid trail byte (0x40-0x7E, 0x80-0xFC) follows, so a
// stray lead byte never swallows the CR or LF after it. About a third of the
// trail bytes have lead-byte values (亜 is 88 9F, メ is 83 81): never decide
// from one byte's value in the middle of a text; walk forwards instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sjis {

constexpr bool IsLead(unsigned char Byte) { return (Byte >= 0x81 && Byte <= 0x9F) || (Byte >= 0xE0 && Byte <= 0xFC); }

// A lead byte of a kanji (JIS level 1 starts at 88 9F): 0x88-0x9F or
// 0xE0-0xFC. Like IsLead, it means something only at a character's start.
constexpr bool IsKanjiLead(unsigned char Byte) { return Byte >= 0x88 && IsLead(Byte); }

constexpr bool IsTrail(unsigned char Byte) { return (Byte >= 0x40 && Byte <= 0x7E) || (Byte >= 0x80 && Byte <= 0xFC); }

// Length in bytes (1 or 2) of the character that starts at Pos. Pos must be
// below Text.size().
inline size_t CharLen(std::string_view Text, size_t Pos)
{
    return Pos + 1 < Text.size() && IsLead(static_cast<unsigned char>(Text[Pos]))
                   && IsTrail(static_cast<unsigned char>(Text[Pos + 1]))
               ? 2
               : 1;
}

// The same for a raw range [P, End); P must be below End.
inline size_t CharLen(const char* P, const char* End)
{
    return End - P >= 2 && IsLead(static_cast<unsigned char>(P[0])) && IsTrail(static_cast<unsigned char>(P[1])) ? 2
                                                                                                                 : 1;
}

// The 16-bit code of the character at Pos: a single byte keeps its value, a
// double-byte character is lead * 256 + trail.
inline uint16_t CharCode(std::string_view Text, size_t Pos)
{
    const auto lead = static_cast<unsigned char>(Text[Pos]);
    if (CharLen(Text, Pos) == 1)
        return lead;
    return static_cast<uint16_t>(lead << 8 | static_cast<unsigned char>(Text[Pos + 1]));
}

// True when Pos (0..size) is the start of a character or the end of the
// text. Counts the lead-valued bytes before Pos back to the last byte that
// cannot be a lead byte, which always ends a character.
bool IsCharBoundary(std::string_view Text, size_t Pos);

// The start of the character that holds the byte at Pos (Pos itself when it
// is a boundary).
size_t CharStart(std::string_view Text, size_t Pos);

// Walks a text forwards one character at a time.
//   for (sjis::CharCursor c(text); !c.AtEnd(); c.Next()) use(c.Pos(), c.Len());
class CharCursor {
public:
    explicit CharCursor(std::string_view Text, size_t Pos = 0) : Text_(Text), Pos_(Pos) {}
    bool AtEnd() const { return Pos_ >= Text_.size(); }
    size_t Pos() const { return Pos_; }
    size_t Len() const { return CharLen(Text_, Pos_); }
    bool IsDouble() const { return Len() == 2; }
    uint16_t Code() const { return CharCode(Text_, Pos_); }
    std::string_view Char() const { return Text_.substr(Pos_, Len()); }
    void Next() { Pos_ += Len(); }

private:
    std::string_view Text_;
    size_t Pos_;
};

// Upper-cases the ASCII letters of single-byte characters only; the bytes
// of double-byte characters are never touched ("ア" 83 41 stays unequal to
// "ヂ" 83 61).
std::string UpperAscii(std::string_view Text);
std::string LowerAscii(std::string_view Text);

// Compares as UpperAscii(A) with UpperAscii(B), byte by byte, without
// copying: < 0, 0 or > 0.
int CompareText(std::string_view A, std::string_view B);
inline bool SameText(std::string_view A, std::string_view B) { return CompareText(A, B) == 0; }

// Cuts Text to at most MaxBytes without splitting a double-byte character.
std::string_view CutAt(std::string_view Text, size_t MaxBytes);

} // namespace sjis
