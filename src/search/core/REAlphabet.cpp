#include "REAlphabet.h"

#include "Sjis.h"

#include <algorithm>

TREAlphabet::TREAlphabet(const std::vector<re::TCodeRange>& Ranges)
{
    // Sweep the range ends; a stretch between two neighbouring ends that
    // some range covers is one class.
    std::vector<std::pair<uint32_t, int>> events;
    events.reserve(Ranges.size() * 2);
    for (const re::TCodeRange& range : Ranges) {
        events.emplace_back(range.Low, +1);
        events.emplace_back(uint32_t{range.High} + 1, -1);
    }
    std::sort(events.begin(), events.end());
    int depth = 0;
    for (size_t i = 0; i < events.size();) {
        const uint32_t at = events[i].first;
        for (; i < events.size() && events[i].first == at; ++i)
            depth += events[i].second;
        if (depth > 0 && i < events.size()) {
            Lows_.push_back(static_cast<uint16_t>(at));
            Highs_.push_back(static_cast<uint16_t>(events[i].first - 1));
        }
    }
    BuildRows();
}

void TREAlphabet::BuildRows()
{
    Rows_.assign(256, 0);
    std::vector<unsigned> leads;
    for (unsigned byte = 0; byte < 256; ++byte)
        if (sjis::IsLead(static_cast<unsigned char>(byte)))
            leads.push_back(byte);
    Rows_.resize(256 * (leads.size() + 1));
    auto fill = [this](size_t Row, uint32_t Base) {
        auto cls = std::upper_bound(Highs_.begin(), Highs_.end(), Base,
                                    [](uint32_t Code, uint16_t High) { return Code <= High; });
        for (uint32_t code = Base; code < Base + 256 && cls != Highs_.end(); ++code) {
            if (code > *cls)
                ++cls;
            if (cls == Highs_.end())
                break;
            const size_t index = cls - Highs_.begin();
            if (code >= Lows_[index])
                Rows_[Row * 256 + (code - Base)] = static_cast<uint32_t>(index + 1);
        }
    };
    fill(0, 0);
    for (size_t i = 0; i < leads.size(); ++i) {
        RowOfLead_[leads[i]] = static_cast<uint8_t>(i + 1);
        fill(i + 1, leads[i] << 8);
    }
}

std::pair<uint32_t, uint32_t> TREAlphabet::ClassesOf(re::TCodeRange Range) const
{
    return {ClassOf(Range.Low), ClassOf(Range.High)};
}

re::TCodeRange TREAlphabet::CodesOf(uint32_t Class) const { return {Lows_[Class - 1], Highs_[Class - 1]}; }

uint32_t TREAlphabet::ClassOf(uint16_t Code) const
{
    const auto cls = std::lower_bound(Highs_.begin(), Highs_.end(), Code);
    if (cls == Highs_.end() || Lows_[cls - Highs_.begin()] > Code)
        return 0;
    return static_cast<uint32_t>(cls - Highs_.begin() + 1);
}
