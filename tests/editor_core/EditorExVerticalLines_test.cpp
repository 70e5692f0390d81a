// The vertical guide lines.
#include "EditorExVerticalLines.h"

#include <gtest/gtest.h>

namespace {

TEST(VerticalLines, NewLineIsVisibleAtColumnZeroInColourZero)
{
    TVerticalLines lines(nullptr);
    TVerticalLine* line = lines.Add();
    EXPECT_EQ(line->Position(), 0);
    EXPECT_EQ(line->Color(), 0);
    EXPECT_TRUE(line->Visible());
    EXPECT_EQ(lines.Items(0), line);
}

TEST(VerticalLines, EveryChangeReachesTheEditor)
{
    TPersistent editor;
    TVerticalLines lines(&editor);
    int changes = 0;
    lines.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &lines);
        ++changes;
    };
    TVerticalLine* line = lines.Add();
    EXPECT_EQ(changes, 1);
    line->SetPosition(80);
    line->SetColor(clRed);
    line->SetVisible(false);
    EXPECT_EQ(changes, 4);
    // Writing the same values is no change.
    line->SetPosition(80);
    line->SetColor(clRed);
    line->SetVisible(false);
    EXPECT_EQ(changes, 4);
    lines.Delete(0);
    EXPECT_EQ(changes, 5);
}

TEST(VerticalLines, AssignCopiesTheThreeValues)
{
    TVerticalLines source(nullptr), dest(nullptr);
    TVerticalLine* a = source.Add();
    a->SetPosition(40);
    a->SetColor(clBlue);
    a->SetVisible(false);
    source.Add()->SetPosition(72);
    int changes = 0;
    dest.OnChange = [&](TObject*) { ++changes; };
    dest.Assign(&source);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(dest.Count(), 2);
    EXPECT_EQ(dest.Items(0)->Position(), 40);
    EXPECT_EQ(dest.Items(0)->Color(), clBlue);
    EXPECT_FALSE(dest.Items(0)->Visible());
    EXPECT_EQ(dest.Items(1)->Position(), 72);
    EXPECT_TRUE(dest.Items(1)->Visible());
}

TEST(VerticalLines, XFollowsTheColumnAndTheScroll)
{
    TVerticalLines lines(nullptr);
    TVerticalLine* line = lines.Add();
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
