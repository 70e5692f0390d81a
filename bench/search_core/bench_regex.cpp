// The regular-expression engine against Oniguruma (Shift_JIS encoding) on
// a seeded 10 MB Shift-JIS corpus: find-all throughput with the match
// counts of both engines, and the cost of compiling, of a cache hit and of
// refusing a pattern that would explode. Run by hand: bench_regex.
#include "AWKStr.h"
#include "Cp932.h"
#include "ERegExpParser.h"
#include "FuzzyCharDic.h"
#include "MatchCORE.h"
#include "Sjis.h"

#include <benchmark/benchmark.h>
#include <oniguruma.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// 10 MB of CR LF lines of 10-120 characters: 45% hiragana, 15% katakana,
// 25% kanji from a fixed list, 15% ASCII.
const std::string& Corpus()
{
    static const std::string corpus = [] {
        static const std::u16string kanji =
            u"検索置換日本語文字表示編集行列頁時間題名前後上下左右大小中新古高安計算機械"
            u"電話会社学校先生天気雨雪山川海空花鳥風月";
        static const std::string ascii = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPRSTUVWXYZ0123456789 ,.;:-_()Q";
        std::mt19937 rng(4101);
        auto pick = [&](int Count) { return std::uniform_int_distribution<int>(0, Count - 1)(rng); };
        std::u16string line;
        std::string text;
        text.reserve(10'100'000);
        while (text.size() < 10'000'000) {
            line.clear();
            for (int i = 0, n = 10 + pick(111); i < n; ++i) {
                const int roll = pick(100);
                if (roll < 45)
                    line += static_cast<char16_t>(u'ぁ' + pick(83));
                else if (roll < 60)
                    line += static_cast<char16_t>(u'ァ' + pick(86));
                else if (roll < 85)
                    line += kanji[pick(static_cast<int>(kanji.size()))];
                else
                    line += static_cast<char16_t>(ascii[pick(static_cast<int>(ascii.size()))]);
            }
            text += Utf16ToSjis(line) + "\r\n";
        }
        return text;
    }();
    return corpus;
}

const std::string& Sj(const char* Utf8)
{
    static std::vector<std::pair<const char*, std::string>> converted;
    for (const auto& [key, value] : converted)
        if (key == Utf8)
            return value;
    return converted.emplace_back(Utf8, Utf8ToSjis(Utf8)).second;
}

struct Search {
    const char* Name;
    const char* Pattern; // UTF-8; Oniguruma gets the processed pattern
    bool Fuzzy;
};

const Search kSearches[] = {
    {"literal", "検索", false},
    {"alternation", "検索|置換", false},
    {"katakana_class_run", "[ァ-ヶ][ァ-ヶ][ァ-ヶ][ァ-ヶ][ァ-ヶ]", false},
    {"fuzzy_word", "テスト", true},
    {"line_then_Q", "[^\\r\\n]*Q", false},
};

void SetUp(TAWKStr& Re, const Search& S)
{
    Re.SetUseFuzzyCharDic(S.Fuzzy);
    Re.SetRegExp(Sj(S.Pattern));
}

// Every match in turn, as GSub and find highlighting go on after each.
int64_t CountAll(const TAWKStr& Re, std::string_view Text)
{
    int64_t count = 0;
    re::TDeadEnds deadEnds;
    for (size_t from = 0; from < Text.size();) {
        const auto match = Re.Engine().MatchFrom(Text, from, from == 0 || Text[from - 1] == '\n', deadEnds);
        if (!match)
            break;
        ++count;
        from = match->End;
        if (match->Start == match->End)
            from += from < Text.size() ? sjis::CharLen(Text, from) : 1;
    }
    return count;
}

void BM_FindAll_Velk(benchmark::State& State)
{
    const Search& search = kSearches[State.range(0)];
    const std::string& text = Corpus();
    TAWKStr re(nullptr);
    SetUp(re, search);
    int64_t count = 0;
    for (auto _ : State) {
        count = CountAll(re, text);
        benchmark::DoNotOptimize(count);
    }
    State.SetLabel(search.Name);
    State.counters["matches"] = static_cast<double>(count);
    State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(text.size()));
}

class OnigPattern {
public:
    explicit OnigPattern(const std::string& Pattern)
    {
        OnigEncoding encodings[] = {ONIG_ENCODING_SJIS};
        onig_initialize(encodings, 1);
        OnigErrorInfo info;
        const auto* p = reinterpret_cast<const OnigUChar*>(Pattern.data());
        if (onig_new(&Regex_, p, p + Pattern.size(), ONIG_OPTION_NONE, ONIG_ENCODING_SJIS, ONIG_SYNTAX_ONIGURUMA, &info)
            != ONIG_NORMAL)
            Regex_ = nullptr;
        Region_ = onig_region_new();
    }
    ~OnigPattern()
    {
        onig_region_free(Region_, 1);
        if (Regex_)
            onig_free(Regex_);
    }
    bool Ok() const { return Regex_ != nullptr; }

