#include "DragGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

int Right(const TBarRect& R) { return R.Left + R.Width; }

int Bottom(const TBarRect& R) { return R.Top + R.Height; }

bool Intersect(const TBarRect& A, const TBarRect& B)
{
    return A.Left < Right(B) && B.Left < Right(A) && A.Top < Bottom(B) && B.Top < Bottom(A);
}

int64_t OverlapArea(const TBarRect& A, const TBarRect& B)
{
    const int64_t w = std::min(Right(A), Right(B)) - std::max(A.Left, B.Left);
    const int64_t h = std::min(Bottom(A), Bottom(B)) - std::max(A.Top, B.Top);
    return w > 0 && h > 0 ? w * h : 0;
}

// The distance between two rectangles along one axis; 0 when they overlap.
int64_t Gap(int64_t ALow, int64_t AHigh, int64_t BLow, int64_t BHigh)
{
    return std::max<int64_t>({0, BLow - AHigh, ALow - BHigh});
}

} // namespace

int MulDiv(int Number, int Numerator, int Denominator)
{
    if (Denominator == 0)
        return -1;
    const int64_t product = int64_t(Number) * Numerator;
    const int64_t half = std::abs(int64_t(Denominator)) / 2;
    const bool negative = (product < 0) != (Denominator < 0);
    const int64_t quotient = (std::abs(product) + half) / std::abs(int64_t(Denominator));
    const int64_t result = negative ? -quotient : quotient;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return int(result);
}

TBarRect PlaceOutline(const TDragGrip& Grip, int Px, int Py, TBarSize Size)
{
    return {Px - MulDiv(Size.Width - 1, Grip.X, Grip.WidthLess1),
            Py - MulDiv(Size.Height - 1, Grip.Y, Grip.HeightLess1), Size.Width, Size.Height};
}

bool DockCatches(const TDragGrip& Grip, int Px, int Py, TBarRect Dock, bool VerticalDock, const TBarRect& Outline)
{
    if (Dock.Width <= 0 || Dock.Height <= 0) {
        if (VerticalDock) {
            --Dock.Left;
            Dock.Width = std::max(Dock.Width, 0) + 2;
        } else {
            --Dock.Top;
            Dock.Height = std::max(Dock.Height, 0) + 2;
        }
    }
    const int tx = MulDiv(32, Grip.X, Grip.WidthLess1);
    const int ty = MulDiv(20, Grip.Y, Grip.HeightLess1);
    if (Px < Dock.Left - (32 - tx) || Px > Right(Dock) - 1 + tx)
        return false;
    if (VerticalDock && (Py < Dock.Top || Py >= Bottom(Dock)))
        return false;
    if (Py < Dock.Top - (20 - ty) || Py > Bottom(Dock) - 1 + ty)
        return false;
    return Intersect(Outline, Dock);
}

TBarRect ClampFloatingOutline(TBarRect Outline, const TBarRect& Work, int Frame, int TopNonClient)
{
    const int inset = Frame + 4;
    const TBarRect m{Work.Left + inset, Work.Top + inset, Work.Width - 2 * inset, Work.Height - 2 * inset};
    if (Bottom(Outline) <= m.Top)
        Outline.Top = m.Top - Outline.Height;
    else if (Outline.Top >= Bottom(m))
        Outline.Top = Bottom(m);
    if (Right(Outline) <= m.Left)
        Outline.Left = m.Left - Outline.Width;
    else if (Outline.Left >= Right(m))
        Outline.Left = Right(m);
    Outline.Top = std::max(Outline.Top, Work.Top + 4 - TopNonClient);
    return Outline;
}

TBarRect KeepRectOnScreen(TBarRect Window, const TBarRect& Work, bool OnlyIfFullyOffscreen)
{
    if (OnlyIfFullyOffscreen && Intersect(Window, Work))
        return Window;
    if (Right(Window) > Right(Work))
        Window.Left = Right(Work) - Window.Width;
    if (Bottom(Window) > Bottom(Work))
        Window.Top = Bottom(Work) - Window.Height;
    Window.Left = std::max(Window.Left, Work.Left);
    Window.Top = std::max(Window.Top, Work.Top);
    return Window;
}

