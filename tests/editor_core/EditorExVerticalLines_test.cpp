// The vertical guide lines.
#include "EditorExVerticalLines.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
