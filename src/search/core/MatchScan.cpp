#include "MatchScan.h"

#include <algorithm>

namespace re {

void TMatchScan::Prepare(const TRE_DFA& Dfa)
{
    const auto states = static_cast<size_t>(Dfa.StateCount());
    // The walks under way are in distinct states, and one place adds at
    // most two, so the walk list never grows past this while it runs.
    Walks_.clear();
    Walks_.reserve(states + 2);
    if (Seen_.size() < states) {
        Seen_.assign(states, 0);
        Stamp_ = 0;
    }
}

std::optional<TMatchRange> TMatchScan::Find(const TRE_DFA& Dfa, std::string_view Text, const TScanRules& Rules) noexcept
{
    Prepare(Dfa);
    return Dfa.HasLineTail() ? Run<true>(Dfa, Text, Rules) : Run<false>(Dfa, Text, Rules);
}

template <bool WithLineTail>
std::optional<TMatchRange> TMatchScan::Run(const TRE_DFA& Dfa, std::string_view Text, const TScanRules& Rules) noexcept
{
    const auto* text = reinterpret_cast<const unsigned char*>(Text.data());
    const size_t size = Text.size();
    const TREAlphabet& alphabet = Dfa.Alphabet();
    const int initial = Dfa.InitialState();
    const int headState = Dfa.LineHeadTarget(initial);
    const auto isHead = [&](size_t Pos) {
        return headState != TRE_DFA::kNoState
               && (Pos == 0 ? Rules.HeadAtStart : Rules.LineHeads && text[Pos - 1] == '\n');
    };
    // Tells from the first character alone whether a walk from the
    // initial state can find anything: most places of a text fail here.
    const bool everywhere = Dfa.IsAccepting(initial);
    const int startSeparator = Dfa.AcceptsAtLineTail(initial) ? Rules.Separator : -1;
    const auto mayStart = [&](size_t Pos, TCharStep First) {
        return everywhere || Dfa.Next(initial, First.Class) != TRE_DFA::kNoState || text[Pos] == startSeparator;
    };
    const auto accepts = [&](int State, bool AtLineTail) {
        return Dfa.IsAccepting(State) || (WithLineTail && AtLineTail && Dfa.AcceptsAtLineTail(State));
    };

    std::optional<TMatchRange> best;
    size_t pos = 0;
    TCharStep step{};
    for (;;) {
        if (Walks_.empty()) {
            if (best)
                return best;
            for (; pos < size; pos += step.Length) {
                step = DecodeChar(alphabet, text, pos, size);
                if (mayStart(pos, step) || isHead(pos))
                    break;
            }
            if (pos >= size)
                break;
        } else if (pos < size) {
            step = DecodeChar(alphabet, text, pos, size);
        }
        // Walks are kept in the order of their starts; once a start has
        // matched, no later one can be leftmost.
        if (!best && pos < size) {
            if (isHead(pos))
                Walks_.push_back({pos, headState});
            if (mayStart(pos, step))
                Walks_.push_back({pos, initial});
        }
        const bool atLineTail = pos == size || text[pos] == Rules.Separator;
        for (size_t i = 0; i < Walks_.size(); ++i) {
            if (!accepts(Walks_[i].State, atLineTail))
                continue;
            const size_t start = Walks_[i].Start;
            best = TMatchRange{start, pos};
            while (i < Walks_.size() && Walks_[i].Start == start)
                ++i;
            Walks_.resize(i);
            break;
        }
        if (pos >= size)
            break;
        if (++Stamp_ == 0) {
            std::fill(Seen_.begin(), Seen_.end(), 0);
            Stamp_ = 1;
        }
        size_t kept = 0;
        for (size_t i = 0; i < Walks_.size(); ++i) {
            const int next = Dfa.Next(Walks_[i].State, step.Class);
            if (next == TRE_DFA::kNoState || Seen_[next] == Stamp_)
                continue;
            Seen_[next] = Stamp_;
            Walks_[kept++] = {Walks_[i].Start, next};
        }
        Walks_.resize(kept);
        pos += step.Length;
    }
    if (best)
        return best;
    if ((isHead(size) && accepts(headState, true)) || (Rules.TailAtEnd && Dfa.AcceptsAtLineTail(initial)))
        return TMatchRange{size, size};
    return std::nullopt;
}

} // namespace re
