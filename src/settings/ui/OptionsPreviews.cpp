// The options dialog's two preview editors: how they are set up, filled
// from the main editor, changed by the colour page and copied back.
#include "OptionsForm.h"

#include "Cp932.h"
#include "EditorEx.h"
#include "HTMLFountain.h"
#include "OptionsPreviewParts.h"
#include "OptionsWorkState.h"
#include "SubIni.h"

#include <QCheckBox>

namespace {

// The colour elements that follow the page background in a preview.
std::vector<TFountainColor*> TextColors(const TEditorEx& Editor, bool WithStrAndReserve)
{
    TEditorColors& c = Colors(Editor);
    std::vector<TFountainColor*> items = {c.Ank(), c.Int(), c.Symbol(), c.DBCS(), c.Comment(), c.Url(), c.Mail()};
    if (WithStrAndReserve) {
        items.push_back(c.Str());
        items.push_back(c.Reserve());
    }
    return items;
}

void CopyColor(TFountainColor& To, const TFountainColor& From) { To.SetColor(From.Color()); }

void CopyColorAndStyle(TFountainColor& To, const TFountainColor& From)
{
    To.SetColor(From.Color());
    To.SetStyle(From.Style());
}

const std::string& EdMonitorText()
{
    static const std::string text = Utf8ToSjis("This is a sample of the editor's settings. Long English lines wrap\r\n"
                                               "at a word boundary when English word wrap is on.\r\n"
                                               "\r\n"
                                               "これはエディタの設定を確かめるための見本です。行間や字間、マージン、"
                                               "タブの幅、改行マークや EOF マークの表示がここに現れます。\r\n"
                                               "\tタブで始まる行。");
    return text;
}

const std::string& ClMonitorText()
{
    static const std::string text = Utf8ToSjis("全角文字の文です。全角空白「　」と半角空白「 」があります。\r\n"
                                               "// 標準のコメント行\r\n"
                                               "> 半角の引用符で始まる行\r\n"
                                               "※全角の引用符で始まる行\r\n"
                                               "Half-width 12345 // comment\r\n"
                                               "procedure Sample;\r\n"
                                               "\"a double-quoted string\"\r\n"
                                               "「かぎ括弧」 {* brace star *} {! brace bang !} /* C comment */\r\n"
                                               "http://www.example.com/\r\n"
                                               "someone@example.com\r\n"
                                               "<file@/home/user/memo.txt>\r\n"
                                               "<node@ページのタイトル>");
    return text;
}

void SetUpBrackets(TEditorEx& Editor)
{
    static const std::string corner = Utf8ToSjis("「"), cornerEnd = Utf8ToSjis("」");
    const std::pair<std::string, std::string> pairs[] = {{"{*", "*}"},        {"{!", "!}"},    {"/*", "*/"},
                                                         {corner, cornerEnd}, {"<file@", ">"}, {"<node@", ">"}};
    TFountainBracketCollection& brackets = *Editor.View()->Brackets();
    brackets.Clear();
    for (const auto& [left, right] : pairs) {
        TFountainBracketItem* item = brackets.Add();
        item->SetLeftBracket(left);
        item->SetRightBracket(right);
    }
}

// What both previews share: the face, the wrap character sets of the main
// editor, and wrapping rules off until the controls set them.
void SetUpCommon(TEditorEx& Preview, const TEditorEx& Main)
{
    static const std::string mincho = Utf8ToSjis("ＭＳ 明朝");
    TFont font;
    font.SetName(mincho);
    font.SetHeight(-13);
    Preview.SetFont(&font);
    Preview.Caret()->SetFreeCaret(true);
    Preview.Caret()->SetAutoIndent(true);
    Preview.Caret()->SetBackSpaceUnIndent(true);
    Preview.Caret()->SetRowSelect(true);
    Preview.Caret()->SetSelMove(true);
    Preview.Imagebar()->SetVisible(true);
    TEditorWrapOption& wrap = *Preview.WrapOption();
    wrap.SetFollowStr(Main.WrapOption()->FollowStr());
    wrap.SetLeadStr(Main.WrapOption()->LeadStr());
    wrap.SetPunctuationStr(Main.WrapOption()->PunctuationStr());
    wrap.SetFollowRetMark(false);
    wrap.SetFollowPunctuation(false);
    wrap.SetLeading(false);
    wrap.SetWordBreak(false);
    Preview.Leftbar()->SetVisible(false);
    for (TEditorMark* mark : {Preview.Marks()->EofMark(), Preview.Marks()->RetMark(), Preview.Marks()->Underline(),
                              Preview.ExMarks()->ParenMark()})
        mark->SetVisible(false);
}

} // namespace

