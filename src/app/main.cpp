// The program's start: the application object, the library start-up work
// and the main window, then the event loop until the main window closes.
#include "TerminationSignals.h"
#include "edLibrary.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

// Tests start the program and wait for this line before they drive it.
void ReportReadyWhenAsked()
{
    const char* report = std::getenv("VELK_REPORT_READY");
    if (report && std::strcmp(report, "1") == 0)
        QTimer::singleShot(0, [] { std::cout << "velk: ready" << std::endl; });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    StartEditorLibrary();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Velk"));
    window.resize(800, 600);
    TTerminationSignals terminationSignals([&window] { window.close(); });

    window.show();
    ReportReadyWhenAsked();
    return app.exec();
}
