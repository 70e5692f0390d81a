#include "ToolFrame.h"

namespace {

// Indexed by CloseButtonWhenDocked, then by the style.
constexpr int HandleWidths[2][3] = {{9, 0, 6}, {14, 14, 14}};
constexpr int GripOffsets[2][3] = {{2, 0, 1}, {3, 0, 5}};

int FloatingFrame(const TFrameOptions& Options) { return Options.SizableFrame ? SizingFrameSize : FixedFrameSize; }

} // namespace

int DragHandleWidth(bool CloseButtonWhenDocked, TDragHandleStyle Style)
{
    return HandleWidths[CloseButtonWhenDocked][static_cast<int>(Style)];
}

int GripOffset(bool CloseButtonWhenDocked, TDragHandleStyle Style)
{
    return GripOffsets[CloseButtonWhenDocked][static_cast<int>(Style)];
}

TFrameMargins FrameMargins(const TFrameOptions& Options)
{
    if (Options.Orientation == boFloating) {
        const int frame = FloatingFrame(Options);
        return {frame, frame + (Options.ShowCaption ? SmallCaptionHeight : 0), frame, frame};
    }
    TFrameMargins margins{DockedBorder, DockedBorder, DockedBorder, DockedBorder};
    if (Options.AllowDrag) {
        const int handle = DragHandleWidth(Options.CloseButtonWhenDocked, Options.DragHandleStyle);
        (Options.Orientation == boVertical ? margins.Top : margins.Left) += handle;
    }
    return margins;
}

TBarRect DockedCloseButtonRect(const TFrameOptions& Options, int ClientWidth)
{
    const int side = DragHandleWidth(Options.CloseButtonWhenDocked, Options.DragHandleStyle) - 3;
    if (Options.Orientation == boVertical)
        return {ClientWidth + 2 - side, 3, side, side};
    return {3, 2, side, side};
}

TBarRect CaptionRect(const TFrameOptions& Options, int ClientWidth, bool CloseButton)
{
    const int frame = FloatingFrame(Options);
    const int height = SmallCaptionHeight - 1;
    return {frame, frame, ClientWidth - (CloseButton ? height : 0), height};
}

TBarRect FloatingCloseButtonRect(const TFrameOptions& Options, int ClientWidth)
{
    const int frame = FloatingFrame(Options);
    const int side = SmallCaptionHeight - 1;
    return {frame + ClientWidth - side, frame, side, side};
}
