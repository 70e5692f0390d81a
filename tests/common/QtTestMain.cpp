// main() for test programs that need a QApplication (widgets, painting,
// clipboard). Tests run headless: QT_QPA_PLATFORM defaults to offscreen.
// The application object is the program's own, so an exception that leaves
// an event handler is handled as in the program, and every modal question
// gets a scripted answer: nothing ever waits for a person.
#include "Application.h"
#include "ScriptedDialogs.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv);
    TScriptedDialogs unscripted;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
