// The search for the leftmost-longest match in one forward pass over the
// text. Every start that may still match is walked at the same time, so no
// character is read twice however long the walks run; two walks in the
// same state at the same place have the same future, and only the earlier
// start is kept. The cost is the text's length times the number of walks
// under way, which never exceeds the automaton's states (in practice one
// or two).
#pragma once

#include "RE_DFA.h"
#include "Sjis.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A match: the bytes [Start, End) of the text.
struct TMatchRange {
    size_t Start;
    size_t End;
    friend bool operator==(const TMatchRange&, const TMatchRange&) = default;
};

namespace re {

struct TCharStep {
    uint32_t Class;
    size_t Length;
};

// The class of the character at Pos (below Size), read as sjis::CharLen
// cuts it: a lead byte without a trail byte after it is a character alone.
inline TCharStep DecodeChar(const TREAlphabet& Alphabet, const unsigned char* Text, size_t Pos, size_t Size)
{
    const unsigned char lead = Text[Pos];
    if (sjis::IsLead(lead) && Pos + 1 < Size && sjis::IsTrail(Text[Pos + 1]))
        return {Alphabet.DoubleByteClass(lead, Text[Pos + 1]), 2};
    return {Alphabet.SingleByteClass(lead), 1};
}

// Where a search may find line heads and what it accepts at the end.
struct TScanRules {
    int Separator;    // the byte a line tail accepts before, or -1
    bool HeadAtStart; // the text's start is a line head
    bool LineHeads;   // the places after LF are line heads
    bool TailAtEnd;   // a line tail from the initial state matches empty at the end
};

class TMatchScan {
public:
    // The leftmost-longest match in a non-empty Text. A start is a
    // character start (never a trail byte); at a line head its walks from
    // the initial state with and without the line head both count, and the
    // longer end wins. The place after the last character is tried only
    // for a line head there or the rules' line tail.
    std::optional<TMatchRange> Find(const TRE_DFA& Dfa, std::string_view Text, const TScanRules& Rules) noexcept;

private:
    struct Walk {
        size_t Start;
        int State;
    };

    template <bool WithLineTail>
    std::optional<TMatchRange> Run(const TRE_DFA& Dfa, std::string_view Text, const TScanRules& Rules) noexcept;
    void Prepare(const TRE_DFA& Dfa);

    // Working room kept between searches: the walks under way, and per
    // state the step at which a walk last took it.
    std::vector<Walk> Walks_;
    std::vector<uint32_t> Seen_;
    uint32_t Stamp_ = 0;
};

} // namespace re
