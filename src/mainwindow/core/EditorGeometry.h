// How the page editor's wrap column follows the window, and how a turn of
// the mouse wheel scrolls it.
#pragma once

#include <optional>

struct TWindowWrapInputs {
    bool WordWrap = false; // the editor wraps
    bool RightRtn = false; // [Options] RightRtn: wrap at the window's edge
    int EditorWidth = 0;   // pixels
    int TextOffset = 0;    // the left bar and margin before the text
    int CharWidth = 0;     // of a half-width character
    bool VerticalScrollBar = false;
    int ScrollBarExtent = 0; // width of the vertical scroll bar
    bool WrapMarkVisible = false;
};

// The wrap column that fills the editor's width: (width - text offset -
// half a character - the vertical bar) div character width, 2 less when the
// wrap mark is shown. None unless the editor wraps at the window's edge and
// has a character width.
std::optional<int> WindowWrapByte(const TWindowWrapInputs& Inputs);

// The scroll commands of the editor, numbered as its scroll messages.
enum class TScrollCode { LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3 };

struct TWheelScroll {
    TScrollCode Code = TScrollCode::LineDown;
    int Count = 0; // 0: nothing to do
    bool operator==(const TWheelScroll&) const = default;
};

// One notch of the wheel: Delta > 0 (turned away from the user) scrolls up,
// else down. With LineScrollFlg, LineScroll lines (none when LineScroll <= 0),
// else one page.
TWheelScroll WheelScroll(int Delta, bool LineScrollFlg, int LineScroll);
