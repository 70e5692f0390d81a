#include "OutlineWalk.h"

#include "NodeData.h"
#include "TreeNodes.h"

#include <algorithm>
#include <array>
#include <charconv>

std::string_view StoredText(const TTreeNode& Node)
{
    const auto* data = dynamic_cast<const TNodeData*>(Node.Data());
    return data ? std::string_view(data->ItemStr()) : std::string_view();
}

size_t StoredBytes(const TTreeNode* First, const TTreeNode* End)
{
    size_t bytes = 0;
    for (const TTreeNode* node = First; node != End; node = node->GetNext())
        bytes += StoredText(*node).size();
    return bytes;
}

const TTreeNode* AfterSubtree(const TTreeNode& Node)
{
    for (const TTreeNode* node = &Node; node != nullptr; node = node->Parent())
        if (TTreeNode* next = node->getNextSibling())
            return next;
    return nullptr;
}

namespace {

class TOutlineCounters {
public:
    // The number of the next page at Level.
    std::string_view Next(int Level)
    {
        const auto level = static_cast<size_t>(Level);
        if (Level < Last_)
            std::fill(Counts_.begin() + static_cast<std::ptrdiff_t>(level) + 1, Counts_.end(), 0);
        Last_ = Level;
        ++Counts_[level];
        Text_.clear();
        for (const int count : Counts_) {
            if (count <= 0)
                continue;
            char digits[16];
            const auto end = std::to_chars(digits, digits + sizeof digits, count).ptr;
            Text_.append(digits, end);
            Text_ += '.';
        }
        Text_.back() = ' ';
        return Text_;
    }

private:
    std::array<int, MaxOutlineLevel + 1> Counts_{};
    int Last_ = -1;
    std::string Text_;
};

} // namespace

void ForEachOutlinePage(const TTreeNodes& Nodes, const TTreeNode* Top, int MaxLevel,
                        const std::function<void(const TOutlinePage&)>& Visit)
{
    const TTreeNode* node = Top ? Top : Nodes.GetFirstNode();
    const TTreeNode* end = Top ? AfterSubtree(*Top) : nullptr;
    const int base = Top ? Top->Level() : 0;
    TOutlineCounters counters;
    while (node != end) {
        const int level = node->Level() - base;
        // A page never stored has no text to give, and its descendants
        // would stand under no title.
        if (level > MaxLevel || !dynamic_cast<const TNodeData*>(node->Data())) {
            node = AfterSubtree(*node);
            continue;
        }
        // Levels beyond the counters are written unnumbered.
        const bool numbered = !(Top && node == Top) && level <= MaxOutlineLevel;
        Visit({node, level, numbered ? counters.Next(level) : std::string_view()});
        node = node->GetNext();
    }
}
