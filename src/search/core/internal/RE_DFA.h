// The deterministic automaton of a pattern, built eagerly by subset
// construction from its nondeterministic one, with the tables the matcher
// walks: one table lookup per character.
#pragma once

#include "Classes.h"
#include "REAlphabet.h"
#include "RE_NFA.h"

#include <cstdint>
#include <span>
#include <vector>

struct TREDfaTransition {
    uint16_t Low; // the codes it moves on
    uint16_t High;
    int Target;
};

class TRE_DFA : public TObject {
public:
    // Caps far above normal use (patterns need tens to hundreds of states);
    // past them compiling raises TooComplex at the pattern's end instead of
    // freezing the editor that compiles while it paints.
    static constexpr int kMaxStates = 20000;
    static constexpr size_t kMaxTableCells = size_t{8} << 20;
    static constexpr size_t kMaxSetMembers = size_t{8} << 20;
    static constexpr size_t kMaxWork = size_t{60} << 20;

    static constexpr int kNoState = -1;

    // Builds the automaton of Nfa; raises ERegExpParser TooComplex past
    // the caps.
    explicit TRE_DFA(const TRE_NFA& Nfa);

    int InitialState() const { return 0; }
    int StateCount() const { return static_cast<int>(Accepting_.size()); }
    bool IsAccepting(int State) const { return Accepting_[State] != 0; }
    // True when a line tail ("$" at the pattern's end) accepts from State.
    bool AcceptsAtLineTail(int State) const { return AtLineTail_[State] != 0; }
    // The state after a line head ("^" at the pattern's start), or kNoState.
    int LineHeadTarget(int State) const { return LineHeadTarget_[State]; }
    // True when State holds every state of the initial one that reads a
    // character, checks a line tail or accepts: whatever a walk from the
    // initial state finds, a walk in State at the same place finds too.
    bool AbsorbsInitial(int State) const { return AbsorbsInitial_[State] != 0; }
    bool HasLineHead() const { return HasLineHead_; }
    bool HasLineTail() const { return HasLineTail_; }

    // The transitions of a state, sorted by ascending codes, never
    // overlapping.
    std::span<const TREDfaTransition> Transitions(int State) const
    {
        return {Transitions_.data() + TransitionStart_[State], TransitionStart_[State + 1] - TransitionStart_[State]};
    }
    // The state after Code, or kNoState.
    int NextState(int State, uint16_t Code) const { return Next(State, Alphabet_.ClassOf(Code)); }

    // For the matcher's inner loop.
    const TREAlphabet& Alphabet() const { return Alphabet_; }
    int Next(int State, uint32_t Class) const { return Table_[static_cast<size_t>(State) * ClassCount_ + Class]; }

private:
    class Builder;

    TREAlphabet Alphabet_;
    uint32_t ClassCount_ = 0;
    bool HasLineHead_ = false;
    bool HasLineTail_ = false;
    std::vector<uint8_t> Accepting_;
    std::vector<uint8_t> AtLineTail_;
    std::vector<int> LineHeadTarget_;
    std::vector<uint8_t> AbsorbsInitial_;
    std::vector<size_t> TransitionStart_;
    std::vector<TREDfaTransition> Transitions_;
    std::vector<int> Table_;
};
