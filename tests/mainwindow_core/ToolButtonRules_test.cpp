#include "ToolButtonRules.h"

#include <gtest/gtest.h>

namespace {

// "+" or "-" for each assignment, in order.
std::string Signs(const TEnablings& List)
{
    std::string signs;
    for (const TEnabling& e : List)
        signs += e.Enabled ? '+' : '-';
    return signs;
}

} // namespace

TEST(ToolButtonRules, TreeAndPageButtons)
{
    // Three pages, the middle one selected, with text, in a named document.
    const auto with = [](auto Change) {
        TToolSnapshot s{3, true, false, true, true, false, false, false};
        s.HasFileName = true;
        Change(s);
        return Signs(ToolButtonStates(s));
    };
    const struct {
        const char* Name;
        std::string Signs;
        // sbSubIcon, sbMoveDown, sbMoveUp, sbPageUp, sbPageDown, sbPageDel, sbPageUnify
        const char* Expected;
        // clang-format off
    } cases[] = {
        {"middle page", with([](TToolSnapshot&) {}), "+++-+++"},
        {"one page with text", with([](TToolSnapshot& s) { s = {1, true}; s.TextEmpty = false; }), "-----+-"},
        {"one empty page", with([](TToolSnapshot& s) { s = {1, true}; }), "-------"},
        {"external edit running", with([](TToolSnapshot& s) { s.ExtEditor = true; }), "+++-+--"},
        {"external editor idle", with([](TToolSnapshot& s) { s.ExtEditor = s.GoEditorEnabled = true; }), "+++-+++"},
        {"external editor, clipping", with([](TToolSnapshot& s) { s.ExtEditor = s.ClipMode = true; }), "+++-+++"},
        {"browse view", with([](TToolSnapshot& s) { s.BrowseView = true; }), "+++-+--"},
        {"sub-icon finder open", with([](TToolSnapshot& s) { s.SubIconFinderClosed = false; }), "-++-+--"},
        {"unnamed document", with([](TToolSnapshot& s) { s.HasFileName = false; }), "-++-+++"},
        {"child page", with([](TToolSnapshot& s) { s.SelHasParent = true; }), "+++++++"},
        {"text is CR LF", with([](TToolSnapshot& s) { s.TextIsCrLf = true; }), "+++-++-"},
        {"page with children", with([](TToolSnapshot& s) { s.SelHasChildren = true; }), "+++-++-"},
        {"next page with children", with([](TToolSnapshot& s) { s.NextSiblingHasChildren = true; }), "+++-++-"},
        {"last page", with([](TToolSnapshot& s) { s.SelHasNextSibling = false; }), "+-+-++-"},
        {"first page", with([](TToolSnapshot& s) { s.SelHasPrevSibling = false; }), "++---++"},
        {"found-pages list open", with([](TToolSnapshot& s) { s.SearchListOpen = true; }), "-++-+--" "---------------"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.Signs, c.Expected) << c.Name;
}

TEST(ToolButtonRules, SelectionButtons)
{
    const auto signs = [](bool Browse, bool DataMemo, int Sel, bool Line, bool Enter) {
        return Signs(SelectionButtonStates({Browse, DataMemo, Sel, Line, Enter}));
    };
    // sbCopy, sbCut, sbReturn, sbSeikei, sbHenkan, sbDelete, on entering also
    // sbLeftStr, sbCenterStr, sbRigthStr.
    EXPECT_EQ(signs(false, true, 5, true, false), "++++++");
    EXPECT_EQ(signs(false, true, 5, false, false), "++----"); // box selection
    EXPECT_EQ(signs(false, true, 0, true, true), "------+++");
    EXPECT_EQ(signs(true, false, 5, true, true), "+--------"); // the read-only browse pane
    EXPECT_EQ(signs(true, true, 5, true, false), "++++++");    // the page editor beside it
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
}
