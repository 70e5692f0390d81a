// The parse tree of a pattern. Concatenations and alternations hold all
// their operands in one node, so a long pattern makes a wide tree, never a
// deep one; "+" shares its operand between the two places that use it.
#pragma once

#include "RegExpChars.h"

#include <cstdint>
#include <span>
#include <vector>

enum TNodeKind : uint8_t { nkChar, nkLineHead, nkLineTail, nkConcat, nkUnion, nkStar, nkEmpty };

struct TRENode {
    TNodeKind Kind;
    // nkChar: the codes it matches. nkLineHead, nkLineTail: the character
    // written ("^" or "$"), which it matches where it is no anchor.
    re::TCodeRange Range;
    // nkConcat and nkUnion: the operands; nkStar: the one operand.
    uint32_t FirstChild;
    uint32_t ChildCount;
};

class TREParseTree {
public:
    int Root() const { return Root_; }
    void SetRoot(int Node) { Root_ = Node; }
    const TRENode& Node(int Index) const { return Nodes_[Index]; }
    std::span<const int> Children(int Index) const;

    int AddChar(re::TCodeRange Range) { return Add({nkChar, Range, 0, 0}); }
    int AddLine(TNodeKind Kind, uint16_t Written) { return Add({Kind, {Written, Written}, 0, 0}); }
    int AddEmpty() { return Add({nkEmpty, {0, 0}, 0, 0}); }
    int AddStar(int Operand) { return AddList(nkStar, {&Operand, 1}); }
    // A concatenation or alternation of Operands; a single operand stands
    // for itself.
    int AddList(TNodeKind Kind, std::span<const int> Operands);

    // The ranges every character node and every "^" or "$" may match.
    std::vector<re::TCodeRange> CharRanges() const;

private:
    int Add(const TRENode& Node);

    std::vector<TRENode> Nodes_;
    std::vector<int> Children_;
    int Root_ = -1;
};
