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
    Changed();
    EXPECT_EQ(counter.Count, 1) << What;
    Object.OnChange = nullptr;
}

// Assign copies the source as one change.
template <class T> void ExpectAssignIsOneChange(T& Copy, const T& Source)
{
    TCounter counter(Copy);
    Copy.Assign(&Source);
    EXPECT_EQ(counter.Count, 1);
    Copy.OnChange = nullptr;
}

// Writes each value and expects the stored one.
void ExpectClamps(const std::function<void(int)>& Set, const std::function<int()>& Get,
                  std::initializer_list<std::pair<int, int>> Cases, const char* What)
{
    for (auto [written, stored] : Cases) {
        Set(written);
        EXPECT_EQ(Get(), stored) << What << " " << written;
    }
}

TEST(EditorCaret, DefaultsUsersSeeFirst)
{
    TEditorCaret c;
    EXPECT_TRUE(c.AutoIndent() && c.BackSpaceUnIndent() && c.FreeCaret() && c.RowSelect() && c.SelMove());
    EXPECT_FALSE(c.FreeRow() || c.InTab() || c.KeepCaret() || c.SoftTab() || c.TabIndent());
    EXPECT_EQ(c.TabSpaceCount(), 8);
    EXPECT_EQ(c.Cursors()->DefaultCursor(), -4); // crIBeam
    EXPECT_EQ(c.Cursors()->DragSelCopyCursor(), 1959);
}

TEST(EditorCaret, TabSpaceCountIsClampedAndEven)
{
    TEditorCaret c;
    ExpectClamps([&](int v) { c.SetTabSpaceCount(v); }, [&] { return c.TabSpaceCount(); },
                 {{9, 8}, {1, 2}, {5, 4}, {3, 2}, {7, 6}, {-100, 2}, {1000, 8}, {6, 6}}, "TabSpaceCount");
}

TEST(EditorCaret, OnlyStyleTabSpaceCountAndTheCursorsNotify)
{
    TEditorCaret c;
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetTabSpaceCount(9); }, [&] { c.SetTabSpaceCount(4); }, "TabSpaceCount");
    ExpectNotifiesOnlyOnChange(c, [&] { c.SetStyle(TEditorCaretStyle::csDefault); },
                               [&] { c.SetStyle(TEditorCaretStyle::csBrief); }, "Style");
    ExpectNotifiesOnlyOnChange(c, [&] { c.Cursors()->SetDragSelCursor(-12); },
                               [&] { c.Cursors()->SetInSelCursor(7); }, "Cursors");
    TCounter counter(c);
    c.SetAutoIndent(false);
    c.SetSoftTab(true);
    c.SetSelDragMode(TDragMode::dmManual);
    EXPECT_EQ(counter.Count, 0);
    EXPECT_FALSE(c.AutoIndent());
}

TEST(EditorCaret, AssignCopiesTheValuesAndTheCursorsAsOneChange)
{
    TEditorCaret source;
    source.SetAutoIndent(false);
    source.SetKeepCaret(true);
    source.SetSelDragMode(TDragMode::dmManual);
    source.SetStyle(TEditorCaretStyle::csBrief);
    source.SetTabSpaceCount(4);
    source.Cursors()->SetTopMarginCursor(9);
    TEditorCaret c;
    ExpectAssignIsOneChange(c, source);
    EXPECT_FALSE(c.AutoIndent());
    EXPECT_TRUE(c.KeepCaret());
    EXPECT_EQ(c.SelDragMode(), TDragMode::dmManual);
    EXPECT_EQ(c.Style(), TEditorCaretStyle::csBrief);
    EXPECT_EQ(c.TabSpaceCount(), 4);
    EXPECT_EQ(c.Cursors()->TopMarginCursor(), 9);
    TEditorMark other;
    EXPECT_THROW(c.Assign(&other), EConvertError);
}

TEST(EditorMargin, ClampsAndTheUnderlineRowIsNoChange)
{
    TEditorMargin m;
    EXPECT_EQ(m.Left(), 19);
    ExpectClamps([&](int v) { m.SetLeft(v); }, [&] { return m.Left(); }, {{-5, 0}, {250, 100}}, "Left");
    ExpectClamps([&](int v) { m.SetCharacter(v); }, [&] { return m.Character(); }, {{101, 100}}, "Character");
    ExpectClamps([&](int v) { m.SetLine(v); }, [&] { return m.Line(); }, {{-1, 0}}, "Line");
    ExpectClamps([&](int v) { m.SetTop(v); }, [&] { return m.Top(); }, {{1000, 100}}, "Top");
    ExpectNotifiesOnlyOnChange(m, [&] { m.SetTop(500); }, [&] { m.SetTop(3); }, "Top");
    {
        TCounter counter(m);
        m.SetUnderline(1); // the underline row is no change of the margins
        EXPECT_EQ(counter.Count, 0);
        m.OnChange = nullptr;
    }
    TEditorMargin copy;
    ExpectAssignIsOneChange(copy, m);
    EXPECT_EQ(copy.Left(), 100);
    EXPECT_EQ(copy.Top(), 3);
    EXPECT_EQ(copy.Underline(), 1);
}

