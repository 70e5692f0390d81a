#include "MenuStates.h"

namespace {

// Each of Ids takes Enabled.
void Set(TEnablings& List, std::initializer_list<TCommandId> Ids, bool Enabled)
{
    for (const TCommandId id : Ids)
        List.push_back({id, Enabled});
}

// No command that would end or replace what an external edit holds runs
// while one is running (a clipping document is not handed out).
bool NoExternalEdit(const TMenuSnapshot& S) { return !S.ExtEditor || S.Buttons(Cmd::sbGoEditor) || S.ClipMode; }

} // namespace

TEnablings FileMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    const bool open = S.Buttons(Cmd::sbOpen);
    Set(list, {Cmd::FlOpen}, open);
    Set(list, {Cmd::FlNew}, S.Buttons(Cmd::sbPageNew));
    Set(list, {Cmd::FlTreeTextOpen}, S.Buttons(Cmd::sbLoadTreeText));
    if (S.NodeSelected) {
        Set(list, {Cmd::FlTextSellect}, S.Buttons(Cmd::sbTextOutput));
        Set(list, {Cmd::FlHtmlSave}, S.SelChildCount >= 1 && S.SelChildCount <= 99 && S.EditMode != HtmlEditMode);
    } else {
        Set(list, {Cmd::FlTextSellect, Cmd::FlHtmlSave, Cmd::sbTextOutput}, false);
    }
    Set(list, {Cmd::FlHistory}, !S.HistoryEmpty && open);
    Set(list, {Cmd::FlHistoryTr}, !S.TreeHistoryEmpty && open);
    Set(list, {Cmd::FlSave}, S.Modified);
    Set(list, {Cmd::FlExit}, NoExternalEdit(S));
    return list;
}

TEnablings TreeMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    const auto& on = S.Buttons;
    const bool free = !S.SearchListOpen && S.NodeSelected;
    const bool hasChild = S.SelChildCount > 0;
    const bool sortable = S.SubIconFinderClosed && NoExternalEdit(S) && !S.BrowsePaneActive && !S.SearchListOpen;
    Set(list, {Cmd::TreeIns, Cmd::pTreeIns}, on(Cmd::sbIns));
    Set(list, {Cmd::TreeAdd, Cmd::pTreeAdd}, on(Cmd::sbAdd));
    Set(list, {Cmd::TreeAddChild, Cmd::pTreeAddChild}, on(Cmd::sbAddChild));
    Set(list, {Cmd::TreeNodeCopy, Cmd::pTreeNodeCopy}, free);
    Set(list, {Cmd::TreeNodePaste, Cmd::pTreeNodePaste}, S.ClipboardHasPages && !S.SearchListOpen);
    Set(list, {Cmd::TreeScaleUp, Cmd::TreeScaleDown}, S.TreePanelVisible);
    Set(list, {Cmd::pTreeNodeExpand, Cmd::pTreeNodeCollapse, Cmd::pTreeToFreind}, hasChild);
    Set(list, {Cmd::pTreeToChild}, S.SelHasNextSibling);
    Set(list, {Cmd::TreeNodeUp, Cmd::pTreeNodeUp}, on(Cmd::sbPageUp));
    Set(list, {Cmd::TreeNodeDown, Cmd::pTreeNodeDown}, on(Cmd::sbPageDown));
    Set(list, {Cmd::TreeMoveUp}, on(Cmd::sbMoveUp));
    Set(list, {Cmd::TreeMoveDown}, on(Cmd::sbMoveDown));
    Set(list, {Cmd::TreeUnify, Cmd::pTreeNodeUnify}, on(Cmd::sbPageUnify));
    Set(list, {Cmd::TreeDel, Cmd::pTreeDel, Cmd::TreeNodeCut, Cmd::pTreeNodeCut}, on(Cmd::sbPageDel));
    Set(list, {Cmd::TreePageUndo}, on(Cmd::sbPageUndo));
    Set(list, {Cmd::TreePageRedo}, on(Cmd::sbPageRedo));
    Set(list, {Cmd::TreeSort}, S.NodeCount > 1 && sortable);
    Set(list, {Cmd::TreeChildSort}, hasChild && sortable);
    Set(list, {Cmd::TreeDisp}, on(Cmd::sbToEditor));
    // Runs the file menu's text-to-pages command and is enabled as it is:
    // the sub-icon finder disables it, and the found-pages list disables
    // the whole file menu.
    Set(list, {Cmd::pTreeLoadTexToMakePage}, S.SubIconFinderClosed && !S.SearchListOpen);
    return list;
}

