#include "PageList.h"

#include "NodeData.h"
#include "TreeNodes.h"

#include <algorithm>

namespace {

// The depth each page is placed at: checked and cut by the policy before
// the tree is touched.
std::vector<int> PlacedDepths(const TFlatPages& Pages, TDepthPolicy Policy)
{
    std::vector<int> depths;
    depths.reserve(Pages.size());
    const int base = Policy == TDepthPolicy::ChildOfPrevious && !Pages.empty() ? Pages.front().Depth : 0;
    for (size_t i = 0; i < Pages.size(); ++i) {
        const int wanted = Pages[i].Depth - base;
        const int deepest = depths.empty() ? 0 : depths.back() + 1;
        if (Policy == TDepthPolicy::Strict && (wanted < 0 || wanted > deepest))
            throw EPageDepth(Format("%zu ページ目の階層 %d が正しくありません。", i + 1, Pages[i].Depth));
        depths.push_back(std::clamp(wanted, 0, deepest));
    }
    return depths;
}

} // namespace

TTreeNode* BuildTree(TTreeNodes& Nodes, const TFlatPages& Pages, TDepthPolicy Policy)
{
    const std::vector<int> depths = PlacedDepths(Pages, Policy);
    TTreeNode* first = nullptr;
    WithinUpdate(Nodes, [&] {
        // The last node placed at each depth: a page's parent is the last
        // one placed one level above it.
        std::vector<TTreeNode*> lastAt;
        for (size_t i = 0; i < Pages.size(); ++i) {
            const TFlatPage& page = Pages[i];
            const auto depth = static_cast<size_t>(depths[i]);
            lastAt.resize(depth + 1);
            TTreeNode* node =
                depth == 0 ? Nodes.Add(nullptr, page.Title) : Nodes.AddChild(lastAt[depth - 1], page.Title);
            auto data = std::make_unique<TNodeData>();
            data->SetItemStr(page.Text);
            data->SetSelStart(page.SelStart);
            node->SetData(std::move(data));
            node->SetStateIndex(page.SubIcon);
            lastAt[depth] = node;
            if (first == nullptr)
                first = node;
        }
    });
    return first;
}

TFlatPages FlattenTree(const TTreeNodes& Nodes)
{
    const TPageViews views = ViewTree(Nodes);
    TFlatPages pages;
    pages.reserve(views.size());
    for (const TPageView& view : views)
        pages.push_back({view.Depth, std::string(view.Title), std::string(view.Text), view.SelStart, view.SubIcon});
    return pages;
}

TPageViews ViewTree(const TTreeNodes& Nodes)
{
    TPageViews pages;
    pages.reserve(static_cast<size_t>(Nodes.Count()));
    for (TTreeNode* node = Nodes.GetFirstNode(); node != nullptr; node = node->GetNext()) {
        TPageView page{node->Level(), node->Text(), {}, 0, node->StateIndex()};
        if (const auto* data = dynamic_cast<const TNodeData*>(node->Data())) {
            page.Text = data->ItemStr();
            page.SelStart = data->SelStart();
        }
        pages.push_back(page);
    }
    return pages;
}

TPageViews ViewPages(std::span<const TFlatPage> Pages)
{
    TPageViews views;
    views.reserve(Pages.size());
    for (const TFlatPage& page : Pages)
        views.push_back({page.Depth, page.Title, page.Text, page.SelStart, page.SubIcon});
    return views;
}
