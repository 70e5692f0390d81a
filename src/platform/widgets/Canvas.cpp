#include "Canvas.h"

#include "CellGlyphs.h"
#include "QtColor.h"
#include "QtFont.h"
#include "Sjis.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

// Text starting this far out is never seen; keeping away from the ends of
// the coordinate range keeps the arithmetic below exact.
constexpr int kFarAway = INT_MAX / 4;

int ClampToInt(int64_t Value) { return static_cast<int>(std::clamp<int64_t>(Value, -kFarAway, kFarAway)); }

// The glyphs of one TextOutCells call, sorted by face, and the cells of
// its bad characters. Kept between calls so that drawing a row allocates
// nothing once the buffers have grown (painting is single-threaded).
struct TRowGlyphs {
    struct TFaceRun {
        std::vector<quint32> Indexes;
        std::vector<QPointF> Positions;
    };
    std::vector<TFaceRun> Faces;
    std::vector<QRect> BadCells;

    void Reset(int FaceCount)
    {
        if (Faces.size() < static_cast<size_t>(FaceCount))
            Faces.resize(FaceCount);
        for (TFaceRun& face : Faces) {
            face.Indexes.clear();
            face.Positions.clear();
        }
        BadCells.clear();
    }
};

TRowGlyphs& RowGlyphs()
{
    static TRowGlyphs glyphs;
    return glyphs;
}

// The fallback glyph: the outline of a box standing on the baseline,
// drawn with fills so that it stays crisp whatever the render hints.
void DrawBox(QPainter& Painter, const QRect& Cells, int Ascent, const QColor& Color)
{
    const int top = Cells.top() + std::max(1, Cells.height() / 6);
    const int bottom = Cells.top() + std::max(Ascent, 1) - 1;
    const QRect box(QPoint(Cells.left() + 1, top), QPoint(Cells.right() - 1, bottom));
    if (box.width() < 3 || box.height() < 3) {
        Painter.fillRect(Cells, Color);
        return;
    }
    Painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), Color);
    Painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), Color);
    Painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), Color);
    Painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), Color);
}

} // namespace

TCanvas::TCanvas(QPainter& Painter) : TCanvas(Painter, QGuiApplication::palette()) {}

TCanvas::TCanvas(QPainter& Painter, const QPalette& Palette) : Painter_(Painter), Palette_(Palette)
{
    SetPenColor(PenColor_);
}

TCanvas::~TCanvas() = default;

void TCanvas::SetPenColor(TColor Value)
{
    PenColor_ = Value;
    Painter_.setPen(ColorToQColor(Value, clNone, Palette_));
}

void TCanvas::SetBrushColor(TColor Value) { BrushColor_ = Value; }

void TCanvas::SetFont(const QFont& Value)
{
    if (Value == Font_)
        return;
    Font_ = Value;
    Glyphs_.reset();
}

void TCanvas::SetFont(const TFont& Value)
{
    SetFont(FontToQFont(Value));
    SetFontColor(Value.Color());
}

void TCanvas::SetFontColor(TColor Value) { FontColor_ = Value; }

TFontStyles TCanvas::FontStyle() const { return QFontStyles(Font_); }

void TCanvas::SetFontStyle(TFontStyles Value)
{
    QFont font = Font_;
    SetQFontStyles(font, Value);
    SetFont(font);
}

TCellGlyphs& TCanvas::Glyphs() const
{
    if (!Glyphs_)
        Glyphs_ = TCellGlyphs::ForFont(Font_);
    return *Glyphs_;
}

int TCanvas::TextHeight() const { return Glyphs().Height(); }

void TCanvas::FillRect(const QRect& Rect) { Painter_.fillRect(Rect, ColorToQColor(BrushColor_, clNone, Palette_)); }

