#include "MenuStates.h"

namespace {

// Each of Names takes Enabled.
void Set(TEnablings& List, std::initializer_list<std::string_view> Names, bool Enabled)
{
    for (std::string_view name : Names)
        List.push_back({name, Enabled});
}

// No command that would end or replace what an external edit holds runs
// while one is running (a clipping document is not handed out).
bool NoExternalEdit(const TMenuSnapshot& S) { return !S.ExtEditor || S.Buttons("sbGoEditor") || S.ClipMode; }

} // namespace

TEnablings FileMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    const bool open = S.Buttons("sbOpen");
    Set(list, {"FlOpen"}, open);
    Set(list, {"FlNew"}, S.Buttons("sbPageNew"));
    Set(list, {"FlTreeTextOpen"}, S.Buttons("sbLoadTreeText"));
    if (S.NodeSelected) {
        Set(list, {"FlTextSellect"}, S.Buttons("sbTextOutput"));
        Set(list, {"FlHtmlSave"}, S.SelChildCount >= 1 && S.SelChildCount <= 99 && S.EditMode != HtmlEditMode);
    } else {
        Set(list, {"FlTextSellect", "FlHtmlSave", "sbTextOutput"}, false);
    }
    Set(list, {"FlHistory"}, !S.HistoryEmpty && open);
    Set(list, {"FlHistoryTr"}, !S.TreeHistoryEmpty && open);
    Set(list, {"FlSave"}, S.Modified);
    Set(list, {"FlExit"}, NoExternalEdit(S));
    return list;
}

TEnablings TreeMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    const auto& on = S.Buttons;
    const bool free = !S.SearchListOpen && S.NodeSelected;
    const bool hasChild = S.SelChildCount > 0;
    const bool sortable = S.SubIconFinderClosed && NoExternalEdit(S) && !S.BrowsePaneActive && !S.SearchListOpen;
    Set(list, {"TreeIns", "pTreeIns"}, on("sbIns"));
    Set(list, {"TreeAdd", "pTreeAdd"}, on("sbAdd"));
    Set(list, {"TreeAddChild", "pTreeAddChild"}, on("sbAddChild"));
    Set(list, {"TreeNodeCopy", "pTreeNodeCopy"}, free);
    Set(list, {"TreeNodePaste", "pTreeNodePaste"}, S.ClipboardHasPages && !S.SearchListOpen);
    Set(list, {"TreeScaleUp", "TreeScaleDown"}, S.TreePanelVisible);
    Set(list, {"pTreeNodeExpand", "pTreeNodeCollapse", "pTreeToFreind"}, hasChild);
    Set(list, {"pTreeToChild"}, S.SelHasNextSibling);
    Set(list, {"TreeNodeUp", "pTreeNodeUp"}, on("sbPageUp"));
    Set(list, {"TreeNodeDown", "pTreeNodeDown"}, on("sbPageDown"));
    Set(list, {"TreeMoveUp"}, on("sbMoveUp"));
    Set(list, {"TreeMoveDown"}, on("sbMoveDown"));
    Set(list, {"TreeUnify", "pTreeNodeUnify"}, on("sbPageUnify"));
    Set(list, {"TreeDel", "pTreeDel", "TreeNodeCut", "pTreeNodeCut"}, on("sbPageDel"));
    Set(list, {"TreePageUndo"}, on("sbPageUndo"));
    Set(list, {"TreePageRedo"}, on("sbPageRedo"));
    Set(list, {"TreeSort"}, S.NodeCount > 1 && sortable);
    Set(list, {"TreeChildSort"}, hasChild && sortable);
    Set(list, {"TreeDisp"}, on("sbToEditor"));
    return list;
}

TEnablings EditMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    const auto& on = S.Buttons;
    const bool editable = !S.BrowsePaneActive;
    const bool selected = S.SelLength > 0;
    Set(list, {"EdPaste", "pEdPaste"}, on("sbPaste"));
    Set(list, {"EdDate", "EdTime", "EdDateTime"}, editable);
    Set(list, {"EdCut", "EdDel", "EdSort", "EdImeReconv", "pEdCut", "pEdDel", "pEdImeReconv"}, editable && on("sbCut"));
    Set(list, {"EdCopy", "EdAddCopy", "pEdCopy", "pEdAddCopy"}, editable ? on("sbCut") : selected);
    Set(list, {"EdUndo"}, on("sbUndo"));
    Set(list, {"EdRedo"}, on("sbRedo"));
    Set(list, {"pEdUndo"}, S.CanUndo);
    Set(list, {"pEdRedo"}, S.CanRedo);
    Set(list, {"EdPageDevide", "pEdPageDevide"}, editable && on("sbPageDevide"));
    Set(list, {"EdAllView"}, editable && S.NodeHasPage && S.ExtEditor && S.HasFileName);
    Set(list, {"pEdLineCopy"}, S.CaretLineHasText);
    Set(list, {"pEdLineCut"}, editable && S.CaretLineHasText);
    Set(list,
        {"pEdCalc", "pEdStrCv", "pEdStrDel", "pEdStrSeikei", "pEdStrSeikeiKakomu", "pEdStrRtn", "pEdKeisen",
         "pEdComment", "sbSeikei"},
        editable && selected && S.LineSelection);
    const bool notHtml = S.EditMode != HtmlEditMode;
    Set(list, {"pEdFileLink"}, editable && notHtml);
    Set(list, {"pEdPageLink"}, editable && notHtml && !S.PageLinkChooserOpen && !S.TextEmpty);
    Set(list, {"pEdGoHide"}, editable && on("sbGoEditor"));
    return list;
}

TEnablings FindMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    const auto& on = S.Buttons;
    Set(list, {"FdExtractLine"}, S.SelLength > 0);
    Set(list, {"FdGoSubIcon"}, on("sbSubIcon"));
    Set(list, {"FdGoFind", "FdReplace", "FdFastReplace"}, on("sbFind"));
    Set(list, {"FdForwardFind"}, on("sbFoward"));
    Set(list, {"FdBackFind"}, on("sbBack"));
    Set(list, {"FdFindList"}, on("sbFindList"));
    Set(list, {"FdFindListClose"}, S.FindListCloseVisible);
    return list;
}

TEnablings OptionMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    Set(list, {"OpSplit", "OpSplitRead"}, !S.TreeDispChecked);
    // No clipping may start while an external edit runs; a running
    // clipping mode can always be ended.
    if (S.ExtEditor && !S.ClipMode)
        Set(list, {"OpClip"}, S.Buttons("sbGoEditor"));
    Set(list, {"OpCheckKakko"}, S.SelLength > 0);
    Set(list, {"OpLoadColor", "OpSaveColor", "OpLoadSubIcon"}, S.SubIconFinderClosed && !S.BrowseView);
    return list;
}

TEnablings HelpMenuStates(const TMenuSnapshot& S)
{
    return {{"HpOtherHelp", S.OtherHelpSet}, {"HpSample", S.SampleAvailable}};
}
