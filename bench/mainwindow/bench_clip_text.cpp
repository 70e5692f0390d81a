// The web-text clean-up chain with every option on over 1 MB of text copied
// from web pages (Shift-JIS, CR LF), against the same kinds of clean-up
// done the way a Qt program would: the text in a QString, each step a
// QRegularExpression replacement. Both report bytes per second of input.
#include "ClipText.h"
#include "Cp932.h"

#include <QRegularExpression>
#include <QString>
#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr size_t TextBytes = 1024 * 1024;

const std::string& WebTextUtf8()
{
    static const std::string text = [] {
        const char* lines[] = {
            "\t本日の記事、 まずは概要から。 詳しくは下記を参照(外部サイト)してください!  ",
            "  ｢引用｣された文章､ そのまま｡  次の段落へ?",
            "",
            "",
            "",
            "--------------------------------------------------------------------------------",
            "",
            "item_%d:\tvalue  with  spaces   ",
            "ＡＢＣ全角の英字と、かな漢字が混ざった一行の本文が続きます。",
        };
        std::string utf8;
        char line[512];
        for (int i = 0; utf8.size() < TextBytes; ++i) {
            std::snprintf(line, sizeof line, lines[i % std::size(lines)], i);
            utf8 += line;
            utf8 += "\r\n";
        }
        return utf8;
    }();
    return text;
}

void ClipTextChain(benchmark::State& State)
{
    const std::string text = Utf8ToSjis(WebTextUtf8());
    TWebTextOptions options;
    options.TopRtnDel = options.Hyphen = options.TopSpcDel = options.HKToZK = options.Hs2ToZs = options.LogicLine =
        true;
    for (auto _ : State)
        benchmark::DoNotOptimize(ConvertClipText(text, options));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * text.size()));
}

void QtRegexChain(benchmark::State& State)
{
    const QString text = QString::fromStdString(WebTextUtf8());
    const std::pair<QRegularExpression, QString> steps[] = {
        {QRegularExpression("\t"), "  "},
        {QRegularExpression("[ \u3000]+(?=\r\n)"), ""},
        {QRegularExpression("  "), "\u3000"},
        {QRegularExpression("(\r\n){3,}"), "\r\n\r\n"},
        {QRegularExpression("^(\r\n)+"), ""},
        {QRegularExpression("([、。]) "), "\\1"},
        {QRegularExpression("｢"), "「"},
        {QRegularExpression("｣"), "」"},
        {QRegularExpression("\\("), "（"},
        {QRegularExpression("\\)"), "）"},
        {QRegularExpression("\\?"), "？"},
        {QRegularExpression("!"), "！"},
        {QRegularExpression("､"), "、"},
        {QRegularExpression("｡"), "。"},
        {QRegularExpression("(?m)^ +"), ""},
        {QRegularExpression("(\r\n){2,}"), "\r\n"},
        {QRegularExpression("(?m)^(?=[^\r\n　(\\[0-9])"), "　"},
        {QRegularExpression("\r\n\r\n(?=-{80}\r\n)|(?<=\r\n-{80})\r\n(?=\r\n)"), "\r\n"},
    };
    for (auto _ : State) {
        QString result = text;
        for (const auto& [pattern, replacement] : steps)
            result.replace(pattern, replacement);
        benchmark::DoNotOptimize(result);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Utf8ToSjis(WebTextUtf8()).size()));
}

} // namespace

BENCHMARK(ClipTextChain)->Unit(benchmark::kMillisecond);
BENCHMARK(QtRegexChain)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
