// The editor's colouring view and the scheme it owns.
#include "edViewInfo.h"

#include "edFountainTestSupport.h"

#include <gtest/gtest.h>

namespace {

using fountaintest::Sjis;

struct TCounter {
    explicit TCounter(TEditorViewInfo& View)
    {
        View.OnChange = [this, &View](TObject* Sender) {
            EXPECT_EQ(Sender, &View);
            ++Count;
        };
    }
    int Count = 0;
};

TEST(EditorViewInfo, EachOptionAndEachSchemeChangeIsOneChangeOfTheView)
{
    const auto view = TEditorViewInfo::Create();
    EXPECT_EQ(view->Brackets(), view->Fountain()->Brackets());
    TCounter counter(*view);
    view->SetCommenter("//");
    view->SetCommenter("//");
    view->SetControlCode(true);
    view->SetHexPrefix("$");
    view->SetMail(true);
    view->SetQuotation("'");
    view->SetQuotation("'");
    view->SetUrl(true);
    EXPECT_EQ(counter.Count, 6);
    EXPECT_EQ(view->Fountain()->Commenter(), "//");
    EXPECT_TRUE(view->Fountain()->Url());
    view->Colors()->Ank()->SetColor(clRed);
    view->Fountain()->Reserve()->SetBkColor(clAqua);
    view->Brackets()->Add();
    view->Fountain()->SetAllColor(clBlue);
    EXPECT_EQ(counter.Count, 10);
}

TEST(EditorViewInfo, QuotationKeepsItsFirstCharacter)
{
    const auto view = TEditorViewInfo::Create();
    view->SetQuotation("ab");
    EXPECT_EQ(view->Quotation(), "a");
    view->SetQuotation("");
    EXPECT_EQ(view->Quotation(), "");
    view->SetQuotation(Sjis("”x"));
    EXPECT_EQ(view->Quotation(), Sjis("”"));
}

TEST(EditorViewInfo, AssignCopiesEverythingAsOneChange)
{
    const auto source = TEditorViewInfo::Create();
    TFountainBracketItem* item = source->Brackets()->Add();
    item->SetLeftBracket("/*");
    item->SetRightBracket("*/");
    item->ItemColor()->SetColor(clGreen);
    source->Colors()->Comment()->SetColor(clTeal);
    source->Fountain()->Reserve()->SetStyle({TFontStyle::fsBold});
    source->SetCommenter("//");
    source->SetControlCode(true);
    source->SetHexPrefix("0x");
    source->SetMail(true);
    source->SetQuotation("\"");
    source->SetUrl(true);

    const auto view = TEditorViewInfo::Create();
    TCounter counter(*view);
    view->Assign(source.get());
    EXPECT_EQ(counter.Count, 1);
    ASSERT_EQ(view->Brackets()->Count(), 1);
    EXPECT_EQ(view->Brackets()->Items(0)->ItemColor()->Color(), clGreen);
    EXPECT_EQ(view->Colors()->Comment()->Color(), clTeal);
    EXPECT_EQ(view->Fountain()->Reserve()->Style(), TFontStyles{TFontStyle::fsBold});
    EXPECT_EQ(view->Commenter(), "//");
    EXPECT_TRUE(view->ControlCode() && view->Mail() && view->Url());
    EXPECT_EQ(view->HexPrefix(), "0x");
    EXPECT_EQ(view->Quotation(), "\"");
}

TEST(EditorViewInfo, ADescendantMakesItsOwnScheme)
{
    class TCommentedView : public TEditorViewInfo {
    protected:
        std::unique_ptr<TEditorFountain> CreateViewFountain() override
        {
            std::unique_ptr<TEditorFountain> fountain = TEditorViewInfo::CreateViewFountain();
            fountain->SetCommenter("#");
            return fountain;
        }
    };
    EXPECT_EQ(TEditorViewInfo::Create<TCommentedView>()->Commenter(), "#");
}

} // namespace
