// Components and their ownership, free notification, colours and sets.
#include "Classes.h"
#include "Graphics.h"
#include "Method.h"
#include "Set.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

namespace {

// A component that points at another and must forget it when it goes.
class TLinked : public TComponent {
public:
    TLinked(TComponent* AOwner, int* Destroyed = nullptr) : TComponent(AOwner), Destroyed_(Destroyed) {}
    ~TLinked() override
    {
        if (Destroyed_)
            ++*Destroyed_;
    }

    TComponent* Partner = nullptr;
    std::vector<TComponent*> Heard; // components whose removal was announced
    void SetPartner(TComponent* Value)
    {
        Partner = Value;
        if (Value)
            Value->FreeNotification(this);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation != TOperation::opRemove)
            return;
        Heard.push_back(AComponent);
        if (AComponent == Partner)
            Partner = nullptr;
    }

private:
    int* Destroyed_;
};

TEST(Component, AnOwnerFreesWhatItOwns)
{
    int destroyed = 0;
    auto* owner = new TLinked(nullptr, &destroyed);
    auto* first = new TLinked(owner, &destroyed);
    auto* second = new TLinked(owner, &destroyed);
    new TLinked(first, &destroyed); // a grandchild
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(1), second);
    EXPECT_EQ(first->Owner(), owner);
    EXPECT_THROW(owner->Components(2), EListError);
    delete second; // leaves its owner's list
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(destroyed, 1);
    delete owner;
    EXPECT_EQ(destroyed, 4);
}

TEST(Component, FreeNotificationWorksBothWays)
{
    auto* a = new TLinked(nullptr);
    auto* b = new TLinked(nullptr);
    a->SetPartner(b);
    b->SetPartner(a);
    delete b; // a hears that its partner went
    EXPECT_EQ(a->Partner, nullptr);
    delete a; // and must not call the freed b now

    // c asked to hear of d; when c goes first, d hears of c, so that d
    // never calls the freed c later.
    auto* c = new TLinked(nullptr);
    auto* d = new TLinked(nullptr);
    c->SetPartner(d);
    const std::vector<TComponent*> announced{c};
    delete c;
    EXPECT_EQ(d->Heard, announced);
    delete d;

    auto* e = new TLinked(nullptr);
    auto* f = new TLinked(nullptr);
    e->SetPartner(f);
    e->RemoveFreeNotification(f);
    delete f;
    EXPECT_TRUE(e->Heard.empty());
    delete e;

    // Owned partners are forgotten before their owner frees them.
    auto* owner = new TLinked(nullptr);
    auto* child = new TLinked(owner);
    auto* watcher = new TLinked(nullptr);
    watcher->SetPartner(child);
    child->SetPartner(watcher);
    delete owner;
    EXPECT_EQ(watcher->Partner, nullptr);
    delete watcher;
}

TEST(Colors, RgbIsLittleEndianAndSystemColoursAreFlagged)
{
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(GetBValue(clBlue), 0xFF);
    EXPECT_TRUE(IsSystemColor(clWindow));
    EXPECT_FALSE(IsSystemColor(clNone));
    EXPECT_FALSE(IsSystemColor(clWhite));
}

TEST(Set, Operations)
{
    using enum TFontStyle;
    TFontStyles styles{fsBold};
    styles.Include(fsUnderline).Exclude(fsBold);
    EXPECT_EQ(styles, TFontStyles{fsUnderline});
    const TFontStyles both = TFontStyles{fsBold} + TFontStyles{fsItalic};
    EXPECT_EQ(both.Bits(), 0b11u);
    EXPECT_EQ((both - TFontStyles{fsBold}), TFontStyles{fsItalic});
    EXPECT_EQ((both * TFontStyles{fsItalic, fsStrikeOut}), TFontStyles{fsItalic});
    EXPECT_EQ(TFontStyles::FromBits(0b1000), TFontStyles{fsStrikeOut});
}

} // namespace
