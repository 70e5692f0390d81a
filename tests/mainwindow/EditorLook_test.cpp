// The page editor's look on editors of its own, through a fake window: the
// bracket regions of each edit mode and link form, and the marks reaching
// the second pane only while it is there.
#include "EditorLook.h"

#include "EditorEx.h"
#include "EditorFountain.h"
#include "EditorLookHost.h"
#include "HTMLFountain.h"
#include "SettingsHost.h"
#include "SjisLiteral.h"
#include "SubIni.h"
#include "TreeView.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class FakeEditorLookHost final : public IEditorLookHost {
public:
    TEditorEx* SecondEditor() const override { return Second.get(); }
    int EditMode() const override { return Mode; }

    std::unique_ptr<TEditorEx> Second;
    int Mode = 0;
};

class EditorLookAlone : public testing::Test {
protected:
    EditorLookAlone() { SettingsVars = {}; }
    ~EditorLookAlone() override { SettingsVars = {}; }

    // "left right|..." for each bracket pair of the page editor.
    std::string Brackets() const
    {
        std::string text;
        TFountainBracketCollection& brackets = *memo->View()->Brackets();
        for (int i = 0; i < brackets.Count(); ++i)
            text += brackets.Items(i)->LeftBracket() + " " + brackets.Items(i)->RightBracket() + "|";
        return text;
    }

    FakeEditorLookHost host;
    std::unique_ptr<TEditorEx> memo{TEditor::Create<TEditorEx>()};
    TTreeView tree;
    std::unique_ptr<THTMLFountain> html{TFileExtComponent::Create<THTMLFountain>(nullptr)};
    TEditorLook look{host, {*memo, tree, *html}};
};

TEST_F(EditorLookAlone, BracketsFollowTheEditModeAndTheLinkForm)
{
    const std::string common = "{* *}|{! !}|/* */|" + Sjis("「 」") + "|";
    const struct {
        int Mode;
        bool BracketForm;
        std::string Expected;
    } cases[] = {
        {0, false, common + "<file@ >|<node@ >|"},
        {0, true, common + "[:file@ :]|[:node@ :]|"},
        {1, false, common + "<file@ >|<node@ >|{ }|(* *)|"},
    };
    for (const auto& c : cases) {
        host.Mode = c.Mode;
        SettingsVars.BracketFlg = c.BracketForm;
        look.SetupFountain();
        EXPECT_EQ(Brackets(), c.Expected) << c.Mode << c.BracketForm;
    }
}

TEST_F(EditorLookAlone, RebuildingTheBracketsKeepsTheLinkColours)
{
    look.SetupFountain();
    memo->View()->Brackets()->Items(FileLinkBracket)->ItemColor()->SetColor(0x123456);
    SettingsVars.BracketFlg = true;
    look.SetupFountain();
    EXPECT_EQ(memo->View()->Brackets()->Items(FileLinkBracket)->ItemColor()->Color(), 0x123456);
}

TEST_F(EditorLookAlone, MarksReachTheSecondPaneWhileItIsThere)
{
    SettingsVars.HanSpace = SettingsVars.SpaceTab = true;
    SettingsVars.HanCol = 0x0000FF;
    look.ApplyMarkSettings();
    look.ApplyBracketColors();
    EXPECT_TRUE(memo->ExMarks()->SpaceMark()->Visible());
    EXPECT_TRUE(memo->ExMarks()->TabMark()->Visible());

    host.Second.reset(TEditor::Create<TEditorEx>());
    look.ApplyMarkSettings();
    look.ApplyBracketColors();
    EXPECT_TRUE(host.Second->ExMarks()->SpaceMark()->Visible());
    EXPECT_EQ(host.Second->ExMarks()->SpaceMark()->Color(), 0x0000FF);
    EXPECT_TRUE(host.Second->ExMarks()->DBSpaceMark()->Visible());
}

TEST_F(EditorLookAlone, StylesComeFromTheSettingsAlone)
{
    SettingsVars.TreeFontBold = SettingsVars.AnkItalic = SettingsVars.UrlUL = true;
    look.ApplyEditorColors();
    EXPECT_TRUE(tree.Font().Style().Contains(TFontStyle::fsBold));
    EXPECT_TRUE(memo->View()->Colors()->Ank()->Style().Contains(TFontStyle::fsItalic));
    EXPECT_TRUE(html->Url()->Style().Contains(TFontStyle::fsUnderline));

    SettingsVars.AnkItalic = false;
    look.ApplyEditorColors();
    EXPECT_FALSE(memo->View()->Colors()->Ank()->Style().Contains(TFontStyle::fsItalic)) << "switched off at once";
}

} // namespace
