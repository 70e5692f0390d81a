// The classes of character codes that no range of a pattern tells apart.
// Class 0 holds every code that no range names; classes 1 and up are the
// elementary intervals of the ranges in code order, so each range of the
// pattern is a run of consecutive classes and ranges that overlap share
// theirs. The automata work on classes: that keeps them small however
// wide the ranges are, and makes a literal "^" inside a class range an
// ordinary member of it.
#pragma once

#include "RegExpChars.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

class TREAlphabet {
public:
    TREAlphabet() = default;
    explicit TREAlphabet(const std::vector<re::TCodeRange>& Ranges);

    uint32_t ClassCount() const { return static_cast<uint32_t>(Lows_.size()) + 1; }
    // The first and last class of a range that was given to the constructor.
    std::pair<uint32_t, uint32_t> ClassesOf(re::TCodeRange Range) const;
    // The codes of a class other than 0.
    re::TCodeRange CodesOf(uint32_t Class) const;
    uint32_t ClassOf(uint16_t Code) const;

    // The class of a single-byte character, and of the double-byte
    // character Lead, Trail: lookups for the matcher's inner loop.
    uint32_t SingleByteClass(unsigned char Byte) const { return Rows_[Byte]; }
    // Either of them: Lead alone, or Lead and Trail when Pair.
    uint32_t CharClass(unsigned char Lead, unsigned char Trail, bool Pair) const
    {
        return Rows_[Pair ? (RowOfLead_[Lead] << 8) | Trail : Lead];
    }
    uint32_t DoubleByteClass(unsigned char Lead, unsigned char Trail) const
    {
        return Rows_[(RowOfLead_[Lead] << 8) | Trail];
    }

private:
    void BuildRows();

    // Class c (from 1) holds the codes Lows_[c - 1] to Highs_[c - 1].
    std::vector<uint16_t> Lows_;
    std::vector<uint16_t> Highs_;
    // Row 0: the 256 single-byte codes; row RowOfLead_[L]: the codes
    // L * 256 + trail of the lead byte L.
    std::vector<uint32_t> Rows_;
    std::array<uint8_t, 256> RowOfLead_{};
};
