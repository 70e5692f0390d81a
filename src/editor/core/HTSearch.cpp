#include "HTSearch.h"

#include "edCaseFold.h"
#include "edUtils.h"

#include "HenkanTables.h"
#include "JisCode.h"
#include "SjisSearch.h"

#include "Sjis.h"

#include <array>
#include <vector>

namespace {

constexpr unsigned char HalfU = 0xB3;   // "ｳ", which takes the voiced mark as "ヴ"
constexpr uint16_t KatakanaVu = 0x8394; // "ヴ"
constexpr uint16_t KanaJisRow = 0x2500; // JIS X 0208 row 5, the katakana

// ---- Tables ---------------------------------------------------------------------

// A byte that ends a word: any but the word characters of the conversions'
// whole-word search (digits, ASCII letters, the half-width kana from "ｦ",
// lead-byte values), so "_" and the half-width signs 0xA1-0xA5 end one.
bool IsDelimiter(char Byte) { return !textconv::WordCharSet.Contains(static_cast<unsigned char>(Byte)); }

// The full-width form of each byte: the conversions' table, except that the
// half-width middle dot 0xA5 stands for the full-width full stop 0x8144
// here.
const std::array<uint16_t, 256>& FullWidthTable()
{
    static const std::array<uint16_t, 256> table = [] {
        std::array<uint16_t, 256> codes{};
        const auto& full = textconv::HalfToFullTable();
        for (size_t b = 0; b < codes.size(); ++b)
            codes[b] = full[b].Code();
        codes[0xA5] = 0x8144; // "．"
        return codes;
    }();
    return table;
}

// ---- Half-width kana with their marks --------------------------------------------

// The JIS code of the katakana a half-width kana with Mark after it makes,
// or 0 when the mark does not belong to the kana: the voiced mark to the
// kana of the k, s, t and h rows and "ｳ", the semi-voiced mark to the h
// row only.
uint16_t VoicedKana(unsigned char Kana, unsigned char Mark)
{
    const uint8_t cell = textconv::HalfKanaToJisTable()[Kana];
    if (Mark == textconv::kVoicedMark) {
        if (Kana == HalfU)
            return KatakanaVu;
        if (cell & textconv::kVoiceable)
            return textconv::JisToSjis(static_cast<uint16_t>(KanaJisRow + (cell & 0x7F) + 1));
    }
    if (Mark == textconv::kSemiVoicedMark && textconv::IsHaRowKana(Kana))
        return textconv::JisToSjis(static_cast<uint16_t>(KanaJisRow + (cell & 0x7F) + 2));
    return 0;
}

// A character's code as matching compares it, and the bytes it takes.
struct TCodeAt {
    uint16_t Code;
    size_t Len;
};

// The full-width code of the single-byte character at Pos, taking a kana's
// mark along.
TCodeAt FullWidthAt(std::string_view Text, size_t Pos)
{
    const auto byte = static_cast<unsigned char>(Text[Pos]);
    const uint8_t cell = textconv::HalfKanaToJisTable()[byte];
    if (cell == 0)
        return {FullWidthTable()[byte], 1};
    if (Pos + 1 < Text.size()) {
        if (const uint16_t voiced = VoicedKana(byte, static_cast<unsigned char>(Text[Pos + 1])))
            return {voiced, 2};
    }
    return {textconv::JisToSjis(static_cast<uint16_t>(KanaJisRow + (cell & 0x7F))), 1};
}

void AppendCode(std::string& Text, uint16_t Code)
{
    if (Code > 0xFF)
        Text += static_cast<char>(Code >> 8);
    Text += static_cast<char>(Code & 0xFF);
}

// ---- Matching ----------------------------------------------------------------------

enum TByteKind : uint8_t { bkSingle, bkLead, bkTrail };

class TMatcher {
public:
    TMatcher(std::string_view Text, std::string_view Pattern, TEditorSearchOptions Options)
        : Text_(Text), Kinds_(Text.size(), bkSingle), Options_(Options)
    {
        for (sjis::CharCursor c(Text); !c.AtEnd(); c.Next())
            if (c.IsDouble()) {
                Kinds_[c.Pos()] = bkLead;
                Kinds_[c.Pos() + 1] = bkTrail;
            }
        const std::string pattern = Has(esIgnoreWidth) ? ToFullWidth(Pattern) : std::string(Pattern);
        for (sjis::CharCursor c(pattern); !c.AtEnd(); c.Next())
            Pattern_.push_back(Fold(c.Code()));
        // The fewest bytes a match takes.
        MinLength_ = Has(esIgnoreWidth) ? Pattern_.size() : pattern.size();
    }

    bool Has(TEditorSearchOptions Option) const { return (Options_ & Option) != 0; }
    size_t MinLength() const { return MinLength_; }
    bool IsTrail(size_t Pos) const { return Pos < Kinds_.size() && Kinds_[Pos] == bkTrail; }

