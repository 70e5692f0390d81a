// The cursor table and the desktop's size.
#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

TEST(TScreen, StandardCursorsHaveTheirShapesRegisteredOnesWinAndTheDesktopSpansEveryScreen)
{
    EXPECT_EQ(Screen().Cursors(crIBeam).shape(), Qt::IBeamCursor);
    EXPECT_EQ(Screen().Cursors(1234).shape(), Qt::ArrowCursor) << "a number nobody registered";

    Screen().SetCursors(5, QCursor(Qt::PointingHandCursor));
    Screen().SetCursors(5, QCursor(Qt::CrossCursor));
    EXPECT_EQ(Screen().Cursors(5).shape(), Qt::CrossCursor);
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    Screen().SetCursors(crIBeam, QCursor(pixmap, 3, 4));
    EXPECT_EQ(Screen().Cursors(crIBeam).hotSpot(), QPoint(3, 4));
    Screen().SetCursors(crIBeam, QCursor(Qt::IBeamCursor));

    // The desktop spans every screen.
    ASSERT_FALSE(QGuiApplication::screens().isEmpty());
    EXPECT_GE(Screen().DesktopWidth(), QGuiApplication::primaryScreen()->geometry().width());
}

} // namespace
