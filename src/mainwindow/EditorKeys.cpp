// The main window's own keys in the page editor: Enter that carries the
// line's indent (full-width blanks too), Shift+Enter that opens a line
// above, TAB and Shift+TAB that indent the selected lines, the clipboard
// keys, the enclosures and numbering styles of Ctrl with the keypad, and
// Ctrl+TAB to the page tree. Keys that would change text do nothing in a
// read-only editor, and typing there beeps.
#include "EditCommands.h"

#include "Beep.h"
#include "EditCommandsHost.h"
#include "EditKeys.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "MainMenus.h"
#include "PaneViews.h"
#include "SubIni.h"
#include "TreeView.h"

namespace {

constexpr TShiftState Ctrl{TShiftStateItem::ssCtrl};
constexpr TShiftState ShiftOnly{TShiftStateItem::ssShift};

} // namespace

void TEditCommands::BindEditorKeys(TEditorEx& Editor)
{
    Editor.OnKeyDown = [this](TObject* Sender, uint16_t& Key, TShiftState Shift) {
        DataMemoKeyDown(Sender, Key, Shift);
    };
    Editor.OnKeyPress = [this](TObject* Sender, char& Key) { DataMemoKeyPress(Sender, Key); };
}

void TEditCommands::DataMemoKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift)
{
    TEditorEx& editor = EditorOf(Sender, Active());
    KeyShift_ = Shift;
    const bool browsePane = Parts_.PaneViews.BrowseViewOn() && &editor != &Parts_.DataMemo;
    const bool ctrl = Shift == Ctrl;
    const bool readOnly = editor.ReadOnly();
    if (Key == VK_TAB) {
        if (ctrl) {
            // The browse pane's tree comes with the browse view; an open
            // sub-icon finder's tree comes before the page tree.
            if (browsePane)
                Parts_.PaneViews.BrowseTree()->setFocus();
            else if (!Host_.FocusSubIconFinder())
                Parts_.DataTree.setFocus();
            Key = 0;
        } else if (Shift == ShiftOnly) {
            Parts_.PaneViews.OpMoveWindowClick();
        } else if (Shift == TShiftState{} && !browsePane && !readOnly && TabIndents(editor)) {
            editor.TabIndentSelection();
        }
        return;
    }
    if (Key == VK_INSERT && (ctrl || Shift == ShiftOnly)) {
        if (ctrl) {
            editor.CopyToClipboard();
            editor.SetSelLength(0);
            if (Host_.BoxSelectionOn())
                editor.SetSelectionMode(TEditorSelectionMode::smBox);
        } else {
            editor.PasteFromClipboard();
        }
        Key = 0;
        return;
    }
    if (Key == VK_SPACE && (ctrl || Shift == ShiftOnly) && editor.Selected() && !readOnly) {
        if (ctrl)
            editor.IndentSelection();
        else
            editor.UnIndentSelection();
        return;
    }
    if (!ctrl || readOnly)
        return;
    if (Key == VK_SUBTRACT) {
        CleanWholeText(editor);
    } else if (const std::optional<TEnclosure> enclosure = KeypadEnclosure(Key)) {
        editor.SetSelText(std::string(enclosure->Before) + editor.SelText() + std::string(enclosure->After));
    } else if (Key == VK_NUMPAD0 + 6) {
        // The Delphi formatting command, once the conversions bind it.
        if (TMenuItem* delphi = Parts_.Menus.Item(Cmd::pEdDelphi); delphi && delphi->OnClick)
            delphi->Click();
    } else if (const std::optional<TNumberingStyle> numbering = KeypadNumbering(Key)) {
        SettingsVars.BeforeNumberStr = numbering->Before;
        SettingsVars.AfterNumberStr = numbering->After;
        SettingsVars.NumberIndent = numbering->Indent;
    } else {
        return;
    }
    Key = 0;
}

void TEditCommands::DataMemoKeyPress(TObject* Sender, char& Key)
{
    TEditorEx& editor = EditorOf(Sender, Active());
    if (editor.ReadOnly()) {
        if (Key != ' ')
            Beep();
        return;
    }
    if (!editor.WordWrap() && editor.SelStart() >= editor.GetTextLen())
        return;
    const bool shift = KeyShift_.Contains(TShiftStateItem::ssShift);
    if (Key == '\r' && !editor.OverWrite()) {
        if (editor.Caret()->AutoIndent()) {
            AutoIndentReturn(editor, shift);
            Key = 0;
        } else if (shift) {
            editor.SetCol(0);
            editor.InsertString("\r\n");
            editor.SetRowCol(editor.Row() - 1, 0);
            Key = 0;
        }
    } else if (Key == '\t' && TabIndents(editor)) {
        Key = 0;
    } else if (Key == ' ' && KeyShift_ == ShiftOnly && editor.Selected()) {
        // Shift+Space unindented the selection on its way down.
        Key = 0;
    }
}

// Enter carries the blanks, TABs and full-width blanks that begin the
// caret's line, as far as the caret. With Shift the new line opens above
// the text after the indent.
void TEditCommands::AutoIndentReturn(TEditorEx& Editor, bool Shift)
{
    const int row = Editor.Row();
    const int line = Editor.RowToLine(row);
    const std::string text = line < Editor.Lines()->Count() ? Editor.Lines()->Strings(line) : std::string();
    const int index = Editor.LineCharIndex(row, Editor.Col());
    if (text.empty() || index <= 0) {
        Editor.InsertString("\r\n");
        return;
    }
    const std::string indent = AutoIndentOf(text, index);
    if (Shift && static_cast<int>(indent.size()) < index)
        Editor.SetSelStart(Editor.LineIndex(Editor.Lines()->LineToRow(line)) + static_cast<int>(indent.size()));
    Editor.InsertString("\r\n" + indent);
    if (Shift)
        Editor.SetRowCol(Editor.Row() - 1, Editor.Col());
}
