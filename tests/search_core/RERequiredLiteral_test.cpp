// The run every match holds, which lets a search skip text lacking it: it
// must never name text a match can do without.
#include "AWKStr.h"
#include "REParser.h"
#include "RERequiredLiteral.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

std::string LiteralOf(const std::string& Pattern)
{
    TREParser parser(Pattern);
    parser.Run();
    return RequiredLiteral(parser.Tree());
}

TEST(RERequiredLiteral, IsTheLongestCertainRun)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"foo", "foo"},
        {"fo+", "fo"},
        {"a(bc)d", "abcd"},
        {"ab?cde", "cde"},
        {"(ab)+c", "ab"},
        {"a[bc]de", "de"},
        {"^ab$", "ab"},
        {"a^b", "a"},
        {"a\\x0062c", "abc"},
        {"a()b", "ab"},
        {"ab\r\ncd", "ab"},
        {"x\\nyz", "yz"},
        {Sjis("日本+語"), Sjis("日本")},
        // Alternations and repeats hold nothing certain.
        {"ab|cd", ""},
        {"a*", ""},
        {"[ab]", ""},
        {"", ""},
        {"(ab|cd)e", "e"},
    };
    for (const auto& [pattern, literal] : cases)
        EXPECT_EQ(LiteralOf(pattern), literal) << pattern;
}

TEST(RERequiredLiteral, ComesFromThePatternAsExpanded)
{
    TAWKStr re(nullptr);
    re.SetRegExp("abc+");
    EXPECT_EQ(re.RequiredLiteral(), "abc");
    // Fuzzy matching turns each letter into an alternation of its forms.
    re.SetUseFuzzyCharDic(true);
    EXPECT_EQ(re.RequiredLiteral(), "");
    re.SetRegExp(Sjis("＃×"));
    EXPECT_EQ(re.RequiredLiteral(), Sjis("×"));
}

} // namespace
