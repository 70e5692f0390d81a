// Work a test runs in a process of its own: as another user, or to have
// the id of a process that has ended.
#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// What Body, run in a child process, writes to the descriptor it is given;
// the child ends when Body returns. "" when nothing came.
inline std::string OutputOfChild(const std::function<void(int Fd)>& Body)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        Body(channel[1]);
        _exit(0);
    }
    close(channel[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(n));
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return output;
}

// Writes Text whole to Fd, or ends the child with status 1.
inline void SendFromChild(int Fd, const std::string& Text)
{
    if (write(Fd, Text.data(), Text.size()) != static_cast<ssize_t>(Text.size()))
        _exit(1);
}

// The id of a process that has ended (until the system reuses it).
inline pid_t EndedProcessId()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}
