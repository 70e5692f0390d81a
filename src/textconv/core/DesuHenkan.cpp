#include "DesuHenkan.h"

#include "SentenceStyleScanner.h"

#include <algorithm>
#include <initializer_list>

namespace textconv {

namespace {

using sentencestyle::Candidate;
using sentencestyle::Contains;
using sentencestyle::IsHiragana;
using sentencestyle::kLineEnd;
using sentencestyle::Replacement;
using sentencestyle::SjisCodes;
using sentencestyle::SjisLiteral;

uint16_t SjisCode(const char* Utf8) { return SjisCodes(Utf8).front(); }

std::vector<std::string> SjisLiterals(std::initializer_list<const char*> Utf8)
{
    std::vector<std::string> texts;
    for (const char* text : Utf8)
        texts.push_back(SjisLiteral(text));
    return texts;
}

bool IsOneOf(std::string_view Stem, const std::vector<std::string>& Stems)
{
    return std::find(Stems.begin(), Stems.end(), Stem) != Stems.end();
}

// The characters and stems the context rules compare with.
struct RuleTexts {
    std::vector<uint16_t> Particles = SjisCodes("かがねよ");
    std::vector<uint16_t> Commas = SjisCodes("、，");
    std::vector<std::string> CommaStems = SjisLiterals({"さく", "きく", "しく", "いえ", "むけ", "え", "く", "い"});
    std::string Ita = SjisLiteral("いた");
    std::vector<uint16_t> ItaKanji = SjisCodes("強報用老");
    std::vector<std::string> RuStems = SjisLiterals({"る", "まい", "なかった"});
    std::vector<uint16_t> RuKanji = SjisCodes("得出来寝");
    std::string Ida = SjisLiteral("いだ");
    std::vector<uint16_t> IdaChars = SjisCodes("思せ違幸");
    std::string Giru = SjisLiteral("ぎる");
    uint16_t Sugi = SjisCode("過");
    std::vector<std::string> KenaiStems = SjisLiterals({"けない", "けなかった"});
    uint16_t Nasake = SjisCode("情");
    std::string Sou = SjisLiteral("そう");
    uint16_t IdeographicSpace = SjisCode("　");
    std::string Tsukatta = SjisLiteral("つかった");
    std::vector<uint16_t> FoundChars = SjisCodes("にぶ見"); // 見つかった, ぶつかった
    uint16_t Wo = SjisCode("を");                           // を使った
    std::string Katta = SjisLiteral("かった");
    uint16_t Muka = SjisCode("向");
    std::vector<uint16_t> KaruKanji = SjisCodes("分受授助");
    std::string Nda = SjisLiteral("んだ");
    uint16_t Shi = SjisCode("死");
    std::vector<uint16_t> BuVerbs = SjisCodes("遊浮選及転叫飛跳尊並運滅学結咽弄呼歓喜悦");
    std::string Tta = SjisLiteral("った");
    uint16_t Iku = SjisCode("行");
    uint16_t Kayou = SjisCode("通");
    uint16_t Yuku = SjisCode("逝");
    std::vector<uint16_t> TsuVerbs = SjisCodes("打撃討勝育立断建絶経保放待持");
    std::vector<uint16_t> UVerbs = SjisCodes("会逢合遭扱洗抗争言祝伺窺疑失歌唱奪占潤追負覆襲思想買飼囲叶"
                                             "庇競嫌食狂誘慕従吸救添揃戦闘漂誓違使伝繕整担習倣願狙匂臭縫"
                                             "拭呪払這舞惑纏迷向貰拾雇結酔装笑嗤");
    std::string Jinai = SjisLiteral("じない");
    uint16_t Go = SjisCode("ご");
    uint16_t Zon = SjisCode("存");
    uint16_t Bi = SjisCode("び");
    uint16_t Kau = SjisCode("交");
    uint16_t Chuu = SjisCode("躊");
    uint16_t Cho = SjisCode("躇");
};

const RuleTexts& Texts()
{
    static const RuleTexts texts;
    return texts;
}

constexpr const char* kIkuQuestion = "\"行った\" を \"行いました\" に変換しますか？";
constexpr const char* kKayouQuestion = "\"通った\" を \"通いました\" に変換しますか？";

class DesuPolicy final : public sentencestyle::Policy {
public:
    explicit DesuPolicy(const YesNoQuestion& Ask) : Ask_(Ask) {}

