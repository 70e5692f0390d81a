// The expression command on "123456789*987654321/3+0.1": the whole command
// (spaces removed, checked, evaluated exactly, formatted), and evaluation
// with formatting alone. The peer is the binary floating-point path the
// command must not take: the four numbers read with strtold, the three
// operations in long double, and snprintf's three decimals.
//
//   bench_calc
#include "Calc.h"
#include "CalcFormat.h"
#include "CalcSelection.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace textconv;

namespace {

constexpr const char* kExpression = "123456789*987654321/3+0.1";

void CalcCommand(benchmark::State& State)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(CalcSelection(kExpression));
}

void EvaluateAndFormat(benchmark::State& State)
{
    for (auto _ : State) {
        TExpressionEvaluator evaluator(kExpression);
        benchmark::DoNotOptimize(FormatCalcValue(evaluator.Evaluate()));
    }
}

void PeerLongDouble(benchmark::State& State)
{
    const char* numbers[] = {"123456789", "987654321", "3", "0.1"};
    for (auto _ : State) {
        long double operands[4];
        for (int i = 0; i < 4; ++i) {
            benchmark::DoNotOptimize(numbers[i]);
            operands[i] = std::strtold(numbers[i], nullptr);
        }
        char text[64];
        std::snprintf(text, sizeof text, "%.3Lf", operands[0] * operands[1] / operands[2] + operands[3]);
        benchmark::DoNotOptimize(text);
    }
}

} // namespace

BENCHMARK(CalcCommand);
BENCHMARK(EvaluateAndFormat);
BENCHMARK(PeerLongDouble);

BENCHMARK_MAIN();
