#include "edClasses.h"

#include "SysUtils.h"

// ---- TFileExtComponent -----------------------------------------------------

TFileExtComponent::TFileExtComponent(TComponent* AOwner)
    : TStoreComponent(AOwner), FileExtList_(TFileExtComponent::CreateFileExtList())
{}

void TFileExtComponent::AfterConstruction() { InitFileExtList(); }

std::unique_ptr<TStringList> TFileExtComponent::CreateFileExtList() const
{
    auto list = std::make_unique<TStringList>();
    list->SetCaseSensitive(false);
    list->SetDuplicates(TDuplicates::dupIgnore);
    list->SetSorted(true);
    return list;
}

void TFileExtComponent::SetFileExtList(const TStrings* Value) { FileExtList_->Assign(Value); }

bool TFileExtComponent::HasFileExt(std::string_view Ext) const { return FileExtList_->IndexOf(Ext) >= 0; }

// ---- TNotifyPersistent -----------------------------------------------------

void TNotifyPersistent::Changed()
{
    if (UpdateCount_ == 0 && OnChange)
        OnChange(this);
}

void TNotifyPersistent::BeginUpdate() { ++UpdateCount_; }

void TNotifyPersistent::EndUpdate()
{
    if (UpdateCount_ == 0)
        return;
    --UpdateCount_;
    Changed();
}

void TNotifyPersistent::ChangedProc(TObject* Sender)
{
    if (Sender != this)
        Changed();
}

// ---- TNotifyCollection -----------------------------------------------------

void TNotifyCollection::ChangedProc(TObject* Sender)
{
    if (Sender != this)
        Changed();
}

void TNotifyCollection::Update(TCollectionItem* /*Item*/)
{
    if (OnChange)
        OnChange(this);
}

// ---- TMethodList -----------------------------------------------------------

TMethod TMethodList::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        RaiseListIndexError(Index);
    return Methods_[Index];
}

int TMethodList::IndexOf(TMethod Method) const
{
    for (int i = 0; i < Count(); ++i)
        if (Methods_[i] == Method)
            return i;
    return -1;
}

void TMethodList::Add(TMethod Method) { Methods_.push_back(Method); }

void TMethodList::Remove(TMethod Method)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Methods_[i] == Method) {
            Methods_.erase(Methods_.begin() + i);
            return;
        }
}

// ---- TNotifyEventList ------------------------------------------------------

void TNotifyEventList::Changed()
{
    if (UpdateCount() != 0)
        return;
    std::vector<TMethod> snapshot;
    snapshot.reserve(Methods_.Count());
    for (int i = 0; i < Methods_.Count(); ++i)
        snapshot.push_back(Methods_.Items(i));
    for (const TMethod& method : snapshot)
        if (Methods_.IndexOf(method) >= 0)
            method(Owner_);
}
