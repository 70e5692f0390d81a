#include "ReadingCost.h"

#include "CommonKanji.h"
#include "Cp932.h"
#include "Sjis.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <limits>

namespace {

// The scripts words are written in. Text keeps to one for a while: a
// change costs kScriptChangeBits. Digits, blanks and signs belong to none.
enum class TScript { None, Latin, Japanese, Hangul, Greek, Cyrillic, HalfWidthKana, Other };

// One character of a reading. Sjis is its Shift-JIS code (0 when Shift-JIS
// has none), which ranks kanji by JIS level and spells half-width kana.
struct TChar {
    char32_t C = 0;
    uint16_t Sjis = 0;
    bool Unmapped = false; // a Shift-JIS byte or pair with no Unicode form
    bool End = true;       // before the first or past the last character
    TScript Script = TScript::None;
};

// ---- The chance of a character alone, in bits ----------------------------------------------------------

// What a character costs by its block; sorted by Last, each block running
// from the previous one's end. Letters, kanji and kana get a closer look
// (CharBits). Writers here use kana, kanji, Hangul, Greek and Cyrillic
// letters, punctuation and emoji; no one writes control pictures,
// private-use characters or presentation forms.
struct TBlockBits {
    char32_t Last;
    int Bits;
};

// clang-format off
constexpr TBlockBits kBlockBits[] = {
    {0x02FF, 16},  // Latin Extended-B, IPA, spacing modifier letters
    {0x036F, 14},  // combining marks (an accent written apart, after its letter)
    {0x0385, 16},  // Greek accents and numeral signs
    {0x03CE, 10},  // Greek letters
    {0x03FF, 16},  // archaic Greek and Coptic letters, Greek symbols
    {0x045F, 10},  // Cyrillic
    {0x052F, 16},  // historic Cyrillic and its supplement
    {0x058F, 14},  // Armenian
    {0x05CF, 20},  // Hebrew points
    {0x05EA, 12},  // Hebrew letters
    {0x05FF, 16},  // Yiddish ligatures, Hebrew punctuation
    {0x064A, 14},  // Arabic letters
    {0x065F, 14},  // Arabic vowel signs (after their letter, as accents written apart)
    {0x06FF, 18},  // Arabic digits, signs, letters of other languages
    {0x07FF, 20},  // Syriac, Arabic supplement, Thaana, NKo
    {0x10FF, 14},  // Indic scripts, Thai, Lao, Tibetan, Myanmar, Georgian
    {0x11FF, 20},  // Hangul jamo
    {0x137F, 16},  // Ethiopic
    {0x1DFF, 20},  // Cherokee ... Balinese, phonetic extensions
    {0x1E9F, 20},  // Latin Extended Additional: letters with dots and rings below
    {0x1EFF, 16},  // Latin Extended Additional: Vietnamese
    {0x1FFF, 16},  // Greek Extended
    {0x200F, 16},  // spaces of set widths, joiners, directions
    {0x2027, 9},   // dashes, quotation marks, bullets, ellipsis
    {0x206F, 14},  // other punctuation, invisible operators
    {0x209F, 14},  // superscripts and subscripts
    {0x20CF, 12},  // currency signs
    {0x20FF, 22},  // combining marks for symbols
    {0x22FF, 12},  // letterlike symbols, number forms, arrows, mathematical operators
    {0x23FF, 13},  // technical symbols
    {0x245F, 18},  // control pictures, OCR
    {0x24FF, 12},  // enclosed alphanumerics
    {0x25FF, 11},  // box drawing, block elements, shapes
    {0x27BF, 12},  // symbols, dingbats
    {0x2BFF, 14},  // arrows and mathematical symbols
    {0x2DFF, 20},  // Glagolitic, Coptic, Georgian, Tifinagh, Ethiopic
    {0x2E7F, 14},  // supplemental punctuation
    {0x2FFF, 18},  // CJK and Kangxi radicals
    {0x30FF, 8},   // CJK symbols and punctuation, kana
    {0x312F, 18},  // Bopomofo
    {0x318F, 16},  // Hangul compatibility jamo
    {0x31FF, 18},  // Kanbun, strokes, katakana phonetic extensions
    {0x33FF, 13},  // enclosed CJK letters, CJK compatibility
    {0x4DFF, 20},  // CJK extension A, Yijing hexagrams
    {0x9FFF, 13},  // CJK ideographs: those Japanese does not use (CharBits)
    {0xABFF, 20},  // Yi, Lisu, Vai, Bamum, Tai Viet ...
    {0xD7AF, 12},  // Hangul syllables
    {0xF8FF, 22},  // Hangul jamo extended, private use
    {0xFAFF, 16},  // CJK compatibility ideographs
    {0xFB4F, 16},  // alphabetic presentation forms
    {0xFDFF, 22},  // Arabic presentation forms
    {0xFE0F, 14},  // variation selectors
    {0xFE6F, 16},  // vertical, compatibility and small forms
    {0xFEFF, 22},  // Arabic presentation forms, byte-order mark
    {0xFF5E, 6},   // full-width ASCII
    {0xFF64, 11},  // full-width parentheses, half-width punctuation
    {0xFF9F, 10},  // half-width katakana (THalfWidthKana)
    {0xFFEF, 14},  // half-width Hangul, full-width signs
    {0xFFFF, 22},  // specials
    {0x1F0FF, 22}, // historic scripts, musical and other symbols
    {0x1F2FF, 16}, // enclosed alphanumerics and ideographs
    {0x1FAFF, 12}, // emoji
    {0x1FFFF, 22},
    {0x3FFFF, 18}, // CJK extensions B and on
    {0xE007F, 14}, // tags (the tail of a flag emoji)
    {0x10FFFF, 22},
};
// clang-format on

int BlockBits(char32_t C)
{
    return std::upper_bound(std::begin(kBlockBits), std::end(kBlockBits), C,
                            [](char32_t Value, const TBlockBits& Block) { return Value <= Block.Last; })
        ->Bits;
}

constexpr int kUnmappedBits = 24, kC1ControlBits = 24;

// Letters, digits, blanks, line ends and the signs of prose cost little;
// the signs of code and markup (` ^ ~ | \ { } ...) more; control codes
// the most.
int AsciiBits(char32_t C)
{
    static constexpr auto bits = [] {
        std::array<unsigned char, 0x80> table{};
        for (char32_t c = 0; c < 0x80; ++c) {
            const bool alphanumeric = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            if (alphanumeric
                || std::string_view(" .,:;!?'\"()-/\t\r\n").find(static_cast<char>(c)) != std::string_view::npos)
                table[c] = 6;
            else
                table[c] = (c >= 0x20 && c < 0x7F) || c == '\f' || c == 0x1B ? 10 : 16;
        }
        return table;
    }();
    return bits[C];
}

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

// The small letter of a capital (IsCapitalLatin).
char32_t SmallOf(char32_t Capital) { return Capital < 0x100 ? Capital + 0x20 : Capital + 1; }

bool IsKanji(char32_t C) { return C >= 0x4E00 && C <= 0x9FFF; }

// Kanji by how often Japanese writes them: the common ones, JIS level 1,
// level 2, the NEC and IBM extensions. A kanji Shift-JIS lacks is Chinese
// (BlockBits).
int KanjiBits(const TChar& K)
{
    if (IsCommonKanji(K.C))
        return 9;
    if (K.Sjis == 0)
        return BlockBits(K.C);
    if (K.Sjis < 0x989F)
        return 14;
    return K.Sjis < 0xEAA5 ? 19 : 20;
}

// The signs of Latin-1 that Western text uses.
bool IsUsualLatinSign(char32_t C)
{
    static constexpr std::u32string_view signs = U"¡£§©«®°±²³´µ¶·ºª»¼½¾¿×÷";
    return signs.find(C) != std::u32string_view::npos;
}

// The small accented letters that French, German, Spanish, Portuguese,
// Italian and the Nordic languages write in their everyday words: those of
// Latin-1 but ð ý þ ÿ (and the sign ÷).
bool IsEverydayAccentedLetter(char32_t C) { return C == U'ß' || (C >= U'à' && C <= U'ü' && C != U'ð' && C != U'÷'); }

int LatinLetterBits(char32_t C)
{
    if (IsEverydayAccentedLetter(C))
        return 8;
    // Extended-B: the Romanian letters and the schwa only.
    const bool usual = C < 0x180 || C == 0x18F || C == 0x259 || (C >= 0x218 && C <= 0x21B);
    return usual ? 9 : BlockBits(C);
}

// A double-byte character of Shift-JIS's signs, Greek, Cyrillic, box
// drawing and NEC specials (rows 1 to 8 and 13) is no rarer than this in
// Japanese text, whatever its block.
constexpr int kJisSignBits = 11;

int CharBits(const TChar& Ch)
{
    const char32_t c = Ch.C;
    if (Ch.Unmapped)
        return kUnmappedBits;
    if (c < 0x80)
        return AsciiBits(c);
    if (c < 0xA0)
        return kC1ControlBits;
    if (IsAccentedLatin(c))
        return LatinLetterBits(c);
    if (c < 0x100)
        return IsUsualLatinSign(c) ? 10 : 14;
    if (IsKanji(c))
        return KanjiBits(Ch);
    const int bits = BlockBits(c);
    const bool jisSign = Ch.Sjis >= 0x8140 && Ch.Sjis < 0x889F;
    return jisSign ? std::min(bits, kJisSignBits) : bits;
}

// ---- Where it stands --------------------------------------------------------------------------------

constexpr int kScriptChangeBits = 3;

TScript ScriptOf(const TChar& Ch)
{
    const char32_t c = Ch.C;
    if (Ch.End || Ch.Unmapped)
        return TScript::None;
    if (IsAsciiLetter(c) || IsAccentedLatin(c))
        return TScript::Latin;
    if (c < 0x370)
        return TScript::None;
    if (c < 0x400)
        return TScript::Greek;
    if (c < 0x530)
        return TScript::Cyrillic;
    if ((c >= 0x1100 && c < 0x1200) || (c >= 0x3130 && c < 0x3190) || (c >= 0xAC00 && c < 0xD7B0))
        return TScript::Hangul;
    if (c < 0x1E00)
        return TScript::Other;
    if ((c >= 0x3040 && c < 0x3100) || IsKanji(c) || (c >= 0x3400 && c < 0x4DC0) || (c >= 0xF900 && c < 0xFB00)
        || (c >= 0xFF10 && c < 0xFF5B && c != 0xFF20) || (c >= 0x20000 && c < 0x40000))
        return TScript::Japanese;
    if (c >= 0xFF66 && c < 0xFFA0)
        return TScript::HalfWidthKana;
    return TScript::None;
}

// Penalties for what is out of place, in bits.
constexpr int kSeldom = 2, kOdd = 4, kRare = 6, kMisplaced = 8;

// A character quoted alone is named rather than written ("'ı'").
bool IsQuoted(const std::array<TChar, 5>& W)
{
    const auto isQuote = [](const TChar& Ch) { return Ch.C == '\'' || Ch.C == '"' || Ch.C == '`'; };
    return isQuote(W[1]) && isQuote(W[3]);
}

// A Latin letter of a Latin word: accented letters come inside words of
// ASCII letters; an accented capital seldom follows a small letter, and an
// accented small letter seldom follows a word's capitals ("ABCý").
int LatinContextBits(const std::array<TChar, 5>& W)
{
    const char32_t c = W[2].C;
    int bits = 0;
    if (!IsAsciiLetter(W[0].C) && !IsAsciiLetter(W[1].C) && !IsAsciiLetter(W[3].C) && !IsAsciiLetter(W[4].C)
        && !IsQuoted(W)) {
        bits += kRare; // an accented letter with no ASCII letter near, unquoted
        // and beside another one ("Ųý", "òò"), unless both are letters of
        // Latin-1 listed one after another ("áéíóú", "ñÑ").
        const auto besideAnother = [&](const TChar& Ch) {
            return IsAccentedLatin(Ch.C) && !(c < 0x100 && Ch.C < 0x100 && Ch.C != c);
        };
        if (besideAnother(W[1]) || besideAnother(W[3]))
            bits += kRare;
    }
    // A capital seldom follows a small letter, but its own small letter
    // as alphabets are listed ("ñÑ").
    if (IsLowerLatin(W[1].C) && IsCapitalLatin(c) && SmallOf(c) != W[1].C)
        bits += kMisplaced + kSeldom;
    if (IsLowerLatin(c) && IsCapitalLatin(W[1].C) && IsCapitalLatin(W[0].C))
        bits += kOdd;
    return bits;
}

// An ASCII letter standing alone, or a sign of code or markup, against a
// character of another script or a symbol ("係P", "│`"): text seldom puts
// them there, and Shift-JIS read as UTF-8 yields one wherever a
// character's trail byte is ASCII.
constexpr int kStrayAsciiBits = 6;

bool IsCodeSign(char32_t C)
{
    return C < 0x80 && std::string_view("`^~|{}\\@_").find(static_cast<char>(C)) != std::string_view::npos;
}

bool IsCombiningMark(char32_t C) { return C >= 0x300 && C <= 0x36F; }

bool IsStrayAscii(const std::array<TChar, 5>& W)
{
    const auto foreign = [](const TChar& Ch) {
        return !Ch.End && Ch.C >= 0x80 && Ch.Script != TScript::Latin && !IsCombiningMark(Ch.C);
    };
    // An accent written apart belongs to the word of its letter ("sesión").
    const auto ofWord = [](const TChar& Ch) { return IsAsciiLetter(Ch.C) || IsCombiningMark(Ch.C); };
    const bool loneLetter = IsAsciiLetter(W[2].C) && !ofWord(W[1]) && !ofWord(W[3]);
    return (loneLetter || IsCodeSign(W[2].C)) && (foreign(W[1]) || foreign(W[3]));
}

bool IsArabicLetter(char32_t C) { return (C >= 0x620 && C <= 0x64A) || (C >= 0x671 && C <= 0x6D3); }

bool IsArabicMark(char32_t C) { return (C >= 0x64B && C <= 0x65F) || C == 0x670; }

// A mark that belongs to the letter before it, with no such letter there:
// an accent written apart, a superscript modifier letter (ʰ ʲ ˡ) or an
// Arabic vowel sign (a letter may carry two: shadda, then its vowel).
bool IsMarkOnNoLetter(const std::array<TChar, 5>& W)
{
    const char32_t c = W[2].C, before = W[1].C;
    if (IsCombiningMark(c) || (c >= 0x2B0 && c <= 0x2B8) || (c >= 0x2E0 && c <= 0x2E4))
        return W[1].Script != TScript::Latin && !(before >= 0x250 && before <= 0x2AF);
    if (IsArabicMark(c))
        return !IsArabicLetter(before) && !IsArabicMark(before);
    return false;
}

bool IsAsciiAlphanumeric(char32_t C) { return IsAsciiLetter(C) || (C >= '0' && C <= '9'); }

// A letter of Greek, Cyrillic or the alphabets after them (Armenian,
// Hebrew, Arabic ... Ethiopic).
bool IsAlphabetLetter(const TChar& Ch)
{
    switch (Ch.Script) {
    case TScript::Greek: return Ch.C >= 0x386 && Ch.C != 0x387;
    case TScript::Cyrillic: return Ch.C < 0x482 || Ch.C >= 0x48A;
    case TScript::Other: return true;
    default: return false;
    }
}

// A character standing alone where text seldom has one: a letter of an
// alphabet with no letter of its script near (words are spelt with
// several; two half-width kana read as UTF-8 are one such letter, "ﾐｱ"
// "б"), or a sign of Latin-1 ("ﾂｲ" "²"). Beside ASCII letters or digits,
// quoted, or the whole text, a character is named rather than written
// ("'и'", "D0 и CYRILLIC SMALL LETTER I"), and stands alone as often as
// not.
int LoneCharBits(const std::array<TChar, 5>& W)
{
    const TChar& ch = W[2];
    const bool latinSign = (ch.C >= 0xA1 && ch.C < 0xC0) || ch.C == U'×' || ch.C == U'÷';
    if (!latinSign && !IsAlphabetLetter(ch))
        return 0;
    const auto near = [&](auto Test) { return Test(W[0]) || Test(W[1]) || Test(W[3]) || Test(W[4]); };
    if (near([](const TChar& Ch) { return IsAsciiAlphanumeric(Ch.C); }) || IsQuoted(W) || (W[1].End && W[3].End))
        return 0;
    return latinSign || !near([&](const TChar& Ch) { return Ch.Script == ch.Script; }) ? kOdd : 0;
}

// The squares of units (㌔, ㌢, ㎝, ㏄) follow a number.
bool IsUnitSign(char32_t C) { return (C >= 0x3300 && C <= 0x3357) || (C >= 0x3380 && C <= 0x33DF); }

bool IsNumeral(char32_t C)
{
    return (C >= '0' && C <= '9') || (C >= U'０' && C <= U'９')
           || std::u32string_view(U"〇一二三四五六七八九十百千万").find(C) != std::u32string_view::npos;
}

// A character quoted alone is named, and code names any character it
// deals with ("'ֹ'", a Hebrew point): it costs no more than kNamedBits.
constexpr int kNamedBits = 14;

int QuotedCharBits(const std::array<TChar, 5>& W, int Bits) { return IsQuoted(W) ? std::min(Bits, kNamedBits) : Bits; }

// What the character in the middle of W costs for where it stands.
int ContextBits(const std::array<TChar, 5>& W)
{
    const TChar& ch = W[2];
    int bits = 0;
    if (const TScript script = ch.Script, before = W[1].Script;
        script != TScript::None && before != TScript::None && script != before)
        bits += kScriptChangeBits;
    if (IsAccentedLatin(ch.C))
        bits += LatinContextBits(W);
    else if (IsMarkOnNoLetter(W))
        bits += kMisplaced;
    else if (IsStrayAscii(W))
        bits += kStrayAsciiBits;
    if (IsUnitSign(ch.C) && !IsNumeral(W[1].C))
        bits += kOdd;
    // An opening bracket that ends its line encloses nothing ("聖[" is
    // "閨房" read as UTF-8).
    if ((ch.C == '(' || ch.C == '[' || ch.C == '{') && (W[3].End || W[3].C == '\r' || W[3].C == '\n'))
        bits += kOdd;
    return bits + LoneCharBits(W);
}

// ---- Half-width katakana ----------------------------------------------------------------------------

// Half-width katakana, by Shift-JIS byte.
constexpr unsigned char kVoicedMark = 0xDE, kSemiVoicedMark = 0xDF, kSmallTsu = 0xAF, kLongVowel = 0xB0, kTsu = 0xC2,
                        kN = 0xDD;

bool IsHalfWidthKana(unsigned char Byte) { return Byte >= 0xA6 && Byte <= 0xDF; }

unsigned char HalfWidthKanaByte(const TChar& Ch)
{
    return !Ch.End && Ch.Sjis >= 0xA6 && Ch.Sjis <= 0xDF ? static_cast<unsigned char>(Ch.Sjis) : 0;
}

// A half-width kana that ﾟ can follow (ﾊ-ﾎ), or ﾞ (ｳ ｶ-ﾄ ﾊ-ﾎ).
bool TakesSemiVoiced(unsigned char Kana) { return Kana >= 0xCA && Kana <= 0xCE; }
bool TakesVoicedMark(unsigned char Kana)
{
    return Kana == 0xB3 || (Kana >= 0xB6 && Kana <= 0xC4) || TakesSemiVoiced(Kana);
}

// A small kana after Base (the kana before it, a voiced mark looked
// through): what Japanese writes (ﾃｨ, ｼｪ, ｷｬ, ﾌｫ), what it seldom writes
// (ﾂｧ, ﾄｫ), or what it does not.
int SmallKanaBits(unsigned char Small, unsigned char Base)
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
            return holds(p.Usual) ? 0 : holds(p.Seldom) ? kSeldom : kOdd;
    // ｬ ｭ ｮ after a kana of the i row, or ﾃ ﾌ (ﾃｭ ﾌｭ).
    return holds("\xB7\xBC\xC1\xC6\xCB\xD0\xD8\xC3\xCC") ? 0 : kOdd;
}

