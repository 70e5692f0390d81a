// A drawing surface in the program's terms: colours are TColor values,
// coordinates are device pixels of the QPainter's target, and text is
// Shift-JIS bytes drawn on a grid of cells.
#pragma once

#include "Graphics.h"
#include "Set.h"

#include <QFont>
#include <QPalette>
#include <memory>
#include <string_view>

class QImage;
class QPainter;
class QRect;
class TCellGlyphs;

// How TextOutCells treats the rectangle around the text.
enum class TTextOutOption {
    etoOpaque, // fill the text's cells with the brush colour first
    etoClipped // draw nothing outside the clip rectangle
};
using TTextOutOptions = TSet<TTextOutOption>;

class TCanvas {
public:
    // Draws through Painter, which must outlive the canvas. System colours
    // are resolved with Palette (the widget's own, when painting a widget).
    explicit TCanvas(QPainter& Painter);
    TCanvas(QPainter& Painter, const QPalette& Palette);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    QPainter& Painter() const { return Painter_; }
    const QPalette& Palette() const { return Palette_; }

    // The colour of lines; clNone draws nothing.
    TColor PenColor() const { return PenColor_; }
    void SetPenColor(TColor Value);
    // The colour of fills; clNone fills nothing.
    TColor BrushColor() const { return BrushColor_; }
    void SetBrushColor(TColor Value);

    // The font text is drawn in (the application's font at first) and the
    // colour of text (clWindowText at first; clNone and clDefault mean
    // clWindowText too).
    const QFont& Font() const { return Font_; }
    void SetFont(const QFont& Value);
    // Takes face, size, style and colour from Value.
    void SetFont(const TFont& Value);
    TColor FontColor() const { return FontColor_; }
    void SetFontColor(TColor Value);
    // The styles of the font, set without changing its face or size.
    TFontStyles FontStyle() const;
    void SetFontStyle(TFontStyles Value);

    // The height of a text cell in the font: ascent, descent and the
    // external leading below them.
    int TextHeight() const;

    // Fills Rect with the brush colour.
    void FillRect(const QRect& Rect);
    // Draws the Shift-JIS Text with its first cell's top left corner at
    // (X, Y), on a grid of cells CellWidth wide and TextHeight high: one
    // cell per byte, two per double-byte character, each character drawn
    // at its own cell whatever its natural width (half-width letters and
    // kanji of a Japanese font are not exactly one and two cells wide).
    // - A byte or pair with no character (a lone lead byte, a trail byte
    //   with no lead, 0x80, 0xA0, 0xFD-0xFF, an unassigned pair), a control
    //   character such as NUL or TAB, and a character no installed face can
    //   show are drawn as a box in their cells; the row goes on after them.
    // - etoOpaque fills the text's cells with the brush colour first.
    // - etoClipped keeps everything inside Clip. Glyphs are always kept to
    //   the cells' height, so that an italic or bold glyph never reaches
    //   into the row above or below.
    // - The font's underline and strike-out run across all the cells.
    void TextOutCells(int X, int Y, std::string_view Text, int CellWidth, TTextOutOptions Options = {},
                      const QRect& Clip = QRect());
    // Copies the Source part of Image with its top left corner at (X, Y),
    // one image pixel to one target pixel.
    void Draw(int X, int Y, const QImage& Image, const QRect& Source);

private:
    QPainter& Painter_;
    QPalette Palette_;
    TColor PenColor_ = clBlack;
    TColor BrushColor_ = clWhite;
    QFont Font_;
    TColor FontColor_ = clWindowText;
    // The glyphs of Font_, looked up when first needed.
    TCellGlyphs& Glyphs() const;
    mutable std::shared_ptr<TCellGlyphs> Glyphs_;
};
