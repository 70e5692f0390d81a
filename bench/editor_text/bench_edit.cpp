// Keystrokes in a wrapped page, each followed by reading the whole text
// back (as the page binding does on every change): single-character
// inserts and deletes at random places of a 2 MB page, and one keystroke
// at the start of a 200 KB logical line. Painting is not measured, but the
// rows on screen get their colouring states before each keystroke, as
// painting gives them.
#include "edEditorClient.h"
#include "edFountain.h"
#include "edScreenStrings.h"

#include "JapanesePage.h"
#include "Sjis.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int VisibleRows = 40;

class TBenchParser : public TFountainParser {
public:
    using TFountainParser::TFountainParser;
    TFountainColor* TokenToFountainColor() override { return nullptr; }
};

// The framework's tokens with a C-like comment pair.
class TBenchFountain : public TFountain {
public:
    using TFountain::TFountain;
    std::unique_ptr<TFountainParser> CreateParser() override { return std::make_unique<TBenchParser>(this); }

protected:
    void InitBrackets() override
    {
        TFountainBracketItem* item = Brackets()->Add();
        item->SetLeftBracket("/*");
        item->SetRightBracket("*/");
    }
};

// An editor without a window: a caret and a 1080-pixel screen of 16-pixel rows.
class TBenchEditor : public TEditorClient {
public:
    explicit TBenchEditor(TFountain* Fountain) : Fountain_(Fountain) { List->AddEditor(this); }
    ~TBenchEditor() override { List->RemoveEditor(this); }

    TEditorScreenStrings& ScreenStrings() const override { return *List; }
    void DoChange() override {}
    void CleanSelection() override {}
    void ClampRows(int MaxRow) override { Row_ = std::min(Row_, MaxRow); }
    void ResetCol() override { Col_ = 0; }
    void RefreshView() override {}
    void InvalidateRow(int) override {}
    bool Focused() const override { return true; }
    int CaretRow() const override { return Row_; }
    int CaretCol() const override { return Col_; }
    void SetRowCol(int Row, int Col) override
    {
        Row_ = Row;
        Col_ = Col;
    }
    void CaretBeginUpdate() override {}
    void CaretEndUpdate() override {}
    int TopRow() const override { return std::max(0, Row_ - VisibleRows / 2); }
    bool Loading() const override { return false; }
    bool Destroying() const override { return false; }
    int TabSpaceCount() const override { return 8; }
    const TDelimiters& Delimiters() const override { return DefaultDelimiterSet(); }
    int RowHeight() const override { return 16; }
    int ScreenHeight() const override { return 1080; }
    bool InitBracketsFull() const override { return false; }
    TFountain* ActiveFountain() const override { return Fountain_; }
    void BeginLinesUpdate() override {}
    void EndLinesUpdate() override {}

    std::shared_ptr<TEditorScreenStrings> List = TEditorScreenStrings::Create();

private:
    TFountain* Fountain_;
    int Row_ = 0;
    int Col_ = 0;
};

std::unique_ptr<TBenchFountain> MakeFountain()
{
    return std::unique_ptr<TBenchFountain>(TFileExtComponent::Create<TBenchFountain>(nullptr));
}

void WrapWithAllRules(TEditorScreenStrings& List)
{
    TEditorWrapOption& option = *List.WrapOption();
    option.SetWrapByte(80);
    option.SetLeading(true);
    option.SetFollowPunctuation(true);
    option.SetWordBreak(true);
    List.SetWordWrap(true);
}

// What painting the screen at Row gives the rows' colouring states.
void PaintAt(TEditorScreenStrings& List, int Row)
{
    const int last = std::min(List.Count(), Row + VisibleRows);
    for (int row = std::max(0, Row - VisibleRows / 2); row < last; ++row)
        if (List.BracketIndex(row) == BracketNotComputed)
            List.UpdateRowStates(row, false);
}

// The row's text with one character typed at byte Index, or the character
// there deleted, and its line break: what the editor hands to ReplaceRows.
std::string Keystroke(const TEditorScreenStrings& List, int Row, size_t Index, bool Insert)
{
    std::string text(List.RowText(Row));
    if (Insert)
        text.insert(Index, "\x82\xA0"); // あ
    else if (Index < text.size())
        text.erase(Index, sjis::CharLen(text, Index));
    List.AppendLineBreak(Row, text);
    return text;
}

double Percentile(std::vector<double> Samples, double P)
{
    std::sort(Samples.begin(), Samples.end());
    return Samples[static_cast<size_t>(P * static_cast<double>(Samples.size() - 1))];
}

void BM_KeystrokesInA2MBPage(benchmark::State& State)
{
    const auto fountain = MakeFountain();
    TBenchEditor editor(fountain.get());
    TEditorScreenStrings& list = *editor.List;
    WrapWithAllRules(list);
    list.SetTextStr(bench::TPageWriter(3).Page(2u << 20));
    std::mt19937 random(4);
    std::vector<double> samples;
    for (auto _ : State) {
        samples.clear();
        for (int i = 0; i < 2000; ++i) {
            const int row = static_cast<int>(random() % static_cast<unsigned>(list.Count()));
            const std::string_view text = list.RowText(row);
            // A character boundary of the row.
            size_t index = 0;
            for (size_t target = random() % (text.size() + 1);
                 index + sjis::CharLen(text, index) <= target && index < text.size();)
                index += sjis::CharLen(text, index);
            PaintAt(list, row);
            editor.SetRowCol(row, static_cast<int>(index));
            const std::string s = Keystroke(list, row, index, i % 2 == 0);

            const auto start = std::chrono::steady_clock::now();
            list.ReplaceRows(row, 1, s);
            const std::string page = list.GetTextStr();
            benchmark::DoNotOptimize(page.data());
            samples.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    State.counters["median_ms"] = Percentile(samples, 0.5);
    State.counters["p99_ms"] = Percentile(samples, 0.99);
    State.counters["max_ms"] = Percentile(samples, 1.0);
    State.counters["rows"] = list.Count();
}

void BM_KeystrokeAtTheStartOfA200KBLine(benchmark::State& State)
{
    const auto fountain = MakeFountain();
    TBenchEditor editor(fountain.get());
    TEditorScreenStrings& list = *editor.List;
    WrapWithAllRules(list);
    list.SetTextStr(bench::TPageWriter(5).Line(200u << 10) + "\r\n");
    PaintAt(list, 0);
    bool insert = true;
    for (auto _ : State) {
        // The caret on row 0, column 0: the whole logical line re-wraps.
        const std::string s =
            insert ? "\x82\xA0" + std::string(list.RowText(0)) : std::string(list.RowText(0).substr(2));
        list.ReplaceRows(0, 1, s);
        const std::string page = list.GetTextStr();
        benchmark::DoNotOptimize(page.data());
        insert = !insert;
    }
    size_t undoBytes = 0;
    for (const TUndoData& rec : list.UndoObj()->UndoList())
        undoBytes += rec.Text.size();
    State.counters["rows"] = list.Count();
    State.counters["undo_records"] = static_cast<double>(list.UndoObj()->UndoList().size());
    State.counters["undo_MB"] = static_cast<double>(undoBytes) / (1 << 20);
}

BENCHMARK(BM_KeystrokesInA2MBPage)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_KeystrokeAtTheStartOfA200KBLine)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
