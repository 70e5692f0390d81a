// Typing into the middle of a 2 MB and a 10 MB page: 2,000 key presses of "a", each
// followed by the repaint it causes, in a 1280 x 960 editor (IPAGothic
// 16 px, word wrap at 80, C/C++ colouring), against QPlainTextEdit of the
// same size typing into the same text, wrapped at its width, with a
// highlighter for the same kinds of tokens. The counters give the median and the 99th percentile of
// one key press in milliseconds.
#include "CPage.h"

#include "Cp932.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextBlock>
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
constexpr int Presses = 2000;
constexpr int WrapColumns = 80;

void PressA(QWidget& Target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&Target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&Target, &release);
    QApplication::processEvents();
}

// Times each press and reports the median and the 99th percentile.
void TypeAndReport(benchmark::State& State, QWidget& Target)
{
    std::vector<double> times;
    times.reserve(Presses);
    for (auto _ : State) {
        const auto start = std::chrono::steady_clock::now();
        PressA(Target);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    State.counters["median_ms"] = times[times.size() / 2];
    State.counters["p99_ms"] = times[times.size() * 99 / 100];
}

void EditorTyping(benchmark::State& State)
{
    const std::unique_ptr<TEditor> editor(TEditor::Create<TEditor>());
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    editor->SetFont(&font);
    bench::SetUpCColouring(*editor);
    editor->SetWordWrap(true);
    editor->WrapOption()->SetWrapByte(WrapColumns);
    editor->resize(Width, Height);
    editor->show();
    editor->setFocus();
    editor->Lines()->SetTextStr(bench::PageText(State.range(0)));
    // Inside a row of text, so that no blanks pad the first press.
    int row = editor->RowCount() / 2;
    while (editor->RowWidth(row) < 20)
        ++row;
    editor->SetRowCol(row, 10);
    QApplication::processEvents();
    TypeAndReport(State, *editor);
}

// The same kinds of tokens as the editor's C colouring.
class TCHighlighter : public QSyntaxHighlighter {
public:
    explicit TCHighlighter(QTextDocument* Document) : QSyntaxHighlighter(Document)
    {
        const auto add = [this](const char* Pattern, Qt::GlobalColor Color) {
            QTextCharFormat format;
            format.setForeground(Color);
            Rules_.push_back({QRegularExpression(QString::fromLatin1(Pattern)), format});
        };
        add("\\b(char|const|double|for|if|int|return|static)\\b", Qt::darkBlue);
        add("\\b(0x[0-9a-fA-F]+|[0-9]+)\\b", Qt::blue);
        add("\"[^\"]*\"", Qt::darkRed);
        add("//.*$", Qt::darkGreen);
        Comment_.setForeground(Qt::darkGreen);
    }

protected:
    void highlightBlock(const QString& Text) override
    {
        for (const TRule& rule : Rules_)
            for (auto it = rule.Pattern.globalMatch(Text); it.hasNext();) {
                const QRegularExpressionMatch match = it.next();
                setFormat(static_cast<int>(match.capturedStart()), static_cast<int>(match.capturedLength()),
                          rule.Format);
            }
        // "/* ... */" across blocks.
        setCurrentBlockState(0);
        qsizetype start = previousBlockState() == 1 ? 0 : Text.indexOf(QLatin1String("/*"));
        while (start >= 0) {
            const qsizetype end = Text.indexOf(QLatin1String("*/"), start);
            if (end < 0) {
                setCurrentBlockState(1);
                setFormat(static_cast<int>(start), static_cast<int>(Text.size() - start), Comment_);
                break;
            }
            setFormat(static_cast<int>(start), static_cast<int>(end + 2 - start), Comment_);
            start = Text.indexOf(QLatin1String("/*"), end + 2);
        }
    }

private:
    struct TRule {
        QRegularExpression Pattern;
        QTextCharFormat Format;
    };
    std::vector<TRule> Rules_;
    QTextCharFormat Comment_;
};

void PlainTextEditTyping(benchmark::State& State)
{
    QPlainTextEdit edit;
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(16);
    edit.setFont(font);
    // QPlainTextEdit wraps at its width only.
    edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit.setPlainText(QString::fromStdU16String(SjisToUtf16(bench::PageText(State.range(0)))));
    TCHighlighter highlighter(edit.document());
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
    TypeAndReport(State, edit);
}

} // namespace

BENCHMARK(EditorTyping)->Arg(2)->Arg(10)->Iterations(Presses)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditTyping)->Arg(2)->Arg(10)->Iterations(Presses)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
