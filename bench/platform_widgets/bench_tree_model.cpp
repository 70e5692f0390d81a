// A 100,000-page outline (100 chapters of 9 sections of 110 pages, titles
// in Shift-JIS) built into the tree model and shown fully expanded in the
// tree view with one repaint, against QStandardItemModel + QTreeView with
// the same titles. The peer converts each title to Unicode as it fills its
// items (it cannot hold bytes); a second peer gets the Unicode titles ready
// made, to show what the conversion alone costs. Both views have uniform
// row heights. Building starts on an empty, visible view and ends after
// the repaint; tearing down is not timed.
#include "Cp932.h"
#include "TreeView.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QTreeView>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kChapters = 100;
constexpr int kSections = 9;
constexpr int kPages = 110;

struct TPageTitle {
    int Depth;
    std::string Title;
};

// The outline in tree order.
const std::vector<TPageTitle>& Outline()
{
    static const std::vector<TPageTitle> outline = [] {
        std::vector<TPageTitle> titles;
        for (int c = 1; c <= kChapters; ++c) {
            titles.push_back({0, Utf8ToSjis("第" + std::to_string(c) + "章 吾輩は猫である")});
            for (int s = 1; s <= kSections; ++s) {
                titles.push_back({1, Utf8ToSjis(std::to_string(c) + "." + std::to_string(s) + " 名前はまだ無い")});
                for (int p = 1; p <= kPages; ++p)
                    titles.push_back(
                        {2, Utf8ToSjis("ページ " + std::to_string(p) + " どこで生れたかとんと見当がつかぬ")});
            }
        }
        return titles;
    }();
    return outline;
}

const std::vector<QString>& UnicodeTitles()
{
    static const std::vector<QString> titles = [] {
        std::vector<QString> result;
        for (const TPageTitle& page : Outline()) {
            const std::u16string title = SjisToUtf16(page.Title);
            result.emplace_back(reinterpret_cast<const QChar*>(title.data()), static_cast<qsizetype>(title.size()));
        }
        return result;
    }();
    return titles;
}

// Shows View and waits until it is on the screen, so that a repaint paints.
void ShowView(QTreeView& View)
{
    View.resize(400, 800);
    View.setHeaderHidden(true);
    View.setUniformRowHeights(true);
    View.show();
    while (!View.windowHandle()->isExposed())
        QApplication::processEvents();
}

// Times Fill on a new view made by Make; making and freeing are not timed.
template <typename TMake, typename TFill>
void Measure(benchmark::State& State, TMake&& Make, TFill&& Fill)
{
    for (auto _ : State) {
        auto shown = Make();
        const auto start = std::chrono::steady_clock::now();
        Fill(*shown);
        State.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    State.counters["nodes"] = static_cast<double>(Outline().size());
}

void BM_TreeNodesInTreeView(benchmark::State& State)
{
    auto make = [] {
        auto view = std::make_unique<TTreeView>();
        ShowView(*view);
        return view;
    };
    Measure(State, make, [](TTreeView& View) {
        TTreeNodes& items = View.Items();
        WithinUpdate(items, [&] {
            TTreeNode* parents[3] = {};
            for (const TPageTitle& page : Outline()) {
                TTreeNode* node = items.AddChild(page.Depth ? parents[page.Depth - 1] : nullptr, page.Title);
                parents[page.Depth] = node;
                if (page.Depth > 0)
                    parents[page.Depth - 1]->SetExpanded(true);
            }
        });
        View.viewport()->repaint();
        benchmark::DoNotOptimize(View.TopItem());
    });
}

struct TPeer {
    std::unique_ptr<QStandardItemModel> Model = std::make_unique<QStandardItemModel>();
    std::unique_ptr<QTreeView> View = std::make_unique<QTreeView>();
};

std::unique_ptr<TPeer> MakePeer()
{
    auto peer = std::make_unique<TPeer>();
    ShowView(*peer->View);
    return peer;
}

template <typename TTitleOf>
void FillPeer(TPeer& Peer, TTitleOf&& TitleOf)
{
    QStandardItem* parents[3] = {Peer.Model->invisibleRootItem()};
    const std::vector<TPageTitle>& outline = Outline();
    for (size_t i = 0; i < outline.size(); ++i) {
        auto* item = new QStandardItem(TitleOf(i));
        parents[outline[i].Depth]->appendRow(item);
        parents[outline[i].Depth + 1] = item;
    }
    Peer.View->setModel(Peer.Model.get());
    Peer.View->expandAll();
    Peer.View->viewport()->repaint();
    benchmark::DoNotOptimize(Peer.View->indexAt(QPoint(0, 0)));
}

void BM_QStandardItemModelInQTreeView(benchmark::State& State)
{
    Measure(State, MakePeer, [](TPeer& Peer) {
        FillPeer(Peer, [](size_t I) {
            const std::u16string title = SjisToUtf16(Outline()[I].Title);
            return QString(reinterpret_cast<const QChar*>(title.data()), static_cast<qsizetype>(title.size()));
        });
    });
}

void BM_QStandardItemModelInQTreeView_UnicodeReady(benchmark::State& State)
{
    UnicodeTitles();
    Measure(State, MakePeer, [](TPeer& Peer) { FillPeer(Peer, [](size_t I) { return UnicodeTitles()[I]; }); });
}

BENCHMARK(BM_TreeNodesInTreeView)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QStandardItemModelInQTreeView)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QStandardItemModelInQTreeView_UnicodeReady)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Outline();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
