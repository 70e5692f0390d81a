// The ruler above the text: a gauge with a tick per column and column
// numbers in small digit glyphs of its own, rendered once per horizontal
// position into pictures that each paint copies; the caret's column is
// shown by one cell copied from a second picture in the mark colours.
#pragma once

#include "edOptions.h"

#include <QImage>
#include <QPalette>
#include <vector>

class QPainter;

class TEditorRulerBitmaps {
public:
    // What a ruler looks like; a change of any rebuilds the pictures.
    struct TLook {
        TColor Color = clBlack;
        TColor BkColor = clSilver;
        TColor MarkColor = clBlack; // never clNone
        bool Edge = true;
        int GaugeRange = 10;
        int ColWidth = 1;
        int Height = 11;
        int Width = 0; // at least the widest the ruler is shown

        bool operator==(const TLook&) const = default;
    };

    // The pictures are out of date (an option or colour changed).
    void Invalidate() { Valid_ = false; }

    // Paints the ruler from x = Left to Right for the first visible column
    // TopCol, with the caret's column MarkCol marked when it is among the
    // VisibleCols columns from TopCol.
    void Paint(QPainter& Painter, const QPalette& Palette, const TLook& Look, int Left, int Right, int TopCol,
               int MarkCol, int VisibleCols);

    // The numbers a ruler whose first gauge unit starts at FirstCol writes
    // over Units units: one per unit, none past column 1000.
    static std::vector<int> Numbers(int FirstCol, int Units, int GaugeRange);
    // The digit glyphs 0 to 9, 5 pixels wide each, ink set, 56 x 9.
    static const QImage& DigitMask();

    // The pictures of the last Paint, for tests: the ruler and the mark
    // picture, both starting at the first column of a gauge unit.
    const QImage& RulerImage() const { return Ruler_; }
    const QImage& MarkImage() const { return Mark_; }

private:
    void Rebuild(const QPalette& Palette, const TLook& Look, int FirstCol);
    void DrawGauge(const QPalette& Palette, const TLook& Look);
    void DrawNumbers(QImage& Target, const QImage& Digits, QColor Background, const TLook& Look, int FirstCol);

    bool Valid_ = false;
    TLook Look_;
    int FirstCol_ = -1;
    QImage Gauge_;
    QImage NormalDigits_;
    QImage MarkDigits_;
    QImage Ruler_;
    QImage Mark_;
};
