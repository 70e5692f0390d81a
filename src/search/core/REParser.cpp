#include "REParser.h"

#include "ERegExpParser.h"

#include <algorithm>

namespace {

// Deeper nesting than this is no pattern anyone writes; refusing it keeps
// the recursion of the parser and of the automaton builder shallow.
constexpr int kMaxGroupDepth = 1000;

bool EndsTerm(TTokenKind Kind) { return Kind == tkUnion || Kind == tkRPar || Kind == tkEnd; }

} // namespace

TREParser::TREParser(std::string_view Pattern) : Scanner_(Pattern) {}

void TREParser::Fail(const char* Message) const { throw ERegExpParser(Message, Scanner_.Position()); }

void TREParser::Run()
{
    Scanner_.GetToken();
    Tree_.SetRoot(RegExpr());
    if (Scanner_.TokenKind() != tkEnd)
        Fail(remsg::ExtraText);
}

int TREParser::RegExpr()
{
    std::vector<int> terms{Term()};
    while (Scanner_.TokenKind() == tkUnion) {
        Scanner_.GetToken();
        terms.push_back(Term());
    }
    return Tree_.AddList(nkUnion, terms);
}

int TREParser::Term()
{
    if (EndsTerm(Scanner_.TokenKind()))
        return Tree_.AddEmpty();
    std::vector<int> factors;
    while (!EndsTerm(Scanner_.TokenKind()))
        factors.push_back(Factor());
    return Tree_.AddList(nkConcat, factors);
}

int TREParser::Factor()
{
    const int primary = Primary();
    switch (Scanner_.TokenKind()) {
    case tkStar: Scanner_.GetToken(); return Tree_.AddStar(primary);
    case tkPlus: {
        Scanner_.GetToken();
        const int operands[] = {primary, Tree_.AddStar(primary)};
        return Tree_.AddList(nkConcat, operands);
    }
    case tkQMark: {
        Scanner_.GetToken();
        const int operands[] = {primary, Tree_.AddEmpty()};
        return Tree_.AddList(nkUnion, operands);
    }
    default: return primary;
    }
}

int TREParser::Primary()
{
    int node;
    switch (Scanner_.TokenKind()) {
    case tkChar: node = Tree_.AddChar({Scanner_.TokenChar(), Scanner_.TokenChar()}); break;
    case tkLPar:
        if (++GroupDepth_ > kMaxGroupDepth)
            throw ERegExpParser(remsg::TooComplex, static_cast<int>(Scanner_.Pattern().size() + 1));
        Scanner_.GetToken();
        node = RegExpr();
        if (Scanner_.TokenKind() != tkRPar)
            Fail(remsg::NeedRightParen);
        --GroupDepth_;
        break;
    case tkLBracket: node = CharClass(); break;
    case tkLBracketNeg: node = NegCharClass(); break;
    case tkDot: node = MakeDotNode(); break;
    case tkLineHead: node = Tree_.AddLine(nkLineHead, '^'); break;
    case tkLineTail: node = Tree_.AddLine(nkLineTail, '$'); break;
    default: Fail(remsg::NeedCharOrLeftParen);
    }
    Scanner_.GetToken();
    return node;
}

std::vector<re::TCodeRange> TREParser::DotRanges() { return {{1, 9}, {11, 12}, {14, 0xFCFC}}; }

int TREParser::UnionOf(const std::vector<re::TCodeRange>& Ranges)
{
    std::vector<int> leaves;
    for (const re::TCodeRange& range : Ranges)
        leaves.push_back(Tree_.AddChar(range));
    return Tree_.AddList(nkUnion, leaves);
}

int TREParser::MakeDotNode() { return UnionOf(DotRanges()); }

std::vector<re::TCodeRange> TREParser::ClassItems()
{
    if (Scanner_.GetToken() == tkRBracket)
        Fail(remsg::BadCharClass); // "[]" and "[^]" are no classes
    std::vector<re::TCodeRange> items;
    for (; Scanner_.TokenKind() != tkRBracket; Scanner_.GetToken()) {
        const uint16_t high = Scanner_.TokenKind() == tkRange ? Scanner_.TokenHigh() : Scanner_.TokenChar();
        items.push_back({Scanner_.TokenChar(), high});
    }
    std::sort(items.begin(), items.end(), [](auto& A, auto& B) { return A.Low < B.Low; });
    std::vector<re::TCodeRange> merged;
    for (const re::TCodeRange& item : items) {
        if (!merged.empty() && item.Low <= uint32_t{merged.back().High} + 1)
            merged.back().High = std::max(merged.back().High, item.High);
        else
            merged.push_back(item);
    }
    return merged;
}

int TREParser::CharClass() { return UnionOf(ClassItems()); }

// What "." matches less the class. A class that leaves nothing could never
// match; it is refused like an empty class rather than silently dead.
int TREParser::NegCharClass()
{
    std::vector<re::TCodeRange> rest = DotRanges();
    for (const re::TCodeRange& cut : ClassItems()) {
        std::vector<re::TCodeRange> next;
        for (const re::TCodeRange& range : rest) {
            if (cut.High < range.Low || cut.Low > range.High) {
                next.push_back(range);
                continue;
            }
            if (cut.Low > range.Low)
                next.push_back({range.Low, static_cast<uint16_t>(cut.Low - 1)});
            if (cut.High < range.High)
                next.push_back({static_cast<uint16_t>(cut.High + 1), range.High});
        }
        rest = std::move(next);
    }
    if (rest.empty())
        Fail(remsg::BadCharClass);
    return UnionOf(rest);
}
