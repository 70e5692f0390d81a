// Switching from one 2 MB page to another: the page left is stored into
// its node, the page selected is loaded into the editor (1280 x 960,
// IPAGothic 16 px, word wrap at 80 columns), wrapped, its caret scrolled
// into view and the editor painted once. The peer is QPlainTextEdit of the
// same size doing the same work with the same texts: the text taken out
// (toPlainText), the other put in (setPlainText, laid out at its width)
// and painted. The counters give the median and the 99th percentile of one
// switch in milliseconds.
#include "BenchHost.h"
#include "EditorEx.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "SubIni.h"

#include "Cp932.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Width = 1280;
constexpr int Height = 960;
constexpr size_t PageBytes = 2 * 1024 * 1024;
constexpr int Switches = 60;

// About 2 MB of Japanese prose with long paragraphs that wrap, in Shift-JIS
// with CR LF line ends; Variant makes the two pages differ.
std::string PageText(int Variant)
{
    const char* sentences[] = {
        "ページ%dの段落%dです。日本語の文章が折り返されて表示されることを確かめます。",
        "アウトラインの各ページは木構造の節に保存され、選ばれたときだけ編集画面に読み込まれます。",
        "Shift-JIS text with ASCII words, numbers like 12345, and a long line that wraps.",
    };
    std::string utf8;
    char line[512];
    for (int i = 0; utf8.size() < PageBytes; ++i) {
        std::string paragraph;
        for (int s = 0; s < 4; ++s) {
            std::snprintf(line, sizeof line, sentences[(i + s) % std::size(sentences)], Variant, i);
            paragraph += line;
        }
        utf8 += paragraph + "\r\n\r\n";
    }
    return Utf8ToSjis(utf8);
}

template <typename TSwitch>
void TimeSwitches(benchmark::State& State, TSwitch&& Switch)
{
    std::vector<double> times;
    times.reserve(Switches);
    for (auto _ : State) {
        const auto start = std::chrono::steady_clock::now();
        Switch();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    State.counters["median_ms"] = times[times.size() / 2];
    State.counters["p99_ms"] = times[times.size() * 99 / 100];
}

void PageSwitch(benchmark::State& State)
{
    SettingsVars.PageCursor.Mode = true;
    const std::unique_ptr<TEditorEx> memo(TEditor::Create<TEditorEx>());
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    memo->SetFont(&font);
    memo->SetWordWrap(true);
    memo->WrapOption()->SetWrapByte(80);
    memo->resize(Width, Height);
    memo->show();
    bench::TBenchHost host(memo.get());
    TTreeView tree;
    TOutlineBinding binding(tree, host);
    TTreeNode* pages[2];
    for (int i = 0; i < 2; ++i) {
        pages[i] = tree.Items().Add(nullptr, "page");
        auto data = std::make_unique<TNodeData>();
        data->SetItemStr(PageText(i));
        data->SetSelStart(static_cast<int32_t>(PageBytes / 2));
        pages[i]->SetData(std::move(data));
    }
    tree.SetSelected(pages[0]);
    QApplication::processEvents();
    int next = 1;
    TimeSwitches(State, [&] {
        tree.SetSelected(pages[next]);
        memo->viewport()->repaint();
        next ^= 1;
    });
}

void PlainTextEditSwitch(benchmark::State& State)
{
    QPlainTextEdit edit;
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(16);
    edit.setFont(font);
    edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit.resize(Width, Height);
    edit.show();
    QString texts[2] = {QString::fromStdU16String(SjisToUtf16(PageText(0))),
                        QString::fromStdU16String(SjisToUtf16(PageText(1)))};
    edit.setPlainText(texts[0]);
    QApplication::processEvents();
    int next = 1;
    TimeSwitches(State, [&] {
        texts[next ^ 1] = edit.toPlainText();
        edit.setPlainText(texts[next]);
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(static_cast<int>(texts[next].size() / 2));
        edit.setTextCursor(cursor);
        edit.ensureCursorVisible();
        edit.viewport()->repaint();
        next ^= 1;
    });
}

} // namespace

BENCHMARK(PageSwitch)->Iterations(Switches)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditSwitch)->Iterations(Switches)->Unit(benchmark::kMillisecond);
