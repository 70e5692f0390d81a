// Aligning the caret's line within the editor's wrap column.
#pragma once

#include <string>

namespace textconv {

// What AlignLine needs of the active editor; the editor's adapter
// implements it.
class TAlignLineEditor {
public:
    virtual ~TAlignLineEditor() = default;
    // The caret's screen row; setting it moves the caret there.
    virtual int Row() const = 0;
    virtual void SetRow(int Row) = 0;
    // Puts the caret at a column of its row.
    virtual void SetCol(int Col) = 0;
    // The logical line of a screen row.
    virtual int RowToLine(int Row) const = 0;
    // The logical lines.
    virtual int LineCount() const = 0;
    virtual std::string Line(int Index) const = 0;
    virtual void SetLine(int Index, const std::string& Text) = 0;
    // The wrap column (WrapOption.WrapByte).
    virtual int WrapByte() const = 0;
};

enum TAlignMode { amLeft = 0, amCenter = 1, amRight = 2 };

// Takes the leading spaces and TABs off the caret's logical line and, in
// modes amCenter and amRight, puts spaces in front so that the line is
// centred in or ends at the wrap column; the caret stays on its row at the
// column after those spaces. An empty line, a line at least as long as the
// wrap column, and any other mode leave everything as it is.
void AlignLine(TAlignLineEditor& Editor, int Mode);

} // namespace textconv
