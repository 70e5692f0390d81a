// The pattern compiler: syntax errors with their positions, escapes that
// must stay plain characters, and the bounds on compile cost.
#include "ERegExpParser.h"
#include "REParser.h"
#include "RE_DFA.h"
#include "RE_NFA.h"
#include "RegExpChars.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

// Parser, NFA and DFA, as the pattern cache compiles.
std::unique_ptr<TRE_DFA> CompilePattern(const std::string& Pattern)
{
    TREParser parser(Pattern);
    parser.Run();
    TRE_NFA nfa(parser.Tree(), static_cast<int>(Pattern.size()));
    nfa.Run();
    return std::make_unique<TRE_DFA>(nfa);
}

struct CompileFailure {
    std::string Message;
    int Position;
};

// The error compiling Pattern raises, or none when it compiles.
std::optional<CompileFailure> CompileError(const std::string& Pattern)
{
    try {
        CompilePattern(Pattern);
    } catch (const ERegExpParser& error) {
        return CompileFailure{error.Message(), error.ErrorPos()};
    }
    return std::nullopt;
}

struct ErrorCase {
    std::string Pattern;
    const char* Message;
    int Position;
};

TEST(RegExpCompiler, EverySyntaxErrorHasItsMessageAndPosition)
{
    // clang-format off
    const std::vector<ErrorCase> cases = {
        {"a\x82", remsg::BadDoubleByte, 2},
        {"a\\", remsg::NeedCharAfterBackslash, 3},
        {"\\x", remsg::BadHexCode, 3},
        {"\\xZ", remsg::BadHexCode, 3},
        {"\\777777", remsg::BadOctalCode, 8},
        {"[", remsg::NeedRightBracket, 2},
        {"[a", remsg::NeedRightBracket, 3},
        {"[a-", remsg::NeedRightBracket, 4},
        {"[z-a]", remsg::BadCharRange, 5},
        {"[]", remsg::BadCharClass, 3},
        {"[^]", remsg::BadCharClass, 4},
        {"a)", remsg::ExtraText, 3},
        {"(a", remsg::NeedRightParen, 3},
        {"a**", remsg::NeedCharOrLeftParen, 4},
        {"a+?", remsg::NeedCharOrLeftParen, 4},
        {"*a", remsg::NeedCharOrLeftParen, 2},
        {"a]", remsg::NeedCharOrLeftParen, 3},
        {"[^\\x01-\\xFCFC]", remsg::BadCharClass, 15},
    };
    // clang-format on
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.Pattern);
        const auto error = CompileError(c.Pattern);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->Message, c.Message);
        EXPECT_EQ(error->Position, c.Position);
    }
}

TEST(RegExpCompiler, EscapesNeverForgeAnchorsOrEmptyMoves)
{
    for (const char* pattern : {"\\xFFFD", "\\xFFFE", "\\xFFFF", "\\177775", "\\177777"}) {
        const auto dfa = CompilePattern(pattern);
        EXPECT_FALSE(dfa->HasLineHead()) << pattern;
        EXPECT_FALSE(dfa->HasLineTail()) << pattern;
        EXPECT_FALSE(dfa->IsAccepting(0)) << pattern;
    }
    // "a\xFFFFb" needs a character between a and b that no text holds.
    const auto dfa = CompilePattern("a\\xFFFFb");
    EXPECT_EQ(dfa->NextState(dfa->NextState(0, 'a'), 'b'), TRE_DFA::kNoState);
}

std::string Repeat(const std::string& Text, int Count)
{
    std::string result;
    for (int i = 0; i < Count; ++i)
        result += Text;
    return result;
}

TEST(RegExpCompiler, ExplodingPatternsRaiseTooComplexAtTheEnd)
{
    const std::string subsets = "(a|b)*a" + Repeat("(a|b)", 20);
    std::string nestedPlus = "a";
    for (int i = 0; i < 25; ++i)
        nestedPlus = "(" + nestedPlus + ")+";
    const std::string deepGroups = Repeat("(", 5000) + "a" + Repeat(")", 5000);
    for (const std::string& pattern : {subsets, nestedPlus, deepGroups}) {
        const auto error = CompileError(pattern);
        ASSERT_TRUE(error) << pattern.substr(0, 40);
        EXPECT_EQ(error->Message, remsg::TooComplex);
        EXPECT_EQ(error->Position, static_cast<int>(pattern.size() + 1));
    }
}

TEST(RegExpCompiler, LargeOrdinaryPatternsStillCompile)
{
    // Subset growth well inside the caps, a long literal and a long
    // concatenation (a wide tree, not a deep one).
    EXPECT_FALSE(CompileError("(a|b)*a" + Repeat("(a|b)", 10)));
    EXPECT_FALSE(CompileError(Repeat(Sjis("検索置換"), 2500)));
    EXPECT_FALSE(CompileError(Repeat("(a|b)", 3000)));
}

} // namespace