    // The bytes a match at P takes, or 0 for no match.
    size_t MatchAt(size_t P) const
    {
        if (Has(esWholeWord) && !IsWordStart(P))
            return 0;
        size_t t = P;
        for (size_t i = 0; i < Pattern_.size();) {
            if (t >= Text_.size())
                return 0;
            if (const TCodeAt at = TextCodeAt(t); at.Code == Pattern_[i]) {
                t += at.Len;
                ++i;
            } else if (const size_t skipped = i > 0 ? SkippableAt(t) : 0; skipped > 0) {
                t += skipped;
            } else {
                return 0;
            }
        }
        if (Has(esWholeWord) && t < Text_.size() && !IsDelimiter(Text_[t]))
            return 0;
        return t - P;
    }

    // The latest start from which a match of the pattern's characters can
    // end at End: one character back per pattern character (a kana with
    // its mark is one); -1 when the text is too short.
    long LastStartBefore(size_t End) const
    {
        if (!Has(esIgnoreWidth))
            return static_cast<long>(End) - static_cast<long>(MinLength_);
        long p = static_cast<long>(End);
        for (size_t i = 0; i < Pattern_.size(); ++i) {
            if (p <= 0)
                return -1;
            p -= IsTrail(static_cast<size_t>(p - 1)) ? 2 : 1;
            if (p > 0 && !IsTrail(static_cast<size_t>(p)) && Kinds_[static_cast<size_t>(p - 1)] == bkSingle
                && VoicedKana(static_cast<unsigned char>(Text_[static_cast<size_t>(p - 1)]),
                              static_cast<unsigned char>(Text_[static_cast<size_t>(p)]))
                       != 0)
                --p;
        }
        return p;
    }

private:
    uint16_t Fold(uint16_t Code) const { return Has(esMatchCase) ? Code : FoldCase(Code); }

    TCodeAt TextCodeAt(size_t Pos) const
    {
        if (Kinds_[Pos] == bkLead)
            return {Fold(sjis::CharCode(Text_, Pos)), 2};
        if (Has(esIgnoreWidth)) {
            const TCodeAt wide = FullWidthAt(Text_, Pos);
            return {Fold(wide.Code), wide.Len};
        }
        return {Fold(static_cast<unsigned char>(Text_[Pos])), 1};
    }

    // The bytes of a line break or blank the options pass over at Pos.
    size_t SkippableAt(size_t Pos) const
    {
        const char byte = Text_[Pos];
        if (Kinds_[Pos] == bkLead)
            return Has(esIgnoreBlanks) && IsFullWidthSpaceAt(Text_, Pos) ? 2 : 0;
        if (Has(esIgnoreLineBreaks) && (byte == '\r' || byte == '\n'))
            return 1;
        if (Has(esIgnoreBlanks) && (byte == ' ' || byte == '\t'))
            return 1;
        return 0;
    }

    // A word byte after a delimiter or the text's start. The character
    // before is judged whole: the trail byte of "表" (95 5C) is no "\".
    bool IsWordStart(size_t Pos) const
    {
        if (IsDelimiter(Text_[Pos]))
            return false;
        if (Pos == 0)
            return true;
        return IsDelimiter(Text_[IsTrail(Pos - 1) ? Pos - 2 : Pos - 1]);
    }

    std::string_view Text_;
    std::vector<TByteKind> Kinds_;
    TEditorSearchOptions Options_;
    std::vector<uint16_t> Pattern_;
    size_t MinLength_ = 0;
};

} // namespace

std::string ToFullWidth(std::string_view S)
{
    std::string text;
    text.reserve(S.size() * 2);
    for (size_t pos = 0; pos < S.size();) {
        if (sjis::CharLen(S, pos) == 2) {
            text.append(S.substr(pos, 2));
            pos += 2;
            continue;
        }
        const TCodeAt wide = FullWidthAt(S, pos);
        AppendCode(text, wide.Code);
        pos += wide.Len;
    }
    return text;
}

bool SearchText(std::string_view Text, TSearchPos& Pos, std::string_view Pattern, TEditorSearchOptions Options)
{
    if (Pattern.empty() || Pos.Start < 0 || Pos.Length < 0 || static_cast<size_t>(Pos.Start) > Text.size())
        return false;
    const TMatcher matcher(Text, Pattern, Options);
    const auto hit = [&Pos](size_t P, size_t Length) {
        Pos.Start = static_cast<int>(P);
        Pos.Length = static_cast<int>(Length);
        return true;
    };

    if (matcher.Has(esDown)) {
        size_t p = static_cast<size_t>(Pos.Start) + static_cast<size_t>(Pos.Length);
        for (p += matcher.IsTrail(p) ? 1 : 0; p + matcher.MinLength() <= Text.size();) {
            if (const size_t length = matcher.MatchAt(p))
                return hit(p, length);
            p += matcher.IsTrail(p + 1) ? 2 : 1;
        }
        return false;
    }
    long p = matcher.LastStartBefore(static_cast<size_t>(Pos.Start));
    if (p >= 0 && matcher.IsTrail(static_cast<size_t>(p)))
        --p;
    for (; p >= 0; --p) {
        if (matcher.IsTrail(static_cast<size_t>(p)))
            continue;
        if (const size_t length = matcher.MatchAt(static_cast<size_t>(p)))
            return hit(static_cast<size_t>(p), length);
    }
    return false;
}