// Walks the half-width kana of a reading, remembering the kana before each,
// since Japanese spells with them only in certain orders.
class THalfWidthKana {
public:
    // What Byte, a half-width kana followed by Next (0 when Next is none),
    // costs beyond its own bits.
    int Bits(unsigned char Byte, unsigned char Next)
    {
        int bits = KanaBits(Byte);
        // Half-width kana come in runs: one inside a run is likelier
        // than one that starts it.
        if (IsHalfWidthKana(Previous_))
            bits -= kInsideRun;
        else
            Morae_ = 0;
        if (IsMora(Byte))
            ++Morae_;
        // A word is seldom one mora; "ﾃｰ" and "ﾏｯ" are two.
        if (!IsHalfWidthKana(Next) && Morae_ == 1)
            bits += kSeldom;
        if (Byte != kVoicedMark && Byte != kSemiVoicedMark)
            Base_ = Byte;
        Previous_ = Byte;
        return bits;
    }
    // Anything but a half-width kana ends the run.
    void Break() { Base_ = Previous_ = 0; }

private:
    // A kana that is a beat of its own: not a voiced mark, and not a small
    // kana but ｯ.
    static bool IsMora(unsigned char Byte)
    {
        return Byte != kVoicedMark && Byte != kSemiVoicedMark && !(Byte >= 0xA7 && Byte <= 0xAE);
    }