void TOpForm::SetUpPreviews()
{
    const TEditorEx& main = *Targets_.DataMemo;
    TEditorEx& ed = *EdMonitor;
    SetUpCommon(ed, main);
    ed.Caret()->SetTabSpaceCount(8);
    ed.SetHitStyle(TEditorHitStyle::hsSelect);
    ed.Margin()->SetLeft(5);
    ed.Margin()->SetLine(2);
    ed.Margin()->SetTop(2);
    ed.Margin()->SetCharacter(0);
    ed.Ruler()->SetVisible(false);
    ed.SetScrollBars(TScrollStyle::ssVertical);
    ed.WrapOption()->SetWrapByte(60);
    ed.SetWordWrap(true);
    ed.SetUndoListMax(64);
    Colors(ed).Select()->SetColor(clWhite);
    Colors(ed).Select()->SetBkColor(clNavy);
    ed.SetText(EdMonitorText());

    TEditorEx& cl = *ClMonitor;
    SetUpCommon(cl, main);
    cl.Caret()->SetTabSpaceCount(4);
    cl.Margin()->SetLeft(5);
    cl.Margin()->SetLine(1);
    cl.Margin()->SetTop(2);
    cl.Imagebar()->SetDigitWidth(8);
    cl.Ruler()->SetVisible(true);
    cl.SetScrollBars(TScrollStyle::ssBoth);
    cl.Marks()->EofMark()->SetVisible(true);
    cl.Marks()->RetMark()->SetVisible(true);
    cl.ExMarks()->DBSpaceMark()->SetVisible(true);
    cl.ExMarks()->SpaceMark()->SetVisible(true);
    cl.View()->SetMail(true);
    cl.View()->SetUrl(true);
    cl.View()->SetQuotation("\"");
    TStringList words;
    words.Add("procedure");
    cl.SetReserveWordList(&words);
    Colors(cl).Reserve()->SetStyle({TFontStyle::fsBold});
    cl.WrapOption()->SetWrapByte(80);
    SetUpBrackets(cl);
    cl.SetText(ClMonitorText());
}

