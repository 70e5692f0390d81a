#include "MenuStates.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// "+" or "-" for each named item, "?" when the table leaves it alone.
std::string Signs(const TEnablings& List, std::initializer_list<TCommandId> Ids)
{
    std::string signs;
    for (const TCommandId id : Ids) {
        const std::optional<bool> enabled = EnablingOf(List, id);
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
           std::initializer_list<TCommandId> Ids, std::initializer_list<TCase> Cases)
{
    for (const TCase& c : Cases) {
        TMenuSnapshot s = Base;
        c.Change(s);
        EXPECT_EQ(Signs(States(s), Ids), c.Expected) << c.Name;
    }
}

const TButtonsOn AllButtons = {
    Cmd::sbOpen,      Cmd::sbPageNew,  Cmd::sbLoadTreeText, Cmd::sbTextOutput, Cmd::sbGoEditor, Cmd::sbIns,
    Cmd::sbAdd,       Cmd::sbAddChild, Cmd::sbPageUp,       Cmd::sbPageDown,   Cmd::sbMoveUp,   Cmd::sbMoveDown,
    Cmd::sbPageUnify, Cmd::sbPageDel,  Cmd::sbPageUndo,     Cmd::sbPageRedo,   Cmd::sbToEditor, Cmd::sbPaste,
    Cmd::sbCut,       Cmd::sbUndo,     Cmd::sbRedo,         Cmd::sbPageDevide, Cmd::sbSubIcon,  Cmd::sbFind,
    Cmd::sbFoward,    Cmd::sbBack,     Cmd::sbFindList};

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
          {Cmd::FlOpen, Cmd::FlNew, Cmd::FlTreeTextOpen, Cmd::FlTextSellect, Cmd::FlHtmlSave, Cmd::sbTextOutput,
           Cmd::FlHistory, Cmd::FlHistoryTr, Cmd::FlSave, Cmd::FlExit},
          // clang-format off
          {
              {"a page with three children", [](TMenuSnapshot&) {}, "+++++?++++"},
              {"no page selected", [](TMenuSnapshot& s) { s.NodeSelected = false; }, "+++---++++"},
              {"HTML mode", [](TMenuSnapshot& s) { s.EditMode = HtmlEditMode; }, "++++-?++++"},
              {"no children", [](TMenuSnapshot& s) { s.SelChildCount = 0; }, "++++-?++++"},
              {"99 children", [](TMenuSnapshot& s) { s.SelChildCount = 99; }, "+++++?++++"},
              {"100 children", [](TMenuSnapshot& s) { s.SelChildCount = 100; }, "++++-?++++"},
              {"opening refused", [](TMenuSnapshot& s) { s.Buttons = {Cmd::sbTextOutput}; }, "---++?--++"},
              {"external edit running",
               [](TMenuSnapshot& s) { s.ExtEditor = true; s.Buttons = {Cmd::sbOpen}; s.Modified = false; },
               "+---+?++--"},
          });
    // clang-format on
}

