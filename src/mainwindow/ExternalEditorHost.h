// What the external editor's commands need of the main window beside the
// parts they work on. The main window implements it; tests can use a fake.
#pragma once

#include "CommandId.h"

#include <string>

class TEditorEx;

class IExternalEditorHost {
public:
    virtual ~IExternalEditorHost() = default;

    virtual TEditorEx* ActiveEditor() const = 0;
    // The split view's lower pane, locked with the page; null without one.
    virtual TEditorEx* SecondEditor() const = 0;
    // The edit mode (0 Text .. 5 HTML, other User): the transfer file's
    // extension.
    virtual int EditMode() const = 0;
    // The document's path without extension, with HasFileName false for a
    // document never saved; and its caption.
    virtual bool HasFileName() const = 0;
    virtual const std::string& DocFileName() const = 0;
    virtual const std::string& DocumentCaption() const = 0;
    virtual bool ClippingOn() const = 0;
    virtual void MarkModified() = 0;
    virtual void UpdateToolButtons() = 0;
    // Enables a toolbar button (Cmd::sbOpen).
    virtual void SetButtonEnabled(TCommandId Button, bool Enabled) = 0;
};
