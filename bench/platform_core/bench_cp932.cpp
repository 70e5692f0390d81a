// Decoding 8 MB of Shift-JIS text: our table-driven converter against
// glibc iconv's own CP932 decoder on the same text.
#include "Cp932.h"

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <stdexcept>
#include <string>

namespace {

// Kanji, kana, full-width and half-width forms, ASCII and CR LF, about as
// mixed as an outline page.
const std::string& MixedText()
{
    static const std::string text = [] {
        bool lossless = false;
        const std::string paragraph =
            Utf8ToSjis("吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。\r\n"
                       "Velk 2000 outline: 第１章「はじめに」 ― ｶﾀｶﾅ ﾃｷｽﾄ and ASCII text, 123.45%.\r\n"
                       "\t・メモ：亜欄表ソ能（ＮＥＣ特殊文字 ①②③ ㈱ №）\r\n\r\n",
                       &lossless);
        if (!lossless)
            throw std::logic_error("the sample text is not all CP932");
        std::string all;
        all.reserve(8 * 1024 * 1024 + paragraph.size());
        while (all.size() < 8 * 1024 * 1024)
            all += paragraph;
        return all;
    }();
    return text;
}

void SjisToUtf16_Velk(benchmark::State& State)
{
    const std::string& text = MixedText();
    for (auto _ : State) {
        std::u16string unicode = SjisToUtf16(text);
        benchmark::DoNotOptimize(unicode.data());
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * text.size()));
}

void SjisToUtf16_Iconv(benchmark::State& State)
{
    const std::string& text = MixedText();
    const iconv_t decoder = iconv_open("UTF-16LE", "CP932");
    if (decoder == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv has no CP932");
    for (auto _ : State) {
        std::u16string unicode(text.size(), u'\0');
        char* in = const_cast<char*>(text.data());
        char* out = reinterpret_cast<char*>(unicode.data());
        size_t inLeft = text.size(), outLeft = unicode.size() * 2;
        iconv(decoder, nullptr, nullptr, nullptr, nullptr);
        if (iconv(decoder, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1))
            State.SkipWithError("iconv stopped");
        unicode.resize(unicode.size() - outLeft / 2);
        benchmark::DoNotOptimize(unicode.data());
    }
    iconv_close(decoder);
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * text.size()));
}

BENCHMARK(SjisToUtf16_Velk)->Unit(benchmark::kMillisecond);
BENCHMARK(SjisToUtf16_Iconv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
