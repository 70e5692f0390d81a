// The character conversions, line transforms and the DBCS-safe search on an
// 8 MB generated Shift-JIS text and on hostile ones (8 MB of 亜, whose every
// byte has a lead-byte value; the generated text as one line; a text whose
// kind of character changes at random with every character), beside glibc
// iconv decoding the same text from CP932.
//
//   bench_textconv --benchmark_filter=Generated
#include "Cp932.h"
#include "KanjiNumber.h"
#include "LineTransforms.h"
#include "SjisSearch.h"
#include "StrDeleteEtc.h"
#include "StrHenkan.h"

#include <benchmark/benchmark.h>

#include <iconv.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace textconv;

namespace {

constexpr size_t kTextSize = 8 << 20;

void AppendCode(std::string& Text, unsigned Code)
{
    if (Code > 0xFF)
        Text += static_cast<char>(Code >> 8);
    Text += static_cast<char>(Code & 0xFF);
}

// A seeded mix like Japanese prose with some code in it, in words of one
// to MaxWord characters of one kind: by characters about 35 % hiragana,
// 25 % kanji, 10 % katakana, 10 % ASCII (with spaces and TABs), 7 %
// half-width kana, 6 % full-width letters and digits, the rest punctuation
// and full-width spaces; a line break every 20 to 60 characters, now and
// then with blanks before it and an empty line after it.
std::string GeneratedText(bool LineBreaks, unsigned MaxWord)
{
    std::mt19937 random(5101);
    auto pick = [&random](unsigned First, unsigned Last) {
        return std::uniform_int_distribution<unsigned>(First, Last)(random);
    };
    // A trail byte from First to Last, never 0x7F.
    auto trail = [&pick](unsigned First, unsigned Last) {
        const unsigned t = pick(First, Last - 1);
        return t >= 0x7F ? t + 1 : t;
    };
    static const std::string punctuation = Utf8ToSjis("、。「」・ー！？（）　");
    static const std::string ascii = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789  .,:;!?'-\t";
    const auto asciiCount = static_cast<unsigned>(ascii.size());
    const auto punctuationCount = static_cast<unsigned>(punctuation.size() / 2);
    std::string text;
    text.reserve(kTextSize + 64);
    unsigned lineLeft = pick(20, 60);
    while (text.size() < kTextSize) {
        const unsigned kind = pick(0, 99);
        const unsigned word = kind < 93 ? pick(1, MaxWord) : 1;
        for (unsigned i = 0; i < word; ++i) {
            if (kind < 35)
                AppendCode(text, pick(0x829F, 0x82F1));
            else if (kind < 60)
                AppendCode(text, pick(0x89, 0x97) << 8 | trail(0x40, 0xFC));
            else if (kind < 70)
                AppendCode(text, 0x8300 | trail(0x40, 0x96));
            else if (kind < 80)
                text += ascii[pick(0, asciiCount - 1)];
            else if (kind < 87)
                text += static_cast<char>(pick(0xA6, 0xDF));
            else if (kind < 93)
                AppendCode(text, kind < 90 ? pick(0x824F, 0x8258) : pick(0x8260, 0x8279));
            else
                text.append(punctuation, pick(0, punctuationCount - 1) * 2, 2);
            if (--lineLeft == 0) {
                if (LineBreaks)
                    text += pick(0, 9) == 0 ? "  \r\n\r\n" : "\r\n";
                lineLeft = pick(20, 60);
            }
        }
    }
    return text;
}

std::string KanjiText()
{
    std::string text;
    text.reserve(kTextSize);
    while (text.size() < kTextSize)
        text += "\x88\x9F"; // 亜
    return text;
}

const std::string& Generated()
{
    static const std::string text = GeneratedText(true, 6);
    return text;
}

const std::string& OneLine()
{
    static const std::string text = GeneratedText(false, 6);
    return text;
}

// The kind of character changes at random with every character.
const std::string& Shuffled()
{
    static const std::string text = GeneratedText(true, 1);
    return text;
}

const std::string& Kanji()
{
    static const std::string text = KanjiText();
    return text;
}

void RunRoutine(benchmark::State& State, const std::function<std::string(std::string_view)>& Routine,
                const std::string& Text)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(Routine(Text));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

void Decode(benchmark::State& State, const char* To, const std::string& Text)
{
    iconv_t converter = iconv_open(To, "CP932");
    std::string out(Text.size() * 3, '\0');
    for (auto _ : State) {
        char* in = const_cast<char*>(Text.data());
        char* outPtr = out.data();
        size_t inLeft = Text.size(), outLeft = out.size();
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        // Stops at the first byte CP932 lacks; the text has none.
        iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        if (inLeft != 0)
            State.SkipWithError("iconv stopped early");
        benchmark::DoNotOptimize(out.data());
    }
    iconv_close(converter);
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

// Every match of Pattern, as a replace-all walks them.
void FindAll(benchmark::State& State, const std::string& Text, const std::string& Pattern, bool WholeWord)
{
    const char* end = Text.data() + Text.size();
    const char* patternEnd = Pattern.data() + Pattern.size();
    auto find = WholeWord ? FindWholeWord : FindDbcs;
    for (auto _ : State) {
        size_t matches = 0;
        for (const char* at = find(Text.data(), end, Pattern.data(), patternEnd); at != nullptr;
             at = find(at + Pattern.size(), end, Pattern.data(), patternEnd))
            ++matches;
        benchmark::DoNotOptimize(matches);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

struct Routine {
    const char* Name;
    std::function<std::string(std::string_view)> Run;
};

std::vector<Routine> Routines()
{
    return {
        {"HalfToFullWidth", HalfToFullWidth},
        {"FullToHalfWidth", FullToHalfWidth},
        {"HalfToFullWidthLines", HalfToFullWidthLines},
        {"FullToHalfWidthLines", FullToHalfWidthLines},
        {"KatakanaToHiragana", KatakanaToHiragana},
        {"HiraganaToKatakana", HiraganaToKatakana},
        {"ConvertKanaRuns/3", [](std::string_view T) { return ConvertKanaRuns(T, kToHiragana); }},
        {"ConvertKanaRuns/4", [](std::string_view T) { return ConvertKanaRuns(T, kToKatakana); }},
        {"HalfKanaToFullKana/0", [](std::string_view T) { return HalfKanaToFullKana(T, 0); }},
        {"HalfKanaToFullKana/3", [](std::string_view T) { return HalfKanaToFullKana(T, kToHiragana); }},
        {"FullKanaToHalfKana", FullKanaToHalfKana},
        {"AsciiToFullWidth/0", [](std::string_view T) { return AsciiToFullWidth(T, 0); }},
        {"AsciiToFullWidth/1", [](std::string_view T) { return AsciiToFullWidth(T, 1); }},
        {"AsciiToFullWidth/2", [](std::string_view T) { return AsciiToFullWidth(T, 2); }},
        {"FullWidthToAscii/0", [](std::string_view T) { return FullWidthToAscii(T, 0); }},
        {"FullWidthToAscii/1", [](std::string_view T) { return FullWidthToAscii(T, 1); }},
        {"FullWidthToAscii/2", [](std::string_view T) { return FullWidthToAscii(T, 2); }},
        {"NumbersToKanji", NumbersToKanji},
        {"SpacePairsToFullWidthSpace", SpacePairsToFullWidthSpace},
        {"FullWidthSpaceToSpacePairs", FullWidthSpaceToSpacePairs},
        {"TabsToSpaces", [](std::string_view T) { return TabsToSpaces(T, 4); }},
        {"SpacesToTabs", [](std::string_view T) { return SpacesToTabs(T, 4); }},
        {"TabsToCommas", TabsToCommas},
        {"ReverseText", ReverseText},
        {"CapitalizeWords", CapitalizeWords},
        {"DeleteAllLineBreaks", DeleteAllLineBreaks},
        {"DeleteEmptyLines", DeleteEmptyLines},
        {"DeleteRepeatedEmptyLines", DeleteRepeatedEmptyLines},
        {"DeleteAllSpaces", DeleteAllSpaces},
        {"DeleteLeadingSpaces", DeleteLeadingSpaces},
        {"DeleteLeadingSpace", DeleteLeadingSpace},
        {"DeleteLeadingTabs", DeleteLeadingTabs},
        {"DeleteLeadingTab", DeleteLeadingTab},
        {"DeleteLeadingBlanks", DeleteLeadingBlanks},
        {"DeleteTrailingBlanks", DeleteTrailingBlanks},
        {"DeleteLineHeads", [](std::string_view T) { return DeleteLineHeads(T, 3); }},
        {"DeleteDuplicateLines", DeleteDuplicateLines},
        {"ZenRtnZenDel", ZenRtnZenDel},
        {"ZenSpcZenDel", ZenSpcZenDel},
        {"ZenKeisenDel", ZenKeisenDel},
    };
}

void RegisterAll()
{
    struct Input {
        const char* Name;
        const std::string& (*Text)();
    };
    const Input inputs[] = {{"Generated", Generated}, {"OneLine", OneLine}, {"Kanji", Kanji}, {"Shuffled", Shuffled}};
    for (const Input& input : inputs) {
        const std::string& (*text)() = input.Text;
        for (const char* to : {"UTF-8", "UTF-16LE"})
            benchmark::RegisterBenchmark((std::string(input.Name) + "/iconv CP932 to " + to).c_str(),
                                         [to, text](benchmark::State& State) { Decode(State, to, text()); })
                ->Unit(benchmark::kMillisecond);
        for (const Routine& routine : Routines())
            benchmark::RegisterBenchmark(
                (std::string(input.Name) + "/" + routine.Name).c_str(),
                [run = routine.Run, text](benchmark::State& State) { RunRoutine(State, run, text()); })
                ->Unit(benchmark::kMillisecond);
    }

    // Absent patterns: the generated text holds no kanji from lead 0xE0 on,
    // and 亜 never stands after a half of itself.
    static const std::string absentChar = Utf8ToSjis("鬱");
    static const std::string absentWords = Utf8ToSjis("憂鬱な雨の日");
    static const std::string trailLead = "\x9F\x88"; // the middle of 亜亜
    static const std::string maru = Utf8ToSjis("。");
    struct Search {
        const char* Name;
        const std::string& (*Text)();
        const std::string* Pattern;
        bool WholeWord;
    };
    const Search searches[] = {
        {"Generated/FindDbcs absent character", Generated, &absentChar, false},
        {"Generated/FindDbcs absent words", Generated, &absentWords, false},
        {"Generated/FindWholeWord absent words", Generated, &absentWords, true},
        {"Generated/FindDbcs every 。", Generated, &maru, false},
        {"Kanji/FindDbcs 9F 88 on every trail byte", Kanji, &trailLead, false},
        {"Kanji/FindWholeWord 9F 88 on every trail byte", Kanji, &trailLead, true},
    };
    for (const Search& search : searches) {
        benchmark::RegisterBenchmark(search.Name, [search](benchmark::State& State) {
            FindAll(State, search.Text(), *search.Pattern, search.WholeWord);
        })->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
