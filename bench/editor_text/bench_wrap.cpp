// Wrapping a generated 10 MB Japanese page at 80 columns with every wrap
// rule on: into fresh rows (as ReplaceRows and Undo do), the whole text of
// a row list again (as a wrap option change does), one 1 MB logical line,
// and Qt's QTextLayout breaking the same page (as UTF-16) at 80 columns.
#include "edScreenStrings.h"
#include "edWrap.h"

#include "Cp932.h"
#include "JapanesePage.h"

#include <QFont>
#include <QGuiApplication>
#include <QTextLayout>
#include <QTextOption>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const std::string& Page()
{
    static const std::string page = bench::TPageWriter(1).Page(10u << 20);
    return page;
}

const std::string& LongLine()
{
    static const std::string line = bench::TPageWriter(2).Line(1u << 20);
    return line;
}

const TEditorWrapOption& AllRules()
{
    static const TEditorWrapOption& option = []() -> TEditorWrapOption& {
        static TEditorWrapOption o;
        o.SetWrapByte(80);
        o.SetLeading(true);
        o.SetFollowPunctuation(true);
        o.SetWordBreak(true);
        return o;
    }();
    return option;
}

TColumnModel WrapModel()
{
    TColumnModel model;
    model.WordWrap = true;
    model.WrapByte = 80;
    return model;
}

void WrapInto(benchmark::State& State, const std::string& Text)
{
    int rows = 0;
    for (auto _ : State) {
        TEditorStringList list;
        WrapText(Text, WrapModel(), AllRules(), list);
        rows = list.Count();
        benchmark::DoNotOptimize(rows);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.counters["rows"] = rows;
}

void BM_WrapPage(benchmark::State& State) { WrapInto(State, Page()); }
void BM_WrapOneLongLine(benchmark::State& State) { WrapInto(State, LongLine()); }

void BM_WrapAllOfAList(benchmark::State& State)
{
    const std::shared_ptr<TEditorScreenStrings> list = TEditorScreenStrings::Create();
    list->WrapOption()->Assign(&AllRules());
    list->SetTextStr(Page());
    for (auto _ : State) {
        State.PauseTiming();
        list->UnwrapAll();
        State.ResumeTiming();
        list->WrapAll();
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Page().size()));
    State.counters["rows"] = list->Count();
}

void BM_QTextLayoutPage(benchmark::State& State)
{
    static const std::vector<QString> paragraphs = [] {
        std::vector<QString> result;
        const std::string& page = Page();
        for (size_t pos = 0; pos < page.size();) {
            const size_t end = page.find("\r\n", pos);
            result.push_back(QString::fromStdU16String(SjisToUtf16(std::string_view(page).substr(pos, end - pos))));
            pos = end + 2;
        }
        return result;
    }();
    QFont font("IPAGothic");
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int rows = 0;
    for (auto _ : State) {
        rows = 0;
        for (const QString& paragraph : paragraphs) {
            QTextLayout layout(paragraph, font);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setNumColumns(80);
                ++rows;
            }
            layout.endLayout();
        }
        benchmark::DoNotOptimize(rows);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Page().size()));
    State.counters["rows"] = rows;
}

BENCHMARK(BM_WrapPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WrapOneLongLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WrapAllOfAList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QTextLayoutPage)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
