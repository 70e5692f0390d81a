#include "DockRows.h"

#include <algorithm>
#include <limits>

namespace {

int32_t ClampToInt32(int64_t Value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(Value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The size a row takes across the dock: its bars' frames included.
int RowSize(int Thickness) { return Thickness == 0 ? 0 : Thickness + DockedFrameAcross; }

// A full-size bar keeps its row alone: the other bars of that row and all
// bars further out move one row out.
void GiveFullSizeBarsTheirRows(std::vector<TDockBarBox>& Bars, const std::vector<size_t>& Order)
{
    int32_t highest = -1;
    for (const TDockBarBox& bar : Bars)
        highest = std::max(highest, bar.Row);
    for (int32_t row = 0; row <= highest; ++row)
        for (size_t i : Order) {
            if (Bars[i].Row != row || !Bars[i].FullSize)
                continue;
            const bool shared =
                std::any_of(Order.begin(), Order.end(), [&](size_t j) { return j != i && Bars[j].Row == row; });
            if (!shared)
                continue;
            for (size_t j : Order)
                if (j != i && Bars[j].Row >= row)
                    ++Bars[j].Row;
            ++highest;
        }
}

} // namespace

void CompactRows(std::vector<TDockBarBox>& Bars)
{
    // Ranking the row numbers in use gives what removing every empty row
    // one by one gives, whatever the numbers: a row of 2,000,000,000 costs
    // no more than a row of 2, and a negative row becomes row 0.
    std::vector<int32_t> rows;
    for (const TDockBarBox& bar : Bars)
        rows.push_back(bar.Row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (TDockBarBox& bar : Bars)
        bar.Row = static_cast<int32_t>(std::lower_bound(rows.begin(), rows.end(), bar.Row) - rows.begin());
}

TDockLayout LayoutDockBars(std::vector<TDockBarBox>& Bars, int AvailableAlong, bool OneRow, bool ClipPositions)
{
    TDockLayout layout;
    const int64_t available = std::max(AvailableAlong, 0);
    if (OneRow)
        for (TDockBarBox& bar : Bars)
            bar.Row = 0;
    CompactRows(Bars);
    const auto sortOrder = [&] {
        layout.Order.resize(Bars.size());
        for (size_t i = 0; i < Bars.size(); ++i)
            layout.Order[i] = i;
        std::stable_sort(layout.Order.begin(), layout.Order.end(), [&](size_t a, size_t b) {
            return Bars[a].Row != Bars[b].Row ? Bars[a].Row < Bars[b].Row : Bars[a].Pos < Bars[b].Pos;
        });
    };
    sortOrder();
    GiveFullSizeBarsTheirRows(Bars, layout.Order);
    sortOrder();

    const int32_t rows = Bars.empty() ? 0 : Bars[layout.Order.back()].Row + 1;
    layout.RowThickness.assign(static_cast<size_t>(rows), 0);
    for (const TDockBarBox& bar : Bars)
        if (bar.Shown) {
            int& thickness = layout.RowThickness[static_cast<size_t>(bar.Row)];
            thickness = std::max({thickness, bar.Thickness, MinRowThickness});
        }

    // Positions travel in 64 bits: a position from a settings file may lie
    // at the end of the 32-bit range, and a bar's length is added to it.
    std::vector<int64_t> place(Bars.size());
    size_t first = 0;
    for (int32_t row = 0; row < rows; ++row) {
        size_t last = first;
        while (last < Bars.size() && Bars[layout.Order[last]].Row == row)
            ++last;
        std::vector<size_t> squeezed;
        int64_t running = 0;
        for (size_t k = first; k < last; ++k) {
            TDockBarBox& bar = Bars[layout.Order[k]];
            if (!bar.Shown)
                continue;
            if (bar.FullSize) {
                bar.Pos = 0;
                continue;
            }
            if (running < bar.Pos)
                running = bar.Pos;
            else
                bar.Pos = ClampToInt32(running);
            running += bar.Length;
            squeezed.push_back(layout.Order[k]);
        }
        for (size_t k = first; k < last; ++k)
            place[layout.Order[k]] = Bars[layout.Order[k]].Pos;
        // Pull the bars back so that the row fits, then keep them from
        // starting before 0 or overlapping; a row longer than the dock
        // runs past its end in order.
        int64_t limit = available;
        for (auto i = squeezed.rbegin(); i != squeezed.rend(); ++i) {
            limit -= Bars[*i].Length;
            place[*i] = std::min(place[*i], limit);
            limit = place[*i];
        }
        running = 0;
        for (size_t i : squeezed) {
            place[i] = std::max(place[i], running);
            running = place[i] + Bars[i].Length;
        }
        first = last;
    }
    if (ClipPositions)
        for (size_t i = 0; i < Bars.size(); ++i)
            Bars[i].Pos = ClampToInt32(place[i]);

    int across = 0;
    first = 0;
    for (int32_t row = 0; row < rows; ++row) {
        const int size = RowSize(layout.RowThickness[static_cast<size_t>(row)]);
        for (; first < Bars.size() && Bars[layout.Order[first]].Row == row; ++first) {
            TDockBarBox& bar = Bars[layout.Order[first]];
            bar.Along = place[layout.Order[first]];
            bar.Across = across;
            bar.PlacedLength = bar.FullSize ? static_cast<int>(available) : bar.Length;
            bar.RowSize = size;
        }
        across += size;
    }
    layout.Thickness = across;
    return layout;
}

TRowDrop RowForDrop(const std::vector<int>& RowThickness, int Position)
{
    const auto rows = static_cast<int32_t>(RowThickness.size());
    int64_t start = 0;
    for (int32_t row = 0; row <= rows; ++row) {
        int64_t end = std::numeric_limits<int64_t>::max();
        if (row < rows) {
            const int size = RowSize(RowThickness[static_cast<size_t>(row)]);
            if (size == 0)
                continue;
            end = start + size;
        }
        if (Position < start + 5)
            return {row, true};
        if (Position < end - 5)
            return {row, false};
        start = end;
    }
    return {};
}

int32_t RowUnderPosition(const std::vector<int>& RowThickness, int Position)
{
    const auto rows = static_cast<int32_t>(RowThickness.size());
    int64_t total = 0;
    for (int32_t row = 0; row < rows; ++row) {
        total += RowSize(RowThickness[static_cast<size_t>(row)]);
        if (total > Position)
            return row;
    }
    return rows;
}