TEnablings EditMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    const auto& on = S.Buttons;
    const bool editable = !S.BrowsePaneActive;
    const bool selected = S.SelLength > 0;
    Set(list, {Cmd::EdPaste, Cmd::pEdPaste}, on(Cmd::sbPaste));
    Set(list, {Cmd::EdDate, Cmd::EdTime, Cmd::EdDateTime}, editable);
    Set(list, {Cmd::EdCut, Cmd::EdDel, Cmd::EdSort, Cmd::EdImeReconv, Cmd::pEdCut, Cmd::pEdDel, Cmd::pEdImeReconv},
        editable && on(Cmd::sbCut));
    Set(list, {Cmd::EdCopy, Cmd::EdAddCopy, Cmd::pEdCopy, Cmd::pEdAddCopy}, editable ? on(Cmd::sbCut) : selected);
    Set(list, {Cmd::EdUndo}, on(Cmd::sbUndo));
    Set(list, {Cmd::EdRedo}, on(Cmd::sbRedo));
    Set(list, {Cmd::pEdUndo}, S.CanUndo);
    Set(list, {Cmd::pEdRedo}, S.CanRedo);
    Set(list, {Cmd::EdPageDevide, Cmd::pEdPageDevide}, editable && on(Cmd::sbPageDevide));
    Set(list, {Cmd::EdAllView}, editable && S.NodeHasPage && S.ExtEditor && S.HasFileName);
    Set(list, {Cmd::pEdLineCopy}, S.CaretLineHasText);
    Set(list, {Cmd::pEdLineCut}, editable && S.CaretLineHasText);
    Set(list,
        {Cmd::pEdCalc, Cmd::pEdStrCv, Cmd::pEdStrDel, Cmd::pEdStrSeikei, Cmd::pEdStrSeikeiKakomu, Cmd::pEdStrRtn,
         Cmd::pEdKeisen, Cmd::pEdComment, Cmd::sbSeikei},
        editable && selected && S.LineSelection);
    const bool notHtml = S.EditMode != HtmlEditMode;
    Set(list, {Cmd::pEdFileLink}, editable && notHtml);
    Set(list, {Cmd::pEdPageLink}, editable && notHtml && !S.PageLinkChooserOpen && !S.TextEmpty);
    Set(list, {Cmd::pEdGoHide}, editable && on(Cmd::sbGoEditor));
    return list;
}

TEnablings FindMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    const auto& on = S.Buttons;
    Set(list, {Cmd::FdExtractLine}, S.SelLength > 0);
    Set(list, {Cmd::FdGoSubIcon}, on(Cmd::sbSubIcon));
    Set(list, {Cmd::FdGoFind, Cmd::FdReplace, Cmd::FdFastReplace}, on(Cmd::sbFind));
    Set(list, {Cmd::FdForwardFind}, on(Cmd::sbFoward));
    Set(list, {Cmd::FdBackFind}, on(Cmd::sbBack));
    Set(list, {Cmd::FdFindList}, on(Cmd::sbFindList));
    Set(list, {Cmd::FdFindListClose}, S.FindListCloseVisible);
    return list;
}

TEnablings OptionMenuStates(const TMenuSnapshot& S)
{
    TEnablings list;
    Set(list, {Cmd::OpSplit, Cmd::OpSplitRead}, !S.TreeDispChecked);
    // No clipping may start while an external edit runs; a running
    // clipping mode can always be ended.
    if (S.ExtEditor && !S.ClipMode)
        Set(list, {Cmd::OpClip}, S.Buttons(Cmd::sbGoEditor));
    Set(list, {Cmd::OpCheckKakko}, S.SelLength > 0);
    Set(list, {Cmd::OpLoadColor, Cmd::OpSaveColor, Cmd::OpLoadSubIcon}, S.SubIconFinderClosed && !S.BrowseView);
    return list;
}

TEnablings HelpMenuStates(const TMenuSnapshot& S)
{
    return {{Cmd::HpOtherHelp, S.OtherHelpSet}, {Cmd::HpSample, S.SampleAvailable}};
}
