// The program's start: the application object, the library start-up work
// and the main window, then the event loop until the main window closes.
// Until the main form exists, the window shows one editor holding the file
// named on the command line (Shift-JIS text).
#include "Application.h"
#include "Dialogs.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "TerminationSignals.h"
#include "edLibrary.h"

#include <QMainWindow>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

// Tests start the program and wait for this line before they drive it.
void ReportReadyWhenAsked()
{
    const char* report = std::getenv("VELK_REPORT_READY");
    if (report && std::strcmp(report, "1") == 0)
        QTimer::singleShot(0, [] { std::cout << "velk: ready" << std::endl; });
}

// The editor as the page editor shows it: the program's Japanese face,
// word wrap under the Japanese line-breaking rules, scroll bars, line
// numbers, ruler and end marks.
TEditorEx* CreatePageEditor()
{
    TEditorEx* editor = TEditor::Create<TEditorEx>();
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    font.SetColor(clBlack);
    editor->SetFont(&font);
    editor->SetScrollBars(TScrollStyle::ssBoth);
    editor->WrapOption()->SetLeading(true);
    editor->WrapOption()->SetFollowPunctuation(true);
    editor->SetWordWrap(true);
    editor->Leftbar()->SetVisible(true);
    editor->Ruler()->SetVisible(true);
    editor->Marks()->RetMark()->SetVisible(true);
    editor->Marks()->EofMark()->SetVisible(true);
    return editor;
}

// The file named on the command line, as Shift-JIS text.
void OpenStartFile(TEditor& Editor, const char* OsName)
{
    const std::optional<std::string> fileName = FileNameFromOs(OsName);
    if (!fileName)
        return;
    CatchExceptions([&] {
        Editor.Lines()->LoadFromFile(*fileName);
        Editor.SetModified(false);
    });
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    StartEditorLibrary();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Velk"));
    window.resize(800, 600);
    TEditorEx* editor = CreatePageEditor();
    window.setCentralWidget(editor);
    TTerminationSignals terminationSignals([&window] { window.close(); });

    window.show();
    editor->setFocus();
    if (argc > 1)
        OpenStartFile(*editor, argv[1]);
    ReportReadyWhenAsked();
    return app.exec();
}
