// TCollection: owned items, change notifications and their batching.
#include "Collection.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

namespace {

class TNamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    const std::string& Name() const { return Name_; }
    void SetName(const std::string& Value)
    {
        Name_ = Value;
        Changed(false);
    }
    void Assign(const TPersistent* Source) override
    {
        if (auto item = dynamic_cast<const TNamedItem*>(Source)) {
            SetName(item->Name_);
            return;
        }
        TCollectionItem::Assign(Source);
    }

private:
    std::string Name_;
};

// Records every Update and Notify call.
class TWatchedCollection : public TCollection {
public:
    TWatchedCollection() : TCollection(ItemClassOf<TNamedItem>()) {}

    std::vector<TCollectionItem*> Updates;
    std::vector<TCollectionNotification> Notifications;

    TNamedItem* AddNamed(const std::string& Name)
    {
        auto* item = static_cast<TNamedItem*>(Add());
        item->SetName(Name);
        return item;
    }
    std::string Names() const
    {
        std::string names;
        for (int i = 0; i < Count(); ++i)
            names += ItemsAs<TNamedItem>(i)->Name();
        return names;
    }

protected:
    void Update(TCollectionItem* Item) override { Updates.push_back(Item); }
    void Notify(TCollectionItem*, TCollectionNotification Action) override { Notifications.push_back(Action); }
};

TEST(Collection, AddInsertMoveDeleteClear)
{
    TWatchedCollection items;
    items.AddNamed("a");
    items.AddNamed("c");
    static_cast<TNamedItem*>(items.Insert(1))->SetName("b");
    EXPECT_EQ(items.Names(), "abc");
    EXPECT_EQ(items.Items(1)->Index(), 1);
    // Moving an item notifies all items.
    items.Updates.clear();
    items.Items(0)->SetIndex(2);
    EXPECT_EQ(items.Names(), "bca");
    items.Items(2)->SetIndex(0);
    EXPECT_EQ(items.Updates, (std::vector<TCollectionItem*>{nullptr, nullptr}));
    EXPECT_THROW(items.Items(0)->SetIndex(3), EListError);
    EXPECT_EQ(items.Names(), "abc");
    const int id = items.Items(2)->ID();
    items.Delete(0);
    EXPECT_EQ(items.Names(), "bc");
    EXPECT_EQ(items.FindItemID(id), items.Items(1)); // IDs stay with their items
    EXPECT_THROW(items.Delete(2), EListError);
    EXPECT_THROW(items.Insert(5), EListError);
    EXPECT_THROW(items.Items(-1), EListError);
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    delete items.Add(); // an item freed on its own leaves its collection
    EXPECT_EQ(items.Count(), 0);
}

TEST(Collection, NotificationsAndBatchedUpdates)
{
    TWatchedCollection items;
    TNamedItem* a = items.AddNamed("a");
    // Adding: cnAdded, then Update(null); renaming: Update(item).
    EXPECT_EQ(items.Notifications, (std::vector{TCollectionNotification::cnAdded}));
    EXPECT_EQ(items.Updates, (std::vector<TCollectionItem*>{nullptr, a}));
    items.Notifications.clear();
    items.Updates.clear();
    items.Delete(0);
    EXPECT_EQ(items.Notifications,
              (std::vector{TCollectionNotification::cnDeleting, TCollectionNotification::cnExtracting}));
    EXPECT_EQ(items.Updates, (std::vector<TCollectionItem*>{nullptr}));

    // A batch gives one update; an unmatched EndUpdate must not silence the next changes.
    items.Updates.clear();
    items.EndUpdate();
    items.BeginUpdate();
    items.AddNamed("a");
    items.AddNamed("b");
    EXPECT_TRUE(items.Updates.empty());
    items.EndUpdate();
    EXPECT_EQ(items.Updates, (std::vector<TCollectionItem*>{nullptr}));
    items.AddNamed("c");
    EXPECT_EQ(items.Updates.size(), 3u); // the batch's one and c's two
}

TEST(Collection, AssignCopiesTheItemsInOneUpdate)
{
    TWatchedCollection source, copy;
    source.AddNamed("x");
    source.AddNamed("y");
    copy.AddNamed("old");
    copy.Updates.clear();
    copy.Assign(&source);
    EXPECT_EQ(copy.Names(), "xy");
    EXPECT_EQ(copy.Updates, (std::vector<TCollectionItem*>{nullptr}));
    copy.Assign(&copy);
    EXPECT_EQ(copy.Names(), "xy");
    TPersistent other;
    EXPECT_THROW(copy.Assign(&other), EConvertError);
    EXPECT_THROW(copy.Assign(nullptr), EConvertError);
}

} // namespace
