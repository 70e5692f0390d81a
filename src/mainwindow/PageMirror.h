// Entries of a tree view that stand for pages of the page tree: the
// browse view's tree and the sub-icon finder's list. Each entry knows the
// page node it stands for; when a page is deleted its entry goes with it,
// so that no entry ever leads to a freed node.
#pragma once

#include <string>
#include <unordered_map>

class TTreeNode;
class TTreeNodes;
class TTreeView;

class TPageMirror {
public:
    explicit TPageMirror(TTreeView& View) : View_(View) {}

    // The view's entries become a copy of Pages: titles, pictures,
    // sub-icons and open folders.
    void CopyTree(const TTreeNodes& Pages);
    // An entry at the end of the top level standing for Page.
    TTreeNode* AddEntry(TTreeNode* Page, const std::string& Title);
    void Clear();
    // Null for an entry that stands for no page.
    TTreeNode* PageOf(const TTreeNode* Entry) const;
    TTreeNode* EntryOf(const TTreeNode* Page) const;
    // Page is being deleted (its children first): its entry goes.
    void PageDeleted(const TTreeNode* Page);

private:
    void Map(TTreeNode* Entry, TTreeNode* Page);

    TTreeView& View_;
    std::unordered_map<const TTreeNode*, TTreeNode*> PageOfEntry_;
    std::unordered_map<const TTreeNode*, TTreeNode*> EntryOfPage_;
};
