// The outputs' speed on a document of 10,000 pages of 4 KB of Japanese
// text (about 41 MB):
// - hierarchical text and the whole document as text (output 0), against
//   joining the same page texts with memcpy;
// - reading 40 MB of hierarchical text into a tree, against decoding the
//   same document from its document-file bytes into a tree;
// - the HTML export of 1,000 pages to a folder (atomic writes), against
//   writing the same bytes to the same files without a temporary file or
//   flush, and atomically file by file with a flush each; and the pages
//   alone made in memory.
// The HTML files are written under the current folder (run it on a real
// disk).
#include "../editor_text/JapanesePage.h"
#include "Files.h"
#include "HtmlExport.h"
#include "NodeData.h"
#include "TextOutputs.h"
#include "TreeNodes.h"
#include "TreeText.h"
#include "Vk2Codec.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

TFlatPages MakePages(int Count, size_t PageBytes)
{
    bench::TPageWriter writer(29);
    TFlatPages pages;
    for (int i = 0; i < Count; ++i) {
        const std::string title = writer.Line(30);
        pages.push_back({i % 4, title, title + "\r\n" + writer.Page(PageBytes)});
    }
    return pages;
}

const TTreeNodes& Document()
{
    static TTreeNodes nodes;
    if (nodes.Count() == 0)
        BuildTree(nodes, MakePages(10000, 4096), TDepthPolicy::Strict);
    return nodes;
}

size_t DocumentBytes()
{
    static const size_t bytes = TextOutputBytes(tokAll, Document(), *Document().GetFirstNode(), {}).size();
    return bytes;
}

void CountBytes(benchmark::State& State, size_t Bytes)
{
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes));
}

void ExportTreeText(benchmark::State& State)
{
    DocumentBytes(); // made before the clock runs
    size_t bytes = 0;
    for (auto _ : State) {
        const std::string text = TreeTextOfTree(Document());
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    CountBytes(State, bytes);
}

void ExportWholeText(benchmark::State& State)
{
    DocumentBytes(); // made before the clock runs
    for (auto _ : State)
        benchmark::DoNotOptimize(TextOutputBytes(tokAll, Document(), *Document().GetFirstNode(), {}));
    CountBytes(State, DocumentBytes());
}

// The peer: the page texts joined by memcpy into one presized buffer.
void JoinWithMemcpy(benchmark::State& State)
{
    DocumentBytes(); // made before the clock runs
    for (auto _ : State) {
        std::string out(DocumentBytes(), '\0');
        char* p = out.data();
        for (const TTreeNode* node = Document().GetFirstNode(); node; node = node->GetNext()) {
            const std::string& text = static_cast<const TNodeData*>(node->Data())->ItemStr();
            std::memcpy(p, text.data(), text.size());
            p += text.size();
        }
        benchmark::DoNotOptimize(out.data());
    }
    CountBytes(State, DocumentBytes());
}

const std::string& TreeText40MB()
{
    static const std::string text = TreeTextOfTree(Document());
    return text;
}

void ImportTreeText(benchmark::State& State)
{
    TreeText40MB();
    for (auto _ : State) {
        TTreeNodes nodes;
        BuildTree(nodes, ParseTreeText(TreeText40MB()), TDepthPolicy::Clamp);
        benchmark::DoNotOptimize(nodes.Count());
    }
    CountBytes(State, TreeText40MB().size());
}

void DecodeDocumentFile(benchmark::State& State)
{
    static const std::string encoded = EncodeVk2(FlattenTree(Document()), 0, 0);
    for (auto _ : State) {
        TTreeNodes nodes;
        BuildTree(nodes, DecodeVk2(encoded, 0).Pages, TDepthPolicy::Strict);
        benchmark::DoNotOptimize(nodes.Count());
    }
    CountBytes(State, encoded.size());
}

const TTreeNodes& HtmlDocument()
{
    static TTreeNodes nodes;
    if (nodes.Count() == 0) {
        TFlatPages pages = MakePages(1000, 4096);
        for (size_t i = 0; i < pages.size(); ++i)
            pages[i].Depth = i == 0 ? 0 : 1 + static_cast<int>(i % 3 == 2);
        BuildTree(nodes, pages, TDepthPolicy::Strict);
    }
    return nodes;
}

// In the temporary folder ($TMPDIR picks the file system measured), never
// in the folder the benchmark runs from.
std::string HtmlFolder()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velk-bench-html";
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

void ExportHtml(benchmark::State& State)
{
    const std::string folder = HtmlFolder();
    HtmlDocument();
    for (auto _ : State)
        WriteOutputFiles(HtmlFiles(*HtmlDocument().GetFirstNode(), folder));
    State.SetLabel("1000 pages");
}

// Each file written atomically by itself, flushed one by one.
void WriteHtmlFileByFile(benchmark::State& State)
{
    const TOutputFiles files = HtmlFiles(*HtmlDocument().GetFirstNode(), HtmlFolder());
    for (auto _ : State)
        for (const TOutputFile& file : files)
            WriteFileAtomic(file.Name, file.Bytes);
    State.SetLabel("1000 pages");
}

// The pages alone, made in memory.
void MakeHtml(benchmark::State& State)
{
    HtmlDocument();
    for (auto _ : State)
        benchmark::DoNotOptimize(HtmlFiles(*HtmlDocument().GetFirstNode(), "/"));
    State.SetLabel("1000 pages");
}

void WriteHtmlPlainly(benchmark::State& State)
{
    const TOutputFiles files = HtmlFiles(*HtmlDocument().GetFirstNode(), HtmlFolder());
    for (auto _ : State)
        for (const TOutputFile& file : files)
            std::ofstream(file.Name, std::ios::binary)
                .write(file.Bytes.data(), static_cast<std::streamsize>(file.Bytes.size()));
    State.SetLabel("1000 pages");
}

BENCHMARK(ExportTreeText)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportWholeText)->Unit(benchmark::kMillisecond);
BENCHMARK(JoinWithMemcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportTreeText)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeDocumentFile)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(MakeHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteHtmlFileByFile)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteHtmlPlainly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
