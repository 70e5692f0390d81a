// main() for test programs that need a QApplication (widgets, painting,
// clipboard). Tests run headless: QT_QPA_PLATFORM defaults to offscreen.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
