#include "Privileges.h"

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

bool HandOver(const std::string& Folder)
{
    if (lchown(Folder.c_str(), kNobody, kNobody) != 0)
        return false;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(Folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        if (lchown(it->path().c_str(), kNobody, kNobody) != 0)
            return false;
    return !error;
}

} // namespace

bool WithoutPrivileges(const std::string& Folder, const std::function<bool()>& Body)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        if (geteuid() == 0 && (!HandOver(Folder) || setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(2);
        _exit(Body() ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
