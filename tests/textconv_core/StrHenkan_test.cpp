// The width and kana conversions, character by character.
#include "StrHenkan.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(WidthAndKana, ConvertWhatTheyNameAndCopyTheRest)
{
    const auto kanaRuns = [](int Mode) { return Bind(ConvertKanaRuns, Mode); };
    const auto halfKana = [](int Mode) { return Bind(HalfKanaToFullKana, Mode); };
    const auto asciiToFull = [](int Mode) { return Bind(AsciiToFullWidth, Mode); };
    const auto fullToAscii = [](int Mode) { return Bind(FullWidthToAscii, Mode); };
    // clang-format off
    ExpectConverted({
        // The characters on which the ICU oracle test only sees a difference,
        // and runs of voiced marks. Kana without a voiced form keep the mark
        // as a character of its own.
        {HalfToFullWidth, "ｱﾞｦﾞﾜﾞﾞﾟ", "ア゛ヲ゛ワ゛゛゜"},
        // ASCII reads as JIS X 0201 Roman.
        {HalfToFullWidth, "Az09 \"'\\~`", "Ａｚ０９　”’￥￣｀"}, {HalfToFullWidth, "漢字ｱ\r\n", "漢字ア\r\n"},
        {HalfToFullWidth, "", ""}, {FullToHalfWidth, "゛゜", "ﾞﾟ"},
        {FullToHalfWidth, "ヮワヰヱヵヶゎゐゑ", "ﾜﾜｲｴｶｹﾜｲｴ"},
        {FullToHalfWidth, "”’‘￥￣　", "\"'`\\~ "}, {FullToHalfWidth, "漢字Д①〒", "漢字Д①〒"},
        {HalfToFullWidthLines, "ｱ\r\n\r\nｲ", "ア\r\n\r\nイ"},
        {FullToHalfWidthLines, "ア\r\n\r\nイ\r\n", "ｱ\r\n\r\nｲ\r\n"},
        // Katakana without a hiragana stay.
        {KatakanaToHiragana, "ヴヵヶ", "ヴヵヶ"}, {kanaRuns(kToHiragana), "ヴァイオリン", "ヴぁいおりん"},
        {kanaRuns(kToKatakana), "ばいおりん", "バイオリン"}, {kanaRuns(0), "カな", "カな"},
        // The kana-run conversions take kana runs only.
        {halfKana(0), "ｺｰﾋｰ", "コｰヒｰ"}, {halfKana(kToHiragana), "ｺｰﾋｰ", "こｰひｰ"},
        {halfKana(kToHiragana), "ｶﾞｯｺｳ｡ｳﾞ", "がっこう｡ヴ"}, {halfKana(0), "｢ﾃｽﾄ｣ abc", "｢テスト｣ abc"},
        {FullKanaToHalfKana, "コーヒー", "ｺーﾋー"}, {FullKanaToHalfKana, "がっこう、ヴ。", "ｶﾞｯｺｳ、ｳﾞ。"},
        {FullKanaToHalfKana, "゛か゜", "ﾞｶﾟ"}, {FullKanaToHalfKana, "Ａ漢字", "Ａ漢字"},
        // ASCII by mode: 0 all, 1 letters, 2 digits and their punctuation.
        {asciiToFull(0), "abc 123", "ａｂｃ　１２３"}, {asciiToFull(1), "abc 123", "ａｂｃ　123"},
        {asciiToFull(2), "abc 123", "abc １２３"},
        // A letter run takes in spaces but does not start with one.
        {asciiToFull(1), " a b", " ａ　ｂ"},
        {asciiToFull(2), "2024/01/02 12:30, 1.5", "２０２４/０１/０２ １２：３０， １．５"},
        {asciiToFull(0), "#a_", "#ａ_"}, {asciiToFull(3), "abc", "abc"},
        {fullToAscii(0), "ＡＢＣ　１２３！’", "ABC 123!'"}, {fullToAscii(1), "ａｂ　ｃ", "ab　c"},
        {fullToAscii(2), "１，０００．５：３Ａ", "1，000.5:3Ａ"}, {fullToAscii(0), "＃＿", "＃＿"},
        {fullToAscii(-1), "ａ", "ａ"},
        // Spaces pair from the left.
        {SpacePairsToFullWidthSpace, "   ", "　 "}, {SpacePairsToFullWidthSpace, "a    b c", "a　　b c"},
        {FullWidthSpaceToSpacePairs, "a　b", "a  b"},
    });
    // clang-format on
}

TEST(WidthAndKana, NeverReadTrailOrStrayBytesAsCharacters)
{
    // A lead byte at the very end stays as it is.
    EXPECT_EQ(HalfToFullWidth(Bytes({'a', 0x82})), S("ａ") + Bytes({0x82}));
    // A lead byte before a line break is no character: the line break stays.
    EXPECT_EQ(FullToHalfWidth(Bytes({0x82, '\r', '\n'})), Bytes({0x82, '\r', '\n'}));
    // 89 83 is one kanji; the 83 41 inside 89 83 41 is no ア.
    const std::string kanji = Bytes({0x89, 0x83, 0x41});
    EXPECT_EQ(KatakanaToHiragana(kanji), kanji);
    EXPECT_EQ(FullKanaToHalfKana(kanji), kanji);
    const std::string meAt = Bytes({0x83, 0x81, 0x40}); // メ@: no full-width space
    EXPECT_EQ(FullWidthSpaceToSpacePairs(meAt), meAt);
}
