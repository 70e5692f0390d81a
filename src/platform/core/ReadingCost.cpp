#include "ReadingCost.h"

#include "CommonKanji.h"
#include "Cp932.h"
#include "Sjis.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

namespace {

// The weights, in steps. What text of the reading's kind is typically
// made of counts for the reading; what such text seldom holds counts
// against it, the more the rarer it is there.
constexpr int kTypical = -1, kNeutral = 0, kUncommon = 1, kOdd = 2, kRare = 3, kOddScript = 4, kForeign = 5, kAlien = 6,
              kUnused = 8;

bool IsAsciiLetter(char32_t C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); }

// Letters of Latin-1 Supplement, Latin Extended-A, -B and Additional, and
// the schwa; not the signs × and ÷.
bool IsAccentedLatin(char32_t C)
{
    return (C >= 0xC0 && C <= 0x24F && C != 0xD7 && C != 0xF7) || C == 0x259 || (C >= 0x1E00 && C <= 0x1EFF);
}

bool IsLowerLatin(char32_t C) { return (C >= 'a' && C <= 'z') || (C >= 0xDF && C <= 0xFF && C != 0xF7); }

// Capital letters of ASCII, Latin-1, Extended-A and Additional. The last
// two pair capital and small letters, mostly capital first; in Extended-A
// from U+0139 to U+0148 and from U+0179 the small one comes second.
bool IsCapitalLatin(char32_t C)
{
    if (C < 0x100)
        return (C >= 'A' && C <= 'Z') || (C >= 0xC0 && C <= 0xDE && C != 0xD7);
    const bool smallSecond = (C >= 0x139 && C <= 0x148) || (C >= 0x179 && C <= 0x17E);
    return (C < 0x180 || (C >= 0x1E00 && C <= 0x1EFF)) && (C % 2 == 1) == smallSecond;
}

// A kanji of either reading: common ones count for it; the rest by the
// level Shift-JIS gives them, and most when it has no code for them.
int KanjiWeight(char32_t C, uint16_t SjisCode)
{
    if (IsCommonKanji(C))
        return kTypical;
    if (SjisCode == 0)
        return kAlien;
    if (SjisCode < 0x989F)
        return kNeutral; // JIS level 1
    if (SjisCode < 0xEAA5)
        return kOdd; // level 2
    return kRare;    // the NEC and IBM extensions
}

// ---- The UTF-8 reading ------------------------------------------------------------------------------

struct TBlockWeight {
    char32_t Last;
    int Weight;
};

// What a character Shift-JIS has no code for weighs, by block; sorted by
// Last, each block running from the previous one's end. Kanji, Latin
// letters and combining marks get a closer look (Utf8CharWeight).
constexpr TBlockWeight kBlockWeights[] = {
    {0x02FF, kOddScript},                      // IPA extensions, spacing modifier letters
    {0x036F, kAlien},                          // combining marks
    {0x03FF, kUncommon},                       // Greek
    {0x045F, kUncommon},                       // Cyrillic
    {0x04FF, kRare},                           // historic Cyrillic
    {0x06FF, kForeign},                        // Cyrillic supplement, Armenian, Hebrew, Arabic
    {0x0FFF, kAlien},                          // Syriac to Tibetan
    {0x1DFF, kUnused},                         // Myanmar, Georgian, Hangul jamo, Ethiopic ... Tai, Balinese
    {0x1EFF, kUncommon},                       // Latin Extended Additional
    {0x1FFF, kOddScript},                      // Greek Extended
    {0x206F, kNeutral},                        // general punctuation
    {0x209F, kOdd},                            // superscripts and subscripts
    {0x20CF, kUncommon},                       // currency signs
    {0x20FF, kAlien},                          // combining marks for symbols
    {0x22FF, kUncommon},                       // letterlike symbols, number forms, arrows, mathematical operators
    {0x23FF, kOdd},                            // technical symbols
    {0x245F, kOddScript},                      // control pictures, OCR
    {0x26FF, kUncommon},                       // enclosed alphanumerics, box drawing, shapes, symbols
    {0x27BF, kOdd},                            // dingbats
    {0x2BFF, kOddScript},                      // arrows and mathematical symbols
    {0x2DFF, kUnused},                         // Glagolitic, Coptic, Georgian, Tifinagh, Ethiopic
    {0x2E7F, kOddScript},                      // supplemental punctuation
    {0x2FFF, kAlien},                          // CJK and Kangxi radicals
    {0x30FF, kNeutral},                        // CJK symbols and punctuation, kana
    {0x31EF, kUnused},                         // Bopomofo, Hangul compatibility jamo, Kanbun, strokes
    {0x31FF, kOddScript},                      // katakana phonetic extensions
    {0x33FF, kOdd},                            // enclosed CJK letters, CJK compatibility
    {0x4DFF, kUnused},                         // CJK extension A, Yijing hexagrams
    {0x9FFF, kAlien},                          // CJK ideographs
    {0xABFF, kUnused},                         // Yi, Lisu, Vai, Bamum, Tai Viet ...
    {0xD7FF, kAlien},                          // Hangul
    {0xF8FF, kUnused},                         // private use
    {0xFAFF, kAlien},                          // CJK compatibility ideographs
    {0xFB4F, kOddScript},                      // alphabetic presentation forms
    {0xFDFF, kUnused},                         // Arabic presentation forms
    {0xFE0F, kOddScript},                      // variation selectors
    {0xFE6F, kForeign},                        // vertical, compatibility and small forms
    {0xFEFF, kUnused},                         // Arabic presentation forms
    {0xFFEF, kNeutral},                        // full-width and half-width forms
    {0xFFFF, kUnused},                         // specials
    {0x1F2FF, kUnused},                        // historic scripts, musical and other symbols
    {0x1FAFF, kOdd},                           // emoji
    {0x1FFFF, kUnused},   {0x3FFFF, kForeign}, // CJK extensions B and on
    {0x10FFFF, kUnused},
};

