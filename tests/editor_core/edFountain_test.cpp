// The fountain's bracket pairs and reserved words, and its change
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

    // A plain collection of fifteen pairs is refused whole.
    TFountainBracketCollection big(nullptr);
    for (int i = 0; i < MaxBracketCount; ++i)
        big.Add();
    TCollection& plain = big;
    plain.Add();
    EXPECT_THROW(F->SetBrackets(&big), Exception);
    EXPECT_EQ(F->Brackets()->Count(), 2);
    delete source;
}

TEST_F(Fountain, TheReservedWordListIsSortedFoldedAndAnnounced)
{
    TStringList words;
    words.Add("then");
    words.Add("Begin");
    words.Add("BEGIN");
    F->SetReserveWordList(&words);
    EXPECT_EQ(Heard(), 1u);
    EXPECT_EQ(F->ReserveWordList()->Text(), "Begin\r\nthen\r\n");
    EXPECT_TRUE(F->IsReserveWord("begin"));
    EXPECT_TRUE(F->IsReserveWord("THEN"));
    EXPECT_FALSE(F->IsReserveWord("be"));
    EXPECT_FALSE(F->IsReserveWord("thens"));
    EXPECT_FALSE(F->IsReserveWord(""));
    // Words added to the list itself count at once.
    F->ReserveWordList()->Add("a");
    F->ReserveWordList()->Add(Sjis("ア"));
    EXPECT_TRUE(F->IsReserveWord("A"));
    EXPECT_TRUE(F->IsReserveWord(Sjis("ア")));
    EXPECT_FALSE(F->IsReserveWord(Sjis("ヂ")));
    F->ReserveWordList()->Clear();
    EXPECT_FALSE(F->IsReserveWord("begin"));
}

} // namespace
