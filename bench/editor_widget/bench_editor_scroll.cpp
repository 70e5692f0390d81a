// Scrolling a 2 MB page of C (IPAGothic 16 px, word wrap at 80, C
// colouring) in a 1280 x 960 extended editor with the bracket pair shown
// and the caret on a bracket whose partner ends the page: 1,000 steps of
// the vertical scroll bar's line down, with and without the repaint each
// causes. The counter gives the mean time of one step in milliseconds.
#include "BenchPage.h"
#include "EditorEx.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

constexpr int Steps = 1000;

void ScrollByLineSteps(benchmark::State& State, bool Repaint)
{
    // The caret's bracket has its partner at the page's end.
    const std::unique_ptr<TEditorEx> editor =
        benchpage::MakeEditor<TEditorEx>("(\r\n" + benchpage::PageText() + ")\r\n");
    editor->ExMarks()->ParenMark()->SetVisible(true);
    editor->SetRowCol(0, 0);
    QApplication::processEvents();
    QScrollBar& bar = *editor->verticalScrollBar();
    QElapsedTimer timer;
    for (auto _ : State) {
        timer.start();
        for (int step = 0; step < Steps; ++step) {
            bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
            if (Repaint)
                editor->viewport()->repaint();
        }
        State.counters["ms_per_step"] = static_cast<double>(timer.nsecsElapsed()) / 1e6 / Steps;
        State.PauseTiming();
        editor->SetTopRow(0);
        State.ResumeTiming();
    }
}

} // namespace

BENCHMARK_CAPTURE(ScrollByLineSteps, WithRepaint, true)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScrollByLineSteps, ScrollOnly, false)->Iterations(3)->Unit(benchmark::kMillisecond);
