// Clipping mode: text other programs copy to the clipboard is collected
// into pages, optionally cleaned by the web-text chain. Whether the mode is
// on is this class's state; OpClip's check mark is drawn from it. The
// web-text options are the check marks of their menu items, which the
// settings file keeps.
#pragma once

#include "ClipText.h"

#include <functional>
#include <string>

class IClippingHost;
class TDockButton;
class TEditorEx;
class TOutlineBinding;
class TTreeView;
class TVelkMenus;

// The window's parts clipping mode works on; they outlive it.
struct TClippingParts {
    TVelkMenus& Menus;
    TEditorEx& DataMemo;
    TTreeView& DataTree;
    TOutlineBinding& Binding;
    // sbGoEditor: no external edit while clipping.
    TDockButton& GoEditorButton;
};

class TClippingMode {
public:
    // Binds OpClip and the web-text options.
    TClippingMode(IClippingHost& Host, TClippingParts Parts);

    void OpClipClick();
    bool On() const { return On_; }
    // The web-text chain with the options checked.
    std::string ConvertClipText(const std::string& Text) const;
    // The clipboard now holds text another program may have copied: while
    // clipping mode is on it goes into a page.
    void CaptureClipboard();
    // Whether a window of the program is in front (tests stand in for it):
    // clipping never captures then.
    void SetProgramInFront(std::function<bool()> Query) { ProgramInFront_ = std::move(Query); }

private:
    void BindCommands();
    TWebTextOptions WebTextOptions() const;

    IClippingHost& Host_;
    TClippingParts Parts_;
    bool On_ = false;
    std::function<bool()> ProgramInFront_;
};
