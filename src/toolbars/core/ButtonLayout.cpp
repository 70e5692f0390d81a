#include "ButtonLayout.h"

#include <algorithm>

namespace {

constexpr int DefaultSpacing = 4;

bool HasGlyph(const TButtonContent& C) { return C.GlyphWidth != 0 && C.GlyphHeight != 0; }

// Without a picture there is nothing to put above or below the caption.
TButtonLayout EffectiveLayout(const TButtonContent& C)
{
    const bool vertical = C.Layout == TButtonLayout::blGlyphTop || C.Layout == TButtonLayout::blGlyphBottom;
    return vertical && !HasGlyph(C) ? TButtonLayout::blGlyphLeft : C.Layout;
}

bool Horizontal(TButtonLayout Layout)
{
    return Layout == TButtonLayout::blGlyphLeft || Layout == TButtonLayout::blGlyphRight;
}

} // namespace

int CaptionRoom(const TButtonContent& C, bool WordWrap)
{
    const bool horizontal = Horizontal(EffectiveLayout(C));
    int room = horizontal ? C.Width - C.ArrowWidth : C.Width;
    if (WordWrap) {
        if (horizontal && HasGlyph(C)) {
            const int spacing = C.Spacing == -1 ? DefaultSpacing : C.Spacing;
            const int margin = C.Margin != -1 ? C.Margin : spacing;
            room -= C.GlyphWidth + spacing + 2 * margin;
        } else {
            room -= 2 * DefaultSpacing;
        }
    }
    return std::max(room, 0);
}

TButtonPlaces LayoutButtonContent(const TButtonContent& C)
{
    TButtonPlaces p;
    const bool hasGlyph = HasGlyph(C);
    const int gw = hasGlyph ? C.GlyphWidth : 0, gh = hasGlyph ? C.GlyphHeight : 0;
    const int tw = C.TextWidth, th = C.TextHeight, aw = C.ArrowWidth;
    const TButtonLayout layout = EffectiveLayout(C);
    const bool horizontal = Horizontal(layout);

    if (horizontal) {
        p.GlyphY = (C.Height - gh + 1) / 2;
        p.TextY = (C.Height - th + 1) / 2;
    } else {
        p.GlyphX = (C.Width - gw - aw + 1) / 2;
        p.TextX = (C.Width - tw + 1) / 2;
        p.ArrowX = hasGlyph ? p.GlyphX + gw : p.TextX + tw;
    }
    int spacing = (tw == 0 || !hasGlyph) ? 0 : C.Spacing;
    int margin = C.Margin;
    // The free space along the layout's axis, less the margin and spacing.
    const int free = horizontal ? C.Width - gw - tw - aw : C.Height - gh - th;
    if (margin == -1 && spacing == -1) {
        margin = spacing = free / 3;
    } else if (margin == -1) {
        margin = (free - spacing + 1) / 2;
    } else if (spacing == -1) {
        spacing = (free - margin) / 2;
    }
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        p.GlyphX = margin;
        p.TextX = margin + gw + spacing;
        p.ArrowX = p.TextX + tw;
        break;
    case TButtonLayout::blGlyphRight:
        p.ArrowX = C.Width - margin - aw;
        p.GlyphX = p.ArrowX - gw;
        p.TextX = p.GlyphX - spacing - tw;
        break;
    case TButtonLayout::blGlyphTop:
        p.GlyphY = margin;
        p.TextY = margin + gh + spacing;
        break;
    case TButtonLayout::blGlyphBottom:
        p.GlyphY = C.Height - margin - gh;
        p.TextY = p.GlyphY - spacing - th;
        break;
    }
    ++p.ArrowX;
    p.ArrowY = hasGlyph ? p.GlyphY + (gh - 3) / 2 : p.TextY + (th - 3) / 2;
    return p;
}
