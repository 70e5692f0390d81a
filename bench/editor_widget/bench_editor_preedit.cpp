// Composing in the middle of a 2 MB page: preedit updates that each add one
// character to the text being composed (up to 30, then the composition is
// cancelled and begins again), each with the repaint it causes, in the page
// editor of BenchPage.h against QPlainTextEdit composing at the same place
// in the same text. The counters give the median and the 99th percentile of
// one update in milliseconds.
#include "BenchPage.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTextCharFormat>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int Updates = 2000;
constexpr int LongestPreedit = 30;

void SendPreedit(QWidget& Target, const QString& Text)
{
    QTextCharFormat underline;
    underline.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    const QList<QInputMethodEvent::Attribute> attributes = {
        {QInputMethodEvent::TextFormat, 0, static_cast<int>(Text.size()), underline},
        {QInputMethodEvent::Cursor, static_cast<int>(Text.size()), 1, {}}};
    QInputMethodEvent event(Text, attributes);
    QApplication::sendEvent(&Target, &event);
    QApplication::processEvents();
}

void ComposeAndReport(benchmark::State& State, QWidget& Target)
{
    const QString kana = QString::fromUtf8("にほんごをにゅうりょくしてへんかんするあいだのもじれつ");
    std::vector<double> times;
    times.reserve(Updates);
    QString preedit;
    for (auto _ : State) {
        if (preedit.size() == LongestPreedit) {
            State.PauseTiming();
            preedit.clear();
            SendPreedit(Target, preedit);
            State.ResumeTiming();
        }
        preedit += kana[preedit.size() % kana.size()];
        const auto start = std::chrono::steady_clock::now();
        SendPreedit(Target, preedit);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    State.counters["median_ms"] = times[times.size() / 2];
    State.counters["p99_ms"] = times[times.size() * 99 / 100];
}

void EditorPreedit(benchmark::State& State)
{
    const std::unique_ptr<TEditor> editor = benchpage::MakeEditor();
    QApplication::processEvents();
    ComposeAndReport(State, *editor);
}

void PlainTextEditPreedit(benchmark::State& State)
{
    benchpage::TPlainTextPeer peer;
    QApplication::processEvents();
    ComposeAndReport(State, peer.Edit);
}

} // namespace

BENCHMARK(EditorPreedit)->Iterations(Updates)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditPreedit)->Iterations(Updates)->Unit(benchmark::kMillisecond);
