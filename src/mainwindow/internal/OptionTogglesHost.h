// What the option menu's switches need of the main window beside the parts
// they work on. The main window implements it; tests can use a fake.
#pragma once

#include <string_view>

class TDockToolbar;
class TEditorEx;

class IOptionTogglesHost {
public:
    virtual ~IOptionTogglesHost() = default;

    // The pane the corner brackets are counted in.
    virtual TEditorEx* ActiveEditor() const = 0;
    // The split or browse view's pane; null while neither is open.
    virtual TEditorEx* SecondEditor() const = 0;
    // The number the next line numbering starts at.
    virtual int InsertNumber() const = 0;
    virtual void SetInsertNumber(int Value) = 0;
    // The toolbar of that name ("ToolbarFile").
    virtual TDockToolbar* Toolbar(std::string_view Name) const = 0;
};
