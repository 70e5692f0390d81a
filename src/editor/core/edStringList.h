// The editor's list of screen rows. Beside its text each row carries a
// state text, a row data number and two 32-bit attribute words, in which the
// editor packs how the row ends, the colouring parser's state at the row's
// start and the row's marks (edRaStrings.h names those fields).
//
// The list keeps an index of where each row starts in the text and how many
// logical lines end before it, so that positions and line numbers cost the
// same in a 10 MB text as in a 10 KB one. It reads how a row ends from the
// low two bits of word A: 0 a line break (two more places), 1 wrapped into
// the next row, 2 the end of the text.
#pragma once

#include "edPartitioning.h"
#include "edRowBuffer.h"

#include "Strings.h"
#include "SysUtils.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TedStringList : public TStrings {
public:
    TedStringList() = default;
    // Frees the rows without firing OnChanging or OnChange.
    ~TedStringList() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

    // Every index is checked (0..Count-1; Insert allows Count) and raises
    // the list-index error otherwise. The list holds no objects: Objects
    // reads null and writing it is ignored.
    std::string Get(int Index) const override;
    int GetCount() const override { return Rows_.Count(); }
    // Replaces the row's text only; its state and attributes stay.
    void Put(int Index, const std::string& S) override;
    int GetCapacity() const override { return Rows_.Capacity(); }
    // A capacity below Count is ignored: rows are never cut this way. The
    // row index takes the same capacity.
    void SetCapacity(int NewCapacity) override;

    // A new row has empty texts and all numbers 0.
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    // Swaps the two whole rows: texts, row data and both attribute words.
    void Exchange(int Index1, int Index2) override;
    // Empties the list and frees its storage and its shared blocks.
    void Clear() override;

    // ---- Shared text ------------------------------------------------------
    // Rows may show pieces of Block without a copy (ShareRowText): a loaded
    // text costs its bytes once, not once more per row. The list keeps the
    // block until it is cleared.
    void ShareTextBlock(std::shared_ptr<const std::string> Block);
    // The blocks of Source, for rows that move from it into this list.
    void ShareTextBlocksOf(const TedStringList& Source);

    // The row text without a copy, for the paths that read every row
    // (painting, wrapping, colouring). Valid until the list changes.
    std::string_view RowText(int Index) const { return Row(Index).Text(); }

    // The row's own state. These change nothing else and fire no event.
    const std::string& StateText(int Index) const { return Row(Index).StateText(); }
    void SetStateText(int Index, const std::string& Value) { Row(Index).SetStateText(Value); }
    int32_t RowData(int Index) const { return Row(Index).RowData; }
    void SetRowData(int Index, int32_t Value) { Row(Index).RowData = Value; }
    uint32_t AttributeA(int Index) const { return Row(Index).AttributeA; }
    void SetAttributeA(int Index, uint32_t Value);
    uint32_t AttributeB(int Index) const { return Row(Index).AttributeB; }
    void SetAttributeB(int Index, uint32_t Value) { Row(Index).AttributeB = Value; }

    // ---- The index ------------------------------------------------------
    // Where Row starts: the rows before it, each with its length and two
    // more for a line break. Row may be Count().
    int RowStart(int Row) const { return Places_.Start(Row); }
    // The first row that ends after position Pos (Count() when none does).
    int RowEndingAfter(int Pos) const { return Places_.PartAfter(Pos); }
    // The rows before Row that end a logical line (not wrapped). Row may be
    // Count().
    int LineEndsBefore(int Row) const { return LineEnds_.Start(Row); }
    // The first row by which Count logical lines have ended (Count() when
    // fewer have).
    int RowEndingLines(int Count) const { return LineEnds_.PartReaching(Count); }

protected:
    // Fire OnChange / OnChanging with this list as Sender, unless inside
    // an update.
    virtual void Changed();
    virtual void Changing();
    // Begin: OnChanging, then the update starts. End: the update ends, then
    // OnChange. An end without a begin is ignored.
    void SetUpdateState(bool Updating) override;

    // The row for changes of its state. A change of its text or of how it
    // ends goes through SetRowText, SetAttributeA or ReplaceRow, which keep
    // the index.
    TRowItem& Row(int Index)
    {
        CheckIndex(Index);
        return Rows_[Index];
    }
    void SetRowText(int Index, std::string_view Text);
    // Like SetRowText, without a copy: Text lies in a block the list shares.
    void ShareRowText(int Index, std::string_view Text);
    // Row Index takes Item whole and returns its old content.
    TRowItem ReplaceRow(int Index, TRowItem&& Item);
    const TRowItem& Row(int Index) const
    {
        CheckIndex(Index);
        return Rows_[Index];
    }

private:
    void CheckIndex(int Index) const
    {
        if (Index < 0 || Index >= Rows_.Count())
            RaiseListIndexError(Index);
    }
    void Grow();
    // Brings the index's entry for Index up to the row's length and end.
    void IndexRow(int Index);

    TRowBuffer Rows_;
    std::vector<std::shared_ptr<const std::string>> TextBlocks_;
    TPartitioning Places_;
    TPartitioning LineEnds_;
    int UpdateCount_ = 0;
};
