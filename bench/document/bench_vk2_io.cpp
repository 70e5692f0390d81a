// The document file's speed on two documents: 10,000 pages of 4 KB of
// Japanese text (about 41 MB) and one page of 50 MB, each titled by its
// first line as the program titles pages.
// - Encode and Decode in memory, against memcpy of the same byte count.
// - A full save (temporary file, write, fsync, rename, folder fsync)
//   against a plain write + fsync of the same bytes to one file.
// - Opening the 41 MB document as the window does: read the file, check and
//   decode it, build the tree and show the first page in the editor.
// The files are written in the current folder (run it on a real disk).
#include "../editor_text/JapanesePage.h"
#include "BenchHost.h"
#include "DocumentFile.h"
#include "EditorEx.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "PageTitle.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const TFlatPages& Document(int Which)
{
    static const TFlatPages documents[2] = {
        [] {
            bench::TPageWriter writer(41);
            TFlatPages pages;
            for (int i = 0; i < 10000; ++i) {
                std::string text = writer.Page(4096);
                pages.push_back({i % 4, PageTitle(text), std::move(text), 7, i % 9 == 0 ? 2 : -1});
            }
            return pages;
        }(),
        [] {
            bench::TPageWriter writer(50);
            std::string text = writer.Page(50 * 1024 * 1024);
            return TFlatPages{{0, PageTitle(text), std::move(text), 0, -1}};
        }(),
    };
    return documents[Which];
}

const std::string& Encoded(int Which)
{
    static const std::string encoded[2] = {EncodeVk2(Document(0), 3, 0), EncodeVk2(Document(1), 0, 0)};
    return encoded[Which];
}

void Label(benchmark::State& State)
{
    State.SetLabel(State.range(0) == 0 ? "10000 pages x 4 KB" : "one 50 MB page");
    State.SetBytesProcessed(
        static_cast<int64_t>(State.iterations() * Encoded(static_cast<int>(State.range(0))).size()));
}

void Encode(benchmark::State& State)
{
    const TFlatPages& pages = Document(static_cast<int>(State.range(0)));
    for (auto _ : State)
        benchmark::DoNotOptimize(EncodeVk2(pages, 3, 0));
    Label(State);
}

void Decode(benchmark::State& State)
{
    const std::string& bytes = Encoded(static_cast<int>(State.range(0)));
    for (auto _ : State)
        benchmark::DoNotOptimize(DecodeVk2(bytes, 30));
    Label(State);
}

void Memcpy(benchmark::State& State)
{
    const std::string& bytes = Encoded(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        std::string copy(bytes.size(), '\0');
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
    }
    Label(State);
}

void Save(benchmark::State& State)
{
    const TFlatPages& pages = Document(static_cast<int>(State.range(0)));
    for (auto _ : State)
        WriteDocumentFile("bench_vk2_io.vk2", pages, 3, 0);
    unlink("bench_vk2_io.vk2");
    Label(State);
}

void WriteAndSync(benchmark::State& State)
{
    const std::string& bytes = Encoded(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        const int fd = open("bench_vk2_io.raw", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (size_t done = 0; done < bytes.size();) {
            const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0) {
                State.SkipWithError("write failed");
                break;
            }
            done += static_cast<size_t>(n);
        }
        if (fsync(fd) != 0)
            State.SkipWithError("fsync failed");
        close(fd);
    }
    unlink("bench_vk2_io.raw");
    Label(State);
}

void Open(benchmark::State& State)
{
    const std::unique_ptr<TEditorEx> memo(TEditor::Create<TEditorEx>());
    memo->resize(1280, 960);
    memo->show();
    bench::TBenchHost host(memo.get());
    TTreeView tree;
    TOutlineBinding binding(tree, host);
    WriteDocumentFile("bench_vk2_io.vk2", Document(0), 0, 0);
    for (auto _ : State) {
        const TVk2Document document = ReadDocumentFile("bench_vk2_io.vk2", 30);
        tree.Items().Clear();
        TTreeNode* first = BuildTree(tree.Items(), document.Pages, TDepthPolicy::Strict);
        binding.ShowPage(static_cast<const TNodeData*>(first->Data()));
        memo->viewport()->repaint();
    }
    unlink("bench_vk2_io.vk2");
    Label(State);
}

} // namespace

BENCHMARK(Encode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Decode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Memcpy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteAndSync)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Open)->Arg(0)->Unit(benchmark::kMillisecond);
