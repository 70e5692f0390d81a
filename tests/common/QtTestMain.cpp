// main() for test programs that need a QApplication (widgets, painting,
// clipboard). Tests run headless: QT_QPA_PLATFORM defaults to offscreen.
// The application object is the program's own, so an exception that leaves
// an event handler is handled as in the program, and every modal question
// gets a scripted answer: nothing ever waits for a person.
#include "Application.h"
#include "ScriptedDialogs.h"

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Each test starts with no key held, as in a process of its own. Qt keeps
// the modifiers of the last input event: after a test's Ctrl+click or
// Shift+click nothing lets the key go, and the next test's clicks would
// add to a selection or its symbol would go in with a line break.
class TNoKeyHeld : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        if (QGuiApplication::keyboardModifiers() == Qt::NoModifier)
            return;
        // A key let go with no modifier down tells Qt that none is.
        QWidget releasedOn;
        QTest::keyRelease(&releasedOn, Qt::Key_Control);
    }
};

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv);
    TScriptedDialogs unscripted;
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new TNoKeyHeld);
    return RUN_ALL_TESTS();
}
