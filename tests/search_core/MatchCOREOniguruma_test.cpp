// Differential test against Oniguruma on the same Shift-JIS bytes: random
// patterns and texts, compared at every start position on the longest
// match end, and on the leftmost-longest match of the match routine.
//
// The translation follows this engine's rules: "." and "[^...]" leave out
// NUL, CR and LF; "^" and "$" are anchors only where the automaton builder
// makes them anchors (on the pattern's first and last edge), else literal
// characters; texts use LF alone, so a line ends the same way for both.
#include "AWKStr.h"
#include "MatchCORE.h"
#include "RegExpChars.h"
#include "Sjis.h"

#include "OnigurumaOracle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// a, b, c, LF, "^", "$", あ, ア, ｱ (single byte), 表 and ポ (trail bytes
// 5C and 7C, a backslash and a bar), ①.
constexpr uint16_t kAlphabet[] = {'a', 'b', 'c', '\n', '^', '$', 0x82A0, 0x8341, 0xB1, 0x955C, 0x837C, 0x8740};
constexpr int kAlphabetSize = sizeof kAlphabet / sizeof kAlphabet[0];

struct PatternNode {
    enum TKind { Char, Dot, Class, Head, Tail, Concat, Union, Group, Star, Plus, Opt };
    explicit PatternNode(TKind AKind, uint16_t ACode = 0) : Kind(AKind), Code(ACode) {}
    PatternNode(TKind AKind, const PatternNode& Operand) : Kind(AKind), Kids{Operand} {}

    TKind Kind;
    uint16_t Code = 0;
    bool Negated = false;
    std::vector<std::pair<uint16_t, uint16_t>> Items;
    std::vector<PatternNode> Kids;
};

class PatternGenerator {
public:
    explicit PatternGenerator(std::mt19937& Rng) : Rng_(Rng) {}

    PatternNode Generate()
    {
        Budget_ = 1 + Pick(8);
        return UnionOf(0);
    }

    uint16_t Letter()
    {
        // Mostly the ASCII letters, so that matches are common.
        return Pick(3) == 0 ? kAlphabet[Pick(kAlphabetSize)] : kAlphabet[Pick(3)];
    }

    int Pick(int Count) { return std::uniform_int_distribution<int>(0, Count - 1)(Rng_); }

private:
    PatternNode UnionOf(int Depth)
    {
        PatternNode node(PatternNode::Union);
        const int alternatives = Pick(4) == 0 ? 2 + Pick(2) : 1;
        for (int i = 0; i < alternatives; ++i)
            node.Kids.push_back(ConcatOf(Depth));
        return node;
    }

    PatternNode ConcatOf(int Depth)
    {
        PatternNode node(PatternNode::Concat);
        const int factors = Pick(8) == 0 ? 0 : 1 + Pick(3);
        for (int i = 0; i < factors && Budget_ > 0; ++i)
            node.Kids.push_back(Factor(Depth));
        return node;
    }

    PatternNode Factor(int Depth)
    {
        constexpr PatternNode::TKind repeats[] = {PatternNode::Star, PatternNode::Plus, PatternNode::Opt};
        PatternNode atom = Atom(Depth);
        const int roll = Pick(8);
        return roll < 3 ? PatternNode(repeats[roll], atom) : atom;
    }

    PatternNode Atom(int Depth)
    {
        --Budget_;
        const int roll = Pick(20);
        if (roll < 10)
            return PatternNode(PatternNode::Char, Letter());
        if (roll < 11)
            return PatternNode(PatternNode::Dot);
        if (roll < 14) {
            PatternNode node(PatternNode::Class);
            node.Negated = Pick(3) == 0;
            for (int i = 0, n = 1 + Pick(3); i < n; ++i) {
                uint16_t low = Letter();
                uint16_t high = Pick(3) == 0 ? Letter() : low;
                if (high < low)
                    std::swap(low, high);
                // Oniguruma's Shift_JIS classes let a range that reaches
                // into 0x80-0xFF take in the double-byte characters whose
                // lead byte falls inside it; such ranges stay out.
                if (high != low && (Zone(low) != Zone(high) || Zone(low) == 1))
                    high = low;
                node.Items.emplace_back(low, high);
            }
            return node;
        }
        if (roll < 15)
            return PatternNode(PatternNode::Head);
        if (roll < 16)
            return PatternNode(PatternNode::Tail);
        if (Depth >= 3)
            return PatternNode(PatternNode::Char, Letter());
        PatternNode group(PatternNode::Group);
        group.Kids.push_back(UnionOf(Depth + 1));
        return group;
    }

