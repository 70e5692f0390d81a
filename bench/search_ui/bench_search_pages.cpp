// Find next over 5,000 pages of 2 KB for a string no page holds, and fast
// replace over them (plain and regular expression), through the commands'
// own walk. The peers do the same work the plain way in the same run: the
// find shows every page in the editor and searches it; the replace
// replaces every stored text with QByteArray::replace and stores it back.
#include "BenchHost.h"
#include "BenchPages.h"
#include "EditorEx.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "ScriptedDialogs.h"
#include "SearchCommands.h"
#include "TreeView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

constexpr int kPages = 5000;

// A window's worth of the program: tree, editor, binding, commands.
struct TOutline {
    TTreeView Tree;
    const std::unique_ptr<TEditorEx> Memo{TEditor::Create<TEditorEx>()};
    bench::TBenchHost Host{Memo.get()};
    TOutlineBinding Binding{Tree, Host};
    TSearchCommands Commands{{Host, Binding, *Memo, [](bool) {}, {}}};

    explicit TOutline(int HitEvery)
    {
        Memo->resize(800, 600);
        Memo->show();
        bench::FillSearchPages(Tree, kPages, HitEvery);
    }
    TNodeData& Page(int Index) { return *static_cast<TNodeData*>(Tree.Items().Item(Index)->Data()); }
};

void BM_FindAbsentAcrossPages(benchmark::State& State)
{
    TOutline outline(10);
    outline.Memo->SetFindString("absent");
    for (auto _ : State) {
        outline.Commands.ShowPageAtTop(outline.Tree.Items().Item(0));
        benchmark::DoNotOptimize(outline.Commands.FindNextAcrossPages());
    }
}
BENCHMARK(BM_FindAbsentAcrossPages)->Unit(benchmark::kMillisecond);

void BM_FindAbsentShowingEveryPage(benchmark::State& State)
{
    TOutline outline(10);
    outline.Memo->SetFindString("absent");
    for (auto _ : State) {
        for (TTreeNode* node = outline.Tree.Items().Item(0); node; node = node->GetNext()) {
            outline.Tree.SetSelected(node);
            outline.Memo->SetSelStart(0);
            benchmark::DoNotOptimize(outline.Memo->FindNext());
        }
    }
}
BENCHMARK(BM_FindAbsentShowingEveryPage)->Unit(benchmark::kMillisecond);

// Runs the fast replace over every page, from Find to With.
void FastReplace(TOutline& Outline, const std::string& Find, const std::string& With, bool RegExp)
{
    Outline.Tree.SetSelected(Outline.Tree.Items().Item(0));
    TScriptedDialogs dialogs;
    dialogs.AnswerForm([&](QDialog& Dialog) {
        Dialog.findChild<QComboBox*>("ComboBox1")->setEditText(QString::fromStdString(Find));
        Dialog.findChild<QComboBox*>("ComboBox2")->setEditText(QString::fromStdString(With));
        auto* regExp = Dialog.findChild<QAbstractButton*>("chkRegExp");
        if (regExp->isChecked() != RegExp)
            regExp->click();
        Dialog.findChildren<QRadioButton*>().at(2)->click();
        Dialog.findChild<QAbstractButton*>("btnOK")->click();
        return Dialog.result();
    });
    Outline.Commands.FdFastReplaceClick();
}

void BM_FastReplace(benchmark::State& State)
{
    const bool regExp = State.range(1) != 0;
    TOutline outline(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        // Forth and back, so every run finds the same hits.
        FastReplace(outline, regExp ? "f(o)o" : "foo", "bar", regExp);
        FastReplace(outline, regExp ? "b(a)r" : "bar", "foo", regExp);
    }
    State.SetItemsProcessed(State.iterations() * 2 * kPages);
}
BENCHMARK(BM_FastReplace)
    ->ArgsProduct({{1, 10}, {0, 1}})
    ->ArgNames({"hitEvery", "regexp"})
    ->Unit(benchmark::kMillisecond);

void BM_ReplaceStoredTexts(benchmark::State& State)
{
    TOutline outline(static_cast<int>(State.range(0)));
    auto replaceAll = [&](const QByteArray& Find, const QByteArray& With) {
        for (int i = 0; i < kPages; ++i) {
            QByteArray text = QByteArray::fromStdString(outline.Page(i).ItemStr());
            outline.Page(i).SetItemStr(text.replace(Find, With).toStdString());
        }
    };
    for (auto _ : State) {
        replaceAll("foo", "bar");
        replaceAll("bar", "foo");
    }
    State.SetItemsProcessed(State.iterations() * 2 * kPages);
}
BENCHMARK(BM_ReplaceStoredTexts)->Arg(1)->Arg(10)->ArgName("hitEvery")->Unit(benchmark::kMillisecond);

} // namespace
