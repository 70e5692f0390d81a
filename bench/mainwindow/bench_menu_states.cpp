// The menus' states on the main window: the edit menu's states computed
// from the window and put on its items, against Qt setting the enabled
// state of the same number of actions (Changing: the selection comes and
// goes between two openings, so that about half the items change; else
// nothing changes); and a shortcut of the edit menu
// pressed in the page editor, recomputing its menu's states before its
// item runs, against a QAction shortcut of a QPlainTextEdit pressed the
// same way. Counters in microseconds per operation.
#include "EditorEx.h"
#include "Instances.h"
#include "Main.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

// A shown main window with a page of text, its own program folder.
struct TWindow {
    TWindow()
    {
        setenv("VELK_HOME", home.path().toLocal8Bit().constData(), 1);
        form.FormCreate({});
        form.show();
        form.DataMemo()->SetText("first line\r\nsecond line\r\nthird line\r\n");
        form.DataMemo()->setFocus();
        QApplication::processEvents();
    }
    QTemporaryDir home;
    TInstanceRegistry instances;
    TVelkForm form{instances};
};

int EditMenuItemCount(TVelkForm& Form)
{
    int count = 0;
    const std::function<void(TMenuItem&)> walk = [&](TMenuItem& Item) {
        for (int i = 0; i < Item.Count(); ++i) {
            ++count;
            walk(*Item.Items(i));
        }
    };
    walk(*Form.MenuItem("EditTop"));
    return count;
}

void EditMenuStates(benchmark::State& State)
{
    TWindow window;
    TMenuItem& editTop = *window.form.MenuItem("EditTop");
    TEditorEx& memo = *window.form.DataMemo();
    const bool changing = State.range(0) != 0;
    bool selected = false;
    for (auto _ : State) {
        if (changing) {
            State.PauseTiming();
            selected = !selected;
            memo.SetSelStart(0);
            memo.SetSelLength(selected ? 5 : 0);
            State.ResumeTiming();
        }
        editTop.Click();
    }
    State.counters["us"] = benchmark::Counter(static_cast<double>(State.iterations()) * 1e-6,
                                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void QtActionStates(benchmark::State& State)
{
    TWindow window;
    QMenu menu;
    std::vector<QAction*> actions;
    for (int i = 0, count = EditMenuItemCount(window.form); i < count; ++i)
        actions.push_back(menu.addAction(QStringLiteral("item %1").arg(i)));
    const bool changing = State.range(0) != 0;
    bool enabled = false;
    for (auto _ : State) {
        // The same items, each set as a state table would set it.
        enabled = changing && !enabled;
        for (size_t i = 0; i < actions.size(); ++i)
            actions[i]->setEnabled(enabled != (i % 3 == 0));
    }
    State.counters["us"] = benchmark::Counter(static_cast<double>(State.iterations()) * 1e-6,
                                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void ShortcutDispatch(benchmark::State& State)
{
    TWindow window;
    window.form.MenuItem("EdLineTop")->SetShortCut(scCtrl | 'J');
    TEditorEx* memo = window.form.DataMemo();
    for (auto _ : State)
        QTest::keyClick(memo, Qt::Key_J, Qt::ControlModifier);
    State.counters["us"] = benchmark::Counter(static_cast<double>(State.iterations()) * 1e-6,
                                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void QtShortcutDispatch(benchmark::State& State)
{
    QPlainTextEdit edit;
    edit.setPlainText(QStringLiteral("first line\nsecond line\nthird line\n"));
    auto* action = new QAction(&edit);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, &edit, [&edit] { edit.moveCursor(QTextCursor::StartOfLine); });
    edit.addAction(action);
    edit.show();
    edit.setFocus();
    QApplication::processEvents();
    for (auto _ : State)
        QTest::keyClick(&edit, Qt::Key_J, Qt::ControlModifier);
    State.counters["us"] = benchmark::Counter(static_cast<double>(State.iterations()) * 1e-6,
                                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(EditMenuStates)->ArgName("Changing")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(QtActionStates)->ArgName("Changing")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShortcutDispatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(QtShortcutDispatch)->Unit(benchmark::kMicrosecond);

} // namespace
