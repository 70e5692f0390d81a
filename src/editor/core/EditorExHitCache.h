// The find hits that painting shows, row by row. Hits belong to logical
// lines (a hit split by a wrap shows on both of its rows), so the hits of a
// line are computed once, at the first of its rows that a paint asks for,
// and handed out for each of its rows from then on.
#pragma once

#include "EditorExFind.h"
#include "edColumns.h"

#include <string>
#include <vector>

// The part of a hit that lies in one row.
struct TRowHitPart {
    int Index = 0;  // its first byte in the row
    int Length = 0; // bytes
    int Col = 0;    // its first display column
    int Cols = 0;   // the display columns it covers (a tab its whole width)

    bool operator==(const TRowHitPart&) const = default;
};

class TFindHitCache {
public:
    explicit TFindHitCache(TEditorExFinder& Finder) : Finder_(Finder) {}

    // Forgets the line held. Call at the start of every paint: the text,
    // the find string or its options may have changed since the last one.
    void Invalidate() { Valid_ = false; }

    // The parts of the hits of Row's logical line that lie in Row, in
    // order, with columns by Model; empty for a row outside the text.
    // Never raises for a pattern that does not compile (no hits then).
    // Valid until the next call.
    const std::vector<TRowHitPart>& RowHits(const TEditorScreenStrings& Rows, int Row, const TColumnModel& Model);

    // How many times the hits of a line were computed.
    int LineComputations() const { return LineComputations_; }

private:
    void LoadLine(const TEditorScreenStrings& Rows, int Row);

    TEditorExFinder& Finder_;
    bool Valid_ = false;
    int FirstRow_ = 0;
    int LastRow_ = -1;
    std::string LineText_;
    TFindHits Hits_;
    std::vector<int> RowStarts_; // byte offset in the line of each of its rows
    std::vector<TRowHitPart> Parts_;
    int LineComputations_ = 0;
};
