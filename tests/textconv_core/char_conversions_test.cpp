// The width and kana conversions, character by character.
#include "HenkanTables.h"
#include "JisCode.h"
#include "StrHenkan.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(HalfToFullWidth, JoinsKanaWithTheirVoicedMarks)
{
    EXPECT_EQ(U(HalfToFullWidth(S("ｶﾞｶﾟﾊﾟｳﾞ"))), "ガカ゜パヴ");
    EXPECT_EQ(U(HalfToFullWidth(S("ﾎﾞﾎﾟﾄﾞ"))), "ボポド");
    // Kana without a voiced form keep the mark as a character of its own.
    EXPECT_EQ(U(HalfToFullWidth(S("ｱﾞｦﾞﾜﾞﾞﾟ"))), "ア゛ヲ゛ワ゛゛゜");
}

TEST(HalfToFullWidth, ConvertsSymbolsAndAsciiAsJisRoman)
{
    EXPECT_EQ(U(HalfToFullWidth(S("｡｢｣､･ｰ"))), "。「」、・ー");
    EXPECT_EQ(U(HalfToFullWidth("Az09 \"'\\~`")), "Ａｚ０９　”’￥￣｀");
}

TEST(HalfToFullWidth, CopiesDoubleByteCharactersControlsAndStrayBytes)
{
    EXPECT_EQ(U(HalfToFullWidth(S("漢字ｱ\r\n"))), "漢字ア\r\n");
    // A lead byte at the very end stays as it is.
    EXPECT_EQ(HalfToFullWidth(Bytes({'a', 0x82})), S("ａ") + Bytes({0x82}));
    EXPECT_EQ(HalfToFullWidth(""), "");
}

TEST(FullToHalfWidth, ConvertsKanaSymbolsAndAlphanumerics)
{
    EXPECT_EQ(U(FullToHalfWidth(S("がぱヴを。Ａ１"))), "ｶﾞﾊﾟｳﾞｦ｡A1");
    EXPECT_EQ(U(FullToHalfWidth(S("「ー」・、゛゜"))), "｢ｰ｣･､ﾞﾟ");
    EXPECT_EQ(U(FullToHalfWidth(S("ヮワヰヱヵヶゎゐゑ"))), "ﾜﾜｲｴｶｹﾜｲｴ");
    EXPECT_EQ(FullToHalfWidth(S("”’‘￥￣　")), "\"'`\\~ ");
}

TEST(FullToHalfWidth, CopiesWhatHasNoHalfWidthForm)
{
    EXPECT_EQ(U(FullToHalfWidth(S("漢字Д①〒"))), "漢字Д①〒");
    // A lead byte before a line break is no character: the line break stays.
    EXPECT_EQ(FullToHalfWidth(Bytes({0x82, '\r', '\n'})), Bytes({0x82, '\r', '\n'}));
}

TEST(WidthLines, ConvertEveryLine)
{
    EXPECT_EQ(U(HalfToFullWidthLines(S("ｱ\r\n\r\nｲ"))), "ア\r\n\r\nイ");
    EXPECT_EQ(U(FullToHalfWidthLines(S("ア\r\n\r\nイ\r\n"))), "ｱ\r\n\r\nｲ\r\n");
}

TEST(KanaConversion, MapsEveryKanaAcrossTheTrailGap)
{
    EXPECT_EQ(KatakanaToHiraganaChar(0x8380), 0x82DE); // ム む
    EXPECT_EQ(KatakanaToHiraganaChar(0x837E), 0x82DD); // ミ み
    EXPECT_EQ(HiraganaToKatakanaChar(0x82DE), 0x8380);
    EXPECT_EQ(HiraganaToKatakanaChar(0x82DD), 0x837E);
    EXPECT_EQ(U(KatakanaToHiragana(S("ァアンヲ漢a"))), "ぁあんを漢a");
    EXPECT_EQ(U(HiraganaToKatakana(S("ぁあんを漢a"))), "ァアンヲ漢a");
}

