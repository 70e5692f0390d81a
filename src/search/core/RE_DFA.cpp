#include "RE_DFA.h"

#include "ERegExpParser.h"

#include <algorithm>
#include <unordered_map>

// Subset construction. Each DFA state stands for a set of NFA states;
// equal sets are found through a hash index. The moves of a state are
// computed by sweeping the class ranges of its NFA edges, so overlapping
// ranges are split right there and the moves never overlap.
class TRE_DFA::Builder {
public:
    Builder(const TRE_NFA& Nfa, TRE_DFA& Dfa) : Nfa_(Nfa), Dfa_(Dfa) {}

    void Run()
    {
        Mark_.assign(Nfa_.StateCount(), 0);
        std::vector<uint32_t> start{Nfa_.Entry()};
        EpsilonClosure(start);
        FindOrAddState(start);
        for (int state = 0; state < static_cast<int>(Moves_.size()); ++state)
            ComputeMoves(state);
        MarkAbsorbers();
        BuildTables();
    }

private:
    struct Move {
        uint32_t FirstClass;
        uint32_t LastClass;
        int Target;
    };

    [[noreturn]] void TooComplex() const { throw ERegExpParser(remsg::TooComplex, Nfa_.EndPosition()); }

    void Spend(size_t Work)
    {
        Work_ += Work;
        if (Work_ > kMaxWork)
            TooComplex();
    }

    // Set becomes its epsilon closure, sorted.
    void EpsilonClosure(std::vector<uint32_t>& Set)
    {
        if (++Stamp_ == 0) {
            std::fill(Mark_.begin(), Mark_.end(), 0);
            Stamp_ = 1;
        }
        Stack_.clear();
        for (const uint32_t state : Set)
            if (Mark_[state] != Stamp_) {
                Mark_[state] = Stamp_;
                Stack_.push_back(state);
            }
        Set.assign(Stack_.begin(), Stack_.end());
        while (!Stack_.empty()) {
            const uint32_t state = Stack_.back();
            Stack_.pop_back();
            for (const TNfaEdge& edge : Nfa_.Edges(state))
                if (edge.Kind == TNfaEdgeKind::Epsilon && Mark_[edge.Target] != Stamp_) {
                    Mark_[edge.Target] = Stamp_;
                    Stack_.push_back(edge.Target);
                    Set.push_back(edge.Target);
                }
        }
        std::sort(Set.begin(), Set.end());
        Spend(Set.size());
    }

    static uint64_t HashOf(const std::vector<uint32_t>& Set)
    {
        uint64_t hash = 1469598103934665603ull;
        for (const uint32_t state : Set)
            hash = (hash ^ state) * 1099511628211ull;
        return hash;
    }

    std::span<const uint32_t> SetOf(int State) const
    {
        return {Members_.data() + SetStart_[State], SetStart_[State + 1] - SetStart_[State]};
    }

    int FindOrAddState(const std::vector<uint32_t>& Set)
    {
        std::vector<int>& bucket = Index_[HashOf(Set)];
        for (const int state : bucket)
            if (std::ranges::equal(SetOf(state), Set))
                return state;
        const int state = static_cast<int>(Moves_.size());
        if (state >= kMaxStates || Members_.size() + Set.size() > kMaxSetMembers)
            TooComplex();
        bucket.push_back(state);
        Members_.insert(Members_.end(), Set.begin(), Set.end());
        SetStart_.push_back(Members_.size());
        Dfa_.Accepting_.push_back(std::binary_search(Set.begin(), Set.end(), Nfa_.Exit()));
        Dfa_.AtLineTail_.push_back(0);
        Dfa_.LineHeadTarget_.push_back(kNoState);
        Moves_.emplace_back();
        return state;
    }

