// What the sub-icons and their finder need of the main window. The main
// window implements it; tests use a fake.
#pragma once

#include "CommandId.h"

#include <string>

class TDockButton;
class TEditorEx;
class TTreeNode;

class ISubIconHost {
public:
    virtual ~ISubIconHost() = default;

    // One of the window's toolbar buttons.
    virtual TDockButton* ToolButton(TCommandId Button) const = 0;
    // The pane that holds the page, the page editor and the second pane
    // (null while no view is open).
    virtual TEditorEx* ActiveEditor() const = 0;
    virtual TEditorEx* DataMemo() const = 0;
    virtual TEditorEx* SecondEditor() const = 0;
    // The read-only browse view is open.
    virtual bool BrowseViewOn() const = 0;
    // The window's caption (Shift-JIS), which the finder shows too.
    virtual std::string CaptionText() const = 0;

    // The document is modified: DataMemo's flag set, sbSave enabled.
    virtual void MarkModified() = 0;
    // Page's sub-icon changed: the list of found pages shows it.
    virtual void PageSubIconChanged(TTreeNode* Page) = 0;
    virtual void UpdateToolButtons() = 0;
    // An external edit may start: it is chosen in the options, clipping is
    // off and none runs.
    virtual bool ExternalEditAllowed() const = 0;
    // sbFindList and its item follow the list of found pages.
    virtual void FindListChanged() = 0;
};
