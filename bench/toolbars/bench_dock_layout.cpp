// A dock of 4 rows of 10 toolbars, each of five 23 x 22 buttons: one dock
// layout (rows squeezed into a dock narrower than them), and a full relayout
// (the dock resized and every toolbar re-arranging its buttons), against
// the same 40 toolbars of five buttons as QToolBars in four toolbar rows of
// a QMainWindow, resized and laid out again, in the same run.
#include "DockButton.h"
#include "DockToolbar.h"
#include "ToolDock.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

constexpr int Rows = 4;
constexpr int BarsPerRow = 10;
constexpr int Buttons = 5;

struct TDockForm {
    QWidget Form;
    TToolDock* Dock = new TToolDock(&Form, "Dock");
    std::vector<TDockToolbar*> Bars;

    TDockForm()
    {
        Dock->setGeometry(0, 0, 1280, 0);
        for (int i = 0; i < Rows * BarsPerRow; ++i) {
            auto* bar = new TDockToolbar(Dock, "Bar" + std::to_string(i));
            bar->SetDockRow(i / BarsPerRow);
            for (int b = 0; b < Buttons; ++b)
                new TDockButton(bar);
            Bars.push_back(bar);
        }
        QApplication::sendPostedEvents();
    }
};

void BM_DockLayoutBars(benchmark::State& State)
{
    TDockForm f;
    for (auto _ : State)
        f.Dock->LayoutBars();
}

void BM_DockFullRelayout(benchmark::State& State)
{
    TDockForm f;
    int width = 1280;
    for (auto _ : State) {
        width = width == 1280 ? 1000 : 1280;
        f.Dock->LockLayout();
        f.Dock->resize(width, f.Dock->height());
        for (TDockToolbar* bar : f.Bars)
            bar->RearrangeChildren();
        f.Dock->UnlockLayout();
        f.Dock->LayoutBars();
    }
}

void BM_QMainWindowToolbarRelayout(benchmark::State& State)
{
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    for (int i = 0; i < Rows * BarsPerRow; ++i) {
        if (i > 0 && i % BarsPerRow == 0)
            window.addToolBarBreak();
        auto* bar = window.addToolBar(QString::number(i));
        for (int b = 0; b < Buttons; ++b) {
            auto* button = new QToolButton;
            button->setFixedSize(23, 22);
            bar->addWidget(button);
        }
    }
    window.resize(1280, 400);
    window.layout()->activate();
    int width = 1280;
    for (auto _ : State) {
        width = width == 1280 ? 1000 : 1280;
        window.resize(width, 400);
        window.layout()->invalidate();
        window.layout()->activate();
    }
}

} // namespace

BENCHMARK(BM_DockLayoutBars)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DockFullRelayout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QMainWindowToolbarRelayout)->Unit(benchmark::kMicrosecond);
