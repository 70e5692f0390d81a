// A collection owns a list of items of one class and hears of their
// changes; descendants react in Update.
#pragma once

#include "Classes.h"

#include <functional>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
public:
    // The item knows its collection from the start; TCollection::Add puts
    // it into the list once it is fully built.
    explicit TCollectionItem(TCollection* Collection) : Collection_(Collection) {}
    ~TCollectionItem() override;

    TCollection* Collection() const { return Collection_; }
    int Index() const;
    // Moves the item within its collection.
    void SetIndex(int Value);
    int ID() const { return ID_; }

protected:
    // Tells the collection that this item (or, with AllItems, every item)
    // changed, unless the collection is inside BeginUpdate/EndUpdate.
    virtual void Changed(bool AllItems);
    TPersistent* GetOwner() const override;

private:
    friend class TCollection;
    TCollection* Collection_;
    int ID_ = -1;
};

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
public:
    using TItemClass = std::function<TCollectionItem*(TCollection*)>;

    // The factory that makes items of class T.
    template <class T>
    static TItemClass ItemClassOf()
    {
        return [](TCollection* Collection) -> TCollectionItem* { return new T(Collection); };
    }

    explicit TCollection(TItemClass ItemClass) : ItemClass_(std::move(ItemClass)) {}
    ~TCollection() override;

    int Count() const { return static_cast<int>(Items_.size()); }
    TCollectionItem* Items(int Index) const;
    template <class T>
    T* ItemsAs(int Index) const
    {
        return static_cast<T*>(Items(Index));
    }

    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    TCollectionItem* FindItemID(int ID) const;

    // An EndUpdate without a matching BeginUpdate is ignored.
    virtual void BeginUpdate();
    virtual void EndUpdate();
    int UpdateCount() const { return UpdateCount_; }

    // Copies the items of another collection: clears, then adds one item per
    // source item and assigns it, inside one update.
    void Assign(const TPersistent* Source) override;

protected:
    // Called after a change: Item is the changed item, or null when the
    // whole collection changed.
    virtual void Update(TCollectionItem* /*Item*/) {}
    virtual void Notify(TCollectionItem* /*Item*/, TCollectionNotification /*Action*/) {}
    // Update(null) unless inside BeginUpdate/EndUpdate.
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item, int Index);
    void RemoveItem(TCollectionItem* Item);

    TItemClass ItemClass_;
    std::vector<TCollectionItem*> Items_;
    int UpdateCount_ = 0;
    int NextID_ = 0;
};
