// The text being composed in the input method (the preedit), shown inline:
// laid out as if inserted at the caret (edPreeditLayout.h), so the text
// after it moves aside and wraps, with the input method's looks per clause
// (underlines, the active clause's colours) and its cursor. The text, the
// undo history and Modified never change; cancelling gives the view back
// as composing found it.
#include "EditorBase.h"

#include "Canvas.h"
#include "Cp932.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QPainter>
#include <QTextCharFormat>
#include <algorithm>
#include <climits>
#include <utility>

namespace {

TColor ColorOf(const QBrush& Brush)
{
    if (Brush.style() == Qt::NoBrush)
        return clNone;
    const QColor color = Brush.color();
    return RGB(color.red(), color.green(), color.blue());
}

TCompositionUnderline UnderlineOf(const QTextCharFormat& Format)
{
    switch (Format.underlineStyle()) {
    case QTextCharFormat::NoUnderline: return TCompositionUnderline::None;
    case QTextCharFormat::DotLine: return TCompositionUnderline::Dotted;
    case QTextCharFormat::DashUnderline:
    case QTextCharFormat::DashDotLine:
    case QTextCharFormat::DashDotDotLine: return TCompositionUnderline::Dashed;
    case QTextCharFormat::WaveUnderline:
    case QTextCharFormat::SpellCheckUnderline: return TCompositionUnderline::Wave;
    default: return TCompositionUnderline::Solid;
    }
}

TCompositionLook LookOf(const QTextCharFormat& Format)
{
    TCompositionLook look;
    look.Color = ColorOf(Format.foreground());
    look.BkColor = ColorOf(Format.background());
    look.Underline = UnderlineOf(Format);
    const QColor underline = Format.underlineColor();
    look.UnderlineColor = underline.isValid() ? RGB(underline.red(), underline.green(), underline.blue()) : clNone;
    return look;
}

// The preedit in Shift-JIS with its looks and cursor; the event's offsets
// are UTF-16 units of the preedit, made byte offsets here.
TComposition CompositionOf(const QInputMethodEvent& Event)
{
    const std::u16string text = Event.preeditString().toStdU16String();
    const int units = static_cast<int>(text.size());
    TComposition composition;
    std::vector<int> byteAt(static_cast<size_t>(units) + 1);
    for (int i = 0; i < units;) {
        const auto at = static_cast<size_t>(i);
        const bool pair = i + 1 < units && QChar::isHighSurrogate(text[at]) && QChar::isLowSurrogate(text[at + 1]);
        const int n = pair ? 2 : 1;
        std::string bytes = Utf16ToSjis(std::u16string_view(text).substr(at, static_cast<size_t>(n)));
        // The composed row holds no tabs or line breaks.
        if (bytes.size() == 1 && (static_cast<unsigned char>(bytes[0]) < 0x20 || bytes[0] == 0x7F))
            bytes[0] = ' ';
        for (int k = 0; k < n; ++k)
            byteAt[static_cast<size_t>(i + k)] = static_cast<int>(composition.Text.size());
        composition.Text += bytes;
        i += n;
    }
    byteAt[static_cast<size_t>(units)] = static_cast<int>(composition.Text.size());
    const auto byteOf = [&](int Unit) { return byteAt[static_cast<size_t>(std::clamp(Unit, 0, units))]; };

    composition.Cursor = static_cast<int>(composition.Text.size());
    struct TFormatRange {
        int From;
        int To;
        QTextCharFormat Format;
    };
    std::vector<TFormatRange> formats;
    std::vector<int> edges;
    for (const QInputMethodEvent::Attribute& attribute : Event.attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor) {
            composition.Cursor = byteOf(attribute.start);
            composition.CursorVisible = attribute.length != 0;
        } else if (attribute.type == QInputMethodEvent::TextFormat) {
            const int from = byteOf(attribute.start);
            const int to = byteOf(attribute.start + std::max(attribute.length, 0));
            formats.push_back({from, to, attribute.value.value<QTextFormat>().toCharFormat()});
            edges.insert(edges.end(), {from, to});
        }
    }
    // Formats may overlap (IBus gives the whole text an underline and the
    // active clause a background): each piece between their edges takes
    // every format covering it, later ones over earlier ones.
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        QTextCharFormat merged;
        bool covered = false;
        for (const TFormatRange& range : formats)
            if (range.From <= edges[i] && edges[i + 1] <= range.To) {
                merged.merge(range.Format);
                covered = true;
            }
        if (covered)
            composition.Spans.push_back({edges[i], edges[i + 1], LookOf(merged)});
    }
    return composition;
}

} // namespace

