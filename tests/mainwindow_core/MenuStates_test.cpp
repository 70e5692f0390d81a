#include "MenuStates.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// "+" or "-" for each named item, "?" when the table leaves it alone.
std::string Signs(const TEnablings& List, std::initializer_list<std::string_view> Names)
{
    std::string signs;
    for (std::string_view name : Names) {
        const std::optional<bool> enabled = EnablingOf(List, name);
        signs += !enabled ? '?' : *enabled ? '+' : '-';
    }
    return signs;
}

struct TCase {
    const char* Name;
    std::function<void(TMenuSnapshot&)> Change;
    const char* Expected;
};

void Check(const std::function<TEnablings(const TMenuSnapshot&)>& States, const TMenuSnapshot& Base,
           std::initializer_list<std::string_view> Names, std::initializer_list<TCase> Cases)
{
    for (const TCase& c : Cases) {
        TMenuSnapshot s = Base;
        c.Change(s);
        EXPECT_EQ(Signs(States(s), Names), c.Expected) << c.Name;
    }
}

const TButtonsOn AllButtons = {
    "sbOpen",       "sbPageNew",  "sbLoadTreeText", "sbTextOutput", "sbGoEditor", "sbIns",       "sbAdd",
    "sbAddChild",   "sbPageUp",   "sbPageDown",     "sbMoveUp",     "sbMoveDown", "sbPageUnify", "sbPageDel",
    "sbPageUndo",   "sbPageRedo", "sbToEditor",     "sbPaste",      "sbCut",      "sbUndo",      "sbRedo",
    "sbPageDevide", "sbSubIcon",  "sbFind",         "sbFoward",     "sbBack",     "sbFindList"};

TMenuSnapshot Busy()
{
    TMenuSnapshot s;
    s.Buttons = AllButtons;
    s.NodeSelected = s.NodeHasPage = s.HasFileName = true;
    s.NodeCount = 5;
    s.SelChildCount = 3;
    s.SelHasNextSibling = true;
    s.SelLength = 4;
    s.CanUndo = s.CanRedo = true;
    s.TextEmpty = false;
    s.CaretLineHasText = true;
    s.Modified = true;
    s.HistoryEmpty = s.TreeHistoryEmpty = false;
    s.ClipboardHasPages = true;
    return s;
}

} // namespace

TEST(MenuStates, FileMenu)
{
    Check(FileMenuStates, Busy(),
          {"FlOpen", "FlNew", "FlTreeTextOpen", "FlTextSellect", "FlHtmlSave", "sbTextOutput", "FlHistory",
           "FlHistoryTr", "FlSave", "FlExit"},
          // clang-format off
          {
              {"a page with three children", [](TMenuSnapshot&) {}, "+++++?++++"},
              {"no page selected", [](TMenuSnapshot& s) { s.NodeSelected = false; }, "+++---++++"},
              {"HTML mode", [](TMenuSnapshot& s) { s.EditMode = HtmlEditMode; }, "++++-?++++"},
              {"no children", [](TMenuSnapshot& s) { s.SelChildCount = 0; }, "++++-?++++"},
              {"99 children", [](TMenuSnapshot& s) { s.SelChildCount = 99; }, "+++++?++++"},
              {"100 children", [](TMenuSnapshot& s) { s.SelChildCount = 100; }, "++++-?++++"},
              {"opening refused", [](TMenuSnapshot& s) { s.Buttons = {"sbTextOutput"}; }, "---++?--++"},
              {"external edit running",
               [](TMenuSnapshot& s) { s.ExtEditor = true; s.Buttons = {"sbOpen"}; s.Modified = false; },
               "+---+?++--"},
          });
    // clang-format on
}

TEST(MenuStates, TreeMenuAndItsPopup)
{
    Check(TreeMenuStates, Busy(),
          {"TreeIns", "pTreeIns", "TreeNodeCopy", "pTreeNodeCopy", "TreeNodePaste", "pTreeNodePaste", "TreeScaleUp",
           "pTreeNodeExpand", "pTreeToChild", "pTreeNodeUp", "TreeMoveDown", "pTreeNodeUnify", "pTreeDel",
           "TreeNodeCut", "TreePageRedo", "TreeSort", "TreeChildSort", "TreeDisp"},
          // clang-format off
          {
              {"a page with children", [](TMenuSnapshot&) {}, "++++++++++++++++++"},
              {"found-pages list open", [](TMenuSnapshot& s) { s.SearchListOpen = true; }, "++----+++++++++--+"},
              {"no buttons, leaf page, no pages on the clipboard",
               [](TMenuSnapshot& s) {
                   s.Buttons = {};
                   s.SelChildCount = 0;
                   s.SelHasNextSibling = s.ClipboardHasPages = s.TreePanelVisible = false;
               },
               "--++-----------+--"},
              {"browse pane active", [](TMenuSnapshot& s) { s.BrowsePaneActive = true; }, "+++++++++++++++--+"},
              {"external edit running",
               [](TMenuSnapshot& s) { s.ExtEditor = true; s.Buttons = {"sbIns"}; }, "+++++++++---------"},
              {"clipping during an external edit",
               [](TMenuSnapshot& s) { s.ExtEditor = s.ClipMode = true; s.NodeCount = 1; }, "+++++++++++++++-++"},
              {"sub-icon finder open", [](TMenuSnapshot& s) { s.SubIconFinderClosed = false; }, "+++++++++++++++--+"},
          });
    // clang-format on
}

