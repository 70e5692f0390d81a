#include "DaHenkan.h"

#include "SentenceStyleScanner.h"

#include "Sjis.h"

#include <algorithm>
#include <initializer_list>

namespace textconv {

namespace {

using sentencestyle::Candidate;
using sentencestyle::Contains;
using sentencestyle::IsHiragana;
using sentencestyle::LeadOf;
using sentencestyle::Replacement;
using sentencestyle::SjisCodes;
using sentencestyle::SjisLiteral;
using sentencestyle::TrailOf;
using sjis::IsKanjiLead;

bool OneOf(unsigned char Byte, std::initializer_list<unsigned char> Bytes)
{
    return std::find(Bytes.begin(), Bytes.end(), Byte) != Bytes.end();
}

bool IsFullWidthKatakana(uint16_t Code) { return Code >= 0x8340 && Code <= 0x8396; }

// The characters and stems the context rules compare with.
struct RuleTexts {
    std::vector<uint16_t> Particles = SjisCodes("かがしねよ");
    std::vector<uint16_t> KiruVerbs = SjisCodes("起生飽尽"); // 起きる, 生きる, 飽きる, 尽きる
    uint16_t Shita = SjisCodes("下").front();
    uint16_t LongVowel = SjisCodes("ー").front();
    std::vector<uint16_t> SouKana = SjisCodes("おかけこさたほむよ"); // 話そう, 起こそう, ...
    std::vector<uint16_t> OuKana = SjisCodes("あおかくさすぬ");      // 会おう, 置こう, ...
    std::string Kimasu = SjisLiteral("きます");
    std::string Kimashita = SjisLiteral("きました");
    std::string Sai = SjisLiteral("さい");
    std::string Kudasai = SjisLiteral("ください");
    std::string Inasai = SjisLiteral("いなさい");
    std::string Binasai = SjisLiteral("びなさい");
    std::string Rinasai = SjisLiteral("りなさい");
    std::string Shimashou = SjisLiteral("しましょう");
    std::string Imashou = SjisLiteral("いましょう");
    std::string Shimasu = SjisLiteral("します");
    std::string Shimasen = SjisLiteral("しません");
};

const RuleTexts& Texts()
{
    static const RuleTexts texts;
    return texts;
}

class DaPolicy final : public sentencestyle::Policy {
public:
    bool IsOneCharParticle(uint16_t Code) const override { return Contains(Texts().Particles, Code); }
    size_t LongestEnding() const override { return DaEndingTable().LongestEnding(); }

    // The context value tells the verbs apart that share a polite ending
    // (落ちます and 待ちます, 起きました and 書きました); later rules override
    // earlier ones.
    Replacement Replace(const Candidate& Tail) override
    {
        const RuleTexts& t = Texts();
        const std::string_view stem = Tail.Stem;
        const uint16_t before = Tail.Before;
        const unsigned char lead = LeadOf(before), trail = TrailOf(before);
        int context = 0;
        if (OneOf(lead, {0x82, 0x8B, 0x91, 0x92, 0x96, 0x97})
            && OneOf(trail, {0x80, 0x8E, 0x9E, 0xA8, 0xAD, 0xC2, 0xC4, 0xDD}))
            context = 1; // 落, 朽, 満, 堕, 墜, お, く, み ...
        if (Contains(t.KiruVerbs, before) && stem == t.Kimasu)
            context = 1;
        if (OneOf(lead, {0x8D, 0x90}) && OneOf(trail, {0x73, 0xC0}) && stem == t.Kimashita)
            context = 1; // 行, 座, 尽, 逝
        if (Contains(t.KiruVerbs, before) && stem == t.Kimashita)
            context = 2;
        // 下さい: the 下 belongs to the ending ください.
        if (before == t.Shita && stem == t.Sai)
            return {DaEndingLookup(t.Kudasai, context), true};
        if ((IsHiragana(before) || (OneOf(lead, {0x89, 0x8B}) && OneOf(trail, {0xAD, 0xF7}))) && stem == t.Inasai)
            context = 1; // 億, 悔, 強, 隅
        if (OneOf(lead, {0x82, 0x97}) && OneOf(trail, {0x81, 0xA0}) && stem == t.Binasai)
            context = 1; // ａ, あ, 浴, 裏
        if (OneOf(lead, {0x82, 0x89, 0x8D, 0x8E}) && OneOf(trail, {0x7E, 0xA8, 0xA9, 0xBA, 0xD8}) && stem == t.Rinasai)
            context = 1; // お, か, 下, 降, 借 ...
        if (stem == t.Shimashou && (IsKanjiLead(lead) || Contains(t.SouKana, before)))
            context = 1;
        if (stem == t.Imashou && (IsKanjiLead(lead) || Contains(t.OuKana, before)))
            context = 1;
        const bool kanjiTwoBefore = IsKanjiLead(LeadOf(Tail.TwoBefore));
        if ((stem == t.Shimasu || stem == t.Shimasen)
            && (kanjiTwoBefore || IsFullWidthKatakana(before) || before == t.LongVowel))
            context = 1; // 勉強します, コピーします
        if (stem == t.Shimashou && kanjiTwoBefore)
            context = 0;
        return {DaEndingLookup(stem, context), false};
    }
};

} // namespace

std::string ConvertDesuToDa(std::string_view Text, bool SkipQuotes)
{
    DaPolicy policy;
    return sentencestyle::Convert(Text, SkipQuotes, policy);
}

std::string_view DaEndingLookup(std::string_view Ending, int Context)
{
    return DaEndingTable().Lookup(Ending, Context);
}

const sentencestyle::EndingTable& DaEndingTable()
{
    static const sentencestyle::EndingTable table(DaEndingSources());
    return table;
}

} // namespace textconv
