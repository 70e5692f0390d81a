// The two sentence-style converters over 8 MB of generated text, in the
// style each converts and in plain mixed text, against glibc iconv decoding
// the same bytes (a per-character pass of known speed); and both over one
// 1 MB line of hiragana, which stays linear only because tails longer than
// any ending are never offered.
#include "Cp932.h"
#include "DaHenkan.h"
#include "DesuHenkan.h"

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr size_t kTextBytes = 8 * 1024 * 1024;

std::string Sjis(const std::string& Utf8)
{
    bool lossless = false;
    std::string sjis = Utf8ToSjis(Utf8, &lossless);
    if (!lossless)
        throw std::logic_error("sample text without a CP932 form: " + Utf8);
    return sjis;
}

std::vector<std::string> Characters(const char* Utf8)
{
    const std::string sjis = Sjis(Utf8);
    std::vector<std::string> chars;
    for (size_t i = 0; i < sjis.size(); i += 2)
        chars.push_back(sjis.substr(i, 2));
    return chars;
}

// Sentences of hiragana, kanji, katakana, full-width and ASCII characters,
// each closed by one of Endings (none when empty) and 。, 、 or a line end.
std::string GeneratedText(const std::vector<std::string>& Endings)
{
    static const std::vector<std::string> hiragana =
        Characters("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん");
    static const std::vector<std::string> kanji =
        Characters("日本語文章変換今晴雨書読行来見言思話持取死遊大高新古東西南北時間年月人会社");
    static const std::vector<std::string> others = Characters("アイウエオカキクケコサシスセソＡＢＣ１２３ー　「」・");
    static const std::string terminators[] = {Sjis("。"), Sjis("、"), "\r\n"};
    std::mt19937 random(12345);
    std::string text;
    text.reserve(kTextBytes + 256);
    while (text.size() < kTextBytes) {
        const int length = 10 + static_cast<int>(random() % 30);
        for (int i = 0; i < length; ++i) {
            const auto pick = static_cast<unsigned>(random() % 100);
            if (pick < 45)
                text += hiragana[random() % hiragana.size()];
            else if (pick < 75)
                text += kanji[random() % kanji.size()];
            else if (pick < 90)
                text += others[random() % others.size()];
            else
                text += static_cast<char>('a' + random() % 26);
        }
        if (!Endings.empty())
            text += Endings[random() % Endings.size()];
        text += terminators[random() % 3];
    }
    return text + "\r\n";
}

std::vector<std::string> PoliteEndings()
{
    std::vector<std::string> endings;
    for (const auto& single : textconv::DaEndingSources().Singles)
        endings.push_back(Sjis(single.Ending));
    return endings;
}

std::vector<std::string> PlainEndings()
{
    std::vector<std::string> endings;
    for (const auto& single : textconv::DesuEndingSources().Singles)
        endings.push_back(Sjis(single.Ending));
    return endings;
}

const std::string& PoliteText()
{
    static const std::string text = GeneratedText(PoliteEndings());
    return text;
}

const std::string& PlainText()
{
    static const std::string text = GeneratedText(PlainEndings());
    return text;
}

const std::string& MixedText()
{
    static const std::string text = GeneratedText({});
    return text;
}

const std::string& HiraganaLine()
{
    static const std::string text = [] {
        const std::vector<std::string> kana = Characters("あいうえおかきくけこさしすせそ");
        std::string line;
        for (size_t i = 0; line.size() < 1024 * 1024; ++i)
            line += kana[i % kana.size()];
        return line + Sjis("です。");
    }();
    return text;
}

bool AnswerNo(const std::string&) { return false; }

template <typename Convert>
void Run(benchmark::State& State, const std::string& Text, Convert convert)
{
    for (auto _ : State) {
        std::string result = convert(Text);
        benchmark::DoNotOptimize(result.data());
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

std::string DesuToDa(const std::string& Text) { return textconv::ConvertDesuToDa(Text, false); }
std::string DaToDesu(const std::string& Text) { return textconv::ConvertDaToDesu(Text, false, AnswerNo); }

void DesuToDa_PoliteText(benchmark::State& State) { Run(State, PoliteText(), DesuToDa); }
void DesuToDa_MixedText(benchmark::State& State) { Run(State, MixedText(), DesuToDa); }
void DaToDesu_PlainText(benchmark::State& State) { Run(State, PlainText(), DaToDesu); }
void DaToDesu_MixedText(benchmark::State& State) { Run(State, MixedText(), DaToDesu); }
void DesuToDa_HiraganaLine1MB(benchmark::State& State) { Run(State, HiraganaLine(), DesuToDa); }
void DaToDesu_HiraganaLine1MB(benchmark::State& State) { Run(State, HiraganaLine(), DaToDesu); }

void Iconv_PoliteText(benchmark::State& State)
{
    const std::string& text = PoliteText();
    const iconv_t decoder = iconv_open("UTF-8", "CP932");
    if (decoder == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv has no CP932");
    for (auto _ : State) {
        std::string utf8(text.size() * 3 / 2 + 16, '\0');
        char* in = const_cast<char*>(text.data());
        char* out = utf8.data();
        size_t inLeft = text.size(), outLeft = utf8.size();
        iconv(decoder, nullptr, nullptr, nullptr, nullptr);
        if (iconv(decoder, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1))
            State.SkipWithError("iconv stopped");
        utf8.resize(utf8.size() - outLeft);
        benchmark::DoNotOptimize(utf8.data());
    }
    iconv_close(decoder);
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * text.size()));
}

BENCHMARK(DesuToDa_PoliteText)->Unit(benchmark::kMillisecond);
BENCHMARK(DesuToDa_MixedText)->Unit(benchmark::kMillisecond);
BENCHMARK(DaToDesu_PlainText)->Unit(benchmark::kMillisecond);
BENCHMARK(DaToDesu_MixedText)->Unit(benchmark::kMillisecond);
BENCHMARK(Iconv_PoliteText)->Unit(benchmark::kMillisecond);
BENCHMARK(DesuToDa_HiraganaLine1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(DaToDesu_HiraganaLine1MB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
