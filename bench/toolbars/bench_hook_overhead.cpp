// Mouse moves and key presses sent to a plain widget, with the hook filter
// installed for every kind (as the tool windows and buttons register it)
// and without it, in the same run. Each iteration sends one event of each.
#include "HookService.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void NoOpHook(THookKind, QObject*, QEvent*) {}

void SendEvents(benchmark::State& State)
{
    QWidget target;
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    for (auto _ : State) {
        QApplication::sendEvent(&target, &move);
        QApplication::sendEvent(&target, &key);
    }
    State.SetItemsProcessed(State.iterations() * 2);
}

void BM_EventsWithoutHook(benchmark::State& State) { SendEvents(State); }

void BM_EventsWithHook(benchmark::State& State)
{
    AddHookClient(&NoOpHook, ActivateAppEvent | WindowPosEvent | DestroyEvent | MouseMoveEvent);
    SendEvents(State);
    RemoveHookClient(&NoOpHook);
}

} // namespace

BENCHMARK(BM_EventsWithoutHook)->Iterations(500'000);
BENCHMARK(BM_EventsWithHook)->Iterations(500'000);
