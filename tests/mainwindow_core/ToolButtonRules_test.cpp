#include "ToolButtonRules.h"

#include <gtest/gtest.h>

namespace {

// Three pages, the middle one selected, with text, in a named document.
TToolSnapshot Middle()
{
    TToolSnapshot s;
    s.NodeCount = 3;
    s.NodeSelected = true;
    s.SelHasPrevSibling = true;
    s.SelHasNextSibling = true;
    s.TextEmpty = false;
    s.HasFileName = true;
    return s;
}

std::string States(const TEnablings& List)
{
    std::string text;
    for (const TEnabling& e : List)
        text += std::string(e.Name) + (e.Enabled ? "+ " : "- ");
    return text;
}

} // namespace

TEST(ToolButtonRules, TreeAndPageButtons)
{
    const auto with = [](auto Change) {
        TToolSnapshot s = Middle();
        Change(s);
        return States(ToolButtonStates(s));
    };
    const struct {
        const char* Name;
        std::string States;
        const char* Expected;
    } cases[] = {
        {"middle page", with([](TToolSnapshot&) {}),
         "sbSubIcon+ sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel+ sbPageUnify+ "},
        {"one page with text", with([](TToolSnapshot& s) { s = {}; s.NodeCount = 1; s.NodeSelected = true; s.TextEmpty = false; }),
         "sbSubIcon- sbMoveDown- sbMoveUp- sbPageUp- sbPageDown- sbPageDel+ sbPageUnify- "},
        {"one empty page", with([](TToolSnapshot& s) { s = {}; s.NodeCount = 1; s.NodeSelected = true; }),
         "sbSubIcon- sbMoveDown- sbMoveUp- sbPageUp- sbPageDown- sbPageDel- sbPageUnify- "},
        {"external editor running", with([](TToolSnapshot& s) { s.ExtEditor = true; }),
         "sbSubIcon+ sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel- sbPageUnify- "},
        {"external editor idle", with([](TToolSnapshot& s) { s.ExtEditor = true; s.GoEditorEnabled = true; }),
         "sbSubIcon+ sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel+ sbPageUnify+ "},
        {"external editor in clipping mode", with([](TToolSnapshot& s) { s.ExtEditor = true; s.ClipMode = true; }),
         "sbSubIcon+ sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel+ sbPageUnify+ "},
        {"browse view", with([](TToolSnapshot& s) { s.BrowseView = true; }),
         "sbSubIcon+ sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel- sbPageUnify- "},
        {"sub-icon finder open", with([](TToolSnapshot& s) { s.SubIconFinderClosed = false; }),
         "sbSubIcon- sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel- sbPageUnify- "},
        {"unnamed document", with([](TToolSnapshot& s) { s.HasFileName = false; }),
         "sbSubIcon- sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel+ sbPageUnify+ "},
        {"child page", with([](TToolSnapshot& s) { s.SelHasParent = true; }),
         "sbSubIcon+ sbMoveDown+ sbMoveUp+ sbPageUp+ sbPageDown+ sbPageDel+ sbPageUnify+ "},
        {"text is CR LF", with([](TToolSnapshot& s) { s.TextIsCrLf = true; }),
         "sbSubIcon+ sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel+ sbPageUnify- "},
        {"page with children", with([](TToolSnapshot& s) { s.SelHasChildren = true; }),
         "sbSubIcon+ sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel+ sbPageUnify- "},
        {"next page with children", with([](TToolSnapshot& s) { s.NextSiblingHasChildren = true; }),
         "sbSubIcon+ sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel+ sbPageUnify- "},
        {"last page", with([](TToolSnapshot& s) { s.SelHasNextSibling = false; }),
         "sbSubIcon+ sbMoveDown- sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel+ sbPageUnify- "},
        {"found-pages list open", with([](TToolSnapshot& s) { s.SearchListOpen = true; }),
         "sbSubIcon- sbMoveDown+ sbMoveUp+ sbPageUp- sbPageDown+ sbPageDel- sbPageUnify- sbPageNew- sbOpen- "
         "sbLoadTreeText- sbIns- sbAdd- sbAddChild- sbPageDevide- sbFind- sbFindList- pTreeLoadTexToMakePage- "
         "FdGoFind- FdReplace- FdFastReplace- FileTop- OptionTop- "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.States, c.Expected) << c.Name;
}

TEST(ToolButtonRules, SelectionButtons)
{
    const auto states = [](bool Browse, bool DataMemo, int Sel, bool Line, bool Enter) {
        return States(SelectionButtonStates({Browse, DataMemo, Sel, Line, Enter}));
    };
    EXPECT_EQ(states(false, true, 5, true, false), "sbCopy+ sbCut+ sbReturn+ sbSeikei+ sbHenkan+ sbDelete+ ");
    EXPECT_EQ(states(false, true, 5, false, false), "sbCopy+ sbCut+ sbReturn- sbSeikei- sbHenkan- sbDelete- ");
    EXPECT_EQ(states(false, true, 0, true, true),
              "sbCopy- sbCut- sbReturn- sbSeikei- sbHenkan- sbDelete- sbLeftStr+ sbCenterStr+ sbRigthStr+ ");
    EXPECT_EQ(states(true, false, 5, true, true),
              "sbCopy+ sbCut- sbReturn- sbSeikei- sbHenkan- sbDelete- sbLeftStr- sbCenterStr- sbRigthStr- ");
    // The browse view open, but the page editor has the focus: it edits.
    EXPECT_EQ(states(true, true, 5, true, false), "sbCopy+ sbCut+ sbReturn+ sbSeikei+ sbHenkan+ sbDelete+ ");
}

TEST(ToolButtonRules, PageSplitAndTextOutput)
{
    EXPECT_TRUE(PageDevideEnabled(false, false, true, 3));
    EXPECT_FALSE(PageDevideEnabled(false, false, true, 0));
    EXPECT_FALSE(PageDevideEnabled(true, false, true, 3));
    EXPECT_FALSE(PageDevideEnabled(false, true, false, 3));
    EXPECT_TRUE(PageDevideEnabled(false, true, true, 3));

    EXPECT_TRUE(TextOutputEnabled(2, true));
    EXPECT_TRUE(TextOutputEnabled(1, false));
    EXPECT_FALSE(TextOutputEnabled(1, true));
    EXPECT_FALSE(TextOutputEnabled(0, true));
}
