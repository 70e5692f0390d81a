// What the Options menu's dialogs need of the main window beside the parts
// they change. The main window implements it; tests can use a fake.
#pragma once

class ISettingsHost;
class TEditorEx;

class IOptionCommandsHost {
public:
    virtual ~IOptionCommandsHost() = default;

    // The pane that holds the page.
    virtual TEditorEx* ActiveEditor() const = 0;
    // The window as the settings file and the colour schemes read and
    // write it.
    virtual ISettingsHost& Settings() = 0;
    virtual void SetInsertNumber(int Value) = 0;
    virtual void ClearPageHistory() = 0;
    virtual void UpdateCaretPanel() = 0;
    virtual void ApplyScrollBars(TEditorEx& Editor) = 0;
    virtual void ApplyWindowWrap() = 0;
    virtual void UpdateToolButtons() = 0;
};
