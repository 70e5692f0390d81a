// Typing timed as a person types: after a moment of looking at the page (the
// work each editor leaves for idle time is done), one press of "a" at a time,
// each with the events it causes (repaint included). Reports the median and
// the 99th percentile of one press in milliseconds, of the time passed and
// of the processor time the thread used (which other programs on a busy
// machine do not inflate).
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <string>
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

inline double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Sorts Times and reports their median and 99th percentile as the counters
// median<Suffix>_ms and p99<Suffix>_ms.
inline void ReportPercentiles(benchmark::State& State, std::vector<double>& Times, const std::string& Suffix)
{
    std::sort(Times.begin(), Times.end());
    State.counters["median" + Suffix + "_ms"] = Times[Times.size() / 2];
    State.counters["p99" + Suffix + "_ms"] = Times[Times.size() * 99 / 100];
}

inline void TypeAndReport(benchmark::State& State, QWidget& Target)
{
    const auto idleUntil = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < idleUntil)
        QApplication::processEvents();
    std::vector<double> times;
    std::vector<double> cpuTimes;
    for (auto _ : State) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        PressA(Target);
        cpuTimes.push_back(ThreadCpuMs() - cpuStart);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    ReportPercentiles(State, times, "");
    ReportPercentiles(State, cpuTimes, "_cpu");
}

} // namespace benchkeys
