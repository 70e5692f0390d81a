// The editor's plain search over its rows (TEditor.Search): the rows are
// searched in chunks of whole logical lines of at least 8 KB, never the
// whole text at once, and each chunk reaches at least one row further than
// the one before, so a search always ends.
#pragma once

#include "HTSearch.h"
#include "edPositions.h"

#include <optional>
#include <string_view>

class TEditorScreenStrings;

struct TSearchHit {
    TCaretPos Caret; // the hit's start
    int Length = 0;  // its bytes, those skipped inside it included
};

// Searches from byte Index of Row: forwards (esDown) from there, after
// SkipLength more bytes (the length of a hit shown as a caret, so that the
// search goes on after it); backwards for a hit that ends there at the
// latest. A place past the last row searches backwards from the text's
// end and forwards finds nothing.
std::optional<TSearchHit> SearchRows(const TEditorScreenStrings& List, std::string_view Pattern,
                                     TEditorSearchOptions Options, int Row, int Index, int SkipLength = 0);
