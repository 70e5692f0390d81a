// The width and kana conversions against ICU.
#include "HenkanTables.h"
#include "OracleText.h"
#include "StrHenkan.h"
#include "TestText.h"

#include "Sjis.h"

#include <unicode/normalizer2.h>

#include <gtest/gtest.h>

#include <set>

using namespace textconv;

namespace {

// Half-width kana to full-width by NFKC, with the combining voiced marks
// that NFKC leaves after a kana that has no voiced form written as the
// spacing marks ゛ ゜, and a composed kana that Shift-JIS lacks (ヷ) split
// the same way.
icu::UnicodeString NfkcWithSpacingMarks(std::string_view Sjis)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString composed = nfkc->normalize(Uni(Sjis), status), result;
    for (int32_t i = 0; i < composed.length(); ++i) {
        icu::UnicodeString c(composed.charAt(i));
        bool lossless = false;
        SjisOfUni(c, &lossless);
        if (!lossless)
            c = nfd->normalize(c, status);
        result += c;
    }
    result.findAndReplace(u"\u3099", u"\u309B");
    result.findAndReplace(u"\u309A", u"\u309C");
    EXPECT_TRUE(U_SUCCESS(status));
    return result;
}

// The characters of a UTF-8 list, each as a UTF-8 string. (Code page 932
// has two codes for some characters; the tests compare characters.)
std::set<std::string> CharSet(std::string_view Utf8)
{
    const std::string text = S(Utf8);
    std::set<std::string> chars;
    for (sjis::CharCursor c(text); !c.AtEnd(); c.Next())
        chars.insert(U(c.Char()));
    return chars;
}

// The squared words of the NEC row, which ICU first takes apart into kana
// and which the kana conversions leave as they are.
constexpr std::string_view kSquaredWords = "㍉㌔㌢㍍㌘㌧㌃㌶㍑㍗㌍㌦㌣㌫㍊㌻";

// The full-width characters whose half-width forms differ from ICU's
// "Hiragana-Katakana; Fullwidth-Halfwidth", each on purpose.
std::set<std::string> FullToHalfDifferences()
{
    return CharSet(std::string(
                       // Read as JIS X 0201 Roman: ” ’ ‘ give " ' `, ￥ the backslash
                       // byte and ￣ the tilde byte; ICU keeps the quotation marks
                       // and gives ¥ and ¯.
                       "”’‘￥￣"
                       // Full-width forms outside the symbol pairs stay full-width.
                       "＂＇＼｀～"
                       // ICU's half-width forms of these have no Shift-JIS code.
                       "￠￡￢￤←↑→↓│■○"
                       // The spacing voiced marks become ﾞ ﾟ; ICU keeps them.
                       "゛゜"
                       // Kana without a half-width form of their own take the
                       // nearest one; ICU keeps them.
                       "ゎゐゑヮヰヱヵヶ"
                       // The iteration marks stay; ICU's hiragana step makes them ヽ ヾ.
                       "ゝゞ")
                   + std::string(kSquaredWords));
}

// The double-byte characters on which a conversion and its oracle differ.
template <typename ConvertFn, typename OracleFn>
std::set<std::string> DoubleByteDifferences(ConvertFn Convert, OracleFn Oracle)
{
    std::set<std::string> differences;
    for (const std::string& c : Cp932Characters())
        if (c.size() == 2 && U(Convert(c)) != Utf8(Oracle(c)))
            differences.insert(U(c));
    return differences;
}

} // namespace

TEST(WidthOracle, HalfWidthKanaBecomeWhatNfkcGives)
{
    std::vector<std::string> inputs;
    for (int byte = 0xA1; byte <= 0xDF; ++byte) {
        inputs.push_back(Bytes({byte}));
        inputs.push_back(Bytes({byte, 0xDE}));
        inputs.push_back(Bytes({byte, 0xDF}));
    }
    for (const std::string& input : inputs) {
        const std::string expected = Utf8(NfkcWithSpacingMarks(input));
        EXPECT_EQ(U(HalfToFullWidth(input)), expected) << U(input);
        // The same for the kana runs, which take neither ｰ nor ｡｢｣､･.
        const auto first = static_cast<unsigned char>(input[0]);
        if (first >= 0xA6 && first != 0xB0) {
            EXPECT_EQ(U(HalfKanaToFullKana(input, 0)), expected) << U(input);
        }
    }
}

