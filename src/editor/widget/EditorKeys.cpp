// The keys. A key press goes, in this order:
// 1. to the context menu, when it is the shortcut of one of its items;
// 2. to OnKeyDown as a virtual-key code (KeyTable.h) with the modifiers,
//    and then, unless the handler set the code to 0, to the editor's own
//    keys (the cursor keys and Delete);
// 3. as the characters it types, each byte through OnKeyPress, to the
//    editor's character handling: Backspace, Tab, Enter and text.
// No character is typed while Ctrl, Alt or Meta is held (what Qt reports
// as the text of such a key is not a character the user typed), and
// Backspace, Tab and Enter come from the key, never from its text. A
// double-byte character goes in whole, as one insertion.
#include "EditorBase.h"

#include "EditorPopupShortcuts.h"
#include "edKeyEditing.h"

#include "Cp932.h"
#include "ExceptionHandler.h"
#include "KeyTable.h"
#include "Sjis.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMenu>

namespace {

bool IsTabKey(int Key) { return Key == Qt::Key_Tab || Key == Qt::Key_Backtab; }
bool IsReturnKey(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

} // namespace

bool TEditor::event(QEvent* Event)
{
    if (Event->type() == QEvent::ShortcutOverride) {
        // The context menu's keys come to the editor before any other
        // shortcut of the window.
        auto* key = static_cast<QKeyEvent*>(Event);
        if (PopupShortcut(KeyCodeOf(*key))) {
            key->accept();
            return true;
        }
    } else if (Event->type() == QEvent::KeyPress) {
        // Tab types a tab instead of moving the focus.
        auto* key = static_cast<QKeyEvent*>(Event);
        if (WantTabs_ && IsTabKey(key->key()) && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(Event);
}

QAction* TEditor::PopupShortcut(const TKeyCode& Code) const
{
    const QKeySequence sequence = ShortCutToKeySequence(ShortCut(Code.Key, Code.Shift));
    return sequence.isEmpty() ? nullptr : PopupShortcuts_->Find(sequence);
}

void TEditor::keyPressEvent(QKeyEvent* Event)
{
    CatchExceptions([&] { KeyPressed(*Event); });
}

void TEditor::KeyPressed(QKeyEvent& Event)
{
    const int qtKey = Event.key();
    // Keys the editor does not want go on to its window.
    if ((!WantReturns_ && IsReturnKey(qtKey)) || (!WantTabs_ && IsTabKey(qtKey))) {
        Event.ignore();
        return;
    }
    if (MouseBusy()) {
        // Only a dragged selection hears keys: Ctrl turns the move into a
        // copy, Esc cancels.
        if (DragState_ != TDragState::Dragging)
            return;
        if (qtKey == Qt::Key_Control)
            SetCursorKind(TCursorKind::DragSelCopy);
        else if (qtKey == Qt::Key_Escape)
            CancelSelDrag();
    }
    const TKeyCode code = KeyCodeOf(Event);
    if (QAction* item = PopupShortcut(code)) {
        // The menu's states first, as when it opens.
        emit PopupMenu_->aboutToShow();
        if (item->isEnabled())
            item->trigger();
        return;
    }
    if (qtKey == Qt::Key_F10 && Event.modifiers() == Qt::ShiftModifier) {
        // The keyboard's way to the context menu, as the Menu key: it opens
        // at the caret.
        const QPoint at = CaretRect_.bottomLeft();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at), Event.modifiers());
        QCoreApplication::sendEvent(viewport(), &menu);
        return;
    }
    KeyRepeating_ = Event.isAutoRepeat();
    if (code.Key != 0) {
        uint16_t key = code.Key;
        if (OnKeyDown)
            OnKeyDown(this, key, code.Shift);
        if (key != 0)
            EditorKeyDown(key, code.Shift);
    }
    if (!MouseBusy())
        TypeCharacters(Event, code.Shift);
    // A dialog holding the editor still hears Esc.
    if (qtKey == Qt::Key_Escape)
        Event.ignore();
}

void TEditor::keyReleaseEvent(QKeyEvent* Event)
{
    CatchExceptions([&] {
        if (DragState_ == TDragState::Dragging && Event->key() == Qt::Key_Control)
            SetCursorKind(TCursorKind::DragSel);
        // X11 sends a release before each repeated press.
        if (!Event->isAutoRepeat()) {
            KeyRepeating_ = false;
            if (ImePositionPending_)
                UpdateImePosition();
        }
    });
}

// ---- The editor's own keys ------------------------------------------------------------------

void TEditor::EditorKeyDown(uint16_t Key, TShiftState Shift)
{
    const bool shift = Shift.Contains(TShiftStateItem::ssShift);
    const bool ctrl = Shift.Contains(TShiftStateItem::ssCtrl);
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: CursorKey(Key, shift, ctrl); break;
    case VK_DELETE: DeleteKey(); break;
    default: break;
    }
}

