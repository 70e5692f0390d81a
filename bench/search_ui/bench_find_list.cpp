// The list search over 5,000 pages of 2 KB with "foo" on every tenth page:
// the list command end to end (the pages judged on their stored texts, the
// result window opened on the first page), and the judging alone; against
// the peer in the same run, the same list built by loading every page into
// the editor and asking its find next, as a walk through the editor does.
#include "BenchHost.h"
#include "BenchPages.h"
#include "EditorEx.h"
#include "FindList.h"
#include "FoundPageList.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "PageHitCheck.h"
#include "SearchListState.h"
#include "TreeImageList.h"
#include "TreeView.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPages = 5000;
constexpr int kHitEvery = 10;

struct TOutline {
    QWidget Window;
    TTreeView Tree{&Window};
    const std::unique_ptr<TEditorEx> Memo{TEditor::Create<TEditorEx>()};
    bench::TBenchHost Host{Memo.get()};
    TOutlineBinding Binding{Tree, Host};
    TTreeImageList SubIcons;
    TFindList List{{Host, Binding, Window, SubIcons, [](bool) {}, [](bool) {}, [] {}}};

    TOutline()
    {
        Window.resize(800, 600);
        Memo->resize(800, 600);
        Memo->show();
        bench::FillSearchPages(Tree, kPages, kHitEvery);
        Memo->SetFindString("foo");
        SearchListState().SearchListScope = 0;
    }
    static const std::string& Text(const TTreeNode& Node) { return static_cast<TNodeData*>(Node.Data())->ItemStr(); }
};

void Report(benchmark::State& State, size_t Found)
{
    State.counters["found"] = static_cast<double>(Found);
    State.SetItemsProcessed(State.iterations() * kPages);
}

void BM_ListCommand(benchmark::State& State)
{
    TOutline outline;
    for (auto _ : State) {
        outline.List.ListSearch();
        outline.List.sbFListCloseClick();
    }
    Report(State, SearchListState().FoundPageList.Pages().size());
}
BENCHMARK(BM_ListCommand)->Unit(benchmark::kMillisecond);

// Plain "foo", or the regular expression "fo+".
void UseRegExp(TOutline& Outline, bool RegExp)
{
    Outline.Memo->SetFindString(RegExp ? "fo+" : "foo");
    Outline.Memo->SetExSearchOptions(RegExp ? TExSearchOptions{TExSearchOption::soRegexp} : TExSearchOptions{});
}

void BM_ListStoredTexts(benchmark::State& State)
{
    TOutline outline;
    UseRegExp(outline, State.range(0) != 0);
    size_t found = 0;
    for (auto _ : State) {
        TPageHitCheck check(outline.Memo->FindString(), outline.Memo->ExSearchOptions(), outline.Memo->WordWrap());
        const auto pages = FindPages(
            outline.Tree.Items().GetFirstNode(), 0,
            [&check](const TTreeNode& Node) { return check.HasHit(TOutline::Text(Node)); }, [] { return false; });
        found = pages.size();
    }
    Report(State, found);
}
BENCHMARK(BM_ListStoredTexts)->Arg(0)->Arg(1)->ArgName("regexp")->Unit(benchmark::kMillisecond);

// The peer: every page shown in the editor and searched there.
void BM_ListLoadingEveryPage(benchmark::State& State)
{
    TOutline outline;
    UseRegExp(outline, State.range(0) != 0);
    size_t found = 0;
    for (auto _ : State) {
        std::vector<TTreeNode*> pages;
        for (TTreeNode* node = outline.Tree.Items().GetFirstNode(); node; node = node->GetNext()) {
            outline.Memo->Lines()->SetTextStr(TOutline::Text(*node));
            outline.Memo->SetSelStart(0);
            outline.Memo->SetTopRow(0);
            if (outline.Memo->FindNext())
                pages.push_back(node);
        }
        found = pages.size();
    }
    Report(State, found);
}
BENCHMARK(BM_ListLoadingEveryPage)->Arg(0)->Arg(1)->ArgName("regexp")->Unit(benchmark::kMillisecond);

} // namespace
