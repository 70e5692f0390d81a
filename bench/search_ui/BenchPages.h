// The outline the search benchmarks walk: Count pages of about 2 KB of
// mixed Japanese and ASCII text, every HitEvery-th holding "foo" once, the
// first one selected.
#pragma once

#include "Cp932.h"
#include "NodeData.h"
#include "TreeView.h"

#include <memory>
#include <string>

namespace bench {

inline void FillSearchPages(TTreeView& Tree, int Count, int HitEvery)
{
    const std::string line = Utf8ToSjis("今日はいい天気です。ファイルを開きます。abc 123\r\n");
    for (int i = 0; i < Count; ++i) {
        std::string text = "page " + std::to_string(i) + "\r\n";
        while (text.size() < 2000)
            text += line;
        if (i % HitEvery == 0)
            text += "foo";
        TTreeNode* node = Tree.Items().Add(nullptr, "page");
        auto data = std::make_unique<TNodeData>();
        data->SetItemStr(text);
        node->SetData(std::move(data));
    }
    Tree.SetSelected(Tree.Items().Item(0));
}

} // namespace bench
