// A second instance for the instance tests. Argument: the runtime folder.
// Commands on standard input, one a line, each answered by one line:
//   caption TEXT   -> "ok"           single      -> "single 0|1"
//   open TEXT      -> "open 0|1"     broadcast TEXT -> "sent N"
//   spawn          -> "child PID" (a program that runs on by itself)
// A text from another instance is reported as "message TEXT".
#include "Instances.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

void Reply(const std::string& Line)
{
    std::cout << Line << std::endl;
}

void Run(TInstanceRegistry& Registry, const std::string& Line)
{
    const size_t blank = Line.find(' ');
    const std::string command = Line.substr(0, blank);
    const std::string text = blank == std::string::npos ? "" : Line.substr(blank + 1);
    if (command == "caption") {
        Registry.SetCaption(text);
        Reply("ok");
    } else if (command == "single") {
        Reply(std::string("single ") + (Registry.IsSingleInstance() ? "1" : "0"));
    } else if (command == "open") {
        Reply(std::string("open ") + (Registry.IsCaptionOpen(text) ? "1" : "0"));
    } else if (command == "broadcast") {
        Reply("sent " + std::to_string(Registry.Broadcast(text)));
    } else if (command == "spawn") {
        qint64 pid = 0;
        QProcess::startDetached("sleep", {"600"}, {}, &pid);
        Reply("child " + std::to_string(pid));
    } else {
        Reply("unknown " + command);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    TInstanceRegistry registry(argv[1]);
    if (!registry.Registered()) {
        Reply("error " + registry.RegistrationError());
        return 1;
    }
    registry.OnMessage = [](const std::string& Text) { Reply("message " + Text); };

    std::string pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            app.quit();
            return;
        }
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            Run(registry, line);
        }
    });
    Reply("ready");
    return app.exec();
}
