// The cursor numbers the option objects start with are those of the
// cursor table.
#include "edCursors.h"
#include "edOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(EditorCursors, DefaultsAreTheCursorTablesNumbers)
{
    const TEditorCursors cursors;
    EXPECT_EQ(cursors.DefaultCursor(), crIBeam);
    EXPECT_EQ(cursors.DragSelCursor(), crDrag);
    EXPECT_EQ(cursors.DragSelCopyCursor(), crDragSelCopy);
    EXPECT_EQ(cursors.InSelCursor(), crDefault);
    EXPECT_EQ(cursors.LeftMarginCursor(), crRightArrow);
    EXPECT_EQ(cursors.TopMarginCursor(), crDefault);
}

} // namespace
