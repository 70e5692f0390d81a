#include "ToolButtonRules.h"

#include <algorithm>

std::optional<bool> EnablingOf(const TEnablings& List, std::string_view Name)
{
    const auto it = std::find_if(List.begin(), List.end(), [&](const TEnabling& E) { return E.Name == Name; });
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
        {"sbSubIcon", subIcon && free},
        {"sbMoveDown", several && S.SelHasNextSibling},
        {"sbMoveUp", several && S.SelHasPrevSibling},
        {"sbPageUp", several && S.SelHasParent},
        {"sbPageDown", several && S.SelHasPrevSibling},
        {"sbPageDel", hasPage && gate && free},
        {"sbPageUnify", unify && free},
    };
    if (S.SearchListOpen) {
        // The found-pages list holds nodes of this tree: nothing may replace
        // the document or add pages, and no new search may start, while it is open.
        for (std::string_view name :
             {"sbPageNew", "sbOpen", "sbLoadTreeText", "sbIns", "sbAdd", "sbAddChild", "sbPageDevide", "sbFind",
              "sbFindList", "pTreeLoadTexToMakePage", "FdGoFind", "FdReplace", "FdFastReplace", "FileTop", "OptionTop"})
            result.push_back({name, false});
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
        {"sbCopy", selected},
        {"sbCut", !readOnlyPane && selected},
        {"sbReturn", lineSelected},
        {"sbSeikei", lineSelected},
        {"sbHenkan", lineSelected},
        {"sbDelete", lineSelected},
    };
    // clang-format on
    if (S.OnEnter) {
        for (std::string_view name : {"sbLeftStr", "sbCenterStr", "sbRigthStr"})
            result.push_back({name, !readOnlyPane});
    }
    return result;
}

bool PageDevideEnabled(bool SearchListOpen, bool BrowseView, bool ActiveIsDataMemo, int CaretPos)
{
    return !SearchListOpen && (!BrowseView || ActiveIsDataMemo) && CaretPos > 0;
}
