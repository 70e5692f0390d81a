// Resizing a floating toolbar by one edge of its window: the window only
// takes the sizes the toolbar can wrap to, snapping to the one nearest the
// pointer along the dragged axis. Plain arithmetic; the resize loop feeds it
// pointer positions.
#pragma once

#include "ToolFrame.h"

#include <vector>

enum class TSizeEdge { Left, Right, Top, Bottom };

class TFloatSizing {
public:
    // ClientSizes: the toolbar's floating size list (one line first);
    // Window: the window's bounds as the resize starts.
    TFloatSizing(TSizeEdge Edge, const std::vector<TBarSize>& ClientSizes, const TFrameMargins& Frame,
                 const TBarRect& Window);

    // The window's bounds for the pointer at (X, Y), in the coordinates of
    // StartRect, the window's bounds as the resize started; Window is the
    // window's present bounds.
    TBarRect Track(int X, int Y, const TBarRect& StartRect, const TBarRect& Window);

    // The wrap width of the size chosen last (0: one line).
    int32_t FloatRightX() const { return FloatRightX_; }
    // Whether the last result differed from the start.
    bool Moved() const { return Moved_; }
    int Threshold() const { return Threshold_; }

private:
    struct TChoice {
        TBarSize Window;
        int32_t FloatRightX;
    };
    bool Horizontal() const { return Edge_ == TSizeEdge::Left || Edge_ == TSizeEdge::Right; }
    int Along(const TBarSize& Size) const { return Horizontal() ? Size.Width : Size.Height; }

    TSizeEdge Edge_;
    std::vector<TChoice> Sizes_; // window sizes, longest along the dragged axis first
    int32_t FloatRightX_ = 0;
    bool Moved_ = false;
    bool Shrinking_ = false;
    int Threshold_ = 12;
};
