// Fuzzy-character expansion: the dictionary, golden expansions, and fuzzy
// matching end to end.
#include "AWKStr.h"
#include "Cp932.h"
#include "ERegExpParser.h"
#include "FuzzyCharDic.h"
#include "REPreProcessor.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

std::string Expand(const std::string& Pattern)
{
    TREPreProcessor pre;
    pre.FuzzyCharDics().push_back(&FuzzyCharDic());
    pre.SetUseFuzzyCharDic(true);
    pre.SetTargetRegExp(Pattern);
    return pre.Run();
}

TEST(FuzzyCharDic, EveryGroupConvertsWithoutLoss)
{
    for (const char* text : FuzzyCharGroupTexts()) {
        bool lossless = false;
        const std::string sjis = Utf8ToSjis(text, &lossless);
        EXPECT_TRUE(lossless) << text;
        EXPECT_EQ(SjisToUtf8(sjis), text);
    }
}

TEST(FuzzyExpansion, GoldenExpansions)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a", Sjis("(Ａ|ａ|A|a)")},
        {Sjis("（"), Sjis("(\\(|（)")},
        {"\\(", Sjis("(\\(|（)")},
        {Sjis("ｶﾞ"), Sjis("(が|ガ|ｶﾞ|か゛|カ゛)")},
        {Sjis("か"), Sjis("(か|カ|ｶ)")},
        {Sjis("12三"), Sjis("(1|１|一|①|Ⅰ|壱)(2|２|二|②|Ⅱ|弐)(3|３|三|③|Ⅲ|参)")},
        {Sjis("漢"), Sjis("漢")},
        {"[a]", "[a]"},
        {"[^a-c]x", Sjis("[^a-c](Ｘ|ｘ|X|x)")},
        {"a*", Sjis("(Ａ|ａ|A|a)*")},
        {Sjis("ー"), Sjis("(ー|～|ｰ)")},
        {"-", Sjis("(-|ー|－|～|ｰ)")},
        {"\\.", Sjis("(｡|\\.|。|．)")},
        {".", "."},
        {" ", Sjis("(　| )")},
        {Sjis("う゛"), Sjis("(ぶ|ブ|ﾌﾞ|ふ゛|フ゛|ヴ|ウ゛|う゛|ｳﾞ)")},
        {Sjis("うぁ"), Sjis("(う|ウ|ｳ|ぅ|ゥ|ｩ)(あ|ア|ｱ|ぁ|ァ|ｧ)")},
        {Sjis("か゛*"), Sjis("(が|ガ|ｶﾞ|か゛|カ゛)*")},
        {Sjis("^漢|\\x41$"), Sjis("^漢|(Ａ|ａ|A|a)$")},
        {"\\\\", Sjis("(\\\\|￥)")},
        {"", ""},
    };
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(SjisToUtf8(Expand(pattern)), SjisToUtf8(expected)) << SjisToUtf8(pattern);
}

TEST(FuzzyExpansion, SynonymPassRunsFirst)
{
    TREDictionary synonyms;
    synonyms.AddGroup(Sjis("検索,サーチ"));
    TREPreProcessor pre;
    pre.SynonymDics().push_back(&synonyms);
    pre.FuzzyCharDics().push_back(&FuzzyCharDic());
    pre.SetTargetRegExp(Sjis("検索"));
    pre.SetUseSynonymDic(true);
    EXPECT_EQ(pre.Run(), Sjis("(検索|サーチ)"));
    pre.SetUseFuzzyCharDic(true);
    EXPECT_EQ(SjisToUtf8(pre.Run()), "(検索|(さ|サ|ｻ)(ー|～|ｰ)(ち|チ|ﾁ))");
}

TEST(FuzzyMatching, ErrorsKeepTheirPlaceInThePatternWritten)
{
    TAWKStr re(nullptr);
    re.SetUseFuzzyCharDic(true);
    for (const auto& [pattern, message, position] : {std::tuple{std::string("a\\"), remsg::NeedCharAfterBackslash, 3},
                                                     std::tuple{std::string("ab)"), remsg::ExtraText, 4},
                                                     std::tuple{std::string("a**"), remsg::NeedCharOrLeftParen, 4}}) {
        try {
            re.SetRegExp(pattern);
            ADD_FAILURE() << pattern;
        } catch (const ERegExpParser& error) {
            EXPECT_EQ(error.Message(), message) << pattern;
            EXPECT_EQ(error.ErrorPos(), position) << pattern;
        }
        EXPECT_EQ(re.RegExp(), "");
    }
}

TEST(FuzzyMatching, LongFuzzyPatternsCompile)
{
    TAWKStr re(nullptr);
    re.SetUseFuzzyCharDic(true);
    std::string pattern;
    for (int i = 0; i < 10; ++i)
        pattern += Sjis("がぎぐ12あいうえｶ");
    ASSERT_EQ(SjisToUtf16(pattern).size(), 100u);
    EXPECT_NO_THROW(re.SetRegExp(pattern));
    EXPECT_TRUE(re.Match("x" + Sjis("ｶﾞぎグ１②アイｳえか") + pattern.substr(17)));
}

} // namespace