    int KanaBits(unsigned char Byte) const
    {
        const bool afterKana = IsHalfWidthKana(Previous_);
        if (Byte == kVoicedMark)
            return afterKana && TakesVoicedMark(Base_) ? 0 : kMisplaced;
        if (Byte == kSemiVoicedMark)
            return afterKana && TakesSemiVoiced(Base_) ? 0 : kMisplaced;
        if (Byte == kSmallTsu || Byte == kLongVowel)
            return afterKana ? 0 : kOdd;
        if (Byte >= 0xA7 && Byte <= 0xAE)
            return afterKana ? SmallKanaBits(Byte, Base_) : kRare;
        // A word seldom starts with ﾝ, or with ﾂ, which every Latin-1 sign
        // in UTF-8 reads as with one kana more.
        return !afterKana && (Byte == kN || Byte == kTsu) ? kSeldom : 0;
    }

    static constexpr int kInsideRun = 3;
    unsigned char Base_ = 0, Previous_ = 0;
    int Morae_ = 0;
};

// ---- A reading, character by character --------------------------------------------------------------

// Sums the bits of the characters Next gives (a TChar with End set at the
// end), each seen with the two before and the two after it; stops once the
// sum passes Enough. Only those five are held, whatever the length.
template <class TNext>
int64_t ReadingBits(TNext Next, int64_t Enough)
{
    const auto next = [&] {
        TChar ch = Next();
        ch.Script = ScriptOf(ch);
        return ch;
    };
    std::array<TChar, 5> w{};
    w[3] = next();
    w[4] = w[3].End ? TChar{} : next();
    THalfWidthKana kana;
    int64_t bits = 0;
    while (!w[3].End && bits <= Enough) {
        std::rotate(w.begin(), w.begin() + 1, w.end());
        w[4] = w[3].End ? TChar{} : next();
        const TChar& ch = w[2];
        bits += QuotedCharBits(w, CharBits(ch)) + ContextBits(w);
        if (const unsigned char byte = HalfWidthKanaByte(ch); IsHalfWidthKana(byte))
            bits += kana.Bits(byte, HalfWidthKanaByte(w[3]));
        else
            kana.Break();
    }
    return bits;
}

} // namespace

int64_t Utf8ReadingCost(std::string_view Bytes)
{
    size_t pos = 0;
    return ReadingBits(
        [&] {
            if (pos >= Bytes.size())
                return TChar{};
            const char32_t c = NextUtf8(Bytes, pos).value_or(0xFFFD);
            return TChar{c, SjisCodeOf(c), false, false};
        },
        std::numeric_limits<int64_t>::max());
}

int64_t SjisReadingCost(std::string_view Bytes, int64_t Enough)
{
    sjis::CharCursor cursor(Bytes);
    return ReadingBits(
        [&] {
            if (cursor.AtEnd())
                return TChar{};
            const uint16_t code = cursor.Code();
            cursor.Next();
            const char16_t c = SjisCharToUtf16(code);
            return TChar{c, code, c == u'\uFFFD', false};
        },
        Enough);
}
