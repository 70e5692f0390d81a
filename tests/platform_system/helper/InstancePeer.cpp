// Another instance for the instance tests. Argument: the runtime folder.
// Commands on standard input, one a line, each answered by one line:
// "caption TEXT" -> "ok", "single" -> "single 0|1", "open TEXT" -> "open 0|1",
// "broadcast TEXT" -> "sent N", "spawn" -> "child PID" (a program that runs
// on by itself). A text from another instance is reported as "message TEXT".
#include "Instances.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>

#include <iostream>
#include <string>
#include <unistd.h>

namespace {

std::string Answer(TInstanceRegistry& Registry, const std::string& Command, const std::string& Text)
{
    if (Command == "caption") {
        Registry.SetCaption(Text);
        return "ok";
    }
    if (Command == "single")
        return std::string("single ") + (Registry.IsSingleInstance() ? "1" : "0");
    if (Command == "open")
        return std::string("open ") + (Registry.IsCaptionOpen(Text) ? "1" : "0");
    if (Command == "broadcast")
        return "sent " + std::to_string(Registry.Broadcast(Text));
    if (Command == "spawn") {
        qint64 pid = 0;
        QProcess::startDetached("sleep", {"600"}, {}, &pid);
        return "child " + std::to_string(pid);
    }
    return "unknown " + Command;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    TInstanceRegistry registry(argv[1]);
    if (!registry.Registered()) {
        std::cout << "error " << registry.RegistrationError() << std::endl;
        return 1;
    }
    registry.OnMessage = [](const std::string& Text) { std::cout << "message " << Text << std::endl; };

    std::string pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0)
            return app.quit();
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
            const std::string line = pending.substr(0, end);
            const size_t blank = std::min(line.find(' '), line.size());
            std::cout << Answer(registry, line.substr(0, blank), line.substr(std::min(blank + 1, line.size())))
                      << std::endl;
        }
    });
    std::cout << "ready" << std::endl;
    return app.exec();
}
