#include "PageMirror.h"

#include "TreeView.h"

#include <vector>

void TPageMirror::Map(TTreeNode* Entry, TTreeNode* Page)
{
    PageOfEntry_[Entry] = Page;
    EntryOfPage_[Page] = Entry;
}

void TPageMirror::CopyTree(const TTreeNodes& Pages)
{
    Clear();
    TTreeNodes& entries = View_.Items();
    entries.BeginUpdate();
    PageOfEntry_.reserve(static_cast<size_t>(Pages.Count()));
    EntryOfPage_.reserve(static_cast<size_t>(Pages.Count()));
    // The entry of each page's parent, by the page's level.
    std::vector<TTreeNode*> parents;
    std::vector<TTreeNode*> expanded;
    for (TTreeNode* page = Pages.GetFirstNode(); page != nullptr; page = page->GetNext()) {
        const size_t level = static_cast<size_t>(page->Level());
        parents.resize(level);
        TTreeNode* entry = entries.AddChild(level == 0 ? nullptr : parents.back(), page->Text());
        entry->SetStateIndex(page->StateIndex());
        entry->SetImageIndex(page->ImageIndex());
        entry->SetSelectedIndex(page->SelectedIndex());
        if (page->Expanded())
            expanded.push_back(entry);
        Map(entry, page);
        parents.push_back(entry);
    }
    for (TTreeNode* entry : expanded)
        entry->SetExpanded(true);
    entries.EndUpdate();
}

TTreeNode* TPageMirror::AddEntry(TTreeNode* Page, const std::string& Title)
{
    TTreeNode* entry = View_.Items().AddChild(nullptr, Title);
    Map(entry, Page);
    return entry;
}

void TPageMirror::Clear()
{
    PageOfEntry_.clear();
    EntryOfPage_.clear();
    View_.Items().Clear();
}

TTreeNode* TPageMirror::PageOf(const TTreeNode* Entry) const
{
    const auto found = PageOfEntry_.find(Entry);
    return found != PageOfEntry_.end() ? found->second : nullptr;
}

TTreeNode* TPageMirror::EntryOf(const TTreeNode* Page) const
{
    const auto found = EntryOfPage_.find(Page);
    return found != EntryOfPage_.end() ? found->second : nullptr;
}

void TPageMirror::PageDeleted(const TTreeNode* Page)
{
    const auto found = EntryOfPage_.find(Page);
    if (found == EntryOfPage_.end())
        return;
    TTreeNode* entry = found->second;
    EntryOfPage_.erase(found);
    PageOfEntry_.erase(entry);
    // Its children's entries went before it, with their pages.
    View_.Items().Delete(entry);
}
