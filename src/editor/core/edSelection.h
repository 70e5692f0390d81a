// The editor's selection as text: its ranges from the anchor and the caret,
// its length and text in character positions, the hit test, and the row
// rebuild that removes it. The widget keeps the state (anchor, ranges,
// mode) and paints it; everything here reads the row list only.
//
// A stream selection (smLine) runs from one place to another through the
// text. A box selection (smBox) takes from each of its rows the characters
// whose first column lies within [StartCol, EndCol): a double-byte
// character or tab cut by the left edge is left out, one cut by the right
// edge is taken whole. Copy, delete, paste and the hit test share that rule.
#pragma once

#include "edColumns.h"
#include "edPopupClient.h"
#include "edPositions.h"
#include "edRaStrings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TEditorScreenStrings;

// A selection is shown in sstSelected and sstHitSelected (a search hit);
// only sstSelected is "selected": copied, cut, measured and replaced.
enum class TEditorSelectionState : uint8_t { sstNone, sstSelecting, sstSelected, sstHitSelected };

// Where a selection started.
struct TSelectionAnchor {
    int Row = 0;
    int Index = 0; // byte index in the row, at most its length
    int Col = 0;   // display column
    bool operator==(const TSelectionAnchor&) const = default;
};

// The ranges a selection covers. The text range is in byte indexes with
// an inclusive end (an empty range has EndIndex = StartIndex - 1); the
// display range in columns (EndCol exclusive), used by box selections and
// painting.
struct TSelectionRange {
    TEditorSelectionMode Mode = TEditorSelectionMode::smLine;
    int StartRow = 0;
    int EndRow = 0;
    int StartIndex = 0;
    int EndIndex = -1;
    int StartCol = 0;
    int EndCol = 0;
    bool operator==(const TSelectionRange&) const = default;
};

// The anchor of a selection started at the caret place (Row, Col).
TSelectionAnchor MakeAnchor(const TEditorScreenStrings& List, int Row, int Col);

// The ranges from Anchor to the caret place (Row, Col).
TSelectionRange ComputeSelection(const TEditorScreenStrings& List, const TSelectionAnchor& Anchor, int Row, int Col,
                                 TEditorSelectionMode Mode);

// The bytes [From, To) of row text Text that a box of columns
// [StartCol, EndCol) takes, and the columns [FromCol, ToCol) they fill.
// When the box takes nothing, From = To is where its left edge meets the
// row (the row's end for a row shorter than the box's left column).
struct TBoxPiece {
    int From = 0;
    int To = 0;
    int FromCol = 0;
    int ToCol = 0;
};
TBoxPiece BoxPiece(std::string_view Text, int StartCol, int EndCol, const TColumnModel& Model);

// SelLength: stream, the bytes selected with each line break inside
// counted 2; box, each row's piece + 2.
int SelectionLength(const TEditorScreenStrings& List, const TSelectionRange& Range);
// SelText: stream, the text with CR LF after each raCrlf row it runs
// past and wrapped rows joined; box, each row's piece followed by CR LF.
std::string SelectionText(const TEditorScreenStrings& List, const TSelectionRange& Range);
// True when (Row, Col) lies inside the shown selection.
bool IsInSelection(const TEditorScreenStrings& List, const TSelectionRange& Range, int Row, int Col);
// EM_LINELENGTH for the selection: the characters of its rows that lie
// outside it (the length of the end row + start index - end index - 1).
int SelectionLineLength(const TEditorScreenStrings& List, const TSelectionRange& Range);

// One rebuild of rows: Count rows from Row, with the line breaks they end
// with, become Text; the caret goes CaretOffset positions after the start
// of Row. Every editing command is one such rebuild, one undo step.
struct TRowEdit {
    int Row = 0;
    int Count = 0;
    std::string Text;
    int CaretOffset = 0;
};

// A row as a rebuild makes it.
struct TEditRow {
    std::string Text;
    TRowAttribute Attribute = TRowAttribute::raCrlf;
};

// The Count rows from Row that the selection touches, as they are without
// it: stream, one row of the start row's bytes before the selection and
// the end row's bytes after it, with the end row's attribute; box, each
// row of the box without its piece. At is the byte in the first of them
// where the selection was. A selection past the last row touches none.
struct TSelectionRemoval {
    int Row = 0;
    int Count = 0;
    std::vector<TEditRow> Rows;
    int At = 0;
};
TSelectionRemoval RemoveSelection(const TEditorScreenStrings& List, const TSelectionRange& Range);

// The rebuild that puts Insert where the selection was (nothing for a
// delete); the caret goes after Insert.
TRowEdit SelectionReplacement(const TEditorScreenStrings& List, const TSelectionRange& Range, std::string_view Insert);
