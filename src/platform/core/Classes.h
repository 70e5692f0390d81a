// The object model the program's classes build on: a common base for
// event senders, objects that copy their values with Assign, and components
// that own other components and hear when a referenced one goes away.
#pragma once

#include <functional>
#include <utility>
#include <vector>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

// A single event: the sender is the object whose state changed.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Runs Body between Target.BeginUpdate() and Target.EndUpdate(). The update
// ends even when Body throws, so that one failure cannot silence the target
// for good.
template <class TUpdatable, class TBody>
void WithinUpdate(TUpdatable& Target, TBody&& Body)
{
    Target.BeginUpdate();
    try {
        std::forward<TBody>(Body)();
    } catch (...) {
        Target.EndUpdate();
        throw;
    }
    Target.EndUpdate();
}

// An object whose values can be copied from another with Assign.
class TPersistent : public TObject {
public:
    // Copies Source's values into this object. The default hands the work
    // to Source.AssignTo, which raises EConvertError when neither side knows
    // the other's class.
    virtual void Assign(const TPersistent* Source);

protected:
    virtual void AssignTo(TPersistent* Dest) const;
    // The object that owns this one, or null.
    virtual TPersistent* GetOwner() const { return nullptr; }
};

enum class TOperation { opInsert, opRemove };

// A component owns the components created with it as owner and frees them
// when it is freed. Components that hold a pointer to another ask for a
// FreeNotification, and their Notification(opRemove) clears the pointer.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return Owner_; }
    int ComponentCount() const { return static_cast<int>(Components_.size()); }
    TComponent* Components(int Index) const;

    // Links this component and AComponent so that whichever is destroyed
    // first calls the other's Notification(opRemove).
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

protected:
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    TPersistent* GetOwner() const override { return Owner_; }

private:
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);

    TComponent* Owner_;
    std::vector<TComponent*> Components_;
    std::vector<TComponent*> FreeNotifies_;
};