TBarRect NearestWorkArea(const std::vector<TBarRect>& WorkAreas, const TBarRect& Area)
{
    const TBarRect* best = nullptr;
    int64_t bestOverlap = 0;
    int64_t bestDistance = std::numeric_limits<int64_t>::max();
    for (const TBarRect& work : WorkAreas) {
        const int64_t overlap = OverlapArea(work, Area);
        const int64_t dx = Gap(Area.Left, Right(Area), work.Left, Right(work));
        const int64_t dy = Gap(Area.Top, Bottom(Area), work.Top, Bottom(work));
        const int64_t distance = dx * dx + dy * dy;
        if (!best || overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && distance < bestDistance)) {
            best = &work;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best ? *best : TBarRect{};
}

THitCode HitTestFloating(int X, int Y, int Width, int Height, const TFloatingHitOptions& Options)
{
    const int f = Options.Frame;
    const int caption = Options.CaptionHeight > 0 ? Options.CaptionHeight - 1 : 0;
    const int clientWidth = Width - 2 * f;
    const bool insideX = X >= f && X < Width - f;
    if (insideX && Y >= f + Options.CaptionHeight && Y < Height - f)
        return htClient;
    if (caption > 0 && insideX && Y >= f && Y < f + caption) {
        const bool onClose = Options.CloseButton && X >= f + clientWidth - caption;
        return onClose ? htClose : htClient;
    }
    if (!Options.SizableFrame)
        return htNowhere;
    // Along an edge: the corner code near either end, else the edge's own.
    const auto along = [](int V, int Size, int Corner, THitCode Before, THitCode Middle, THitCode After) {
        return V < Corner ? Before : V >= Size - Corner ? After : Middle;
    };
    if (Options.ResizeAtCorners) {
        const int c = caption + f;
        if (X < f)
            return along(Y, Height, c, htTopLeft, htLeft, htBottomLeft);
        if (X >= Width - f - 1)
            return along(Y, Height, c, htTopRight, htRight, htBottomRight);
        if (Y < f)
            return along(X, Width, c, htTopLeft, htTop, htTopRight);
        if (Y >= Height - f - 1)
            return along(X, Width, c, htBottomLeft, htBottom, htBottomRight);
        return htNowhere;
    }
    if (Y < f)
        return htTop;
    if (Y >= Height - f - 1)
        return htBottom;
    if (X < f)
        return htLeft;
    if (X >= Width - f - 1)
        return htRight;
    return htNowhere;
}

int SizingEdge(THitCode Code)
{
    switch (Code) {
    case htLeft: return 0;
    case htRight: return 1;
    case htTop: return 2;
    case htTopLeft: return 3;
    case htTopRight: return 4;
    case htBottom: return 5;
    case htBottomLeft: return 6;
    case htBottomRight: return 7;
    default: return -1;
    }
}

TBarRect ResizeByEdge(const TBarRect& Window, int Edge, int Dx, int Dy, TBarSize MinSize)
{
    TBarRect r = Window;
    const bool horizontal = Edge != 2 && Edge != 5;
    const bool leftEdge = Edge == 0 || Edge == 3 || Edge == 6;
    const bool vertical = Edge >= 2;
    const bool topEdge = Edge >= 2 && Edge <= 4;
    if (horizontal) {
        const int width = std::max(MinSize.Width, Window.Width + (leftEdge ? -Dx : Dx));
        if (leftEdge)
            r.Left = Right(Window) - width;
        r.Width = width;
    }
    if (vertical) {
        const int height = std::max(MinSize.Height, Window.Height + (topEdge ? -Dy : Dy));
        if (topEdge)
            r.Top = Bottom(Window) - height;
        r.Height = height;
    }
    return r;
}