void TEditor::CursorKey(uint16_t Key, bool Shift, bool Ctrl)
{
    if (SelectionState_ == TEditorSelectionState::sstHitSelected)
        CleanSelection();
    if (Shift && !Selected())
        StartSelection();
    else if (!Shift && Selected())
        CleanSelection();

    const int rows = VisibleRows();
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
        const int range = KeyRepeating_ ? Speed_->PageVerticalRangeAc() : Speed_->PageVerticalRange();
        const int step = (rows - 1) / 2 * range;
        ScrollByRows(Key == VK_NEXT ? step : -step);
        break;
    }
    case VK_END:
        if (Ctrl)
            SetRow(RowCount());
        SetCol(RowWidth(Row_));
        break;
    case VK_HOME:
        if (Ctrl)
            SetRow(0);
        SetCol(0);
        break;
    case VK_LEFT:
        if (Ctrl) {
            const TCaretPos place = PrevTokenPlace(*List_, {Row_, Col_}, ActiveFountain());
            SetRowCol(place.Row, place.Col);
        } else if (Col_ == 0 && Row_ > 0
                   && (Caret_->NextLine() || RowAttributeAt(Row_ - 1) == TRowAttribute::raWrapped)) {
            SetRowCol(Row_ - 1, RowWidth(Row_ - 1));
        } else {
            SetCol(Col_ - 1);
        }
        break;
    case VK_RIGHT:
        if (Ctrl) {
            const TCaretPos place = NextTokenPlace(*List_, {Row_, Col_}, ActiveFountain());
            SetRowCol(place.Row, place.Col);
        } else {
            const int old = Col_;
            SetCol(Col_ + 1);
            const TRowAttribute attribute = RowAttributeAt(Row_);
            if (Col_ == old && Row_ < RowCount() && attribute != TRowAttribute::raEof
                && (Caret_->NextLine() || attribute == TRowAttribute::raWrapped))
                SetRowCol(Row_ + 1, 0);
        }
        break;
    case VK_UP: {
        // A repeating key at the view's edge moves faster.
        const int n = KeyRepeating_ && Row_ == TopRow_ ? Speed_->CaretVerticalAc() : 1;
        if (Ctrl) {
            SetTopRow(TopRow_ - n);
            if (Row_ > TopRow_ + rows - 1)
                SetRow(TopRow_ + rows - 1);
        } else if (Row_ > 0) {
            SetRow(Row_ - n);
        }
        break;
    }
    case VK_DOWN: {
        const int n = KeyRepeating_ && Row_ == TopRow_ + rows - 1 ? Speed_->CaretVerticalAc() : 1;
        if (Ctrl) {
            SetTopRow(TopRow_ + n);
            if (Row_ < TopRow_)
                SetRow(TopRow_);
        } else if (RowAttributeAt(Row_) != TRowAttribute::raEof) {
            SetRow(Row_ + n);
        }
        break;
    }
    default: break;
    }
    if (Shift)
        SelectionChanged();
}

void TEditor::DeleteKey()
{
    if (ReadOnly_)
        return;
    if (Selected()) {
        DeleteSelection();
        return;
    }
    if (Row_ >= RowCount()) {
        CleanSelection();
        return;
    }
    RunEdit([this](const TEditPlace& Place) { return KeyDelete(*List_, {Place.Row, Place.Col}); });
}

// ---- Characters -------------------------------------------------------------------------------

void TEditor::TypeCharacters(const QKeyEvent& Event, TShiftState Shift)
{
    if (Event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return;
    const int key = Event.key();
    std::string bytes;
    if (key == Qt::Key_Backspace)
        bytes = "\b";
    else if (IsTabKey(key))
        bytes = "\t";
    else if (IsReturnKey(key))
        bytes = "\r";
    else if (key == Qt::Key_Escape)
        bytes = "\x1b";
    const bool fromKey = !bytes.empty();
    int unmapped = 0;
    if (!fromKey)
        bytes = Utf16ToSjis(Event.text().toStdU16String(), unmapped);
    for (sjis::CharCursor c(bytes); !c.AtEnd(); c.Next()) {
        std::string character(c.Char());
        // Control characters in a key's text (Delete's DEL, say) type
        // nothing.
        const auto first = static_cast<unsigned char>(character[0]);
        if (!fromKey && character.size() == 1 && (first < 0x20 || first == 0x7F))
            continue;
        bool dropped = false;
        for (char& byte : character) {
            if (OnKeyPress)
                OnKeyPress(this, byte);
            dropped = dropped || byte == 0;
        }
        if (!dropped)
            EditorChar(character, Shift);
    }
    if (!ReadOnly_)
        ReportUnmapped(unmapped);
}

void TEditor::EditorChar(std::string_view Bytes, TShiftState Shift)
{
    if (Bytes.size() == 1) {
        const auto code = static_cast<unsigned char>(Bytes[0]);
        switch (code) {
        case '\b': BackSpaceChar(); return;
        case '\t':
            if (!Shift.Contains(TShiftStateItem::ssShift) && !Shift.Contains(TShiftStateItem::ssCtrl))
                TabChar();
            return;
        case '\r': ReturnChar(Shift.Contains(TShiftStateItem::ssShift)); return;
        default:
            if (code < 0x20 || code == 0x7F)
                return;
        }
    }
    if (ReadOnly_)
        return;
    if (ImePositionPending_)
        UpdateImePosition();
    InsertString(Bytes);
}

void TEditor::BackSpaceChar()
{
    if (ReadOnly_)
        return;
    if (Selected()) {
        DeleteSelection();
        return;
    }
    if (RowCount() == 0) {
        SetCol(Col_ - 1);
        return;
    }
    RunEdit([this](const TEditPlace& Place) { return KeyBackSpace(*List_, {Place.Row, Place.Col}, *Caret_); });
}

void TEditor::TabChar()
{
    if (ReadOnly_ || !WantTabs_)
        return;
    RunEdit([this](const TEditPlace& Place) { return KeyTab(*List_, Place, *Caret_, OverWrite_); });
}

void TEditor::ReturnChar(bool Shift)
{
    if (ReadOnly_)
        return;
    if (Selected()) {
        // Shift+Enter keeps the selection; Enter replaces it.
        if (Shift)
            return;
        DeleteSelection();
    }
    RunEdit([&](const TEditPlace& Place) {
        return KeyReturn(*List_, {Place.Row, Place.Col}, *Caret_, OverWrite_, Shift);
    });
}
