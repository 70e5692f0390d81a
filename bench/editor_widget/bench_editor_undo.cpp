// Undo of one step in the middle of a 2 MB page, with the repaint it
// causes, in the page editor of BenchPage.h against QPlainTextEdit undoing
// the same in the same text. Each timed undo (as the edit menu's command
// calls it) follows an untimed key press: "a" (argument 0) or Return
// (argument 1), whose undo moves every row below up. The counters give the
// median and the 99th percentile of one undo in milliseconds, passed and of
// processor time.
#include "BenchPage.h"

#include "KeyTiming.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

constexpr int Steps = 1000;

void PressReturn(QWidget& Target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&Target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&Target, &release);
    QApplication::processEvents();
}

// The edit menu's undo calls the editor's own.
template <class Undo>
void TypeAndUndo(benchmark::State& State, QWidget& Target, Undo UndoStep)
{
    const bool lineBreak = State.range(0) == 1;
    QApplication::processEvents();
    std::vector<double> times;
    std::vector<double> cpuTimes;
    for (auto _ : State) {
        State.PauseTiming();
        if (lineBreak)
            PressReturn(Target);
        else
            benchkeys::PressA(Target);
        State.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = benchkeys::ThreadCpuMs();
        UndoStep();
        QApplication::processEvents();
        cpuTimes.push_back(benchkeys::ThreadCpuMs() - cpuStart);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    benchkeys::ReportPercentiles(State, times, "");
    benchkeys::ReportPercentiles(State, cpuTimes, "_cpu");
}

void EditorUndo(benchmark::State& State)
{
    const std::unique_ptr<TEditor> editor = benchpage::MakeEditor();
    // The caret in the middle of the view: half the rows lie below it.
    editor->SetTopRow(editor->Row() - editor->VisibleRows() / 2);
    TypeAndUndo(State, *editor, [&] { editor->Undo(); });
}

void PlainTextEditUndo(benchmark::State& State)
{
    benchpage::TPlainTextPeer peer;
    TypeAndUndo(State, peer.Edit, [&] { peer.Edit.undo(); });
}

} // namespace

BENCHMARK(EditorUndo)->Arg(0)->Arg(1)->Iterations(Steps)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditUndo)->Arg(0)->Arg(1)->Iterations(Steps)->Unit(benchmark::kMillisecond);
