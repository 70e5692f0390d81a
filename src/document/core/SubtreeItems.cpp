#include "SubtreeItems.h"

#include "NodeData.h"
#include "PageTitle.h"
#include "TreeNodes.h"
#include "Vk2Codec.h"

#include <cstdint>

TNodeData& NodeRecord(TTreeNode& Node)
{
    if (auto* data = dynamic_cast<TNodeData*>(Node.Data()))
        return *data;
    auto made = std::make_unique<TNodeData>();
    TNodeData& data = *made;
    Node.SetData(std::move(made));
    return data;
}

TTreeNode* NodeAfterSubtree(const TTreeNode& Node)
{
    for (const TTreeNode* node = &Node; node != nullptr; node = node->Parent())
        if (TTreeNode* next = node->getNextSibling())
            return next;
    return nullptr;
}

std::vector<TSubtreeItem> AddSubtreeItems(TTreeNode& Node)
{
    std::vector<TSubtreeItem> items;
    const TTreeNode* end = NodeAfterSubtree(Node);
    // In tree order a node is the previous one's first child, or the next
    // sibling of it or of one of its ancestors: its depth follows without
    // walking up to the root.
    int depth = Node.Level();
    const TTreeNode* previous = nullptr;
    for (TTreeNode* node = &Node; node != end; previous = node, node = node->GetNext()) {
        if (previous != nullptr && node->Parent() == previous)
            ++depth;
        else if (previous != nullptr)
            for (const TTreeNode* up = previous; up->getNextSibling() != node; up = up->Parent())
                --depth;
        TNodeData& data = NodeRecord(*node);
        data.SetLevel(depth);
        data.SetText(node->Text());
        data.SetSelLength(node->StateIndex());
        items.push_back({depth, data.Text(), data.ItemStr(), data.SelStart(), data.SelLength()});
    }
    return items;
}

TTreeNode* RebuildSubtree(TTreeNodes& Nodes, TTreeNode* Selected, TFlatPages&& Pages)
{
    if (Pages.empty())
        return nullptr;
    TTreeNode* first = nullptr;
    WithinUpdate(Nodes, [&] {
        TTreeNode* current = nullptr;
        int64_t previousLevel = 0;
        for (TFlatPage& page : Pages) {
            // Pages copied here carry their own titles; a title that another
            // program's copy gives and the text does not would be saved into
            // a document the reader refuses.
            if (!TitleAgreesWithText(page.Title, page.Text))
                page.Title = PageTitle(page.Text);
            TTreeNode* node;
            if (current == nullptr) {
                TTreeNode* next = Selected != nullptr ? Selected->getNextSibling() : nullptr;
                node = next != nullptr ? Nodes.Insert(next, page.Title) : Nodes.Add(Selected, page.Title);
            } else {
                if (page.Depth <= previousLevel)
                    for (int64_t up = previousLevel - page.Depth + 1; up > 0 && current != nullptr; --up)
                        current = current->Parent();
                node = Nodes.AddChild(current, page.Title);
            }
            auto data = std::make_unique<TNodeData>();
            data->SetLevel(page.Depth);
            data->SetText(page.Title);
            data->SetItemStr(std::move(page.Text));
            data->SetSelStart(page.SelStart);
            data->SetSelLength(page.SubIcon);
            node->SetData(std::move(data));
            node->SetStateIndex(page.SubIcon);
            current = node;
            previousLevel = page.Depth;
            if (first == nullptr)
                first = node;
        }
    });
    return first;
}
