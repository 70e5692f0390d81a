#include "Classes.h"

#include "SysUtils.h"

#include <algorithm>
#include <typeinfo>

void TPersistent::Assign(const TPersistent* Source)
{
    if (Source)
        Source->AssignTo(this);
    else
        throw EConvertError(Format("Cannot assign a nil to a %s.", ClassNameOf(typeid(*this)).c_str()));
}

void TPersistent::AssignTo(TPersistent* Dest) const
{
    throw EConvertError(
        Format("Cannot assign a %s to a %s.", ClassNameOf(typeid(*this)).c_str(), ClassNameOf(typeid(*Dest)).c_str()));
}

TComponent::TComponent(TComponent* AOwner) : Owner_(AOwner)
{
    if (Owner_)
        Owner_->InsertComponent(this);
}

TComponent::~TComponent()
{
    // Tell everyone holding a pointer to this component first, then free the
    // owned components, last created first.
    while (!FreeNotifies_.empty()) {
        TComponent* other = FreeNotifies_.back();
        FreeNotifies_.pop_back();
        auto& back = other->FreeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, TOperation::opRemove);
    }
    while (!Components_.empty()) {
        TComponent* child = Components_.back();
        Components_.pop_back();
        child->Owner_ = nullptr;
        delete child;
    }
    if (Owner_)
        Owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        RaiseListIndexError(Index);
    return Components_[Index];
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (std::find(FreeNotifies_.begin(), FreeNotifies_.end(), AComponent) == FreeNotifies_.end()) {
        FreeNotifies_.push_back(AComponent);
        AComponent->FreeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent)
        return;
    auto& mine = FreeNotifies_;
    mine.erase(std::remove(mine.begin(), mine.end(), AComponent), mine.end());
    auto& theirs = AComponent->FreeNotifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove)
        RemoveFreeNotification(AComponent);
}

void TComponent::InsertComponent(TComponent* AComponent) { Components_.push_back(AComponent); }

void TComponent::RemoveComponent(TComponent* AComponent)
{
    Components_.erase(std::remove(Components_.begin(), Components_.end(), AComponent), Components_.end());
}
