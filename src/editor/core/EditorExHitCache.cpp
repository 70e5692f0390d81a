#include "EditorExHitCache.h"

#include "edColumnCursor.h"

#include <algorithm>

namespace {

// Moves Cursor on to the character that starts at Target.
void AdvanceTo(TColumnCursor& Cursor, size_t Target)
{
    while (!Cursor.AtEnd() && Cursor.Pos() < Target)
        Cursor.Next();
}

} // namespace

void TFindHitCache::LoadLine(const TEditorScreenStrings& Rows, int Row)
{
    ++LineComputations_;
    FirstRow_ = Rows.LineFirstRow(Row);
    int taken = 0;
    Rows.GetRowsText(FirstRow_, -1, LineText_, taken);
    LastRow_ = FirstRow_ + taken - 1;
    RowStarts_.clear();
    int start = 0;
    for (int row = FirstRow_; row <= LastRow_; ++row) {
        RowStarts_.push_back(start);
        start += static_cast<int>(Rows.RowText(row).size());
    }
    Finder_.PaintLineHits(LineText_, Hits_);
    Valid_ = true;
}

const std::vector<TRowHitPart>& TFindHitCache::RowHits(const TEditorScreenStrings& Rows, int Row,
                                                       const TColumnModel& Model)
{
    Parts_.clear();
    if (Row < 0 || Row >= Rows.Count())
        return Parts_;
    if (!Valid_ || Row < FirstRow_ || Row > LastRow_)
        LoadLine(Rows, Row);
    const std::string_view text = Rows.RowText(Row);
    const int rowStart = RowStarts_[static_cast<size_t>(Row - FirstRow_)];
    const int rowEnd = rowStart + static_cast<int>(text.size());
    // Hits are in order and do not overlap, so their ends are in order too.
    auto hit = std::partition_point(Hits_.begin(), Hits_.end(),
                                    [rowStart](const TFindHit& h) { return h.Start + h.Length <= rowStart; });
    TColumnCursor cursor(text, Model);
    for (; hit != Hits_.end() && hit->Start < rowEnd; ++hit) {
        const int from = std::max(hit->Start, rowStart) - rowStart;
        const int to = std::min(hit->Start + hit->Length, rowEnd) - rowStart;
        AdvanceTo(cursor, static_cast<size_t>(from));
        const int firstCol = cursor.Col();
        AdvanceTo(cursor, static_cast<size_t>(to));
        Parts_.push_back({from, to - from, firstCol, cursor.Col() - firstCol});
    }
    return Parts_;
}
