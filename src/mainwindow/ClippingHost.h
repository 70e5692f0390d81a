// What clipping mode needs of the main window beside the parts it works
// on. The main window implements it; tests can use a fake.
#pragma once

class TEditorEx;

class IClippingHost {
public:
    virtual ~IClippingHost() = default;

    // The pane a clip goes into unless it is read-only.
    virtual TEditorEx* ActiveEditor() const = 0;
    // This instance's page is out in the external editor: nothing goes
    // into a page meanwhile.
    virtual bool OwnExternalEditRunning() const = 0;
    // An external edit may start now: the rule the 外 button follows.
    virtual bool ExternalEditAllowed() const = 0;
    // The caption shows whether clipping mode is on.
    virtual void ShowCaption() = 0;
};
