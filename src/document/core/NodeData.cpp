#include "NodeData.h"

#include <utility>

void TNodeData::StoreUnstored() const
{
    if (Unstored_ == nullptr)
        return;
    IUnstoredPage* source = std::exchange(Unstored_, nullptr);
    source->StoreInto(*this, ItemStr_, SelStart_);
    SelLength_ = 0;
}

void TNodeData::DropUnstored()
{
    if (IUnstoredPage* source = std::exchange(Unstored_, nullptr))
        source->Forget(*this);
}

void TNodeData::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const TNodeData*>(Source)) {
        if (source == this)
            return;
        DropUnstored();
        Level_ = source->Level_;
        Text_ = source->Text_;
        ItemStr_ = source->ItemStr();
        SelStart_ = source->SelStart();
        SelLength_ = source->SelLength();
        return;
    }
    TPersistent::Assign(Source);
}

TNodeDataItem::TNodeDataItem(TCollection* Collection) : TCollectionItem(Collection) {}

void TNodeDataItem::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const TNodeDataItem*>(Source)) {
        NodeData_->Assign(source->NodeData());
        return;
    }
    TCollectionItem::Assign(Source);
}
