// A window placed from the main window is kept on the screen: moved back
// within the work area, frame and all, and shrunk only when larger.
#include "WorkArea.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(WorkArea, KeptWithinMovesThenShrinks)
{
    const QRect area(0, 30, 1280, 930); // a panel of 30 pixels above
    const QMargins frame(1, 24, 1, 1);
    const struct {
        QRect Client;
        QRect Kept;
    } cases[] = {
        {{100, 200, 300, 400}, {100, 200, 300, 400}}, // inside: as it was
        {{2, 700, 300, 290}, {2, 669, 300, 290}},     // below the bottom: moved up
        {{1100, 10, 300, 200}, {979, 54, 300, 200}},  // off the right and under the panel
        {{-50, 100, 300, 200}, {1, 100, 300, 200}},   // off the left
        {{10, 100, 300, 2000}, {10, 54, 300, 905}},   // taller than the area
    };
    for (const auto& c : cases) {
        const QRect kept = KeptWithin(c.Client, frame, area);
        EXPECT_EQ(kept, c.Kept) << c.Client.x() << "," << c.Client.y();
        EXPECT_TRUE(area.contains(kept.marginsAdded(frame)));
    }
    EXPECT_EQ(KeptWithin({5, 5, 10, 10}, frame, QRect()), QRect(5, 5, 10, 10)) << "no screen: as it was";
}

// A window placed before it had a frame is kept on the screen, frame and
// all, once the window manager frames it; a maximised one once it is
// restored.
TEST(WorkArea, AWindowIsKeptOnTheScreenOnceFramed)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setGeometry(area.right() - 100, area.bottom() - 100, area.width() / 2, area.height() / 2);
    KeepWithinWorkAreaOnceFramed(window);
    window.show();
    QApplication::processEvents();
    ASSERT_FALSE(FrameMargins(window).isNull()) << "the test platform frames its windows";
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    EXPECT_EQ(window.size(), QSize(area.width() / 2, area.height() / 2)) << "moved, not cut";

    // Its normal place taken from a larger screen: as large as this one.
    QWidget maximised;
    maximised.setGeometry(area);
    KeepWithinWorkAreaOnceFramed(maximised);
    maximised.showMaximized();
    QApplication::processEvents();
    ASSERT_EQ(maximised.frameGeometry(), area);
    maximised.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(maximised.frameGeometry(), area) << "restored, frame and all on the screen";

    // Once only: the user's own place afterwards is the user's.
    maximised.move(area.right() - 100, area.top());
    QApplication::processEvents();
    EXPECT_FALSE(area.contains(maximised.frameGeometry()));
}

} // namespace