void TCanvas::TextOutCells(int X, int Y, std::string_view Text, int CellWidth, TTextOutOptions Options,
                           const QRect& Clip)
{
    if (CellWidth <= 0 || X < -kFarAway || X > kFarAway || Y < -kFarAway || Y > kFarAway)
        return;
    TCellGlyphs& glyphs = Glyphs();
    const int height = glyphs.Height();
    const int64_t textRight = int64_t{X} + static_cast<int64_t>(Text.size()) * CellWidth;
    const bool clipped = Options.Contains(TTextOutOption::etoClipped);
    const QRect cells(QPoint(X, Y), QPoint(ClampToInt(textRight) - 1, Y + height - 1));
    if (Options.Contains(TTextOutOption::etoOpaque))
        FillRect(clipped ? cells & Clip : cells);
    if (Text.empty())
        return;

    // Glyphs may overhang their cells sideways, never upwards or downwards.
    // Without a clip rectangle they are still kept to what the device shows.
    const QPaintDevice& device = *Painter_.device();
    QRect area =
        clipped ? Clip : Painter_.worldTransform().inverted().mapRect(QRect(0, 0, device.width(), device.height()));
    area &= QRect(area.left(), Y, area.width(), height);
    if (area.isEmpty())
        return;

    // Characters whose cells lie further than this outside the area cannot
    // reach into it.
    const int64_t reach = height + 2 * int64_t{CellWidth};
    const int baseline = Y + glyphs.Ascent();
    TRowGlyphs& row = RowGlyphs();
    row.Reset(glyphs.FaceCount());
    for (sjis::CharCursor c(Text); !c.AtEnd(); c.Next()) {
        const int64_t left = int64_t{X} + static_cast<int64_t>(c.Pos()) * CellWidth;
        const int width = static_cast<int>(c.Len()) * CellWidth;
        if (left + width + reach <= area.left())
            continue;
        if (left - reach > area.right())
            break;
        const TCellGlyphs::TGlyph glyph = glyphs.Glyph(c.Code());
        if (glyph.Bad) {
            row.BadCells.emplace_back(static_cast<int>(left), Y, width, height);
            continue;
        }
        if (glyph.Face >= row.Faces.size())
            row.Faces.resize(glyph.Face + 1);
        row.Faces[glyph.Face].Indexes.push_back(glyph.Index);
        row.Faces[glyph.Face].Positions.emplace_back(static_cast<qreal>(left), baseline);
    }

    const TColor fontColor = FontColor_ == clNone || FontColor_ == clDefault ? clWindowText : FontColor_;
    const QColor color = ColorToQColor(fontColor, clNone, Palette_);
    Painter_.save();
    Painter_.setClipRect(area, Qt::IntersectClip);
    Painter_.setPen(color);
    for (size_t face = 0; face < row.Faces.size(); ++face) {
        const TRowGlyphs::TFaceRun& run = row.Faces[face];
        if (run.Indexes.empty())
            continue;
        QGlyphRun glyphRun;
        glyphRun.setRawFont(glyphs.Face(static_cast<int>(face)));
        glyphRun.setRawData(run.Indexes.data(), run.Positions.data(), static_cast<int>(run.Indexes.size()));
        Painter_.drawGlyphRun(QPointF(0, 0), glyphRun);
    }
    for (const QRect& bad : row.BadCells)
        DrawBox(Painter_, bad, glyphs.Ascent(), color);
    const QRect span = cells & area;
    const auto drawLine = [&](int Offset) {
        Painter_.fillRect(QRect(span.left(), baseline + Offset, span.width(), glyphs.LineWidth()), color);
    };
    if (Font_.underline())
        drawLine(glyphs.UnderlineOffset());
    if (Font_.strikeOut())
        drawLine(glyphs.StrikeOutOffset());
    Painter_.restore();
}

void TCanvas::Draw(int X, int Y, const QImage& Image, const QRect& Source)
{
    // Only the part whose target lies within the coordinate range can
    // show; keeping to it keeps the target rectangle's arithmetic exact.
    const auto fits = [](int Origin, int Length) {
        return static_cast<int>(std::min<int64_t>(Length, int64_t{INT_MAX} - Origin));
    };
    const int width = fits(X, Source.width());
    const int height = fits(Y, Source.height());
    if (width <= 0 || height <= 0)
        return;
    Painter_.drawImage(QRect(X, Y, width, height), Image, QRect(Source.topLeft(), QSize(width, height)));
}
