// Editors sharing one row list outlive each other either way, the list
// going with its last editor; a fountain's changes and its going away; and
// handlers handed from one editor to another.
#include "EditorDriver.h"
#include "HPropUtils.h"

#include <gtest/gtest.h>

namespace {

using namespace edtest;

TEST(ShareList, EditorsOutliveEachOtherEitherWay)
{
    auto a = std::make_unique<TEditorDriver>();
    {
        TEditorDriver b;
        b->ShareList(&a->Ed());
        b.SetText("from b\r\n");
    }
    EXPECT_EQ((*a)->RowText(0), "from b");
    a->ReplaceRows(0, 1, "still works\r\n");
    EXPECT_EQ((*a)->ScreenStrings().EditorCount(), 1);

    TEditorDriver c;
    c->ShareList(&a->Ed());
    a.reset();
    c.ReplaceRows(0, 1, "c alone\r\n");
    EXPECT_EQ(c->RowText(0), "c alone");
    EXPECT_EQ(c->ScreenStrings().EditorCount(), 1);
    // Null or itself changes nothing.
    c->ShareList(nullptr);
    c->ShareList(&c.Ed());
    EXPECT_EQ(c->RowText(0), "c alone");
    EXPECT_EQ(c->ScreenStrings().EditorCount(), 1);
}

TEST(Fountain, AFountainsChangesReachTheEditorAndOneGoingAwayIsForgotten)
{
    TEditorDriver ed;
    ed.SetText("12");
    {
        std::unique_ptr<TEditorFountain> fountain(TFileExtComponent::Create<TEditorFountain>(nullptr));
        fountain->Colors()->Int()->SetColor(clRed);
        ed->SetFountain(fountain.get());
        EXPECT_EQ(ed->RowPlan(0).Runs.front().Color, clRed);
        fountain->Colors()->Int()->SetColor(clBlue);
        EXPECT_EQ(ed->RowPlan(0).Runs.front().Color, clBlue);
    }
    EXPECT_EQ(ed->Fountain(), nullptr);
    EXPECT_EQ(ed->ActiveFountain(), ed->View()->Fountain());
    EXPECT_EQ(ed->RowPlan(0).Runs.front().Color, clBlack);
    ed.Grab();
    // The view's own options recolour too.
    ed->View()->Colors()->Int()->SetColor(clRed);
    EXPECT_EQ(ed->RowPlan(0).Runs.front().Color, clRed);
}

TEST(EditorProp, CopyPublishedPropertiesGivesTheHandlersAndOnlyWhatIsAsked)
{
    TEditorDriver page;
    TEditorDriver second;
    std::vector<const TObject*> senders;
    page->OnChange = [&](TObject* Sender) { senders.push_back(Sender); };
    page->SetColor(clYellow);
    CopyPublishedProperties(page.Ed(), second.Ed(), {TPublishedKind::pkMethod});
    EXPECT_NE(second->Color(), clYellow);
    second.SetText("x\r\n");
    second->InsertString("a");
    ASSERT_FALSE(senders.empty());
    // One handler serves both editors: the sender tells them apart.
    EXPECT_EQ(senders.back(), &second.Ed());
    CopyPublishedProperties(page.Ed(), second.Ed(), {TPublishedKind::pkSetting});
    EXPECT_EQ(second->Color(), clYellow);
}

} // namespace
