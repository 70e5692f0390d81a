// The editor's text as screen rows. A logical line (the text between two
// line breaks) takes one row with word wrap off and one or more with it on.
// Every change of text, typed, pasted, replaced, undone or loaded, passes
// through ReplaceRows: it re-wraps the touched logical lines, keeps the row
// marks, leaves one undo record, updates the colouring's row states and
// records the changed extent from which the editors repaint.
//
// Text invariants: the text is the rows' strings in order, each raCrlf row
// followed by CR LF; only the last row may be raEof, and the last row is
// never raWrapped; no row holds CR or LF. A text that ends with a line break
// has a raCrlf last row, and the caret may then stand on row Count().
//
// Several editors may show one list (TEditorClient). Each holds it through
// a std::shared_ptr, so the list goes when the last editor lets go; the
// list's own Editors are plain pointers, registered with AddEditor and
// unregistered with RemoveEditor before an editor lets go.
#pragma once

#include "edColumns.h"
#include "edEditorStringList.h"
#include "edUndo.h"
#include "edWrapOption.h"

#include "Construction.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TEditorClient;

// The rows a change replaced, read by the editors while the change
// notification runs.
struct TChangeExtent {
    int First = 0;         // first changed row
    int OldCount = 0;      // rows the replaced range had
    int NewCount = 0;      // rows it has now
    int ChangedStates = 0; // following rows whose colouring state changed
    bool Valid = false;    // false for an update that changed no text
};

class TEditorScreenStrings : public TEditorStringList {
public:
    // Files larger than this are refused: positions are 32-bit.
    static constexpr uint64_t MaxFileBytes = 0x40000000;

    // Make lists with Create<T>(): the undo history and the wrap options
    // come from the factories below once the object is whole.
    template <class T = TEditorScreenStrings>
    static std::shared_ptr<T> Create()
    {
        return Construction::Create<TEditorScreenStrings, T>();
    }
    ~TEditorScreenStrings() override;

    // ---- The editors that show the list -------------------------------
    void AddEditor(TEditorClient* Editor);
    void RemoveEditor(TEditorClient* Editor);
    int EditorCount() const { return static_cast<int>(Editors_.size()); }
    // Index 0 is the first editor registered.
    TEditorClient* Editors(int Index) const { return Editors_[static_cast<size_t>(Index)]; }
    // The first editor with the input focus, else editor 0; null when no
    // editor shows the list.
    TEditorClient* FocusedEditor() const;

    // The list's change event: every editor's DoChange.
    void NotifyEditorsChanged();
    void CleanEditorSelections();
    // Caret and top rows past the end go back to the last place a caret can
    // stand: the row count after a raCrlf last row, else the last row.
    void ClampEditorRows();
    void ResetEditorCols();
    void RefreshEditors();

    // ---- Wrapping ----------------------------------------------------------
    bool WordWrap() const { return WordWrap_; }
    // A change clears the undo history and wraps or unwraps the whole text.
    void SetWordWrap(bool Value);
    TEditorWrapOption* WrapOption() const { return WrapOption_.get(); }
    // Editor 0's tab size and delimiters with the list's wrap state.
    TColumnModel ColumnModel() const;
    // The rows of S (lines separated by line breaks) into Dest.
    virtual void WrapLine(std::string_view S, TEditorStringList& Dest);
    // The rows one logical line takes.
    virtual int WrapLineCount(std::string_view S);
    // Re-wraps or un-wraps the whole text in one update; the row marks go
    // with their lines.
    void WrapAll();
    void UnwrapAll();

    // ---- Rows and logical lines -------------------------------------------
    // The first and last row of the logical line holding Row; a row outside
    // the list is returned as it is.
    int LineFirstRow(int Row) const;
    int LineLastRow(int Row) const;
    // Appends CR LF to Text when Row exists and is raCrlf.
    void AppendLineBreak(int Row, std::string& Text) const;
    // The text of Count rows from First (-1: to the end of First's logical
    // line), CR LF after each raCrlf row. Returns the attribute of the last
    // row taken and sets Taken to the rows taken; outside the list: empty
    // text, 0 rows, raNoText.
    TRowAttribute GetRowsText(int First, int Count, std::string& Text, int& Taken) const;
    // Deletes Count rows from First in one update; returns their marks.
    uint16_t DeleteRows(int First, int Count);
    // Deletes them as an edit does: their marks join the row now at First
    // (the last row when First is past it), or leave RowMarksInUse when no
    // row is left.
    void DeleteRowsKeepingMarks(int First, int Count);
    // Puts Source's rows (emptied) in place of OldCount rows from First.
    // The old rows' marks go to the new rows matched from the range's end;
    // with MarkFollowsBreak the first old row's marks go down with an
    // inserted line break (Enter at the start of a marked line).
    void ReplaceRowRange(int First, int OldCount, TEditorStringList& Source, bool MarkFollowsBreak);
    // The editing primitive: rows Index .. Index + Count - 1, with their
    // line breaks, are replaced by the text S. Nothing happens for a range
    // outside the list, or when Count is 0 and S is empty.
    void ReplaceRows(int Index, int Count, std::string_view S);

