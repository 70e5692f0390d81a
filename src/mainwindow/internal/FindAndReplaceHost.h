// What the find and replace commands and the result list need of the main
// window beside the parts they work on. The main window implements it;
// tests can use a fake.
#pragma once

#include "CommandId.h"
#include "ToolButtonRules.h"

class TDockButton;

class IFindAndReplaceHost {
public:
    virtual ~IFindAndReplaceHost() = default;

    // A toolbar button; never null: a button no toolbar has is a fault of
    // ours.
    virtual TDockButton* ToolButton(TCommandId Id) const = 0;
    // Enables buttons and menu items alike.
    virtual void SetEnabled(const TEnablings& List) = 0;
    // The page buttons' hints as the menus' shortcuts give them.
    virtual void UpdateButtonHints() = 0;
    // This instance's page is out in the external editor: the document and
    // its pages stay locked until its text is back.
    virtual bool OwnExternalEditRunning() const = 0;
    // TreePageFold, which the page buttons run with Shift held.
    virtual void TreePageFoldClick() = 0;
};
