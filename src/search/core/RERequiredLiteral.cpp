#include "RERequiredLiteral.h"

namespace {

// What every match of a node holds: Prefix at its start, Suffix at its
// end and Longest somewhere. Exact when every match is that very text
// (and then all three are it).
struct TLiteralInfo {
    bool Exact = false;
    std::string Prefix;
    std::string Suffix;
    std::string Longest;
};

TLiteralInfo ExactInfo(const std::string& Text) { return {true, Text, Text, Text}; }

void KeepLonger(std::string& Longest, const std::string& Run)
{
    if (Run.size() > Longest.size())
        Longest = Run;
}

TLiteralInfo InfoOf(const TREParseTree& Tree, int Index);

// Operands side by side: a run goes on through exact operands and joins
// the end of one operand to the start of the next.
TLiteralInfo ConcatInfo(const TREParseTree& Tree, int Index)
{
    TLiteralInfo info;
    bool exact = true;
    std::string run;
    for (const int child : Tree.Children(Index)) {
        TLiteralInfo part = InfoOf(Tree, child);
        run += part.Prefix;
        if (part.Exact)
            continue;
        KeepLonger(info.Longest, run);
        KeepLonger(info.Longest, part.Longest);
        if (exact)
            info.Prefix = run;
        exact = false;
        run = std::move(part.Suffix);
    }
    if (exact)
        return ExactInfo(run);
    KeepLonger(info.Longest, run);
    info.Suffix = std::move(run);
    return info;
}

TLiteralInfo InfoOf(const TREParseTree& Tree, int Index)
{
    const TRENode& node = Tree.Node(Index);
    switch (node.Kind) {
    case nkChar:
        if (node.Range.Low != node.Range.High || node.Range.Low == '\r' || node.Range.Low == '\n')
            return {};
        return ExactInfo(re::RECharToStr(node.Range.Low));
    case nkEmpty: return ExactInfo({});
    case nkConcat: return ConcatInfo(Tree, Index);
    default:
        // Alternations and repeats hold nothing certain; "^" and "$" may
        // match a character or none.
        return {};
    }
}

} // namespace

std::string RequiredLiteral(const TREParseTree& Tree)
{
    return Tree.Root() < 0 ? std::string() : InfoOf(Tree, Tree.Root()).Longest;
}