void TEditor::SetPreedit(const QInputMethodEvent& Event)
{
    if (Event.preeditString().isEmpty()) {
        ClearPreedit();
        return;
    }
    if (!PreeditView_)
        PreeditView_ = std::make_pair(TopRow_, TopCol_);
    const bool wasActive = PreeditLayout_.Active();
    const int oldFirst = PreeditLayout_.FirstRow();
    const int oldCount = PreeditLayout_.Count();
    const int oldShift = oldCount - PreeditLayout_.ListRows();
    Preedit_ = Event.preeditString();
    Composition_ = CompositionOf(Event);
    LayOutPreedit(TopRow_ + VisibleRows());
    // Rows below the composed ones move only when it gained or lost rows.
    const int first = PreeditLayout_.FirstRow();
    if (wasActive && first == oldFirst && PreeditLayout_.Count() - PreeditLayout_.ListRows() == oldShift) {
        const int rows = std::max(oldCount, PreeditLayout_.Count());
        const int top = TextTop() + (std::max(first, TopRow_) - TopRow_) * RowHeight();
        const int bottom = TextTop() + (first + rows - TopRow_) * RowHeight();
        if (bottom > top)
            viewport()->update(TextLeft(), top, viewport()->width() - TextLeft(), bottom - top);
    } else {
        InvalidateFromRow(wasActive ? std::min(first, oldFirst) : first);
    }
    // The caret is not drawn while composing.
    viewport()->update(CaretRect_);
    ScrollToPreeditCursor();
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

void TEditor::ClearPreedit()
{
    const std::optional<std::pair<int, int>> view = std::exchange(PreeditView_, std::nullopt);
    if (Preedit_.isEmpty())
        return;
    InvalidateFromRow(PreeditLayout_.FirstRow());
    viewport()->update(CaretRect_);
    Preedit_.clear();
    Composition_ = {};
    PreeditLayout_.Clear();
    if (view) {
        SetTopRow(view->first);
        SetTopCol(view->second);
    }
}

void TEditor::LayOutPreedit(int LastRow)
{
    const std::unique_ptr<TFountainParser> parser = ActiveFountain()->CreateParser();
    const TCaretPos caret{Row_, Col_};
    PreeditLayout_.Build(*List_, ColumnModel(), *List_->WrapOption(), caret, Composition_, LastRow, parser.get());
    // The composed rows' colouring goes on from the state of the first.
    const int first = PreeditLayout_.FirstRow();
    if (PreeditLayout_.Active() && first < RowCount() && List_->BracketIndex(first) == BracketNotComputed) {
        List_->UpdateRowStates(first, false);
        PreeditLayout_.Build(*List_, ColumnModel(), *List_->WrapOption(), caret, Composition_, LastRow, parser.get());
    }
}

const std::string& TEditor::PlanComposedRow(int I, TRowPlanInput& Input, TRowPlan& Plan)
{
    const TPreeditLayout& layout = PreeditLayout_;
    const std::string& text = layout.DisplayText(I);
    Input.Text = text;
    Input.Attribute = layout.Rows().RowAttribute(I);
    Input.LastRow = layout.EndsText(I);
    Input.NextText = WordWrap() && Input.Attribute == TRowAttribute::raWrapped && I + 1 < layout.Count()
                         ? std::string_view(layout.DisplayText(I + 1))
                         : std::string_view();
    Input.State = LoadRowState(layout.Rows(), I);
    std::tie(Input.SelStart, Input.SelEnd) =
        SelectionPainted() ? layout.SelectedCells(I, SelRange_) : std::pair<int, int>(0, 0);
    BuildRowPlan(Input, PlanScratch_, Plan);
    ApplyComposition(layout.CompositionCells(I), Input.Colors, Plan);
    return text;
}

void TEditor::ShownLeftbarNumbers(int FirstRow, int LastRow)
{
    if (!PreeditLayout_.Active()) {
        LeftbarRowNumbers(*List_, WordWrap(), *Leftbar_, FirstRow, LastRow, LeftbarNumbers_);
        return;
    }
    // The numbers of the list rows the screen rows show; none for rows the
    // composed text added.
    int low = INT_MAX;
    int high = -1;
    for (int row = FirstRow; row <= LastRow; ++row)
        if (const int listRow = ListRowAt(row); listRow >= 0) {
            low = std::min(low, listRow);
            high = std::max(high, listRow);
        }
    std::vector<int> numbers;
    if (high >= low)
        LeftbarRowNumbers(*List_, WordWrap(), *Leftbar_, low, high, numbers);
    LeftbarNumbers_.assign(static_cast<size_t>(LastRow - FirstRow + 1), -1);
    for (int row = FirstRow; row <= LastRow; ++row)
        if (const int listRow = ListRowAt(row); listRow >= 0)
            LeftbarNumbers_[static_cast<size_t>(row - FirstRow)] = numbers[static_cast<size_t>(listRow - low)];
}

QRect TEditor::PreeditCursorRect() const
{
    if (!PreeditLayout_.Active() || !PreeditLayout_.CursorVisible())
        return {};
    const TCaretPos cursor = PreeditLayout_.Cursor();
    return {TextLeft() + (cursor.Col - TopCol_) * ColWidth(), TextTop() + (cursor.Row - TopRow_) * RowHeight(), 2,
            FontHeight()};
}

void TEditor::ScrollToPreeditCursor()
{
    if (!PreeditLayout_.Active())
        return;
    const TCaretPos cursor = PreeditLayout_.Cursor();
    if (cursor.Row >= TopRow_ + VisibleRows())
        SetTopRow(cursor.Row - VisibleRows() + 1);
    else if (cursor.Row < TopRow_)
        SetTopRow(cursor.Row);
    if (cursor.Col >= TopCol_ + VisibleCols())
        SetTopCol(cursor.Col - VisibleCols() + 1);
    else if (cursor.Col < TopCol_)
        SetTopCol(cursor.Col);
}