    // 0 ASCII, 1 the other single bytes, 2 double-byte characters.
    static int Zone(uint16_t Code) { return Code < 0x80 ? 0 : Code < 0x100 ? 1 : 2; }

    std::mt19937& Rng_;
    int Budget_ = 0;
};

std::string Hex4(uint16_t Code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X", Code);
    return text;
}

// This engine's syntax; Gen picks between a character and its hex escape.
std::string VelkWrite(PatternGenerator& Gen, const PatternNode& Node)
{
    switch (Node.Kind) {
    case PatternNode::Char:
        if (Node.Code == '\n')
            return "\\n";
        if (Node.Code == '^' || Node.Code == '$')
            return std::string("\\") + static_cast<char>(Node.Code);
        return Gen.Pick(2) == 0 ? "\\x" + Hex4(Node.Code) : re::RECharToStr(Node.Code);
    case PatternNode::Dot: return ".";
    case PatternNode::Class: {
        std::string text = Node.Negated ? "[^" : "[";
        for (const auto& [low, high] : Node.Items) {
            text += "\\x" + Hex4(low);
            if (high != low)
                text += "-\\x" + Hex4(high);
        }
        return text + "]";
    }
    case PatternNode::Head:
    case PatternNode::Tail: return Node.Kind == PatternNode::Head ? "^" : "$";
    case PatternNode::Concat:
    case PatternNode::Union: {
        std::string text;
        for (size_t i = 0; i < Node.Kids.size(); ++i)
            text += (i && Node.Kind == PatternNode::Union ? "|" : "") + VelkWrite(Gen, Node.Kids[i]);
        return text;
    }
    case PatternNode::Group: return "(" + VelkWrite(Gen, Node.Kids[0]) + ")";
    case PatternNode::Star:
    case PatternNode::Plus:
    case PatternNode::Opt: return VelkWrite(Gen, Node.Kids[0]) + "*+?"[Node.Kind - PatternNode::Star];
    }
    return {};
}

// Oniguruma's syntax, with this engine's meaning. AtStart and AtEnd say
// whether the node lies on the automaton's first or last edge.
std::string OnigWrite(const PatternNode& Node, bool AtStart, bool AtEnd)
{
    auto code = [](uint16_t C) { return C == '\n' ? std::string("\\n") : "\\x{" + Hex4(C) + "}"; };
    switch (Node.Kind) {
    case PatternNode::Char: return code(Node.Code);
    case PatternNode::Dot: return "[^\\x00\\n\\r]";
    case PatternNode::Class: {
        std::string text = Node.Negated ? "[^" : "[";
        for (const auto& [low, high] : Node.Items)
            text += code(low) + (high != low ? "-" + code(high) : "");
        return text + (Node.Negated ? "\\x00\\n\\r]" : "]");
    }
    case PatternNode::Head: return AtStart ? "^" : "\\^";
    case PatternNode::Tail: return AtEnd ? "$" : "\\$";
    case PatternNode::Concat: {
        std::string text;
        for (size_t i = 0; i < Node.Kids.size(); ++i)
            text += OnigWrite(Node.Kids[i], AtStart && i == 0, AtEnd && i + 1 == Node.Kids.size());
        return text;
    }
    case PatternNode::Union: {
        std::string text = "(?:";
        for (size_t i = 0; i < Node.Kids.size(); ++i)
            text += (i ? "|" : "") + OnigWrite(Node.Kids[i], AtStart, AtEnd);
        return text + ")";
    }
    case PatternNode::Group: return OnigWrite(Node.Kids[0], AtStart, AtEnd);
    case PatternNode::Star: return "(?:" + OnigWrite(Node.Kids[0], false, false) + ")*";
    case PatternNode::Plus:
        // The operand's first copy may start the pattern; its repeats never do.
        return "(?:" + OnigWrite(Node.Kids[0], AtStart, false) + ")(?:" + OnigWrite(Node.Kids[0], false, false) + ")*";
    case PatternNode::Opt: return "(?:" + OnigWrite(Node.Kids[0], AtStart, AtEnd) + "|)";
    }
    return {};
}