TEST(KanaConversion, KeepsKatakanaWithoutHiragana)
{
    EXPECT_EQ(U(KatakanaToHiragana(S("ヴヵヶ"))), "ヴヵヶ");
    EXPECT_EQ(U(ConvertKanaRuns(S("ヴァイオリン"), kToHiragana)), "ヴぁいおりん");
    EXPECT_EQ(U(ConvertKanaRuns(S("ばいおりん"), kToKatakana)), "バイオリン");
    EXPECT_EQ(U(ConvertKanaRuns(S("カな"), 0)), "カな");
}

TEST(KanaConversion, NeverTouchesATrailByteThatLooksLikeKana)
{
    // 89 83 is one kanji; the 83 41 inside 89 83 41 is no ア.
    const std::string text = Bytes({0x89, 0x83, 0x41});
    EXPECT_EQ(KatakanaToHiragana(text), text);
    EXPECT_EQ(FullKanaToHalfKana(text), text);
}

TEST(HalfKanaToFullKana, ConvertsKanaRunsOnly)
{
    EXPECT_EQ(U(HalfKanaToFullKana(S("ｺｰﾋｰ"), 0)), "コｰヒｰ");
    EXPECT_EQ(U(HalfKanaToFullKana(S("ｺｰﾋｰ"), kToHiragana)), "こｰひｰ");
    EXPECT_EQ(U(HalfKanaToFullKana(S("ｶﾞｯｺｳ｡ｳﾞ"), kToHiragana)), "がっこう｡ヴ");
    EXPECT_EQ(U(HalfKanaToFullKana(S("｢ﾃｽﾄ｣ abc"), 0)), "｢テスト｣ abc");
}

TEST(FullKanaToHalfKana, ConvertsKanaRunsOnly)
{
    EXPECT_EQ(U(FullKanaToHalfKana(S("コーヒー"))), "ｺーﾋー");
    EXPECT_EQ(U(FullKanaToHalfKana(S("がっこう、ヴ。"))), "ｶﾞｯｺｳ、ｳﾞ。");
    EXPECT_EQ(U(FullKanaToHalfKana(S("゛か゜"))), "ﾞｶﾟ");
    EXPECT_EQ(U(FullKanaToHalfKana(S("Ａ漢字"))), "Ａ漢字");
}

TEST(AsciiToFullWidth, ConvertsByMode)
{
    EXPECT_EQ(U(AsciiToFullWidth("abc 123", 0)), "ａｂｃ　１２３");
    EXPECT_EQ(U(AsciiToFullWidth("abc 123", 1)), "ａｂｃ　123");
    EXPECT_EQ(U(AsciiToFullWidth("abc 123", 2)), "abc １２３");
    // A letter run takes in spaces but does not start with one.
    EXPECT_EQ(U(AsciiToFullWidth(" a b", 1)), " ａ　ｂ");
    EXPECT_EQ(U(AsciiToFullWidth("2024/01/02 12:30, 1.5", 2)), "２０２４/０１/０２ １２：３０， １．５");
    EXPECT_EQ(U(AsciiToFullWidth("#a_", 0)), "#ａ_");
    EXPECT_EQ(AsciiToFullWidth("abc", 3), "abc");
}

TEST(FullWidthToAscii, ConvertsByMode)
{
    EXPECT_EQ(U(FullWidthToAscii(S("ＡＢＣ　１２３！’"), 0)), "ABC 123!'");
    EXPECT_EQ(U(FullWidthToAscii(S("ａｂ　ｃ"), 1)), "ab　c");
    EXPECT_EQ(U(FullWidthToAscii(S("１，０００．５：３Ａ"), 2)), "1，000.5:3Ａ");
    EXPECT_EQ(U(FullWidthToAscii(S("＃＿"), 0)), "＃＿");
    EXPECT_EQ(U(FullWidthToAscii(S("ａ"), -1)), "ａ");
}

TEST(WidthChars, AreInversesOfEachOther)
{
    EXPECT_EQ(AsciiToFullWidthChar('A'), 0x8260);
    EXPECT_EQ(AsciiToFullWidthChar('a'), 0x8281);
    EXPECT_EQ(AsciiToFullWidthChar('0'), 0x824F);
    EXPECT_EQ(AsciiToFullWidthChar('#'), 0);
    EXPECT_EQ(FullWidthToAsciiChar(0x8148), '?');
    EXPECT_EQ(FullWidthToAsciiChar(0x82A0), 0);
    for (uint16_t c = 0; c < 0x80; ++c) {
        const uint16_t full = AsciiToFullWidthChar(c);
        EXPECT_EQ(full != 0, WidthSetAll.Contains(static_cast<unsigned char>(c))) << c;
        if (full != 0) {
            EXPECT_EQ(FullWidthToAsciiChar(full), c);
        }
    }
}