    void ComputeMoves(int State)
    {
        // Read before any FindOrAddState, which may move the members.
        const std::span<const uint32_t> members = SetOf(State);
        std::vector<TNfaEdge> chars;
        std::vector<uint32_t> lineHead;
        for (const uint32_t member : members) {
            for (const TNfaEdge& edge : Nfa_.Edges(member)) {
                if (edge.Kind == TNfaEdgeKind::Chars)
                    chars.push_back(edge);
                else if (edge.Kind == TNfaEdgeKind::LineHead)
                    lineHead.push_back(edge.Target);
                else if (edge.Kind == TNfaEdgeKind::LineTail)
                    Dfa_.AtLineTail_[State] = 1;
            }
        }
        Spend(members.size() + chars.size());
        if (!lineHead.empty()) {
            EpsilonClosure(lineHead);
            const int target = FindOrAddState(lineHead);
            Dfa_.LineHeadTarget_[State] = target;
        }

        std::vector<uint32_t> bounds;
        for (const TNfaEdge& edge : chars) {
            bounds.push_back(edge.FirstClass);
            bounds.push_back(edge.LastClass + 1);
        }
        std::sort(bounds.begin(), bounds.end());
        bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
        std::sort(chars.begin(), chars.end(), [](auto& A, auto& B) { return A.FirstClass < B.FirstClass; });

        std::vector<TNfaEdge> active;
        std::vector<uint32_t> targets;
        size_t next = 0;
        for (size_t i = 0; i + 1 < bounds.size(); ++i) {
            const uint32_t first = bounds[i];
            for (; next < chars.size() && chars[next].FirstClass <= first; ++next)
                active.push_back(chars[next]);
            std::erase_if(active, [first](const TNfaEdge& Edge) { return Edge.LastClass < first; });
            if (active.empty())
                continue;
            targets.clear();
            for (const TNfaEdge& edge : active)
                targets.push_back(edge.Target);
            Spend(targets.size());
            EpsilonClosure(targets);
            const int target = FindOrAddState(targets);
            Moves_[State].push_back({first, bounds[i + 1] - 1, target});
        }
    }

    void MarkAbsorbers()
    {
        std::vector<uint32_t> acting;
        for (const uint32_t member : SetOf(Dfa_.InitialState()))
            if (member == Nfa_.Exit() || std::ranges::any_of(Nfa_.Edges(member), [](const TNfaEdge& Edge) {
                    return Edge.Kind == TNfaEdgeKind::Chars || Edge.Kind == TNfaEdgeKind::LineTail;
                }))
                acting.push_back(member);
        for (int state = 0; state < static_cast<int>(Moves_.size()); ++state) {
            const std::span<const uint32_t> members = SetOf(state);
            Spend(members.size());
            Dfa_.AbsorbsInitial_.push_back(std::includes(members.begin(), members.end(), acting.begin(), acting.end()));
        }
    }

    void BuildTables()
    {
        const size_t states = Moves_.size();
        const uint32_t classes = Dfa_.ClassCount_;
        if (states * classes > kMaxTableCells)
            TooComplex();
        Dfa_.Table_.assign(states * classes, kNoState);
        Dfa_.TransitionStart_.assign(1, 0);
        for (size_t state = 0; state < states; ++state) {
            for (const Move& move : Moves_[state]) {
                std::fill_n(Dfa_.Table_.begin() + state * classes + move.FirstClass,
                            move.LastClass - move.FirstClass + 1, move.Target);
                Dfa_.Transitions_.push_back({Dfa_.Alphabet_.CodesOf(move.FirstClass).Low,
                                             Dfa_.Alphabet_.CodesOf(move.LastClass).High, move.Target});
            }
            Dfa_.TransitionStart_.push_back(Dfa_.Transitions_.size());
        }
    }

    const TRE_NFA& Nfa_;
    TRE_DFA& Dfa_;
    std::vector<uint32_t> Members_;
    std::vector<size_t> SetStart_{0};
    std::unordered_map<uint64_t, std::vector<int>> Index_;
    std::vector<std::vector<Move>> Moves_;
    std::vector<uint32_t> Mark_;
    std::vector<uint32_t> Stack_;
    uint32_t Stamp_ = 0;
    size_t Work_ = 0;
};

TRE_DFA::TRE_DFA(const TRE_NFA& Nfa)
    : Alphabet_(Nfa.Alphabet()), ClassCount_(Nfa.Alphabet().ClassCount()), HasLineHead_(Nfa.HasLineHead()),
      HasLineTail_(Nfa.HasLineTail())
{
    Builder(Nfa, *this).Run();
}
