// Keeping a window on a screen's work area, in plain pixels, for the code
// that places windows without a window system at hand (the settings file)
// and for the one that has it.
#pragma once

#include <cstdint>
#include <span>

// A rectangle of the desktop: its top-left corner and its size.
struct TScreenRect {
    int32_t Left{}, Top{}, Width{}, Height{};
    bool operator==(const TScreenRect&) const = default;
};

// What a window manager adds around a window's client area.
struct TFrameExtents {
    int32_t Left{}, Top{}, Right{}, Bottom{};
    bool operator==(const TFrameExtents&) const = default;
};

// Rect moved, and shrunk where it is larger, so that it lies within Area:
// a window whose edge is off the area is moved back first, and only what
// is larger than the area is cut, from the right and the bottom.
TScreenRect KeptWithin(const TScreenRect& Rect, const TScreenRect& Area);

// The rectangle of the window whose client rectangle is Client, frame and all.
TScreenRect WithFrame(const TScreenRect& Client, const TFrameExtents& Frame);

// The client rectangle Client kept within Area together with its frame
// Frame; as it is when Area is empty (no screen).
TScreenRect KeptWithin(const TScreenRect& Client, const TFrameExtents& Frame, const TScreenRect& Area);

// The index of the area Rect overlaps most; -1 when it overlaps none.
int MostOverlapped(std::span<const TScreenRect> Areas, const TScreenRect& Rect);
