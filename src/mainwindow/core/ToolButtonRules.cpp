#include "ToolButtonRules.h"

#include <algorithm>

std::optional<bool> EnablingOf(const TEnablings& List, TCommandId Id)
{
    const auto it = std::find_if(List.begin(), List.end(), [&](const TEnabling& E) { return E.Id == Id; });
    if (it == List.end())
        return std::nullopt;
    return it->Enabled;
}

TEnablings ToolButtonStates(const TToolSnapshot& S)
{
    const bool several = S.NodeCount > 1;
    const bool free = !S.SearchListOpen;
    const bool subIcon = several && S.SubIconFinderClosed && S.HasFileName;
    const bool hasPage = S.NodeCount < 2 ? !S.TextEmpty : S.NodeSelected;
    // Deleting or joining pages must not pull a page from under the browse
    // pane, an external edit or the sub-icon finder.
    const bool gate = !S.BrowseView && (!S.ExtEditor || S.GoEditorEnabled || S.ClipMode) && (!S.HasFileName || subIcon);
    const bool unify = !S.TextEmpty && !S.TextIsCrLf && S.NodeSelected && !S.SelHasChildren && S.SelHasNextSibling
                       && !S.NextSiblingHasChildren && gate;

    TEnablings result{
        {Cmd::sbSubIcon, subIcon && free},
        {Cmd::sbMoveDown, several && S.SelHasNextSibling},
        {Cmd::sbMoveUp, several && S.SelHasPrevSibling},
        {Cmd::sbPageUp, several && S.SelHasParent},
        {Cmd::sbPageDown, several && S.SelHasPrevSibling},
        {Cmd::sbPageDel, hasPage && gate && free},
        {Cmd::sbPageUnify, unify && free},
    };
    if (S.SearchListOpen) {
        // The found-pages list holds nodes of this tree: nothing may replace
        // the document or add pages, and no new search may start, while it is open.
        for (const TCommandId id :
             {Cmd::sbPageNew, Cmd::sbOpen, Cmd::sbLoadTreeText, Cmd::sbIns, Cmd::sbAdd, Cmd::sbAddChild,
              Cmd::sbPageDevide, Cmd::sbFind, Cmd::sbFindList, Cmd::pTreeLoadTexToMakePage, Cmd::FdGoFind,
              Cmd::FdReplace, Cmd::FdFastReplace, Cmd::FileTop, Cmd::OptionTop})
            result.push_back({id, false});
    }
    return result;
}

bool TextOutputEnabled(int NodeCount, bool TextEmpty) { return NodeCount >= 2 || (NodeCount == 1 && !TextEmpty); }

TEnablings SelectionButtonStates(const TSelectionSnapshot& S)
{
    const bool selected = S.SelLength > 0;
    const bool readOnlyPane = S.BrowseView && !S.ActiveIsDataMemo;
    const bool lineSelected = !readOnlyPane && selected && S.LineSelection;
    // clang-format off
    TEnablings result{
        {Cmd::sbCopy, selected},
        {Cmd::sbCut, !readOnlyPane && selected},
        {Cmd::sbReturn, lineSelected},
        {Cmd::sbSeikei, lineSelected},
        {Cmd::sbHenkan, lineSelected},
        {Cmd::sbDelete, lineSelected},
    };
    // clang-format on
    if (S.OnEnter) {
        for (const TCommandId id : {Cmd::sbLeftStr, Cmd::sbCenterStr, Cmd::sbRigthStr})
            result.push_back({id, !readOnlyPane});
    }
    return result;
}

bool PageDevideEnabled(bool SearchListOpen, bool BrowseView, bool ActiveIsDataMemo, int CaretPos)
{
    return !SearchListOpen && (!BrowseView || ActiveIsDataMemo) && CaretPos > 0;
}