int BlockWeight(char32_t C)
{
    return std::upper_bound(std::begin(kBlockWeights), std::end(kBlockWeights), C,
                            [](char32_t Value, const TBlockWeight& Block) { return Value <= Block.Last; })
        ->Weight;
}

// The signs of Latin-1 that Western text uses.
bool IsUsualLatinSign(char32_t C)
{
    static constexpr std::u32string_view signs = U"¡£§©«®°±²³´µ¶·ºª»¼½¾¿×÷";
    return signs.find(C) != std::u32string_view::npos;
}

// What is around a character of the UTF-8 reading.
struct TNeighbours {
    char32_t Before = 0, After = 0;
    // An ASCII letter stands next to it or one character away: it is in
    // Latin text, which accented letters alone seldom make.
    bool LatinNear = false;
};

int LatinLetterWeight(char32_t C, const TNeighbours& Around)
{
    // Extended-B: the Romanian letters and the schwa only.
    const bool usual = C < 0x180 || C == 0x18F || C == 0x259 || (C >= 0x218 && C <= 0x21B);
    int weight = usual ? kTypical : kNeutral;
    if (!Around.LatinNear)
        weight += kUncommon; // a letter on its own
    if (IsLowerLatin(Around.Before) && IsCapitalLatin(C))
        weight += kRare; // a capital inside a word
    return weight;
}

// The characters Shift-JIS holds that count for the UTF-8 reading: Greek
// and Cyrillic letters, punctuation, kana and the full-width forms.
bool IsTypicalHeldCharacter(char32_t C)
{
    return (C >= 0x370 && C < 0x460) || (C >= 0x2000 && C < 0x2070) || (C >= 0x3000 && C < 0x3100)
           || (C >= 0xFF00 && C < 0xFFF0);
}

int Utf8CharWeight(char32_t C, const TNeighbours& Around)
{
    if (C < 0x80)
        return kNeutral;
    if (C < 0xA0)
        return kUnused; // C1 controls
    if (IsAccentedLatin(C))
        return LatinLetterWeight(C, Around);
    if (C < 0x100)
        return IsUsualLatinSign(C) ? kTypical : kUncommon;
    if (C >= 0x300 && C <= 0x36F)
        return IsAsciiLetter(Around.Before) ? kOdd : kAlien; // an accent written apart
    const uint16_t sjis = SjisCodeOf(C);
    if ((C >= 0x4E00 && C <= 0x9FFF) || (C >= 0xF900 && C <= 0xFAFF)) {
        const int weight = KanjiWeight(C, sjis);
        // Shift-JIS read as UTF-8 gives a kanji before the trail byte of
        // the next Shift-JIS character, often an ASCII letter.
        const bool besideLetter = IsAsciiLetter(Around.Before) || IsAsciiLetter(Around.After);
        return weight > kTypical && besideLetter ? weight + kOdd : weight;
    }
    if (sjis != 0)
        return IsTypicalHeldCharacter(C) ? kTypical : kNeutral;
    if (C == 0x20AC)
        return kTypical; // the euro sign
    return BlockWeight(C);
}

