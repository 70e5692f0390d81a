#include "EditorRowRenderer.h"

#include "EditorDotLine.h"

#include "Canvas.h"
#include "Sjis.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <algorithm>

namespace {

QRect RunRect(const TTextRun& Run, const TRowGeometry& G)
{
    return QRect(G.X + Run.Col * G.ColWidth, G.Y, Run.Length * G.ColWidth, G.Height);
}

// The line under composed text, along the text's last pixel row (a wave
// rises two pixels above it).
void DrawCompositionUnderline(TCanvas& Canvas, const TTextRun& Run, const TRowGeometry& G)
{
    const QRect rect = RunRect(Run, G);
    const int left = std::max(rect.left(), G.Clip.left());
    const int right = std::min(rect.right(), G.Clip.right());
    const int y = G.Y + Canvas.TextHeight() - 1;
    if (left > right || y < G.Clip.top() || y > G.Clip.bottom())
        return;
    Canvas.SetPenColor(Run.UnderlineColor == clNone ? Run.Color : Run.UnderlineColor);
    QPainter& painter = Canvas.Painter();
    QPen pen = painter.pen();
    pen.setWidth(1);
    switch (Run.Underline) {
    case TCompositionUnderline::None: return;
    case TCompositionUnderline::Solid: pen.setStyle(Qt::SolidLine); break;
    case TCompositionUnderline::Dotted: pen.setStyle(Qt::DotLine); break;
    case TCompositionUnderline::Dashed: pen.setStyle(Qt::DashLine); break;
    case TCompositionUnderline::Wave: {
        pen.setStyle(Qt::SolidLine);
        painter.setPen(pen);
        QPolygon wave;
        for (int x = left; x <= right + 1; x += 2)
            wave << QPoint(std::min(x, right), (x - left) % 4 == 0 ? y : y - 2);
        painter.drawPolyline(wave);
        return;
    }
    }
    painter.setPen(pen);
    painter.drawLine(left, y, right, y);
}

} // namespace

void DrawCellText(TCanvas& Canvas, int X, int Y, std::string_view Text, int ColWidth, TColor Color, TColor BkColor,
                  TFontStyles Style, const QRect& Clip)
{
    const bool underline = Style.Contains(TFontStyle::fsUnderline);
    Style.Exclude(TFontStyle::fsUnderline);
    Canvas.SetFontStyle(Style);
    Canvas.SetFontColor(Color);
    Canvas.TextOutCells(X, Y, Text, ColWidth, TTextOutOptions{TTextOutOption::etoClipped}, Clip);
    if (!underline)
        return;
    const int left = std::max(X, Clip.left());
    const int right = std::min(X + static_cast<int>(Text.size()) * ColWidth, Clip.right() + 1) - 1;
    const int y = Y + Canvas.TextHeight() - 1;
    if (left <= right && y >= Clip.top() && y <= Clip.bottom())
        DrawDotLine(Canvas, left, y, BkColor, Color, right);
}

void DrawRowPlan(TCanvas& Canvas, const TRowPlan& Plan, std::string_view Text, const TRowGeometry& Geometry)
{
    for (const TTextRun& run : Plan.Runs) {
        if (run.BkColor == clNone || (Geometry.BackgroundFilled && run.BkColor == Geometry.Background))
            continue;
        Canvas.SetBrushColor(run.BkColor);
        Canvas.FillRect(RunRect(run, Geometry).intersected(Geometry.Clip));
    }
    const int drawn = std::min(Plan.DrawLength, static_cast<int>(Text.size()));
    for (const TTextRun& run : Plan.Runs) {
        if (run.Col >= drawn)
            break;
        // A run that begins or ends inside a double-byte character draws
        // the whole character, cut at the run's cells.
        const auto from = static_cast<int>(sjis::CharStart(Text, static_cast<size_t>(run.Col)));
        int to = std::min(run.Col + run.Length, drawn);
        if (to < static_cast<int>(Text.size()) && !sjis::IsCharBoundary(Text, static_cast<size_t>(to)))
            ++to;
        const QRect clip = RunRect(run, Geometry).intersected(Geometry.Clip);
        const TColor background = run.BkColor == clNone ? Geometry.Background : run.BkColor;
        DrawCellText(Canvas, Geometry.X + from * Geometry.ColWidth, Geometry.Y, Text.substr(from, to - from),
                     Geometry.ColWidth, run.Color, background, run.Style, clip);
        if (run.Underline != TCompositionUnderline::None)
            DrawCompositionUnderline(Canvas, run, Geometry);
    }
}
