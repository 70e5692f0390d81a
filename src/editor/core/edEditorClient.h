// What the screen-row list needs of each editor that shows it. The list
// lives below the editor control, so it calls back through this interface:
// the editor implements it, and the core's tests use a fake.
#pragma once

#include "edColumns.h"

#include <utility>

class TEditorScreenStrings;
class TFountain;

class TEditorClient {
public:
    virtual ~TEditorClient() = default;

    // The row list this editor shows (it changes when the editor shares
    // another editor's list).
    virtual TEditorScreenStrings& ScreenStrings() const = 0;

    // The list changed: repaint from its change extent, update the scroll
    // bars, and when the extent is valid mark the text modified and fire
    // OnChange.
    virtual void DoChange() = 0;
    // Drop the selection, when there is one.
    virtual void CleanSelection() = 0;
    // Move the caret row and the top row back to MaxRow where they lie
    // past it.
    virtual void ClampRows(int MaxRow) = 0;
    // Put the caret on column 0 of its row.
    virtual void ResetCol() = 0;
    // Recompute metrics and scroll bars, redraw the bars, invalidate.
    virtual void RefreshView() = 0;
    // Repaint one row when it is on screen.
    virtual void InvalidateRow(int Row) = 0;

    virtual bool Focused() const = 0;
    virtual int CaretRow() const = 0;
    virtual int CaretCol() const = 0;
    // Place the caret (the editor keeps it off trail bytes and tab fill).
    virtual void SetRowCol(int Row, int Col) = 0;
    // Nested: the caret hides at the first begin and shows at the last end.
    virtual void CaretBeginUpdate() = 0;
    virtual void CaretEndUpdate() = 0;
    virtual int TopRow() const = 0;

    // While the editor's stored properties are being read, and while it is
    // being destroyed, the list neither re-wraps nor recomputes row states.
    virtual bool Loading() const = 0;
    virtual bool Destroying() const = 0;

    // The column model of the list comes from its first editor.
    virtual int TabSpaceCount() const = 0;
    virtual const TDelimiters& Delimiters() const = 0;

    // The row-state cache looks two screens ahead: the display's height in
    // pixels over the editor's row height.
    virtual int RowHeight() const = 0;
    virtual int ScreenHeight() const = 0;
    // Compute every row's state when the whole text is rescanned.
    virtual bool InitBracketsFull() const = 0;
    // The colouring scheme whose parser computes row states; null for none.
    virtual TFountain* ActiveFountain() const = 0;

    // The logical-line view brackets its changes in these: hide caret and
    // underline and stop repainting at the begin; at the end show them
    // again, put the caret in view and repaint.
    virtual void BeginLinesUpdate() = 0;
    virtual void EndLinesUpdate() = 0;
};

// Holds an editor's caret (CaretBeginUpdate) for a scope. End places the
// caret and shows it again; leaving the scope by an exception shows it
// where it is. A null editor holds nothing.
class TCaretScope {
public:
    explicit TCaretScope(TEditorClient* Editor) : Editor_(Editor)
    {
        if (Editor_)
            Editor_->CaretBeginUpdate();
    }
    ~TCaretScope()
    {
        if (!Editor_)
            return;
        try {
            Editor_->CaretEndUpdate();
        } catch (...) {
        }
    }
    TCaretScope(const TCaretScope&) = delete;
    TCaretScope& operator=(const TCaretScope&) = delete;

    void End(int Row, int Col)
    {
        if (!Editor_)
            return;
        Editor_->SetRowCol(Row, Col);
        std::exchange(Editor_, nullptr)->CaretEndUpdate();
    }

private:
    TEditorClient* Editor_;
};
