// What the bars left of the text show for each row: the left bar's row or
// line numbers and the image bar's row marks. Plain rules over the row
// list, so that they are checked without a window.
#pragma once

#include "edOptions.h"
#include "edRaStrings.h"

#include <cstdint>
#include <string>
#include <vector>

// The logical line of Row: the rows before it that end a line (with word
// wrap off, the row itself); 0 for a row below 1.
int RowToLine(const TRowAttributeStringList& Rows, bool WordWrap, int Row);

// The number of digits the left bar makes room for: enough for the
// highest number it can show, at least Leftbar.Column and at most 8.
int LeftbarDigitCount(const TRowAttributeStringList& Rows, bool WordWrap, const TEditorLeftbar& Leftbar);

// The number shown for N, right-aligned in Digits places: padded with
// blanks, or with "0" when ZeroLead.
std::string LeftbarNumberText(int N, int Digits, bool ZeroLead);

// The numbers of rows FirstRow .. LastRow as the bar shows them (already
// counting from 1 unless ZeroBase); -1 for an empty cell (a row past the
// end, a continuation row of a wrapped line in line mode).
void LeftbarRowNumbers(const TRowAttributeStringList& Rows, bool WordWrap, const TEditorLeftbar& Leftbar, int FirstRow,
                       int LastRow, std::vector<int>& Numbers);

// The image bar shows at most two marks of a row: the lowest of the digit
// marks 0-9 and the lowest of the image marks 10-15; -1 for none.
struct TImagebarMarks {
    int Digit = -1;
    int Image = -1;
};
TImagebarMarks ImagebarMarks(uint16_t RowMarks);
