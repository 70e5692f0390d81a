#include "PageHistory.h"

#include <algorithm>

void TPageHistory::Push(TNodeList& List, TTreeNode* Node) const
{
    const bool duplicate =
        KeepUnique_ ? std::find(List.begin(), List.end(), Node) != List.end() : !List.empty() && List.back() == Node;
    if (!duplicate)
        List.push_back(Node);
}

void TPageHistory::PageLeft(TTreeNode* Old, TTreeNode* NewNode)
{
    // The return node is forgotten once its selection has come, so that a
    // later page that happens to be at the same address is recorded.
    const bool returning = NewNode != nullptr && NewNode == ReturnNode_;
    ReturnNode_ = nullptr;
    if (Old == nullptr || returning || SkipPageHistory_)
        return;
    Push(BackList_, Old);
    if (BackList_.size() > static_cast<size_t>(MaxBackEntries))
        BackList_.erase(BackList_.begin(), BackList_.end() - MaxBackEntries);
    ForwardList_.clear();
}

TTreeNode* TPageHistory::Back(int Depth, TTreeNode* Current) { return Step(BackList_, ForwardList_, Depth, Current); }

TTreeNode* TPageHistory::Forward(int Depth, TTreeNode* Current)
{
    return Step(ForwardList_, BackList_, Depth, Current);
}

TTreeNode* TPageHistory::Step(TNodeList& From, TNodeList& To, int Depth, TTreeNode* Current)
{
    if (From.empty() || (Depth >= 0 && static_cast<size_t>(Depth) >= From.size()))
        return nullptr;
    if (Current != nullptr)
        Push(To, Current);
    if (Depth >= 0) {
        // The pages stepped over go across newest first, so that stepping
        // the other way meets them in the order they were left.
        while (From.size() > static_cast<size_t>(Depth) + 1) {
            To.push_back(From.back());
            From.pop_back();
        }
    }
    ReturnNode_ = From.back();
    From.pop_back();
    return ReturnNode_;
}

void TPageHistory::Remove(TTreeNode* Node)
{
    std::erase(BackList_, Node);
    std::erase(ForwardList_, Node);
    if (ReturnNode_ == Node)
        ReturnNode_ = nullptr;
}

void TPageHistory::Clear()
{
    BackList_.clear();
    ForwardList_.clear();
    ReturnNode_ = nullptr;
}
