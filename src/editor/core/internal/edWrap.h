// Cutting logical lines into screen rows under the Japanese line-breaking
// rules of a wrap option: a double-byte character is never split, English
// words may be kept whole, listed punctuation may hang past the edge, and
// listed characters may neither end nor start a row.
#pragma once

#include "edColumns.h"
#include "edEditorStringList.h"
#include "edWrapOption.h"

#include <string>
#include <string_view>

class TLineWrapper {
public:
    // Model gives the tab size and delimiters; its wrap fields are taken
    // from Option (word wrap on, Option's WrapByte).
    TLineWrapper(const TColumnModel& Model, const TEditorWrapOption& Option);

    // The byte length of the first row of Rest (the remainder of one
    // logical line, without line breaks), or 0 when Rest fits on one row.
    size_t NextCut(std::string_view Rest);

    // Calls Emit(row text, row attribute) for each row of one logical line:
    // raWrapped rows, then the last row as raCrlf.
    template <class F>
    void ForEachRow(std::string_view Line, F&& Emit);

    // The number of rows of one logical line.
    int RowCount(std::string_view Line);

private:
    TColumnModel Model_;
    const TEditorWrapOption& Option_;
    std::string Attributes_; // reused for every row
};

// Fills Dest (cleared first, inside one update) with the rows of S, whose
// lines are separated by CR LF, CR or LF; a final line break adds no row
// and an empty S gives one empty row. With word wrap off in Model each line
// is one raCrlf row; with it on each line is wrapped under Option.
void WrapText(std::string_view S, const TColumnModel& Model, const TEditorWrapOption& Option, TEditorStringList& Dest);

// The rows one logical line takes: 1 with word wrap off.
int WrapLineCount(std::string_view Line, const TColumnModel& Model, const TEditorWrapOption& Option);

template <class F>
void TLineWrapper::ForEachRow(std::string_view Line, F&& Emit)
{
    // A row is handed on only once the next cut is known, because a line
    // that ends exactly at a cut may end on that row (FollowRetMark).
    std::string_view pending;
    bool cut = false;
    size_t start = 0;
    while (const size_t length = NextCut(Line.substr(start))) {
        if (cut)
            Emit(pending, TRowAttribute::raWrapped);
        pending = Line.substr(start, length);
        cut = true;
        start += length;
    }
    const std::string_view rest = Line.substr(start);
    if (!cut) {
        Emit(rest, TRowAttribute::raCrlf);
    } else if (!rest.empty()) {
        Emit(pending, TRowAttribute::raWrapped);
        Emit(rest, TRowAttribute::raCrlf);
    } else if (Option_.FollowRetMark()) {
        Emit(pending, TRowAttribute::raCrlf);
    } else {
        Emit(pending, TRowAttribute::raWrapped);
        Emit(rest, TRowAttribute::raCrlf);
    }
}
