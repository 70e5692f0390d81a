#include "ToolbarLayout.h"

#include <algorithm>
#include <limits>

namespace {

struct TMargins {
    int Left, Top, Right, Bottom;
};

// Room around the controls of a floating toolbar; none on a dock.
constexpr TMargins FloatingMargins{4, 2, 4, 1};
constexpr TMargins DockedMargins{0, 0, 0, 0};
// The gap between rows of a floating toolbar wrapped at a separator.
constexpr int WrapGap = 6;

} // namespace

int BarThickness(const std::vector<TToolbarItem>& Items, TBarOrientation Orientation)
{
    int thickness = MinBarThickness;
    for (const TToolbarItem& item : Items)
        if (!item.Separator)
            thickness = std::max(thickness, Orientation == boVertical ? item.Width : item.Height);
    return thickness;
}

TToolbarLayout LayoutToolbar(std::vector<TToolbarItem>& Items, const TToolbarLayoutInput& Input)
{
    const bool floating = Input.Orientation == boFloating;
    const bool vertical = Input.Orientation == boVertical;
    const TMargins m = floating ? FloatingMargins : DockedMargins;
    int64_t limit = std::numeric_limits<int64_t>::max();
    if (floating && Input.FloatRightX != 0)
        limit = std::max<int64_t>(Input.FloatRightX, int64_t{Input.WidestControl} + m.Left + m.Right);
    const int thickness = BarThickness(Items, Input.Orientation);
    const int row = Input.RowSize > 0 ? Input.RowSize : thickness;

    TToolbarLayout result;
    int across = m.Top;
    int64_t along = m.Left;
    int64_t extent = m.Left;
    int64_t extentBeforeLast = extent;
    bool pending = false;
    const size_t none = Items.size();
    size_t lastSeparator = none;
    for (size_t start = 0; start < Items.size();) {
        size_t end = start;
        int64_t groupSize = 0;
        for (; end < Items.size(); ++end) {
            const TToolbarItem& item = Items[end];
            if (item.Separator) {
                ++end;
                break;
            }
            groupSize += vertical ? item.Height : item.Width;
        }
        if (floating && (pending || along + groupSize + m.Right > limit)) {
            pending = false;
            along = m.Left;
            if (start != 0) {
                across += thickness + WrapGap;
                if (lastSeparator != none) {
                    extent = extentBeforeLast;
                    Items[lastSeparator].Place.Width = 0;
                    result.WrappedSeparators.push_back(lastSeparator);
                    result.Lines.push_back({across, Items[lastSeparator].Blank});
                }
            }
        }
        extent = std::max(extent, along);
        for (size_t i = start; i < end; ++i) {
            TToolbarItem& item = Items[i];
            const int length =
                item.Separator ? (vertical ? item.SizeVert : item.SizeHorz) : (vertical ? item.Height : item.Width);
            if (floating && !item.Separator && along + length + m.Right > limit) {
                along = m.Left;
                across += thickness;
                pending = true;
            }
            const int at = static_cast<int>(along);
            if (item.Separator)
                item.Place =
                    vertical ? TBarRect{across, at, row, item.SizeVert} : TBarRect{at, across, item.SizeHorz, row};
            else if (vertical)
                item.Place = {across + (row - item.Width) / 2, at, item.Width, item.Height};
            else
                item.Place = {at, across + (row - item.Height) / 2, item.Width, item.Height};
            along += length;
            lastSeparator = item.Separator ? i : none;
            extentBeforeLast = extent;
            extent = std::max(extent, along);
        }
        start = end;
    }
    if (Items.empty())
        extent += MinBarThickness;
    extent += m.Right;
    const int acrossSize = across + thickness + m.Bottom;
    const int length = static_cast<int>(std::min<int64_t>(extent, std::numeric_limits<int>::max()));
    result.ClientWidth = vertical ? acrossSize : length;
    result.ClientHeight = vertical ? length : acrossSize;
    return result;
}

std::vector<TBarSize> FloatingSizeList(const std::function<TBarSize(int32_t FloatRightX)>& Measure)
{
    std::vector<TBarSize> sizes{Measure(0)};
    for (int w = sizes.front().Width - 1; w >= MinBarThickness;) {
        const TBarSize size = Measure(w);
        if (size.Width > w)
            break;
        if (size.Width < w) {
            w = size.Width;
            continue;
        }
        if (size.Height == sizes.back().Height && sizes.size() > 1)
            sizes.pop_back();
        if (std::find(sizes.begin(), sizes.end(), size) == sizes.end())
            sizes.push_back(size);
        --w;
    }
    return sizes;
}
