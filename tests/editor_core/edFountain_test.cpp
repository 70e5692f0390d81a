// The fountain's bracket pairs, its italic check and its change
// notification.
#include "edFountain.h"

#include "edFountainTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

using namespace fountaintest;

struct TListener {
    int Heard = 0;
    void Changed(TObject*) { ++Heard; }
};

class Fountain : public SchemeTest<TPlainFountain> {
protected:
    Fountain() { F->NotifyEventList()->Add(MakeMethod<&TListener::Changed>(&Listener)); }

    TListener Listener;
};

TEST_F(Fountain, ABracketCollectionCopiesAsOneChangeAndRefusesMoreThanFourteen)
{
    const std::unique_ptr<TPlainFountain> source(TFileExtComponent::Create<TPlainFountain>(nullptr));
    fountaintest::AddBracket(*source->Brackets(), "/*", "*/")->ItemColor()->SetColor(clGreen);
    source->Brackets()->Add()->SetLeftBracket("{");

    F->SetBrackets(source->Brackets());
    EXPECT_EQ(Listener.Heard, 1);
    ASSERT_EQ(F->Brackets()->Count(), 2);
    const TFountainBracketItem& first = *F->Brackets()->Items(0);
    EXPECT_EQ(std::tuple(first.LeftBracket(), first.RightBracket(), first.ItemColor()->Color()),
              std::tuple("/*", "*/", clGreen));
    EXPECT_EQ(F->Brackets()->Items(1)->LeftBracket(), "{");

    // A single item copies as one change too.
    F->Brackets()->Items(1)->Assign(F->Brackets()->Items(0));
    EXPECT_EQ(Listener.Heard, 2);
    EXPECT_EQ(F->Brackets()->Items(1)->RightBracket(), "*/");

    // A fifteenth pair is refused, and a plain collection of fifteen is
    // refused whole.
    TFountainBracketCollection big(nullptr);
    for (int i = 0; i < MaxBracketCount; ++i)
        big.Add();
    EXPECT_THROW(big.Insert(0), Exception);
    try {
        big.Add();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TFountainBracketCollection\r\nYou can not add item over 14");
    }
    TCollection& plain = big;
    plain.Add();
    EXPECT_THROW(F->SetBrackets(&big), Exception);
    EXPECT_EQ(F->Brackets()->Count(), 2);

    // The bracket colours count for the italic check too.
    EXPECT_FALSE(F->HasItalic());
    F->Brackets()->Items(1)->ItemColor()->SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
    EXPECT_TRUE(F->HasItalic());
}

} // namespace
