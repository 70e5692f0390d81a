// A cursor over a row and its column attributes (edColumns.h): the column
// under the cursor, the attribute there and the byte it shows. The wrap
// rules step it column by column and character by character.
#pragma once

#include "edColumns.h"

#include "Classes.h"

#include <string_view>

class TEditorAttributeArray : public TObject {
public:
    // Neither string is copied: both must outlive the cursor.
    TEditorAttributeArray(std::string_view S, std::string_view Attributes) { Init(S, Attributes); }

    // Column 0 and position 0, then one Next: the cursor rests on column 1.
    void Init(std::string_view S, std::string_view Attributes);

    int ColumnCount() const { return static_cast<int>(Attributes_.size()); }
    // The attribute under the cursor; ca::End past the last column.
    char Current() const { return Current_; }
    // 1-based column; ColumnCount() + 1 at the end.
    int Column() const { return Column_; }
    // 1-based index of the byte under the column; a tab's fill columns
    // keep the tab's position.
    int Position() const { return Position_; }
    bool AtEnd() const { return Current_ == ca::End; }

    // One column right, unless at the end.
    void Next();
    // One column left, unless at column 1; the exact inverse of Next.
    void Prev();
    // The character under the cursor: empty at the end, both bytes of a
    // double-byte character on either of its columns, the tab on its fill.
    std::string_view CurrentChar() const;
    // The character under the next column; the cursor does not move.
    std::string_view NextChar() const;
    // Steps forwards or backwards to column C (1..ColumnCount() + 1).
    void MoveTo(int C);

    // Whole-character steps: a column step, and a second one when the first
    // lands on a lead byte, so that the cursor rests on a character's last
    // column.
    void StepBack();
    void StepForward();

private:
    char At(int C) const { return C >= 1 && C <= ColumnCount() ? Attributes_[C - 1] : ca::End; }
    std::string_view CharAt(char Attribute, int Position) const;

    char Current_ = ca::End;
    std::string_view Attributes_;
    int Column_ = 0;
    std::string_view S_;
    int Position_ = 0;
};
