// What every text conversion shares: line breaks and long lines pass
// through untouched.
#include "KanjiNumber.h"
#include "StrHenkan.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <functional>

using namespace textconv;

namespace {

struct NamedConversion {
    const char* Name;
    Conversion Run;
};

// clang-format off
const NamedConversion kConversions[] = {
    {"HalfToFullWidth", HalfToFullWidth}, {"FullToHalfWidth", FullToHalfWidth},
    {"HalfToFullWidthLines", HalfToFullWidthLines}, {"FullToHalfWidthLines", FullToHalfWidthLines},
    {"KatakanaToHiragana", KatakanaToHiragana}, {"HiraganaToKatakana", HiraganaToKatakana},
    {"ConvertKanaRuns3", Bind(ConvertKanaRuns, kToHiragana)}, {"ConvertKanaRuns4", Bind(ConvertKanaRuns, kToKatakana)},
    {"HalfKanaToFullKana", Bind(HalfKanaToFullKana, 0)}, {"HalfKanaToHiragana", Bind(HalfKanaToFullKana, kToHiragana)},
    {"FullKanaToHalfKana", FullKanaToHalfKana}, {"AsciiToFullWidth0", Bind(AsciiToFullWidth, 0)},
    {"AsciiToFullWidth1", Bind(AsciiToFullWidth, 1)}, {"AsciiToFullWidth2", Bind(AsciiToFullWidth, 2)},
    {"FullWidthToAscii0", Bind(FullWidthToAscii, 0)}, {"FullWidthToAscii1", Bind(FullWidthToAscii, 1)},
    {"FullWidthToAscii2", Bind(FullWidthToAscii, 2)},
    {"NumbersToKanji", NumbersToKanji}, {"SpacePairsToFullWidthSpace", SpacePairsToFullWidthSpace},
    {"FullWidthSpaceToSpacePairs", FullWidthSpaceToSpacePairs},
};
// clang-format on

class EveryConversion : public testing::TestWithParam<NamedConversion> {};

// A text with something for every conversion, ending in a run.
std::string Sample() { return S("ｶﾞあア　Ａａ１,２ 漢\r\n\r\nｺｰﾋｰ a:1  がＺ９"); }

} // namespace

// A final line break stays exactly when the text has one; a long line is
// never broken; a lone CR and the byte after it stay.
TEST_P(EveryConversion, KeepsLineBreaksAsTheyAre)
{
    const auto& run = GetParam().Run;
    const std::string bare = run(Sample());
    ASSERT_FALSE(bare.ends_with("\r\n"));
    EXPECT_EQ(run(Sample() + "\r\n"), bare + "\r\n");
    EXPECT_EQ(run(""), "");
    const std::string converted = run(Repeat(Sample().substr(0, Sample().find('\r')), 1300));
    EXPECT_EQ(converted.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(run(S("\r漢\r")), S("\r漢\r"));
}

INSTANTIATE_TEST_SUITE_P(Conversions, EveryConversion, testing::ValuesIn(kConversions),
                         [](const testing::TestParamInfo<NamedConversion>& Info) { return Info.param.Name; });

TEST(RunConverters, LeaveLinesAndRunsLongerThanTheOldBufferWhole)
{
    // 5,000 kanji are 10,000 bytes: the line comes back as it went in, not
    // cut into lines of 8,194 and 1,806 bytes; a 9,000-letter run converts whole.
    const std::string kanji = Repeat(S("漢"), 5000);
    EXPECT_EQ(AsciiToFullWidth(kanji + "\r\n", 0), kanji + "\r\n");
    EXPECT_EQ(AsciiToFullWidth(kanji + "ab", 0), kanji + S("ａｂ"));
    EXPECT_EQ(AsciiToFullWidth(std::string(9000, 'a'), 0), Repeat(S("ａ"), 9000));
}
