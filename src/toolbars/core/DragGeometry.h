// The arithmetic of moving and resizing tool windows with the mouse: where
// the outline of a dragged bar goes, whether a dock catches it, how a
// floating window is kept on a monitor, and which part of a floating
// window's frame a point is on. Plain arithmetic, in screen pixels.
#pragma once

#include "ToolbarLayout.h"

#include <vector>

// Number * Numerator / Denominator with a 64-bit product, rounded half away
// from zero; -1 for a zero Denominator.
int MulDiv(int Number, int Numerator, int Denominator);

// Where the bar was pressed, in window coordinates, and the window's size
// at the press less one in each direction.
struct TDragGrip {
    int X = 0, Y = 0;
    int WidthLess1 = 0, HeightLess1 = 0;
};

// The outline of Size placed so that the pointer (Px, Py) keeps its
// proportional place in it.
TBarRect PlaceOutline(const TDragGrip& Grip, int Px, int Py, TBarSize Size);

// Whether a dock whose window is Dock catches the bar dragged with the
// pointer at (Px, Py): the pointer lies within bands around the dock (wider
// on the side the bar was gripped from) and the outline Outline placed
// there overlaps it. An empty dock is widened across itself by a pixel.
bool DockCatches(const TDragGrip& Grip, int Px, int Py, TBarRect Dock, bool VerticalDock, const TBarRect& Outline);

// Keeps a floating outline on the monitor Work: one wholly outside the work
// area shrunk by Frame + 4 is brought back to touch it, and its top is kept
// low enough that 4 px of a caption TopNonClient high stay on the monitor.
TBarRect ClampFloatingOutline(TBarRect Outline, const TBarRect& Work, int Frame, int TopNonClient);

// Moves Window onto Work: with OnlyIfFullyOffscreen only when it does not
// touch Work at all. A window larger than Work keeps its top-left corner
// on it.
TBarRect KeepRectOnScreen(TBarRect Window, const TBarRect& Work, bool OnlyIfFullyOffscreen);

// Of the monitors' work areas, the one nearest Area: the one it overlaps
// most, else the closest. Empty for no monitor.
TBarRect NearestWorkArea(const std::vector<TBarRect>& WorkAreas, const TBarRect& Area);

// What a point of a floating window is on.
enum THitCode {
    htNowhere = 0,
    htClient = 1,
    htLeft = 10,
    htRight,
    htTop,
    htTopLeft,
    htTopRight,
    htBottom,
    htBottomLeft,
    htBottomRight,
    htClose = 20,
};

struct TFloatingHitOptions {
    int Frame = 4;          // the frame's width on every side
    int CaptionHeight = 16; // 0 without a caption
    bool CloseButton = true;
    bool SizableFrame = true;
    bool ResizeAtCorners = true;
};

// The part of a floating window Width x Height that (X, Y), relative to its
// top-left corner, is on. The caption counts as client, so that pressing
// there drags the window.
THitCode HitTestFloating(int X, int Y, int Width, int Height, const TFloatingHitOptions& Options);

// The resize edge (0 left, 1 right, 2 top, 3 top-left, 4 top-right,
// 5 bottom, 6 bottom-left, 7 bottom-right) of a sizing hit code.
int SizingEdge(THitCode Code);

// Window as the edges named by Edge are moved by (Dx, Dy), keeping at
// least MinSize by moving a dragged edge back.
TBarRect ResizeByEdge(const TBarRect& Window, int Edge, int Dx, int Dy, TBarSize MinSize);
