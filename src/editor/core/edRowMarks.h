// The sixteen row marks of the screen rows. Marks 0-9 stand on one row at
// a time in the whole text (setting one takes it off the row that had
// it); marks 10-15, the image marks, may stand on many rows. The row list
// keeps the set of marks in use; these keep it current.
#pragma once

#include <cstdint>

class TEditorScreenStrings;

// RowMarks written: Row's marks become Marks; a unique mark new on the
// row leaves the row that had it. False (nothing done) for a row outside
// the rows or unchanged marks.
bool SetRowMarks(TEditorScreenStrings& List, int Row, uint16_t Marks);
// Sets mark Mark (0-15) on Row. A unique mark is first taken off the row
// that holds it, even when Row lies outside the rows (then nothing else
// happens).
void PutRowMark(TEditorScreenStrings& List, int Row, int Mark);
// Clears mark Mark on Row.
void DeleteRowMark(TEditorScreenStrings& List, int Row, int Mark);
// The first row, from the top, that holds mark Mark; -1 when none does.
int FindRowMark(const TEditorScreenStrings& List, int Mark);
