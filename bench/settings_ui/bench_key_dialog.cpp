// Opening the key dialog: building the form, listing the 160 rows with
// their keys, filling the candidate list and showing it with its first
// paint (offscreen), against the peer: a bare QDialog with a QTreeWidget of
// the same 160 rows and a QListWidget of the same candidates, shown and
// painted the same way. Also switching the candidates to the Ctrl set (56
// entries, each checked against every row) with its repaint.
#include "CommandTable.h"
#include "KeyCandidates.h"
#include "KeyCustomForm.h"
#include "ShortCutText.h"
#include "SubKeyIni.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace {

// The menu items with the built-in shortcuts, as on a first start.
class TItems final : public IShortCutTarget {
public:
    TItems()
    {
        for (const TCommandRow& row : CommandRegistry())
            if (!row.IsHeader())
                Items_[*row.Item] = row.Default ? row.Default : row.MenuShortCut;
    }
    TShortCut ShortCut(TCommandId Item) const override
    {
        const auto found = Items_.find(Item);
        return found == Items_.end() ? 0 : found->second;
    }
    void SetShortCut(TCommandId Item, TShortCut Value) override { Items_[Item] = Value; }

private:
    std::map<TCommandId, TShortCut> Items_;
};

void ShowAndPaint(QWidget& Window)
{
    Window.show();
    Window.repaint();
    QApplication::processEvents();
}

void BM_OpenKeyDialog(benchmark::State& State)
{
    TItems items;
    for (auto _ : State) {
        TKeyForm form(items);
        form.FormShow();
        ShowAndPaint(form);
    }
}
BENCHMARK(BM_OpenKeyDialog)->Unit(benchmark::kMillisecond);

void BM_OpenPlainQtLists(benchmark::State& State)
{
    TItems items;
    for (auto _ : State) {
        QDialog dialog;
        dialog.resize(524, 347);
        auto* rows = new QTreeWidget;
        rows->setColumnCount(2);
        auto* candidates = new QListWidget;
        auto* layout = new QHBoxLayout(&dialog);
        layout->addWidget(rows);
        layout->addWidget(candidates);
        QList<QTreeWidgetItem*> list;
        for (const TCommandRow* row : KeyDialogRows())
            list.append(new QTreeWidgetItem(
                {QString::fromUtf8(row->Caption.data(), static_cast<qsizetype>(row->Caption.size())),
                 QString::fromStdString(row->IsHeader() ? std::string()
                                                        : ShortCutToText(items.ShortCut(*row->Item)))}));
        rows->addTopLevelItems(list);
        for (const std::string& key : KeyCandidates(0))
            candidates->addItem(QString::fromStdString(key));
        ShowAndPaint(dialog);
    }
}
BENCHMARK(BM_OpenPlainQtLists)->Unit(benchmark::kMillisecond);

void BM_SwitchToCtrlSet(benchmark::State& State)
{
    TItems items;
    TKeyForm form(items);
    form.FormShow();
    ShowAndPaint(form);
    bool ctrl = false;
    for (auto _ : State) {
        form.CkCtrlKey->setChecked(ctrl = !ctrl);
        form.ListBox1->repaint();
    }
}
BENCHMARK(BM_SwitchToCtrlSet)->Unit(benchmark::kMillisecond);

} // namespace
