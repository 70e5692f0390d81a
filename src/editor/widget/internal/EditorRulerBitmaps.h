// The ruler above the text: a gauge with a tick per column and column
// numbers in small digit glyphs of its own, rendered once per horizontal
// position into pictures that each paint copies; the caret's column is
// shown by one cell copied from a second picture in the mark colours.
#pragma once

#include <QColor>
#include <QImage>
#include <optional>
#include <vector>

class QPainter;

// What a ruler looks like; a change of any rebuilds the pictures.
struct TRulerLook {
    QColor Color = Qt::black;
    QColor BkColor = Qt::lightGray;
    QColor MarkColor = Qt::black;
    bool Edge = true;
    int GaugeRange = 10;
    int ColWidth = 1;
    int Height = 11;
    int Width = 0; // at least the widest the ruler is shown

    bool operator==(const TRulerLook&) const = default;
};

class TEditorRulerBitmaps {
public:
    // The pictures' width: whole gauge units, two more than fit in Width,
    // so that a copy may start anywhere in the first unit.
    static int RulerGaugeWidth(int GaugeRange, int ColWidth, int Width);
    // The digit glyphs 0 to 9, 5 pixels wide each, ink set, 56 x 9.
    static const QImage& CreateRulerMarkBitmap();
    // The raised edge under the ruler: a white pixel row over a grey one.
    static QImage CreateRulerEdge(int Width);
    // The numbers a ruler whose first gauge unit starts at FirstCol writes
    // over Units units: one per unit, none past column 1000.
    static std::vector<int> Numbers(int FirstCol, int Units, int GaugeRange);

    // The look the pictures were last built for; none before the first.
    const std::optional<TRulerLook>& Look() const { return Look_; }
    // Builds the pictures for Look: the coloured digits, the gauge, and the
    // ruler and mark pictures sized to the gauge.
    void UpdateBars(const TRulerLook& Look);
    // Redraws the ruler and mark pictures for the gauge unit that starts at
    // FirstCol, unless they show it already.
    void DrawRulerBack(int FirstCol);
    // Copies the ruler from x = Left to Right, for the first visible column
    // TopCol.
    void DrawRuler(QPainter& Painter, int Left, int Right, int TopCol) const;
    // Copies the marked picture into Cell, a ruler cell of a ruler drawn
    // from Left for TopCol.
    void ShowRulerMark(QPainter& Painter, const QRect& Cell, int Left, int TopCol) const;

private:
    void InitRulerBitmaps();
    void DrawRulerGauge();
    void AdjustBarBitmaps();
    // Writes the column numbers of the units from FirstCol into Bitmap with
    // the glyphs of Digits; past column 1000 the ruler is Background.
    void DrawRulerNumbers(QImage& Bitmap, const QImage& Digits, QColor Background, int FirstCol) const;

    std::optional<TRulerLook> Look_;
    int FirstCol_ = -1;
    QImage Gauge_;
    QImage NormalDigits_;
    QImage MarkDigits_;
    QImage Ruler_;
    QImage Mark_;
};
