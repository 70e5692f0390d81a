// Thompson construction of the nondeterministic automaton of a parse tree,
// over the classes of the pattern's alphabet. Anchors are edges of their
// own kinds, apart from every character, so no escape can forge them.
#pragma once

#include "REAlphabet.h"
#include "REParseTree.h"

#include <cstdint>
#include <span>
#include <vector>

enum class TNfaEdgeKind : uint8_t { Epsilon, Chars, LineHead, LineTail };

struct TNfaEdge {
    TNfaEdgeKind Kind;
    uint32_t FirstClass; // Chars: the classes it moves on
    uint32_t LastClass;
    uint32_t Target;
};

class TRE_NFA {
public:
    // Far above what any pattern a person writes needs (a fuzzy pattern of
    // a hundred characters uses a few thousand); past these, compiling
    // raises TooComplex instead of running out of time or memory.
    static constexpr uint32_t kMaxStates = 200000;
    static constexpr uint32_t kMaxEdges = 400000;

    TRE_NFA(const TREParseTree& Tree, int PatternLength);

    // Builds the automaton; raises ERegExpParser TooComplex past the caps.
    void Run();

    const TREAlphabet& Alphabet() const { return Alphabet_; }
    uint32_t StateCount() const { return static_cast<uint32_t>(EdgeStart_.size() - 1); }
    uint32_t Entry() const { return Entry_; }
    uint32_t Exit() const { return Exit_; }
    std::span<const TNfaEdge> Edges(uint32_t State) const
    {
        return {Edges_.data() + EdgeStart_[State], EdgeStart_[State + 1] - EdgeStart_[State]};
    }
    bool HasLineHead() const { return HasLineHead_; }
    bool HasLineTail() const { return HasLineTail_; }
    // The position errors of this pattern are reported at: its end.
    int EndPosition() const { return PatternLength_ + 1; }

private:
    struct PendingEdge {
        uint32_t From;
        TNfaEdge Edge;
    };
    uint32_t NewState();
    void AddEdge(uint32_t From, TNfaEdge Edge);
    void AddChars(uint32_t From, uint32_t To, re::TCodeRange Range);
    void Generate(int Node, uint32_t From, uint32_t To);

    const TREParseTree& Tree_;
    int PatternLength_;
    TREAlphabet Alphabet_;
    uint32_t StateCount_ = 0;
    uint32_t Entry_ = 0;
    uint32_t Exit_ = 0;
    bool HasLineHead_ = false;
    bool HasLineTail_ = false;
    std::vector<PendingEdge> Pending_;
    // The edges grouped by their source state: those of state s are
    // Edges_[EdgeStart_[s]] to Edges_[EdgeStart_[s + 1] - 1].
    std::vector<uint32_t> EdgeStart_{0};
    std::vector<TNfaEdge> Edges_;
};
