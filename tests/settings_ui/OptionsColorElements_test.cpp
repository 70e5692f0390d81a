// The colour page: each of the 28 elements, chosen and coloured in the
// dialog, reaches its place in the page editor, the HTML scheme or the
// settings when the dialog is confirmed.
#include "OptionsFormFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

namespace {

constexpr TColor Chosen = 0x010203;

TFountainColor& Bracket(TEditorEx& Editor, int Index) { return *Editor.View()->Brackets()->Items(Index)->ItemColor(); }

struct TElementCase {
    const char* Caption;
    bool Back;           // coloured with "BkCol" rather than "Color"
    const char* Buttons; // Color, BkCol, Bold, Italic, UnderLine enabled: "CBbiu" with "-" for disabled
    std::function<TColor(TEditorEx&, THTMLFountain&)> Stored;
};

TEditorColors& C(TEditorEx& E) { return *E.View()->Colors(); }

const TElementCase Cases[] = {
    {"半角文字", false, "C-biu", [](TEditorEx& E, THTMLFountain&) { return C(E).Ank()->Color(); }},
    {"半角空白", false, "C----", [](TEditorEx&, THTMLFountain&) { return SettingsVars.HanCol; }},
    {"全角文字", false, "C-biu", [](TEditorEx& E, THTMLFountain&) { return C(E).DBCS()->Color(); }},
    {"全角空白", false, "C----", [](TEditorEx&, THTMLFountain&) { return SettingsVars.ZenTabCol; }},
    {"EOF", false, "C----", [](TEditorEx& E, THTMLFountain&) { return E.Marks()->EofMark()->Color(); }},
    {"改行", false, "C----", [](TEditorEx& E, THTMLFountain&) { return E.Marks()->RetMark()->Color(); }},
    {"Url", false, "C-biu", [](TEditorEx&, THTMLFountain& H) { return H.Url()->Color(); }},
    {"Mail", false, "C-biu", [](TEditorEx&, THTMLFountain& H) { return H.Mail()->Color(); }},
    {"コメント", false, "C-b--", [](TEditorEx& E, THTMLFountain&) { return C(E).Comment()->Color(); }},
    {"アンダーライン", false, "C----", [](TEditorEx& E, THTMLFountain&) { return E.Marks()->Underline()->Color(); }},
    {"背景色", true, "-B---", [](TEditorEx& E, THTMLFountain&) { return E.Color(); }},
    {"ファイルリンク", false, "C-bi-", [](TEditorEx& E, THTMLFountain&) { return Bracket(E, 4).Color(); }},
    {"ページリンク", false, "C-bi-", [](TEditorEx& E, THTMLFountain&) { return Bracket(E, 5).Color(); }},
    {"強調", false, "C----", [](TEditorEx& E, THTMLFountain&) { return C(E).Reserve()->Color(); }},
    {"文字列", false, "C----", [](TEditorEx&, THTMLFountain& H) { return H.Str()->Color(); }},
    {"検索ヒット文字列", false, "C----", [](TEditorEx& E, THTMLFountain&) { return E.ExMarks()->Hit()->Color(); }},
    {"検索ヒット文字列マーク", false, "C----",
     [](TEditorEx& E, THTMLFountain&) { return E.ExMarks()->FindMark()->Color(); }},
    {"ルーラー", false, "C----", [](TEditorEx& E, THTMLFountain&) { return E.Ruler()->Color(); }},
    {"ルーラーマーク", false, "C----", [](TEditorEx& E, THTMLFountain&) { return E.Ruler()->MarkColor(); }},
    {"「」", false, "CB---", [](TEditorEx& E, THTMLFountain&) { return Bracket(E, 3).Color(); }},
    {"「」", true, "CB---", [](TEditorEx& E, THTMLFountain&) { return Bracket(E, 3).BkColor(); }},
    {"選択文字", false, "CB---", [](TEditorEx& E, THTMLFountain&) { return C(E).Select()->Color(); }},
    {"選択文字", true, "CB---", [](TEditorEx& E, THTMLFountain&) { return C(E).Select()->BkColor(); }},
    {"対応する括弧の背景", true, "-B---",
     [](TEditorEx& E, THTMLFountain&) { return E.ExMarks()->ParenMark()->Color(); }},
    {"HTMLタグ", false, "C----", [](TEditorEx&, THTMLFountain& H) { return H.TagColor()->Color(); }},
    {"HTMLタグ要素", false, "C----", [](TEditorEx&, THTMLFountain& H) { return H.TagElement()->Color(); }},
    {"HTMLタグ属性", false, "C----", [](TEditorEx&, THTMLFountain& H) { return H.TagAttribute()->Color(); }},
    {"{* *}", false, "C----", [](TEditorEx& E, THTMLFountain&) { return Bracket(E, 0).Color(); }},
    {"{! !}", false, "C----", [](TEditorEx& E, THTMLFountain&) { return Bracket(E, 1).Color(); }},
    {"/* */", false, "C----", [](TEditorEx& E, THTMLFountain&) { return Bracket(E, 2).Color(); }},
};

} // namespace

