// The paint pass. Everything the editor shows is drawn here, inside
// paintEvent: the corner, the ruler, the left bar, the image bar, the text
// rows with their marks, the caret-row underline and the caret. Whatever
// else changes what is shown only records state and asks for a repaint.
//
// Each text row is first planned (edPaintPlan.h: runs of cells with their
// colours, the end mark) and then drawn from the plan (EditorRowRenderer.h).
#include "EditorBase.h"

#include "EditorImageList.h"
#include "EditorLibrary.h"
#include "EditorRowRenderer.h"
#include "EditorRulerBitmaps.h"
#include "edColumnCursor.h"

#include "Canvas.h"
#include "ExceptionHandler.h"
#include "QtColor.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <climits>

namespace {

// Sets Target while the scope lasts.
class TCanvasScope {
public:
    TCanvasScope(TCanvas*& Target, TCanvas& Canvas) : Target_(Target) { Target_ = &Canvas; }
    ~TCanvasScope() { Target_ = nullptr; }
    TCanvasScope(const TCanvasScope&) = delete;
    TCanvasScope& operator=(const TCanvasScope&) = delete;

private:
    TCanvas*& Target_;
};

const std::string EofText = "[EOF]";
constexpr int EofCells = 6;

} // namespace

// ---- The pass ----------------------------------------------------------------------------------

void TEditor::paintEvent(QPaintEvent* Event)
{
    QPainter painter(viewport());
    TCanvas canvas(painter, palette());
    canvas.SetFont(QtFont_);
    canvas.SetFontColor(Font_->Color());
    TCanvasScope scope(Canvas_, canvas);
    CatchExceptions([&] { PaintRect(Event->rect()); });
}

