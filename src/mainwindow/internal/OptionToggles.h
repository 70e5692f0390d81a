// The option menu's own switches: box selection, the corner-bracket count,
// the number the line numbering starts at, and which toolbars and editor
// popup groups show. Their state is their items' check marks; the settings
// file keeps those of the toolbars and popup groups. A toolbar's item follows
// the toolbar however it was shown or hidden.
#pragma once

class IOptionTogglesHost;
class TEditorEx;
class TStatusPanel;
class TVelkMenus;

// The window's parts the switches work on; they outlive them.
struct TOptionTogglesParts {
    TVelkMenus& Menus;
    TEditorEx& DataMemo;
    // The status bar's panel that tells of box selection.
    TStatusPanel& BoxSelectionPanel;
};

class TOptionToggles {
public:
    // Binds the switches' items.
    TOptionToggles(IOptionTogglesHost& Host, TOptionTogglesParts Parts);

    void OpBoxSelClick();
    void OpCheckKakkoClick();
    void OpInsNoInitClick();
    // Toolbars and the editor popup's groups show as their items say.
    void ApplyMenuVisibilities();

private:
    void BindCommands();
    void FollowToolbars();

    IOptionTogglesHost& Host_;
    TOptionTogglesParts Parts_;
};
