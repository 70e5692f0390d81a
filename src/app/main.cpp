// The program's start: the application object, the library start-up work
// and the main window, then the event loop until the main window closes.
// Until the main form exists, the window shows one editor holding the file
// named on the command line (Shift-JIS text).
#include "Application.h"
#include "EditorBase.h"
#include "TerminationSignals.h"
#include "edLibrary.h"

#include "SysUtils.h"

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

// The editor as the page editor shows it: the program's Japanese face,
// word wrap, scroll bars, line numbers, ruler and end marks.
TEditor* CreatePageEditor()
{
    TEditor* editor = TEditor::Create<TEditor>();
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    font.SetColor(clBlack);
    editor->SetFont(&font);
    editor->SetScrollBars(TScrollStyle::ssBoth);
    editor->SetWordWrap(true);
    editor->Leftbar()->SetVisible(true);
    editor->Ruler()->SetVisible(true);
    editor->Marks()->RetMark()->SetVisible(true);
    editor->Marks()->EofMark()->SetVisible(true);
    return editor;
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    StartEditorLibrary();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Velk"));
    window.resize(800, 600);
    TEditor* editor = CreatePageEditor();
    window.setCentralWidget(editor);
    if (argc > 1) {
        try {
            editor->Lines()->LoadFromFile(argv[1]);
            editor->SetModified(false);
        } catch (const Exception& e) {
            std::cerr << "velk: " << e.what() << std::endl;
        }
    }
    TTerminationSignals terminationSignals([&window] { window.close(); });

    window.show();
    ReportReadyWhenAsked();
    return app.exec();
}
