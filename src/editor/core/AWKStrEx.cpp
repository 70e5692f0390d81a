#include "AWKStrEx.h"

#include "Sjis.h"

int TAWKStrEx::FindAllMatches(std::string_view Text, std::string_view Subject, TFindHits& Hits) const
{
    const size_t before = Hits.size();
    re::TDeadEnds deadEnds;
    size_t pos = 0;
    for (bool first = true; pos <= Subject.size(); first = false) {
        const auto match = MatchFrom(Subject, pos, first, deadEnds);
        if (!match)
            break;
        const size_t start = match->Start;
        const size_t end = match->End;
        if (end == start) {
            if (start >= Subject.size())
                break;
            pos = start + sjis::CharLen(Subject, start);
            continue;
        }
        const std::string_view text = start < Text.size() ? Text.substr(start, end - start) : std::string_view{};
        Hits.push_back({static_cast<int>(start), static_cast<int>(end - start), std::string(text)});
        pos = end;
    }
    return static_cast<int>(Hits.size() - before);
}
