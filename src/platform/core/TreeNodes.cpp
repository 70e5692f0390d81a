#include "TreeNodes.h"

#include "Cp932.h"

#include <algorithm>

namespace {

// The nodes of Node's subtree in tree order, Node first. Iterative, so a
// very deep tree cannot overflow the stack.
std::vector<TTreeNode*> SubtreeOf(TTreeNode* Node)
{
    std::vector<TTreeNode*> nodes;
    std::vector<TTreeNode*> pending{Node};
    while (!pending.empty()) {
        TTreeNode* node = pending.back();
        pending.pop_back();
        nodes.push_back(node);
        for (int i = node->Count() - 1; i >= 0; --i)
            pending.push_back(node->Item(i));
    }
    return nodes;
}

} // namespace

// ---- TTreeNode -------------------------------------------------------------

TTreeNode::TTreeNode(TTreeNodes* Owner, std::string Text) : Owner_(Owner), Text_(std::move(Text)) {}

// Children are freed by the owner, iteratively; a node frees its data only.
TTreeNode::~TTreeNode() = default;

void TTreeNode::SetText(const std::string& Value)
{
    if (Text_ == Value)
        return;
    Text_ = Value;
    DisplayText_.reset();
    Owner_->NodeChanged(this);
}

const std::u16string& TTreeNode::DisplayText() const
{
    if (!DisplayText_)
        DisplayText_ = std::make_unique<std::u16string>(SjisToUtf16(Text_));
    return *DisplayText_;
}

void TTreeNode::SetStateIndex(int Value)
{
    if (StateIndex_ == Value)
        return;
    StateIndex_ = Value;
    Owner_->NodeChanged(this);
}

void TTreeNode::SetImageIndex(int Value)
{
    if (ImageIndex_ == Value)
        return;
    ImageIndex_ = Value;
    Owner_->NodeChanged(this);
}

void TTreeNode::SetSelectedIndex(int Value)
{
    if (SelectedIndex_ == Value)
        return;
    SelectedIndex_ = Value;
    Owner_->NodeChanged(this);
}

void TTreeNode::SetExpanded(bool Value)
{
    if (Expanded_ == Value || (Value && Children_.empty()))
        return;
    Expanded_ = Value;
    Owner_->ExpandedChanged(this);
    // The selection never stays hidden inside a closed node: it moves up.
    TTreeNode* selected = Owner_->Selected();
    if (!Value && selected && selected->HasAsParent(this))
        Owner_->SetSelected(this);
}

void TTreeNode::Expand(bool Recurse)
{
    if (!Recurse) {
        SetExpanded(true);
        return;
    }
    for (TTreeNode* node : SubtreeOf(this))
        node->SetExpanded(true);
}

void TTreeNode::Collapse(bool Recurse)
{
    if (!Recurse) {
        SetExpanded(false);
        return;
    }
    for (TTreeNode* node : SubtreeOf(this))
        node->SetExpanded(false);
}

TTreeNode* TTreeNode::Parent() const { return Owner_->ParentOf(this); }

TTreeNode* TTreeNode::GetFirstChild() const { return Children_.empty() ? nullptr : Children_.front(); }

TTreeNode* TTreeNode::GetLastChild() const { return Children_.empty() ? nullptr : Children_.back(); }

TTreeNode* TTreeNode::getNextSibling() const
{
    if (!Parent_ || Index_ + 1 >= Parent_->Count())
        return nullptr;
    return Parent_->Children_[static_cast<size_t>(Index_ + 1)];
}

TTreeNode* TTreeNode::getPrevSibling() const
{
    if (!Parent_ || Index_ == 0)
        return nullptr;
    return Parent_->Children_[static_cast<size_t>(Index_ - 1)];
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!Children_.empty())
        return Children_.front();
    for (const TTreeNode* node = this; node->Parent_; node = node->Parent_)
        if (TTreeNode* sibling = node->getNextSibling())
            return sibling;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const
{
    TTreeNode* node = getPrevSibling();
    if (!node)
        return Parent();
    while (node->HasChildren())
        node = node->Children_.back();
    return node;
}

TTreeNode* TTreeNode::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        RaiseListIndexError(Index);
    return Children_[static_cast<size_t>(Index)];
}

int TTreeNode::AbsoluteIndex() const
{
    Owner_->BuildOrder();
    return AbsoluteIndex_;
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* node = Parent(); node; node = node->Parent())
        ++level;
    return level;
}

