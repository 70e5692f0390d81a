// The pattern compiler: syntax, errors with their positions, the shape of
// the tree and of the automaton, and the bounds on compile cost.
#include "ERegExpParser.h"
#include "REParser.h"
#include "RegExpChars.h"
#include "RegExpTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ErrorCase {
    std::string Pattern;
    const char* Message;
    int Position;
};

TEST(RegExpCompiler, EverySyntaxErrorHasItsMessageAndPosition)
{
    const std::vector<ErrorCase> cases = {
        {"a\x82", remsg::BadDoubleByte, 2},
        {"a\\", remsg::NeedCharAfterBackslash, 3},
        {"\\x", remsg::BadHexCode, 3},
        {"\\xZ", remsg::BadHexCode, 3},
        {"\\777777", remsg::BadOctalCode, 8},
        {"[", remsg::NeedRightBracket, 2},
        {"[a", remsg::NeedRightBracket, 3},
        {"[a-", remsg::NeedRightBracket, 4},
        {"[ab", remsg::NeedRightBracket, 4},
        {"[z-a]", remsg::BadCharRange, 5},
        {"[]", remsg::BadCharClass, 3},
        {"[^]", remsg::BadCharClass, 4},
        {"a)", remsg::ExtraText, 3},
        {"(a", remsg::NeedRightParen, 3},
        {"a**", remsg::NeedCharOrLeftParen, 4},
        {"a+?", remsg::NeedCharOrLeftParen, 4},
        {"a*?", remsg::NeedCharOrLeftParen, 4},
        {"*a", remsg::NeedCharOrLeftParen, 2},
        {"a]", remsg::NeedCharOrLeftParen, 3},
        {"[^\\x01-\\xFCFC]", remsg::BadCharClass, 15},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.Pattern);
        const auto error = CompileError(c.Pattern);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->Message, c.Message);
        EXPECT_EQ(error->Position, c.Position);
    }
}

TEST(RegExpCompiler, MessagesAreTheUsersWords)
{
    EXPECT_STREQ(remsg::NeedCharAfterBackslash, "\"\\\"の次には文字が必要です。");
    EXPECT_STREQ(remsg::NeedRightBracket, "右ブラケット\"]\"が必要です");
    EXPECT_STREQ(remsg::NeedCharOrLeftParen, "普通の文字、または左括弧\"(\"が必要です");
    EXPECT_STREQ(remsg::TooComplex, "正規表現が複雑すぎます。");
}

TEST(RegExpCompiler, EmptyAlternativesAreValid)
{
    for (const char* pattern : {"", "()", "a|", "|a", "(|)"})
        EXPECT_FALSE(CompileError(pattern)) << pattern;
    EXPECT_TRUE(CompilePattern("")->IsAccepting(0));
    EXPECT_TRUE(CompilePattern("()")->IsAccepting(0));
    EXPECT_FALSE(CompilePattern("a")->IsAccepting(0));
}

TEST(RegExpCompiler, TreeFollowsPrecedence)
{
    auto tree = [](const char* Pattern) {
        TREParser parser(Pattern);
        parser.Run();
        return Describe(parser.Tree());
    };
    EXPECT_EQ(tree("a|b*"), "union(a,star(b))");
    EXPECT_EQ(tree("ab*"), "concat(a,star(b))");
    EXPECT_EQ(tree("(ab)*"), "star(concat(a,b))");
    EXPECT_EQ(tree("a+"), "concat(a,star(a))");
    EXPECT_EQ(tree("a?"), "union(a,empty)");
    EXPECT_EQ(tree("[a-]"), "union(-,a)");
    EXPECT_EQ(tree("."), "union([1-9],[b-c],[e-fcfc])");
    EXPECT_EQ(tree("b^a$"), "concat(b,head,a,tail)");
}

std::vector<TREDfaTransition> InitialTransitions(const std::string& Pattern)
{
    const auto dfa = CompilePattern(Pattern);
    const auto transitions = dfa->Transitions(dfa->InitialState());
    return {transitions.begin(), transitions.end()};
}

