// What the page editor's look needs of the main window beside the parts it
// is applied to. The main window implements it; tests can use a fake.
#pragma once

class TEditorEx;

class IEditorLookHost {
public:
    virtual ~IEditorLookHost() = default;

    // The split or browse view's pane; null while neither is open.
    virtual TEditorEx* SecondEditor() const = 0;
    // The edit mode: Delphi's (1) colours its block comments too.
    virtual int EditMode() const = 0;
};
