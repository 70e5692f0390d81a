// The enabled states of the main menu's items, computed afresh whenever a
// menu opens or a shortcut is about to run one of its items. Most items
// follow the toolbar button that runs the same command; the rest follow
// the page, the selection and the open windows.
#pragma once

#include "ToolButtonRules.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

// The toolbar buttons that are enabled, sorted by name.
class TButtonsOn {
public:
    TButtonsOn() = default;
    TButtonsOn(std::initializer_list<TCommandId> Ids) : Ids_(Ids) { std::sort(Ids_.begin(), Ids_.end()); }
    // Ids must come in ascending order of their names.
    void AddInOrder(TCommandId Id) { Ids_.push_back(Id); }
    bool operator()(TCommandId Id) const { return std::binary_search(Ids_.begin(), Ids_.end(), Id); }

private:
    std::vector<TCommandId> Ids_;
};

// What the menus' states depend on at the moment a menu opens.
struct TMenuSnapshot {
    TButtonsOn Buttons;
    // The read-only browse pane has the focus (browse view open, the
    // active editor not the page editor).
    bool BrowsePaneActive = false;
    bool BrowseView = false;   // OpSplitRead checked
    int SelLength = 0;         // the active editor's selection
    bool LineSelection = true; // the active editor selects lines, not a box
    bool CanUndo = false;      // the active editor
    bool CanRedo = false;
    bool TextEmpty = true;         // the active editor's text
    bool CaretLineHasText = false; // the caret's logical line exists and is not empty
    bool Modified = false;         // the active editor
    int EditMode = 0;
    bool PageLinkChooserOpen = false;
    bool NodeSelected = false;
    bool NodeHasPage = false; // the selected node carries its page record
    int SelChildCount = 0;    // children of the selected node
    bool SelHasNextSibling = false;
    int NodeCount = 0;
    bool HasFileName = false;
    bool ExtEditor = false; // [Options] ExtEditor
    bool ClipMode = false;  // OpClip checked
    bool TreeDispChecked = false;
    bool TreePanelVisible = true;
    bool SubIconFinderClosed = true;
    bool SearchListOpen = false;
    bool ClipboardHasPages = false; // the node clipboard format is on the clipboard
    bool FindListCloseVisible = false;
    bool HistoryEmpty = true;     // the recent documents
    bool TreeHistoryEmpty = true; // the recent hierarchical texts
    bool OtherHelpSet = false;    // [Options] OtherHelp is not empty
    bool SampleAvailable = false; // the sample document may be opened
};

// The value of EditMode that colours HTML.
inline constexpr int HtmlEditMode = 5;

// One function per menu of the menu bar. The editor's popup takes the edit
// menu's states, the tree's popup the tree menu's.
TEnablings FileMenuStates(const TMenuSnapshot& S);
TEnablings TreeMenuStates(const TMenuSnapshot& S);
TEnablings EditMenuStates(const TMenuSnapshot& S);
TEnablings FindMenuStates(const TMenuSnapshot& S);
TEnablings OptionMenuStates(const TMenuSnapshot& S);
TEnablings HelpMenuStates(const TMenuSnapshot& S);
