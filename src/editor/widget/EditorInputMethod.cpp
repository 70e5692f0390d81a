// The input method. Its commit string is inserted as CP932, one insertion
// and one undo step, through the same path as typed characters; the text
// being composed (the preedit, EditorPreedit.cpp) is shown inline with the
// caret hidden meanwhile, and never touches the text. Qt delivers a commit
// once, with no key events echoing it, so nothing typed after a commit is
// ever dropped.
//
// The input method reads the caret's logical line as the surrounding text;
// its offsets are UTF-16 code units of that line. Each Shift-JIS character
// converts to one UTF-16 unit (CP932 maps only to the first plane, and a
// character without a mapping becomes one U+FFFD), so an offset counts
// characters.
#include "EditorBase.h"

#include "Cp932.h"
#include "ExceptionHandler.h"
#include "Sjis.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <algorithm>

namespace {

// The UTF-16 length of the first Bytes bytes of Text.
int Utf16Length(std::string_view Text, int Bytes)
{
    int units = 0;
    for (sjis::CharCursor c(Text.substr(0, static_cast<size_t>(std::max(Bytes, 0)))); !c.AtEnd(); c.Next())
        ++units;
    return units;
}

// The byte offset in Text where UTF-16 offset Units falls, at a character
// start, within the text.
int ByteOffsetOf(std::string_view Text, int Units)
{
    sjis::CharCursor c(Text);
    for (int units = 0; !c.AtEnd() && units < Units; ++units)
        c.Next();
    return static_cast<int>(c.Pos());
}

} // namespace

void TEditor::inputMethodEvent(QInputMethodEvent* Event)
{
    CatchExceptions([&] { InputMethod(*Event); });
}

void TEditor::InputMethod(const QInputMethodEvent& Event)
{
    if (ReadOnly_) {
        ClearPreedit();
        return;
    }
    int unmapped = 0;
    const std::string commit = Utf16ToSjis(Event.commitString().toStdU16String(), unmapped);
    const bool replaces = Event.replacementStart() != 0 || Event.replacementLength() != 0;
    if (!commit.empty() || replaces) {
        // The view follows the committed text; the composed one goes.
        PreeditView_.reset();
        ClearPreedit();
    }
    if (replaces)
        ReplaceAroundCaret(commit, Event.replacementStart(), Event.replacementLength());
    else
        InsertString(commit);
    SetPreedit(Event);
    ReportUnmapped(unmapped);
}

TEditor::TCaretLine TEditor::CaretLine() const
{
    TCaretLine line;
    line.FirstRow = List_->LineFirstRow(Row_);
    int taken = 0;
    List_->GetRowsText(line.FirstRow, -1, line.Text, taken);
    // Without its line break.
    while (!line.Text.empty() && (line.Text.back() == '\n' || line.Text.back() == '\r'))
        line.Text.pop_back();
    line.CaretOffset = std::min(RowsPlaces(*List_, line.FirstRow, Row_) + CaretIndex(*List_, Row_, Col_),
                                static_cast<int>(line.Text.size()));
    return line;
}

void TEditor::ReplaceAroundCaret(const std::string& Commit, int Start, int Length)
{
    const TCaretLine line = CaretLine();
    const int caret = Utf16Length(line.Text, line.CaretOffset);
    const int from = ByteOffsetOf(line.Text, std::max(caret + Start, 0));
    const int to = std::max(from, ByteOffsetOf(line.Text, caret + Start + std::max(Length, 0)));
    if (from == to && Commit.empty())
        return;
    const int lineStart = CharPos(*List_, line.FirstRow, 0);
    const TCaretPos start = CaretAtPos(*List_, lineStart + from);
    const TCaretPos end = CaretAtPos(*List_, lineStart + to);
    const TSelectionAnchor anchor = MakeAnchor(*List_, start.Row, start.Col);
    const TSelectionRange range = ComputeSelection(*List_, anchor, end.Row, end.Col, TEditorSelectionMode::smLine);
    CaretBeginUpdate();
    SetRowCol(end.Row, end.Col);
    RunEdit([&](const TEditPlace& Place) { return ::InsertText(*List_, {Place.Row, Place.Col, &range}, Commit); });
    CaretEndUpdate();
}

// ---- What the input method asks -----------------------------------------------------------------

QVariant TEditor::inputMethodQuery(Qt::InputMethodQuery Query) const
{
    QVariant answer;
    CatchExceptions([&] {
        switch (Query) {
        case Qt::ImEnabled: answer = !ReadOnly_; break;
        case Qt::ImReadOnly: answer = ReadOnly_; break;
        case Qt::ImHints: answer = static_cast<int>(Qt::ImhMultiLine); break;
        case Qt::ImFont: answer = QtFont_; break;
        case Qt::ImCursorRectangle: {
            // While composing, the input method's cursor: its candidates
            // open there.
            const TCaretPos at = PreeditLayout_.Active() ? PreeditLayout_.Cursor() : TCaretPos{Row_, Col_};
            const QPoint cell(TextLeft() + (at.Col - TopCol_) * ColWidth(),
                              TextTop() + (at.Row - TopRow_) * RowHeight());
            answer = QRect(viewport()->mapTo(this, cell), QSize(ColWidth(), FontHeight()));
            break;
        }
        case Qt::ImSurroundingText: answer = QString::fromStdU16String(SjisToUtf16(CaretLine().Text)); break;
        case Qt::ImCursorPosition: {
            const TCaretLine line = CaretLine();
            answer = Utf16Length(line.Text, line.CaretOffset);
            break;
        }
        case Qt::ImAnchorPosition: {
            const TCaretLine line = CaretLine();
            int anchor = line.CaretOffset;
            // The anchor when the selection starts in the same line.
            if (Selected() && List_->LineFirstRow(Anchor_.Row) == line.FirstRow)
                anchor = RowsPlaces(*List_, line.FirstRow, Anchor_.Row) + Anchor_.Index;
            answer = Utf16Length(line.Text, anchor);
            break;
        }
        case Qt::ImCurrentSelection: answer = QString::fromStdU16String(SjisToUtf16(SelText())); break;
        default: answer = QAbstractScrollArea::inputMethodQuery(Query); break;
        }
    });
    return answer;
}

void TEditor::UpdateImePosition()
{
    // A repeating key moves the caret too often to move the window with it.
    if (KeyRepeating_) {
        ImePositionPending_ = true;
        return;
    }
    ImePositionPending_ = false;
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}