TEST(SpaceConversion, PairsSpacesFromTheLeft)
{
    EXPECT_EQ(U(SpacePairsToFullWidthSpace("   ")), "　 ");
    EXPECT_EQ(U(SpacePairsToFullWidthSpace("a    b c")), "a　　b c");
    EXPECT_EQ(FullWidthSpaceToSpacePairs(S("a　b")), "a  b");
}

TEST(SpaceConversion, KnowsAFullWidthSpaceFromATrailByteAndAt)
{
    const std::string meAt = Bytes({0x83, 0x81, 0x40}); // メ@
    EXPECT_EQ(FullWidthSpaceToSpacePairs(meAt), meAt);
}

TEST(Tables, FlagTheVoiceableKana)
{
    const auto& columns = HalfKanaToJisTable();
    for (unsigned byte = 0; byte < 256; ++byte) {
        const bool hasColumn = (byte >= 0xA6 && byte <= 0xAF) || (byte >= 0xB1 && byte <= 0xDD);
        const bool voiceable = (byte >= 0xB6 && byte <= 0xC4) || (byte >= 0xCA && byte <= 0xCE);
        EXPECT_EQ(columns[byte] != 0, hasColumn) << byte;
        EXPECT_EQ((columns[byte] & kVoiceable) != 0, voiceable) << byte;
    }
    EXPECT_EQ(columns[0xB1] & 0x7F, SjisToJis(0x8341) & 0x7F); // ｱ ア
    EXPECT_EQ(columns[0xA6] & 0x7F, SjisToJis(0x8392) & 0x7F); // ｦ ヲ
}

TEST(Tables, GiveTheIrregularKanaTheirHalfWidthForms)
{
    const auto& half = FullKanaToHalfTable();
    auto halfOf = [&half](const char* Kana) {
        const unsigned value = half[(SjisToJis(DbcsStrToWord(S(Kana))) & 0x7F) - kFirstKanaColumn];
        std::string text(1, static_cast<char>(0xA6 + value % 56));
        if (value / 56 != 0)
            text += static_cast<char>(value / 56 == 1 ? kVoicedMark : kSemiVoicedMark);
        return U(text);
    };
    EXPECT_EQ(halfOf("ヮ"), "ﾜ");
    EXPECT_EQ(halfOf("ヰ"), "ｲ");
    EXPECT_EQ(halfOf("ヱ"), "ｴ");
    EXPECT_EQ(halfOf("ヴ"), "ｳﾞ");
    EXPECT_EQ(halfOf("ヵ"), "ｶ");
    EXPECT_EQ(halfOf("ヶ"), "ｹ");
    EXPECT_EQ(halfOf("ポ"), "ﾎﾟ");
    EXPECT_EQ(halfOf("ッ"), "ｯ");
}

TEST(Tables, PairTheSymbols)
{
    const SymbolPairTable& pairs = SymbolPairs();
    ASSERT_EQ(pairs.Full.size(), 2 * kSymbolPairCount);
    ASSERT_EQ(pairs.Half.size(), kSymbolPairCount);
    EXPECT_EQ(pairs.Full.substr(11 * 2, 2), S("‘"));
    EXPECT_EQ(pairs.Half[11], '`');
    EXPECT_EQ(pairs.Full.substr(15 * 2, 2), S("￥"));
    EXPECT_EQ(pairs.Half[15], '\\');
}

TEST(JisCode, WritesCodesHighByteFirst)
{
    EXPECT_EQ(WordToDbcsStr(0x82A0), Bytes({0x82, 0xA0}));
    EXPECT_EQ(DbcsStrToWord(Bytes({0x82, 0xA0})), 0x82A0);
    EXPECT_EQ(DbcsStrToWord("A"), 0x4100);
    EXPECT_EQ(DbcsStrToWord(""), 0);
    EXPECT_EQ(JisToSjis(0x2422), 0x82A0); // あ
    EXPECT_EQ(SjisToJis(0x889F), 0x3021); // 亜
}
