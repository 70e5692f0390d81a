// Positions, rows and line numbers deep in a long page: the row start of
// row 300,000 of a 10 MB page wrapped at 30 columns, the row holding that
// position, and the logical line of that row, each against the walk from
// the top that answered them before the row list kept its index.
#include "edBarPlan.h"
#include "edScreenStrings.h"

#include "JapanesePage.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int TargetRow = 300'000;

TEditorScreenStrings& Page()
{
    static const std::shared_ptr<TEditorScreenStrings> list = [] {
        auto rows = TEditorScreenStrings::Create();
        rows->WrapOption()->SetWrapByte(30);
        rows->SetWordWrap(true);
        rows->SetTextStr(bench::TPageWriter(26).Page(10 * 1024 * 1024));
        return rows;
    }();
    return *list;
}

int WalkRowStart(const TEditorScreenStrings& List, int Row)
{
    int pos = 0;
    for (int row = 0; row < Row; ++row)
        pos += static_cast<int>(List.RowText(row).size()) + (List.RowAttribute(row) == TRowAttribute::raCrlf ? 2 : 0);
    return pos;
}

int WalkRowHolding(const TEditorScreenStrings& List, int Pos)
{
    int start = 0;
    for (int row = 0; row < List.Count(); ++row) {
        const int places =
            static_cast<int>(List.RowText(row).size()) + (List.RowAttribute(row) == TRowAttribute::raCrlf ? 2 : 0);
        if (start + places > Pos)
            return row;
        start += places;
    }
    return List.Count();
}

int WalkRowToLine(const TEditorScreenStrings& List, int Row)
{
    int line = 0;
    for (int row = 0; row < Row; ++row)
        line += List.RowAttribute(row) != TRowAttribute::raWrapped;
    return line;
}

void RowStartPos(benchmark::State& State)
{
    const TEditorScreenStrings& list = Page();
    for (auto _ : State)
        benchmark::DoNotOptimize(list.RowStartPos(TargetRow));
    State.counters["rows"] = list.Count();
}

void RowStartPosWalk(benchmark::State& State)
{
    const TEditorScreenStrings& list = Page();
    for (auto _ : State)
        benchmark::DoNotOptimize(WalkRowStart(list, TargetRow));
}

void PosToRowIndex(benchmark::State& State)
{
    const TEditorScreenStrings& list = Page();
    const int pos = list.RowStartPos(TargetRow) + 3;
    for (auto _ : State) {
        int row = 0;
        int index = 0;
        list.PosToRowIndex(pos, row, index);
        benchmark::DoNotOptimize(row);
    }
}

void PosToRowIndexWalk(benchmark::State& State)
{
    const TEditorScreenStrings& list = Page();
    const int pos = list.RowStartPos(TargetRow) + 3;
    for (auto _ : State)
        benchmark::DoNotOptimize(WalkRowHolding(list, pos));
}

void RowToLineIndexed(benchmark::State& State)
{
    const TEditorScreenStrings& list = Page();
    for (auto _ : State)
        benchmark::DoNotOptimize(RowToLine(list, true, TargetRow));
}

void RowToLineWalk(benchmark::State& State)
{
    const TEditorScreenStrings& list = Page();
    for (auto _ : State)
        benchmark::DoNotOptimize(WalkRowToLine(list, TargetRow));
}

} // namespace

BENCHMARK(RowStartPos)->Unit(benchmark::kNanosecond);
BENCHMARK(RowStartPosWalk)->Unit(benchmark::kMicrosecond);
BENCHMARK(PosToRowIndex)->Unit(benchmark::kNanosecond);
BENCHMARK(PosToRowIndexWalk)->Unit(benchmark::kMicrosecond);
BENCHMARK(RowToLineIndexed)->Unit(benchmark::kNanosecond);
BENCHMARK(RowToLineWalk)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
