#include "FloatSizing.h"

#include <algorithm>

TFloatSizing::TFloatSizing(TSizeEdge Edge, const std::vector<TBarSize>& ClientSizes, const TFrameMargins& Frame,
                           const TBarRect& Window)
    : Edge_(Edge)
{
    for (size_t i = 0; i < ClientSizes.size(); ++i)
        Sizes_.push_back({{ClientSizes[i].Width + Frame.Width(), ClientSizes[i].Height + Frame.Height()},
                          i == 0 ? 0 : ClientSizes[i].Width});
    std::stable_sort(Sizes_.begin(), Sizes_.end(),
                     [this](const TChoice& A, const TChoice& B) { return Along(A.Window) > Along(B.Window); });
    // Near the present size, snap no further than halfway to a neighbour.
    const TBarSize present{Window.Width, Window.Height};
    for (size_t i = 0; i < Sizes_.size(); ++i) {
        if (!(Sizes_[i].Window == present))
            continue;
        for (size_t n : {i - 1, i + 1})
            if (n < Sizes_.size())
                Threshold_ = std::min(Threshold_, std::abs(Along(Sizes_[n].Window) - Along(present)) - 1);
    }
    Threshold_ = std::max(Threshold_, 0);
}

TBarRect TFloatSizing::Track(int X, int Y, const TBarRect& StartRect, const TBarRect& Window)
{
    const int size = Horizontal() ? Window.Width : Window.Height;
    int distance = 0;
    switch (Edge_) {
    case TSizeEdge::Left: distance = Window.Left + Window.Width - X; break;
    case TSizeEdge::Right: distance = X - Window.Left; break;
    case TSizeEdge::Top: distance = Window.Top + Window.Height - Y; break;
    case TSizeEdge::Bottom: distance = Y - Window.Top; break;
    }
    const bool shrinking = size > distance;
    if ((!Moved_ || shrinking != Shrinking_) && distance >= size - Threshold_ && distance < size + Threshold_)
        distance = size;
    Shrinking_ = shrinking;

    TBarRect result = StartRect;
    if (Sizes_.empty())
        return result;
    const TChoice* choice = nullptr;
    if (shrinking) {
        for (auto s = Sizes_.rbegin(); s != Sizes_.rend(); ++s)
            if (!choice || Along(s->Window) <= distance)
                choice = &*s;
    } else {
        // Growing takes the shortest size longer than the distance: the
        // first pixel outward already reaches the next size.
        for (const TChoice& s : Sizes_)
            if (!choice || Along(s.Window) > distance)
                choice = &s;
    }
    FloatRightX_ = choice->FloatRightX;
    result.Width = choice->Window.Width;
    result.Height = choice->Window.Height;
    if (Edge_ == TSizeEdge::Left)
        result.Left = StartRect.Left + StartRect.Width - result.Width;
    if (Edge_ == TSizeEdge::Top)
        result.Top = StartRect.Top + StartRect.Height - result.Height;
    Moved_ = !(result == StartRect);
    return result;
}
