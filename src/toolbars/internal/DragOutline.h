// The outline of a tool window being dragged or resized: four thin
// always-on-top windows along its edges, painted with a checkerboard, so
// that it shows over every window without touching them.
#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <memory>

class TDragOutline {
public:
    TDragOutline();
    ~TDragOutline();
    // Shows the outline of Rect (screen coordinates) with edges Thickness
    // wide; an empty Rect hides it.
    void Show(const QRect& Rect, int Thickness);
    const QRect& Rect() const { return Rect_; }

private:
    std::array<std::unique_ptr<QWidget>, 4> Edges_;
    QRect Rect_;
};
