#include "NodeData.h"

void TNodeData::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const TNodeData*>(Source)) {
        Level_ = source->Level_;
        Text_ = source->Text_;
        ItemStr_ = source->ItemStr_;
        SelStart_ = source->SelStart_;
        SelLength_ = source->SelLength_;
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