// ---- The Shift-JIS reading --------------------------------------------------------------------------

// Half-width katakana, by byte.
constexpr unsigned char kVoicedMark = 0xDE, kSemiVoicedMark = 0xDF, kSmallTsu = 0xAF, kLongVowel = 0xB0, kTsu = 0xC2,
                        kN = 0xDD;

bool IsHalfWidthKana(unsigned char Byte) { return Byte >= 0xA6 && Byte <= 0xDF; }

// A half-width kana that ﾟ can follow (ﾊ-ﾎ), or ﾞ (ｳ ｶ-ﾄ ﾊ-ﾎ).
bool TakesSemiVoiced(unsigned char Kana) { return Kana >= 0xCA && Kana <= 0xCE; }
bool TakesVoicedMark(unsigned char Kana)
{
    return Kana == 0xB3 || (Kana >= 0xB6 && Kana <= 0xC4) || TakesSemiVoiced(Kana);
}

// A small kana after Base (the kana before it, a voiced mark looked
// through): what Japanese writes (ﾃｨ, ｼｪ, ｷｬ, ﾌｫ), what it seldom writes
// (ﾂｧ, ﾄｫ), or what it does not.
int SmallKanaWeight(unsigned char Small, unsigned char Base)
{
    struct TPairs {
        unsigned char Small;
        std::string_view Usual, Seldom;
    };
    // Bases in the byte values of ﾌ ｳ ﾃ ﾄ ｼ ﾁ ﾂ ｸ ｽ ｲ ｷ ﾆ ﾋ ﾐ ﾘ.
    static constexpr TPairs pairs[] = {
        {0xA7, "\xCC\xB3", "\xC2\xB8"},         // ｧ: ﾌｧ ｳﾞｧ | ﾂｧ ｸｧ
        {0xA8, "\xC3\xCC\xB3", "\xBD\xC2\xB8"}, // ｨ: ﾃｨ ﾌｨ ｳｨ | ｽｨ ﾂｨ ｸｨ
        {0xA9, "\xC4", "\xCC\xB3"},             // ｩ: ﾄｩ | ﾌｩ ｳｩ
        {0xAA, "\xBC\xC1\xCC\xB3\xC2", "\xB2\xB7\xC3\xC6\xCB\xD0\xD8"}, // ｪ: ｼｪ ﾁｪ ﾌｪ ｳｪ ﾂｪ | ｲｪ ...
        {0xAB, "\xCC\xB3", "\xC2\xB8\xC4"},                             // ｫ: ﾌｫ ｳｫ | ﾂｫ ｸｫ ﾄｫ
    };
    const auto holds = [&](std::string_view Bases) { return Bases.find(static_cast<char>(Base)) != Bases.npos; };
    for (const TPairs& p : pairs)
        if (p.Small == Small)
            return holds(p.Usual) ? kNeutral : holds(p.Seldom) ? kUncommon : kOdd;
    // ｬ ｭ ｮ after a kana of the i row, or ﾃ ﾌ (ﾃｭ ﾌｭ).
    return holds("\xB7\xBC\xC1\xC6\xCB\xD0\xD8\xC3\xCC") ? kNeutral : kOdd;
}

