// Opening the browse view and refreshing the sub-icon finder on a
// 10,000-page document (every page carrying a sub-icon, so the finder
// lists them all), each with the repaint that follows, against filling a
// QTreeWidget with the same titles in the same run.
#include "FindIconForm.h"
#include "Instances.h"
#include "Main.h"
#include "NodeData.h"
#include "PaneViews.h"
#include "SubIcons.h"
#include "TreeView.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int Pages = 10000;

std::string Title(int Index) { return "page " + std::to_string(Index); }

// One window with the document, made once for every benchmark.
TVelkForm& Form()
{
    static QTemporaryDir home;
    static TInstanceRegistry* instances = [] {
        setenv("VELK_HOME", home.path().toLocal8Bit().constData(), 1);
        return new TInstanceRegistry;
    }();
    static TVelkForm* form = [] {
        auto* made = new TVelkForm(*instances);
        made->FormCreate({});
        made->resize(1280, 960);
        made->show();
        TTreeNodes& items = made->DataTree()->Items();
        items.BeginUpdate();
        for (int i = 1; i < Pages; ++i) {
            TTreeNode* node = items.Add(nullptr, Title(i));
            node->SetStateIndex(1 + i % 10);
            auto data = std::make_unique<TNodeData>();
            data->SetItemStr(Title(i) + "\r\ntext\r\n");
            node->SetData(std::move(data));
        }
        items.EndUpdate();
        items.Item(0)->SetStateIndex(1);
        QApplication::processEvents();
        return made;
    }();
    return *form;
}

void OpenBrowseView(benchmark::State& State)
{
    TVelkForm& form = Form();
    for (auto _ : State) {
        form.PaneViews().OpSplitReadClick();
        QApplication::processEvents();
        State.PauseTiming();
        form.PaneViews().OpSplitReadClick();
        QApplication::processEvents();
        State.ResumeTiming();
    }
    State.counters["entries"] = form.DataTree()->Items().Count();
}

void RefreshSubIconFinder(benchmark::State& State)
{
    TVelkForm& form = Form();
    form.SubIcons().FdGoSubIconClick();
    QApplication::processEvents();
    for (auto _ : State) {
        form.SubIcons().RefreshSubIconFinder();
        QApplication::processEvents();
    }
    State.counters["entries"] = form.SubIcons().SubIconFinder()->IconTree()->Items().Count();
}

void FillQTreeWidget(benchmark::State& State)
{
    QTreeWidget tree;
    tree.resize(300, 480);
    tree.show();
    QStringList titles;
    for (int i = 0; i < Pages; ++i)
        titles.push_back(QString::fromStdString(Title(i)));
    for (auto _ : State) {
        tree.clear();
        QList<QTreeWidgetItem*> items;
        items.reserve(Pages);
        for (const QString& title : titles)
            items.push_back(new QTreeWidgetItem(QStringList{title}));
        tree.addTopLevelItems(items);
        QApplication::processEvents();
    }
    State.counters["entries"] = tree.topLevelItemCount();
}

BENCHMARK(OpenBrowseView)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(RefreshSubIconFinder)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(FillQTreeWidget)->Iterations(30)->Unit(benchmark::kMillisecond);

} // namespace