TEST(MenuStates, TreeMenuAndItsPopup)
{
    Check(TreeMenuStates, Busy(),
          {Cmd::TreeIns, Cmd::pTreeIns, Cmd::TreeNodeCopy, Cmd::pTreeNodeCopy, Cmd::TreeNodePaste, Cmd::pTreeNodePaste,
           Cmd::TreeScaleUp, Cmd::pTreeNodeExpand, Cmd::pTreeToChild, Cmd::pTreeNodeUp, Cmd::TreeMoveDown,
           Cmd::pTreeNodeUnify, Cmd::pTreeDel, Cmd::TreeNodeCut, Cmd::TreePageRedo, Cmd::TreeSort, Cmd::TreeChildSort,
           Cmd::TreeDisp, Cmd::pTreeLoadTexToMakePage},
          // clang-format off
          {
              {"a page with children", [](TMenuSnapshot&) {}, "+++++++++++++++++++"},
              {"found-pages list open", [](TMenuSnapshot& s) { s.SearchListOpen = true; }, "++----+++++++++--+-"},
              {"no buttons, leaf page, no pages on the clipboard",
               [](TMenuSnapshot& s) {
                   s.Buttons = {};
                   s.SelChildCount = 0;
                   s.SelHasNextSibling = s.ClipboardHasPages = s.TreePanelVisible = false;
               },
               "--++-----------+--+"},
              {"browse pane active", [](TMenuSnapshot& s) { s.BrowsePaneActive = true; }, "+++++++++++++++--++"},
              {"external edit running",
               [](TMenuSnapshot& s) { s.ExtEditor = true; s.Buttons = {Cmd::sbIns}; }, "+++++++++---------+"},
              {"clipping during an external edit",
               [](TMenuSnapshot& s) { s.ExtEditor = s.ClipMode = true; s.NodeCount = 1; }, "+++++++++++++++-+++"},
              {"sub-icon finder open", [](TMenuSnapshot& s) { s.SubIconFinderClosed = false; }, "+++++++++++++++--+-"},
          });
    // clang-format on
}

TEST(MenuStates, EditMenuAndItsPopup)
{
    TMenuSnapshot base = Busy();
    Check(EditMenuStates, base,
          {Cmd::EdPaste,     Cmd::pEdPaste,    Cmd::EdDate,     Cmd::EdCut,   Cmd::pEdDel,   Cmd::EdSort,
           Cmd::EdCopy,      Cmd::pEdAddCopy,  Cmd::EdUndo,     Cmd::pEdUndo, Cmd::pEdRedo,  Cmd::EdPageDevide,
           Cmd::EdAllView,   Cmd::pEdLineCopy, Cmd::pEdLineCut, Cmd::pEdCalc, Cmd::pEdStrCv, Cmd::sbSeikei,
           Cmd::pEdFileLink, Cmd::pEdPageLink, Cmd::pEdGoHide},
          // clang-format off
          {
              {"a selection, all buttons", [](TMenuSnapshot&) {}, "++++++++++++-++++++++"},
              {"external editor", [](TMenuSnapshot& s) { s.ExtEditor = true; }, "+++++++++++++++++++++"},
              {"browse pane active",
               [](TMenuSnapshot& s) { s.BrowsePaneActive = s.ExtEditor = true; s.Buttons = {Cmd::sbPaste, Cmd::sbUndo}; },
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
          {Cmd::FdExtractLine, Cmd::FdGoSubIcon, Cmd::FdGoFind, Cmd::FdReplace, Cmd::FdFastReplace, Cmd::FdForwardFind,
           Cmd::FdBackFind, Cmd::FdFindList, Cmd::FdFindListClose},
          // clang-format off
          {
              {"all buttons", [](TMenuSnapshot&) {}, "++++++++-"},
              {"found-pages list shown", [](TMenuSnapshot& s) { s.FindListCloseVisible = true; }, "+++++++++"},
              {"no selection, no buttons",
               [](TMenuSnapshot& s) { s.SelLength = 0; s.Buttons = {Cmd::sbFoward}; }, "-----+---"},
          });
    // clang-format on
    Check(
        OptionMenuStates, Busy(),
        {Cmd::OpSplit, Cmd::OpSplitRead, Cmd::OpClip, Cmd::OpCheckKakko, Cmd::OpLoadColor, Cmd::OpSaveColor,
         Cmd::OpLoadSubIcon},
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
    Check(HelpMenuStates, Busy(), {Cmd::HpOtherHelp, Cmd::HpSample},
          {
              {"nothing set", [](TMenuSnapshot&) {}, "--"},
              {"other help", [](TMenuSnapshot& s) { s.OtherHelpSet = true; }, "+-"},
              {"sample", [](TMenuSnapshot& s) { s.SampleAvailable = true; }, "-+"},
          });
}
