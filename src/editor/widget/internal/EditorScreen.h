// Repaints an editor after a change of its row list, from the change
// extent: only the rows the change touched, and the rows below them when
// the row count changed.
#pragma once

struct TChangeExtent;
class TEditor;

class TEditorScreen {
public:
    explicit TEditorScreen(TEditor& Editor) : Editor_(Editor) {}
    virtual ~TEditorScreen() = default;
    TEditorScreen(const TEditorScreen&) = delete;
    TEditorScreen& operator=(const TEditorScreen&) = delete;

    virtual void Update(const TChangeExtent& Extent);

private:
    TEditor& Editor_;
};