    // The whole text by the text invariant.
    std::string GetTextStr() const override;
    // The same into Text, whose storage is reused.
    void GetTextInto(std::string& Text) const;
    // Replaces the text in one update: every line a row, the last row raEof
    // unless S ends with a line break, wrapped when word wrap is on. An
    // empty S leaves no row.
    void SetTextStr(std::string_view S) override;
    // Reads the whole file before anything changes: a file that cannot be
    // read raises EFOpenError and leaves the text, marks and history as they
    // were. A Ctrl+Z byte ends the text; a NUL byte becomes a blank.
    void LoadFromFile(const std::string& FileName) override;
    // Empties the list: selections dropped, history cleared, every caret to
    // row 0, column 0.
    void Clear() override;

    // ---- Character positions -----------------------------------------------
    // A raCrlf row counts its length + 2, any other row its length.
    int GetTextLen() const;
    // The position of Row's first byte (Row may be Count()).
    int RowStartPos(int Row) const;
    // The row that holds position Pos: Count() past a text that ends with a
    // line break, the last row past one that does not.
    int RowHoldingPos(int Pos) const;
    // The row and byte index of position Pos: rows are passed while Pos is
    // past them (a raEof row holds one more place, after its last byte); a
    // position past a text that ends with a line break is row Count(),
    // index 0.
    void PosToRowIndex(int Pos, int& Row, int& Index) const;
    // The caret place Length positions after the start of Row: rows are
    // passed while the rest is not below their places (a raEof row holds
    // one more, and is never passed); the column is the display width of
    // the rest's bytes on the final row, at most the row's width. Past the
    // last row: row Count(), column 0.
    void RowColAfterText(int Row, int Length, int& CaretRow, int& CaretCol) const;

    // ---- Row marks -----------------------------------------------------------
    virtual uint16_t GetRowMarksInUse() const { return RowMarksInUse_; }
    virtual void IncludeRowMarks(uint16_t Marks) { RowMarksInUse_ |= Marks; }
    virtual void ExcludeRowMarks(uint16_t Marks) { RowMarksInUse_ &= static_cast<uint16_t>(~Marks); }
    // Marks of rows that left the text: the unique marks 0-9 leave
    // RowMarksInUse at once, the image marks 10-15 (which many rows may
    // carry) only when no row carries them any more.
    void ReleaseRowMarks(uint16_t Marks);

    // ---- Undo and the row-state cache --------------------------------------
    TEditorUndoObj* UndoObj() const { return UndoObj_.get(); }
    virtual void Undo() { UndoObj_->Undo(); }
    virtual void Redo() { UndoObj_->Redo(); }

    // Recomputes the colouring parser's state from row Start on, resuming at
    // the nearest computed row before it, stopping at the first row whose
    // stored state is unchanged and looking no further than two screens;
    // rows past that are marked not computed. Returns the number of rows
    // whose state changed when Notify is set (each sharing editor repaints
    // them), else 0.
    int UpdateRowStates(int Start, bool Notify);
    // Marks every row not computed and computes the first two screens (or
    // every row with InitBracketsFull).
    void RescanRowStates();
    // Computes the states of rows not computed yet, from the first such row
    // on, for about Budget: the editors call it while idle, so that a jump
    // far down finds the states ready. Returns false once every row's state
    // is computed (or there is no colouring to compute).
    bool ComputeRowStatesAhead(std::chrono::microseconds Budget);

    const TChangeExtent& ChangeExtent() const { return Extent_; }
    // Records a change of rows First .. First + OldCount - 1, now NewCount
    // rows. Several changes inside one update merge into one extent that
    // reaches the end of the text.
    void SetChangeExtent(int First, int OldCount, int ChangedStates, int NewCount);

protected:
    TEditorScreenStrings() = default;
    virtual std::unique_ptr<TEditorUndoObj> CreateUndoObj();
    virtual std::unique_ptr<TEditorWrapOption> CreateWrapOption();

    // The outermost update's end fires the change event, then clears the
    // extent and clamps the editors' rows.
    void SetUpdateState(bool Updating) override;

private:
    friend struct Construction;
    void AfterConstruction();
    // The wrap option's change event.
    void WrapOptionChanged();
    void MarkRowsNotComputed(int From);
    // Clears the history and re-wraps or un-wraps, then refreshes.
    void Rewrap();
    // Replaces the rows by the lines of Text, in one update.
    void LoadText(std::string Text);
    // A logical line that word wrap leaves on one row, known without
    // wrapping it.
    static bool FitsOneRow(std::string_view Line, int WrapByte);
    // The row's colouring state and row data cleared as in a new row, its
    // marks kept, its attribute Attribute.
    void ResetRowState(int Row, TRowAttribute Attribute);
    // Deletes Count rows from First that hold whole logical lines, as one
    // undo step.
    void DeleteLines(int First, int Count);
    // Calls Visit(editor) for each editor, skipping one that an earlier
    // call removed from the list.
    template <class F>
    void ForEachEditor(F&& Visit);
    TEditorClient* Editor0() const { return Editors_.empty() ? nullptr : Editors_.front(); }
    bool Editor0Loading() const;

    std::vector<TEditorClient*> Editors_;
    TChangeExtent Extent_;
    int ExtentBaseCount_ = 0; // the row count before the update's first change
    uint16_t RowMarksInUse_ = 0;
    // Every row above it has its state computed (the idle work's start).
    int StatesAheadFrom_ = 0;
    // Rows were marked not computed since the last change was recorded.
    bool StatesLost_ = false;
    std::unique_ptr<TEditorUndoObj> UndoObj_;
    bool WordWrap_ = false;
    std::unique_ptr<TEditorWrapOption> WrapOption_;
};
