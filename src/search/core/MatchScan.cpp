#include "MatchScan.h"

#include <algorithm>

namespace re {

namespace {

// The characters a walk may take alone before the starts after it join it.
constexpr size_t kShortWalk = 16;

} // namespace

void TDeadEnds::Note(size_t Pos, int State)
{
    if (Pos < Base_)
        return;
    const size_t index = Pos - Base_;
    if (index >= Slots_.size())
        Slots_.resize(index + 1, Slot{kEmpty, kEmpty});
    Slot& slot = Slots_[index];
    (slot[0] == kEmpty ? slot[0] : slot[1]) = static_cast<uint16_t>(State);
}

void TDeadEnds::Forget(size_t Pos)
{
    // Dropping the front costs what stays behind it, so it waits until at
    // least half of the slots go.
    if (Pos <= Base_ || (Pos - Base_) * 2 < Slots_.size())
        return;
    Slots_.erase(Slots_.begin(), Slots_.begin() + static_cast<std::ptrdiff_t>(std::min(Pos - Base_, Slots_.size())));
    Base_ = Pos;
}

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

std::optional<TMatchRange> TMatchScan::Find(const TRE_DFA& Dfa, std::string_view Text, size_t From,
                                            const TScanRules& Rules, TDeadEnds* DeadEnds) noexcept
{
    Prepare(Dfa);
    if (DeadEnds) {
        DeadEnds->Forget(From);
        return Dfa.HasLineTail() ? Run<true, true>(Dfa, Text, From, Rules, DeadEnds)
                                 : Run<false, true>(Dfa, Text, From, Rules, DeadEnds);
    }
    return Dfa.HasLineTail() ? Run<true, false>(Dfa, Text, From, Rules, nullptr)
                             : Run<false, false>(Dfa, Text, From, Rules, nullptr);
}

template <bool WithLineTail, bool Learn>
std::optional<TMatchRange> TMatchScan::Run(const TRE_DFA& Dfa, std::string_view Text, size_t From,
                                           const TScanRules& Rules, TDeadEnds* DeadEnds) noexcept
{
    const auto* text = reinterpret_cast<const unsigned char*>(Text.data());
    const size_t size = Text.size();
    const TREAlphabet& alphabet = Dfa.Alphabet();
    const int initial = Dfa.InitialState();
    const int headState = Dfa.LineHeadTarget(initial);
    const auto isHead = [&](size_t Pos) {
        return headState != TRE_DFA::kNoState
               && (Pos == From ? Rules.HeadAtStart : Rules.LineHeads && text[Pos - 1] == '\n');
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
    size_t pos = From;
    TCharStep step{};
    // True when a walk under way holds every state the initial one does: a
    // later start finds nothing that walk's earlier start does not.
    bool absorbing = false;
    for (;;) {
        if (Walks_.empty()) {
            if (best)
                return best;
            // Most places fail at their first character and most walks end
            // within a few; only one that runs long is walked together with
            // the starts after it.
            size_t at = pos;
            TCharStep first{};
            for (; at < size; at += first.Length) {
                first = DecodeChar(alphabet, text, at, size);
                if (isHead(at))
                    break;
                if (!mayStart(at, first))
                    continue;
                const TWalkEnd walk = WalkFrom<WithLineTail>(Dfa, Text, at, initial, Rules.Separator, kShortWalk, DeadEnds);
                if (!walk.Finished)
                    break;
                if (walk.End)
                    return TMatchRange{at, *walk.End};
            }
            if (at >= size)
                break;
            pos = at;
            step = first;
            absorbing = false;
        } else if (pos < size) {
            step = DecodeChar(alphabet, text, pos, size);
        }
        // Walks are kept in the order of their starts; once a start has
        // matched, no later one can be leftmost.
        if (!best && pos < size) {
            if (isHead(pos))
                Walks_.push_back({pos, headState});
            if (!absorbing && mayStart(pos, step))
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
        pos += step.Length;
        absorbing = false;
        size_t kept = 0;
        for (size_t i = 0; i < Walks_.size(); ++i) {
            const int next = Dfa.Next(Walks_[i].State, step.Class);
            if (next == TRE_DFA::kNoState || Seen_[next] == Stamp_)
                continue;
            Seen_[next] = Stamp_;
            if constexpr (Learn) {
                if (DeadEnds->Holds(pos, next))
                    continue;
                if (best)
                    DeadEnds->Note(pos, next);
            }
            absorbing = absorbing || Dfa.AbsorbsInitial(next);
            Walks_[kept++] = {Walks_[i].Start, next};
        }
        Walks_.resize(kept);
    }
    if (best)
        return best;
    if ((isHead(size) && accepts(headState, true)) || (Rules.TailAtEnd && Dfa.AcceptsAtLineTail(initial)))
        return TMatchRange{size, size};
    return std::nullopt;
}

} // namespace re