void TEditor::PaintRect(const QRect& Rect)
{
    TCanvas& canvas = *Canvas_;
    const int textLeft = TextLeft();
    const int textTop = TextTop();
    const int rowHeight = RowHeight();
    canvas.SetBrushColor(Color_);
    canvas.FillRect(Rect);
    if (Rect.intersects(QRect(0, 0, textLeft, textTop)))
        DrawCornerBitmap();
    if (Ruler_->Visible() && Rect.intersects(QRect(textLeft, 0, viewport()->width(), M_.RulerHeight)))
        PaintRuler();

    // Whole rows, from the cell grid's point of view.
    const int left = std::max(textLeft, textLeft + (Rect.left() - textLeft) / ColWidth() * ColWidth());
    const int top = textTop + (std::max(textTop, Rect.top()) - textTop) / rowHeight * rowHeight;
    int bottom = Rect.bottom() + 1;
    if ((bottom - textTop) % rowHeight > 0)
        bottom = textTop + ((bottom - textTop) / rowHeight + 1) * rowHeight;
    if (bottom <= top)
        return;
    const int firstRow = (top - textTop) / rowHeight + TopRow_;
    const int lastRow = (bottom - top) / rowHeight + firstRow - 1;
    // The text may have changed under the composed rows.
    if (!Preedit_.isEmpty())
        LayOutPreedit(std::max(lastRow, TopRow_ + VisibleRows()));

    if (Leftbar_->Visible() && Rect.intersects(QRect(ImagebarWidth(), textTop, LeftbarWidth(), viewport()->height())))
        PaintLeftbars(firstRow, lastRow);
    if (Imagebar_->Visible() && Rect.intersects(QRect(0, textTop, ImagebarWidth(), viewport()->height())))
        PaintImagebar(firstRow, lastRow);
    if (Rect.right() >= textLeft)
        PaintTextRows(QRect(QPoint(left, top), QPoint(Rect.right(), Rect.bottom())), firstRow, lastRow, top);

    const int underline = UnderlinePos(Row_);
    if (Marks_->Underline()->Visible() && UnderlineUpdateCount_ == 0 && underline >= 0) {
        canvas.SetPenColor(MarkColor(*Marks_->Underline()));
        canvas.Painter().drawLine(textLeft, underline, viewport()->width(), underline);
    }
    if (!Preedit_.isEmpty()) {
        canvas.SetBrushColor(Font_->Color());
        canvas.FillRect(PreeditCursorRect());
    } else if (CaretShown_ && CaretBlinkOn_) {
        QPainter& painter = canvas.Painter();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(CaretRect_, Qt::white);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

// ---- Text rows --------------------------------------------------------------------------------------

std::pair<int, int> TEditor::ViewColumns() const
{
    const int width = std::max(0, viewport()->width() - TextLeft());
    return {TopCol_, TopCol_ + (width + ColWidth() - 1) / ColWidth()};
}

std::string_view TEditor::DisplayText(int ARow, std::string& Buffer) const
{
    const std::string_view text = RowText(ARow);
    if (text.find('\t') == std::string::npos)
        return text;
    Buffer.clear();
    for (TColumnCursor c(text, ColumnModel()); !c.AtEnd(); c.Next()) {
        if (text[c.Pos()] == '\t')
            Buffer.append(static_cast<size_t>(c.Width()), ' ');
        else
            Buffer.append(c.Char());
    }
    return Buffer;
}

TRowColors TEditor::RowColors() const
{
    TRowColors colors;
    colors.Color = Color_;
    colors.FontColor = Font_->Color();
    colors.FontStyle = Font_->Style();
    const TEditorColors& scheme = *View_->Colors();
    const bool hit = SelectionState_ == TEditorSelectionState::sstHitSelected;
    ResolveSelectionColors(hit ? *scheme.Hit() : *scheme.Select(), colors);
    return colors;
}

std::pair<int, int> TEditor::SelectedCells(int ARow) const
{
    const TSelectionRange& r = SelRange_;
    if (!SelectionPainted() || ARow < r.StartRow || ARow > r.EndRow)
        return {0, 0};
    if (r.Mode == TEditorSelectionMode::smBox) {
        // The cells of the characters a box copy would take.
        const TBoxPiece piece = BoxPiece(RowText(ARow), r.StartCol, r.EndCol, ColumnModel());
        return {piece.FromCol, piece.ToCol};
    }
    const int start = ARow == r.StartRow ? r.StartCol : 0;
    const int end = ARow == r.EndRow ? r.EndCol : INT_MAX;
    return {start, end};
}

TRowPlanInput TEditor::PassPlanInput(int FirstCol, int LastCol, TFountainParser* Parser) const
{
    TRowPlanInput input;
    input.Parser = Parser;
    input.Colors = RowColors();
    const TEditorMarks& marks = *Marks_;
    input.Marks = {marks.EofMark()->Visible(), marks.RetMark()->Visible(), marks.WrapMark()->Visible(),
                   marks.HideMark()->Visible()};
    input.PerToken = M_.PerToken;
    input.FirstCol = FirstCol;
    input.LastCol = LastCol;
    return input;
}

void TEditor::FillRowInput(int ARow, std::string_view Text, std::string& NextBuffer, TRowPlanInput& Input) const
{
    Input.Text = Text;
    Input.Attribute = List_->RowAttribute(ARow);
    Input.LastRow = ARow == RowCount() - 1;
    Input.NextText = WordWrap() && Input.Attribute == TRowAttribute::raWrapped && !Input.LastRow
                         ? std::string_view(DisplayText(ARow + 1, NextBuffer))
                         : std::string_view();
    Input.State = LoadRowState(*List_, ARow);
}

std::string_view TEditor::PlanRow(int ARow, TRowPlanInput& Input, TRowPlan& Plan)
{
    if (const int composed = PreeditLayout_.RunRow(ARow); composed >= 0)
        return PlanComposedRow(composed, Input, Plan);
    ARow = ListRowAt(ARow);
    const int count = RowCount();
    if (ARow >= count) {
        const bool eof = Marks_->EofMark()->Visible() && ARow == count
                         && (ARow == 0 || List_->RowAttribute(ARow - 1) != TRowAttribute::raEof);
        BuildBlankRowPlan(Input.Colors, Input.FirstCol, Input.LastCol, eof, Plan);
        return RowText(ARow);
    }
    if (List_->BracketIndex(ARow) == BracketNotComputed)
        List_->UpdateRowStates(ARow, false);
    const std::string_view text = DisplayText(ARow, RowTextBuffer_);
    FillRowInput(ARow, text, NextTextBuffer_, Input);
    std::tie(Input.SelStart, Input.SelEnd) = SelectedCells(ARow);
    BuildRowPlan(Input, PlanScratch_, Plan);
    return text;
}

TRowPlan TEditor::RowPlan(int ARow)
{
    const auto [first, last] = ViewColumns();
    const std::unique_ptr<TFountainParser> parser = ActiveFountain()->CreateParser();
    TRowPlanInput input = PassPlanInput(first, last, parser.get());
    TRowPlan plan;
    PlanRow(ARow, input, plan);
    return plan;
}

void TEditor::PaintTextRows(const QRect& Rect, int FirstRow, int LastRow, int RowTop)
{
    const int x = TextLeft() - TopCol_ * ColWidth();
    // A shown selection covers the underline's pixel row too.
    const int cellHeight = FontHeight() + (SelectionPainted() ? Margin_->Underline() : 0);
    const std::unique_ptr<TFountainParser> parser = ActiveFountain()->CreateParser();
    int y = RowTop;
    for (int row = FirstRow; row <= LastRow; ++row, y += RowHeight()) {
        const QRect rowRect(Rect.left(), y, Rect.width(), cellHeight);
        const int listRow = ListRowAt(row);
        if (PreeditLayout_.RunRow(row) >= 0 || listRow >= RowCount()) {
            // Composed text and the blank rows past the end: the owner
            // draws over neither.
            TRowPlanInput input = PassPlanInput((rowRect.left() - x) / ColWidth(),
                                                (rowRect.right() + ColWidth() - x) / ColWidth(), parser.get());
            DrawPlannedRow(rowRect, x, PlanRow(row, input, RowPlan_), y);
            DrawMark(RowPlan_, x + RowPlan_.MarkCol * ColWidth(), y);
            continue;
        }
        if (List_->BracketIndex(listRow) == BracketNotComputed)
            List_->UpdateRowStates(listRow, false);
        const std::string_view text = DisplayText(listRow, RowTextBuffer_);
        if (SelectionPainted())
            PaintRowWithSelection(rowRect, x, parser.get(), listRow, text, y);
        else
            PaintRow(rowRect, x, parser.get(), listRow, text, y);
    }
}

void TEditor::PaintRow(const QRect& Rect, int X, TFountainParser* Parser, int ARow, std::string_view Text, int Y)
{
    PaintRowPiece(Rect, X, Parser, ARow, Text, Y, TEditorSelectionState::sstNone);
}

void TEditor::PaintRowSelected(const QRect& Rect, int X, TFountainParser* Parser, int ARow, std::string_view Text,
                               int Y)
{
    PaintRowPiece(Rect, X, Parser, ARow, Text, Y, SelectionState_);
}

void TEditor::PaintRowWithSelection(const QRect& Rect, int X, TFountainParser* Parser, int ARow, std::string_view Text,
                                    int Y)
{
    const auto [selStart, selEnd] = SelectedCells(ARow);
    if (selStart >= selEnd) {
        PaintRow(Rect, X, Parser, ARow, Text, Y);
        return;
    }
    const int right = Rect.right() + 1;
    const auto columnX = [&](int Col) {
        return static_cast<int>(
            std::clamp<long long>(X + static_cast<long long>(Col) * ColWidth(), Rect.left(), right));
    };
    const auto piece = [&](int Left, int Right) { return QRect(Left, Rect.top(), Right - Left, Rect.height()); };
    const int from = columnX(selStart);
    const int to = columnX(selEnd);
    // Right to left: an end mark that reaches into the next cell stays on
    // top of that cell's background.
    if (to < right)
        PaintRow(piece(to, right), X, Parser, ARow, Text, Y);
    if (from < to)
        PaintRowSelected(piece(from, to), X, Parser, ARow, Text, Y);
    if (Rect.left() < from)
        PaintRow(piece(Rect.left(), from), X, Parser, ARow, Text, Y);
}

void TEditor::PaintRowPiece(const QRect& Rect, int X, TFountainParser* Parser, int ARow, std::string_view Text, int Y,
                            TEditorSelectionState Selected)
{
    const int cw = ColWidth();
    TRowPlanInput input = PassPlanInput((Rect.left() - X) / cw, (Rect.right() + cw - X) / cw, Parser);
    FillRowInput(ARow, Text, NextTextBuffer_, input);
    if (Selected != TEditorSelectionState::sstNone) {
        input.SelStart = 0;
        input.SelEnd = INT_MAX;
    }
    BuildRowPlan(input, PlanScratch_, RowPlan_);
    DrawPlannedRow(Rect, X, Text, Y);
    // A row that ends well left of the view gets nothing more drawn.
    if (static_cast<int>(Text.size()) + 5 >= TopCol_)
        DoDrawLine(Rect, X, Selected, ARow, Text, Y);
    DrawMark(RowPlan_, X + RowPlan_.MarkCol * cw, Y);
}

void TEditor::DrawPlannedRow(const QRect& Rect, int X, std::string_view Text, int Y)
{
    TRowGeometry geometry;
    geometry.X = X;
    geometry.Y = Y;
    geometry.Height = Rect.height();
    geometry.ColWidth = ColWidth();
    geometry.Clip = Rect;
    geometry.Background = Color_;
    // PaintRect filled the whole area with the editor's colour.
    geometry.BackgroundFilled = true;
    DrawRowPlan(*Canvas_, RowPlan_, Text, geometry);
}

// ---- Marks ----------------------------------------------------------------------------------------------

TColor TEditor::MarkColor(const TEditorMark& Mark) const { return ForegroundOf(Mark.Color()); }

TColor TEditor::SelectionForeground() const
{
    const TEditorColors& scheme = *View_->Colors();
    const TFountainColor& selection =
        SelectionState_ == TEditorSelectionState::sstHitSelected ? *scheme.Hit() : *scheme.Select();
    return selection.Color() == clNone ? Color_ : selection.Color();
}

void TEditor::DrawMark(const TRowPlan& Plan, int X, int Y)
{
    const bool selected = Plan.MarkSelected;
    switch (Plan.Mark) {
    case TRowMarkKind::None: break;
    case TRowMarkKind::Eof: DrawEofMark(X, Y); break;
    case TRowMarkKind::Ret: selected ? DrawRetMarkSelected(X, Y) : DrawRetMark(X, Y); break;
    case TRowMarkKind::Wrap: selected ? DrawWrapMarkSelected(X, Y) : DrawWrapMark(X, Y); break;
    case TRowMarkKind::Hide: selected ? DrawHideMarkSelected(X, Y) : DrawHideMark(X, Y); break;
    }
}

void TEditor::DrawMarkLines(TColor Color, std::initializer_list<QPoint> Points)
{
    Canvas_->SetPenColor(Color);
    QPainter& painter = Canvas_->Painter();
    const QPoint* previous = nullptr;
    for (const QPoint& point : Points) {
        if (previous)
            painter.drawLine(*previous, point);
        previous = &point;
    }
}

void TEditor::DrawEofText(int X, int Y, bool Opaque)
{
    const QRect cell = QRect(X, Y, EofCells * ColWidth(), FontHeight())
                           .intersected(QRect(TextLeft(), TextTop(), viewport()->width(), viewport()->height()));
    if (cell.isEmpty() || !Canvas_)
        return;
    if (Opaque) {
        Canvas_->SetBrushColor(Color_);
        Canvas_->FillRect(cell);
    }
    DrawCellText(*Canvas_, X, Y, EofText, ColWidth(), MarkColor(*Marks_->EofMark()), Color_, Font_->Style(), cell);
}

void TEditor::DrawEofMark(int X, int Y) { DrawEofText(X, Y, true); }

void TEditor::DrawRetArrow(int X, int Y, TColor Color)
{
    if (X < TextLeft())
        return;
    const int f = FontHeight();
    const int t = std::max(1, f / 8);
    const int h = std::max(t, 3);
    const int cx = X + ColWidth() / 2;
    const int b = Y + f - 2 * t;
    DrawMarkLines(Color, {QPoint(cx, Y + 2 * t), QPoint(cx, b)});
    DrawMarkLines(Color, {QPoint(cx + h, b - h), QPoint(cx, b), QPoint(cx - h, b - h)});
}

void TEditor::DrawChevron(int X, int Y, TColor Color, bool PointsLeft)
{
    if (X < TextLeft())
        return;
    const int w = ColWidth();
    const int s = std::max(2, 3 * w / 5);
    const int m = Y + FontHeight() / 2;
    if (PointsLeft)
        DrawMarkLines(Color, {QPoint(X + w, m - s), QPoint(X + w - s, m), QPoint(X + w + 1, m + s + 1)});
    else
        DrawMarkLines(Color, {QPoint(X + w - s, m - s), QPoint(X + w, m), QPoint(X + w - s - 1, m + s + 1)});
}

void TEditor::DrawRetMark(int X, int Y) { DrawRetArrow(X, Y, MarkColor(*Marks_->RetMark())); }
void TEditor::DrawRetMarkSelected(int X, int Y) { DrawRetArrow(X, Y, SelectionForeground()); }
void TEditor::DrawWrapMark(int X, int Y) { DrawChevron(X, Y, MarkColor(*Marks_->WrapMark()), true); }
void TEditor::DrawWrapMarkSelected(int X, int Y) { DrawChevron(X, Y, SelectionForeground(), true); }
void TEditor::DrawHideMark(int X, int Y) { DrawChevron(X, Y, MarkColor(*Marks_->HideMark()), false); }
void TEditor::DrawHideMarkSelected(int X, int Y) { DrawChevron(X, Y, SelectionForeground(), false); }

void TEditor::DrawTextRect(const QRect& Rect, int X, bool Opaque, std::string_view Text, int Y)
{
    if (!Canvas_)
        return;
    if (Opaque)
        Canvas_->FillRect(Rect);
    Text = Text.substr(0, static_cast<size_t>(DrawnLength(Text)));
    DrawCellText(*Canvas_, X, Y, Text, ColWidth(), Canvas_->FontColor(), Canvas_->BrushColor(), Canvas_->FontStyle(),
                 Rect);
}

// ---- The bars -------------------------------------------------------------------------------------------

void TEditor::DrawCornerBitmap()
{
    TCanvas& canvas = *Canvas_;
    const int textTop = TextTop();
    canvas.SetBrushColor(Color_);
    canvas.FillRect(QRect(0, 0, TextLeft(), textTop));
    const int barsRight = ImagebarWidth() + LeftbarWidth();
    const bool leftbarEdge = Leftbar_->Visible() && Leftbar_->Edge();
    if (leftbarEdge) {
        canvas.SetBrushColor(Leftbar_->BkColor());
        canvas.FillRect(QRect(0, 0, barsRight, textTop));
        DrawLeftbarEdge(0, textTop);
    }
    if (Ruler_->Visible() && Ruler_->Edge()) {
        const int x0 = leftbarEdge ? barsRight : 0;
        const int height = M_.RulerHeight;
        canvas.SetBrushColor(BackgroundOf(Ruler_->BkColor()));
        canvas.FillRect(QRect(x0, 0, TextLeft() - x0, height));
        canvas.Painter().drawImage(QPoint(std::max(0, x0 - 1), height - 2),
                                   TEditorRulerBitmaps::CreateRulerEdge(TextLeft() - x0 + 1));
    }
}

QImage TEditor::CreateLeftbarEdge(int Height) const
{
    const QPalette& palette = this->palette();
    const bool edge = Leftbar_->Edge();
    const QColor outer = edge ? QColor(Qt::white) : ColorToQColor(Leftbar_->BkColor(), Color_, palette);
    const QColor inner = edge ? QColor(0x80, 0x80, 0x80) : ColorToQColor(Leftbar_->Color(), Font_->Color(), palette);
    QImage image(2, std::max(1, Height), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 1, image.height(), outer);
    painter.fillRect(1, 0, 1, image.height(), inner);
    return image;
}

void TEditor::DrawLeftbarEdge(int Top, int Bottom)
{
    if (Bottom > Top)
        Canvas_->Painter().drawImage(QPoint(ImagebarWidth() + LeftbarWidth() - 2, Top),
                                     CreateLeftbarEdge(Bottom - Top));
}

TRulerLook TEditor::RulerLook() const
{
    const QPalette& palette = this->palette();
    TRulerLook look;
    look.Color = ColorToQColor(ForegroundOf(Ruler_->Color()), clNone, palette);
    look.BkColor = ColorToQColor(BackgroundOf(Ruler_->BkColor()), clNone, palette);
    look.MarkColor = ColorToQColor(ForegroundOf(Ruler_->MarkColor()), clNone, palette);
    look.Edge = Ruler_->Edge();
    look.GaugeRange = Ruler_->GaugeRange();
    look.ColWidth = ColWidth();
    look.Height = RulerHeight();
    // As wide as the screen, or the viewport when that is wider.
    look.Width = std::max(ScreenSize().width(), viewport()->width());
    return look;
}

void TEditor::UpdateBars() { RulerBitmaps_->UpdateBars(RulerLook()); }

void TEditor::PaintRuler()
{
    if (RulerBitmaps_->Look() != RulerLook())
        UpdateBars();
    const int range = Ruler_->GaugeRange();
    RulerBitmaps_->DrawRulerBack(TopCol_ / range * range);
    QPainter& painter = Canvas_->Painter();
    RulerBitmaps_->DrawRuler(painter, TextLeft(), viewport()->width(), TopCol_);
    // The mark stands at the caret's column however that column was set.
    if (const QRect cell = RulerMarkRect(Col_); !cell.isEmpty())
        RulerBitmaps_->ShowRulerMark(painter, cell, TextLeft(), TopCol_);
}

QRect TEditor::RulerMarkRect(int ACol) const
{
    if (ACol < TopCol_ || ACol > TopCol_ + VisibleCols() || !Ruler_->Visible())
        return {};
    const int w = ColWidth();
    const int height = M_.RulerHeight - 1 - (Ruler_->Edge() ? 1 : 0);
    return {TextLeft() + (ACol - TopCol_) * w + 1, 0, w - 1, height};
}

void TEditor::ShowRulerMark(int ACol)
{
    RulerMarkCol_ = ACol;
    viewport()->update(RulerMarkRect(ACol));
}

void TEditor::HideRulerMark(int ACol) { viewport()->update(RulerMarkRect(ACol)); }

void TEditor::MoveRulerMark()
{
    if (RulerMarkCol_ == Col_)
        return;
    HideRulerMark(RulerMarkCol_);
    ShowRulerMark(Col_);
}

void TEditor::PaintLeftbars(int FirstRow, int LastRow)
{
    TCanvas& canvas = *Canvas_;
    const int textTop = TextTop();
    const int rowHeight = RowHeight();
    const int left = ImagebarWidth();
    const int width = LeftbarWidth() - 2;
    const int top = textTop + (FirstRow - TopRow_) * rowHeight;
    const int bottom = top + (LastRow - FirstRow + 1) * rowHeight;
    DrawLeftbarEdge(textTop, viewport()->height());
    canvas.SetBrushColor(Leftbar_->BkColor());
    canvas.FillRect(QRect(left, top, width, bottom - top));
    if (!Leftbar_->ShowNumber())
        return;
    ShownLeftbarNumbers(FirstRow, LastRow);
    const TColor color = ForegroundOf(Leftbar_->Color());
    const TColor background = BackgroundOf(Leftbar_->BkColor());
    int y = top;
    for (const int number : LeftbarNumbers_) {
        const QRect cell(left, y, width, rowHeight);
        if (number >= 0)
            DrawCellText(canvas, left + Leftbar_->LeftMargin(), y,
                         LeftbarNumberText(number, M_.LeftbarDigits, Leftbar_->ZeroLead()), ColWidth(), color,
                         background, Font_->Style(), cell);
        y += rowHeight;
    }
}

const QPixmap* TEditor::ImagebarPicture(int Mark) const
{
    if (Mark < 0 || Mark > 15)
        return nullptr;
    const bool digit = Mark <= 9;
    const int index = digit ? Mark : Mark - 10;
    const TImageList* images = digit ? ImageDigits_ : ImageMarks_;
    if (images && index < images->Count())
        return &images->Image(index);
    return &(digit ? DefaultImageDigits() : DefaultImageMarks())[static_cast<size_t>(index)];
}

void TEditor::PaintImagebar(int FirstRow, int LastRow)
{
    TCanvas& canvas = *Canvas_;
    QPainter& painter = canvas.Painter();
    const int width = ImagebarWidth();
    const bool barColour = Leftbar_->Visible() && Leftbar_->BkColor() != clNone;
    canvas.SetBrushColor(barColour ? Leftbar_->BkColor() : Color_);
    int y = TextTop() + (FirstRow - TopRow_) * RowHeight();
    for (int row = FirstRow; row <= LastRow; ++row, y += RowHeight()) {
        canvas.FillRect(QRect(0, y, width, RowHeight()));
        const TImagebarMarks marks = ImagebarMarks(RowMarks(ListRowAt(row)));
        if (const QPixmap* picture = ImagebarPicture(marks.Digit))
            painter.drawPixmap(Imagebar_->LeftMargin(), y + 2, *picture);
        if (const QPixmap* picture = ImagebarPicture(marks.Image))
            painter.drawPixmap(Imagebar_->LeftMargin() + Imagebar_->DigitWidth(), y + 2, *picture);
    }
}
