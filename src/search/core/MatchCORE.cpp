#include "MatchCORE.h"

namespace {

// One walk of the automaton from Pos, remembering the last place where it
// accepted. WithLineTail adds the check for a line tail before each
// separator and at the end, so "a$|a\r\nb" still finds the "a" before CR.
template <bool WithLineTail>
std::optional<size_t> Walk(const TRE_DFA& Dfa, std::string_view Text, size_t Pos, int State, int Separator) noexcept
{
    if (State == TRE_DFA::kNoState)
        return std::nullopt;
    const auto* text = reinterpret_cast<const unsigned char*>(Text.data());
    const size_t size = Text.size();
    std::optional<size_t> end;
    for (size_t pos = Pos;;) {
        if (Dfa.IsAccepting(State))
            end = pos;
        if constexpr (WithLineTail) {
            if (Dfa.AcceptsAtLineTail(State) && (pos == size || text[pos] == Separator))
                end = pos;
        }
        if (pos >= size)
            break;
        const re::TCharStep step = re::DecodeChar(Dfa.Alphabet(), text, pos, size);
        State = Dfa.Next(State, step.Class);
        if (State == TRE_DFA::kNoState)
            break;
        pos += step.Length;
    }
    return end;
}

} // namespace

int TMatchCORE::SeparatorByte() const
{
    switch (LineSeparator_) {
    case mcls_CRLF:
        return '\r';
    case mcls_LF:
        return '\n';
    default:
        return -1;
    }
}

std::optional<size_t> TMatchCORE::MatchLongestAt(std::string_view Text, size_t Pos, int State) const noexcept
{
    if (Pos > Text.size())
        return std::nullopt;
    const TRE_DFA& dfa = CurrentDFA();
    return dfa.HasLineTail() ? Walk<true>(dfa, Text, Pos, State, SeparatorByte())
                             : Walk<false>(dfa, Text, Pos, State, SeparatorByte());
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

std::optional<TMatchRange> TMatchCORE::Search(std::string_view Text, bool HeadAtStart, bool Anchored) const noexcept
{
    const TRE_DFA& dfa = CurrentDFA();
    const re::TScanRules rules{.Separator = SeparatorByte(),
                               .HeadAtStart = HeadAtStart,
                               .LineHeads = Anchored && dfa.HasLineHead(),
                               .TailAtEnd = Anchored};
    return Scan_.Find(dfa, Text, rules);
}

std::optional<TMatchRange> TMatchCORE::MatchNoAnchor(std::string_view Text) const noexcept
{
    if (Text.empty()) {
        if (const auto end = MatchLongestAt(Text, 0, CurrentDFA().InitialState()))
            return TMatchRange{0, *end};
        return std::nullopt;
    }
    return Search(Text, false, false);
}

std::optional<TMatchRange> TMatchCORE::MatchAnchored(std::string_view Text) const noexcept
{
    if (!Text.empty())
        return Search(Text, true, true);
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
    return Search(Text, false, true);
}
