// The line-layout routines on generated Shift-JIS text: WrapLines over 8 MB
// (prose, one 8 MB line, 8 MB of 亜, an 8 MB English word, 8 MB of "。"),
// and sorting and duplicate-line removal of 200,000 lines. Each is run
// beside a peer in the same run: a wrap that only keeps double-byte
// characters whole, TStringList's own sort, and std::sort + std::unique.
//
//   bench_textlayout --benchmark_filter=WrapLines
#include "Cp932.h"
#include "Sjis.h"
#include "StrDeleteEtc.h"
#include "StrSort.h"
#include "Strings.h"
#include "WrapLines.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace textconv;

namespace {

constexpr size_t kTextSize = 8 << 20;
constexpr int kSortLines = 200000;

void AppendCode(std::string& Text, unsigned Code)
{
    if (Code > 0xFF)
        Text += static_cast<char>(Code >> 8);
    Text += static_cast<char>(Code & 0xFF);
}

// A seeded mix like Japanese prose: 35 % hiragana, 25 % kanji, 10 %
// katakana, 10 % ASCII words, 7 % half-width kana, 6 % full-width
// alphanumerics, the rest punctuation, brackets and blanks. A line ends
// after Min to Max characters.
std::string Prose(size_t Size, unsigned MinLine, unsigned MaxLine, unsigned Seed)
{
    std::mt19937 random(Seed);
    auto pick = [&random](unsigned First, unsigned Last) {
        return std::uniform_int_distribution<unsigned>(First, Last)(random);
    };
    auto trail = [&pick](unsigned First, unsigned Last) {
        const unsigned t = pick(First, Last - 1);
        return t >= 0x7F ? t + 1 : t;
    };
    static const std::string punctuation = Utf8ToSjis("、。「」『』（）・！？　");
    static const std::string ascii = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789   .,()";
    const auto asciiCount = static_cast<unsigned>(ascii.size());
    const auto punctuationCount = static_cast<unsigned>(punctuation.size() / 2);
    std::string text;
    text.reserve(Size + 64);
    unsigned lineLeft = pick(MinLine, MaxLine);
    while (text.size() < Size) {
        const unsigned kind = pick(0, 99);
        if (kind < 35)
            AppendCode(text, pick(0x829F, 0x82F1));
        else if (kind < 60)
            AppendCode(text, pick(0x89, 0x97) << 8 | trail(0x40, 0xFC));
        else if (kind < 70)
            AppendCode(text, 0x8300 | trail(0x40, 0x96));
        else if (kind < 80)
            text += ascii[pick(0, asciiCount - 1)];
        else if (kind < 87)
            text += static_cast<char>(pick(0xA6, 0xDF));
        else if (kind < 93)
            AppendCode(text, pick(0, 1) != 0 ? pick(0x824F, 0x8258) : pick(0x8260, 0x8279));
        else
            text.append(punctuation, pick(0, punctuationCount - 1) * 2, 2);
        if (--lineLeft == 0) {
            text += "\r\n";
            lineLeft = pick(MinLine, MaxLine);
        }
    }
    return text + "\r\n";
}

std::string Repeated(std::string_view Unit, size_t Size)
{
    std::string text;
    text.reserve(Size + Unit.size() + 2);
    while (text.size() < Size)
        text += Unit;
    return text + "\r\n";
}

// The peer: a wrap that only keeps double-byte characters whole.
std::string FixedWidthWrap(std::string_view Text, size_t Width)
{
    std::string out;
    out.reserve(Text.size() + Text.size() / Width * 2 + 2);
    size_t column = 0;
    for (size_t pos = 0; pos < Text.size();) {
        if (Text[pos] == '\r') {
            out += "\r\n";
            column = 0;
            pos += pos + 1 < Text.size() && Text[pos + 1] == '\n' ? 2 : 1;
            continue;
        }
        const size_t len = sjis::CharLen(Text, pos);
        if (column + len > Width) {
            out += "\r\n";
            column = 0;
        }
        out.append(Text.data() + pos, len);
        column += len;
        pos += len;
    }
    return out;
}

void Wrap(benchmark::State& State, const std::string& Text, const TWrapOptions& Options)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(WrapLines(Text, 72, Options));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

void WrapPeer(benchmark::State& State, const std::string& Text)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(FixedWidthWrap(Text, 72));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

// 200,000 lines of 10 to 40 characters, about a third of them repeats of
// earlier lines.
const std::vector<std::string>& SortLines()
{
    static const std::vector<std::string> lines = [] {
        const std::string text = Prose(kSortLines * 40, 10, 40, 5105);
        std::vector<std::string> all;
        size_t start = 0;
        while (all.size() < kSortLines * 2 / 3) {
            const size_t end = text.find("\r\n", start);
            all.emplace_back(text.substr(start, end - start));
            start = end + 2;
        }
        std::mt19937 random(5106);
        while (all.size() < kSortLines)
            all.push_back(all[std::uniform_int_distribution<size_t>(0, all.size() - 1)(random)]);
        std::shuffle(all.begin(), all.end(), random);
        return all;
    }();
    return lines;
}

const std::string& SortText()
{
    static const std::string text = [] {
        std::string joined;
        for (const std::string& line : SortLines())
            joined.append(line).append("\r\n");
        return joined;
    }();
    return text;
}

template <typename SortFn>
void SortList(benchmark::State& State, SortFn Sort)
{
    TStringList source;
    for (const std::string& line : SortLines())
        source.Add(line);
    // Copying the list in and freeing it again stay outside the timing.
    std::optional<TStringList> list;
    for (auto _ : State) {
        State.PauseTiming();
        list.reset();
        list.emplace();
        list->Assign(&source);
        State.ResumeTiming();
        Sort(*list);
        benchmark::DoNotOptimize(list->Count());
    }
    State.SetItemsProcessed(static_cast<int64_t>(State.iterations() * kSortLines));
}

void SortUniquePeer(benchmark::State& State)
{
    for (auto _ : State) {
        std::vector<std::string_view> lines;
        lines.reserve(kSortLines);
        std::string_view text = SortText();
        for (size_t start = 0; start < text.size();) {
            const size_t end = text.find("\r\n", start);
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        std::string out;
        out.reserve(text.size());
        for (std::string_view line : lines)
            out.append(line).append("\r\n");
        benchmark::DoNotOptimize(out);
    }
    State.SetItemsProcessed(static_cast<int64_t>(State.iterations() * kSortLines));
}

void RegisterAll()
{
    static const std::string prose = Prose(kTextSize, 20, 60, 5101);
    static const std::string oneLine = Prose(kTextSize, 1u << 30, 1u << 30, 5101);
    static const std::string kanji = Repeated("\x88\x9F", kTextSize); // 亜
    static const std::string word = Repeated("w", kTextSize);
    static const std::string maru = Repeated(Utf8ToSjis("。"), kTextSize);
    struct Input {
        const char* Name;
        const std::string* Text;
    };
    for (const Input& input : {Input{"Prose", &prose}, Input{"OneLine", &oneLine}, Input{"Kanji", &kanji},
                               Input{"EnglishWord", &word}, Input{"Maru", &maru}}) {
        const std::string* text = input.Text;
        const std::string name = std::string("WrapLines72/") + input.Name;
        benchmark::RegisterBenchmark((name + "/plain").c_str(), [text](benchmark::State& S) {
            Wrap(S, *text, {});
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/English+Indent").c_str(), [text](benchmark::State& S) {
            Wrap(S, *text, {.English = true, .Indent = true});
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/peer fixed-width wrap").c_str(), [text](benchmark::State& S) {
            WrapPeer(S, *text);
        })->Unit(benchmark::kMillisecond);
    }

    benchmark::RegisterBenchmark("Sort200k/SortLinesAscending column 1", [](benchmark::State& S) {
        SortList(S, [](TStringList& L) { SortLinesAscending(L, 1); });
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Sort200k/SortLinesDescending column 5", [](benchmark::State& S) {
        SortList(S, [](TStringList& L) { SortLinesDescending(L, 5); });
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Sort200k/peer TStringList::Sort", [](benchmark::State& S) {
        SortList(S, [](TStringList& L) { L.Sort(); });
    })->Unit(benchmark::kMillisecond);

    benchmark::RegisterBenchmark("Duplicates200k/DeleteDuplicateLines", [](benchmark::State& S) {
        for (auto _ : S)
            benchmark::DoNotOptimize(DeleteDuplicateLines(SortText()));
        S.SetItemsProcessed(static_cast<int64_t>(S.iterations() * kSortLines));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Duplicates200k/peer std::sort + std::unique", SortUniquePeer)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
