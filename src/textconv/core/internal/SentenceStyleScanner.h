// The scanner shared by the two sentence-style converters (polite to plain
// in DaHenkan, plain to polite in DesuHenkan). It finds every hiragana run
// that stands directly before a sentence terminator, offers its tails to a
// policy (longest first, each whole and then without its closing particle
// group) and writes the first replacement the policy gives. Everything else
// is copied unchanged.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace textconv::sentencestyle {

// The code (sjis::CharCode) given to the CR LF of a line end when it stands
// before a run or after it as its terminator. The start of the text counts
// as a line start.
constexpr uint16_t kLineEnd = 0x0D0A;

// One tail of a hiragana run, as a policy judges it.
struct Candidate {
    std::string_view Stem;   // the tail, whole or without its particle group (Shift-JIS)
    uint16_t Before = 0;     // the character just before the tail, or kLineEnd
    uint16_t TwoBefore = 0;  // the character before that; 0 when there is none
    uint16_t Terminator = 0; // the terminator after the run, or kLineEnd
};

struct Replacement {
    std::string_view Text; // empty when the tail has no entry
    // The character before the tail (always a two-byte one) belongs to the
    // matched ending and is replaced together with it.
    bool TakesBefore = false;
};

// What tells the two converters apart: their one-character particles, their
// context rules and their ending table.
class Policy {
public:
    virtual ~Policy() = default;
    virtual bool IsOneCharParticle(uint16_t Code) const = 0;
    // The longest ending with an entry, in characters. Longer tails (with
    // their particle group) can have none and are copied without an offer.
    virtual size_t LongestEnding() const = 0;
    virtual Replacement Replace(const Candidate& Tail) = 0;
};

// Converts Text (Shift-JIS, CR LF line ends). With SkipQuotes, spans in 「
// and 」 (possibly over several lines) are copied unconverted. Text after the
// last line end converts as if a line end followed it, and the result ends
// with CR LF only when Text does.
std::string Convert(std::string_view Text, bool SkipQuotes, Policy& Rules);

// Hiragana are 0x82 0x9F (ぁ) to 0x82 0xF1 (ん).
constexpr bool IsHiragana(uint16_t Code) { return Code >= 0x829F && Code <= 0x82F1; }

constexpr unsigned char LeadOf(uint16_t Code) { return static_cast<unsigned char>(Code >> 8); }
constexpr unsigned char TrailOf(uint16_t Code) { return static_cast<unsigned char>(Code & 0xFF); }

// A Japanese literal of the converters' rules and tables in Shift-JIS,
// converted from its UTF-8 source. A literal without a Shift-JIS form is a
// fault in the source: it raises std::logic_error, so the first test that
// builds the rules fails.
std::string SjisLiteral(std::string_view Utf8);

// The character codes of a UTF-8 literal's characters, in order.
std::vector<uint16_t> SjisCodes(std::string_view Utf8);

inline bool Contains(const std::vector<uint16_t>& Codes, uint16_t Code)
{
    return std::find(Codes.begin(), Codes.end(), Code) != Codes.end();
}

} // namespace textconv::sentencestyle
