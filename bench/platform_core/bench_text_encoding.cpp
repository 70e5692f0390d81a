// Telling a text file's encoding: our rule (TextFileEncoding, the checks
// for binary data, ASCII and UTF-8 before the weighing included) against
// ICU's charset detector on the same bytes. The hardest text is the one
// that reads well both as UTF-8 and as Shift-JIS, where both readings are
// weighed; the shapes below include those that cost the rule the most:
// text whose start decides nothing, ASCII whose only other byte comes
// last, dense runs that weigh about the same both ways, and the slowest
// shapes a search found.
#include "Cp932.h"
#include "TextFileEncoding.h"

#include <benchmark/benchmark.h>
#include <unicode/ucsdet.h>

#include <stdexcept>
#include <string>

namespace {

constexpr size_t kFileSize = 1 << 20;

std::string Repeated(const std::string& Paragraph, size_t Size = kFileSize)
{
    std::string text;
    text.reserve(Size + Paragraph.size());
    while (text.size() < Size)
        text += Paragraph;
    return text;
}

std::string ReadingBothWays(std::string Text)
{
    if (!IsUtf8(Text) || SjisToUtf16(Text).find(u'\uFFFD') != std::u16string::npos)
        throw std::logic_error("the sample does not read both as UTF-8 and as Shift-JIS");
    return Text;
}

const std::string kEnglish = "The quick brown fox jumps over the lazy dog; 0123456789 (again).\n";
const std::string kJapanese = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。ｶﾀｶﾅ and ASCII 123.\n";

// German in UTF-8, every byte of which also reads as Shift-JIS.
const std::string& WesternUtf8()
{
    static const std::string text =
        ReadingBothWays(Repeated("Die Größe für übermäßig lange Zeilen wird später geprüft; Müller schrieb "
                                 "© 2024 über Bäume, Öfen und Äpfel.\n"));
    return text;
}

const std::string& JapaneseUtf8()
{
    static const std::string text = Repeated(kJapanese);
    return text;
}

const std::string& JapaneseShiftJis()
{
    static const std::string text = Utf8ToSjis(JapaneseUtf8());
    return text;
}

// Half-width katakana in Shift-JIS, all of it well-formed UTF-8 too.
const std::string& HalfWidthKanaShiftJis()
{
    static const std::string text = ReadingBothWays(Utf8ToSjis(Repeated("ﾃｽﾄｶ ﾅｲﾃｽ ﾒｰ\r\n")));
    return text;
}

// 70 KB of English before Japanese UTF-8: the start weighs the same both
// ways.
std::string EnglishThenJapanese(size_t Size)
{
    std::string text = Repeated(kEnglish, 70 * 1000);
    text += Repeated(kJapanese, Size - text.size());
    return text;
}

const std::string& EnglishThenJapaneseUtf8()
{
    static const std::string text = EnglishThenJapanese(kFileSize);
    return text;
}

const std::string& EnglishThenJapaneseUtf8Of200MB()
{
    static const std::string text = EnglishThenJapanese(200 * kFileSize);
    return text;
}

// ASCII whose one other character comes last.
const std::string& AsciiThenOneAccent()
{
    static const std::string text = Repeated(kEnglish) + "café\n";
    return text;
}

// Accented letters between blanks, and between line ends: every few bytes
// the readings differ, and they weigh about the same.
const std::string& AccentsBetweenBlanks()
{
    static const std::string text = ReadingBothWays(Repeated("é a "));
    return text;
}

const std::string& AccentsBetweenLineEnds()
{
    static const std::string text = ReadingBothWays(Repeated("\r\nü"));
    return text;
}

// The slowest shape a search over repeated pieces found: letters of three
// scripts, an accent written apart and line ends, each few bytes.
const std::string& FoundSlowest()
{
    static const std::string text = Repeated("üα\u0301ж\nü");
    return text;
}

// Line feeds alone, every byte a control code the check for binary data
// looks at.
const std::string& LineFeeds()
{
    static const std::string text(kFileSize, '\n');
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

#define VELK_AND_ICU(Shape)                                                                                            \
    BENCHMARK_CAPTURE(Velk, Shape, Shape());                                                                           \
    BENCHMARK_CAPTURE(IcuDetector, Shape, Shape())

VELK_AND_ICU(WesternUtf8);
VELK_AND_ICU(JapaneseUtf8);
VELK_AND_ICU(JapaneseShiftJis);
VELK_AND_ICU(HalfWidthKanaShiftJis);
VELK_AND_ICU(EnglishThenJapaneseUtf8);
VELK_AND_ICU(AsciiThenOneAccent);
VELK_AND_ICU(AccentsBetweenBlanks);
VELK_AND_ICU(AccentsBetweenLineEnds);
VELK_AND_ICU(FoundSlowest);
VELK_AND_ICU(LineFeeds);
BENCHMARK_CAPTURE(Velk, EnglishThenJapaneseUtf8Of200MB, EnglishThenJapaneseUtf8Of200MB())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IcuDetector, EnglishThenJapaneseUtf8Of200MB, EnglishThenJapaneseUtf8Of200MB())
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
