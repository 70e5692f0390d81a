// Typing into the middle of a 2 MB and a 10 MB page: 2,000 key presses of "a", each
// followed by the repaint it causes, in the page editor of BenchPage.h
// against QPlainTextEdit typing into the same text. The counters give the
// median and the 99th percentile of one key press in milliseconds.
#include "BenchPage.h"

#include "KeyTiming.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int Presses = 2000;

void EditorTyping(benchmark::State& State)
{
    const std::unique_ptr<TEditor> editor = benchpage::MakeEditor(benchpage::PageText(State.range(0)));
    QApplication::processEvents();
    benchkeys::TypeAndReport(State, *editor);
}

void PlainTextEditTyping(benchmark::State& State)
{
    benchpage::TPlainTextPeer peer(benchpage::PageText(State.range(0)));
    QApplication::processEvents();
    benchkeys::TypeAndReport(State, peer.Edit);
}

} // namespace

BENCHMARK(EditorTyping)->Arg(2)->Arg(10)->Iterations(Presses)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditTyping)->Arg(2)->Arg(10)->Iterations(Presses)->Unit(benchmark::kMillisecond);
