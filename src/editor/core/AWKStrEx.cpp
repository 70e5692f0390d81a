#include "AWKStrEx.h"

int TAWKStrEx::FindAllMatches(std::string_view Text, std::string_view Subject, TFindHits& Hits) const
{
    return ForEachMatch(Subject, [&](TMatchRange Match) {
        const size_t length = Match.End - Match.Start;
        const std::string_view text = Match.Start < Text.size() ? Text.substr(Match.Start, length) : std::string_view{};
        Hits.push_back({static_cast<int>(Match.Start), static_cast<int>(length), std::string(text)});
    });
}
