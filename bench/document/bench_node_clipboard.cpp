// Copying and pasting a 10,000-page subtree (4 KB of Japanese text per
// page, about 41 MB) through the page clipboard's stream, against memcpy
// of the same byte count in the same run:
// - Copy: the subtree's pages taken from the tree and encoded.
// - Decode: the stream checked and decoded into pages.
// - Paste: decoded and placed into a tree after its selected page
//   (removing the pasted pages again is not timed).
#include "../editor_text/JapanesePage.h"
#include "NodeClipboardCodec.h"
#include "SubtreeItems.h"
#include "TreeNodes.h"

#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr int Pages = 10000;

// A root page with its descendants four levels deep.
const TFlatPages& Subtree()
{
    static const TFlatPages pages = [] {
        bench::TPageWriter writer(41);
        TFlatPages list;
        for (int i = 0; i < Pages; ++i)
            list.push_back({i == 0 ? 0 : 1 + i % 4, writer.Line(30), writer.Page(4096), 7, i % 9 == 0 ? 2 : -1});
        return list;
    }();
    return pages;
}

const std::string& Stream()
{
    static const std::string stream = EncodeNodeClipboard(Subtree());
    return stream;
}

void Bytes(benchmark::State& State)
{
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Stream().size()));
}

void Copy(benchmark::State& State)
{
    TTreeNodes nodes;
    nodes.Add(nullptr, "before");
    TTreeNode* root = BuildTree(nodes, Subtree(), TDepthPolicy::ChildOfPrevious);
    for (auto _ : State)
        benchmark::DoNotOptimize(EncodeNodeClipboard(AddSubtreeItems(*root)));
    Bytes(State);
}

void Decode(benchmark::State& State)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(DecodeNodeClipboard(Stream(), 30));
    Bytes(State);
}

void Paste(benchmark::State& State)
{
    TTreeNodes nodes;
    TTreeNode* selected = nodes.Add(nullptr, "selected");
    nodes.Add(nullptr, "after");
    for (auto _ : State) {
        TTreeNode* first = RebuildSubtree(nodes, selected, DecodeNodeClipboard(Stream(), 30));
        State.PauseTiming();
        nodes.Delete(first);
        State.ResumeTiming();
    }
    Bytes(State);
}

void Memcpy(benchmark::State& State)
{
    std::string copy(Stream().size(), '\0');
    for (auto _ : State) {
        std::memcpy(copy.data(), Stream().data(), copy.size());
        benchmark::ClobberMemory();
    }
    Bytes(State);
}

BENCHMARK(Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(Paste)->Unit(benchmark::kMillisecond);
BENCHMARK(Memcpy)->Unit(benchmark::kMillisecond);

} // namespace