std::vector<std::pair<uint16_t, uint16_t>> Ranges(const std::vector<TREDfaTransition>& Transitions)
{
    std::vector<std::pair<uint16_t, uint16_t>> ranges;
    for (const TREDfaTransition& t : Transitions)
        ranges.emplace_back(t.Low, t.High);
    return ranges;
}

using RangeList = std::vector<std::pair<uint16_t, uint16_t>>;

TEST(RegExpCompiler, OverlappingRangesBecomeDisjointTransitions)
{
    const auto transitions = InitialTransitions("[a-z]|[m-q]");
    EXPECT_EQ(Ranges(transitions), (RangeList{{'a', 'l'}, {'m', 'q'}, {'r', 'z'}}));
    for (const TREDfaTransition& t : transitions)
        EXPECT_EQ(t.Target, transitions.front().Target);

    // Overlaps that lead to different states keep both paths.
    const auto dfa = CompilePattern("[a-c]x|by");
    const int afterB = dfa->NextState(0, 'b');
    EXPECT_NE(dfa->NextState(afterB, 'x'), TRE_DFA::kNoState);
    EXPECT_NE(dfa->NextState(afterB, 'y'), TRE_DFA::kNoState);
    EXPECT_EQ(dfa->NextState(dfa->NextState(0, 'a'), 'y'), TRE_DFA::kNoState);
}

TEST(RegExpCompiler, NegatedClassesLeaveLineBreaksOut)
{
    EXPECT_EQ(Ranges(InitialTransitions("[^\\x01-\\x09]")), (RangeList{{11, 12}, {14, 0xFCFC}}));
    const auto dfa = CompilePattern("[^a]");
    for (const uint16_t code : {uint16_t{'a'}, uint16_t{'\n'}, uint16_t{'\r'}, uint16_t{0}})
        EXPECT_EQ(dfa->NextState(0, code), TRE_DFA::kNoState) << code;
    EXPECT_NE(dfa->NextState(0, 'b'), TRE_DFA::kNoState);
    EXPECT_NE(dfa->NextState(0, 0x82A0), TRE_DFA::kNoState);
}

TEST(RegExpCompiler, DoubleByteRangeIsOneTransition)
{
    EXPECT_EQ(Ranges(InitialTransitions(Sjis("[ぁ-ん]"))), (RangeList{{0x829F, 0x82F1}}));
}

TEST(RegExpCompiler, EscapesGiveTheirCodes)
{
    EXPECT_EQ(Ranges(InitialTransitions("\\x41")), (RangeList{{'A', 'A'}}));
    EXPECT_EQ(Ranges(InitialTransitions("\\101")), (RangeList{{'A', 'A'}}));
    EXPECT_EQ(Ranges(InitialTransitions("\\b\\t\\n\\r")), (RangeList{{8, 8}}));
    EXPECT_EQ(Ranges(InitialTransitions("\\.")), (RangeList{{'.', '.'}}));
    EXPECT_EQ(Ranges(InitialTransitions("\\x82a0")), (RangeList{{0x82A0, 0x82A0}}));

    const auto dfa = CompilePattern("\\x41G");
    EXPECT_NE(dfa->NextState(dfa->NextState(0, 'A'), 'G'), TRE_DFA::kNoState);
    // Six octal digits at most: code 42798, then "7".
    const auto octal = CompilePattern("\\1234567");
    EXPECT_NE(octal->NextState(octal->NextState(0, 42798), '7'), TRE_DFA::kNoState);
    // A trail byte that looks like a backslash is part of its character.
    EXPECT_EQ(Ranges(InitialTransitions(Sjis("表"))), (RangeList{{0x955C, 0x955C}}));
}

TEST(RegExpCompiler, AnchorsOnlyAtPatternStartAndEnd)
{
    EXPECT_TRUE(CompilePattern("^a")->HasLineHead());
    EXPECT_TRUE(CompilePattern("(^a|b)c")->HasLineHead());
    EXPECT_TRUE(CompilePattern("a$")->HasLineTail());
    for (const char* literal : {"b^a", "a$b", "^*", "$*"}) {
        const auto dfa = CompilePattern(literal);
        EXPECT_FALSE(dfa->HasLineHead()) << literal;
        EXPECT_FALSE(dfa->HasLineTail()) << literal;
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
