#include "StrHenkan.h"

#include "HenkanTables.h"
#include "JisCode.h"
#include "RunConverter.h"

namespace textconv {

namespace {

constexpr uint16_t kFullWidthSpace = 0x8140;                               // "　"
constexpr uint16_t kFirstKatakana = 0x8340, kLastKatakana = 0x8393;        // ァ..ン
constexpr uint16_t kFirstHiragana = 0x829F, kLastHiragana = 0x82F1;        // ぁ..ん
constexpr uint16_t kLastKanaRunKatakana = 0x8396;                          // ヶ
constexpr uint16_t kVoicedMarkFull = 0x814A, kSemiVoicedMarkFull = 0x814B; // ゛ ゜
constexpr SjisChar kUnchanged;

// Character classes by code, as function objects so the conversion frames
// inline them.
// A single-byte character other than a lone lead byte: the frames keep
// those apart from what they write after them, and no run may hold one.
constexpr auto IsSingle = [](uint16_t Code) { return Code <= 0xFF && !sjis::IsLead(static_cast<uint8_t>(Code)); };
constexpr auto IsKatakana = [](uint16_t Code) { return Code >= kFirstKatakana && Code <= kLastKatakana; };
constexpr auto IsHiragana = [](uint16_t Code) { return Code >= kFirstHiragana && Code <= kLastHiragana; };
constexpr auto IsKanaRunKatakana = [](uint16_t Code) { return Code >= kFirstKatakana && Code <= kLastKanaRunKatakana; };
constexpr auto IsHalfKanaRunByte = [](uint16_t Code) {
    return (Code >= 0xA6 && Code <= 0xAF) || (Code >= 0xB1 && Code <= 0xDF);
};

// Half-width to full-width of runs of single-byte characters; the kana
// become hiragana when ToHiragana is set. Made once per conversion, so the
// tables are looked up once and not for every run.
class HalfToFullRuns {
public:
    explicit HalfToFullRuns(bool ToHiragana)
        : Table_(HalfToFullTable()), KanaColumns_(HalfKanaToJisTable()), KatakanaVu_(KatakanaVu()),
          ToHiragana_(ToHiragana)
    {}

    char* operator()(std::string_view Run, char* Out) const
    {
        constexpr unsigned char kHalfU = 0xB3; // ｳ
        for (size_t i = 0; i < Run.size(); ++i) {
            const auto byte = static_cast<unsigned char>(Run[i]);
            const auto next = i + 1 < Run.size() ? static_cast<unsigned char>(Run[i + 1]) : 0;
            uint16_t code;
            if (KanaColumns_[byte] & kVoiceable) {
                unsigned column = KanaColumns_[byte] & 0x7F;
                if (next == kVoicedMark) {
                    column += 1;
                    ++i;
                } else if (next == kSemiVoicedMark && IsHaRowKana(byte)) {
                    column += 2;
                    ++i;
                }
                code = JisToSjis(static_cast<uint16_t>(0x2500 + column));
            } else if (byte == kHalfU && next == kVoicedMark) {
                code = KatakanaVu_;
                ++i;
            } else {
                code = Table_[byte].Code();
            }
            Out = PutChar(Out, SjisChar::FromCode(ToHiragana_ ? KatakanaToHiraganaChar(code) : code));
        }
        return Out;
    }

private:
    static uint16_t KatakanaVu()
    {
        static const uint16_t vu = DbcsStrToWord(TableText(literals::KatakanaVu));
        return vu;
    }

