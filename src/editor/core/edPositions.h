// Caret places and character positions of the screen-row list, and the
// answers of the edit-control queries that are plain text logic.
//
// Three coordinates meet here: a character position counts the whole text
// with every raCrlf row as its length + 2; a byte index counts the bytes of
// one row; a display column counts the row's columns with tabs expanded and
// double-byte characters two wide. Positions are full 32-bit values: pages
// over 64 KB report their real positions.
#pragma once

#include <string>

class TEditorScreenStrings;

// A caret place: a screen row and a display column.
struct TCaretPos {
    int Row = 0;
    int Col = 0;
    bool operator==(const TCaretPos&) const = default;
};

// The last row a caret may stand on: the row count after a raCrlf last
// row (and in an empty text), else the last row.
int MaxCaretRow(const TEditorScreenStrings& List);

// The positions a row takes: its length, + 2 for a raCrlf row; 0 outside
// the rows.
int RowPlaces(const TEditorScreenStrings& List, int Row);
// The positions of rows From .. To - 1.
int RowsPlaces(const TEditorScreenStrings& List, int From, int To);
// The row's display width; 0 outside the rows.
int RowWidth(const TEditorScreenStrings& List, int Row);

// The byte index of column Col of Row: a column on the second half of a
// double-byte character or inside a tab's fill counts as that character;
// at most the row's length; 0 outside the rows.
int CaretIndex(const TEditorScreenStrings& List, int Row, int Col);
// The display column of byte Index of Row.
int IndexToCol(const TEditorScreenStrings& List, int Row, int Index);

// The character position of byte Index of Row (Row may be the row count).
int CharPos(const TEditorScreenStrings& List, int Row, int Index);
// The caret place of character position Pos (SelStart written): below 1
// the text's start, past the text its end.
TCaretPos CaretAtPos(const TEditorScreenStrings& List, int Pos);
// The caret place Length positions after the caret place (Row, Col), where
// a raEof row holds one place more (SelLength written).
TCaretPos CaretAfterLength(const TEditorScreenStrings& List, int Row, int Col, int Length);

// EM_LINEINDEX: the position of Row's start; -1 for a row past the end and
// for the place after a raEof last row.
int LineIndex(const TEditorScreenStrings& List, int Row);
// EM_LINEFROMCHAR: the row holding position Pos; the walk stops at a raEof
// row, and past a text that ends with a line break gives the row count.
int LineFromChar(const TEditorScreenStrings& List, int Pos);
// EM_LINELENGTH: the length of the row holding position Pos.
int LineLength(const TEditorScreenStrings& List, int Pos);
// EM_GETLINE: at most MaxBytes bytes of Row; empty outside the rows.
std::string GetLine(const TEditorScreenStrings& List, int Row, int MaxBytes);
// EM_POSFROMCHAR: the row and display column of position Pos.
TCaretPos PosFromChar(const TEditorScreenStrings& List, int Pos);
// EM_CHARFROMPOS: the position of column Col of Row (the caller has rounded
// the point to the nearer column); a row past the end gives the text length.
int CharFromRowCol(const TEditorScreenStrings& List, int Row, int Col);
// The two values in one result, low and high 16 bits, as the integer-only
// message interface returns them; -1 when either does not fit in 16 bits.
int PackPositions(int Low, int High);

// The character offset of (Row, Col) from the start of its logical line;
// -1 for a row outside the rows or a negative column.
int LineCharIndex(const TEditorScreenStrings& List, int Row, int Col);