    int64_t CountAll(const std::string& Text)
    {
        const auto* str = reinterpret_cast<const OnigUChar*>(Text.data());
        const auto* end = str + Text.size();
        int64_t count = 0;
        for (const OnigUChar* at = str; at < end;) {
            if (onig_search(Regex_, str, end, at, end, Region_, ONIG_OPTION_NONE) < 0)
                break;
            ++count;
            const OnigUChar* matchEnd = str + Region_->end[0];
            at = matchEnd > str + Region_->beg[0]
                     ? matchEnd
                     : matchEnd
                           + sjis::CharLen(reinterpret_cast<const char*>(matchEnd), reinterpret_cast<const char*>(end));
        }
        return count;
    }

private:
    OnigRegex Regex_ = nullptr;
    OnigRegion* Region_ = nullptr;
};

// The pattern as this engine compiles it, fuzzy expansion included.
std::string Processed(const std::string& Pattern, bool Fuzzy)
{
    TREPreProcessor pre;
    pre.FuzzyCharDics().push_back(&FuzzyCharDic());
    pre.SetUseFuzzyCharDic(Fuzzy);
    pre.SetTargetRegExp(Pattern);
    return pre.Run();
}

void BM_FindAll_Onig(benchmark::State& State)
{
    const Search& search = kSearches[State.range(0)];
    const std::string& text = Corpus();
    OnigPattern pattern(Processed(Sj(search.Pattern), search.Fuzzy));
    if (!pattern.Ok()) {
        State.SkipWithError("Oniguruma cannot compile the pattern");
        return;
    }
    int64_t count = 0;
    for (auto _ : State) {
        count = pattern.CountAll(text);
        benchmark::DoNotOptimize(count);
    }
    State.SetLabel(search.Name);
    State.counters["matches"] = static_cast<double>(count);
    State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(text.size()));
}

// Searches whose walks run long: a walk from every start in turn would
// read each long line once per character. Each runs on a 10 KB and a 1 MB
// text, so the time per byte shows whether the search stays linear.
enum class LongText { Cs, OneLine, Lines80, Repeated };

struct LongSearch {
    const char* Name;
    const char* Pattern;
    LongText Text;
    const char* Unit = ""; // what a Repeated text repeats
};

const LongSearch kLongSearches[] = {
    {"c*d_over_c", "c*d", LongText::Cs},
    {"dot_star_foo_one_line", ".*foo", LongText::OneLine},
    {"any_star_z_80_byte_lines", "(.|\\r|\\n)*z", LongText::Lines80},
    // A hit every four bytes, each of whose walks reads on to the line's end.
    {"dot_star_foo_or_bar_many_hits", ".*foo|bar", LongText::Repeated, "bar "},
    // Between two hits three walks start that each fail only at the end.
    {"three_failing_branches_many_hits", "a.*x|b.*y|c.*z|d", LongText::Repeated, "abcd"},
};

// The corpus's characters without line breaks, cut at a character start
// at or below Size.
std::string OneLine(size_t Size)
{
    std::string line;
    const std::string& corpus = Corpus();
    for (size_t pos = 0; line.size() < Size;) {
        const size_t len = sjis::CharLen(corpus, pos);
        if (line.size() + len > Size)
            break;
        if (corpus[pos] != '\r' && corpus[pos] != '\n')
            line.append(corpus, pos, len);
        pos += len;
    }
    return line;
}

std::string LongTextOf(const LongSearch& Search, size_t Size)
{
    const LongText kind = Search.Text;
    if (kind == LongText::Cs)
        return std::string(Size, 'c');
    if (kind == LongText::Repeated) {
        std::string text;
        while (text.size() + std::strlen(Search.Unit) <= Size)
            text += Search.Unit;
        return text;
    }
    const std::string line = OneLine(Size);
    if (kind == LongText::OneLine)
        return line;
    std::string lines;
    for (size_t pos = 0, column = 0; pos < line.size() && lines.size() + 4 <= Size;) {
        const size_t len = sjis::CharLen(line, pos);
        lines.append(line, pos, len);
        pos += len;
        column += len;
        if (column >= 77) {
            lines += "\r\n";
            column = 0;
        }
    }
    return lines;
}

// Prepare compiles a pattern and returns what counts its matches in a text.
template <class Prepare>
void RunLongSearch(benchmark::State& State, Prepare&& PrepareSearch)
{
    const LongSearch& search = kLongSearches[State.range(0)];
    const std::string text = LongTextOf(search, static_cast<size_t>(State.range(1)));
    const auto countMatches = PrepareSearch(search.Pattern);
    int64_t count = 0;
    for (auto _ : State) {
        count = countMatches(text);
        benchmark::DoNotOptimize(count);
    }
    State.SetLabel(search.Name);
    State.counters["matches"] = static_cast<double>(count);
    State.counters["ns_per_byte"] =
        benchmark::Counter(static_cast<double>(text.size()) * 1e-9,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(text.size()));
}

void BM_LongLine_Velk(benchmark::State& State)
{
    RunLongSearch(State, [](const char* Pattern) {
        auto re = std::make_shared<TAWKStr>(nullptr);
        re->SetRegExp(Pattern);
        return [re](const std::string& Text) { return CountAll(*re, Text); };
    });
}

