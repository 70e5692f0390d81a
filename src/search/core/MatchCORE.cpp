#include "MatchCORE.h"

#include "Sjis.h"

namespace {

struct Step {
    uint32_t Class;
    size_t Length;
};

// The class of the character at Pos (below Size), read as sjis::CharLen
// cuts it: a lead byte without a trail byte after it is a character alone.
inline Step Decode(const TREAlphabet& Alphabet, const unsigned char* Text, size_t Pos, size_t Size)
{
    const unsigned char lead = Text[Pos];
    if (sjis::IsLead(lead) && Pos + 1 < Size && sjis::IsTrail(Text[Pos + 1]))
        return {Alphabet.DoubleByteClass(lead, Text[Pos + 1]), 2};
    return {Alphabet.SingleByteClass(lead), 1};
}

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
        const Step step = Decode(Dfa.Alphabet(), text, pos, size);
        State = Dfa.Next(State, step.Class);
        if (State == TRE_DFA::kNoState)
            break;
        pos += step.Length;
    }
    return end;
}

// Tells cheaply, from the first character, whether a walk from the
// initial state can find anything at a place.
class StartFilter {
public:
    StartFilter(const TRE_DFA& Dfa, int Separator)
        : Dfa_(Dfa),
          Initial_(Dfa.InitialState()),
          Everywhere_(Dfa.IsAccepting(Initial_)),
          Separator_(Dfa.AcceptsAtLineTail(Initial_) ? Separator : -1)
    {
    }

    bool MayStart(const unsigned char* Text, size_t Pos, Step First) const
    {
        return Everywhere_ || Dfa_.Next(Initial_, First.Class) != TRE_DFA::kNoState || Text[Pos] == Separator_;
    }

private:
    const TRE_DFA& Dfa_;
    int Initial_;
    bool Everywhere_;
    int Separator_;
};

// The leftmost-longest match that starts at a character of Text. With
// LineHeads the place after each LF is tried as a line head too; the
// pattern without a line head is spared that test on every character.
template <bool LineHeads>
std::optional<TMatchRange> FirstMatch(const TMatchCORE& Matcher, std::string_view Text, int Separator) noexcept
{
    const TRE_DFA& dfa = Matcher.CurrentDFA();
    const int initial = dfa.InitialState();
    const auto* text = reinterpret_cast<const unsigned char*>(Text.data());
    const StartFilter filter(dfa, Separator);
    for (size_t pos = 0; pos < Text.size();) {
        const Step first = Decode(dfa.Alphabet(), text, pos, Text.size());
        if (filter.MayStart(text, pos, first))
            if (const auto end = Matcher.MatchLongestAt(Text, pos, initial))
                return TMatchRange{pos, *end};
        if constexpr (LineHeads) {
            if (text[pos] == '\n')
                if (const auto end = Matcher.MatchAtLineHead(Text, pos + 1, initial))
                    return TMatchRange{pos + 1, *end};
        }
        pos += first.Length;
    }
    return std::nullopt;
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

std::optional<TMatchRange> TMatchCORE::MatchNoAnchor(std::string_view Text) const noexcept
{
    if (Text.empty()) {
        if (const auto end = MatchLongestAt(Text, 0, CurrentDFA().InitialState()))
            return TMatchRange{0, *end};
        return std::nullopt;
    }
    return FirstMatch<false>(*this, Text, SeparatorByte());
}

std::optional<TMatchRange> TMatchCORE::MatchAnchored(std::string_view Text) const noexcept
{
    const int initial = CurrentDFA().InitialState();
    if (const auto end = MatchAtLineHead(Text, 0, initial))
        return TMatchRange{0, *end};
    if (!Text.empty())
        return MatchAnchoredInside(Text);
    // An empty text has no character for the search inside to start at, so
    // the match without the line head ("^a|" matching empty) is tried here.
    if (const auto end = MatchLongestAt(Text, 0, initial))
        return TMatchRange{0, *end};
    return std::nullopt;
}

std::optional<TMatchRange> TMatchCORE::MatchAnchoredInside(std::string_view Text) const noexcept
{
    const TRE_DFA& dfa = CurrentDFA();
    const int separator = SeparatorByte();
    if (const auto match = dfa.HasLineHead() ? FirstMatch<true>(*this, Text, separator)
                                             : FirstMatch<false>(*this, Text, separator))
        return match;
    if (dfa.AcceptsAtLineTail(dfa.InitialState()))
        return TMatchRange{Text.size(), Text.size()};
    return std::nullopt;
}
