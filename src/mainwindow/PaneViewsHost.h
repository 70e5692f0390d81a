// What the split and browse views need of the main window beside the
// widgets they are built around. The main window implements it; tests can
// use a fake.
#pragma once

class TEditorEx;

class IPaneViewsHost {
public:
    virtual ~IPaneViewsHost() = default;

    // The editor commands act on: a view's pane while it has the focus.
    // Closing a view makes the page editor the active one again.
    virtual TEditorEx* ActiveEditor() const = 0;
    virtual void SetActiveEditor(TEditorEx* Editor) = 0;
    // The page tree stands above the editor (TreeDisp): neither view opens
    // then.
    virtual bool TreeAboveEditor() const = 0;
    virtual void UpdateToolButtons() = 0;
};
