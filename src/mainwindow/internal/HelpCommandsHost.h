// What the help commands need of the main window beside the parts they are
// given. The main window implements it; tests can use a fake.
#pragma once

class TEditorEx;

class IHelpCommandsHost {
public:
    virtual ~IHelpCommandsHost() = default;

    // The pane whose word at the caret is the word to look up.
    virtual TEditorEx* ActiveEditor() const = 0;
};
