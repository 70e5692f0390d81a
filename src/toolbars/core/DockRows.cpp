#include "DockRows.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int64_t MaxPos = std::numeric_limits<int32_t>::max();

} // namespace

std::vector<int> LayoutDockRows(std::vector<TDockBarBox>& Bars, int DockLength, bool OneRow)
{
    std::vector<size_t> order;
    for (size_t i = 0; i < Bars.size(); ++i)
        if (Bars[i].Visible)
            order.push_back(i);
    if (OneRow)
        for (size_t i : order)
            Bars[i].Row = 0;
    // A stable sort keeps bars of equal row and position in list order.
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return Bars[a].Row != Bars[b].Row ? Bars[a].Row < Bars[b].Row : Bars[a].Pos < Bars[b].Pos;
    });

    std::vector<int> thickness;
    int across = 0;
    for (size_t first = 0; first < order.size();) {
        size_t last = first;
        while (last < order.size() && Bars[order[last]].Row == Bars[order[first]].Row)
            ++last;
        const auto row = static_cast<int32_t>(thickness.size());
        // Positions come from the settings file, so any 32-bit value may
        // arrive: sums are taken in 64 bits and held at the 32-bit end.
        int64_t end = 0;
        int rowThickness = 0;
        for (size_t k = first; k < last; ++k) {
            TDockBarBox& bar = Bars[order[k]];
            bar.Row = row;
            bar.Pos = static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(bar.Pos, end), MaxPos));
            bar.Across = across;
            end = int64_t{bar.Pos} + bar.Length;
            rowThickness = std::max(rowThickness, bar.Thickness);
        }
        // Squeeze a row that runs past the dock's end back towards its start.
        int64_t limit = DockLength;
        for (size_t k = last; k-- > first;) {
            TDockBarBox& bar = Bars[order[k]];
            bar.Along = static_cast<int>(std::max<int64_t>(0, std::min<int64_t>(bar.Pos, limit - bar.Length)));
            limit = bar.Along;
        }
        // A bar squeezed to 0 may now overlap one before it; keep order.
        int next = 0;
        for (size_t k = first; k < last; ++k) {
            TDockBarBox& bar = Bars[order[k]];
            bar.Along = std::max(bar.Along, next);
            next = bar.Along + bar.Length;
        }
        thickness.push_back(rowThickness);
        across += rowThickness;
        first = last;
    }
    return thickness;
}
