// What the editing keys do to the text: Enter with auto-indent, Backspace
// with un-indent, Delete with blank padding, and Tab. Each is one rebuild
// of the row list (one undo step) at the caret and returns the caret place
// it leaves, or none when nothing happens. A shown selection is the
// widget's to delete first (Backspace and Delete then stop; Enter goes
// on), so these never see one.
#pragma once

#include "edEditing.h"
#include "edPositions.h"

#include <optional>

class TEditorCaret;
class TEditorScreenStrings;

// Enter. Past the last row a line break is appended. Overwrite mode only
// moves the caret to the next row's start. Otherwise the row is split at
// the caret and the new line starts with the auto-indent; with Shift a
// line holding only the indent opens above the caret's logical line.
std::optional<TCaretPos> KeyReturn(TEditorScreenStrings& List, TCaretPos Caret, const TEditorCaret& Options,
                                   bool OverWrite, bool Shift);
// The columns of blanks Enter starts the new line with (0 with
// AutoIndent off).
int AutoIndentWidth(const TEditorScreenStrings& List, TCaretPos Caret, const TEditorCaret& Options);

// Backspace. At a row's start the row joins the one above (taking the
// last character of a wrapped row above). With BackSpaceUnIndent, just
// after the leading blanks (or on a blank row) the caret goes back to the
// indent of the nearest earlier row indented less, removing the blanks
// between. Else the character before the caret goes; past the row's end
// the caret only moves left.
std::optional<TCaretPos> KeyBackSpace(TEditorScreenStrings& List, TCaretPos Caret, const TEditorCaret& Options);

// Delete. Inside the row the character at the caret goes. At or past the
// row's end the row is padded with blanks to the caret and joined with
// the next row; on the last row its line break goes; nothing on a raEof
// row.
std::optional<TCaretPos> KeyDelete(TEditorScreenStrings& List, TCaretPos Caret);

// Tab: the columns to the next tab stop (with word wrap never past the
// wrap column). Overwrite mode moves the caret over them; otherwise they
// are inserted as blanks (SoftTab) or one tab, in place of the selection
// when there is one.
std::optional<TCaretPos> KeyTab(TEditorScreenStrings& List, const TEditPlace& Place, const TEditorCaret& Options,
                                bool OverWrite);
