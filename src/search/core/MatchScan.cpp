#include "MatchScan.h"

#include <algorithm>

namespace re {

namespace {

// The characters a walk may take alone before the starts after it join it.
constexpr size_t kShortWalk = 16;

// Where walks start: at line heads, and where the initial state takes the
// first character (most places of a text fail on that alone).
class TStartPlaces {
public:
    TStartPlaces(const TRE_DFA& Dfa, std::string_view Text, size_t From, const TScanRules& Rules)
        : Dfa_(Dfa), Text_(reinterpret_cast<const unsigned char*>(Text.data())), From_(From), Rules_(Rules),
          Initial_(Dfa.InitialState()), HeadState_(Dfa.LineHeadTarget(Initial_)),
          Everywhere_(Dfa.IsAccepting(Initial_)), Separator_(Dfa.AcceptsAtLineTail(Initial_) ? Rules.Separator : -1)
    {}

    int HeadState() const { return HeadState_; }
    bool IsHead(size_t Pos) const
    {
        return HeadState_ != TRE_DFA::kNoState
               && (Pos == From_ ? Rules_.HeadAtStart : Rules_.LineHeads && Text_[Pos - 1] == '\n');
    }
    bool MayStart(size_t Pos, TCharStep First) const
    {
        return Everywhere_ || Dfa_.Next(Initial_, First.Class) != TRE_DFA::kNoState || Text_[Pos] == Separator_;
    }

private:
    const TRE_DFA& Dfa_;
    const unsigned char* Text_;
    size_t From_;
    const TScanRules& Rules_;
    int Initial_;
    int HeadState_;
    bool Everywhere_;
    int Separator_;
};

struct TQuietStretch {
    size_t End;                       // where a long walk or a line head starts, or the text's end
    std::optional<TMatchRange> Match; // or the match of a short walk before it
};

// Most places fail at their first character and most walks end within a
// few; only one that runs long is walked together with the starts after
// it. Kept apart from the walks in step, so that this loop, where most
// searches spend their time, keeps everything in registers.
template <bool WithLineTail, bool Heads>
[[gnu::noinline]] TQuietStretch SkipQuietStretch(const TRE_DFA& Dfa, std::string_view Text, size_t Pos, size_t From,
                                                 const TScanRules& Rules, const TDeadEnds* DeadEnds)
{
    const auto* text = reinterpret_cast<const unsigned char*>(Text.data());
    const size_t size = Text.size();
    const TStartPlaces starts(Dfa, Text, From, Rules);
    for (size_t pos = Pos; pos < size;) {
        const TCharStep first = DecodeChar(Dfa.Alphabet(), text, pos, size);
        if constexpr (Heads) {
            if (starts.IsHead(pos))
                return {pos, std::nullopt};
        }
        if (starts.MayStart(pos, first)) {
            const TWalkEnd walk =
                WalkFrom<WithLineTail>(Dfa, Text, pos, Dfa.InitialState(), Rules.Separator, kShortWalk, DeadEnds);
            if (!walk.Finished)
                return {pos, std::nullopt};
            if (walk.End)
                return {pos, TMatchRange{pos, *walk.End}};
        }
        pos += first.Length;
    }
    return {size, std::nullopt};
}

} // namespace

void TDeadEnds::Note(size_t Pos, int State)
{
    if (!Kept(Pos) || IndexOf(Pos) < Base_)
        return;
    const size_t index = IndexOf(Pos) - Base_;
    if (index >= Slots_.size()) {
        Slot empty;
        empty.fill(kEmpty);
        Slots_.resize(std::max(index + 1, Slots_.size() * 2), empty);
    }
    for (uint16_t& state : Slots_[index])
        if (state == kEmpty) {
            state = static_cast<uint16_t>(State);
            return;
        }
    More_.insert(Key(Pos, State));
}

void TDeadEnds::Forget(size_t Pos)
{
    // Dropping the front costs what stays behind it, so it waits until at
    // least half of the slots go.
    const size_t index = IndexOf(Pos);
    if (index <= Base_ || (index - Base_) * 2 < Slots_.size())
        return;
    Slots_.erase(Slots_.begin(), Slots_.begin() + static_cast<std::ptrdiff_t>(std::min(index - Base_, Slots_.size())));
    std::erase_if(More_, [Pos](uint64_t Key) { return Key >> 16 < Pos; });
    Base_ = index;
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
    const TStartPlaces starts(Dfa, Text, From, Rules);
    const int headState = starts.HeadState();
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
            const TQuietStretch stretch =
                headState == TRE_DFA::kNoState
                    ? SkipQuietStretch<WithLineTail, false>(Dfa, Text, pos, From, Rules, DeadEnds)
                    : SkipQuietStretch<WithLineTail, true>(Dfa, Text, pos, From, Rules, DeadEnds);
            if (stretch.Match)
                return stretch.Match;
            pos = stretch.End;
            if (pos >= size)
                break;
            step = DecodeChar(alphabet, text, pos, size);
            absorbing = false;
        } else if (pos < size) {
            step = DecodeCharUnguessed(alphabet, text, pos, size);
        }
        // Walks are kept in the order of their starts; once a start has
        // matched, no later one can be leftmost.
        if (!best && pos < size) {
            if (starts.IsHead(pos))
                Walks_.push_back({pos, headState});
            if (!absorbing && starts.MayStart(pos, step))
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
    if ((starts.IsHead(size) && accepts(headState, true)) || (Rules.TailAtEnd && Dfa.AcceptsAtLineTail(initial)))
        return TMatchRange{size, size};
    return std::nullopt;
}

} // namespace re
