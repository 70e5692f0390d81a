#include "SentenceEndingTable.h"

#include "SentenceStyleScanner.h"
#include "Sjis.h"

namespace textconv::sentencestyle {

EndingTable::EndingTable(const EndingSources& Sources)
{
    for (const char* kept : Sources.Kept) {
        const std::string same = SjisLiteral(kept);
        Add(kept, {same, same, same, same});
    }
    for (const EndingSources::Single& single : Sources.Singles) {
        const std::string replacement = SjisLiteral(single.Replacement);
        Add(single.Ending, {replacement, replacement, replacement, replacement});
    }
    for (const EndingSources::ByContext& entry : Sources.ByContexts) {
        Replacements byContext;
        for (int value = 0; value < kContextValues; ++value)
            if (entry.Replacements[value])
                byContext[value] = SjisLiteral(entry.Replacements[value]);
        Add(entry.Ending, byContext);
    }
}

void EndingTable::Add(const char* Ending, const Replacements& ByContext)
{
    std::string ending = SjisLiteral(Ending);
    const uint16_t first = sjis::CharCode(ending, 0);
    if (!IsHiragana(first) && !Contains(NonKanaStarts_, first))
        NonKanaStarts_.push_back(first);
    LongestBytes_ = std::max(LongestBytes_, ending.size());
    // The first entry of an ending wins, as in a table searched from the top.
    Entries_.emplace(std::move(ending), ByContext);
}

std::string_view EndingTable::Lookup(std::string_view Ending, int Context) const
{
    if (Context < 0 || Context >= kContextValues)
        return {};
    const auto found = Entries_.find(Ending);
    return found == Entries_.end() ? std::string_view() : std::string_view(found->second[Context]);
}

std::string_view EndingTable::LookupAfter(uint16_t Before, std::string_view Tail, int Context) const
{
    if (!Contains(NonKanaStarts_, Before) || Tail.size() + 2 > LongestBytes_)
        return {};
    std::string ending;
    ending += static_cast<char>(LeadOf(Before));
    ending += static_cast<char>(TrailOf(Before));
    ending += Tail;
    return Lookup(ending, Context);
}

} // namespace textconv::sentencestyle
