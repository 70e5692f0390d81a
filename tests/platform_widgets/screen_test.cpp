// The cursor table and the desktop's size.
#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

TEST(TScreen, StandardCursorsHaveTheirShapes)
{
    EXPECT_EQ(Screen().Cursors(crDefault).shape(), Qt::ArrowCursor);
    EXPECT_EQ(Screen().Cursors(crIBeam).shape(), Qt::IBeamCursor);
    EXPECT_EQ(Screen().Cursors(crHourGlass).shape(), Qt::WaitCursor);
    EXPECT_EQ(Screen().Cursors(crDrag).shape(), Qt::DragMoveCursor);
    EXPECT_EQ(Screen().Cursors(crHSplit).shape(), Qt::SplitHCursor);
    EXPECT_EQ(Screen().Cursors(crVSplit).shape(), Qt::SplitVCursor);
    // A number nobody registered shows the default arrow.
    EXPECT_EQ(Screen().Cursors(1234).shape(), Qt::ArrowCursor);
}

TEST(TScreen, RegisteredCursorsWinAndCanBeReplaced)
{
    Screen().SetCursors(5, QCursor(Qt::PointingHandCursor));
    EXPECT_EQ(Screen().Cursors(5).shape(), Qt::PointingHandCursor);
    Screen().SetCursors(5, QCursor(Qt::CrossCursor));
    EXPECT_EQ(Screen().Cursors(5).shape(), Qt::CrossCursor);

    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    Screen().SetCursors(-4, QCursor(pixmap, 3, 4));
    const QCursor replaced = Screen().Cursors(crIBeam);
    EXPECT_EQ(replaced.shape(), Qt::BitmapCursor);
    EXPECT_EQ(replaced.hotSpot(), QPoint(3, 4));
    Screen().SetCursors(crIBeam, QCursor(Qt::IBeamCursor));
}

TEST(TScreen, DesktopSpansEveryScreen)
{
    ASSERT_FALSE(QGuiApplication::screens().isEmpty());
    EXPECT_GE(Screen().DesktopWidth(), QGuiApplication::primaryScreen()->geometry().width());
}

} // namespace
