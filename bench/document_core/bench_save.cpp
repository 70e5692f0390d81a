// What Ctrl+S of a document of 10,000 pages of Japanese text (about 41 MB)
// costs after a Ctrl+S, beside the floor of the same bytes on the same
// disk, in the same run:
// - SaveAfterSave: the check a save makes first (has another program
//   changed the file since the last save?), then WriteDocumentFile.
// - Floor: the same bytes written to a new file beside the document,
//   flushed to disk and renamed over it.
// - SaveInPlaceAfterSave, FloorInPlace: the same where the saver can keep
//   neither the file's owner nor its group (another user's document in a
//   shared folder): a whole copy is written beside the file and flushed,
//   then the file is rewritten in place and flushed, and the copy goes.
//   They need root, to give the document another owner.
// The counter peak_mb is how far the process's resident memory rose above
// what it was before the saves (the document itself is already in it).
// The files are written in the current folder: run it on the disk to
// measure, with repetitions taken in turns, for instance
//   bench_save --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true
#include "../common/PeakMemory.h"
#include "../editor_text/JapanesePage.h"
#include "DocumentFile.h"
#include "PageTitle.h"

#include <benchmark/benchmark.h>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* DocumentName = "bench_save.vk2";

const TFlatPages& Document()
{
    static const TFlatPages pages = [] {
        bench::TPageWriter writer(41);
        TFlatPages result;
        for (int i = 0; i < 10000; ++i) {
            std::string text = writer.Page(4096);
            result.push_back({i % 4, PageTitle(text), std::move(text), 7, i % 9 == 0 ? 2 : -1});
        }
        return result;
    }();
    return pages;
}

const std::string& Encoded()
{
    static const std::string bytes = EncodeVk2(Document(), 3, 0);
    return bytes;
}

// The system calls, except that a file can be given no other owner or
// group: a member of a shared folder saving another member's document.
class TNoOwnerChange : public TFileSystem {
public:
    int SetOwner(int, uid_t, gid_t) override { return EPERM; }
};

// A document written by another user, whom this one cannot give a file.
bool MakeOthersDocument(benchmark::State& State)
{
    WriteDocumentFile(DocumentName, Document(), 3, 0);
    if (chown(DocumentName, 65534, 65534) != 0) {
        State.SkipWithError("giving the document another owner needs root");
        return false;
    }
    return true;
}

void Report(benchmark::State& State, const bench::TPeakMemory& Peak)
{
    State.counters["peak_mb"] = Peak.RiseMegabytes();
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Encoded().size()));
    unlink(DocumentName);
}

void SaveAfterSave(benchmark::State& State, TFileSystem& System)
{
    const TFlatPages& pages = Document();
    std::optional<TFileVersion> saved = WriteDocumentFile(DocumentName, pages, 3, 0, System);
    const bench::TPeakMemory peak;
    for (auto _ : State) {
        if (ChangedOnDisk(*saved, DocumentName)) {
            State.SkipWithError("the save asked about a change it made itself");
            break;
        }
        saved = WriteDocumentFile(DocumentName, pages, 3, 0, System);
    }
    Report(State, peak);
}

void SaveAfterSave(benchmark::State& State) { SaveAfterSave(State, SystemFileSystem()); }

void SaveInPlaceAfterSave(benchmark::State& State)
{
    if (!MakeOthersDocument(State))
        return;
    TNoOwnerChange system;
    SaveAfterSave(State, system);
}

// Writes Bytes to the open file Fd and flushes them to disk.
bool WriteAndFlush(int Fd, const std::string& Bytes)
{
    for (size_t done = 0; done < Bytes.size();) {
        const ssize_t n = write(Fd, Bytes.data() + done, Bytes.size() - done);
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return fsync(Fd) == 0;
}

// Writes Bytes to a new file Name, flushed to disk.
bool WriteNewFile(const char* Name, const std::string& Bytes)
{
    const int fd = open(Name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = WriteAndFlush(fd, Bytes);
    return close(fd) == 0 && written;
}

// Writes Bytes over the bytes of the existing file Name, flushed to disk.
bool Rewrite(const char* Name, const std::string& Bytes)
{
    const int fd = open(Name, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ftruncate(fd, 0) == 0 && WriteAndFlush(fd, Bytes);
    return close(fd) == 0 && written;
}

void Floor(benchmark::State& State)
{
    const std::string& bytes = Encoded();
    WriteDocumentFile(DocumentName, Document(), 3, 0);
    const bench::TPeakMemory peak;
    for (auto _ : State)
        if (!WriteNewFile("bench_save.tmp", bytes) || rename("bench_save.tmp", DocumentName) != 0) {
            State.SkipWithError("the write failed");
            break;
        }
    Report(State, peak);
}

void FloorInPlace(benchmark::State& State)
{
    const std::string& bytes = Encoded();
    if (!MakeOthersDocument(State))
        return;
    const bench::TPeakMemory peak;
    for (auto _ : State)
        if (!WriteNewFile("bench_save.copy", bytes) || !Rewrite(DocumentName, bytes)
            || unlink("bench_save.copy") != 0) {
            State.SkipWithError("the write failed");
            break;
        }
    Report(State, peak);
}

} // namespace

BENCHMARK(Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveAfterSave)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorInPlace)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveInPlaceAfterSave)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
