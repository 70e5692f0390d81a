#include "FoundPageList.h"

#include "TreeNodes.h"

#include <algorithm>

void TFoundPageList::Assign(std::vector<TTreeNode*> Pages)
{
    Pages_ = std::move(Pages);
    Position_ = Pages_.empty() ? -1 : 0;
    Changed();
}

void TFoundPageList::Clear()
{
    if (Pages_.empty())
        return;
    Pages_.clear();
    Position_ = -1;
    Changed();
}

int TFoundPageList::Remove(const TTreeNode* Node)
{
    const auto found = std::find(Pages_.begin(), Pages_.end(), Node);
    if (found == Pages_.end())
        return -1;
    const int index = static_cast<int>(found - Pages_.begin());
    Pages_.erase(found);
    if (index < Position_ || Position_ == Count())
        --Position_;
    Changed();
    return index;
}

void TFoundPageList::SetPosition(int Index) { Position_ = Pages_.empty() ? -1 : std::clamp(Index, 0, Count() - 1); }

bool TFoundPageList::StandOn(const TTreeNode* Node)
{
    const auto found = std::find(Pages_.begin(), Pages_.end(), Node);
    if (found == Pages_.end())
        return false;
    Position_ = static_cast<int>(found - Pages_.begin());
    return true;
}

TTreeNode* TFoundPageList::Step(int Direction)
{
    if (Direction != 0 && Direction != 1)
        return nullptr;
    const int next = Position_ + (Direction == 1 ? 1 : -1);
    if (Pages_.empty() || next < 0 || next >= Count())
        return nullptr;
    Position_ = next;
    return Current();
}

void TFoundPageList::Changed()
{
    if (OnChange)
        OnChange();
}

std::vector<TTreeNode*> FindPages(TTreeNode* Start, int Scope, const std::function<bool(const TTreeNode&)>& HasHit,
                                  const std::function<bool()>& Stopped)
{
    std::vector<TTreeNode*> found;
    if (Start == nullptr)
        return found;
    // Scope 2 ends where Start's subtree does: at the next sibling of Start
    // or of its nearest ancestor that has one.
    const TTreeNode* end = nullptr;
    if (Scope == 2) {
        const TTreeNode* node = Start;
        while (node != nullptr && node->getNextSibling() == nullptr)
            node = node->Parent();
        end = node != nullptr ? node->getNextSibling() : nullptr;
    }
    for (TTreeNode* node = Start; node != end; node = node->GetNext()) {
        if (Stopped())
            break;
        if (HasHit(*node))
            found.push_back(node);
    }
    return found;
}
