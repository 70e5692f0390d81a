// The editor's option objects: defaults, clamps, and when they announce a
// change.
#include "edOptions.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Counts the notifications of an option object.
struct TCounter {
    explicit TCounter(TNotifyPersistent& Object)
    {
        Object.OnChange = [this, &Object](TObject* Sender) {
            EXPECT_EQ(Sender, &Object);
            ++Count;
        };
    }
    int Count = 0;
};

// Writing Changed fires once; writing it again, or writing Same, fires nothing.
void ExpectNotifiesOnlyOnChange(TNotifyPersistent& Object, const std::function<void()>& Same,
                                const std::function<void()>& Changed, const char* What)
{
    TCounter counter(Object);
    Same();
    EXPECT_EQ(counter.Count, 0) << What;
    Changed();
    EXPECT_EQ(counter.Count, 1) << What;
    Changed();
    EXPECT_EQ(counter.Count, 1) << What;
    Object.OnChange = nullptr;
}

TEST(EditorCursors, DefaultsAndNotifications)
{
    TEditorCursors c;
    EXPECT_EQ(c.DefaultCursor(), -4);      // crIBeam
    EXPECT_EQ(c.DragSelCursor(), -12);     // crDrag
    EXPECT_EQ(c.DragSelCopyCursor(), 1959);
    EXPECT_EQ(c.InSelCursor(), 0);         // crDefault
    EXPECT_EQ(c.LeftMarginCursor(), 1958);
    EXPECT_EQ(c.TopMarginCursor(), 0);
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetDefaultCursor(-4); }, [&] { c.SetDefaultCursor(0); }, "DefaultCursor");
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetDragSelCursor(-12); }, [&] { c.SetDragSelCursor(1); }, "DragSel");
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetDragSelCopyCursor(1959); }, [&] { c.SetDragSelCopyCursor(2); }, "Copy");
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetInSelCursor(0); }, [&] { c.SetInSelCursor(3); }, "InSel");
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetLeftMarginCursor(1958); }, [&] { c.SetLeftMarginCursor(4); }, "Left");
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetTopMarginCursor(0); }, [&] { c.SetTopMarginCursor(5); }, "Top");
}

TEST(EditorCaret, Defaults)
{
    TEditorCaret c;
    EXPECT_TRUE(c.AutoCursor());
    EXPECT_TRUE(c.AutoIndent());
    EXPECT_TRUE(c.BackSpaceUnIndent());
    EXPECT_TRUE(c.FreeCaret());
    EXPECT_FALSE(c.FreeRow());
    EXPECT_FALSE(c.InTab());
    EXPECT_FALSE(c.KeepCaret());
    EXPECT_FALSE(c.LockScroll());
    EXPECT_FALSE(c.NextLine());
    EXPECT_FALSE(c.PrevSpaceIndent());
    EXPECT_TRUE(c.RowSelect());
    EXPECT_EQ(c.SelDragMode(), TDragMode::dmAutomatic);
    EXPECT_TRUE(c.SelMove());
    EXPECT_FALSE(c.SoftTab());
    EXPECT_EQ(c.Style(), TEditorCaretStyle::csDefault);
    EXPECT_FALSE(c.TabIndent());
    EXPECT_EQ(c.TabSpaceCount(), 8);
    EXPECT_EQ(c.Cursors()->DefaultCursor(), -4);
}

TEST(EditorCaret, TabSpaceCountIsClampedAndEven)
{
    TEditorCaret c;
    const std::pair<int, int> cases[] = {{9, 8}, {1, 2}, {5, 4}, {3, 2}, {7, 6}, {-100, 2}, {1000, 8}, {6, 6}};
    for (auto [written, stored] : cases) {
        c.SetTabSpaceCount(written);
        EXPECT_EQ(c.TabSpaceCount(), stored) << written;
    }
}

TEST(EditorCaret, OnlyStyleTabSpaceCountAndTheCursorsNotify)
{
    TEditorCaret c;
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetTabSpaceCount(9); }, [&] { c.SetTabSpaceCount(4); }, "TabSpaceCount");
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetStyle(TEditorCaretStyle::csDefault); },
                               [&] { c.SetStyle(TEditorCaretStyle::csBrief); }, "Style");
    ExpectNotifiesOnlyOnChange(c, [] {}, [&] { c.Cursors()->SetInSelCursor(7); }, "Cursors");
    TCounter counter(c);
    c.SetAutoIndent(false);
    c.SetFreeCaret(false);
    c.SetSoftTab(true);
    c.SetSelDragMode(TDragMode::dmManual);
    EXPECT_EQ(counter.Count, 0);
    EXPECT_FALSE(c.AutoIndent());
    EXPECT_EQ(c.SelDragMode(), TDragMode::dmManual);
}

