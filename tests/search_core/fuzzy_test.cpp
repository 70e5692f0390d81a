// Fuzzy-character expansion: the dictionary, golden expansions, and fuzzy
// matching end to end.
#include "AWKStr.h"
#include "Cp932.h"
#include "FuzzyCharDic.h"
#include "REPreProcessor.h"
#include "RegExpTestSupport.h"

#include <gtest/gtest.h>

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
    ASSERT_EQ(FuzzyCharGroupTexts().size(), 145u);
    for (const char* text : FuzzyCharGroupTexts()) {
        bool lossless = false;
        const std::string sjis = Utf8ToSjis(text, &lossless);
        EXPECT_TRUE(lossless) << text;
        EXPECT_EQ(SjisToUtf8(sjis), text);
    }
}

TEST(FuzzyCharDic, GroupShapes)
{
    const TREDictionary& dic = FuzzyCharDic();
    ASSERT_EQ(dic.GroupCount(), 145);
    auto members = [&](int Number) { return dic.Group(Number - 1).Count(); };
    EXPECT_EQ(members(1), 4);
    EXPECT_EQ(members(37), 2);
    EXPECT_EQ(dic.Group(36).Strings(0), Sj("　"));
    EXPECT_EQ(dic.Group(36).Strings(1), " ");
    EXPECT_EQ(members(39), 2);
    EXPECT_EQ(dic.Group(38).Strings(0), "\"");
    EXPECT_EQ(members(49), 3); // the trailing comma adds nothing
    EXPECT_EQ(members(69), 4);
    EXPECT_EQ(dic.Group(68).Strings(0), ",");
    EXPECT_EQ(members(61), 2);
    EXPECT_EQ(dic.Group(60).Strings(0), "\\");
    EXPECT_EQ(members(80), 10);
    EXPECT_EQ(members(81), 10);
    EXPECT_EQ(dic.Group(80).Strings(3), Sj("す゛"));
    EXPECT_EQ(members(145), 2);
}

TEST(FuzzyExpansion, GoldenExpansions)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a", Sj("(Ａ|ａ|A|a)")},
        {Sj("（"), Sj("(\\(|（)")},
        {"\\(", Sj("(\\(|（)")},
        {Sj("ｶﾞ"), Sj("(が|ガ|ｶﾞ|か゛|カ゛)")},
        {Sj("か"), Sj("(か|カ|ｶ)")},
        {Sj("12三"), Sj("(1|１|一|①|Ⅰ|壱)(2|２|二|②|Ⅱ|弐)(3|３|三|③|Ⅲ|参)")},
        {Sj("漢"), Sj("漢")},
        {"[a]", "[a]"},
        {"[^a-c]x", Sj("[^a-c](Ｘ|ｘ|X|x)")},
        {"a*", Sj("(Ａ|ａ|A|a)*")},
        {Sj("ー"), Sj("(ー|～|ｰ)")},
        {"-", Sj("(-|ー|－|～|ｰ)")},
        {"\\.", Sj("(｡|\\.|。|．)")},
        {".", "."},
        {" ", Sj("(　| )")},
        {Sj("う゛"), Sj("(ぶ|ブ|ﾌﾞ|ふ゛|フ゛|ヴ|ウ゛|う゛|ｳﾞ)")},
        {Sj("うぁ"), Sj("(う|ウ|ｳ|ぅ|ゥ|ｩ)(あ|ア|ｱ|ぁ|ァ|ｧ)")},
        {Sj("か゛*"), Sj("(が|ガ|ｶﾞ|か゛|カ゛)*")},
        {Sj("^漢|\\x41$"), Sj("^漢|(Ａ|ａ|A|a)$")},
        {"\\\\", Sj("(\\\\|￥)")},
        {"", ""},
    };
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(SjisToUtf8(Expand(pattern)), SjisToUtf8(expected)) << SjisToUtf8(pattern);
}

TEST(FuzzyExpansion, OffLeavesThePatternAlone)
{
    TREPreProcessor pre;
    pre.FuzzyCharDics().push_back(&FuzzyCharDic());
    pre.SetTargetRegExp("abc");
    EXPECT_EQ(pre.Run(), "abc");
    EXPECT_EQ(pre.ProcessedPattern(), "abc");
}

TEST(FuzzyExpansion, SynonymPassRunsFirst)
{
    TREDictionary synonyms;
    synonyms.AddGroup(Sj("検索,サーチ"));
    TREPreProcessor pre;
    pre.SynonymDics().push_back(&synonyms);
    pre.FuzzyCharDics().push_back(&FuzzyCharDic());
    pre.SetTargetRegExp(Sj("検索"));
    pre.SetUseSynonymDic(true);
    EXPECT_EQ(pre.Run(), Sj("(検索|サーチ)"));
    pre.SetUseFuzzyCharDic(true);
    EXPECT_EQ(SjisToUtf8(pre.Run()), "(検索|(さ|サ|ｻ)(ー|～|ｰ)(ち|チ|ﾁ))");
}

TEST(FuzzyMatching, FindsEveryWriting)
{
    TAWKStr re(nullptr);
    re.SetUseFuzzyCharDic(true);
    re.SetRegExp(Sj("テスト"));
    for (const char* text : {"ﾃｽﾄ", "てすと", "テスト", "てスﾄ"})
        EXPECT_TRUE(re.Match(Sj(text))) << text;
    EXPECT_FALSE(re.Match(Sj("テキスト")));
    re.SetRegExp(Sj("が"));
    for (const char* text : {"ｶﾞ", "か゛", "ガ", "カ゛"})
        EXPECT_EQ(re.Match(Sj(text)), (TMatchRange{0, Sj(text).size()})) << text;
    // A postfix operator after a two-character member applies to the whole group.
    re.SetRegExp(Sj("か゛+"));
    EXPECT_EQ(re.Match(Sj("ガが")), (TMatchRange{0, 4}));
}

TEST(FuzzyMatching, ErrorsKeepTheirPlaceInThePatternWritten)
{
    TAWKStr re(nullptr);
    re.SetUseFuzzyCharDic(true);
    for (const auto& [pattern, message, position] :
         {std::tuple{std::string("a\\"), remsg::NeedCharAfterBackslash, 3},
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
        pattern += Sj("がぎぐ12あいうえｶ");
    ASSERT_EQ(SjisToUtf16(pattern).size(), 100u);
    EXPECT_NO_THROW(re.SetRegExp(pattern));
    EXPECT_TRUE(re.Match("x" + Sj("ｶﾞぎグ１②アイｳえか") + pattern.substr(17)));
}

} // namespace
