// The Tree menu's commands that reshape the outline (TTreeCommands) and move
// pages through the clipboard (TNodeClipboard): this class owns both and
// binds them to their menu items, popup twins and toolbar buttons.
#pragma once

#include <memory>

class IOutlineCommandsHost;
class IOutlineHost;
class TDockButton;
class TNodeClipboard;
class TOutlineBinding;
class TTreeCommands;
class TTreeView;
class TVelkMenus;

// The window's parts the commands work on; they outlive the commands.
struct TOutlineCommandsParts {
    // The window as the page binding sees it.
    IOutlineHost& Outline;
    TOutlineBinding& Binding;
    TTreeView& DataTree;
    TVelkMenus& Menus;
    // sbTextOutput, which follows the page set.
    TDockButton& TextOutputButton;
};

class TOutlineCommands {
public:
    // Binds the commands' menu items and buttons.
    TOutlineCommands(IOutlineCommandsHost& Host, TOutlineCommandsParts Parts);
    ~TOutlineCommands();
    TOutlineCommands(const TOutlineCommands&) = delete;
    TOutlineCommands& operator=(const TOutlineCommands&) = delete;

    // sbTextOutput as the page set and the active pane give it.
    void UpdateTextOutputButton();

private:
    void BindCommands(IOutlineCommandsHost& Host);

    TOutlineCommandsParts Parts_;
    std::unique_ptr<TTreeCommands> TreeCommands_;
    std::unique_ptr<TNodeClipboard> NodeClipboard_;
};