void TOpForm::FillPreviews()
{
    const TEditorEx& main = *Targets_.DataMemo;
    TEditorEx& cl = *ClMonitor;
    TEditorEx& ed = *EdMonitor;
    TOptionsWorkState& work = OptionsWorkState();
    const TColor back = SettingsVars.Colors.Back;
    const TEditorColors& from = Colors(main);

    // Delphi quotes its strings with the single quote, as the page editor
    // does in that mode.
    cl.View()->SetQuotation(Targets_.EditMode == DelphiEditMode ? "'" : "\"");
    for (auto [to, source] : {std::pair{cl.Marks()->EofMark(), main.Marks()->EofMark()},
                              std::pair{cl.Marks()->RetMark(), main.Marks()->RetMark()},
                              std::pair{cl.Marks()->Underline(), main.Marks()->Underline()},
                              std::pair{cl.ExMarks()->ParenMark(), main.ExMarks()->ParenMark()}})
        to->SetColor(source->Color());
    for (TFountainColor* to : {Colors(cl).Ank(), Colors(cl).Int(), Colors(cl).Symbol()})
        CopyColorAndStyle(*to, *from.Ank());
    Colors(cl).Str()->SetColor(SettingsVars.StrCol);
    for (auto [to, source] : {std::pair<TFountainColor*, TFountainColor*>{Colors(cl).DBCS(), from.DBCS()},
                              {Colors(cl).Url(), from.Url()},
                              {Colors(cl).Mail(), from.Mail()},
                              {Colors(cl).Comment(), from.Comment()}})
        CopyColorAndStyle(*to, *source);
    CopyColor(*Colors(cl).Select(), *from.Select());
    CopyColor(*Colors(cl).Reserve(), *from.Reserve());
    for (TEditorEx* preview : {&cl, &ed}) {
        preview->Ruler()->SetColor(main.Ruler()->Color());
        preview->Ruler()->SetMarkColor(main.Ruler()->MarkColor());
    }
    ed.Ruler()->SetBkColor(back);

    work.ZenTabCol = SettingsVars.ZenTabCol;
    work.HanCol = SettingsVars.HanCol;
    cl.ExMarks()->DBSpaceMark()->SetColor(work.ZenTabCol);
    cl.ExMarks()->TabMark()->SetColor(work.ZenTabCol);
    cl.ExMarks()->SpaceMark()->SetColor(work.HanCol);
    cl.ExMarks()->Hit()->SetColor(main.ExMarks()->Hit()->Color());
    cl.ExMarks()->FindMark()->SetColor(main.ExMarks()->FindMark()->Color());

    for (int i = 0; i <= PageLinkBracket; ++i)
        CopyColor(Bracket(cl, i), Bracket(main, i));
    Colors(cl).Select()->SetBkColor(from.Select()->BkColor());
    Bracket(cl, KagiBracket).SetBkColor(Bracket(main, KagiBracket).BkColor());
    Bracket(cl, FileLinkBracket).SetStyle(Bracket(main, FileLinkBracket).Style());
    Bracket(cl, PageLinkBracket).SetStyle(Bracket(main, PageLinkBracket).Style());
    ApplyPreviewBackground(back);

    work.Styles(TStyledElement::Ank) = from.Ank()->Style();
    work.Styles(TStyledElement::DBCS) = from.DBCS()->Style();
    work.Styles(TStyledElement::Url) = from.Url()->Style();
    work.Styles(TStyledElement::Mail) = from.Mail()->Style();
    work.Styles(TStyledElement::Comment) = from.Comment()->Style();
    work.Styles(TStyledElement::FileLink) = Bracket(main, FileLinkBracket).Style();
    work.Styles(TStyledElement::PageLink) = Bracket(main, PageLinkBracket).Style();

    ed.Caret()->SetTabSpaceCount(main.Caret()->TabSpaceCount());
    for (TFountainColor* to : {Colors(ed).Ank(), Colors(ed).Int(), Colors(ed).Symbol()})
        CopyColorAndStyle(*to, *from.Ank());
    for (auto [to, source] : {std::pair<TFountainColor*, TFountainColor*>{Colors(ed).DBCS(), from.DBCS()},
                              {Colors(ed).Url(), from.Url()},
                              {Colors(ed).Mail(), from.Mail()},
                              {Colors(ed).Comment(), from.Comment()}})
        CopyColorAndStyle(*to, *source);
    for (auto [to, source] : {std::pair{ed.Marks()->EofMark(), main.Marks()->EofMark()},
                              std::pair{ed.Marks()->RetMark(), main.Marks()->RetMark()},
                              std::pair{ed.Marks()->Underline(), main.Marks()->Underline()},
                              std::pair{ed.ExMarks()->ParenMark(), main.ExMarks()->ParenMark()}})
        to->SetColor(source->Color());
    Colors(ed).Select()->SetColor(from.Select()->Color());
    Colors(ed).Select()->SetBkColor(from.Select()->BkColor());
    CopyColor(*Colors(ed).Reserve(), *from.Reserve());

    const THTMLFountain& html = *Targets_.HTMLFountain1;
    work.TagColor = html.TagColor()->Color();
    work.TagElement = html.TagElement()->Color();
    work.TagAttribute = html.TagAttribute()->Color();
}

// Both previews take Back as the page background; the corner brackets keep
// their own.
void TOpForm::ApplyPreviewBackground(TColor Back)
{
    TEditorEx& cl = *ClMonitor;
    cl.SetColor(Back);
    for (TFountainColor* item : TextColors(cl, true))
        item->SetBkColor(Back);
    for (int i : {0, 1, 2, FileLinkBracket, PageLinkBracket})
        Bracket(cl, i).SetBkColor(Back);
    cl.Ruler()->SetBkColor(Back);
    for (TFountainColor* item : TextColors(*EdMonitor, false))
        item->SetBkColor(Back);
    EdMonitor->SetColor(Back);
}

void TOpForm::ApplyPreviewStyles()
{
    TOptionsWorkState& work = OptionsWorkState();
    TEditorColors& c = Colors(*ClMonitor);
    for (TFountainColor* item : {c.Ank(), c.Int(), c.Symbol()})
        item->SetStyle(work.Styles(TStyledElement::Ank));
    c.DBCS()->SetStyle(work.Styles(TStyledElement::DBCS));
    c.Url()->SetStyle(work.Styles(TStyledElement::Url));
    c.Mail()->SetStyle(work.Styles(TStyledElement::Mail));
    c.Comment()->SetStyle(work.Styles(TStyledElement::Comment));
    Bracket(*ClMonitor, FileLinkBracket).SetStyle(work.Styles(TStyledElement::FileLink));
    Bracket(*ClMonitor, PageLinkBracket).SetStyle(work.Styles(TStyledElement::PageLink));
    RefreshClMonitor(false);
}

