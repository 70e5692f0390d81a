// What the edit commands and the editor keys need of the main window beside
// the parts they work on. The main window implements it; tests can use a
// fake.
#pragma once

#include "MainMenus.h"

#include <span>

class TEditorEx;

class IEditCommandsHost {
public:
    virtual ~IEditCommandsHost() = default;

    // The pane the commands act on. Undo and redo make the page editor the
    // active one again while the browse view is open.
    virtual TEditorEx* ActiveEditor() const = 0;
    virtual void SetActiveEditor(TEditorEx* Editor) = 0;
    // Copies keep a box selection a box (OpBoxSel).
    virtual bool BoxSelectionOn() const = 0;
    // sbUndo and sbRedo.
    virtual void SetEditUndoButtons(bool CanUndo, bool CanRedo) = 0;
    // The document is modified: the panes' flags set, sbSave enabled.
    virtual void MarkModified() = 0;
    // The program's copy changed the clipboard: sbPaste follows it.
    virtual void RefreshPasteButton() = 0;
    // Ctrl+TAB: the open sub-icon finder's tree takes the focus; false when
    // it is closed.
    virtual bool FocusSubIconFinder() = 0;
    // Gives the window's toolbar buttons their handlers.
    virtual void BindButtons(std::span<const TCommandBinding> Buttons) = 0;
};
