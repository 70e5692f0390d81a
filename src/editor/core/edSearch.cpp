#include "edSearch.h"

#include "edScreenStrings.h"

#include <algorithm>
#include <string>

namespace {

// The least a chunk holds before it ends at a logical line's end.
constexpr int ChunkBytes = 8192;

bool IsWrapped(const TEditorScreenStrings& List, int Row) { return List.RowAttribute(Row) == TRowAttribute::raWrapped; }

TSearchHit HitAt(const TEditorScreenStrings& List, int ChunkRow, const TSearchPos& Pos)
{
    TSearchHit hit;
    List.RowColAfterText(ChunkRow, Pos.Start, hit.Caret.Row, hit.Caret.Col);
    hit.Length = Pos.Length;
    return hit;
}

// Chunks run from a logical line's start to a logical line's end, so that
// a word boundary or a line break at a chunk's edge is the text's own. The
// next chunk begins with the last line of the one before (a hit may run
// from it into the next line when line breaks are skipped) and reaches at
// least one row further, so the search always moves on.
std::optional<TSearchHit> SearchDown(const TEditorScreenStrings& List, std::string_view Pattern,
                                     TEditorSearchOptions Options, int Row, int Index, int Skip)
{
    const int count = List.Count();
    int first = List.LineFirstRow(Row);
    int origin = RowsPlaces(List, first, Row) + Index; // counted from the chunk's first row
    int reached = -1;                                  // the last row searched
    std::string chunk;
    for (;;) {
        int last = first;
        int size = RowPlaces(List, last);
        while (last + 1 < count && (size < ChunkBytes || IsWrapped(List, last) || last <= reached))
            size += RowPlaces(List, ++last);
        int taken = 0;
        List.GetRowsText(first, last - first + 1, chunk, taken);
        TSearchPos pos{origin, Skip};
        if (SearchText(chunk, pos, Pattern, Options))
            return HitAt(List, first, pos);
        if (last >= count - 1)
            return std::nullopt;
        const int next = List.LineFirstRow(last);
        origin = std::max(0, origin + Skip - RowsPlaces(List, first, next));
        Skip = 0;
        first = next;
        reached = last;
    }
}

std::optional<TSearchHit> SearchUp(const TEditorScreenStrings& List, std::string_view Pattern,
                                   TEditorSearchOptions Options, int Row, int Index)
{
    int last = List.LineLastRow(Row);
    int reached = List.Count(); // the first row searched
    std::string chunk;
    for (;;) {
        int first = last;
        int size = RowPlaces(List, first);
        while (first > 0 && (size < ChunkBytes || IsWrapped(List, first - 1) || first >= reached))
            size += RowPlaces(List, --first);
        int taken = 0;
        List.GetRowsText(first, last - first + 1, chunk, taken);
        // A chunk that ends before the start place is searched from its end.
        const int start = Row <= last ? RowsPlaces(List, first, Row) + Index : static_cast<int>(chunk.size());
        TSearchPos pos{start, 0};
        if (SearchText(chunk, pos, Pattern, Options))
            return HitAt(List, first, pos);
        if (first == 0)
            return std::nullopt;
        last = List.LineLastRow(first);
        reached = first;
    }
}

} // namespace

std::optional<TSearchHit> SearchRows(const TEditorScreenStrings& List, std::string_view Pattern,
                                     TEditorSearchOptions Options, int Row, int Index, int SkipLength)
{
    const int count = List.Count();
    if (count == 0 || Pattern.empty())
        return std::nullopt;
    const bool down = (Options & esDown) != 0;
    if (Row < 0) {
        Row = 0;
        Index = 0;
    }
    if (Row >= count) {
        if (down)
            return std::nullopt;
        Row = count - 1;
        Index = static_cast<int>(List.RowText(Row).size());
    }
    Index = std::clamp(Index, 0, static_cast<int>(List.RowText(Row).size()));
    if (down)
        return SearchDown(List, Pattern, Options, Row, Index, std::max(SkipLength, 0));
    return SearchUp(List, Pattern, Options, Row, Index);
}