TEST(EditorCaret, AssignCopiesEveryValueAndTheCursorsAsOneChange)
{
    TEditorCaret source;
    source.SetAutoCursor(false);
    source.SetAutoIndent(false);
    source.SetBackSpaceUnIndent(false);
    source.SetFreeCaret(false);
    source.SetFreeRow(true);
    source.SetInTab(true);
    source.SetKeepCaret(true);
    source.SetLockScroll(true);
    source.SetNextLine(true);
    source.SetPrevSpaceIndent(true);
    source.SetRowSelect(false);
    source.SetSelDragMode(TDragMode::dmManual);
    source.SetSelMove(false);
    source.SetSoftTab(true);
    source.SetStyle(TEditorCaretStyle::csBrief);
    source.SetTabIndent(true);
    source.SetTabSpaceCount(4);
    source.Cursors()->SetTopMarginCursor(9);
    TEditorCaret c;
    TCounter counter(c);
    c.Assign(&source);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_FALSE(c.AutoCursor());
    EXPECT_FALSE(c.AutoIndent());
    EXPECT_FALSE(c.BackSpaceUnIndent());
    EXPECT_FALSE(c.FreeCaret());
    EXPECT_TRUE(c.FreeRow());
    EXPECT_TRUE(c.InTab());
    EXPECT_TRUE(c.KeepCaret());
    EXPECT_TRUE(c.LockScroll());
    EXPECT_TRUE(c.NextLine());
    EXPECT_TRUE(c.PrevSpaceIndent());
    EXPECT_FALSE(c.RowSelect());
    EXPECT_EQ(c.SelDragMode(), TDragMode::dmManual);
    EXPECT_FALSE(c.SelMove());
    EXPECT_TRUE(c.SoftTab());
    EXPECT_EQ(c.Style(), TEditorCaretStyle::csBrief);
    EXPECT_TRUE(c.TabIndent());
    EXPECT_EQ(c.TabSpaceCount(), 4);
    EXPECT_EQ(c.Cursors()->TopMarginCursor(), 9);
    TEditorMark other;
    EXPECT_THROW(c.Assign(&other), EConvertError);
}

TEST(EditorMargin, DefaultsClampsAndTheUnderlineRow)
{
    TEditorMargin m;
    EXPECT_EQ(m.Character(), 0);
    EXPECT_EQ(m.Left(), 19);
    EXPECT_EQ(m.Line(), 0);
    EXPECT_EQ(m.Top(), 2);
    EXPECT_EQ(m.Underline(), 0);
    m.SetLeft(-5);
    EXPECT_EQ(m.Left(), 0);
    m.SetLeft(250);
    EXPECT_EQ(m.Left(), 100);
    m.SetCharacter(101);
    m.SetLine(-1);
    m.SetTop(1000);
    EXPECT_EQ(m.Character(), 100);
    EXPECT_EQ(m.Line(), 0);
    EXPECT_EQ(m.Top(), 100);
    ExpectNotifiesOnlyOnChange(m, [&] { m.SetTop(500); }, [&] { m.SetTop(3); }, "Top");
    {
        TCounter counter(m);
        m.SetUnderline(1);
        EXPECT_EQ(counter.Count, 0);
        m.OnChange = nullptr;
    }

    TEditorMargin copy;
    TCounter counter(copy);
    copy.Assign(&m);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(copy.Left(), 100);
    EXPECT_EQ(copy.Character(), 100);
    EXPECT_EQ(copy.Top(), 3);
    EXPECT_EQ(copy.Underline(), 1);
}

TEST(EditorMarks, FiveMarksEachAChangeOfTheSet)
{
    TEditorMarks marks;
    for (TEditorMark* mark :
         {marks.EofMark(), marks.RetMark(), marks.WrapMark(), marks.HideMark(), marks.Underline()}) {
        EXPECT_EQ(mark->Color(), clGray);
        EXPECT_FALSE(mark->Visible());
        TCounter counter(marks);
        mark->SetVisible(false);
        mark->SetVisible(true);
        mark->SetColor(clRed);
        mark->SetColor(clRed);
        EXPECT_EQ(counter.Count, 2);
    }
    TEditorMarks copy;
    TCounter counter(copy);
    copy.Assign(&marks);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_TRUE(copy.HideMark()->Visible());
    EXPECT_EQ(copy.Underline()->Color(), clRed);
    // A writer copies into the mark held, never takes the argument.
    TEditorMark blue;
    blue.SetColor(clBlue);
    copy.SetRetMark(&blue);
    EXPECT_NE(copy.RetMark(), &blue);
    EXPECT_EQ(copy.RetMark()->Color(), clBlue);
}

