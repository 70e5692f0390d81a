// Telling a 1 MB text file's encoding: our rule (TextFileEncoding) against
// ICU's charset detector on the same bytes. The hardest text is the one
// that reads well both as UTF-8 and as Shift-JIS, where both readings are
// weighed; Japanese in either encoding is told by validity alone.
#include "Cp932.h"
#include "TextFileEncoding.h"

#include <benchmark/benchmark.h>
#include <unicode/ucsdet.h>

#include <stdexcept>
#include <string>

namespace {

constexpr size_t kFileSize = 1 << 20;

std::string Repeated(const std::string& Paragraph)
{
    std::string text;
    text.reserve(kFileSize + Paragraph.size());
    while (text.size() < kFileSize)
        text += Paragraph;
    return text;
}

// German in UTF-8, every byte of which also reads as Shift-JIS.
const std::string& WesternUtf8()
{
    static const std::string text = [] {
        std::string all = Repeated("Die Größe für übermäßig lange Zeilen wird später geprüft; Müller schrieb "
                                   "© 2024 über Bäume, Öfen und Äpfel.\n");
        if (!IsUtf8(all) || SjisToUtf16(all).find(u'\uFFFD') != std::u16string::npos)
            throw std::logic_error("the sample does not read both as UTF-8 and as Shift-JIS");
        return all;
    }();
    return text;
}

const std::string& JapaneseUtf8()
{
    static const std::string text =
        Repeated("吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。ｶﾀｶﾅ and ASCII 123.\n");
    return text;
}

const std::string& JapaneseShiftJis()
{
    static const std::string text = Utf8ToSjis(JapaneseUtf8());
    return text;
}

void Velk(benchmark::State& State, const std::string& Text)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(TextFileEncoding(Text));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

void IcuDetector(benchmark::State& State, const std::string& Text)
{
    UErrorCode status = U_ZERO_ERROR;
    UCharsetDetector* detector = ucsdet_open(&status);
    for (auto _ : State) {
        ucsdet_setText(detector, Text.data(), static_cast<int32_t>(Text.size()), &status);
        const UCharsetMatch* match = ucsdet_detect(detector, &status);
        benchmark::DoNotOptimize(ucsdet_getName(match, &status));
    }
    ucsdet_close(detector);
    if (U_FAILURE(status))
        State.SkipWithError(u_errorName(status));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

BENCHMARK_CAPTURE(Velk, WesternUtf8, WesternUtf8());
BENCHMARK_CAPTURE(IcuDetector, WesternUtf8, WesternUtf8());
BENCHMARK_CAPTURE(Velk, JapaneseUtf8, JapaneseUtf8());
BENCHMARK_CAPTURE(IcuDetector, JapaneseUtf8, JapaneseUtf8());
BENCHMARK_CAPTURE(Velk, JapaneseShiftJis, JapaneseShiftJis());
BENCHMARK_CAPTURE(IcuDetector, JapaneseShiftJis, JapaneseShiftJis());

} // namespace

BENCHMARK_MAIN();
