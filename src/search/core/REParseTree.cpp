#include "REParseTree.h"

std::span<const int> TREParseTree::Children(int Index) const
{
    const TRENode& node = Nodes_[Index];
    return {Children_.data() + node.FirstChild, node.ChildCount};
}

int TREParseTree::Add(const TRENode& Node)
{
    Nodes_.push_back(Node);
    return static_cast<int>(Nodes_.size() - 1);
}

int TREParseTree::AddList(TNodeKind Kind, std::span<const int> Operands)
{
    if (Operands.size() == 1 && Kind != nkStar)
        return Operands.front();
    const auto first = static_cast<uint32_t>(Children_.size());
    Children_.insert(Children_.end(), Operands.begin(), Operands.end());
    return Add({Kind, {0, 0}, first, static_cast<uint32_t>(Operands.size())});
}

std::vector<re::TCodeRange> TREParseTree::CharRanges() const
{
    std::vector<re::TCodeRange> ranges;
    for (const TRENode& node : Nodes_)
        if (node.Kind == nkChar || node.Kind == nkLineHead || node.Kind == nkLineTail)
            ranges.push_back(node.Range);
    return ranges;
}