TEST_F(OptionsFormTest, EveryColourElementReachesItsPlace)
{
    for (const TElementCase& c : Cases) {
        TOpForm& f = Open();
        Choose(c.Caption);
        const std::string buttons = {f.ClChangeBtn->isEnabled() ? 'C' : '-', f.BkClChangeBtn->isEnabled() ? 'B' : '-',
                                     f.CkBold->isEnabled() ? 'b' : '-', f.CkItalic->isEnabled() ? 'i' : '-',
                                     f.CkUL->isEnabled() ? 'u' : '-'};
        EXPECT_EQ(buttons, c.Buttons) << c.Caption;
        dialogs.AnswerColor(Chosen);
        (c.Back ? f.BkClChangeBtn : f.ClChangeBtn)->click();
        f.OKButtonClick();
        EXPECT_EQ(c.Stored(*memo, *html), Chosen) << c.Caption << (c.Back ? " BkCol" : "");
    }
}

TEST_F(OptionsFormTest, CancelledColourDialogChangesNothing)
{
    const std::string editor = EditorState();
    TOpForm& f = Open();
    for (const TElementCase& c : Cases) {
        Choose(c.Caption);
        dialogs.Answer(mrCancel);
        (c.Back ? f.BkClChangeBtn : f.ClChangeBtn)->click();
    }
    Choose("どれでもない"); // a typed text that names no element
    f.ClChangeBtn->click();
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);
    f.OKButtonClick();
    EXPECT_EQ(EditorState(), editor);
}

// The new background reaches every background that follows the page, the
// link brackets included; the corner brackets keep their own.
TEST_F(OptionsFormTest, BackgroundReachesTheLinkBrackets)
{
    const TColor kagi = Bracket(*memo, 3).BkColor();
    TOpForm& f = Open();
    Choose("背景色");
    dialogs.AnswerColor(Chosen);
    f.BkClChangeBtn->click();
    f.OKButtonClick();
    for (int i : {0, 1, 2, 4, 5})
        EXPECT_EQ(Bracket(*memo, i).BkColor(), Chosen) << i;
    EXPECT_EQ(Bracket(*memo, 3).BkColor(), kagi);
    EXPECT_EQ(memo->Leftbar()->BkColor(), Chosen);
}

// A style box sets its flag at once, and the preview shows the style.
TEST_F(OptionsFormTest, StyleBoxesSetTheirFlags)
{
    TOpForm& f = Open();
    Choose("ファイルリンク");
    f.CkItalic->click();
    EXPECT_TRUE(SettingsVars.FileLinkItalic);
    EXPECT_TRUE(Bracket(*f.ClMonitor, 4).Style().Contains(TFontStyle::fsItalic));
    Choose("半角文字");
    EXPECT_TRUE(f.CkBold->isChecked()); // from AnkBold
    f.CkBold->click();
    EXPECT_FALSE(SettingsVars.AnkBold);
    f.OKButtonClick();
    EXPECT_EQ(std::pair(Bracket(*memo, 4).Style().Contains(TFontStyle::fsItalic),
                        memo->View()->Colors()->Ank()->Style().Contains(TFontStyle::fsBold)),
              std::pair(true, false));
}

// The preview parses its text again, so the reserved word shows the new
// colour at once.
TEST_F(OptionsFormTest, ReservedWordRepaintsInItsNewColour)
{
    TOpForm& f = Open();
    f.PageControl1->setCurrentIndex(1);
    Choose("強調");
    dialogs.AnswerColor(Chosen);
    f.ClChangeBtn->click();
    const int row = f.ClMonitor->LineFromChar(static_cast<int>(f.ClMonitor->GetText().find("procedure")));
    const TRowPlan plan = f.ClMonitor->RowPlan(row);
    ASSERT_FALSE(plan.Runs.empty());
    EXPECT_EQ(plan.Runs.front().Color, Chosen);
    EXPECT_TRUE(plan.Runs.front().Style.Contains(TFontStyle::fsBold));
}
