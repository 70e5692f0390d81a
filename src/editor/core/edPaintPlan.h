// What the editor paints on one text row, worked out before anything is
// drawn: runs of cells with their colours and style, and the mark at the
// row's end. Columns are cells of the display text (tabs expanded), one
// per byte, so a plan says exactly what a row shows without a window.
//
// Painting limits: at most 1000 bytes of a row are drawn (1001 when the
// 1000th byte starts a double-byte character); what lies past them is
// shown by the hide mark.
#pragma once

#include "edFountain.h"

#include "Graphics.h"

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int PaintColumnLimit = 1000;

// The line under text an input method is composing.
enum class TCompositionUnderline : uint8_t { None, Solid, Dotted, Dashed, Wave };

// A span of cells drawn alike. Cells past the drawn text are blank cells
// of the row's background (or of the selection's).
struct TTextRun {
    int Col = 0;             // first cell
    int Length = 0;          // cells
    TColor Color = clNone;   // the text colour
    TColor BkColor = clNone; // clNone: transparent, the row's fill shows
    TFontStyles Style;
    bool Selected = false;
    // Text being composed: its underline, in UnderlineColor (clNone: the
    // text colour).
    TCompositionUnderline Underline = TCompositionUnderline::None;
    TColor UnderlineColor = clNone;

    bool operator==(const TTextRun&) const = default;
};

enum class TRowMarkKind { None, Eof, Ret, Wrap, Hide };

struct TRowPlan {
    // Bytes of the display text that are drawn.
    int DrawLength = 0;
    // The visible cells, left to right, without gaps.
    std::vector<TTextRun> Runs;
    TRowMarkKind Mark = TRowMarkKind::None;
    int MarkCol = 0;
    bool MarkSelected = false;
};

// The colours a row is painted with by default and when selected; none is
// clNone.
struct TRowColors {
    TColor Color = clWhite;     // the editor's background
    TColor FontColor = clBlack; // the editor's text colour
    TFontStyles FontStyle;
    TColor SelColor = clWhite;   // selected text
    TColor SelBkColor = clBlack; // selected background
};

// The colours of a selection from its colour object: clNone in the
// background means the text colour, clNone in the text colour the editor's
// background, so a selection in default colours is drawn inverted.
void ResolveSelectionColors(const TFountainColor& Selection, TRowColors& Colors);

// Which of the end marks the editor shows.
struct TRowMarkOptions {
    bool Eof = false;
    bool Ret = false;
    bool Wrap = false;
    bool Hide = false;
};

struct TRowPlanInput {
    // The row's display text.
    std::string_view Text;
    // With word wrap on, the display text of the row after a wrapped row,
    // parsed with it so that a token running on is coloured whole.
    std::string_view NextText;
    TRowAttribute Attribute = TRowAttribute::raCrlf;
    bool LastRow = false;
    // The parser of the paint pass and the row's stored state; no parser
    // paints the row in the default colours.
    TFountainParser* Parser = nullptr;
    TRowAttributeData State;
    TRowColors Colors;
    TRowMarkOptions Marks;
    // Italic glyphs overhang their cells: each token stands alone and a
    // background equal to the editor's is left transparent.
    bool PerToken = false;
    // The selected cells [SelStart, SelEnd) of this row; SelEnd may be
    // INT_MAX (to the right edge). Empty when SelStart >= SelEnd.
    int SelStart = 0;
    int SelEnd = 0;
    // The cells to plan, [FirstCol, LastCol).
    int FirstCol = 0;
    int LastCol = 0;
};

// The number of bytes of Text that are drawn.
int DrawnLength(std::string_view Text);

// Plans a row of the text into Plan (replaced). Scratch and the storage of
// Plan's runs are reused between rows.
void BuildRowPlan(const TRowPlanInput& Input, std::string& Scratch, TRowPlan& Plan);

// Plans a row at or past the end of the text: a blank row, with the
// end-of-file mark at column 0 when ShowEof.
void BuildBlankRowPlan(const TRowColors& Colors, int FirstCol, int LastCol, bool ShowEof, TRowPlan& Plan);