TEST(EditorRuler, DefaultsAndTheGaugeRange)
{
    TEditorRuler r;
    EXPECT_EQ(r.BkColor(), clSilver);
    EXPECT_EQ(r.Color(), clBlack);
    EXPECT_TRUE(r.Edge());
    EXPECT_EQ(r.GaugeRange(), 10);
    EXPECT_EQ(r.MarkColor(), clBlack);
    EXPECT_FALSE(r.Visible());
    const std::pair<int, int> cases[] = {{9, 8}, {12, 10}, {8, 8}, {0, 8}, {11, 10}};
    for (auto [written, stored] : cases) {
        r.SetGaugeRange(written);
        EXPECT_EQ(r.GaugeRange(), stored) << written;
    }
    ExpectNotifiesOnlyOnChange(r, [&] { r.SetGaugeRange(12); }, [&] { r.SetGaugeRange(9); }, "GaugeRange");
    ExpectNotifiesOnlyOnChange(r, [&] { r.SetBkColor(clSilver); }, [&] { r.SetBkColor(clRed); }, "BkColor");
    ExpectNotifiesOnlyOnChange(r, [&] { r.SetEdge(true); }, [&] { r.SetEdge(false); }, "Edge");
    ExpectNotifiesOnlyOnChange(r, [&] { r.SetVisible(false); }, [&] { r.SetVisible(true); }, "Visible");
    TEditorRuler copy;
    TCounter counter(copy);
    copy.Assign(&r);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(copy.GaugeRange(), 8);
    EXPECT_EQ(copy.BkColor(), clRed);
    EXPECT_FALSE(copy.Edge());
}

TEST(EditorLeftbar, DefaultsAndClamps)
{
    TEditorLeftbar b;
    EXPECT_EQ(b.BkColor(), clSilver);
    EXPECT_EQ(b.Color(), clBlack);
    EXPECT_EQ(b.Column(), 4);
    EXPECT_TRUE(b.Edge());
    EXPECT_EQ(b.LeftMargin(), 8);
    EXPECT_EQ(b.RightMargin(), 4);
    EXPECT_TRUE(b.ShowNumber());
    EXPECT_EQ(b.ShowNumberMode(), TEditorShowNumberMode::nmRow);
    EXPECT_FALSE(b.Visible());
    EXPECT_FALSE(b.ZeroBase());
    EXPECT_FALSE(b.ZeroLead());
    b.SetColumn(0);
    EXPECT_EQ(b.Column(), 1);
    b.SetColumn(9);
    EXPECT_EQ(b.Column(), 8);
    b.SetLeftMargin(-1);
    b.SetRightMargin(101);
    EXPECT_EQ(b.LeftMargin(), 0);
    EXPECT_EQ(b.RightMargin(), 100);
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetColumn(20); }, [&] { b.SetColumn(2); }, "Column");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetShowNumberMode(TEditorShowNumberMode::nmRow); },
                               [&] { b.SetShowNumberMode(TEditorShowNumberMode::nmLine); }, "ShowNumberMode");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetZeroLead(false); }, [&] { b.SetZeroLead(true); }, "ZeroLead");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetZeroBase(false); }, [&] { b.SetZeroBase(true); }, "ZeroBase");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetShowNumber(true); }, [&] { b.SetShowNumber(false); }, "ShowNumber");
    TEditorLeftbar copy;
    TCounter counter(copy);
    copy.Assign(&b);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(copy.Column(), 2);
    EXPECT_EQ(copy.ShowNumberMode(), TEditorShowNumberMode::nmLine);
    EXPECT_TRUE(copy.ZeroLead());
    EXPECT_EQ(copy.RightMargin(), 100);
}

TEST(EditorImagebar, DefaultsAndClamps)
{
    TEditorImagebar b;
    EXPECT_EQ(b.DigitWidth(), 8);
    EXPECT_EQ(b.LeftMargin(), 2);
    EXPECT_EQ(b.MarkWidth(), 0);
    EXPECT_EQ(b.RightMargin(), 2);
    EXPECT_TRUE(b.Visible());
    b.SetDigitWidth(-3);
    b.SetLeftMargin(300);
    b.SetMarkWidth(101);
    b.SetRightMargin(-1);
    EXPECT_EQ(b.DigitWidth(), 0);
    EXPECT_EQ(b.LeftMargin(), 100);
    EXPECT_EQ(b.MarkWidth(), 100);
    EXPECT_EQ(b.RightMargin(), 0);
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetMarkWidth(200); }, [&] { b.SetMarkWidth(11); }, "MarkWidth");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetVisible(true); }, [&] { b.SetVisible(false); }, "Visible");
    TEditorImagebar copy;
    TCounter counter(copy);
    copy.Assign(&b);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(copy.MarkWidth(), 11);
    EXPECT_FALSE(copy.Visible());
}

TEST(EditorSpeed, DefaultsClampsAndAssign)
{
    TEditorSpeed s;
    EXPECT_EQ(s.CaretVerticalAc(), 2);
    EXPECT_EQ(s.PageVerticalRange(), 2);
    EXPECT_EQ(s.PageVerticalRangeAc(), 2);
    EXPECT_FALSE(s.InitBracketsFull());
    s.SetCaretVerticalAc(0);
    s.SetPageVerticalRange(5);
    s.SetPageVerticalRangeAc(3);
    s.SetInitBracketsFull(true);
    EXPECT_EQ(s.CaretVerticalAc(), 1);
    EXPECT_EQ(s.PageVerticalRange(), 4);
    TEditorSpeed copy;
    copy.Assign(&s);
    EXPECT_EQ(copy.CaretVerticalAc(), 1);
    EXPECT_EQ(copy.PageVerticalRange(), 4);
    EXPECT_EQ(copy.PageVerticalRangeAc(), 3);
    EXPECT_TRUE(copy.InitBracketsFull());
}

} // namespace
