// Colouring as painting does it: every row cut into tokens, each token's
// colour looked up. 10 MB of C-like text in the editor scheme and 10 MB of
// HTML, both with URL and mail detection on; and one long row of "1,2,3,..."
// in which every token starts a run of mail characters, whose per-byte cost
// should stay near that of ordinary text however long the row.
#include "EditorFountain.h"
#include "HTMLFountain.h"

#include "Cp932.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr size_t TenMegabytes = 10 << 20;

std::string Sjis(const char* Utf8) { return Utf8ToSjis(Utf8); }

// Rows picked at random from Samples until Bytes are reached.
std::vector<std::string> MakeRows(const std::vector<std::string>& Samples, size_t Bytes)
{
    std::mt19937 random(7);
    std::vector<std::string> rows;
    size_t total = 0;
    while (total < Bytes) {
        rows.push_back(Samples[random() % Samples.size()]);
        total += rows.back().size();
    }
    return rows;
}

size_t Bytes(const std::vector<std::string>& Rows)
{
    size_t total = 0;
    for (const std::string& row : Rows)
        total += row.size();
    return total;
}

const std::vector<std::string>& CRows()
{
    static const std::vector<std::string> rows = MakeRows(
        {
            "#include <stdio.h>",
            "/* a block comment that spans",
            "   several rows of the page */",
            "static int count_items(const struct item *list, size_t n)",
            "{",
            "    int total = 0; // running total",
            "    for (size_t i = 0; i < n; ++i) {",
            "        if (list[i].flags & 0x1F && list[i].weight > 3.25e-2)",
            "            total += list[i].value * 16;",
            "    }",
            "    printf(\"total: %d items, see http://example.com/items?id=42\\n\", total);",
            "    return total; " + Sjis("// 合計を返す"),
            "    const char *author = \"someone@example.org\";",
            "    switch (mode) { case 1: break; default: return -1; }",
            "",
            "    " + Sjis("/* 日本語のコメント、全角ＡＢＣと１２３ */"),
        },
        TenMegabytes);
    return rows;
}

const std::vector<std::string>& HtmlRows()
{
    static const std::vector<std::string> rows = MakeRows(
        {
            "<html lang=ja><head><title>Sample page</title></head>",
            "<body class=\"main\" onload='start()'>",
            "<p>Text with an &amp; entity, a link to <a href=http://example.com/page.html>the page</a>.</p>",
            "<!-- a comment that",
            "     runs over rows -->",
            "<table border=1 cellpadding=\"2\"><tr><td>1</td><td>2</td></tr></table>",
            "<p>" + Sjis("日本語の段落です。メールは") + " info@example.jp " + Sjis("まで。") + "</p>",
            "<img src=images/logo.png alt='logo' width=120 height=40>",
            "</body></html>",
        },
        TenMegabytes);
    return rows;
}

// One row "1,2,3,...", Bytes long.
std::string CommaRow(size_t Bytes)
{
    std::string row;
    for (int i = 1; row.size() < Bytes; ++i)
        row += std::to_string(i) + ",";
    row.resize(Bytes);
    return row;
}

TEditorFountain* CFountain()
{
    static TEditorFountain* fountain = [] {
        auto* f = TFileExtComponent::Create<TEditorFountain>(nullptr);
        f->SetCommenter("//");
        f->SetQuotation("\"");
        f->SetHexPrefix("0x");
        f->SetUrl(true);
        f->SetMail(true);
        TFountainBracketItem* comment = f->Brackets()->Add();
        comment->SetLeftBracket("/*");
        comment->SetRightBracket("*/");
        TStringList words;
        for (const char* word : {"break",  "case",   "char",   "const",  "default", "do",       "double", "else",
                                 "enum",   "float",  "for",    "if",     "int",     "long",     "return", "short",
                                 "size_t", "static", "struct", "switch", "typedef", "unsigned", "void",   "while"})
            words.Add(word);
        f->SetReserveWordList(&words);
        return f;
    }();
    return fountain;
}

THTMLFountain* HtmlFountain()
{
    static THTMLFountain* fountain = TFileExtComponent::Create<THTMLFountain>(nullptr);
    return fountain;
}

// Tokenises every row as painting does; returns a checksum of the colours.
size_t Paint(TFountainParser& Parser, const std::vector<std::string>& Rows)
{
    size_t sum = 0;
    const TRowAttributeData state;
    for (const std::string& row : Rows) {
        Parser.NewData(row, state);
        while (Parser.NextToken())
            sum += reinterpret_cast<uintptr_t>(Parser.TokenToFountainColor()) + Parser.TokenLength();
    }
    return sum;
}

void PaintBench(benchmark::State& State, TFountain& Fountain, const std::vector<std::string>& Rows)
{
    auto parser = Fountain.CreateParser();
    for (auto _ : State)
        benchmark::DoNotOptimize(Paint(*parser, Rows));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes(Rows)));
}

void BM_PaintCText(benchmark::State& State) { PaintBench(State, *CFountain(), CRows()); }
void BM_PaintHtml(benchmark::State& State) { PaintBench(State, *HtmlFountain(), HtmlRows()); }

void BM_PaintCommaRow(benchmark::State& State)
{
    PaintBench(State, *CFountain(), {CommaRow(static_cast<size_t>(State.range(0)))});
}

// The row states of the whole text, as loading a page computes them.
void BM_RowStatesCText(benchmark::State& State)
{
    TRowAttributeStringList list;
    for (const std::string& row : CRows())
        list.Add(row);
    auto parser = CFountain()->CreateParser();
    for (auto _ : State) {
        TRowAttributeData data;
        for (int i = 0; i < list.Count(); ++i)
            parser->NextRowState(i, &list, data);
        benchmark::DoNotOptimize(data.BracketIndex);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes(CRows())));
}

BENCHMARK(BM_PaintCText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintCommaRow)->Arg(64 << 10)->Arg(256 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RowStatesCText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
