// The fountain's bracket pairs, its italic check and its change
// notification.
#include "edFountain.h"

#include "edFountainTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace fountaintest;

struct TListener {
    std::vector<TObject*> Senders;
    void Changed(TObject* Sender) { Senders.push_back(Sender); }
};

class Fountain : public testing::Test {
protected:
    Fountain() : F(TFileExtComponent::Create<TPlainFountain>(nullptr))
    {
        F->NotifyEventList()->Add(MakeMethod<&TListener::Changed>(&Listener));
    }
    ~Fountain() override { delete F; }

    TFountainBracketItem* AddBracket(const std::string& Left, const std::string& Right)
    {
        TFountainBracketItem* item = F->Brackets()->Add();
        item->SetLeftBracket(Left);
        item->SetRightBracket(Right);
        return item;
    }
    size_t Heard() const { return Listener.Senders.size(); }

    TPlainFountain* F;
    TListener Listener;
};

TEST_F(Fountain, ABracketCollectionCopiesAsOneChangeAndRefusesMoreThanFourteen)
{
    auto* source = TFileExtComponent::Create<TPlainFountain>(nullptr);
    TFountainBracketItem* item = source->Brackets()->Add();
    item->SetLeftBracket("/*");
    item->SetRightBracket("*/");
    item->ItemColor()->SetColor(clGreen);
    source->Brackets()->Add()->SetLeftBracket("{");

    F->SetBrackets(source->Brackets());
    EXPECT_EQ(Heard(), 1u);
    ASSERT_EQ(F->Brackets()->Count(), 2);
    EXPECT_EQ(F->Brackets()->Items(0)->LeftBracket(), "/*");
    EXPECT_EQ(F->Brackets()->Items(0)->RightBracket(), "*/");
    EXPECT_EQ(F->Brackets()->Items(0)->ItemColor()->Color(), clGreen);
    EXPECT_EQ(F->Brackets()->Items(1)->LeftBracket(), "{");

    // A single item copies as one change too.
    F->Brackets()->Items(1)->Assign(F->Brackets()->Items(0));
    EXPECT_EQ(Heard(), 2u);
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
    delete source;
}

TEST_F(Fountain, HasItalicLooksAtEveryColour)
{
    TFountainBracketItem* item = AddBracket("/*", "*/");
    AddBracket("{", "}");
    EXPECT_FALSE(F->HasItalic());
    item->ItemColor()->SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
    EXPECT_TRUE(F->HasItalic());
    item->ItemColor()->SetStyle({});
    F->Reserve()->SetStyle({TFontStyle::fsItalic});
    EXPECT_TRUE(F->HasItalic());
}

} // namespace