// Walks the half-width kana of the Shift-JIS reading, remembering the kana
// before each, since Japanese spells with them only in certain orders.
class THalfWidthKana {
public:
    // Byte is a half-width kana, Next the byte after it (0 at the end);
    // LetterBefore tells whether the character before is an ASCII letter.
    int Weight(unsigned char Byte, unsigned char Next, bool LetterBefore)
    {
        int weight = KanaWeight(Byte);
        if (!IsHalfWidthKana(Previous_))
            Syllables_ = 0;
        if (StartsSyllable(Byte))
            ++Syllables_;
        // A word is seldom one syllable.
        if (!IsHalfWidthKana(Next) && Syllables_ == 1)
            weight += kUncommon;
        if (LetterBefore)
            weight += kUncommon;
        if (IsAsciiLetter(Next))
            weight += kUncommon;
        if (Byte != kVoicedMark && Byte != kSemiVoicedMark)
            Base_ = Byte;
        Previous_ = Byte;
        return weight;
    }
    // Anything but a half-width kana ends the run.
    void Break() { Base_ = Previous_ = 0; }

private:
    static bool StartsSyllable(unsigned char Byte)
    {
        return Byte != kVoicedMark && Byte != kSemiVoicedMark && Byte != kLongVowel && !(Byte >= 0xA7 && Byte <= 0xAF);
    }

    int KanaWeight(unsigned char Byte) const
    {
        const bool afterKana = IsHalfWidthKana(Previous_);
        if (Byte == kVoicedMark)
            return afterKana && TakesVoicedMark(Base_) ? kNeutral : kOddScript;
        if (Byte == kSemiVoicedMark)
            return afterKana && TakesSemiVoiced(Base_) ? kNeutral : kOddScript;
        if (Byte == kSmallTsu || Byte == kLongVowel)
            return afterKana ? kNeutral : kOdd;
        if (Byte >= 0xA7 && Byte <= 0xAE)
            return afterKana ? SmallKanaWeight(Byte, Base_) : kRare;
        // A word seldom starts with ﾝ, or with ﾂ, which every Latin-1 sign
        // in UTF-8 reads as with one kana more.
        return !afterKana && (Byte == kN || Byte == kTsu) ? kUncommon : kNeutral;
    }

    unsigned char Base_ = 0, Previous_ = 0;
    int Syllables_ = 0;
};

int DoubleByteWeight(uint16_t Code)
{
    if (Code >= 0x829F && Code <= 0x8396)
        return kTypical; // kana
    if (Code < 0x81AD || (Code >= 0x824F && Code < 0x829F))
        return kNeutral; // punctuation, signs, full-width letters and digits
    if (Code < 0x889F)
        return kUncommon; // signs, Greek, Cyrillic, box drawing, NEC specials (① ㈱ ㍉)
    if (Code >= 0xF040 && Code <= 0xF9FC)
        return kUnused; // user-defined
    return KanjiWeight(SjisCharToUtf16(Code), Code);
}

} // namespace

int Utf8ReadingCost(std::string_view Bytes)
{
    std::vector<char32_t> text;
    text.reserve(Bytes.size());
    for (size_t pos = 0; pos < Bytes.size();)
        text.push_back(NextUtf8(Bytes, pos).value_or(0));
    const auto at = [&](size_t I) { return I < text.size() ? text[I] : 0; };
    int cost = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] < 0x80)
            continue;
        TNeighbours around{i > 0 ? text[i - 1] : 0, at(i + 1)};
        around.LatinNear = IsAsciiLetter(around.Before) || IsAsciiLetter(around.After)
                           || (i > 1 && IsAsciiLetter(text[i - 2])) || IsAsciiLetter(at(i + 2));
        cost += Utf8CharWeight(text[i], around);
    }
    return cost;
}

int SjisReadingCost(std::string_view Bytes)
{
    int cost = 0;
    THalfWidthKana kana;
    bool letterBefore = false;
    for (sjis::CharCursor c(Bytes); !c.AtEnd(); c.Next()) {
        const auto byte = static_cast<unsigned char>(Bytes[c.Pos()]);
        const auto next = static_cast<unsigned char>(c.Pos() + c.Len() < Bytes.size() ? Bytes[c.Pos() + c.Len()] : 0);
        if (c.IsDouble()) {
            int weight = DoubleByteWeight(c.Code());
            // As in the UTF-8 reading, a rare kanji beside ASCII letters.
            if (weight > kTypical && c.Code() >= 0x889F && (letterBefore || IsAsciiLetter(next)))
                weight += kOdd;
            cost += weight;
            kana.Break();
        } else if (IsHalfWidthKana(byte)) {
            // A single-byte character is followed by a character of its
            // own, so an ASCII letter after it is one.
            cost += kana.Weight(byte, next, letterBefore);
        } else {
            kana.Break();
        }
        letterBefore = !c.IsDouble() && IsAsciiLetter(byte);
    }
    return cost;
}