// Takes the preview's text out and puts it back, so that it is parsed and
// painted again; bracket pairs need the preview emptied in between.
void TOpForm::RefreshClMonitor(bool EmptyFirst)
{
    const std::string text = ClMonitor->GetText();
    if (EmptyFirst)
        ClMonitor->SetText({});
    ClMonitor->SetText(text);
}

void TOpForm::SetPreviewCommenter(const std::string& QMark)
{
    ClMonitor->View()->SetCommenter(CommenterFor(CheckComment->isChecked(), QMark));
}

void TOpForm::ConfirmPreviews()
{
    TEditorEx& main = *Targets_.DataMemo;
    const TEditorEx& cl = *ClMonitor;
    TEditorColors& to = Colors(main);
    const TEditorColors& from = Colors(cl);

    SettingsVars.AnkCol = from.Ank()->Color();
    for (TFountainColor* item : {to.Ank(), to.Int(), to.Symbol(), to.Str()})
        item->SetColor(SettingsVars.AnkCol);
    main.Leftbar()->SetColor(SettingsVars.AnkCol);
    SettingsVars.StrCol = from.Str()->Color();
    SettingsVars.DBCSCol = from.DBCS()->Color();
    for (auto [target, source] : {std::pair<TFountainColor*, TFountainColor*>{to.DBCS(), from.DBCS()},
                                  {to.Url(), from.Url()},
                                  {to.Mail(), from.Mail()},
                                  {to.Comment(), from.Comment()},
                                  {to.Select(), from.Select()},
                                  {to.Reserve(), from.Reserve()}})
        CopyColor(*target, *source);
    for (auto [target, source] : {std::pair{main.Marks()->EofMark(), cl.Marks()->EofMark()},
                                  std::pair{main.Marks()->Underline(), cl.Marks()->Underline()},
                                  std::pair{main.Marks()->RetMark(), cl.Marks()->RetMark()},
                                  std::pair{main.ExMarks()->ParenMark(), cl.ExMarks()->ParenMark()},
                                  std::pair{main.ExMarks()->FindMark(), cl.ExMarks()->FindMark()}})
        target->SetColor(source->Color());
    main.ExMarks()->Hit()->SetColor(cl.ExMarks()->Hit()->Color());
    main.Ruler()->SetColor(cl.Ruler()->Color());
    main.Ruler()->SetMarkColor(cl.Ruler()->MarkColor());
    for (int i = 0; i <= PageLinkBracket; ++i)
        CopyColor(Bracket(main, i), Bracket(cl, i));
    to.Select()->SetBkColor(from.Select()->BkColor());
    Bracket(main, KagiBracket).SetBkColor(Bracket(cl, KagiBracket).BkColor());

    const TColor back = from.Ank()->BkColor();
    SettingsVars.Colors.Back = back;
    for (TFountainColor* item : TextColors(main, true))
        item->SetBkColor(back);
    main.SetColor(back);
    main.Ruler()->SetBkColor(back);
    main.Leftbar()->SetBkColor(back);
    for (int i : {0, 1, 2})
        Bracket(main, i).SetBkColor(back);
    for (int i : {FileLinkBracket, PageLinkBracket})
        Bracket(main, i).SetBkColor(Bracket(cl, i).BkColor());

    for (TFountainColor* item : {to.Ank(), to.Int(), to.Symbol()})
        item->SetStyle(from.Ank()->Style());
    for (auto [target, source] : {std::pair<TFountainColor*, TFountainColor*>{to.DBCS(), from.DBCS()},
                                  {to.Url(), from.Url()},
                                  {to.Mail(), from.Mail()},
                                  {to.Comment(), from.Comment()}})
        target->SetStyle(source->Style());
    for (int i : {FileLinkBracket, PageLinkBracket})
        Bracket(main, i).SetStyle(Bracket(cl, i).Style());

    THTMLFountain& html = *Targets_.HTMLFountain1;
    const TOptionsWorkState& work = OptionsWorkState();
    html.TagColor()->SetColor(work.TagColor);
    html.TagElement()->SetColor(work.TagElement);
    html.TagAttribute()->SetColor(work.TagAttribute);
    html.Str()->SetColor(SettingsVars.StrCol);
    CopyColorAndStyle(*html.Url(), *from.Url());
    CopyColorAndStyle(*html.Mail(), *from.Mail());
    if (html.Brackets()->Count() > 0)
        html.Brackets()->Items(0)->ItemColor()->SetColor(from.Comment()->Color());
}
