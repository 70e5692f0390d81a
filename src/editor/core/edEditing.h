// The editor's text-changing commands as rebuilds of the screen-row list:
// typed and pasted insertion (overwrite included), box paste, deleting and
// moving the selection, deleting a row. Each command is one ReplaceRows,
// so one undo step, and returns the caret place it leaves; the widget
// drops its selection first and places the caret after. Commands that
// change nothing return no place.
#pragma once

#include "edPositions.h"
#include "edSelection.h"

#include <optional>
#include <string_view>

class TEditorScreenStrings;

// What the commands read of the widget: the caret, and the selection when
// one is shown as sstSelected (a search hit is not replaced).
struct TEditPlace {
    int Row = 0;
    int Col = 0;
    const TSelectionRange* Selection = nullptr;
};

// Rebuilds the rows of Edit in one step and returns the caret place. The
// caret is counted from the row where the list's re-wrap starts (the row
// above Edit.Row, or the first row of its logical line when that comes
// later), whose start the rebuild does not move.
TCaretPos ApplyRowEdit(TEditorScreenStrings& List, const TRowEdit& Edit);

// Typed text (one key's character, whole, or an input-method commit) at
// the caret or in place of the selection. A caret past the row's end is
// first joined to the row by blanks. Overwrite replaces as many columns
// as S has bytes, on into the following rows of a wrapped line; half of
// a double-byte character left over becomes a blank, a tab partly covered
// stays. Line breaks of S (CR LF, CR or LF) become CR LF.
std::optional<TCaretPos> InsertString(TEditorScreenStrings& List, const TEditPlace& Place, std::string_view S,
                                      bool OverWrite);
// Pasted or dropped text, never overwriting. An empty Text deletes the
// selection, else does nothing.
std::optional<TCaretPos> InsertText(TEditorScreenStrings& List, const TEditPlace& Place, std::string_view Text);
// The lines of Text as a rectangle: line k goes into row first + k at
// column c (the caret, or the selection's start once the selection is
// removed); short rows are padded with blanks, rows past the text made.
// A raEof row of the result gets a line break. The caret goes after the
// last line.
std::optional<TCaretPos> PasteBox(TEditorScreenStrings& List, const TEditPlace& Place, std::string_view Text);
// Removes the selected text; the caret goes to its start.
TCaretPos DeleteSelection(TEditorScreenStrings& List, const TSelectionRange& Range);
// Moves a stream selection's text to (Row, Col), padding a short target
// row with blanks; the caret goes after the moved text. Nothing for a
// target inside the selection or an empty selection.
std::optional<TCaretPos> MoveSelectionTo(TEditorScreenStrings& List, const TSelectionRange& Range, int Row, int Col);
// Deletes screen row Row with its line break. The caret goes to (0, 0) for
// row 0, to the end of the row above when that is now the last row
// without a line break, else to the start of Row.
std::optional<TCaretPos> DeleteRow(TEditorScreenStrings& List, int Row);
