#include "Collection.h"

#include "SysUtils.h"

#include <algorithm>

TCollectionItem::~TCollectionItem()
{
    if (Collection_ && Index() >= 0)
        Collection_->RemoveItem(this);
}

int TCollectionItem::Index() const
{
    if (!Collection_)
        return -1;
    const auto& items = Collection_->Items_;
    const auto it = std::find(items.begin(), items.end(), this);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int Value)
{
    const int current = Index();
    if (current < 0 || Value == current)
        return;
    auto& items = Collection_->Items_;
    if (Value < 0 || Value >= static_cast<int>(items.size()))
        RaiseListIndexError(Value);
    items.erase(items.begin() + current);
    items.insert(items.begin() + Value, this);
    Changed(true);
}

void TCollectionItem::Changed(bool AllItems)
{
    if (Collection_ && Collection_->UpdateCount_ == 0)
        Collection_->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const { return Collection_; }

TCollection::~TCollection()
{
    // No notifications while the collection is going away.
    UpdateCount_ = 1;
    Clear();
}

TCollectionItem* TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        RaiseListIndexError(Index);
    return Items_[Index];
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int Index)
{
    if (Index < 0 || Index > Count())
        RaiseListIndexError(Index);
    TCollectionItem* item = ItemClass_(this);
    InsertItem(item, Index);
    return item;
}

void TCollection::InsertItem(TCollectionItem* Item, int Index)
{
    Items_.insert(Items_.begin() + Index, Item);
    Item->Collection_ = this;
    Item->ID_ = NextID_++;
    Notify(Item, TCollectionNotification::cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    Notify(Item, TCollectionNotification::cnExtracting);
    Items_.erase(std::remove(Items_.begin(), Items_.end(), Item), Items_.end());
    Item->Collection_ = nullptr;
    Changed();
}

void TCollection::Delete(int Index)
{
    TCollectionItem* item = Items(Index);
    Notify(item, TCollectionNotification::cnDeleting);
    delete item;
}

void TCollection::Clear()
{
    if (Items_.empty())
        return;
    BeginUpdate();
    while (!Items_.empty())
        delete Items_.back();
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (TCollectionItem* item : Items_)
        if (item->ID_ == ID)
            return item;
    return nullptr;
}

void TCollection::BeginUpdate() { ++UpdateCount_; }

void TCollection::EndUpdate()
{
    if (UpdateCount_ == 0)
        return;
    --UpdateCount_;
    Changed();
}

void TCollection::Changed()
{
    if (UpdateCount_ == 0)
        Update(nullptr);
}

void TCollection::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TCollection*>(Source)) {
        if (source == this)
            return;
        WithinUpdate(*this, [&] {
            Clear();
            for (TCollectionItem* item : source->Items_)
                Add()->Assign(item);
        });
        return;
    }
    TPersistent::Assign(Source);
}
