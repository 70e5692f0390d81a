// One step of a toolbar drag: the pointer moves, the outline is placed and
// the form's four docks are tested in turn (alternately over a side dock
// and over no dock, where the floating outline is kept on the monitor);
// once without and once with the edge windows of the outline moved.
// Against Qt's own search for the widget under a point of the same form, in
// the same run.
#include "DockButton.h"
#include "DockToolbar.h"
#include "DragOutline.h"
#include "DragSession.h"
#include "ToolDock.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <string>

namespace {

struct TDragForm {
    QWidget Form;
    TToolDock* Docks[4] = {new TToolDock(&Form, "Top"), new TToolDock(&Form, "Bottom", TDockPosition::dpBottom),
                           new TToolDock(&Form, "Left", TDockPosition::dpLeft),
                           new TToolDock(&Form, "Right", TDockPosition::dpRight)};
    TDockToolbar* Bar = nullptr;

    TDragForm()
    {
        Form.resize(1024, 768);
        Docks[0]->setGeometry(0, 0, 1024, 0);
        Docks[1]->setGeometry(0, 768, 1024, 0);
        Docks[2]->setGeometry(0, 40, 0, 700);
        Docks[3]->setGeometry(1024, 40, 0, 700);
        for (int i = 0; i < 5; ++i) {
            auto* bar = new TDockToolbar(Docks[0], "Bar" + std::to_string(i));
            for (int b = 0; b < 8; ++b)
                new TDockButton(bar);
            Bar = bar;
        }
        Form.show();
        QApplication::sendPostedEvents();
    }

    // The press that starts every drag, in the bar and on the screen.
    static constexpr QPoint Press{4, 5};
    QPoint PressOnScreen() const { return Bar->mapToGlobal(Press); }

    QPoint Step(int64_t I) const
    {
        return I % 2 ? Docks[2]->mapToGlobal(QPoint(0, 100 + int(I % 50))) : QPoint(500, 300 + int(I % 50));
    }
};

void BM_DragStep(benchmark::State& State)
{
    TDragForm f;
    TDragSession session(*f.Bar, TDragForm::Press, f.PressOnScreen(), false, nullptr);
    int64_t i = 0;
    for (auto _ : State)
        session.Move(f.Step(++i));
    session.Finish(false);
}

void BM_DragStepWithOutline(benchmark::State& State)
{
    TDragForm f;
    TDragOutline outline;
    TDragSession session(*f.Bar, TDragForm::Press, f.PressOnScreen(), false, &outline);
    int64_t i = 0;
    for (auto _ : State)
        session.Move(f.Step(++i));
    session.Finish(false);
}

void BM_QtWidgetAt(benchmark::State& State)
{
    TDragForm f;
    int64_t i = 0;
    for (auto _ : State)
        benchmark::DoNotOptimize(QApplication::widgetAt(f.Step(++i)));
}

} // namespace

BENCHMARK(BM_DragStep);
BENCHMARK(BM_DragStepWithOutline);
BENCHMARK(BM_QtWidgetAt);
