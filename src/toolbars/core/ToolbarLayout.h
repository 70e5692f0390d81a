// How a toolbar lays out its controls: in one line on a dock, in rows of
// at most FloatRightX pixels when floating. The controls come in groups,
// each ended by a separator; a floating toolbar starts a new row at a group
// boundary, with a line where the separator was. Plain arithmetic.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// What a layout is done for: 0 floating, 1 a top or bottom dock, 2 a left
// or right dock.
enum TBarOrientation : uint8_t { boFloating = 0, boHorizontal = 1, boVertical = 2 };

// A bar's contents are at least this thick, and an empty bar this long.
constexpr int MinBarThickness = 8;

struct TBarRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const TBarRect&) const = default;
};

// One control taking part in the layout, in layout order.
struct TToolbarItem {
    bool Separator = false;
    bool Blank = false;             // a separator that draws no line
    int Width = 0, Height = 0;      // a control's size
    int SizeHorz = 6, SizeVert = 6; // a separator's length along the bar
    TBarRect Place;                 // result
};

// Where a floating toolbar wraps at a separator: a line above the row
// starting at Top, unless the separator is a blank one.
struct TLineSeparator {
    int Top = 0;
    bool Blank = false;
    bool operator==(const TLineSeparator&) const = default;
};

struct TToolbarLayoutInput {
    TBarOrientation Orientation = boHorizontal;
    // Floating only: the width to wrap at (0: one line), and the widest
    // control, hidden ones too, which always fits a row.
    int32_t FloatRightX = 0;
    int WidestControl = 0;
    // The row the controls are centred in; 0: the bar's own thickness.
    int RowSize = 0;
};

struct TToolbarLayout {
    int ClientWidth = 0, ClientHeight = 0;
    std::vector<TLineSeparator> Lines;
    // Items of separators at a wrap, which take no room (their width 0).
    std::vector<size_t> WrappedSeparators;
};

// The thickness of the bar across its row: its largest control, at least 8.
int BarThickness(const std::vector<TToolbarItem>& Items, TBarOrientation Orientation);

// Lays Items out, writing each item's Place, and returns the client size.
TToolbarLayout LayoutToolbar(std::vector<TToolbarItem>& Items, const TToolbarLayoutInput& Input);

// The client sizes a floating toolbar can take: the one-line size, then for
// each height it can reach the narrowest width, Measure(FloatRightX) giving
// the client size for a wrap width.
struct TBarSize {
    int Width = 0, Height = 0;
    bool operator==(const TBarSize&) const = default;
};
std::vector<TBarSize> FloatingSizeList(const std::function<TBarSize(int32_t FloatRightX)>& Measure);
