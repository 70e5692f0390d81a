// Ctrl+End on a freshly loaded 20 MB page with C colouring, and the first
// paint at the end, in a 1280 x 960 editor: once right after the load,
// when the colouring states of every row above must be computed first, and
// once after the program was idle for a second, when the idle work has
// computed them. Also the longest slice of that idle work.
#include "BenchPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

constexpr int PageMegabytes = 20;

std::unique_ptr<TEditor> ShownEditor()
{
    std::unique_ptr<TEditor> editor = benchpage::MakeEditor(std::string());
    QApplication::processEvents();
    return editor;
}

const std::string& Page()
{
    static const std::string text = benchpage::PageText(PageMegabytes);
    return text;
}

// Ctrl+End and the paint it causes, in milliseconds.
double JumpToEnd(TEditor& Editor)
{
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(&Editor, &press);
    Editor.viewport()->repaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void JumpAfterLoad(benchmark::State& State, bool IdleFirst)
{
    const std::unique_ptr<TEditor> editor = ShownEditor();
    double slowest = 0;
    for (auto _ : State) {
        State.PauseTiming();
        editor->SetRowCol(0, 0);
        editor->Lines()->SetTextStr(Page());
        editor->viewport()->repaint();
        if (IdleFirst) {
            QElapsedTimer idle;
            idle.start();
            while (idle.elapsed() < 1000)
                QApplication::processEvents();
        }
        State.ResumeTiming();
        slowest = std::max(slowest, JumpToEnd(*editor));
    }
    State.counters["max_ms"] = slowest;
}

void JumpRightAfterLoad(benchmark::State& State) { JumpAfterLoad(State, false); }
void JumpAfterOneIdleSecond(benchmark::State& State) { JumpAfterLoad(State, true); }

// The slices the idle work runs in, as the editor runs them.
void IdleSlice(benchmark::State& State)
{
    const std::unique_ptr<TEditor> editor = ShownEditor();
    editor->Lines()->SetTextStr(Page());
    TEditorScreenStrings& list = editor->ScreenStrings();
    double longest = 0;
    int slices = 0;
    for (auto _ : State) {
        QElapsedTimer timer;
        timer.start();
        const bool more = list.ComputeRowStatesAhead(std::chrono::milliseconds(3));
        longest = std::max(longest, static_cast<double>(timer.nsecsElapsed()) / 1e6);
        ++slices;
        if (!more) {
            State.PauseTiming();
            editor->Lines()->SetTextStr(Page());
            State.ResumeTiming();
        }
    }
    State.counters["longest_ms"] = longest;
}

} // namespace

BENCHMARK(JumpRightAfterLoad)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(JumpAfterOneIdleSecond)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(IdleSlice)->Iterations(200)->Unit(benchmark::kMillisecond);
