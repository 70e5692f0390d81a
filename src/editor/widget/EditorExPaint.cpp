// What the extended editor paints over TEditor's rows: row backgrounds,
// find hits with their underline, marks on blanks, tabs and the bracket
// pair, and the vertical guide lines over everything.
//
// TEditor calls DoDrawLine once for each piece of a row (left of, inside
// and right of a selection) after drawing the row's text and before its
// end mark. The row is planned at the first piece (TExRowPlan, from the
// core's hit cache and mark collection) and each piece draws the plan
// clipped to itself.
#include "EditorEx.h"

#include "EditorRowRenderer.h"

#include "Canvas.h"
#include "QtColor.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

namespace {

// Narrows the painter's clip to a rectangle for the scope. (Only the clip:
// the canvas keeps the pen and fonts it set.)
class TClipScope {
public:
    TClipScope(QPainter& Painter, const QRect& Rect)
        : Painter_(Painter), HadClip_(Painter.hasClipping()), OldClip_(HadClip_ ? Painter.clipRegion() : QRegion())
    {
        Painter_.setClipRect(Rect, HadClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    ~TClipScope()
    {
        if (HadClip_)
            Painter_.setClipRegion(OldClip_);
        else
            Painter_.setClipping(false);
    }
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

private:
    QPainter& Painter_;
    bool HadClip_;
    QRegion OldClip_;
};

// The outline of the pixels [Left, Right) x [Top, Bottom), in the pen.
void DrawOutline(QPainter& Painter, int Left, int Top, int Right, int Bottom)
{
    if (Right - Left < 2 || Bottom - Top < 2)
        return;
    const QPoint corners[] = {{Left, Top}, {Right - 1, Top}, {Right - 1, Bottom - 1}, {Left, Bottom - 1}, {Left, Top}};
    Painter.drawPolyline(corners, 5);
}

} // namespace

// ---- Plans -------------------------------------------------------------------------------------------

void TEditorEx::PlanExRow(int ARow, std::string_view Text, int FirstCol, int LastCol, TExRowPlan& Plan)
{
    const TEditorExMarks& marks = *ExMarks_;
    Plan.Background.reset();
    Plan.Hits.clear();
    Plan.Marks.clear();
    Plan.TextEndCol = DrawnLength(Text);
    if (ARow < 0 || ARow >= RowCount())
        return;
    if (const TEditorMark* mark = marks.RowBackground(ARow == Row(), RowMarks(ARow), ARow, Leftbar()->ZeroBase()))
        Plan.Background = mark->Color() == clNone ? Color() : mark->Color();
    const int lastCol = std::min(LastCol, Plan.TextEndCol);
    if (marks.FindMark()->Visible())
        for (TRowHitPart part : HitCache_.RowHits(ScreenStrings(), ARow, ColumnModel())) {
            const int from = std::max(part.Col, FirstCol);
            const int to = std::min(part.Col + part.Cols, lastCol);
            if (from >= to)
                continue;
            part.Col = from;
            part.Cols = to - from;
            Plan.Hits.push_back(part);
        }
    CollectExMarks(RowText(ARow), ARow, ColumnModel(), marks, Pair_, lastCol, Plan.Marks);
    std::erase_if(Plan.Marks, [FirstCol](const TExMarkItem& Item) { return Item.Col + Item.Cols <= FirstCol; });
}

TExRowPlan TEditorEx::ExRowPlan(int ARow)
{
    HitCache_.Invalidate();
    std::string buffer;
    const auto [first, last] = ViewColumns();
    TExRowPlan plan;
    PlanExRow(ARow, DisplayText(ARow, buffer), first, last, plan);
    return plan;
}

// ---- The paint pass --------------------------------------------------------------------------------

void TEditorEx::PaintRect(const QRect& Rect)
{
    // The text, the find string or its options may have changed since the
    // last paint.
    HitCache_.Invalidate();
    PlannedRow_ = -1;
    TEditor::PaintRect(Rect);
    BackgroundParser_.reset();
    DrawVerticalLines();
}

void TEditorEx::DoDrawLine(const QRect& Rect, int X, TEditorSelectionState Selected, int ARow, std::string_view Text,
                           int Y)
{
    TEditor::DoDrawLine(Rect, X, Selected, ARow, Text, Y);
    if (!ExMarks_->Indicated() || !Canvas())
        return;
    if (PlannedRow_ != ARow) {
        const auto [first, last] = ViewColumns();
        PlanExRow(ARow, Text, first, last, ExPlan_);
        PlannedRow_ = ARow;
    }
    if (!ExPlan_.Background && ExPlan_.Hits.empty() && ExPlan_.Marks.empty())
        return;
    TClipScope clip(Canvas()->Painter(), Rect);
    // A piece drawn in selection colours keeps them: no background, no hit
    // colours, only the marks.
    const bool selected = Selected != TEditorSelectionState::sstNone;
    const int cw = ColWidth();
    if (!selected && ExPlan_.Background)
        DrawRowBackground(Rect, X, ARow, Text, Y, *ExPlan_.Background);
    for (const TRowHitPart& part : ExPlan_.Hits) {
        if (!selected)
            DrawHitText(Rect, X, Text, part, Y);
        DrawFindMark(X + part.Col * cw, Y, part.Cols);
    }
    for (const TExMarkItem& item : ExPlan_.Marks) {
        const int x = X + item.Col * cw;
        switch (item.Kind) {
        case TExMarkKind::DBSpace: DrawDBSpaceMark(x, Y); break;
        case TExMarkKind::Space: DrawSpaceMark(x, Y); break;
        case TExMarkKind::Tab: DrawTabMark(x, Y, item.Cols); break;
        case TExMarkKind::OpenBracket: DrawBracket(x, Y, Pair_.OpenText); break;
        case TExMarkKind::CloseBracket: DrawBracket(x, Y, Pair_.CloseText); break;
        }
    }
}

// ---- The painters ------------------------------------------------------------------------------------

void TEditorEx::DrawRowBackground(const QRect& Rect, int X, int ARow, std::string_view Text, int Y, TColor Color)
{
    const int cw = ColWidth();
    const int textEnd = X + DrawnLength(Text) * cw;
    const QRect fill(QPoint(Rect.left(), Rect.top()), QPoint(std::min(Rect.right(), textEnd - 1), Rect.bottom()));
    if (fill.isEmpty())
        return;
    TCanvas& canvas = *Canvas();
    canvas.SetBrushColor(Color);
    canvas.FillRect(fill);

    // The row's tokens again, in the scheme's colours, with the mark's
    // colour where the scheme gives the default background.
    if (!BackgroundParser_)
        BackgroundParser_ = ActiveFountain()->CreateParser();
    TRowPlanInput input;
    FillRowInput(ARow, Text, NextTextBuffer_, input);
    input.Parser = BackgroundParser_.get();
    input.Colors.Color = Color;
    input.Colors.FontColor = Font()->Color();
    input.Colors.FontStyle = Font()->Style();
    input.PerToken = PerTokenMode();
    input.FirstCol = (fill.left() - X) / cw;
    input.LastCol = (fill.right() + 1 - X + cw - 1) / cw;
    BuildRowPlan(input, PlanScratch_, BackgroundPlan_);
    TRowGeometry geometry;
    geometry.X = X;
    geometry.Y = Y;
    geometry.Height = Rect.height();
    geometry.ColWidth = cw;
    geometry.Clip = fill;
    geometry.Background = Color;
    geometry.BackgroundFilled = true;
    DrawRowPlan(canvas, BackgroundPlan_, Text, geometry);
}

void TEditorEx::DrawHitText(const QRect& Rect, int X, std::string_view Text, const TRowHitPart& Part, int Y)
{
    const TFountainColor& hit = *ExMarks_->Hit();
    const TColor background = hit.BkColor() == clNone ? Color() : hit.BkColor();
    HitPlan_.DrawLength = DrawnLength(Text);
    HitPlan_.Runs.assign(1, {Part.Col, Part.Cols, hit.Color() == clNone ? Font()->Color() : hit.Color(), background,
                             hit.Style(), false});
    TRowGeometry geometry;
    geometry.X = X;
    geometry.Y = Y;
    geometry.Height = Rect.height();
    geometry.ColWidth = ColWidth();
    geometry.Clip = Rect;
    geometry.Background = background;
    DrawRowPlan(*Canvas(), HitPlan_, Text, geometry);
}

void TEditorEx::DrawFindMark(int X, int Y, int Cols)
{
    const int y = Y + FontHeight() - 1;
    Canvas()->SetPenColor(MarkColor(*ExMarks_->FindMark()));
    Canvas()->Painter().drawLine(X, y, X + Cols * ColWidth() - 1, y);
}

void TEditorEx::DrawDBSpaceMark(int X, int Y)
{
    Canvas()->SetPenColor(MarkColor(*ExMarks_->DBSpaceMark()));
    DrawOutline(Canvas()->Painter(), X, Y + 1, X + 2 * ColWidth(), Y + FontHeight() - 2);
}

void TEditorEx::DrawSpaceMark(int X, int Y)
{
    Canvas()->SetPenColor(MarkColor(*ExMarks_->SpaceMark()));
    DrawOutline(Canvas()->Painter(), X, Y + 1, X + ColWidth(), Y + FontHeight() - 2);
}

void TEditorEx::DrawTabMark(int X, int Y, int Cols)
{
    const int head = std::max(std::max(RowHeight() / 8, 1), 3);
    const int left = X + 1;
    const int tip = X + Cols * ColWidth() - 2;
    const int m = Y + FontHeight() / 2;
    Canvas()->SetPenColor(MarkColor(*ExMarks_->TabMark()));
    QPainter& painter = Canvas()->Painter();
    painter.drawLine(left, m, tip, m);
    painter.drawLine(tip - head, m - head, tip, m);
    painter.drawLine(tip - head, m + head, tip, m);
}

void TEditorEx::DrawBracket(int X, int Y, const std::string& Bracket)
{
    TCanvas& canvas = *Canvas();
    // The text in the mark's colour inverted, on the mark's colour.
    const QColor back = ColorToQColor(MarkColor(*ExMarks_->ParenMark()), Font()->Color(), canvas.Palette());
    const TColor background = RGB(back.red(), back.green(), back.blue());
    const TColor inverted = background ^ 0xFFFFFF;
    const QRect cell(X, Y, static_cast<int>(Bracket.size()) * ColWidth(), FontHeight());
    canvas.SetBrushColor(background);
    canvas.FillRect(cell);
    TFontStyles style = Font()->Style();
    style.Include(TFontStyle::fsBold);
    DrawCellText(canvas, X, Y, Bracket, ColWidth(), inverted, background, style, cell);
}

void TEditorEx::DrawEofMark(int X, int Y) { DrawEofText(X, Y, false); }

void TEditorEx::DrawVerticalLine(int X, TColor Color)
{
    Canvas()->SetPenColor(Color);
    Canvas()->Painter().drawLine(X, TextTop(), X, viewport()->height() - 1);
}

void TEditorEx::DrawVerticalLines()
{
    if (!Canvas())
        return;
    const int offset = TopCol() * ColWidth();
    for (int i = 0; i < VerticalLines_->Count(); ++i) {
        const TVerticalLine& line = *VerticalLines_->Items(i);
        if (const std::optional<int> x = line.X(TextLeft(), offset, ColWidth()))
            DrawVerticalLine(*x, line.Color());
    }
}
