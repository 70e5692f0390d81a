// Where the bars of a dock go: rows stacked away from the form's edge, and
// in each row the bars one after another along the dock, each at its own
// position when there is room. Plain arithmetic, apart from any window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One bar of a dock as the layout sees it: every bar that belongs to the
// dock, also one floating that will come back to it (not Shown).
struct TDockBarBox {
    bool Shown = true;     // visible on the dock
    bool FullSize = false; // takes a whole row and the dock's full length
    int32_t Row = 0;       // DockRow, renumbered by the layout
    int32_t Pos = -1;      // DockPos (-1: not placed yet), normalised
    int Length = 0;        // size along the dock
    int Thickness = 0;     // size of the contents across the dock
    // Results for a shown bar: its place along and across the dock, its
    // length (the dock's for a full-size bar) and the thickness of its row.
    int64_t Along = 0;
    int Across = 0;
    int PlacedLength = 0;
    int RowSize = 0;
};

// A row is as thick as its thickest shown bar, at least this.
constexpr int MinRowThickness = 8;
// The docked frame of a bar adds this across its row.
constexpr int DockedFrameAcross = 4;

struct TDockLayout {
    std::vector<size_t> Order;     // the bars sorted by row, then position
    std::vector<int> RowThickness; // contents thickness of each row; 0 when empty
    int Thickness = 0;             // the rows' total size across the dock
};

// Lays the bars out on a dock whose client area is AvailableAlong long:
// rows renumbered 0, 1, 2... in order (all 0 with OneRow), a full-size bar
// given a row of its own, positions normalised so that no two bars of a row
// overlap (written back into Pos), rows too long squeezed back towards the
// start. With ClipPositions the squeezed places become the positions too.
// Row numbers and positions may be anything a settings file holds.
TDockLayout LayoutDockBars(std::vector<TDockBarBox>& Bars, int AvailableAlong, bool OneRow, bool ClipPositions);

// Renumbers the rows of Bars 0, 1, 2... keeping their order, so that no
// row number is left empty.
void CompactRows(std::vector<TDockBarBox>& Bars);

// The row a bar dropped at Position across the dock goes into, given the
// rows' thicknesses. Before: a new row is to be opened in front of it (the
// 5 px at each row's edges); a position past the last row gives the row
// after it.
struct TRowDrop {
    int32_t Row = 0;
    bool Before = false;
};
TRowDrop RowForDrop(const std::vector<int>& RowThickness, int Position);

// The row whose span holds Position; the row after the last when none.
int32_t RowUnderPosition(const std::vector<int>& RowThickness, int Position);
