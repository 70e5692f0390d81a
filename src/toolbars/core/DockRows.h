// Where the bars of a dock go: rows stacked away from the form's edge, and
// in each row the bars one after another along the dock, each at its own
// position when there is room. Plain arithmetic, apart from any window.
#pragma once

#include <cstdint>
#include <vector>

// One bar as the layout sees it. Row and Pos are the bar's DockRow and
// DockPos (Pos -1: not placed yet); the layout writes them back
// normalised. Length is the bar's size along the dock, Thickness across.
struct TDockBarBox {
    bool Visible = true;
    int32_t Row = 0;
    int32_t Pos = -1;
    int Length = 0;
    int Thickness = 0;
    // Results: the bar's place in the dock, along and across it.
    int Along = 0;
    int Across = 0;
};

// Lays out the visible bars of a dock DockLength long:
// - rows are renumbered 0, 1, 2... in their order, empty rows dropped
//   (all bars in row 0 when OneRow);
// - in a row bars follow their Pos (a bar not yet placed comes first, then
//   by their order in Bars), none overlapping the one before; the Pos of a
//   bar pushed along is written back;
// - a row longer than the dock is squeezed back towards its start as far as
//   its bars allow, without writing Pos;
// - a row is as thick as its thickest bar.
// Returns the thickness of every row, in row order.
std::vector<int> LayoutDockRows(std::vector<TDockBarBox>& Bars, int DockLength, bool OneRow = false);
