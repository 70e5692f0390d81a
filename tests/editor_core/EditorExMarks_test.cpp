// The extended editor's marks: the option object, row backgrounds and the
// vertical guide lines.
#include "EditorExMarks.h"
#include "EditorExVerticalLines.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

std::vector<TEditorMark*> AllMarks(const TEditorExMarks& Marks)
{
    return {Marks.DBSpaceMark(), Marks.SpaceMark(), Marks.TabMark(),   Marks.FindMark(), Marks.ParenMark(),
            Marks.CurrentLine(), Marks.DigitLine(), Marks.ImageLine(), Marks.Img0Line(), Marks.Img1Line(),
            Marks.Img2Line(),    Marks.Img3Line(),  Marks.Img4Line(),  Marks.Img5Line(), Marks.EvenLine()};
}

TEST(EditorExMarks, RowBackgroundByPriority)
{
    TEditorExMarks marks;
    EXPECT_EQ(marks.RowBackground(false, 0, 0, true), nullptr);
    for (TEditorMark* mark : AllMarks(marks))
        mark->SetVisible(true);
    const uint16_t digit3 = 1 << 3, image10 = 1 << 10, image12 = 1 << 12;
    EXPECT_EQ(marks.RowBackground(true, digit3 | image10, 2, true), marks.CurrentLine());
    EXPECT_EQ(marks.RowBackground(false, digit3 | image10, 2, true), marks.DigitLine());
    EXPECT_EQ(marks.RowBackground(false, image10 | image12, 2, true), marks.Img0Line());
    EXPECT_EQ(marks.RowBackground(false, 1 << 15, 2, true), marks.Img5Line());
    marks.Img2Line()->SetVisible(false);
    EXPECT_EQ(marks.RowBackground(false, image12, 2, true), marks.ImageLine());
    marks.CurrentLine()->SetVisible(false);
    marks.DigitLine()->SetVisible(false);
    EXPECT_EQ(marks.RowBackground(true, digit3, 2, true), marks.EvenLine());
    // Even rows as the line number bar counts them: counted from 0, row 0
    // is even; counted from 1, it is line 1.
    EXPECT_EQ(marks.RowBackground(false, 0, 0, true), marks.EvenLine());
    EXPECT_EQ(marks.RowBackground(false, 0, 1, true), nullptr);
    EXPECT_EQ(marks.RowBackground(false, 0, 0, false), nullptr);
    EXPECT_EQ(marks.RowBackground(false, 0, 1, false), marks.EvenLine());
}

// ---- Vertical guide lines ------------------------------------------------------

TEST(VerticalLines, XFollowsTheColumnAndTheScroll)
{
    TVerticalLines lines(nullptr);
    TVerticalLine* line = lines.Add();
    EXPECT_EQ(line->X(30, 0, 8), 30); // a new line stands visible at column 0
    line->SetPosition(10);
    // Text left 30, scrolled 16 pixels, cells 8 wide.
    EXPECT_EQ(line->X(30, 16, 8), 30 - 16 + 80);
    // Scrolled past it: left of the text area.
    EXPECT_EQ(line->X(30, 88, 8), std::nullopt);
    EXPECT_EQ(line->X(30, 80, 8), 30);
    line->SetPosition(-1);
    EXPECT_EQ(line->X(30, 0, 8), std::nullopt);
    line->SetPosition(10);
    line->SetVisible(false);
    EXPECT_EQ(line->X(30, 0, 8), std::nullopt);
}

TEST(EditorExMarks, ChangesOfTheMarksAreChangesOfTheSetAndAssignIsOne)
{
    TEditorExMarks source, dest;
    int changes = 0;
    source.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &source);
        ++changes;
    };
    int n = 0;
    for (TEditorMark* mark : AllMarks(source)) {
        mark->SetColor(RGB(n, 0, 0));
        mark->SetVisible(n++ % 2 == 0);
    }
    source.Hit()->SetBkColor(clYellow);
    EXPECT_EQ(changes, 15 + 8 + 1);
    int destChanges = 0;
    dest.OnChange = [&](TObject*) { ++destChanges; };
    dest.Assign(&source);
    EXPECT_EQ(destChanges, 1);
    const auto from = AllMarks(source), to = AllMarks(dest);
    for (size_t i = 0; i < from.size(); ++i) {
        EXPECT_EQ(to[i]->Color(), from[i]->Color()) << i;
        EXPECT_EQ(to[i]->Visible(), from[i]->Visible()) << i;
    }
    EXPECT_EQ(dest.Hit()->BkColor(), clYellow);
}

TEST(VerticalLines, EveryChangeReachesTheEditorAndAssignCopiesAsOne)
{
    TPersistent editor;
    TVerticalLines lines(&editor);
    int changes = 0;
    lines.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &lines);
        ++changes;
    };
    TVerticalLine* line = lines.Add();
    line->SetPosition(80);
    line->SetColor(clRed);
    line->SetVisible(false);
    EXPECT_EQ(changes, 4);
    // Writing the same values is no change.
    line->SetPosition(80);
    line->SetColor(clRed);
    line->SetVisible(false);
    EXPECT_EQ(changes, 4);

    lines.Add()->SetPosition(72);
    TVerticalLines copy(nullptr);
    int copyChanges = 0;
    copy.OnChange = [&](TObject*) { ++copyChanges; };
    copy.Assign(&lines);
    EXPECT_EQ(copyChanges, 1);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Items(0)->Position(), 80);
    EXPECT_EQ(copy.Items(0)->Color(), clRed);
    EXPECT_FALSE(copy.Items(0)->Visible());
    EXPECT_EQ(copy.Items(1)->Position(), 72);
    EXPECT_TRUE(copy.Items(1)->Visible());
    lines.Delete(0);
    EXPECT_EQ(changes, 7);
}

} // namespace
