// The colouring the options give the page editor: the font styles of its
// colours and the bracket regions (comments, corner brackets, links) of the
// edit mode.
#include "Main.h"

#include "Cp932.h"
#include "EditorEx.h"
#include "EditorFountain.h"
#include "HTMLFountain.h"
#include "SubIni.h"
#include "TreeView.h"

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
void TVelkForm::SetupFountain()
{
    static const std::string corner = Utf8ToSjis("「");
    static const std::string cornerEnd = Utf8ToSjis("」");
    TEditorViewInfo& view = *DataMemo_->View();
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
        if (EditMode() == 1)
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
void TVelkForm::ApplyEditorColors()
{
    const TSettingsVars& v = SettingsVars;
    TFont treeFont;
    treeFont.Assign(&DataTree_->Font());
    treeFont.SetStyle(Styles(v.TreeFontBold, v.TreeFontItalic));
    DataTree_->SetFont(treeFont);

    TEditorColors& colors = *DataMemo_->View()->Colors();
    const TFontStyles ank = Styles(v.AnkBold, v.AnkItalic, v.AnkUL);
    for (TEditorColor* colour : {colors.Ank(), colors.Int(), colors.Str(), colors.Symbol()})
        colour->SetStyle(ank);
    colors.DBCS()->SetStyle(Styles(v.DBCSBold, v.DBCSItalic, v.DBCSUL));
    const TFontStyles url = Styles(v.UrlBold, v.UrlItalic, v.UrlUL);
    const TFontStyles mail = Styles(v.MailBold, v.MailItalic, v.MailUL);
    colors.Url()->SetStyle(url);
    HTMLFountain1_->Url()->SetStyle(url);
    colors.Mail()->SetStyle(mail);
    HTMLFountain1_->Mail()->SetStyle(mail);
    colors.Comment()->SetStyle(Styles(v.CommentBold, false));
    TFountainBracketCollection& brackets = *DataMemo_->View()->Brackets();
    if (brackets.Count() > PageLinkBracket) {
        brackets.Items(FileLinkBracket)->ItemColor()->SetStyle(Styles(v.FileLinkBold, v.FileLinkItalic));
        brackets.Items(PageLinkBracket)->ItemColor()->SetStyle(Styles(v.PageLinkBold, v.PageLinkItalic));
    }
}
