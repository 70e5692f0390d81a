// Components and their ownership.
#include "Classes.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

namespace {

// A component that counts its destruction.
class TCounted : public TComponent {
public:
    TCounted(TComponent* AOwner, int* Destroyed) : TComponent(AOwner), Destroyed_(Destroyed) {}
    ~TCounted() override { ++*Destroyed_; }

private:
    int* Destroyed_;
};

TEST(Component, AnOwnerFreesWhatItOwns)
{
    int destroyed = 0;
    auto* owner = new TCounted(nullptr, &destroyed);
    auto* first = new TCounted(owner, &destroyed);
    auto* second = new TCounted(owner, &destroyed);
    new TCounted(first, &destroyed); // a grandchild
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

} // namespace
