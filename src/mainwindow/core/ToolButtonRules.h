// The enabled states of the toolbar buttons and menu items that follow the
// page tree, the page text and the selection.
#pragma once

#include "MenuItemIds.h"
#include "ToolButtonIds.h"

#include <optional>
#include <vector>

// One Enabled assignment to a button or menu item.
struct TEnabling {
    TCommandId Id;
    bool Enabled;
    bool operator==(const TEnabling&) const = default;
};
// Assignments in the order they are made; an id appears at most once.
using TEnablings = std::vector<TEnabling>;

// The assignment a list makes to Id, if any.
std::optional<bool> EnablingOf(const TEnablings& List, TCommandId Id);

// What the tree and page buttons depend on.
struct TToolSnapshot {
    int NodeCount = 0; // items in the page tree
    bool NodeSelected = false;
    bool SelHasParent = false;
    bool SelHasPrevSibling = false;
    bool SelHasNextSibling = false;
    bool SelHasChildren = false;
    bool NextSiblingHasChildren = false;
    bool TextEmpty = true;   // the active editor's text
    bool TextIsCrLf = false; // the active editor's text is exactly CR LF
    bool SubIconFinderClosed = true;
    bool HasFileName = false;
    bool BrowseView = false;      // OpSplitRead checked
    bool ExtEditor = false;       // [Options] ExtEditor
    bool GoEditorEnabled = false; // sbGoEditor enabled (no external edit running)
    bool ClipMode = false;        // OpClip checked
    bool SearchListOpen = false;
};

// sbSubIcon, sbMoveDown, sbMoveUp, sbPageUp, sbPageDown, sbPageDel and
// sbPageUnify always; while the found-pages list is open also the other
// buttons and menu items that would change the page set or start a search,
// all disabled.
TEnablings ToolButtonStates(const TToolSnapshot& Snapshot);

// sbTextOutput: two pages or more, or one page with text.
bool TextOutputEnabled(int NodeCount, bool TextEmpty);

struct TSelectionSnapshot {
    bool BrowseView = false;      // OpSplitRead checked
    bool ActiveIsDataMemo = true; // the active editor is the page editor
    int SelLength = 0;
    bool LineSelection = true; // selection mode smLine
    bool OnEnter = false;      // the editor just got the focus
};

// sbCopy, sbCut, sbReturn, sbSeikei, sbHenkan, sbDelete, and on entering the
// editor also sbLeftStr, sbCenterStr, sbRigthStr. The read-only browse pane
// allows copying only.
TEnablings SelectionButtonStates(const TSelectionSnapshot& Snapshot);

// sbPageDevide (split the page at the caret). CaretPos is the caret of the
// editor the caller judges by.
bool PageDevideEnabled(bool SearchListOpen, bool BrowseView, bool ActiveIsDataMemo, int CaretPos);
