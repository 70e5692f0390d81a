// Deleting every file below a folder of 100 folders holding 100 files
// each, against `find DIR -type f -delete` on the same tree, made afresh
// (outside the timing) before every run of either. The tree lies in the
// temporary folder (TMPDIR): on a disk shared with other work, journal
// stalls swamp both; TMPDIR=/dev/shm measures the walk itself.
#include "DeleteFilesBelow.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;

struct TBenchTree {
    std::string Root;

    TBenchTree()
    {
        std::string pattern = (fs::temp_directory_path() / "velk-bench-XXXXXX").string();
        Root = mkdtemp(pattern.data());
    }
    ~TBenchTree() { fs::remove_all(Root); }

    // The folders with their files; the folders stay between runs.
    void Fill() const
    {
        for (int folder = 0; folder < kFolders; ++folder) {
            const std::string path = Root + "/d" + std::to_string(folder);
            mkdir(path.c_str(), 0755);
            for (int file = 0; file < kFilesPerFolder; ++file) {
                const int fd = open((path + "/f" + std::to_string(file) + ".txt").c_str(), O_CREAT | O_WRONLY, 0644);
                if (fd < 0 || write(fd, "data", 4) != 4)
                    std::abort();
                close(fd);
            }
        }
    }
};

void BM_DeleteFilesBelow(benchmark::State& State)
{
    const TBenchTree tree;
    for (auto _ : State) {
        State.PauseTiming();
        tree.Fill();
        State.ResumeTiming();
        if (DeleteFilesBelow(tree.Root) != kFolders * kFilesPerFolder)
            State.SkipWithError("not every file was deleted");
    }
}

void BM_FindDelete(benchmark::State& State)
{
    const TBenchTree tree;
    for (auto _ : State) {
        State.PauseTiming();
        tree.Fill();
        State.ResumeTiming();
        const pid_t child = fork();
        if (child == 0) {
            execlp("find", "find", tree.Root.c_str(), "-type", "f", "-delete", static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            State.SkipWithError("find failed");
    }
}

BENCHMARK(BM_DeleteFilesBelow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3);
BENCHMARK(BM_FindDelete)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3);

} // namespace

BENCHMARK_MAIN();
