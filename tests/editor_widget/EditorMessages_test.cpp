// The edit-control messages: selections by position, refusals while
// read-only, scrolling, and full positions on pages over 64 KB.
#include "EditorDriver.h"

#include "Messages.h"

#include <gtest/gtest.h>

namespace {

using namespace edtest;
using TPair = std::pair<intptr_t, intptr_t>;

class Messages : public testing::Test {
protected:
    TEditorDriver ed;
};

TEST_F(Messages, RowsAreScreenRowsAndPositionMinusOneIsTheCaretOrTheSelection)
{
    ed.SetText("ab\r\nabcdef\r\n");
    ed->SetRowCol(1, 3);
    EXPECT_EQ(ed->Perform(EM_LINEINDEX, -1), 4);
    EXPECT_EQ(ed->Perform(EM_LINEFROMCHAR, -1), 1);
    EXPECT_EQ(ed->Perform(EM_LINELENGTH, -1), 6);
    ed->Perform(EM_SETSEL, 6, 8);
    EXPECT_EQ(ed->SelText(), "cd");
    EXPECT_EQ(ed->Perform(EM_LINELENGTH, -1), 4) << "the characters of its rows outside it";
    ed->Perform(EM_SETSEL, 1, 5);
    EXPECT_EQ(ed->Perform(EM_LINEFROMCHAR, -1), 0) << "the selection's start row";

    // Rows are screen rows.
    ed.Wrap(20);
    ed.SetText(std::string(30, 'a') + "\r\nxy");
    EXPECT_EQ(std::tuple(ed->Perform(EM_GETLINECOUNT), ed->Perform(EM_LINEINDEX, 2), ed->Perform(EM_LINELENGTH, 33)),
              (std::tuple<intptr_t, intptr_t, intptr_t>{3, 32, 2}));
    EXPECT_EQ(ed->GetLine(2, 10), "xy");
}

TEST_F(Messages, SetSelSelectsAllDropsOrTakesARange)
{
    ed.SetText("abc\r\ndef");
    ed->SetSel(0, -1);
    EXPECT_EQ(ed->SelText(), "abc\r\ndef");
    ed->SetSel(-1, 0);
    EXPECT_FALSE(ed->Selected());
    ed->SetSel(6, 2);
    EXPECT_EQ(ed->SelText(), "c\r\nd");
    int start = 0;
    int end = 0;
    ed->GetSel(start, end);
    EXPECT_EQ(std::pair(start, end), std::pair(2, 6));
}

TEST_F(Messages, AReadOnlyEditorRefusesTheChangingMessages)
{
    ed.SetText("ab");
    ed.Type("c");
    ed->SetReadOnly(true);
    ed->SetText("new");
    ed->ReplaceSel("x");
    ed->Perform(EM_SETMODIFY, 0);
    EXPECT_EQ(ed->Perform(EM_CANUNDO), 0);
    EXPECT_EQ(ed->Perform(EM_UNDO), 0);
    ed->Perform(EM_EMPTYUNDOBUFFER);
    EXPECT_EQ(std::pair(ed.Text(), ed->Perform(EM_GETMODIFY)), (std::pair<std::string, intptr_t>("cab", 1)));

    ed->Perform(EM_SETREADONLY, 0);
    EXPECT_EQ(ed->Perform(EM_CANUNDO), 1);
    EXPECT_EQ(ed->Perform(EM_UNDO), 1);
    EXPECT_EQ(ed.Text(), "ab");
    ed->SetText("new");
    EXPECT_EQ(std::pair(ed.Text(), ed->Perform(WM_GETTEXTLENGTH)), (std::pair<std::string, intptr_t>("new", 3)));
}

TEST_F(Messages, PositionsPastSixtyFourKilobytesStayWhole)
{
    ed.SetText(Lines(2000, std::string(48, 'a')));
    ed->SetSelStart(70000);
    ed->SetSelLength(10);
    // The packed result cannot hold them; the pointers get them whole.
    int start = 0;
    int end = 0;
    EXPECT_EQ(ed->Perform(EM_GETSEL, reinterpret_cast<intptr_t>(&start), reinterpret_cast<intptr_t>(&end)), -1);
    EXPECT_EQ(std::pair(start, end), std::pair(70000, 70010));

    ed->ScrollCaret();
    const QPoint p = ed->PosFromChar(70005);
    EXPECT_EQ(ed->CharFromPos(p), 70005);
    EXPECT_EQ(ed->Perform(EM_CHARFROMPOS, 0, p.x() | p.y() << 16), -1);
    EXPECT_EQ(std::pair(ed->Perform(EM_LINEFROMCHAR, 70005), ed->Perform(EM_LINEINDEX, 1400)), (TPair{1400, 70000}));
}

TEST_F(Messages, ScrollingMessages)
{
    ed.SetText(Lines(100, "line"));
    const int rows = ed->VisibleRows();
    ed->Caret()->SetLockScroll(true);
    ed->SetRowCol(2, 0);
    ed->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(ed->TopRow(), 1);
    EXPECT_EQ(ed->Row(), 3) << "LockScroll takes the caret along";
    ed->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(ed->TopRow(), 1 + rows);
    ed->Perform(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(ed->TopRow(), 0);

    // The caret off the screen comes a third into the view.
    ed->Caret()->SetLockScroll(false);
    ed->SetRowCol(60, 0);
    ed->Perform(WM_VSCROLL, SB_BOTTOM);
    ed->Perform(EM_SCROLLCARET);
    EXPECT_EQ(ed->TopRow(), 60 - rows / 3);
    EXPECT_EQ(ed->Perform(EM_GETFIRSTVISIBLELINE), ed->TopRow());
}

} // namespace
