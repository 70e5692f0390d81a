// Indenting and un-indenting the selected lines, by one column of blanks
// or by one tab. A row takes part only when it is a whole logical line
// (with word wrap on: neither it nor the row above is wrapped, and the
// indented row still fits before the wrap column), so the rows keep their
// number. All rows change in one rebuild, one undo step, and the anchor
// and the caret move with the text of their rows.
#pragma once

#include "edSelection.h"

#include <optional>

class TEditorScreenStrings;

enum class TIndentKind {
    // The leading blanks (box: the blank run at the box's left column)
    // become spaces one column wider; tabs and full-width spaces turn
    // into spaces.
    Indent,
    // The same, one column narrower, for rows that begin with a blank.
    UnIndent,
    // One tab before the row (box: at the box's left column).
    TabIndent,
    // One tab taken from the row's head (box: the tab at the left column).
    TabUnIndent,
};

// The selection after the change.
struct TIndentResult {
    TSelectionAnchor Anchor;
    TCaretPos Caret;
    TSelectionRange Range;
};

// The rows of a line selection run from its start row to its end row,
// the end row left out when the selection ends at its start; a box takes
// all its rows. No result when no row changes.
std::optional<TIndentResult> IndentSelection(TEditorScreenStrings& List, const TSelectionRange& Range,
                                             const TSelectionAnchor& Anchor, TCaretPos Caret, TIndentKind Kind);