bool TTreeNode::HasAsParent(const TTreeNode* Node) const
{
    if (!Node)
        return false;
    for (const TTreeNode* node = Parent(); node; node = node->Parent())
        if (node == Node)
            return true;
    return false;
}

void TTreeNode::MoveTo(TTreeNode* Destination, TNodeAttachMode Mode) { Owner_->MoveNode(this, Destination, Mode); }

void TTreeNode::Delete() { Owner_->Delete(this); }

void TTreeNode::DeleteChildren() { Owner_->DeleteChildren(this); }

bool TTreeNode::Selected() const { return Owner_->Selected() == this; }

// ---- TTreeNodes ------------------------------------------------------------

TTreeNodes::TTreeNodes() : Root_(new TTreeNode(this, {})) {}

TTreeNodes::~TTreeNodes()
{
    // The pool's blocks go with the pool; only the nodes' own parts are freed.
    for (TTreeNode* node : SubtreeOf(Root()))
        if (node != Root())
            node->~TTreeNode();
}

template <typename TCall>
void TTreeNodes::Notify(TCall&& Call)
{
    if (UpdateCount_ > 0)
        return;
    for (TTreeNodesObserver* observer : Observers_)
        Call(*observer);
}

void TTreeNodes::Renumber(TTreeNode* Parent, int First)
{
    for (size_t i = static_cast<size_t>(First); i < Parent->Children_.size(); ++i)
        Parent->Children_[i]->Index_ = static_cast<int>(i);
}

TTreeNode* TTreeNodes::ParentOf(const TTreeNode* Node) const
{
    return Node->Parent_ == Root() ? nullptr : Node->Parent_;
}

void TTreeNodes::CheckOwned(const TTreeNode* Node) const
{
    if (Node && Node->Owner_ != this)
        throw EInvalidOperation("別のツリーの項目は扱えません");
}

TTreeNode* TTreeNodes::Item(int AbsoluteIndex) const
{
    if (AbsoluteIndex < 0 || AbsoluteIndex >= Count_)
        RaiseListIndexError(AbsoluteIndex);
    BuildOrder();
    return Order_[static_cast<size_t>(AbsoluteIndex)];
}

TTreeNode* TTreeNodes::GetFirstNode() const { return Root()->GetFirstChild(); }

int TTreeNodes::TopLevelCount() const { return Root()->Count(); }

TTreeNode* TTreeNodes::TopLevelItem(int Index) const { return Root()->Item(Index); }

