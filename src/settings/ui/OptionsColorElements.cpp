#include "OptionsColorElements.h"

#include "EditorEx.h"
#include "OptionsForm.h"
#include "OptionsPreviewParts.h"

#include <array>

namespace {

// Applies Set to both previews.
template <typename F>
void Both(TOpForm& Form, F Set)
{
    Set(*Form.EdMonitor);
    Set(*Form.ClMonitor);
}

TOptionsWorkState& Work() { return OptionsWorkState(); }

constexpr bool TSettingsVars::*None = nullptr;

const std::array<TColorElement, 28> Elements = {{
    {"半角文字", [](const TOpForm& F) { return Colors(*F.ClMonitor).Ank()->Color(); },
     [](TOpForm& F, TColor C) {
         Both(F, [C](TEditorEx& E) {
             for (TEditorColor* item : {Colors(E).Ank(), Colors(E).Int(), Colors(E).Symbol(), Colors(E).Str()})
                 item->SetColor(C);
         });
     },
     TBackTarget::None, TPreviewRefresh::None, TStyledElement::Ank, &TSettingsVars::AnkBold, &TSettingsVars::AnkItalic,
     &TSettingsVars::AnkUL},
    {"半角空白", [](const TOpForm&) { return Work().HanCol; },
     [](TOpForm& F, TColor C) {
         Work().HanCol = C;
         F.ClMonitor->ExMarks()->SpaceMark()->SetColor(C);
     },
     TBackTarget::None, TPreviewRefresh::None, std::nullopt, None, None, None},
    {"全角文字", [](const TOpForm& F) { return Colors(*F.ClMonitor).DBCS()->Color(); },
     [](TOpForm& F, TColor C) { Both(F, [C](TEditorEx& E) { Colors(E).DBCS()->SetColor(C); }); }, TBackTarget::None,
     TPreviewRefresh::None, TStyledElement::DBCS, &TSettingsVars::DBCSBold, &TSettingsVars::DBCSItalic,
     &TSettingsVars::DBCSUL},
    {"全角空白", [](const TOpForm&) { return Work().ZenTabCol; },
     [](TOpForm& F, TColor C) {
         Work().ZenTabCol = C;
         F.ClMonitor->ExMarks()->DBSpaceMark()->SetColor(C);
         F.ClMonitor->ExMarks()->TabMark()->SetColor(C);
     },
     TBackTarget::None, TPreviewRefresh::None, std::nullopt, None, None, None},
    {"EOF", [](const TOpForm& F) { return F.ClMonitor->Marks()->EofMark()->Color(); },
     [](TOpForm& F, TColor C) { Both(F, [C](TEditorEx& E) { E.Marks()->EofMark()->SetColor(C); }); }, TBackTarget::None,
     TPreviewRefresh::None, std::nullopt, None, None, None},
    {"改行", [](const TOpForm& F) { return F.ClMonitor->Marks()->RetMark()->Color(); },
     [](TOpForm& F, TColor C) { Both(F, [C](TEditorEx& E) { E.Marks()->RetMark()->SetColor(C); }); }, TBackTarget::None,
     TPreviewRefresh::None, std::nullopt, None, None, None},
    {"Url", [](const TOpForm& F) { return Colors(*F.ClMonitor).Url()->Color(); },
     [](TOpForm& F, TColor C) { Colors(*F.ClMonitor).Url()->SetColor(C); }, TBackTarget::None, TPreviewRefresh::None,
     TStyledElement::Url, &TSettingsVars::UrlBold, &TSettingsVars::UrlItalic, &TSettingsVars::UrlUL},
    {"Mail", [](const TOpForm& F) { return Colors(*F.ClMonitor).Mail()->Color(); },
     [](TOpForm& F, TColor C) { Colors(*F.ClMonitor).Mail()->SetColor(C); }, TBackTarget::None, TPreviewRefresh::None,
     TStyledElement::Mail, &TSettingsVars::MailBold, &TSettingsVars::MailItalic, &TSettingsVars::MailUL},
    {"コメント", [](const TOpForm& F) { return Colors(*F.ClMonitor).Comment()->Color(); },
     [](TOpForm& F, TColor C) { Colors(*F.ClMonitor).Comment()->SetColor(C); }, TBackTarget::None,
     TPreviewRefresh::None, TStyledElement::Comment, &TSettingsVars::CommentBold, None, None},
    {"アンダーライン", [](const TOpForm& F) { return F.ClMonitor->Marks()->Underline()->Color(); },
     [](TOpForm& F, TColor C) { Both(F, [C](TEditorEx& E) { E.Marks()->Underline()->SetColor(C); }); },
     TBackTarget::None, TPreviewRefresh::None, std::nullopt, None, None, None},
    {"背景色", nullptr, nullptr, TBackTarget::Background, TPreviewRefresh::None, std::nullopt, None, None, None},
    {"ファイルリンク", [](const TOpForm& F) { return Bracket(*F.ClMonitor, FileLinkBracket).Color(); },
     [](TOpForm& F, TColor C) { Bracket(*F.ClMonitor, FileLinkBracket).SetColor(C); }, TBackTarget::None,
     TPreviewRefresh::Reparse, TStyledElement::FileLink, &TSettingsVars::FileLinkBold, &TSettingsVars::FileLinkItalic,
     None},
    {"ページリンク", [](const TOpForm& F) { return Bracket(*F.ClMonitor, PageLinkBracket).Color(); },
     [](TOpForm& F, TColor C) { Bracket(*F.ClMonitor, PageLinkBracket).SetColor(C); }, TBackTarget::None,
     TPreviewRefresh::Reparse, TStyledElement::PageLink, &TSettingsVars::PageLinkBold, &TSettingsVars::PageLinkItalic,
     None},
    {"強調", [](const TOpForm& F) { return Colors(*F.ClMonitor).Reserve()->Color(); },
     [](TOpForm& F, TColor C) { Colors(*F.ClMonitor).Reserve()->SetColor(C); }, TBackTarget::None,
     TPreviewRefresh::Reparse, std::nullopt, None, None, None},
    {"文字列", [](const TOpForm& F) { return Colors(*F.ClMonitor).Str()->Color(); },
     [](TOpForm& F, TColor C) { Colors(*F.ClMonitor).Str()->SetColor(C); }, TBackTarget::None, TPreviewRefresh::None,
     std::nullopt, None, None, None},
    {"検索ヒット文字列", [](const TOpForm& F) { return F.ClMonitor->ExMarks()->Hit()->Color(); },
     [](TOpForm& F, TColor C) { Both(F, [C](TEditorEx& E) { E.ExMarks()->Hit()->SetColor(C); }); }, TBackTarget::None,
     TPreviewRefresh::None, std::nullopt, None, None, None},
    {"検索ヒット文字列マーク", [](const TOpForm& F) { return F.ClMonitor->ExMarks()->FindMark()->Color(); },
     [](TOpForm& F, TColor C) { Both(F, [C](TEditorEx& E) { E.ExMarks()->FindMark()->SetColor(C); }); },
     TBackTarget::None, TPreviewRefresh::None, std::nullopt, None, None, None},
    {"ルーラー", [](const TOpForm& F) { return F.ClMonitor->Ruler()->Color(); },
     [](TOpForm& F, TColor C) { F.ClMonitor->Ruler()->SetColor(C); }, TBackTarget::None, TPreviewRefresh::None,
     std::nullopt, None, None, None},
    {"ルーラーマーク", [](const TOpForm& F) { return F.ClMonitor->Ruler()->MarkColor(); },
     [](TOpForm& F, TColor C) { F.ClMonitor->Ruler()->SetMarkColor(C); }, TBackTarget::None, TPreviewRefresh::None,
     std::nullopt, None, None, None},
    {"「」", [](const TOpForm& F) { return Bracket(*F.ClMonitor, KagiBracket).Color(); },
     [](TOpForm& F, TColor C) { Bracket(*F.ClMonitor, KagiBracket).SetColor(C); }, TBackTarget::Kagi,
     TPreviewRefresh::EmptyAndReparse, std::nullopt, None, None, None},
    {"選択文字", [](const TOpForm& F) { return Colors(*F.ClMonitor).Select()->Color(); },
     [](TOpForm& F, TColor C) { Colors(*F.ClMonitor).Select()->SetColor(C); }, TBackTarget::Select,
     TPreviewRefresh::None, std::nullopt, None, None, None},
    {"対応する括弧の背景", nullptr, nullptr, TBackTarget::ParenMark, TPreviewRefresh::None, std::nullopt, None, None,
     None},
    {"HTMLタグ", [](const TOpForm&) { return Work().TagColor; }, [](TOpForm&, TColor C) { Work().TagColor = C; },
     TBackTarget::None, TPreviewRefresh::None, std::nullopt, None, None, None},
    {"HTMLタグ要素", [](const TOpForm&) { return Work().TagElement; },
     [](TOpForm&, TColor C) { Work().TagElement = C; }, TBackTarget::None, TPreviewRefresh::None, std::nullopt, None,
     None, None},
    {"HTMLタグ属性", [](const TOpForm&) { return Work().TagAttribute; },
     [](TOpForm&, TColor C) { Work().TagAttribute = C; }, TBackTarget::None, TPreviewRefresh::None, std::nullopt, None,
     None, None},
    {"{* *}", [](const TOpForm& F) { return Bracket(*F.ClMonitor, 0).Color(); },
     [](TOpForm& F, TColor C) { Bracket(*F.ClMonitor, 0).SetColor(C); }, TBackTarget::None,
     TPreviewRefresh::EmptyAndReparse, std::nullopt, None, None, None},
    {"{! !}", [](const TOpForm& F) { return Bracket(*F.ClMonitor, 1).Color(); },
     [](TOpForm& F, TColor C) { Bracket(*F.ClMonitor, 1).SetColor(C); }, TBackTarget::None,
     TPreviewRefresh::EmptyAndReparse, std::nullopt, None, None, None},
    {"/* */", [](const TOpForm& F) { return Bracket(*F.ClMonitor, 2).Color(); },
     [](TOpForm& F, TColor C) { Bracket(*F.ClMonitor, 2).SetColor(C); }, TBackTarget::None,
     TPreviewRefresh::EmptyAndReparse, std::nullopt, None, None, None},
}};

} // namespace

std::span<const TColorElement> ColorElements() { return Elements; }

const TColorElement* FindColorElement(const QString& Caption)
{
    for (const TColorElement& element : Elements)
        if (Caption == QString::fromUtf8(element.Caption))
            return &element;
    return nullptr;
}
