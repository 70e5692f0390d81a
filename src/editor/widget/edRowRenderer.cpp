#include "edRowRenderer.h"

#include "edDotLine.h"

#include "Canvas.h"
#include "Sjis.h"

#include <algorithm>

namespace {

QRect RunRect(const TTextRun& Run, const TRowGeometry& G)
{
    return QRect(G.X + Run.Col * G.ColWidth, G.Y, Run.Length * G.ColWidth, G.Height);
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
        if (run.BkColor == clNone)
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
    }
}