TEST(EditorMarks, FiveMarksEachAChangeOfTheSet)
{
    TEditorMarks marks;
    for (TEditorMark* mark :
         {marks.EofMark(), marks.RetMark(), marks.WrapMark(), marks.HideMark(), marks.Underline()}) {
        EXPECT_FALSE(mark->Visible());
        TCounter counter(marks);
        mark->SetVisible(false);
        mark->SetVisible(true);
        mark->SetColor(clRed);
        mark->SetColor(clRed);
        EXPECT_EQ(counter.Count, 2);
    }
    TEditorMarks copy;
    ExpectAssignIsOneChange(copy, marks);
    EXPECT_TRUE(copy.HideMark()->Visible());
    EXPECT_EQ(copy.Underline()->Color(), clRed);
    // A writer copies into the mark held, never takes the argument.
    TEditorMark blue;
    blue.SetColor(clBlue);
    copy.SetRetMark(&blue);
    EXPECT_NE(copy.RetMark(), &blue);
    EXPECT_EQ(copy.RetMark()->Color(), clBlue);
}

TEST(EditorRuler, TheGaugeRangeIsEightOrTen)
{
    TEditorRuler r;
    EXPECT_EQ(r.GaugeRange(), 10);
    ExpectClamps([&](int v) { r.SetGaugeRange(v); }, [&] { return r.GaugeRange(); },
                 {{9, 8}, {12, 10}, {8, 8}, {0, 8}, {11, 10}}, "GaugeRange");
    ExpectNotifiesOnlyOnChange(r, [&] { r.SetGaugeRange(12); }, [&] { r.SetGaugeRange(9); }, "GaugeRange");
    ExpectNotifiesOnlyOnChange(r, [&] { r.SetEdge(true); }, [&] { r.SetEdge(false); }, "Edge");
    TEditorRuler copy;
    ExpectAssignIsOneChange(copy, r);
    EXPECT_EQ(copy.GaugeRange(), 8);
    EXPECT_FALSE(copy.Edge());
}

TEST(EditorLeftbar, ClampsAndNotifications)
{
    TEditorLeftbar b;
    EXPECT_EQ(b.Column(), 4);
    ExpectClamps([&](int v) { b.SetColumn(v); }, [&] { return b.Column(); }, {{0, 1}, {9, 8}}, "Column");
    ExpectClamps([&](int v) { b.SetLeftMargin(v); }, [&] { return b.LeftMargin(); }, {{-1, 0}}, "LeftMargin");
    ExpectClamps([&](int v) { b.SetRightMargin(v); }, [&] { return b.RightMargin(); }, {{101, 100}}, "RightMargin");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetColumn(20); }, [&] { b.SetColumn(2); }, "Column");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetShowNumberMode(TEditorShowNumberMode::nmRow); },
                               [&] { b.SetShowNumberMode(TEditorShowNumberMode::nmLine); }, "ShowNumberMode");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetZeroLead(false); }, [&] { b.SetZeroLead(true); }, "ZeroLead");
    TEditorLeftbar copy;
    ExpectAssignIsOneChange(copy, b);
    EXPECT_EQ(copy.Column(), 2);
    EXPECT_EQ(copy.ShowNumberMode(), TEditorShowNumberMode::nmLine);
    EXPECT_TRUE(copy.ZeroLead());
}

TEST(EditorImagebar, ClampsAndNotifications)
{
    TEditorImagebar b;
    ExpectClamps([&](int v) { b.SetDigitWidth(v); }, [&] { return b.DigitWidth(); }, {{-3, 0}}, "DigitWidth");
    ExpectClamps([&](int v) { b.SetLeftMargin(v); }, [&] { return b.LeftMargin(); }, {{300, 100}}, "LeftMargin");
    ExpectClamps([&](int v) { b.SetMarkWidth(v); }, [&] { return b.MarkWidth(); }, {{101, 100}}, "MarkWidth");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetMarkWidth(200); }, [&] { b.SetMarkWidth(11); }, "MarkWidth");
    ExpectNotifiesOnlyOnChange(b, [&] { b.SetVisible(true); }, [&] { b.SetVisible(false); }, "Visible");
    TEditorImagebar copy;
    ExpectAssignIsOneChange(copy, b);
    EXPECT_EQ(copy.MarkWidth(), 11);
    EXPECT_FALSE(copy.Visible());
}

TEST(EditorSpeed, ClampsAndAssign)
{
    TEditorSpeed s;
    ExpectClamps([&](int v) { s.SetCaretVerticalAc(v); }, [&] { return s.CaretVerticalAc(); }, {{0, 1}}, "Ac");
    ExpectClamps([&](int v) { s.SetPageVerticalRange(v); }, [&] { return s.PageVerticalRange(); }, {{5, 4}}, "Page");
    s.SetInitBracketsFull(true);
    TEditorSpeed copy;
    copy.Assign(&s);
    EXPECT_EQ(copy.CaretVerticalAc(), 1);
    EXPECT_EQ(copy.PageVerticalRange(), 4);
    EXPECT_TRUE(copy.InitBracketsFull());
}

} // namespace
