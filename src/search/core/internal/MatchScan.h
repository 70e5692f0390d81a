// The search for the leftmost-longest match in one forward pass over the
// text. A walk from a start runs alone for a few characters; one that runs
// longer is walked together with every later start, so no character is
// read again however long the walks run. Two walks in the same state at
// the same place have the same future, and only the earlier start is kept,
// so the cost is the text's length times the walks under way, which never
// exceed the automaton's states (in practice one or two). Searches that go
// on through the same text share the dead ends they found.
#pragma once

#include "MatchRange.h"
#include "RE_DFA.h"
#include "Sjis.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

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

// The same without branches, for walks that read long stretches of mixed
// text, where which kind of character comes next cannot be guessed. Where
// most characters fail at once, the branches above are cheaper.
inline TCharStep DecodeCharUnguessed(const TREAlphabet& Alphabet, const unsigned char* Text, size_t Pos, size_t Size)
{
    const unsigned char lead = Text[Pos];
    const unsigned char trail = Pos + 1 < Size ? Text[Pos + 1] : 0;
    const bool pair = static_cast<int>(sjis::IsLead(lead)) & static_cast<int>(sjis::IsTrail(trail));
    return {Alphabet.CharClass(lead, trail, pair), static_cast<size_t>(1 + pair)};
}

// Where a search may find line heads and what it accepts at the end.
struct TScanRules {
    int Separator;    // the byte a line tail accepts before, or -1
    bool HeadAtStart; // the text's start is a line head
    bool LineHeads;   // the places after LF are line heads
    bool TailAtEnd;   // a line tail from the initial state matches empty at the end
};

// What the searches of one text learnt for the searches after them: the
// places and states from which a walk accepted nowhere further on. A
// search goes on from the end of the previous match, and a walk of it that
// reaches such a place and state is dropped, so no stretch is walked on by
// search after search. Only the first two places of every 16 bytes are
// kept (one of any two places starts a character, so every walk passes
// one): a walk on a known dead end is dropped within 16 bytes, for an
// eighth of the room. Four states per place are kept in a table; more,
// which only several failing walks side by side need, in a set.
class TDeadEnds {
public:
    bool Holds(size_t Pos, int State) const
    {
        const Slot* slot = SlotAt(Pos);
        if (!slot)
            return false;
        for (const uint16_t state : *slot)
            if (state == State)
                return true;
        return (*slot)[kSlotStates - 1] != kEmpty && More_.contains(Key(Pos, State));
    }
    // A walk of the current search is in State at Pos after its start
    // matched; past the match's end it is a dead end. What is noted at or
    // before the end is never asked again: later searches start after it.
    void Note(size_t Pos, int State);
    // No later search asks about places below Pos.
    void Forget(size_t Pos);

private:
    static constexpr size_t kSlotStates = 4;
    using Slot = std::array<uint16_t, kSlotStates>;
    static constexpr uint16_t kEmpty = 0xFFFF;
    static_assert(TRE_DFA::kMaxStates < kEmpty);

    static bool Kept(size_t Pos) { return (Pos & 15) < 2; }
    static size_t IndexOf(size_t Pos) { return (Pos >> 4) * 2 + (Pos & 1); }
    static uint64_t Key(size_t Pos, int State)
    {
        return static_cast<uint64_t>(Pos) << 16 | static_cast<uint16_t>(State);
    }
    const Slot* SlotAt(size_t Pos) const
    {
        if (!Kept(Pos) || IndexOf(Pos) < Base_ || IndexOf(Pos) - Base_ >= Slots_.size())
            return nullptr;
        return &Slots_[IndexOf(Pos) - Base_];
    }

    // Slots_[i] holds the states of the kept place of index Base_ + i.
    size_t Base_ = 0;
    std::vector<Slot> Slots_;
    std::unordered_set<uint64_t> More_;
};

struct TWalkEnd {
    std::optional<size_t> End; // the last place where the walk accepted
    bool Finished;             // false when it still went on after MaxSteps
};

// One walk of the automaton from Pos in State, over at most MaxSteps
// characters, or until DeadEnds (if any) knows it finds nothing further.
// WithLineTail adds the check for a line tail before each separator and at
// the end, so "a$|a\r\nb" still finds the "a" before CR.
template <bool WithLineTail>
[[gnu::noinline]] TWalkEnd WalkFrom(const TRE_DFA& Dfa, std::string_view Text, size_t Pos, int State, int Separator,
                                    size_t MaxSteps, const TDeadEnds* DeadEnds)
{
    const auto* text = reinterpret_cast<const unsigned char*>(Text.data());
    const size_t size = Text.size();
    TWalkEnd result{std::nullopt, true};
    for (size_t steps = 0;; ++steps) {
        if (Dfa.IsAccepting(State))
            result.End = Pos;
        if constexpr (WithLineTail) {
            if (Dfa.AcceptsAtLineTail(State) && (Pos == size || text[Pos] == Separator))
                result.End = Pos;
        }
        if (Pos >= size)
            return result;
        if (steps == MaxSteps) {
            result.Finished = false;
            return result;
        }
        const TCharStep step = DecodeChar(Dfa.Alphabet(), text, Pos, size);
        State = Dfa.Next(State, step.Class);
        Pos += step.Length;
        if (State == TRE_DFA::kNoState || (DeadEnds && DeadEnds->Holds(Pos, State)))
            return result;
    }
}

class TMatchScan {
public:
    // The leftmost-longest match in Text starting at From or later. A start
    // is a character start (never a trail byte); at a line head its walks
    // from the initial state with and without the line head both count, and
    // the longer end wins. The end of the text is tried only for a line
    // head there or the rules' line tail. With DeadEnds, successive
    // searches of one text share what they learnt.
    std::optional<TMatchRange> Find(const TRE_DFA& Dfa, std::string_view Text, size_t From, const TScanRules& Rules,
                                    TDeadEnds* DeadEnds) noexcept;

private:
    struct Walk {
        size_t Start;
        int State;
    };

    template <bool WithLineTail, bool Learn>
    std::optional<TMatchRange> Run(const TRE_DFA& Dfa, std::string_view Text, size_t From, const TScanRules& Rules,
                                   TDeadEnds* DeadEnds) noexcept;
    void Prepare(const TRE_DFA& Dfa);

    // Working room kept between searches: the walks under way, and per
    // state the step at which a walk last took it.
    std::vector<Walk> Walks_;
    std::vector<uint32_t> Seen_;
    uint32_t Stamp_ = 0;
};

} // namespace re
