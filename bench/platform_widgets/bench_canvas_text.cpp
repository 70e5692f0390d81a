// A screenful of Shift-JIS rows drawn with TCanvas::TextOutCells (every
// character at its cell, opaque, clipped to its row) against plain
// QPainter::drawText of the same rows as QStrings, each row's background
// filled first as an editor's would be. A 1280x960 view in a 16 px
// Japanese font holds about 60 rows of 160 columns.
#include "Canvas.h"
#include "Cp932.h"
#include "Sjis.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 960;

enum TTextKind { kCode, kAscii, kJapanese };

// Rows of C code with Japanese comments, only ASCII, or only Japanese
// prose, each cut to the columns that fit the view.
std::vector<std::string> Rows(TTextKind Kind, int Columns, int Count)
{
    static const char* const code[] = {
        "    for (int i = 0; i < count; ++i) {  // 行ごとに合計を数える",
        "        total += values[i] * weight;   /* 重みを掛けて足す */",
        "    if (total > limit) return -1;      // 上限を超えたら失敗とする",
        "static const char* name = \"ﾃｽﾄ用の名前\";",
        "    }",
        "",
    };
    static const char* const ascii[] = {
        "    for (int i = 0; i < count; ++i) { total += values[i] * weight; if (total > limit) return -1; }",
        "static const char* name = \"example\"; // the name used by the test suite for every run",
    };
    static const char* const japanese[] = {
        "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗いじめじめした所でニャーニャー泣い"
        "ていた事だけは記憶している。",
        "吾輩はここで始めて人間というものを見た。しかもあとで聞くとそれは書生という人間中で一番獰悪な種族であったそうだ"
        "。",
    };
    std::vector<std::string> rows;
    for (int i = 0; i < Count; ++i) {
        const char* line = Kind == kCode    ? code[i % std::size(code)]
                           : Kind == kAscii ? ascii[i % std::size(ascii)]
                                            : japanese[i % std::size(japanese)];
        std::string row = Utf8ToSjis(line);
        while (row.size() < static_cast<size_t>(Columns))
            row += row.empty() ? std::string(" ") : " " + row;
        rows.emplace_back(sjis::CutAt(row, Columns));
    }
    return rows;
}

struct TScreen {
    QFont Font;
    int CellWidth;
    int RowHeight;
    std::vector<std::string> Rows;

    explicit TScreen(TTextKind Kind) : Font(QStringLiteral("IPAGothic"))
    {
        Font.setPixelSize(16);
        const QFontMetrics metrics(Font);
        CellWidth = metrics.horizontalAdvance('0');
        RowHeight = metrics.height() + std::max(0, metrics.leading());
        Rows = ::Rows(Kind, kWidth / CellWidth, kHeight / RowHeight);
    }
};

void BM_TextOutCells(benchmark::State& State)
{
    const TScreen screen(static_cast<TTextKind>(State.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        QPainter painter(&image);
        TCanvas canvas(painter);
        canvas.SetFont(screen.Font);
        canvas.SetFontColor(clBlack);
        canvas.SetBrushColor(clWhite);
        int y = 0;
        for (const std::string& row : screen.Rows) {
            const QRect rowRect(0, y, kWidth, screen.RowHeight);
            canvas.TextOutCells(0, y, row, screen.CellWidth, {TTextOutOption::etoOpaque, TTextOutOption::etoClipped},
                                rowRect);
            y += screen.RowHeight;
        }
    }
    State.counters["rows"] = static_cast<double>(screen.Rows.size());
}

// Qt's own text drawing of the same rows, converted beforehand (ConvertEachTime
// false) or in the loop as a painter of Shift-JIS text would have to.
void DrawTextRows(benchmark::State& State, bool ConvertEachTime)
{
    const TScreen screen(static_cast<TTextKind>(State.range(0)));
    std::vector<QString> converted;
    for (const std::string& row : screen.Rows)
        converted.push_back(QString::fromStdU16String(SjisToUtf16(row)));
    const int ascent = QFontMetrics(screen.Font).ascent();
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        QPainter painter(&image);
        painter.setFont(screen.Font);
        painter.setPen(Qt::black);
        int y = 0;
        for (size_t i = 0; i < screen.Rows.size(); ++i) {
            painter.fillRect(QRect(0, y, kWidth, screen.RowHeight), Qt::white);
            if (ConvertEachTime)
                painter.drawText(QPoint(0, y + ascent), QString::fromStdU16String(SjisToUtf16(screen.Rows[i])));
            else
                painter.drawText(QPoint(0, y + ascent), converted[i]);
            y += screen.RowHeight;
        }
    }
}

