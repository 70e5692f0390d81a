// The extended editor's find on generated Japanese text (bench/editor_text):
//   - FindNext for a string that does not occur, from the top of a 5 MB
//     page of about 36,000 lines: plain, case-folded and as a regular
//     expression; the peers search the page's text in one piece
//     (std::string_view::find, Oniguruma's onig_search);
//   - the hits a paint shows for one screen (50 rows) and for every row of
//     a 200 KB paragraph wrapped at 80 columns, with a regular expression;
//     the peer finds all matches in the paragraph with Oniguruma;
//   - the editor widget (TEditorEx, 1280 x 960, IPAGothic 16 px): FindNext
//     for the absent strings over the 5 MB page, and a full repaint of a
//     screen of the wrapped paragraph with regular-expression highlighting
//     against the same repaint without it.
// Run by hand: bench_editor_find.
#include "EditorEx.h"
#include "EditorExFind.h"
#include "EditorExHitCache.h"
#include "edScreenStrings.h"

#include "JapanesePage.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <oniguruma.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using enum TExSearchOption;

constexpr size_t PageBytes = 5u << 20;
constexpr size_t ParagraphBytes = 200u << 10;
constexpr int ScreenRows = 50;

const std::string& PageText()
{
    static const std::string page = bench::TPageWriter(9).Page(PageBytes);
    return page;
}

TEditorScreenStrings& Page()
{
    static const std::shared_ptr<TEditorScreenStrings> rows = [] {
        auto list = TEditorScreenStrings::Create();
        list->SetTextStr(PageText());
        return list;
    }();
    return *rows;
}

const std::string& ParagraphText()
{
    static const std::string paragraph = bench::TPageWriter(10).Line(ParagraphBytes);
    return paragraph;
}

TEditorScreenStrings& Paragraph()
{
    static const std::shared_ptr<TEditorScreenStrings> rows = [] {
        auto list = TEditorScreenStrings::Create();
        list->WrapOption()->SetWrapByte(80);
        list->SetWordWrap(true);
        list->SetTextStr(ParagraphText() + "\r\n");
        return list;
    }();
    return *rows;
}

// Absent strings: "Velk" occurs in the page, "Velkq" never does.
struct TAbsent {
    const char* Name;
    const char* FindString;
    TExSearchOptions Options;
};

const TAbsent kAbsent[] = {
    {"plain", "Velkq", {soMatchCase}},
    {"folded", "VELKQ", {}},
    {"regex", "Vel+kq", {soRegexp, soMatchCase}},
    {"regex_folded", "VEL+KQ", {soRegexp}},
};

void BM_FindNextAbsent(benchmark::State& State)
{
    const TAbsent& absent = kAbsent[State.range(0)];
    TEditorScreenStrings& page = Page();
    TEditorExFinder finder;
    finder.SetFindString(absent.FindString);
    finder.SetExSearchOptions(absent.Options);
    for (auto _ : State) {
        const auto hit = finder.FindNext(page, 0, 0);
        if (hit)
            State.SkipWithError("the absent string was found");
        benchmark::DoNotOptimize(hit);
    }
    State.SetLabel(absent.Name);
    State.counters["lines"] = page.Count();
    State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(PageText().size()));
}
BENCHMARK(BM_FindNextAbsent)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_StringViewFindAbsent(benchmark::State& State)
{
    const std::string_view text = PageText();
    for (auto _ : State)
        benchmark::DoNotOptimize(text.find("Velkq"));
    State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_StringViewFindAbsent)->Unit(benchmark::kMillisecond);

class TOnigPattern {
public:
    explicit TOnigPattern(const std::string& Pattern)
    {
        OnigEncoding encodings[] = {ONIG_ENCODING_SJIS};
        onig_initialize(encodings, 1);
        OnigErrorInfo info;
        const auto* p = reinterpret_cast<const OnigUChar*>(Pattern.data());
        if (onig_new(&Regex_, p, p + Pattern.size(), ONIG_OPTION_NONE, ONIG_ENCODING_SJIS, ONIG_SYNTAX_ONIGURUMA, &info)
            != ONIG_NORMAL)
            Regex_ = nullptr;
        Region_ = onig_region_new();
    }
    ~TOnigPattern()
    {
        onig_region_free(Region_, 1);
        if (Regex_)
            onig_free(Regex_);
    }
    bool Ok() const { return Regex_ != nullptr; }

    // The number of non-empty matches in Text, each search going on at the
    // end of the last.
    int CountAll(std::string_view Text)
    {
        const auto* str = reinterpret_cast<const OnigUChar*>(Text.data());
        const auto* end = str + Text.size();
        int count = 0;
        for (const OnigUChar* at = str; at < end;) {
            if (onig_search(Regex_, str, end, at, end, Region_, ONIG_OPTION_NONE) < 0)
                break;
            ++count;
            at = str + std::max(Region_->end[0], Region_->beg[0] + 1);
        }
        return count;
    }

private:
    OnigRegex Regex_ = nullptr;
    OnigRegion* Region_ = nullptr;
};

