// The editor library's base classes: components that know the file
// extensions they serve, option objects that announce their changes (held
// back while several values are set), the multicast list through which
// one colouring scheme tells every editor that uses it of a change, and a
// scope that holds an object's notifications back.
#pragma once

#include "Classes.h"
#include "Collection.h"
#include "Construction.h"
#include "Method.h"
#include "Strings.h"

#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// A plain component base with no state of its own.
class TStoreComponent : public TComponent {
public:
    explicit TStoreComponent(TComponent* AOwner) : TComponent(AOwner) {}
};

// A component that serves some file extensions (a colouring scheme serves
// ".pas", ".cpp", ...), kept in a sorted list that ignores duplicates and
// compares the ASCII letters of single-byte characters case-insensitively.
//
// C++ calls no override from a constructor, so the step that descendants
// fill in (InitFileExtList) runs in AfterConstruction. Make components of
// this family with Create<T>(...), which calls it once the object is whole.
class TFileExtComponent : public TStoreComponent {
public:
    explicit TFileExtComponent(TComponent* AOwner);

    template <class T, class... Args>
    static T* Create(Args&&... Arguments)
    {
        return Construction::Create<TFileExtComponent, T>(std::forward<Args>(Arguments)...).release();
    }

    TStringList* FileExtList() const { return FileExtList_.get(); }
    // Takes the lines of Value; the list stays this component's own.
    virtual void SetFileExtList(const TStrings* Value);
    virtual bool HasFileExt(std::string_view Ext) const;

protected:
    friend struct Construction;
    // The steps that descendants extend; call the inherited one first.
    virtual void AfterConstruction();
    // An empty list, sorted, case-insensitive, ignoring duplicates.
    virtual std::unique_ptr<TStringList> CreateFileExtList() const;
    virtual void InitFileExtList() {}

private:
    std::unique_ptr<TStringList> FileExtList_;
};

// Holds Target (a list, a collection, an option object) in one update for
// a scope. End() ends it, which fires the held notification; leaving the
// scope by an exception ends it too, and a second exception from a handler
// is then dropped.
template <class T>
class TUpdateScope {
public:
    explicit TUpdateScope(T& Target) : Target_(Target) { Target_.BeginUpdate(); }
    ~TUpdateScope()
    {
        if (Ended_)
            return;
        try {
            Target_.EndUpdate();
        } catch (...) {
        }
    }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

    void End()
    {
        Ended_ = true;
        Target_.EndUpdate();
    }

private:
    T& Target_;
    bool Ended_ = false;
};

// An object that announces its changes through OnChange. BeginUpdate and
// EndUpdate batch several changes into one notification at the outermost
// EndUpdate.
class TNotifyPersistent : public TPersistent {
public:
    TNotifyEvent OnChange;

    // Fires OnChange(this) unless inside BeginUpdate/EndUpdate.
    virtual void Changed();
    virtual void BeginUpdate();
    // An EndUpdate without a BeginUpdate is ignored, so one stray call
    // cannot silence the object for good.
    virtual void EndUpdate();
    // A change of an owned object (Sender) becomes a change of this one.
    // Owners hand it to the OnChange of what they own; a Sender that is this
    // object itself is ignored.
    virtual void ChangedProc(TObject* Sender);

    int UpdateCount() const { return UpdateCount_; }

protected:
    // The writers' common step: stores Value in Field and announces the
    // change, when it is one.
    template <class T>
    void Store(T& Field, const std::type_identity_t<T>& Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Changed();
    }

private:
    int UpdateCount_ = 0;
};

// A collection that announces every change of itself or of an item through
// OnChange, with the collection as Sender.
class TNotifyCollection : public TCollection {
public:
    TNotifyCollection(TPersistent* AOwner, TItemClass ItemClass) : TCollection(std::move(ItemClass)), Owner_(AOwner) {}

    TNotifyEvent OnChange;

    // As TNotifyPersistent::ChangedProc, for objects the items own.
    virtual void ChangedProc(TObject* Sender);

protected:
    void Update(TCollectionItem* Item) override;
    TPersistent* GetOwner() const override { return Owner_; }

private:
    TPersistent* Owner_;
};

// Handlers in the order they were added; the same handler may be added
// more than once.
class TMethodList : public TObject {
public:
    int Count() const { return static_cast<int>(Methods_.size()); }
    TMethod Items(int Index) const;
    // The first position of Method, or -1.
    int IndexOf(TMethod Method) const;

    virtual void Add(TMethod Method);
    // Removes the last registration of Method; nothing when there is none.
    virtual void Remove(TMethod Method);
    void Clear() { Methods_.clear(); }

private:
    std::vector<TMethod> Methods_;
};

// The change notification of a colouring scheme, heard by every editor that
// uses it. Handlers are called with the list's owner as Sender.
class TNotifyEventList : public TNotifyPersistent {
public:
    explicit TNotifyEventList(TPersistent* AOwner) : Owner_(AOwner) {}

    // Calls the handlers registered when the notification starts, first
    // added first. A handler may remove itself or another (an editor being
    // destroyed); a handler removed meanwhile is not called.
    void Changed() override;
    virtual void Add(TMethod Method) { Methods_.Add(Method); }
    virtual void Remove(TMethod Method) { Methods_.Remove(Method); }
    int Count() const { return Methods_.Count(); }

protected:
    TPersistent* GetOwner() const override { return Owner_; }

private:
    TPersistent* Owner_;
    TMethodList Methods_;
};
