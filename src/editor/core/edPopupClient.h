// What the editor's context menu asks of the editor it serves, and the
// commands it gives it. The editor implements it.
#pragma once

#include <cstdint>
#include <string>

// How a selection runs: as a stream of text, or as a box of columns.
enum class TEditorSelectionMode { smLine, smBox };

class TEditorPopupClient {
public:
    virtual int SelLength() const = 0;
    virtual bool ReadOnly() const = 0;
    virtual bool CanUndo() const = 0;
    virtual bool CanRedo() const = 0;
    // The length of the text in character positions.
    virtual int GetTextLen() const = 0;
    virtual TEditorSelectionMode SelectionMode() const = 0;
    virtual void SetSelectionMode(TEditorSelectionMode Value) = 0;
    // Bit n set: some row carries row mark n.
    virtual uint16_t RowMarksInUse() const = 0;
    // The caret row, and the marks of a row (none past the last row).
    virtual int Row() const = 0;
    virtual uint16_t RowMarks(int Row) const = 0;

    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void CutToClipboard() = 0;
    virtual void CopyToClipboard() = 0;
    virtual void PasteFromClipboard() = 0;
    // Inserts the lines of the clipboard's text as a box at the caret.
    virtual void PasteBoxFromClipboard() = 0;
    // Deletes the selected text.
    virtual void ClearSelection() = 0;
    virtual void SelectAll() = 0;
    // Row marks 0-9 are unique in the text: putting one takes it off the
    // row that had it.
    virtual void PutRowMark(int Row, int Mark) = 0;
    virtual void DeleteRowMark(int Row, int Mark) = 0;
    virtual void GotoRowMark(int Mark) = 0;

protected:
    ~TEditorPopupClient() = default;
};
