// Telling a text file's encoding: our rule (TextFileEncoding, the checks
// for binary data, ASCII and UTF-8 before the weighing included) against
// ICU's charset detector on the same bytes. The hardest text is the one
// that reads well both as UTF-8 and as Shift-JIS, where both readings are
// weighed; the shapes below include those that cost the rule the most:
// text whose start decides nothing, ASCII whose only other byte comes
// last, dense runs that weigh about the same both ways, and the slowest
// shapes a search found; and text in the other encodings the rule tells
// (EUC-JP, ISO-2022-JP, Western, damaged UTF-8, mixed lines, UTF-16
// without its mark), whose checks run over the whole file too.
#include "Cp932.h"
#include "TextFileEncoding.h"

#include <benchmark/benchmark.h>
#include <unicode/ucsdet.h>

#include <iconv.h>
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

// UTF-8 Text in Encoding, through the C library's converter.
std::string Recoded(const std::string& Text, const char* Encoding)
{
    const iconv_t converter = iconv_open(Encoding, "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(Encoding);
    std::string out(Text.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(Text.data());
    size_t inLeft = Text.size(), outLeft = out.size();
    char* to = out.data();
    const size_t converted = iconv(converter, &in, &inLeft, &to, &outLeft);
    iconv(converter, nullptr, nullptr, &to, &outLeft); // ISO-2022-JP's shift back to ASCII
    iconv_close(converter);
    if (converted == static_cast<size_t>(-1))
        throw std::runtime_error(Encoding);
    out.resize(out.size() - outLeft);
    return out;
}

// Text the rule judges as Judged says, as the shape's name claims.
std::string JudgedAs(std::string Text, TTextEncoding Encoding, TTextFinding Finding = TTextFinding::Plain)
{
    const TTextJudgement judgement = JudgeTextFile(Text);
    if (judgement.Encoding != Encoding || judgement.Finding != Finding)
        throw std::logic_error("the sample is not judged as its name says");
    return Text;
}

const std::string kJapaneseProse = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。\n";

const std::string& EucJp()
{
    static const std::string text = JudgedAs(Recoded(Repeated(kJapaneseProse), "EUC-JP"), TTextEncoding::EucJp);
    return text;
}

const std::string& Iso2022Jp()
{
    static const std::string text =
        JudgedAs(Recoded(Repeated(kJapaneseProse), "ISO-2022-JP"), TTextEncoding::Iso2022Jp);
    return text;
}

const std::string& Windows1252()
{
    static const std::string text =
        JudgedAs(Recoded(Repeated("Le café « crème » coûte 3 € ; “quoted” text, naïve résumé.\n"), "WINDOWS-1252"),
                 TTextEncoding::ShiftJis, TTextFinding::Western);
    return text;
}

// Japanese UTF-8 with one stray byte in its middle, and cut inside its
// last character.
const std::string& Utf8WithAStrayByte()
{
    static const std::string text = [] {
        std::string bytes = JapaneseUtf8();
        bytes.insert(bytes.size() / 2, 1, '\x80');
        return JudgedAs(bytes, TTextEncoding::Utf8, TTextFinding::UnreadableBytes);
    }();
    return text;
}

const std::string& Utf8CutShort()
{
    static const std::string text = JudgedAs(JapaneseUtf8().substr(0, JapaneseUtf8().rfind("。") + 2),
                                             TTextEncoding::Utf8, TTextFinding::UnreadableBytes);
    return text;
}

// Shift-JIS with UTF-8 lines appended to it.
const std::string& ShiftJisThenUtf8Lines()
{
    static const std::string text = JudgedAs(JapaneseShiftJis() + Repeated(kJapaneseProse, 4096),
                                             TTextEncoding::ShiftJis, TTextFinding::MixedLines);
    return text;
}

const std::string& Utf16WithoutMark()
{
    static const std::string text =
        JudgedAs(Recoded(Repeated(kJapaneseProse), "UTF-16LE"), TTextEncoding::Utf16Le, TTextFinding::NoByteOrderMark);
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
VELK_AND_ICU(EucJp);
VELK_AND_ICU(Iso2022Jp);
VELK_AND_ICU(Windows1252);
VELK_AND_ICU(Utf8WithAStrayByte);
VELK_AND_ICU(Utf8CutShort);
VELK_AND_ICU(ShiftJisThenUtf8Lines);
VELK_AND_ICU(Utf16WithoutMark);
BENCHMARK_CAPTURE(Velk, EnglishThenJapaneseUtf8Of200MB, EnglishThenJapaneseUtf8Of200MB())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IcuDetector, EnglishThenJapaneseUtf8Of200MB, EnglishThenJapaneseUtf8Of200MB())
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
