#include "RegExpTestSupport.h"

#include "Cp932.h"
#include "REParser.h"
#include "RE_NFA.h"

#include <gtest/gtest.h>

std::unique_ptr<TRE_DFA> CompilePattern(const std::string& Pattern)
{
    TREParser parser(Pattern);
    parser.Run();
    TRE_NFA nfa(parser.Tree(), static_cast<int>(Pattern.size()));
    nfa.Run();
    return std::make_unique<TRE_DFA>(nfa);
}

std::optional<CompileFailure> CompileError(const std::string& Pattern)
{
    try {
        CompilePattern(Pattern);
    } catch (const ERegExpParser& error) {
        return CompileFailure{error.Message(), error.ErrorPos()};
    }
    return std::nullopt;
}

namespace {

std::string DescribeNode(const TREParseTree& Tree, int Index)
{
    const TRENode& node = Tree.Node(Index);
    auto list = [&](const char* Name) {
        std::string text = Name;
        text += '(';
        bool first = true;
        for (const int child : Tree.Children(Index)) {
            if (!first)
                text += ',';
            text += DescribeNode(Tree, child);
            first = false;
        }
        return text + ')';
    };
    switch (node.Kind) {
    case nkChar:
        if (node.Range.Low == node.Range.High && node.Range.Low > ' ' && node.Range.Low < 0x7F)
            return std::string(1, static_cast<char>(node.Range.Low));
        {
            char text[32];
            std::snprintf(text, sizeof text, "[%x-%x]", node.Range.Low, node.Range.High);
            return text;
        }
    case nkLineHead:
        return "head";
    case nkLineTail:
        return "tail";
    case nkConcat:
        return list("concat");
    case nkUnion:
        return list("union");
    case nkStar:
        return list("star");
    case nkEmpty:
        return "empty";
    }
    return "?";
}

} // namespace

std::string Describe(const TREParseTree& Tree) { return DescribeNode(Tree, Tree.Root()); }
