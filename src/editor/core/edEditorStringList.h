// The row list the wrapping fills and the screen-row list builds on. Beside
// the row list with packed attributes it adds the row moves that the
// editing primitive needs, so that rows travel between lists without
// copying their texts.
#pragma once

#include "edRaStrings.h"

#include <string_view>

// Attribute 3 of a text range: the range held no row (an insertion only).
constexpr TRowAttribute raNoText = TRowAttribute(3);

class TEditorStringList : public TRowAttributeStringList {
public:
    // Appends a row with Text and Attribute, its state not computed.
    int AddRow(std::string_view Text, TRowAttribute Attribute);
    // The same without a copy: Text lies in a block the list shares.
    int AddSharedRow(std::string_view Text, TRowAttribute Attribute);
    // Moves the whole row SourceIndex of Source (text, state, data, both
    // attribute words) into row Index, whose old content is freed. Source's
    // row is left empty; this list shares Source's blocks from then on.
    void TakeRow(int Index, TEditorStringList& Source, int SourceIndex);
    // Makes the row count Count: empty rows are added at the end, or the
    // rows past Count deleted.
    void SetRowCount(int Count);
};