    bool IsOneCharParticle(uint16_t Code) const override { return Contains(Texts().Particles, Code); }
    size_t LongestEnding() const override { return DesuEndingTable().LongestEnding(); }

    Replacement Replace(const Candidate& Tail) override
    {
        // 一つ and １つ stay as they are, though their first character
        // stands before the run.
        const std::string_view kept = DesuEndingTable().LookupAfter(Tail.Before, Tail.Stem, 0);
        if (!kept.empty())
            return {kept, true};
        return {DesuEndingLookup(Tail.Stem, ContextOf(Tail)), false};
    }

private:
    bool AnsweredYes(const char* Question) const { return Ask_ && Ask_(Question); }

    // The context value tells apart the verbs that share a plain ending
    // (持った, 言った, 取った; 死んだ, 遊んだ, 読んだ).
    int ContextOf(const Candidate& Tail) const
    {
        const RuleTexts& t = Texts();
        const std::string_view stem = Tail.Stem;
        const uint16_t before = Tail.Before;
        int context = 0;
        if (Contains(t.Commas, Tail.Terminator) && IsOneOf(stem, t.CommaStems))
            context = 1; // 大きく、 stays
        if (stem == t.Ita && (IsHiragana(before) || Contains(t.ItaKanji, before)))
            context = 1;
        if (Contains(t.RuKanji, before) && IsOneOf(stem, t.RuStems))
            context = 1;
        if (Contains(t.IdaChars, before) && stem == t.Ida)
            context = 1;
        if (before == t.Sugi && stem == t.Giru)
            context = 1;
        if (before == t.Nasake && IsOneOf(stem, t.KenaiStems))
            context = 1;
        if (stem == t.Sou && (before == t.IdeographicSpace || before == kLineEnd))
            context = 1; // そう opening a line is the adverb
        if (stem == t.Tsukatta) {
            if (Contains(t.FoundChars, before))
                context = 1;
            else if (before == t.Wo)
                context = 2;
        }
        if (stem == t.Katta) {
            if (before == t.Muka)
                context = 1;
            else if (Contains(t.KaruKanji, before))
                context = 2;
        }
        if (stem == t.Nda) {
            if (before == t.Shi)
                context = 1;
            else if (Contains(t.BuVerbs, before))
                context = 2;
        }
        if (stem == t.Tta) {
            if (before == t.Iku)
                context = AnsweredYes(kIkuQuestion) ? 3 : 1;
            else if (before == t.Kayou)
                context = AnsweredYes(kKayouQuestion) ? 3 : context;
            else if (before == t.Yuku)
                context = 1;
            else if (Contains(t.TsuVerbs, before))
                context = 2;
            else if (Contains(t.UVerbs, before))
                context = 3;
        }
        if (stem == t.Jinai && Tail.TwoBefore == t.Go && before == t.Zon)
            context = 1; // ご存じない
        if (stem == t.Tta
            && ((Tail.TwoBefore == t.Bi && before == t.Kau) || (Tail.TwoBefore == t.Chuu && before == t.Cho)))
            context = 3; // 飛び交った, 躊躇った
        return context;
    }

    const YesNoQuestion& Ask_;
};

} // namespace

std::string ConvertDaToDesu(std::string_view Text, bool SkipQuotes, const YesNoQuestion& Ask)
{
    DesuPolicy policy(Ask);
    return sentencestyle::Convert(Text, SkipQuotes, policy);
}

std::string_view DesuEndingLookup(std::string_view Ending, int Context)
{
    return DesuEndingTable().Lookup(Ending, Context);
}

const sentencestyle::EndingTable& DesuEndingTable()
{
    static const sentencestyle::EndingTable table(DesuEndingSources());
    return table;
}

} // namespace textconv
