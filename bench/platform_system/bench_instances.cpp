// Looking for other instances in a folder of 5 running instances, with and
// without 20 entries left by crashed ones (remade before every pass): the
// lock-based registry against the pid-file check kill(pid, 0), which is
// cheaper but trusts a pid that the system may have handed to another
// program, and removes nothing.
#include "Instances.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int LiveCount = 5;
constexpr int StaleCount = 20;
// Above any pid the system hands out, so no process holds them.
constexpr int FirstStalePid = 2000000000;

void WriteFile(const std::string& Path, const std::string& Data)
{
    const int fd = ::open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, Data.data(), Data.size()) != static_cast<ssize_t>(Data.size()))
        std::abort();
    ::close(fd);
}

// A folder with the running instances; Qt is not touched in the children.
class Folder {
public:
    Folder()
    {
        char pattern[] = "/tmp/velk-bench-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        Path = std::string(pattern) + "/";
        for (int i = 0; i < LiveCount; ++i) {
            int ready[2];
            if (::pipe(ready) != 0)
                std::abort();
            const pid_t pid = ::fork();
            if (pid == 0) {
                const std::string base = Path + std::to_string(::getpid());
                const int lock = ::open((base + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
                ::flock(lock, LOCK_EX);
                WriteFile(base + ".caption", "/docs/live.vk2");
                (void)::write(ready[1], "x", 1);
                ::pause();
                ::_exit(0);
            }
            char byte;
            (void)::read(ready[0], &byte, 1);
            ::close(ready[0]);
            ::close(ready[1]);
            Children.push_back(pid);
        }
    }
    ~Folder()
    {
        for (const pid_t pid : Children) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        (void)std::system(("rm -rf " + Path).c_str());
    }
    void AddStale() const
    {
        for (int i = 0; i < StaleCount; ++i) {
            const std::string base = Path + std::to_string(FirstStalePid + i);
            WriteFile(base + ".lock", "");
            WriteFile(base + ".caption", "/docs/old.vk2");
        }
    }

    std::string Path;
    std::vector<pid_t> Children;
};

Folder& Shared()
{
    static Folder folder;
    return folder;
}

void BM_RegistryIsSingleInstance(benchmark::State& State)
{
    Folder& folder = Shared();
    TInstanceRegistry self(folder.Path);
    for (auto _ : State) {
        if (State.range(0) != 0) {
            State.PauseTiming();
            folder.AddStale();
            State.ResumeTiming();
        }
        benchmark::DoNotOptimize(self.IsSingleInstance());
    }
}
BENCHMARK(BM_RegistryIsSingleInstance)->Arg(0)->Arg(StaleCount)->Unit(benchmark::kMicrosecond);

void BM_RegistryIsCaptionOpen(benchmark::State& State)
{
    Folder& folder = Shared();
    TInstanceRegistry self(folder.Path);
    for (auto _ : State) {
        if (State.range(0) != 0) {
            State.PauseTiming();
            folder.AddStale();
            State.ResumeTiming();
        }
        benchmark::DoNotOptimize(self.IsCaptionOpen("/docs/absent.vk2"));
    }
}
BENCHMARK(BM_RegistryIsCaptionOpen)->Arg(0)->Arg(StaleCount)->Unit(benchmark::kMicrosecond);

// The peer: list the folder and ask the system whether each pid exists.
void BM_PidFileCheck(benchmark::State& State)
{
    Folder& folder = Shared();
    folder.AddStale();
    for (auto _ : State) {
        int alive = 0;
        DIR* dir = ::opendir(folder.Path.c_str());
        while (const dirent* entry = ::readdir(dir)) {
            const long pid = std::atol(entry->d_name);
            if (pid > 0 && std::string(entry->d_name).ends_with(".lock") && ::kill(static_cast<pid_t>(pid), 0) == 0)
                ++alive;
        }
        ::closedir(dir);
        benchmark::DoNotOptimize(alive);
    }
}
BENCHMARK(BM_PidFileCheck)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
