// A full repaint of a 1280 x 960 editor (IPAGothic 16 px, C/C++ colouring,
// ruler, left bar and image bar on) holding 5,000 lines of C++ with
// Japanese comments, at the top of the text and after a jump to its end,
// against QPlainTextEdit rendering the same text at the same size.
#include "EditorBase.h"

#include "Cp932.h"

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int Width = 1280;
constexpr int Height = 960;
constexpr int LineCount = 5000;

// 5,000 lines of C++: functions with Japanese comments, strings, numbers
// and tabs, in Shift-JIS with CR LF line ends.
const std::string& SourceText()
{
    static const std::string text = [] {
        const char* templates[] = {
            "// 関数 %d：入力された値を検証して結果を返します。",
            "int Function%d(int value, const char* name)",
            "{",
            "\t/* 値が範囲外なら例外を投げる（%d まで） */",
            "\tif (value < 0 || value > %d)",
            "\t\tthrow std::out_of_range(\"範囲外の値です\");",
            "\tstd::string label = \"名前：\" + std::string(name); // 表示用のラベル",
            "\tfor (int i = 0; i < %d; ++i)",
            "\t\tvalue += i * 0x%x;",
            "\treturn value; // 計算結果",
            "}",
        };
        std::string utf8;
        char line[256];
        for (int i = 0; i < LineCount; ++i) {
            std::snprintf(line, sizeof line, templates[i % std::size(templates)], i);
            utf8 += line;
            utf8 += "\r\n";
        }
        return Utf8ToSjis(utf8);
    }();
    return text;
}

void SetUpCColouring(TEditor& Editor)
{
    TEditorViewInfo& view = *Editor.View();
    view.SetCommenter("//");
    view.SetQuotation("\"");
    view.SetHexPrefix("0x");
    TEditorColors& colors = *view.Colors();
    colors.Comment()->SetColor(clGreen);
    colors.Str()->SetColor(clMaroon);
    colors.Int()->SetColor(clBlue);
    colors.Reserve()->SetColor(clNavy);
    colors.Reserve()->SetStyle(TFontStyles{TFontStyle::fsBold});
    TFountainBracketItem* comment = view.Brackets()->Add();
    comment->SetLeftBracket("/*");
    comment->SetRightBracket("*/");
    comment->ItemColor()->SetColor(clGreen);
    TStringList words;
    for (const char* word : {"char", "const", "for", "if", "int", "return", "throw", "void", "while"})
        words.Add(word);
    Editor.SetReserveWordList(&words);
}

std::unique_ptr<TEditor> MakeEditor()
{
    std::unique_ptr<TEditor> editor(TEditor::Create<TEditor>());
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    font.SetColor(clBlack);
    editor->SetFont(&font);
    SetUpCColouring(*editor);
    editor->Ruler()->SetVisible(true);
    editor->Leftbar()->SetVisible(true);
    editor->Imagebar()->SetVisible(true);
    editor->SetBorderStyle(TBorderStyle::bsNone);
    editor->resize(Width, Height);
    editor->show();
    editor->Lines()->SetTextStr(SourceText());
    QApplication::processEvents();
    return editor;
}

std::unique_ptr<QPlainTextEdit> MakePlainTextEdit()
{
    auto edit = std::make_unique<QPlainTextEdit>();
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(16);
    edit->setFont(font);
    edit->setFrameShape(QFrame::NoFrame);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->resize(Width, Height);
    edit->setPlainText(QString::fromStdU16String(SjisToUtf16(SourceText())));
    edit->show();
    QApplication::processEvents();
    return edit;
}

void Repaint(benchmark::State& State, QWidget& Viewport)
{
    QImage image(Viewport.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        Viewport.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void EditorTop(benchmark::State& State)
{
    const std::unique_ptr<TEditor> editor = MakeEditor();
    Repaint(State, *editor->viewport());
}

void EditorEnd(benchmark::State& State)
{
    const std::unique_ptr<TEditor> editor = MakeEditor();
    editor->SetRow(editor->RowCount());
    QApplication::processEvents();
    Repaint(State, *editor->viewport());
}

void PlainTextEditTop(benchmark::State& State)
{
    const std::unique_ptr<QPlainTextEdit> edit = MakePlainTextEdit();
    Repaint(State, *edit->viewport());
}

void PlainTextEditEnd(benchmark::State& State)
{
    const std::unique_ptr<QPlainTextEdit> edit = MakePlainTextEdit();
    edit->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    Repaint(State, *edit->viewport());
}

} // namespace

BENCHMARK(EditorTop)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditTop)->Unit(benchmark::kMillisecond);
BENCHMARK(EditorEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextEditEnd)->Unit(benchmark::kMillisecond);
