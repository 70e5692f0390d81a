// Colours, bracket pairs and the fountain's change notification.
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

TEST(FountainColor, StartsAtTheEditorsColoursAndNotifiesOnlyRealChanges)
{
    TFountainColor color;
    int changes = 0;
    color.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &color);
        ++changes;
    };
    color.SetColor(clRed);
    color.SetColor(clRed);
    color.SetBkColor(clNone);
    color.SetStyle({TFontStyle::fsBold});
    color.SetStyle({TFontStyle::fsBold});
    EXPECT_EQ(changes, 2);

    TFountainColor source;
    source.SetBkColor(clYellow);
    source.SetColor(clBlue);
    source.SetStyle({TFontStyle::fsItalic});
    color.Assign(&source);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(color.BkColor(), clYellow);
    EXPECT_EQ(color.Color(), clBlue);
    EXPECT_EQ(color.Style(), TFontStyles{TFontStyle::fsItalic});
    TStringList other;
    EXPECT_THROW(color.Assign(&other), EConvertError);
}

TEST_F(Fountain, EveryColourChangeReachesEveryListenerOnceAsTheFountain)
{
    TListener second;
    F->NotifyEventList()->Add(MakeMethod<&TListener::Changed>(&second));
    F->Reserve()->SetColor(clRed);
    F->Reserve()->SetColor(clRed);
    EXPECT_EQ(Listener.Senders, std::vector<TObject*>{F});
    EXPECT_EQ(second.Senders, std::vector<TObject*>{F});

    TFountainBracketItem* item = AddBracket("/*", "*/");
    Listener.Senders.clear();
    item->ItemColor()->SetBkColor(clAqua);
    item->SetRightBracket("*/");
    item->SetLeftBracket("(*");
    EXPECT_EQ(Listener.Senders, (std::vector<TObject*>{F, F}));

    const size_t heardBySecond = second.Senders.size();
    F->NotifyEventList()->Remove(MakeMethod<&TListener::Changed>(&second));
    F->Reserve()->SetBkColor(clRed);
    EXPECT_EQ(second.Senders.size(), heardBySecond);
}

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

TEST_F(Fountain, SetAllColorsSetsOnlyTheChosenMembers)
{
    TFountainBracketItem* item = AddBracket("/*", "*/");
    item->ItemColor()->SetColor(clGreen);
    F->Reserve()->SetColor(clRed);
    TFountainColor source;
    source.SetBkColor(clYellow);
    source.SetColor(clBlue);
    F->SetAllColors(*F, source, {TFountainColorMember::BkColor});
    EXPECT_EQ(item->ItemColor()->BkColor(), clYellow);
    EXPECT_EQ(F->Reserve()->BkColor(), clYellow);
    EXPECT_EQ(item->ItemColor()->Color(), clGreen);
    EXPECT_EQ(F->Reserve()->Color(), clRed);

    F->SetAllColors(*F->Brackets(), source, {TFountainColorMember::Color, TFountainColorMember::Style});
    EXPECT_EQ(item->ItemColor()->Color(), clBlue);
    EXPECT_EQ(F->Reserve()->Color(), clRed);
}

} // namespace
