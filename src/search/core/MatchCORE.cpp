#include "MatchCORE.h"

int TMatchCORE::SeparatorByte() const
{
    switch (LineSeparator_) {
    case mcls_CRLF: return '\r';
    case mcls_LF: return '\n';
    default: return -1;
    }
}

std::optional<size_t> TMatchCORE::MatchLongestAt(std::string_view Text, size_t Pos, int State) const noexcept
{
    if (Pos > Text.size())
        return std::nullopt;
    const TRE_DFA& dfa = CurrentDFA();
    if (State == TRE_DFA::kNoState)
        return std::nullopt;
    constexpr size_t kWhole = SIZE_MAX;
    return dfa.HasLineTail() ? re::WalkFrom<true>(dfa, Text, Pos, State, SeparatorByte(), kWhole, nullptr).End
                             : re::WalkFrom<false>(dfa, Text, Pos, State, SeparatorByte(), kWhole, nullptr).End;
}

std::optional<size_t> TMatchCORE::MatchAtLineHead(std::string_view Text, size_t Pos, int State) const noexcept
{
    const TRE_DFA& dfa = CurrentDFA();
    if (!dfa.HasLineHead())
        return MatchLongestAt(Text, Pos, State);
    if (State == TRE_DFA::kNoState)
        return std::nullopt;
    const auto withHead = MatchLongestAt(Text, Pos, dfa.LineHeadTarget(State));
    if (!withHead)
        return std::nullopt;
    const auto without = MatchLongestAt(Text, Pos, State);
    return without && *without >= *withHead ? without : withHead;
}

std::optional<TMatchRange> TMatchCORE::Search(std::string_view Text, size_t From, bool HeadAtStart, bool Anchored,
                                              re::TDeadEnds* DeadEnds) const noexcept
{
    const TRE_DFA& dfa = CurrentDFA();
    const re::TScanRules rules{.Separator = SeparatorByte(),
                               .HeadAtStart = HeadAtStart,
                               .LineHeads = Anchored && dfa.HasLineHead(),
                               .TailAtEnd = Anchored};
    return Scan_.Find(dfa, Text, From, rules, DeadEnds);
}

std::optional<TMatchRange> TMatchCORE::MatchNoAnchor(std::string_view Text) const noexcept
{
    if (Text.empty()) {
        if (const auto end = MatchLongestAt(Text, 0, CurrentDFA().InitialState()))
            return TMatchRange{0, *end};
        return std::nullopt;
    }
    return Search(Text, 0, false, false, nullptr);
}

std::optional<TMatchRange> TMatchCORE::MatchAnchored(std::string_view Text) const noexcept
{
    if (!Text.empty())
        return Search(Text, 0, true, true, nullptr);
    // An empty text has no character for a search to start at: the match
    // with or without the line head ("^a|" matching empty) is tried here.
    const int initial = CurrentDFA().InitialState();
    if (const auto end = MatchAtLineHead(Text, 0, initial))
        return TMatchRange{0, *end};
    if (const auto end = MatchLongestAt(Text, 0, initial))
        return TMatchRange{0, *end};
    return std::nullopt;
}

std::optional<TMatchRange> TMatchCORE::MatchAnchoredInside(std::string_view Text) const noexcept
{
    return Search(Text, 0, false, true, nullptr);
}

std::optional<TMatchRange> TMatchCORE::MatchFrom(std::string_view Text, size_t From, bool HeadAtFrom,
                                                 re::TDeadEnds& DeadEnds) const noexcept
{
    // Without anchors a line head or tail changes nothing, so the anchored
    // search serves every pattern; only the empty rest has its own rules.
    if (HeadAtFrom && From == Text.size()) {
        if (const auto match = MatchAnchored({}))
            return TMatchRange{From, From};
        return std::nullopt;
    }
    return Search(Text, From, HeadAtFrom, true, &DeadEnds);
}
