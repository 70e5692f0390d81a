// The frame a tool window draws around its controls: on a dock a thin
// raised frame with a drag handle on the leading side, floating a window
// frame with a small caption and a close button. Sizes only.
#pragma once

#include "ToolbarLayout.h"

enum class TDragHandleStyle { dhDouble, dhNone, dhSingle };

// The metrics of our floating windows.
constexpr int FixedFrameSize = 3;
constexpr int SizingFrameSize = 4;
constexpr int SmallCaptionHeight = 16;
// The thin frame of a docked bar, on every side.
constexpr int DockedBorder = 2;

struct TFrameMargins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Left + Right; }
    int Height() const { return Top + Bottom; }
    bool operator==(const TFrameMargins&) const = default;
};

// The drag handle's width across the bar, and where its first grip line
// starts, from the handle's inner edge.
int DragHandleWidth(bool CloseButtonWhenDocked, TDragHandleStyle Style);
int GripOffset(bool CloseButtonWhenDocked, TDragHandleStyle Style);

struct TFrameOptions {
    TBarOrientation Orientation = boHorizontal; // boFloating: floating
    bool AllowDrag = true;                      // docked: the dock lets bars be dragged off
    bool CloseButtonWhenDocked = false;
    TDragHandleStyle DragHandleStyle = TDragHandleStyle::dhDouble;
    bool SizableFrame = true; // floating
    bool ShowCaption = true;  // floating
};

TFrameMargins FrameMargins(const TFrameOptions& Options);

// Window coordinates of a docked bar's close button, for a client area
// ClientWidth wide; a square of side (handle width - 3).
TBarRect DockedCloseButtonRect(const TFrameOptions& Options, int ClientWidth);

// Window coordinates of a floating bar's caption (less the close button
// when it has one) and of its close button.
TBarRect CaptionRect(const TFrameOptions& Options, int ClientWidth, bool CloseButton);
TBarRect FloatingCloseButtonRect(const TFrameOptions& Options, int ClientWidth);
