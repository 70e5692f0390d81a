// The page editor's look as the settings give it.
#include "EditorLook.h"

#include "Cp932.h"
#include "EditorEx.h"
#include "EditorFountain.h"
#include "EditorLookHost.h"
#include "HTMLFountain.h"
#include "SettingsHost.h"
#include "SubIni.h"
#include "TreeView.h"

#include <array>

namespace {

TFontStyles Styles(bool Bold, bool Italic, bool Underline = false)
{
    TFontStyles styles;
    if (Bold)
        styles.Include(TFontStyle::fsBold);
    if (Italic)
        styles.Include(TFontStyle::fsItalic);
    if (Underline)
        styles.Include(TFontStyle::fsUnderline);
    return styles;
}

} // namespace

// The page editor colours with its view's own scheme: addresses, mail
// addresses and six bracket pairs, the last two the links in the form the
// options choose, and in Delphi mode its two block comments. Rebuilding
// the pairs keeps the colours they had.
void TEditorLook::SetupFountain()
{
    static const std::string corner = Utf8ToSjis("「");
    static const std::string cornerEnd = Utf8ToSjis("」");
    TEditorViewInfo& view = *Parts_.DataMemo.View();
    view.SetUrl(true);
    view.SetMail(true);
    TFountainBracketCollection& brackets = *view.Brackets();
    const bool carry = brackets.Count() > PageLinkBracket;
    std::array<TFountainColor, PageLinkBracket + 1> kept;
    if (carry)
        for (int i = 0; i <= PageLinkBracket; ++i)
            kept[static_cast<size_t>(i)].Assign(brackets.Items(i)->ItemColor());
    const bool bracketForm = SettingsVars.BracketFlg;
    const std::pair<std::string, std::string> pairs[] = {
        {"{*", "*}"},
        {"{!", "!}"},
        {"/*", "*/"},
        {corner, cornerEnd},
        {bracketForm ? "[:file@" : "<file@", bracketForm ? ":]" : ">"},
        {bracketForm ? "[:node@" : "<node@", bracketForm ? ":]" : ">"},
    };
    WithinUpdate(brackets, [&] {
        brackets.Clear();
        for (size_t i = 0; i < std::size(pairs); ++i) {
            TFountainBracketItem* item = brackets.Add();
            item->SetLeftBracket(pairs[i].first);
            item->SetRightBracket(pairs[i].second);
            if (!carry)
                continue;
            // Every pair but the corner brackets has the first pair's
            // background.
            TFountainColor& colour = *item->ItemColor();
            colour.SetColor(kept[i].Color());
            colour.SetBkColor(kept[i == KagiBracket ? KagiBracket : 0].BkColor());
            if (i == FileLinkBracket || i == PageLinkBracket)
                colour.SetStyle(kept[i].Style());
        }
        // Delphi's block comments, behind the first pair's background and
        // in the comment colour.
        if (Host_.EditMode() == 1)
            for (const auto& [open, close] : {std::pair{"{", "}"}, std::pair{"(*", "*)"}}) {
                TFountainBracketItem* item = brackets.Add();
                item->SetLeftBracket(open);
                item->SetRightBracket(close);
                item->ItemColor()->SetColor(view.Colors()->Comment()->Color());
                item->ItemColor()->SetBkColor(brackets.Items(0)->ItemColor()->BkColor());
            }
    });
}

// Each style is made afresh from its settings, so that one switched off in
// the options is off at once.
void TEditorLook::ApplyEditorColors()
{
    const TSettingsVars& v = SettingsVars;
    TFont treeFont;
    treeFont.Assign(&Parts_.DataTree.Font());
    treeFont.SetStyle(Styles(v.TreeFontBold, v.TreeFontItalic));
    Parts_.DataTree.SetFont(treeFont);

    TEditorColors& colors = *Parts_.DataMemo.View()->Colors();
    const TFontStyles ank = Styles(v.AnkBold, v.AnkItalic, v.AnkUL);
    for (TEditorColor* colour : {colors.Ank(), colors.Int(), colors.Str(), colors.Symbol()})
        colour->SetStyle(ank);
    colors.DBCS()->SetStyle(Styles(v.DBCSBold, v.DBCSItalic, v.DBCSUL));
    const TFontStyles url = Styles(v.UrlBold, v.UrlItalic, v.UrlUL);
    const TFontStyles mail = Styles(v.MailBold, v.MailItalic, v.MailUL);
    colors.Url()->SetStyle(url);
    Parts_.HTMLFountain1.Url()->SetStyle(url);
    colors.Mail()->SetStyle(mail);
    Parts_.HTMLFountain1.Mail()->SetStyle(mail);
    colors.Comment()->SetStyle(Styles(v.CommentBold, false));
    TFountainBracketCollection& brackets = *Parts_.DataMemo.View()->Brackets();
    if (brackets.Count() > PageLinkBracket) {
        brackets.Items(FileLinkBracket)->ItemColor()->SetStyle(Styles(v.FileLinkBold, v.FileLinkItalic));
        brackets.Items(PageLinkBracket)->ItemColor()->SetStyle(Styles(v.PageLinkBold, v.PageLinkItalic));
    }
}

// The end-of-file and line-end marks keep what the settings file and the
// options gave them ("EOFMK", "RETMK"), so that a colour chosen survives a
// restart; the wrap mark, which has no setting of its own, shows with the
// end-of-file mark and in its colour.
void TEditorLook::ApplyWrapMark()
{
    TEditorMarks& marks = *Parts_.DataMemo.Marks();
    marks.WrapMark()->SetVisible(marks.EofMark()->Visible());
    marks.WrapMark()->SetColor(marks.EofMark()->Color());
}

void TEditorLook::ApplyMarkSettings()
{
    for (TEditorEx* editor : {&Parts_.DataMemo, Host_.SecondEditor()})
        if (editor) {
            editor->ExMarks()->SpaceMark()->SetVisible(SettingsVars.HanSpace);
            editor->ExMarks()->SpaceMark()->SetColor(SettingsVars.HanCol);
        }
}

void TEditorLook::ApplyBracketColors()
{
    for (TEditorEx* editor : {&Parts_.DataMemo, Host_.SecondEditor()})
        if (editor) {
            TEditorExMarks& marks = *editor->ExMarks();
            for (TEditorMark* mark : {marks.DBSpaceMark(), marks.TabMark()}) {
                mark->SetVisible(SettingsVars.SpaceTab);
                mark->SetColor(SettingsVars.ZenTabCol);
            }
            marks.SpaceMark()->SetColor(SettingsVars.HanCol);
        }
}
