// What the edit modes need of the main window beside the parts they colour.
// The main window implements it; tests can use a fake.
#pragma once

class TEditorEx;

class IEditModeHost {
public:
    virtual ~IEditModeHost() = default;

    // The pane whose text colour the HTML mode sets; switching marks it
    // modified, since the document keeps its mode.
    virtual TEditorEx* ActiveEditor() const = 0;
    // The page editor's brackets and link marks as the settings give them,
    // under every mode but HTML.
    virtual void SetupFountain() = 0;
};
