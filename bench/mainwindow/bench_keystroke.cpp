// One key press of "a" in the middle of a 2 MB and a 20 MB page (the
// argument, in MB) of a 10,000-page document, through the page editor and
// the main window's glue (the page marked unstored, the title, the status
// bar and the buttons), each
// followed by its repaint, in a 1280 x 960 window; against QPlainTextEdit
// of the same size typing into the same text. The counters give the median
// and the 99th percentile of one key press in milliseconds.
#include "Cp932.h"
#include "EditorEx.h"
#include "Instances.h"
#include "KeyTiming.h"
#include "Main.h"
#include "NodeData.h"
#include "TreeView.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Width = 1280;
constexpr int Height = 960;
constexpr int Pages = 10000;

// About Megabytes MB of Japanese prose with a few ASCII lines, Shift-JIS,
// CR LF.
const std::string& PageText(int64_t Megabytes)
{
    static std::map<int64_t, std::string> texts;
    std::string& text = texts[Megabytes];
    if (text.empty()) {
        const size_t pageBytes = static_cast<size_t>(Megabytes) * 1024 * 1024;
        const char* lines[] = {
            "第%d節　入力された値を検証し、範囲外なら既定値に置き換えてから結果を返す手順について述べる。",
            "この段落は折り返しの確認のために少し長めに書かれている。句読点、括弧「」、記号も含む。",
            "value_%d = check(value, 0x%x); // ASCII line",
            "",
        };
        std::string utf8;
        char line[512];
        for (int i = 0; utf8.size() < pageBytes; ++i) {
            std::snprintf(line, sizeof line, lines[i % std::size(lines)], i, i);
            utf8 += line;
            utf8 += "\r\n";
        }
        text = Utf8ToSjis(utf8);
    }
    return text;
}

void PageGlueTyping(benchmark::State& State)
{
    // The program folder is found once per process: both sizes share it.
    static const QTemporaryDir home;
    setenv("VELK_HOME", home.path().toLocal8Bit().constData(), 1);
    TInstanceRegistry instances;
    TVelkForm form(instances);
    form.FormCreate({});
    form.resize(Width, Height);
    form.show();

    // 10,000 short pages with the large one in the middle.
    TTreeNodes& items = form.DataTree()->Items();
    items.BeginUpdate();
    for (int i = 1; i < Pages; ++i) {
        TTreeNode* node = items.Add(nullptr, "page " + std::to_string(i));
        auto data = std::make_unique<TNodeData>();
        data->SetItemStr(i == Pages / 2 ? PageText(State.range(0)) : "page " + std::to_string(i) + "\r\ntext\r\n");
        node->SetData(std::move(data));
    }
    items.EndUpdate();
    form.DataTree()->SetSelected(items.Item(Pages / 2));
    TEditorEx& memo = *form.DataMemo();
    memo.setFocus();
    int row = memo.RowCount() / 2;
    while (memo.RowWidth(row) < 20)
        ++row;
    memo.SetRowCol(row, 10);
    QApplication::processEvents();
    benchkeys::TypeAndReport(State, memo);
    // The next size's window comes up in the same run: no save question
    // may hold this one open.
    memo.SetModified(false);
}

void PlainTextEditTyping(benchmark::State& State)
{
    QPlainTextEdit edit;
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(16);
    edit.setFont(font);
    edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit.setPlainText(QString::fromStdU16String(SjisToUtf16(PageText(State.range(0)))));
    edit.resize(Width, Height);
    edit.show();
    edit.setFocus();
    QTextBlock block = edit.document()->findBlockByNumber(edit.document()->blockCount() / 2);
    while (block.length() < 20)
        block = block.next();
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 10);
    edit.setTextCursor(cursor);
    edit.ensureCursorVisible();
    QApplication::processEvents();
    benchkeys::TypeAndReport(State, edit);
}

BENCHMARK(PageGlueTyping)->Arg(2)->Arg(20)->Iterations(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditTyping)->Arg(2)->Arg(20)->Iterations(2000)->Unit(benchmark::kMillisecond);

} // namespace
