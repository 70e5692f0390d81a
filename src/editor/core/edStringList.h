// The editor's list of screen rows. Beside its text each row carries a
// state text, a row data number and two 32-bit attribute words, in which the
// editor packs how the row ends, the colouring parser's state at the row's
// start and the row's marks (edRaStrings.h names those fields).
#pragma once

#include "edRowBuffer.h"

#include "Strings.h"
#include "SysUtils.h"

#include <cstdint>
#include <string>

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
    // A capacity below Count is ignored: rows are never cut this way.
    void SetCapacity(int NewCapacity) override;

    // A new row has empty texts and all numbers 0.
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    // Swaps the two whole rows: texts, row data and both attribute words.
    void Exchange(int Index1, int Index2) override;
    // Empties the list and frees its storage.
    void Clear() override;

    // The row text without a copy, for the paths that read every row
    // (painting, wrapping, colouring). Valid until the list changes.
    const std::string& RowText(int Index) const { return Row(Index).Text; }

    // The row's own state. These change nothing else and fire no event.
    const std::string& StateText(int Index) const { return Row(Index).StateText; }
    void SetStateText(int Index, const std::string& Value) { Row(Index).StateText = Value; }
    int32_t RowData(int Index) const { return Row(Index).RowData; }
    void SetRowData(int Index, int32_t Value) { Row(Index).RowData = Value; }
    uint32_t AttributeA(int Index) const { return Row(Index).AttributeA; }
    void SetAttributeA(int Index, uint32_t Value) { Row(Index).AttributeA = Value; }
    uint32_t AttributeB(int Index) const { return Row(Index).AttributeB; }
    void SetAttributeB(int Index, uint32_t Value) { Row(Index).AttributeB = Value; }

protected:
    // Fire OnChange / OnChanging with this list as Sender, unless inside
    // an update.
    virtual void Changed();
    virtual void Changing();
    // Begin: OnChanging, then the update starts. End: the update ends, then
    // OnChange. An end without a begin is ignored.
    void SetUpdateState(bool Updating) override;

    TRowItem& Row(int Index)
    {
        CheckIndex(Index);
        return Rows_[Index];
    }
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

    TRowBuffer Rows_;
    int UpdateCount_ = 0;
};