void BM_LongLine_Onig(benchmark::State& State)
{
    // Oniguruma reads to the line's end again for every hit there: about a
    // quarter of an hour on 1 MB.
    if (kLongSearches[State.range(0)].Text == LongText::Repeated && State.range(1) > 100'000) {
        State.SkipWithError("quadratic in Oniguruma");
        return;
    }
    RunLongSearch(State, [](const char* Pattern) {
        auto pattern = std::make_shared<OnigPattern>(Pattern);
        return [pattern](const std::string& Text) { return pattern->CountAll(Text); };
    });
}

struct CompileCase {
    const char* Name;
    std::string Pattern; // Shift-JIS
    bool Fuzzy;
};

std::string Repeat(const std::string& Text, int Count)
{
    std::string result;
    for (int i = 0; i < Count; ++i)
        result += Text;
    return result;
}

const std::vector<CompileCase>& CompileCases()
{
    static const std::vector<CompileCase> cases = {
        {"literal_10", Sj("検索置換の表示と編集"), false},
        {"classes", Sj("[ぁ-ん]+[ァ-ヶ]+"), false},
        {"typical", Sj("^(検索|置換)[0-9]+[^、。]*です$"), false},
        {"fuzzy_kana_10", Sj("あいうえおかきくけこ"), true},
        {"fuzzy_kana_50", Repeat(Sj("がぎぐげごさしすせそ"), 5), true},
        {"subsets_k8", "(a|b)*a" + Repeat("(a|b)", 8), false},
        {"subsets_k11", "(a|b)*a" + Repeat("(a|b)", 11), false},
        {"subsets_k13", "(a|b)*a" + Repeat("(a|b)", 13), false},
    };
    return cases;
}

// A first set of a pattern: preprocessing and compiling, on a fresh object.
void BM_Compile_Velk(benchmark::State& State)
{
    const CompileCase& c = CompileCases()[State.range(0)];
    for (auto _ : State) {
        TAWKStr re(nullptr);
        re.SetUseFuzzyCharDic(c.Fuzzy);
        re.SetRegExp(c.Pattern);
        benchmark::DoNotOptimize(re.Engine().CurrentDFA().StateCount());
    }
    TAWKStr re(nullptr);
    re.SetUseFuzzyCharDic(c.Fuzzy);
    re.SetRegExp(c.Pattern);
    State.SetLabel(c.Name);
    State.counters["dfa_states"] = re.Engine().CurrentDFA().StateCount();
}

void BM_Compile_Onig(benchmark::State& State)
{
    const CompileCase& c = CompileCases()[State.range(0)];
    const std::string processed = Processed(c.Pattern, c.Fuzzy);
    for (auto _ : State) {
        OnigPattern compiled(processed);
        benchmark::DoNotOptimize(compiled.Ok());
    }
    State.SetLabel(c.Name);
}

// The empty constructor cost, to read the compile figures against.
void BM_Construct_Velk(benchmark::State& State)
{
    for (auto _ : State) {
        TAWKStr re(nullptr);
        benchmark::DoNotOptimize(&re);
    }
}

// Two cached patterns set in turn: every set looks the key up.
void BM_CacheHit(benchmark::State& State)
{
    TAWKStr re(nullptr);
    const std::string a = Sj("検索"), b = Sj("置換");
    re.SetRegExp(a);
    re.SetRegExp(b);
    bool flip = false;
    for (auto _ : State) {
        re.SetRegExp(flip ? a : b);
        flip = !flip;
    }
}

// The same pattern again, as find highlighting sets it on every repaint.
void BM_CacheSamePattern(benchmark::State& State)
{
    TAWKStr re(nullptr);
    const std::string a = Sj("検索");
    re.SetRegExp(a);
    for (auto _ : State)
        re.SetRegExp(a);
}

void BM_CapRejection(benchmark::State& State)
{
    const std::string pattern = State.range(0) == 0 ? "(a|b)*a" + Repeat("(a|b)", 20) : [] {
        std::string nested = "a";
        for (int i = 0; i < 25; ++i)
            nested = "(" + nested + ")+";
        return nested;
    }();
    for (auto _ : State) {
        TAWKStr re(nullptr);
        try {
            re.SetRegExp(pattern);
            State.SkipWithError("no error");
        } catch (const ERegExpParser&) {
        }
    }
    State.SetLabel(State.range(0) == 0 ? "subsets_k20" : "nested_plus_25");
}

} // namespace

BENCHMARK(BM_FindAll_Velk)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAll_Onig)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
// Each long search on 10 KB and 1 MB, "c*d" also on the 100,000 "c"; the
// first many-hit search also on 100 KB for Oniguruma, whose time there
// grows as the square of the length.
BENCHMARK(BM_LongLine_Velk)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {10'000, 1'000'000}})
    ->Args({0, 100'000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongLine_Onig)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {10'000, 1'000'000}})
    ->Args({0, 100'000})
    ->Args({3, 100'000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Construct_Velk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compile_Velk)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compile_Onig)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CacheHit)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_CacheSamePattern)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_CapRejection)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