void TTreeNodes::BuildOrder() const
{
    if (OrderValid_)
        return;
    Order_.clear();
    Order_.reserve(static_cast<size_t>(Count_));
    for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext()) {
        node->AbsoluteIndex_ = static_cast<int>(Order_.size());
        Order_.push_back(node);
    }
    OrderValid_ = true;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const std::string& Text)
{
    CheckOwned(Sibling);
    TTreeNode* parent = Sibling ? Sibling->Parent_ : Root();
    return InsertNode(parent, parent->Count(), Text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const std::string& Text)
{
    CheckOwned(Sibling);
    return InsertNode(Sibling ? Sibling->Parent_ : Root(), 0, Text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const std::string& Text)
{
    CheckOwned(Parent);
    TTreeNode* parent = NodeOrRoot(Parent);
    return InsertNode(parent, parent->Count(), Text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const std::string& Text)
{
    CheckOwned(Parent);
    return InsertNode(NodeOrRoot(Parent), 0, Text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const std::string& Text)
{
    CheckOwned(Sibling);
    if (!Sibling)
        return InsertNode(Root(), Root()->Count(), Text);
    return InsertNode(Sibling->Parent_, Sibling->Index_, Text);
}

TTreeNode* TTreeNodes::InsertNode(TTreeNode* Parent, int Row, const std::string& Text)
{
    // Everything that may fail comes first: once observers hear of the
    // insertion it must happen.
    std::vector<TTreeNode*>& children = Parent->Children_;
    if (children.size() == children.capacity())
        children.reserve(std::max<size_t>(4, 2 * children.capacity()));
    void* place = Pool_.Allocate();
    TTreeNode* result;
    try {
        result = new (place) TTreeNode(this, Text);
    } catch (...) {
        Pool_.Release(place);
        throw;
    }
    result->Parent_ = Parent;
    Notify([&](TTreeNodesObserver& O) { O.NodesInserting(ParentOf(result), Row, Row); });
    children.insert(children.begin() + Row, result);
    Renumber(Parent, Row);
    ++Count_;
    StructureChanged();
    Notify([](TTreeNodesObserver& O) { O.NodesInserted(); });
    return result;
}

void TTreeNodes::MoveNode(TTreeNode* Node, TTreeNode* Destination, TNodeAttachMode Mode)
{
    CheckOwned(Destination);
    if (Destination && (Destination == Node || Destination->HasAsParent(Node)))
        throw EInvalidOperation("項目をそれ自身の下へは移動できません");
    TTreeNode* parent = nullptr;
    int row = 0;
    switch (Mode) {
    case TNodeAttachMode::naAdd:
        parent = Destination ? Destination->Parent_ : Root();
        row = parent->Count();
        break;
    case TNodeAttachMode::naAddFirst: parent = Destination ? Destination->Parent_ : Root(); break;
    case TNodeAttachMode::naAddChild:
        parent = NodeOrRoot(Destination);
        row = parent->Count();
        break;
    case TNodeAttachMode::naAddChildFirst: parent = NodeOrRoot(Destination); break;
    case TNodeAttachMode::naInsert:
        parent = Destination ? Destination->Parent_ : Root();
        row = Destination ? Destination->Index_ : parent->Count();
        break;
    }
    TTreeNode* oldParent = Node->Parent_;
    const int oldRow = Node->Index_;
    if (parent == oldParent && (row == oldRow || row == oldRow + 1))
        return;
    Notify([&](TTreeNodesObserver& O) { O.NodeMoving(Node, parent == Root() ? nullptr : parent, row); });
    oldParent->Children_.erase(oldParent->Children_.begin() + oldRow);
    Renumber(oldParent, oldRow);
    if (parent == oldParent && row > oldRow)
        --row;
    parent->Children_.insert(parent->Children_.begin() + row, Node);
    Node->Parent_ = parent;
    Renumber(parent, row);
    StructureChanged();
    Notify([&](TTreeNodesObserver& O) { O.NodeMoved(Node); });
    CollapseIfChildless(oldParent);
}

void TTreeNodes::Delete(TTreeNode* Node)
{
    if (!Node)
        return;
    CheckOwned(Node);
    MoveSelectionOff(Node);
    FireDeletion(Node);
    TTreeNode* parent = Node->Parent_;
    Notify([&](TTreeNodesObserver& O) { O.NodesRemoving(Node); });
    DetachAndFree(Node);
    Notify([](TTreeNodesObserver& O) { O.NodesRemoved(); });
    CollapseIfChildless(parent);
}

void TTreeNodes::DeleteChildren(TTreeNode* Node)
{
    // A selection among the children moves straight to Node, not from one
    // doomed sibling to the next.
    if (Selected_ && Selected_->HasAsParent(Node)) {
        Selected_ = nullptr;
        ChangeSelection(Node);
    }
    while (Node->HasChildren())
        Delete(Node->Children_.back());
}

void TTreeNodes::CollapseIfChildless(TTreeNode* Node)
{
    if (!Node->HasChildren())
        Node->SetExpanded(false);
}

void TTreeNodes::Clear()
{
    if (Count_ == 0)
        return;
    if (Selected_) {
        Selected_ = nullptr;
        ChangeSelection(nullptr);
    }
    for (TTreeNode* node : Root()->Children_)
        FireDeletion(node);
    Notify([](TTreeNodesObserver& O) { O.NodesResetting(); });
    while (Root()->HasChildren())
        DetachAndFree(Root()->Children_.back());
    Notify([](TTreeNodesObserver& O) { O.NodesReset(); });
}

void TTreeNodes::MoveSelectionOff(TTreeNode* Node)
{
    if (!Selected_ || (Selected_ != Node && !Selected_->HasAsParent(Node)))
        return;
    TTreeNode* next = Node->getNextSibling();
    if (!next)
        next = Node->getPrevSibling();
    if (!next)
        next = Node->Parent();
    Selected_ = nullptr;
    ChangeSelection(next);
}

void TTreeNodes::FireDeletion(TTreeNode* Node)
{
    if (!OnDeletion)
        return;
    const std::vector<TTreeNode*> nodes = SubtreeOf(Node);
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it)
        OnDeletion(*it);
}

void TTreeNodes::DetachAndFree(TTreeNode* Node)
{
    TTreeNode* parent = Node->Parent_;
    parent->Children_.erase(parent->Children_.begin() + Node->Index_);
    Renumber(parent, Node->Index_);
    const std::vector<TTreeNode*> nodes = SubtreeOf(Node);
    Count_ -= static_cast<int>(nodes.size());
    for (TTreeNode* node : nodes)
        FreeNode(node);
    StructureChanged();
}

void TTreeNodes::FreeNode(TTreeNode* Node)
{
    if (Node->Expanded())
        ExpandedNodes_.erase(Node);
    Node->~TTreeNode();
    Pool_.Release(Node);
}

void TTreeNodes::BeginUpdate()
{
    if (UpdateCount_++ == 0)
        for (TTreeNodesObserver* observer : Observers_)
            observer->NodesResetting();
}

void TTreeNodes::EndUpdate()
{
    if (UpdateCount_ == 0 || --UpdateCount_ > 0)
        return;
    for (TTreeNodesObserver* observer : Observers_)
        observer->NodesReset();
}

void TTreeNodes::CustomSort(const TTreeNodeCompare& Compare, bool Recurse)
{
    auto less = [&](const TTreeNode* A, const TTreeNode* B) {
        return Compare ? Compare(A, B) < 0 : A->Text() < B->Text();
    };
    Notify([](TTreeNodesObserver& O) { O.OrderChanging(); });
    std::vector<TTreeNode*> parents{Root()};
    while (!parents.empty()) {
        TTreeNode* parent = parents.back();
        parents.pop_back();
        std::stable_sort(parent->Children_.begin(), parent->Children_.end(), less);
        Renumber(parent, 0);
        if (Recurse)
            for (TTreeNode* child : parent->Children_)
                if (child->HasChildren())
                    parents.push_back(child);
    }
    StructureChanged();
    Notify([](TTreeNodesObserver& O) { O.OrderChanged(); });
}

std::string TTreeNodes::SaveToText() const
{
    std::string text;
    std::vector<std::pair<const TTreeNode*, size_t>> pending;
    for (int i = Root()->Count() - 1; i >= 0; --i)
        pending.emplace_back(Root()->Item(i), 0);
    while (!pending.empty()) {
        auto [node, level] = pending.back();
        pending.pop_back();
        text.append(level, '\t');
        text += node->Text();
        text += "\r\n";
        for (int i = node->Count() - 1; i >= 0; --i)
            pending.emplace_back(node->Item(i), level + 1);
    }
    return text;
}

void TTreeNodes::LoadFromText(const std::string& Text)
{
    struct TLine {
        size_t Level;
        std::string Title;
    };
    std::vector<TLine> lines;
    size_t pos = 0;
    while (pos < Text.size()) {
        size_t end = Text.find('\n', pos);
        if (end == std::string::npos)
            end = Text.size();
        size_t stop = end > pos && Text[end - 1] == '\r' ? end - 1 : end;
        size_t level = pos;
        while (level < stop && Text[level] == '\t')
            ++level;
        const size_t depth = level - pos;
        const size_t allowed = lines.empty() ? 0 : lines.back().Level + 1;
        if (depth > allowed)
            throw ETreeViewError(Format("%zu 行目の階層 (%zu) が不正です", lines.size() + 1, depth));
        lines.push_back({depth, Text.substr(level, stop - level)});
        pos = end + 1;
    }
    WithinUpdate(*this, [&] {
        Clear();
        std::vector<TTreeNode*> parents{Root()};
        for (const TLine& line : lines) {
            parents.resize(line.Level + 1);
            TTreeNode* parent = parents.back();
            parents.push_back(InsertNode(parent, parent->Count(), line.Title));
        }
    });
}

void TTreeNodes::SetSelected(TTreeNode* Node)
{
    CheckOwned(Node);
    if (Node == Selected_)
        return;
    ChangeSelection(Node);
}

void TTreeNodes::ChangeSelection(TTreeNode* Node)
{
    if (OnChanging)
        OnChanging(Node);
    Selected_ = Node;
    Notify([&](TTreeNodesObserver& O) { O.SelectionChanged(Node); });
    if (OnChange)
        OnChange(Node);
}

void TTreeNodes::NodeChanged(TTreeNode* Node)
{
    if (Node != Root())
        Notify([&](TTreeNodesObserver& O) { O.NodeChanged(Node); });
}

void TTreeNodes::ExpandedChanged(TTreeNode* Node)
{
    if (Node->Expanded())
        ExpandedNodes_.insert(Node);
    else
        ExpandedNodes_.erase(Node);
    if (Node != Root())
        Notify([&](TTreeNodesObserver& O) { O.NodeExpandedChanged(Node); });
}

void TTreeNodes::AddObserver(TTreeNodesObserver* Observer) { Observers_.push_back(Observer); }

void TTreeNodes::RemoveObserver(TTreeNodesObserver* Observer) { std::erase(Observers_, Observer); }
