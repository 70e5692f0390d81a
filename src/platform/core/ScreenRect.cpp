#include "ScreenRect.h"

#include <algorithm>

namespace {

// Along one axis: the start and the length of a span of Length from Start
// kept within the span of AreaLength from AreaStart.
void KeepSpan(int32_t& Start, int32_t& Length, int32_t AreaStart, int32_t AreaLength)
{
    Length = std::clamp(Length, 0, std::max(AreaLength, 0));
    const int64_t last = int64_t{AreaStart} + AreaLength - Length;
    Start = static_cast<int32_t>(std::clamp<int64_t>(Start, AreaStart, std::max<int64_t>(last, AreaStart)));
}

int64_t Overlap(int32_t Start, int32_t Length, int32_t AreaStart, int32_t AreaLength)
{
    const int64_t from = std::max(Start, AreaStart);
    const int64_t to = std::min(int64_t{Start} + Length, int64_t{AreaStart} + AreaLength);
    return std::max<int64_t>(to - from, 0);
}

} // namespace

TScreenRect KeptWithin(const TScreenRect& Rect, const TScreenRect& Area)
{
    TScreenRect kept = Rect;
    KeepSpan(kept.Left, kept.Width, Area.Left, Area.Width);
    KeepSpan(kept.Top, kept.Height, Area.Top, Area.Height);
    return kept;
}

TScreenRect WithFrame(const TScreenRect& Client, const TFrameExtents& Frame)
{
    return {Client.Left - Frame.Left, Client.Top - Frame.Top, Client.Width + Frame.Left + Frame.Right,
            Client.Height + Frame.Top + Frame.Bottom};
}

TScreenRect KeptWithin(const TScreenRect& Client, const TFrameExtents& Frame, const TScreenRect& Area)
{
    if (Area.Width <= 0 || Area.Height <= 0)
        return Client;
    const TScreenRect kept = KeptWithin(WithFrame(Client, Frame), Area);
    return {kept.Left + Frame.Left, kept.Top + Frame.Top, kept.Width - Frame.Left - Frame.Right,
            kept.Height - Frame.Top - Frame.Bottom};
}

int MostOverlapped(std::span<const TScreenRect> Areas, const TScreenRect& Rect)
{
    int best = -1;
    int64_t bestOverlap = 0;
    for (int i = 0; i < static_cast<int>(Areas.size()); ++i) {
        const TScreenRect& area = Areas[i];
        const int64_t overlap = Overlap(Rect.Left, Rect.Width, area.Left, area.Width)
                                * Overlap(Rect.Top, Rect.Height, area.Top, area.Height);
        if (overlap > bestOverlap) {
            best = i;
            bestOverlap = overlap;
        }
    }
    return best;
}