void BM_QtDrawText(benchmark::State& State) { DrawTextRows(State, false); }
void BM_QtDrawTextConverting(benchmark::State& State) { DrawTextRows(State, true); }

// The pieces of a row that colouring draws again: every token of about
// kTokenBytes bytes, cut at character boundaries.
constexpr size_t kTokenBytes = 8;

template <typename TDraw>
void ForEachToken(const std::string& Row, TDraw&& Draw)
{
    size_t start = 0;
    while (start < Row.size()) {
        const size_t length = sjis::CutAt(std::string_view(Row).substr(start), kTokenBytes).size();
        const size_t taken = length == 0 ? sjis::CharLen(Row, start) : length;
        Draw(start, std::string_view(Row).substr(start, taken));
        start += taken;
    }
}

// Each token drawn by itself, clipped to its row, as per-token colouring
// and italic fonts draw a row.
void BM_TextOutCellsTokens(benchmark::State& State)
{
    const TScreen screen(static_cast<TTextKind>(State.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        QPainter painter(&image);
        TCanvas canvas(painter);
        canvas.SetFont(screen.Font);
        canvas.SetFontColor(clBlack);
        canvas.SetBrushColor(clWhite);
        int y = 0;
        for (const std::string& row : screen.Rows) {
            const QRect rowRect(0, y, kWidth, screen.RowHeight);
            ForEachToken(row, [&](size_t Start, std::string_view Token) {
                canvas.TextOutCells(static_cast<int>(Start) * screen.CellWidth, y, Token, screen.CellWidth,
                                    {TTextOutOption::etoOpaque, TTextOutOption::etoClipped}, rowRect);
            });
            y += screen.RowHeight;
        }
    }
}

void BM_QtDrawTextTokens(benchmark::State& State)
{
    const TScreen screen(static_cast<TTextKind>(State.range(0)));
    const int ascent = QFontMetrics(screen.Font).ascent();
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        QPainter painter(&image);
        painter.setFont(screen.Font);
        painter.setPen(Qt::black);
        int y = 0;
        for (const std::string& row : screen.Rows) {
            ForEachToken(row, [&](size_t Start, std::string_view Token) {
                const int x = static_cast<int>(Start) * screen.CellWidth;
                painter.fillRect(QRect(x, y, static_cast<int>(Token.size()) * screen.CellWidth, screen.RowHeight),
                                 Qt::white);
                painter.drawText(QPoint(x, y + ascent), QString::fromStdU16String(SjisToUtf16(Token)));
            });
            y += screen.RowHeight;
        }
    }
}

void TextKinds(benchmark::internal::Benchmark* Bench)
{
    Bench->ArgName("kind")->Arg(kCode)->Arg(kAscii)->Arg(kJapanese)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_TextOutCells)->Apply(TextKinds);
BENCHMARK(BM_QtDrawText)->Apply(TextKinds);
BENCHMARK(BM_QtDrawTextConverting)->Apply(TextKinds);
BENCHMARK(BM_TextOutCellsTokens)->Apply(TextKinds);
BENCHMARK(BM_QtDrawTextTokens)->Apply(TextKinds);

} // namespace