    const std::array<SjisChar, 256>& Table_;
    const std::array<uint8_t, 256>& KanaColumns_;
    uint16_t KatakanaVu_;
    bool ToHiragana_;
};

// The half-width form of every double-byte character with lead 0x81-0x83
// (index: code - 0x8100); Len 0 where it has none.
using FullToHalfMap = std::array<SjisChar, 3 * 256>;

const FullToHalfMap& FullToHalfTable()
{
    static const FullToHalfMap map = [] {
        FullToHalfMap result{};
        auto set = [&result](uint16_t Code, unsigned char Byte, unsigned char Mark) {
            result[Code - 0x8100] = {static_cast<uint8_t>(Mark != 0 ? 2 : 1),
                                     {static_cast<char>(Byte), static_cast<char>(Mark)}};
        };
        // The ASCII row: the byte equal to the column.
        for (unsigned column = 0x21; column <= 0x7E; ++column)
            set(JisToSjis(static_cast<uint16_t>(0x2300 + column)), static_cast<unsigned char>(column), 0);
        const SymbolPairTable& pairs = SymbolPairs();
        for (size_t i = 0; i < kSymbolPairCount; ++i)
            set(DbcsStrToWord(std::string_view(pairs.Full).substr(i * 2, 2)), static_cast<unsigned char>(pairs.Half[i]),
                0);
        // The kana rows share their columns: hiragana become half-width
        // katakana too (so を and ヲ both give ｦ).
        const auto& kana = FullKanaToHalfTable();
        for (unsigned column = kFirstKanaColumn; column <= kLastKanaColumn; ++column) {
            const unsigned value = kana[column - kFirstKanaColumn];
            const auto byte = static_cast<unsigned char>(0xA6 + value % 56);
            const unsigned char marks[] = {0, kVoicedMark, kSemiVoicedMark};
            for (unsigned row : {0x2400u, 0x2500u})
                set(JisToSjis(static_cast<uint16_t>(row + column)), byte, marks[value / 56]);
        }
        for (unsigned char mark : {kVoicedMark, kSemiVoicedMark})
            set(DbcsStrToWord(HalfToFullTable()[mark].View()), mark, 0);
        return result;
    }();
    return map;
}

SjisChar HalfWidthOf(const FullToHalfMap& Map, uint16_t Code)
{
    const unsigned lead = Code >> 8;
    return lead >= 0x81 && lead <= 0x83 ? Map[Code - 0x8100] : kUnchanged;
}

// The runs the ASCII width conversions take in each mode.
struct WidthRunSets {
    ByteSet Starts;
    ByteSet Continues;
};
constexpr WidthRunSets kToFullWidthSets[] = {
    {WidthSetAll, WidthSetAll},
    {WidthSetLettersPunctuation, WidthSetLettersPunctuationSpace},
    {kDigits + ByteSet(",.:"), kDigits + ByteSet(",.:")},
};
constexpr WidthRunSets kToAsciiSets[] = {
    {WidthSetAll, WidthSetAll},
    {WidthSetLettersPunctuation, WidthSetLettersPunctuation},
    {kDigits + ByteSet(".:"), kDigits},
};
constexpr int kWidthModes = 3;

// The full-width code of each ASCII byte AsciiToFullWidthChar converts.
const std::array<uint16_t, 128>& AsciiToFullWidthTable()
{
    static const auto table = [] {
        std::array<uint16_t, 128> result{};
        for (unsigned c = '0'; c <= '9'; ++c)
            result[c] = static_cast<uint16_t>(0x8200 + c + 0x1F);
        for (unsigned c = 'A'; c <= 'Z'; ++c)
            result[c] = static_cast<uint16_t>(0x8200 + c + 0x1F);
        for (unsigned c = 'a'; c <= 'z'; ++c)
            result[c] = static_cast<uint16_t>(0x8200 + c + 0x20);
        const std::string full = TableText(literals::FullWidthPunctuation);
        const std::string_view half = literals::AsciiPunctuation;
        for (size_t i = 0; i < half.size() && i * 2 + 1 < full.size(); ++i)
            result[static_cast<unsigned char>(half[i])] = DbcsStrToWord(std::string_view(full).substr(i * 2, 2));
        return result;
    }();
    return table;
}

// Its inverse over the leads 0x81 and 0x82 (index: code - 0x8100).
const std::array<uint8_t, 2 * 256>& FullWidthToAsciiTable()
{
    static const auto table = [] {
        std::array<uint8_t, 2 * 256> result{};
        const auto& toFull = AsciiToFullWidthTable();
        for (unsigned c = 0; c < 128; ++c)
            if (toFull[c] != 0)
                result[toFull[c] - 0x8100] = static_cast<uint8_t>(c);
        return result;
    }();
    return table;
}

uint8_t AsciiOf(const std::array<uint8_t, 2 * 256>& Table, uint16_t Code)
{
    const unsigned lead = Code >> 8;
    return lead == 0x81 || lead == 0x82 ? Table[Code - 0x8100] : 0;
}

} // namespace

std::string HalfToFullWidth(std::string_view Text)
{
    return ConvertRuns(Text, 2, IsSingle, IsSingle, HalfToFullRuns(false));
}

std::string FullToHalfWidth(std::string_view Text)
{
    const FullToHalfMap& map = FullToHalfTable();
    return ConvertChars(Text, 1, [&map](uint16_t Code) { return HalfWidthOf(map, Code); });
}

std::string HalfToFullWidthLines(std::string_view Text) { return HalfToFullWidth(Text); }
std::string FullToHalfWidthLines(std::string_view Text) { return FullToHalfWidth(Text); }

// The kana rows 0x24 (hiragana) and 0x25 (katakana) of JIS X 0208 hold the
// same kana in the same columns.
uint16_t KatakanaToHiraganaChar(uint16_t Code)
{
    if (!IsKatakana(Code))
        return Code;
    return JisToSjis(static_cast<uint16_t>(SjisToJis(Code) - 0x100));
}

uint16_t HiraganaToKatakanaChar(uint16_t Code)
{
    if (!IsHiragana(Code))
        return Code;
    return JisToSjis(static_cast<uint16_t>(SjisToJis(Code) + 0x100));
}

std::string KatakanaToHiragana(std::string_view Text)
{
    return ConvertChars(Text, 1, [](uint16_t Code) {
        return IsKatakana(Code) ? SjisChar::FromCode(KatakanaToHiraganaChar(Code)) : kUnchanged;
    });
}

std::string HiraganaToKatakana(std::string_view Text)
{
    return ConvertChars(Text, 1, [](uint16_t Code) {
        return IsHiragana(Code) ? SjisChar::FromCode(HiraganaToKatakanaChar(Code)) : kUnchanged;
    });
}

std::string ConvertKanaRuns(std::string_view Text, int Mode)
{
    // A kana run converts kana by kana, so converting the runs is
    // converting every kana.
    if (Mode == kToHiragana)
        return KatakanaToHiragana(Text);
    if (Mode == kToKatakana)
        return HiraganaToKatakana(Text);
    return std::string(Text);
}

std::string HalfKanaToFullKana(std::string_view Text, int Mode)
{
    return ConvertRuns(Text, 2, IsHalfKanaRunByte, IsHalfKanaRunByte, HalfToFullRuns(Mode == kToHiragana));
}

std::string FullKanaToHalfKana(std::string_view Text)
{
    auto isKana = [](uint16_t Code) { return IsHiragana(Code) || IsKanaRunKatakana(Code); };
    auto startsRun = [isKana](uint16_t Code) {
        return isKana(Code) || Code == kVoicedMarkFull || Code == kSemiVoicedMarkFull;
    };
    const FullToHalfMap& map = FullToHalfTable();
    return ConvertRunChars(Text, 1, startsRun, isKana, [&map](uint16_t Code) { return HalfWidthOf(map, Code); });
}

uint16_t AsciiToFullWidthChar(uint16_t Code) { return Code < 128 ? AsciiToFullWidthTable()[Code] : 0; }

uint16_t FullWidthToAsciiChar(uint16_t Code) { return AsciiOf(FullWidthToAsciiTable(), Code); }

std::string AsciiToFullWidth(std::string_view Text, int Mode)
{
    if (Mode < 0 || Mode >= kWidthModes)
        return std::string(Text);
    const WidthRunSets& sets = kToFullWidthSets[Mode];
    const auto& toFull = AsciiToFullWidthTable();
    return ConvertRunChars(
        Text, 2, [&sets](uint16_t Code) { return IsSingle(Code) && sets.Starts.Contains(static_cast<uint8_t>(Code)); },
        [&sets](uint16_t Code) { return IsSingle(Code) && sets.Continues.Contains(static_cast<uint8_t>(Code)); },
        [&toFull](uint16_t Code) { return SjisChar::FromCode(toFull[Code]); });
}

std::string FullWidthToAscii(std::string_view Text, int Mode)
{
    if (Mode < 0 || Mode >= kWidthModes)
        return std::string(Text);
    const WidthRunSets& sets = kToAsciiSets[Mode];
    const auto& toAscii = FullWidthToAsciiTable();
    auto inSet = [&toAscii](const ByteSet& Set, uint16_t Code) {
        const uint8_t ascii = AsciiOf(toAscii, Code);
        return ascii != 0 && Set.Contains(ascii);
    };
    return ConvertRunChars(
        Text, 1, [&](uint16_t Code) { return inSet(sets.Starts, Code); },
        [&](uint16_t Code) { return inSet(sets.Continues, Code); },
        [&toAscii](uint16_t Code) { return SjisChar::FromCode(AsciiOf(toAscii, Code)); });
}

std::string SpacePairsToFullWidthSpace(std::string_view Text)
{
    auto isSpace = [](uint16_t Code) { return Code == ' '; };
    return ConvertRuns(Text, 1, isSpace, isSpace, [](std::string_view Run, char* Out) {
        for (size_t pair = 0; pair < Run.size() / 2; ++pair)
            Out = PutChar(Out, SjisChar::FromCode(kFullWidthSpace));
        if (Run.size() % 2 != 0)
            *Out++ = ' ';
        return Out;
    });
}

std::string FullWidthSpaceToSpacePairs(std::string_view Text)
{
    return ConvertChars(Text, 1, [](uint16_t Code) {
        return Code == kFullWidthSpace ? SjisChar{2, {' ', ' '}} : kUnchanged;
    });
}

} // namespace textconv
