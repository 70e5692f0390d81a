// The tree commands on large outlines, shown in the tree view, against
// QStandardItemModel + QTreeView doing the same in the same run:
// - MoveUpDown: a page with 9,999 descendants moved up and back down past
//   a sibling (the peer takes the row out and puts it back at the other
//   place).
// - SortSiblings: 10,000 sibling pages in shuffled order sorted by title
//   (the peer sorts its items; re-shuffling is not timed).
#include "../editor_text/JapanesePage.h"
#include "Cp932.h"
#include "TitleSort.h"
#include "TreeOperations.h"
#include "TreeView.h"

#include <QCoreApplication>
#include <QStandardItemModel>
#include <QTreeView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int Pages = 10000;

std::vector<std::string> Titles()
{
    bench::TPageWriter writer(17);
    std::vector<std::string> titles;
    for (int i = 0; i < Pages; ++i)
        titles.push_back(writer.Line(24));
    return titles;
}

// Page "big" (9,999 descendants, some levels deep) after page "small".
void FillMoveTree(TTreeNodes& Nodes)
{
    const std::vector<std::string> titles = Titles();
    Nodes.Add(nullptr, "small");
    TTreeNode* big = Nodes.Add(nullptr, "big");
    TTreeNode* chapter = big;
    for (int i = 1; i < Pages; ++i) {
        if (i % 100 == 1)
            chapter = Nodes.AddChild(big, titles[static_cast<size_t>(i)]);
        else
            Nodes.AddChild(chapter, titles[static_cast<size_t>(i)]);
    }
}

void ShowExpanded(QWidget& View)
{
    View.resize(400, 800);
    View.show();
}

void MoveUpDown(benchmark::State& State)
{
    TTreeView view;
    FillMoveTree(view.Items());
    view.FullExpand();
    ShowExpanded(view);
    TTreeNode* big = view.Items().TopLevelItem(1);
    for (auto _ : State) {
        MoveUp(*big);
        MoveDown(*big);
        QCoreApplication::processEvents();
    }
}

void PeerMoveUpDown(benchmark::State& State)
{
    const std::vector<std::string> titles = Titles();
    QStandardItemModel model;
    model.appendRow(new QStandardItem(QStringLiteral("small")));
    auto* big = new QStandardItem(QStringLiteral("big"));
    QStandardItem* chapter = big;
    for (int i = 1; i < Pages; ++i) {
        auto* item = new QStandardItem(QString::fromStdString(SjisToUtf8(titles[static_cast<size_t>(i)])));
        if (i % 100 == 1) {
            big->appendRow(item);
            chapter = item;
        } else {
            chapter->appendRow(item);
        }
    }
    model.appendRow(big);
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.expandAll();
    ShowExpanded(view);
    for (auto _ : State) {
        model.insertRow(0, model.takeRow(1));
        model.insertRow(1, model.takeRow(0));
        QCoreApplication::processEvents();
    }
}

void SortSiblings(benchmark::State& State)
{
    std::vector<std::string> titles = Titles();
    std::mt19937 random(5);
    TTreeView view;
    ShowExpanded(view);
    for (auto _ : State) {
        State.PauseTiming();
        std::shuffle(titles.begin(), titles.end(), random);
        view.Items().Clear();
        WithinUpdate(view.Items(), [&] {
            for (const std::string& title : titles)
                view.Items().Add(nullptr, title);
        });
        QCoreApplication::processEvents();
        State.ResumeTiming();
        SortTree(view.Items());
        QCoreApplication::processEvents();
    }
}

void PeerSortSiblings(benchmark::State& State)
{
    std::vector<QString> titles;
    for (const std::string& title : Titles())
        titles.push_back(QString::fromStdString(SjisToUtf8(title)));
    std::mt19937 random(5);
    QStandardItemModel model;
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setModel(&model);
    ShowExpanded(view);
    for (auto _ : State) {
        State.PauseTiming();
        std::shuffle(titles.begin(), titles.end(), random);
        model.clear();
        for (const QString& title : titles)
            model.appendRow(new QStandardItem(title));
        QCoreApplication::processEvents();
        State.ResumeTiming();
        model.sort(0);
        QCoreApplication::processEvents();
    }
}

BENCHMARK(MoveUpDown)->Unit(benchmark::kMillisecond);
BENCHMARK(PeerMoveUpDown)->Unit(benchmark::kMillisecond);
BENCHMARK(SortSiblings)->Unit(benchmark::kMillisecond);
BENCHMARK(PeerSortSiblings)->Unit(benchmark::kMillisecond);

} // namespace
