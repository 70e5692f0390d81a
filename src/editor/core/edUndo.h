// The undo and redo history of one screen-row list. Every change of text
// passes through the list's ReplaceRows, which leaves one record holding
// the text it replaced; editors that share the list share the history.
// There is no grouping: one ReplaceRows is one step.
#pragma once

#include "edEditorStringList.h"

#include <deque>
#include <string>

class TEditorScreenStrings;

// One step. Undoing it puts Text back in place of the RowCount rows from
// Row on; the record then becomes the step that redoes the change.
struct TUndoData {
    // The caret of the list's focused editor before the change.
    int CaretRow = 0;
    int CaretCol = 0;
    // The first row of the affected range.
    int Row = -1;
    // The rows the change left from Row on (0 when it only deleted lines).
    int RowCount = 0;
    // The attribute of the last row of the replaced text; raNoText when
    // the change only inserted rows.
    TRowAttribute Attribute = raNoText;
    // The replaced text, rows joined with CR LF after each raCrlf row.
    std::string Text;
};

// Oldest first.
using TUndoDataList = std::deque<TUndoData>;

class TEditorUndoObj : public TObject {
public:
    static constexpr int MinUndoListMax = 64;

    explicit TEditorUndoObj(TEditorScreenStrings& Owner) : Owner_(Owner) {}

    int UndoListMax() const { return UndoListMax_; }
    // Never below 64. A lowered limit is reached one record per new step.
    void SetUndoListMax(int Value);

    // A new record with the focused editor's caret, appended to the undo
    // list for the caller to fill. It drops the oldest record when the list
    // is then over the limit, and empties the redo list (unless a redo is
    // writing its counter-record).
    virtual TUndoData& NewRecord();
    virtual bool CanRedo() const { return !RedoList_.empty(); }
    virtual bool CanUndo() const { return !UndoList_.empty(); }
    virtual void Redo();
    virtual void Undo();
    // Appends a copy of Rec to the redo list, with the focused editor's
    // current caret.
    virtual void AddRedoRecord(const TUndoData& Rec);
    virtual void Clear();

    const TUndoDataList& UndoList() const { return UndoList_; }
    const TUndoDataList& RedoList() const { return RedoList_; }

private:
    // What a replay found in place of the record's rows.
    struct TReplaced {
        std::string Text;
        TRowAttribute Attribute = raNoText;
        int NewRowCount = 0;
    };
    // True when Rec's rows lie inside the list.
    bool Fits(const TUndoData& Rec) const;
    // Puts Rec's text in place of its rows (the caller holds the list in
    // an update) and reports what was there.
    TReplaced Replay(const TUndoData& Rec);
    // The record in which a redo writes its counter-step: a NewRecord that
    // leaves the redo list as it is.
    TUndoData& NewCounterRecord();

    TEditorScreenStrings& Owner_;
    int UndoListMax_ = MinUndoListMax;
    bool Replaying_ = false;
    TUndoDataList RedoList_;
    TUndoDataList UndoList_;
};