TEST(WidthOracle, FullWidthAsciiComesBackUnderNfkc)
{
    // The single bytes read as JIS X 0201 Roman, where 0x22 and 0x27 are the
    // right quotation marks, 0x5C the yen sign and 0x7E the overline; NFKC
    // takes those back to other characters.
    const std::set<char> jisRoman = {'"', '\'', '\\', '~'};
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
    for (char c = 0x20; c <= 0x7E; ++c) {
        const std::string full = HalfToFullWidth(std::string(1, c));
        const std::string back = Utf8(nfkc->normalize(Uni(full), status));
        EXPECT_EQ(back == std::string(1, c), jisRoman.count(c) == 0) << U(full);
    }
}

TEST(WidthOracle, FullToHalfWidthAgreesWithIcuSaveForItsOwnChoices)
{
    const auto differences = DoubleByteDifferences(FullToHalfWidth, [](const std::string& C) {
        return Transliterate("Hiragana-Katakana; Fullwidth-Halfwidth", C);
    });
    EXPECT_EQ(differences, FullToHalfDifferences());
}

TEST(WidthOracle, FullKanaToHalfKanaAgreesWithFullToHalfWidthOnEveryKana)
{
    for (const std::string& c : Cp932Characters()) {
        const uint16_t code = c.size() == 2 ? sjis::CharCode(c, 0) : 0;
        const bool kana = (code >= 0x829F && code <= 0x82F1) || (code >= 0x8340 && code <= 0x8396) || code == 0x814A
                          || code == 0x814B;
        EXPECT_EQ(FullKanaToHalfKana(c), kana ? FullToHalfWidth(c) : c) << U(c);
    }
}

TEST(WidthOracle, KanaConversionsAgreeWithIcuSaveForTheirOwnChoices)
{
    // ヴ ヵ ヶ have no hiragana in Shift-JIS and stay; the iteration marks
    // keep their script.
    const auto toHiragana = DoubleByteDifferences(
        KatakanaToHiragana, [](const std::string& C) { return Transliterate("Katakana-Hiragana", C); });
    EXPECT_EQ(toHiragana, CharSet(std::string("ヴヵヶヽヾ") + std::string(kSquaredWords)));
    const auto toKatakana = DoubleByteDifferences(
        HiraganaToKatakana, [](const std::string& C) { return Transliterate("Hiragana-Katakana", C); });
    EXPECT_EQ(toKatakana, CharSet(std::string("ゝゞ") + std::string(kSquaredWords)));
}

TEST(WidthOracle, AsciiWidthsAgreeWithIcuSaveForTheApostrophe)
{
    // The apostrophe pairs with ’, as in the JIS X 0201 reading; ICU pairs it
    // with ＇.
    for (char c = 0x20; c < 0x7F; ++c) {
        const std::string ascii(1, c);
        if (!WidthSetAll.Contains(static_cast<unsigned char>(c)) || c == '\'')
            continue;
        const std::string full = AsciiToFullWidth(ascii, 0);
        EXPECT_EQ(U(full), Utf8(Transliterate("Halfwidth-Fullwidth", ascii))) << ascii;
        EXPECT_EQ(FullWidthToAscii(full, 0), ascii);
        EXPECT_EQ(Utf8(Transliterate("Fullwidth-Halfwidth", full)), ascii);
    }
    EXPECT_EQ(U(AsciiToFullWidth("'", 0)), "’");
    EXPECT_EQ(FullWidthToAscii(S("’"), 0), "'");
}
