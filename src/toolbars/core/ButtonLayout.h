// Where a toolbar button puts its picture, its caption and the small arrow
// of a drop-down button inside the area its border leaves. Plain
// arithmetic.
#pragma once

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// What a button shows: its picture and caption, or only one of them.
enum class TButtonDisplayMode { dmBoth, dmGlyphOnly, dmTextOnly };
// Where the caption's lines sit across the room it has.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

struct TButtonContent {
    int Width = 0, Height = 0;           // the area inside the border
    int GlyphWidth = 0, GlyphHeight = 0; // 0 x 0: no picture
    int TextWidth = 0, TextHeight = 0;   // 0 x 0: no caption
    int ArrowWidth = 0;                  // 0: no arrow beside the picture
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1; // from the edge; -1 centres
    int Spacing = 4; // picture to caption; -1 spreads
};

struct TButtonPlaces {
    int GlyphX = 0, GlyphY = 0;
    int TextX = 0, TextY = 0;
    int ArrowX = 0, ArrowY = 0;
};

// The places, relative to the area's top-left corner.
TButtonPlaces LayoutButtonContent(const TButtonContent& Content);

// The width the caption is measured in (its own size is not used): the
// area's less the arrow on a horizontal layout, and with WordWrap less the
// picture and its spacing and the margins too, so wrapped lines fit
// beside the picture.
int CaptionRoom(const TButtonContent& Content, bool WordWrap);