void BM_OnigSearchAbsent(benchmark::State& State)
{
    TOnigPattern pattern("Vel+kq");
    if (!pattern.Ok()) {
        State.SkipWithError("Oniguruma cannot compile the pattern");
        return;
    }
    for (auto _ : State)
        benchmark::DoNotOptimize(pattern.CountAll(PageText()));
    State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(PageText().size()));
}
BENCHMARK(BM_OnigSearchAbsent)->Unit(benchmark::kMillisecond);

// "editor" and "Velk" are words of the generated text.
constexpr const char* ParagraphPattern = "(ed|V)[a-z]+";

// One paint: the rows from First, Count of them, each asking its hits.
int PaintHits(TFindHitCache& Cache, TEditorScreenStrings& Rows, int First, int Count)
{
    const TColumnModel model = Rows.ColumnModel();
    Cache.Invalidate();
    int parts = 0;
    for (int row = First; row < First + Count; ++row)
        parts += static_cast<int>(Cache.RowHits(Rows, row, model).size());
    return parts;
}

// Range 0: a screen of rows in the middle of the paragraph; 1: every row.
void BM_ParagraphPaintHits(benchmark::State& State)
{
    TEditorScreenStrings& rows = Paragraph();
    TEditorExFinder finder;
    finder.SetFindString(ParagraphPattern);
    finder.SetExSearchOptions({soRegexp, soMatchCase});
    TFindHitCache cache(finder);
    const int paragraphRows = rows.Count();
    const int first = State.range(0) == 0 ? paragraphRows / 2 : 0;
    const int count = State.range(0) == 0 ? ScreenRows : paragraphRows;
    int parts = 0;
    for (auto _ : State)
        benchmark::DoNotOptimize(parts = PaintHits(cache, rows, first, count));
    State.SetLabel(State.range(0) == 0 ? "screen" : "all_rows");
    State.counters["rows"] = count;
    State.counters["hit_parts"] = parts;
    State.counters["line_computations_per_paint"] =
        static_cast<double>(cache.LineComputations()) / static_cast<double>(State.iterations());
}
BENCHMARK(BM_ParagraphPaintHits)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_OnigParagraphMatches(benchmark::State& State)
{
    TOnigPattern pattern(ParagraphPattern);
    if (!pattern.Ok()) {
        State.SkipWithError("Oniguruma cannot compile the pattern");
        return;
    }
    int count = 0;
    for (auto _ : State)
        benchmark::DoNotOptimize(count = pattern.CountAll(ParagraphText()));
    State.counters["matches"] = count;
}
BENCHMARK(BM_OnigParagraphMatches)->Unit(benchmark::kMillisecond);

// ---- The editor widget -------------------------------------------------------------------------

std::unique_ptr<TEditorEx> MakeEditor(const std::string& Text, bool Wrap)
{
    std::unique_ptr<TEditorEx> editor(TEditor::Create<TEditorEx>());
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    font.SetColor(clBlack);
    editor->SetFont(&font);
    editor->SetBorderStyle(TBorderStyle::bsNone);
    editor->resize(1280, 960);
    if (Wrap) {
        editor->WrapOption()->SetWrapByte(80);
        editor->SetWordWrap(true);
    }
    editor->show();
    editor->Lines()->SetTextStr(Text);
    QApplication::processEvents();
    return editor;
}

// Range: kAbsent's plain (0) or regular-expression (2) string.
void BM_EditorFindNextAbsent(benchmark::State& State)
{
    const TAbsent& absent = kAbsent[State.range(0)];
    const std::unique_ptr<TEditorEx> editor = MakeEditor(PageText(), false);
    editor->SetFindString(absent.FindString);
    editor->SetExSearchOptions(absent.Options);
    for (auto _ : State)
        if (editor->FindNext())
            State.SkipWithError("the absent string was found");
    State.SetLabel(absent.Name);
    State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(PageText().size()));
}
BENCHMARK(BM_EditorFindNextAbsent)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// Range 0: no highlighting; 1: every match of a regular expression shown.
void BM_EditorParagraphRepaint(benchmark::State& State)
{
    const bool highlight = State.range(0) == 1;
    const std::unique_ptr<TEditorEx> editor = MakeEditor(ParagraphText() + "\r\n", true);
    if (highlight) {
        editor->ExMarks()->FindMark()->SetColor(clRed);
        editor->ExMarks()->FindMark()->SetVisible(true);
        editor->ExMarks()->Hit()->SetBkColor(clYellow);
        editor->SetFindString(ParagraphPattern);
        editor->SetExSearchOptions({soRegexp, soMatchCase});
    }
    editor->SetTopRow(editor->RowCount() / 2);
    QApplication::processEvents();
    QWidget& viewport = *editor->viewport();
    QImage image(viewport.size(), QImage::Format_ARGB32_Premultiplied);
    const int computations = editor->HitLineComputations();
    for (auto _ : State) {
        viewport.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    State.SetLabel(highlight ? "regex_highlighting" : "no_highlighting");
    State.counters["rows"] = editor->VisibleRows();
    State.counters["line_computations_per_paint"] =
        static_cast<double>(editor->HitLineComputations() - computations) / static_cast<double>(State.iterations());
}
BENCHMARK(BM_EditorParagraphRepaint)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace
