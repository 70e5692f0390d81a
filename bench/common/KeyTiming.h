// Typing timed as a person types: after a moment of looking at the page (the
// work each editor leaves for idle time is done), one press of "a" at a time,
// each with the events it causes (repaint included). Reports the median and
// the 99th percentile of one press in milliseconds.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace benchkeys {

inline void PressA(QWidget& Target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&Target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&Target, &release);
    QApplication::processEvents();
}

inline void TypeAndReport(benchmark::State& State, QWidget& Target)
{
    const auto idleUntil = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < idleUntil)
        QApplication::processEvents();
    std::vector<double> times;
    for (auto _ : State) {
        const auto start = std::chrono::steady_clock::now();
        PressA(Target);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    State.counters["median_ms"] = times[times.size() / 2];
    State.counters["p99_ms"] = times[times.size() * 99 / 100];
}

} // namespace benchkeys