// Shift-JIS bytes shown escaped.
std::string Show(const std::string& Sjis) { return testing::PrintToString(Sjis); }

// The longest match at Pos, a line head taken as such.
std::optional<size_t> VelkLongestAt(const TAWKStr& Re, const std::string& Text, size_t Pos)
{
    const int initial = Re.Engine().CurrentDFA().InitialState();
    if (Pos == 0 || Text[Pos - 1] == '\n')
        if (const auto end = Re.Engine().MatchAtLineHead(Text, Pos, initial))
            return end;
    return Re.Engine().MatchLongestAt(Text, Pos, initial);
}

TEST(OnigurumaDifferential, RandomPatternsAndTextsAgree)
{
    constexpr int kCases = 20000;
    std::mt19937 rng(20240607);
    PatternGenerator gen(rng);
    OnigurumaOracle oracle;
    TAWKStr re(nullptr);
    re.SetLineSeparator(mcls_LF);

    int compared = 0;
    int gaveUp = 0;
    int mismatches = 0;
    size_t matchedStarts = 0;
    while (compared < kCases && mismatches < 10) {
        const PatternNode tree = gen.Generate();
        const std::string pattern = VelkWrite(gen, tree);
        const std::string onigPattern = OnigWrite(tree, true, true);
        std::string text;
        for (int i = 0, n = gen.Pick(21); i < n; ++i)
            text += re::RECharToStr(gen.Letter());

        ASSERT_NO_THROW(re.SetRegExp(pattern)) << Show(pattern);
        ASSERT_TRUE(oracle.Compile(onigPattern)) << onigPattern;

        std::optional<TMatchRange> leftmost;
        bool complete = true;
        bool agree = true;
        // An empty text has one place to try.
        for (size_t pos = 0; pos < std::max<size_t>(text.size(), 1) && complete && agree;
             pos += text.empty() ? 1 : sjis::CharLen(text, pos)) {
            std::optional<size_t> expected;
            complete = oracle.LongestAt(text, pos, expected);
            if (expected && !leftmost)
                leftmost = TMatchRange{pos, *expected};
            const auto got = VelkLongestAt(re, text, pos);
            matchedStarts += got.has_value();
            agree = !complete || got == expected;
            EXPECT_TRUE(agree) << "pattern " << Show(pattern) << "  oniguruma " << onigPattern << "\ntext "
                               << Show(text) << " at " << pos << ": got " << (got ? std::to_string(*got) : "none")
                               << ", expected " << (expected ? std::to_string(*expected) : "none");
        }
        if (!complete) {
            ++gaveUp;
            continue;
        }
        ++compared;
        mismatches += !agree;
        // The match routine: leftmost, then longest; an empty match at the
        // very end (which Oniguruma's "^" refuses after a final LF) aside.
        auto routine = re.Match(text);
        if (routine && routine->Start == text.size() && !text.empty())
            routine.reset();
        if (routine != leftmost) {
            ++mismatches;
            ADD_FAILURE() << "match routine: pattern " << Show(pattern) << " text " << Show(text);
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(compared, kCases);
    // Oniguruma may give up on a pathological backtrack; it must stay rare.
    EXPECT_LT(gaveUp, kCases / 100);
    // The cases must exercise matches, not only failures.
    EXPECT_GT(matchedStarts, static_cast<size_t>(kCases));
    std::printf("compared %d cases, %zu matching starts, Oniguruma gave up on %d\n", compared, matchedStarts, gaveUp);
}

} // namespace