TEST(MenuStates, EditMenuAndItsPopup)
{
    TMenuSnapshot base = Busy();
    Check(EditMenuStates, base,
          {"EdPaste",    "pEdPaste", "EdDate",   "EdCut",    "pEdDel",       "EdSort",      "EdCopy",
           "pEdAddCopy", "EdUndo",   "pEdUndo",  "pEdRedo",  "EdPageDevide", "EdAllView",   "pEdLineCopy",
           "pEdLineCut", "pEdCalc",  "pEdStrCv", "sbSeikei", "pEdFileLink",  "pEdPageLink", "pEdGoHide"},
          // clang-format off
          {
              {"a selection, all buttons", [](TMenuSnapshot&) {}, "++++++++++++-++++++++"},
              {"external editor", [](TMenuSnapshot& s) { s.ExtEditor = true; }, "+++++++++++++++++++++"},
              {"browse pane active",
               [](TMenuSnapshot& s) { s.BrowsePaneActive = s.ExtEditor = true; s.Buttons = {"sbPaste", "sbUndo"}; },
               "++----+++++--+-------"},
              {"box selection, HTML",
               [](TMenuSnapshot& s) { s.LineSelection = false; s.EditMode = HtmlEditMode; }, "++++++++++++-++-----+"},
              {"nothing selected, empty text, chooser open",
               [](TMenuSnapshot& s) {
                   s.Buttons = {};
                   s.SelLength = 0;
                   s.TextEmpty = s.PageLinkChooserOpen = true;
                   s.CaretLineHasText = s.CanUndo = false;
               },
               "--+-------+-------+--"},
          });
    // clang-format on
}

TEST(MenuStates, FindOptionAndHelpMenus)
{
    Check(FindMenuStates, Busy(),
          {"FdExtractLine", "FdGoSubIcon", "FdGoFind", "FdReplace", "FdFastReplace", "FdForwardFind", "FdBackFind",
           "FdFindList", "FdFindListClose"},
          // clang-format off
          {
              {"all buttons", [](TMenuSnapshot&) {}, "++++++++-"},
              {"found-pages list shown", [](TMenuSnapshot& s) { s.FindListCloseVisible = true; }, "+++++++++"},
              {"no selection, no buttons",
               [](TMenuSnapshot& s) { s.SelLength = 0; s.Buttons = {"sbFoward"}; }, "-----+---"},
          });
    // clang-format on
    Check(
        OptionMenuStates, Busy(),
        {"OpSplit", "OpSplitRead", "OpClip", "OpCheckKakko", "OpLoadColor", "OpSaveColor", "OpLoadSubIcon"},
        {
            {"plain", [](TMenuSnapshot&) {}, "++?++++"},
            {"tree above the editor, nothing selected",
             [](TMenuSnapshot& s) {
                 s.TreeDispChecked = true;
                 s.SelLength = 0;
             },
             "--?-+++"},
            {"external edit running",
             [](TMenuSnapshot& s) {
                 s.ExtEditor = true;
                 s.Buttons = {};
             },
             "++-++++"},
            {"clipping with the external editor", [](TMenuSnapshot& s) { s.ExtEditor = s.ClipMode = true; }, "++?++++"},
            {"browse view", [](TMenuSnapshot& s) { s.BrowseView = true; }, "++?+---"},
            {"sub-icon finder open", [](TMenuSnapshot& s) { s.SubIconFinderClosed = false; }, "++?+---"},
        });
    Check(HelpMenuStates, Busy(), {"HpOtherHelp", "HpSample"},
          {
              {"nothing set", [](TMenuSnapshot&) {}, "--"},
              {"other help", [](TMenuSnapshot& s) { s.OtherHelpSet = true; }, "+-"},
              {"sample", [](TMenuSnapshot& s) { s.SampleAvailable = true; }, "-+"},
          });
}
