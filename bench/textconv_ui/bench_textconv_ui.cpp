// Ten representative conversion commands on a 2 MB selection of Japanese
// prose in a shown, wrapping editor: the whole command (conversion, the
// selection replaced as one undo step, the text wrapped again) against the
// conversion routine alone on the same text, so the share spent in the
// conversion can be read off.
//
//   bench_textconv_ui --benchmark_filter=Command/pEdZenToHank
#include "ConvertCommands.h"
#include "Cp932.h"
#include "EditorEx.h"
#include "EditorSelection.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

constexpr size_t SelectionBytes = 2 << 20;

const char* const Commands[] = {
    "pEdStrCvSmallToBigClick", "pEdZenToHankClick",   "pEdHankToZenClick",    "pEdStrCvKanaToHiraClick",
    "pEdNumToKjClick",         "pEdInsSpcClick",      "pEdTopAllSpcDelClick", "pEdEndSpcDelClick",
    "pEdStrReverseClick",      "pEdSameLineDelClick",
};

// Prose with kana, kanji, full- and half-width alphanumerics, half-width
// kana, numbers, blanks at both ends of lines and CR LF every line.
const std::string& Selection()
{
    static const std::string text = [] {
        // Blanks before, a number and the text, blanks after.
        const char* const lines[][3] = {
            {"　", "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。", "  "},
            {"", "ＡＢＣ社の２０２４年度の売上は１２３４５６７８円で、前年比１０５％でした。", "　"},
            {"\t", "ﾃﾞｰﾀﾍﾞｰｽのｶﾗﾑ名は user_name と Created_At です。", ""},
            {"  ", "カタカナとひらがなが混じった文章を、変換の対象にしてみます。", " "},
            {"", "Velk converts Shift-JIS text line by line, keeping every character whole.", ""},
        };
        std::string utf8;
        // Every fifth line repeats an earlier one.
        for (int i = 0; utf8.size() < SelectionBytes * 3 / 2; ++i) {
            const auto& line = lines[i % std::size(lines)];
            utf8.append(line[0]).append(i % 5 == 4 ? "" : std::to_string(i)).append(line[1]).append(line[2]);
            utf8.append("\r\n");
        }
        std::string sjis = Utf8ToSjis(utf8);
        sjis.resize(sjis.rfind("\r\n", SelectionBytes) + 2);
        return sjis;
    }();
    return text;
}

std::unique_ptr<TEditorEx> ShownEditor()
{
    std::unique_ptr<TEditorEx> editor(TEditor::Create<TEditorEx>());
    editor->resize(1280, 960);
    editor->SetWordWrap(true);
    editor->show();
    QApplication::processEvents();
    return editor;
}

void Command(benchmark::State& State, const char* Name)
{
    const std::unique_ptr<TEditorEx> shown = ShownEditor();
    TEditorEx& editor = *shown;
    TEditorSelection selection([&editor] { return &editor; });
    const textconv::TConvertCommand& command = *textconv::FindConvertCommand(Name);
    for (auto _ : State) {
        State.PauseTiming();
        editor.Lines()->SetTextStr(Selection());
        editor.SelectAll();
        textconv::TConvertContext context;
        State.ResumeTiming();
        textconv::RunConvertCommand(command, selection, context);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Selection().size()));
}

void Conversion(benchmark::State& State, const char* Name)
{
    const textconv::TConvertCommand& command = *textconv::FindConvertCommand(Name);
    textconv::TConvertContext context;
    for (auto _ : State)
        benchmark::DoNotOptimize(command.Routine(Selection(), context));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Selection().size()));
}

const bool Registered = [] {
    for (const char* name : Commands) {
        const std::string shortName = std::string(name).substr(0, std::string(name).size() - 5);
        benchmark::RegisterBenchmark(("Command/" + shortName).c_str(), Command, name)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Conversion/" + shortName).c_str(), Conversion, name)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
