// The program's start: the application object, the library start-up work
// and the main window, then the event loop until the main window closes.
#include "Main.h"
#include "Application.h"
#include "Cp932.h"
#include "DeferredNotices.h"
#include "DialogHook.h"
#include "EditorLibrary.h"
#include "EnvironmentDialogs.h"
#include "ExceptionHandler.h"
#include "Instances.h"
#include "Paths.h"
#include "QtTranslations.h"
#include "ScriptedDialogs.h"
#include "SessionEnd.h"
#include "StartDocument.h"
#include "TerminationSignals.h"
#include "WordFiles.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

// Tests start the program and wait for this line before they drive it;
// they also read the texts other instances send.
bool ReportsAreAsked()
{
    const char* report = std::getenv("VELK_REPORT_READY");
    return report && std::strcmp(report, "1") == 0;
}

// Reports each question put on the screen, so that a test knows the
// program waits for a person; a question answered from a script is not.
class TReportedQuestions : public TDialogHook {
public:
    TReportedQuestions() : Asked_(DialogHook()), Replaced_(SetDialogHook(this)) {}
    ~TReportedQuestions() override { SetDialogHook(Replaced_); }
    TReportedQuestions(const TReportedQuestions&) = delete;
    TReportedQuestions& operator=(const TReportedQuestions&) = delete;

    TDialogAnswer Ask(const TDialogQuestion& Question) override
    {
        std::cout << "velk: asking " << Question.Text << std::endl;
        return Asked_.Ask(Question);
    }

private:
    TDialogHook& Asked_;
    TDialogHook* Replaced_;
};

std::vector<std::string> StartParameters(int Argc, char** Argv)
{
    std::vector<std::string> parameters;
    for (int i = 1; i < Argc; ++i)
        parameters.push_back(ParameterFileName(Argv[i]));
    return parameters;
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    if (!UseJapaneseInQtWindows(app))
        std::cerr << "velk: Qt's Japanese translations are not installed" << std::endl;
    StartEditorLibrary();
    InstallWordFiles(ProgramFolder());
    const std::unique_ptr<TScriptedDialogs> scriptedDialogs = DialogsFromEnvironment();
    std::optional<TReportedQuestions> reportedQuestions;
    if (ReportsAreAsked() && !scriptedDialogs)
        reportedQuestions.emplace();
    const std::vector<std::string> parameters = StartParameters(argc, argv);

    TInstanceRegistry instances;
    if (!instances.Registered())
        std::cerr << "velk: " << instances.RegistrationError() << std::endl;
    // What goes wrong while the document opens is told over the window.
    TDeferredNotices startNotices;
    TVelkForm form(instances);
    if (ReportsAreAsked()) {
        auto formHandler = instances.OnMessage;
        instances.OnMessage = [formHandler](const std::string& Text) {
            formHandler(Text);
            std::cout << "velk: message " << SjisToUtf8(Text) << std::endl;
        };
    }
    // A request to end the program closes the window as the user would.
    // One that comes while the start still waits for an answer (another
    // copy holds the document) ends that question as declined and the start
    // with it, so that the run folder is left clean and nothing hangs on.
    bool started = false;
    bool endAsked = false;
    TTerminationSignals terminationSignals([&] {
        if (started) {
            form.close();
            return;
        }
        endAsked = true;
        if (QWidget* question = QApplication::activeModalWidget())
            question->close();
    });
    // A second instance told not to open the document the first one holds
    // ends here, without a window.
    const TStartOutcome outcome = form.FormCreate(parameters);
    started = true;
    if (outcome == TStartOutcome::Quit) {
        if (!endAsked)
            startNotices.Release();
        return 0;
    }
    // Logging out of the desktop closes the window as a close request does,
    // while the session manager waits for the answer.
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &form,
        [&form](QSessionManager& Manager) {
            CatchExceptions([&] {
                form.SessionEnding({[&Manager] { return Manager.allowsInteraction(); },
                                    [&Manager] { Manager.release(); }, [&Manager] { Manager.cancel(); }});
            });
        },
        Qt::DirectConnection);
    form.show();
    if (ReportsAreAsked())
        QTimer::singleShot(0, [] { std::cout << "velk: ready" << std::endl; });
    if (endAsked)
        QTimer::singleShot(0, &form, [&form] { form.close(); });
    else
        QTimer::singleShot(0, [&startNotices] { startNotices.Release(); });
    return app.exec();
}
