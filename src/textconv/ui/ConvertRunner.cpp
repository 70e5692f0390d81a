#include "ConvertRunner.h"

#include "CalcSelection.h"
#include "Cp932.h"
#include "DaHenkan.h"
#include "DesuHenkan.h"
#include "Dialogs.h"
#include "HourGlass.h"
#include "NumberField.h"
#include "Seikei.h"
#include "SeikeiForm.h"
#include "SortForm.h"
#include "StrDelForm.h"
#include "StrDeleteEtc.h"
#include "StrHenkanForm.h"
#include "StrSeikeiForm.h"
#include "StrSort.h"
#include "SubIni.h"

using namespace textconv;

namespace {

enum TSeikeiMode { smKeisen = 3, smQuote = 4 };

bool EndsWithCrLf(std::string_view Text) { return Text.size() >= 2 && Text[Text.size() - 2] == '\r'; }

} // namespace

bool CheckKakkoPairs(std::string_view Text)
{
    const TKakkoCount count = CountKakko(Text);
    if (count.Open == count.Close)
        return true;
    MessageDlg("「 = " + std::to_string(count.Open) + "\r\n\r\n」 = " + std::to_string(count.Close)
                   + "\r\n\r\n「 」の数が一致しないので処理できません。",
               TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
    return false;
}

TConvertContext TConvertRunner::Context() const
{
    return {
        .TabWidth = Host_.TabWidth(),
        .InsSpcWidth = SettingsVars.InsSpc.width,
        .InsTabWidth = SettingsVars.InsTab.width,
        .InsZenSpcWidth = SettingsVars.InsZenSpc.width,
        .QMark = SettingsVars.QMark,
        .Numbering = {SettingsVars.BeforeNumberStr, SettingsVars.AfterNumberStr, SettingsVars.NumberIndent,
                      SettingsVars.NoContinue},
        .InsertNumber = Host_.InsertNumber(),
        .ClipConvert = Host_.ConvertClipText,
    };
}

std::string TConvertRunner::Selection() const
{
    ISelectionEditor* editor = Host_.Editor();
    return editor ? editor->SelText() : std::string();
}

void TConvertRunner::Replace(const std::string& Text)
{
    if (ISelectionEditor* editor = Host_.Editor())
        editor->SetSelText(Text);
}

bool TConvertRunner::Run(std::string_view Name)
{
    if (const TConvertCommand* command = FindConvertCommand(Name)) {
        ISelectionEditor* editor = Host_.Editor();
        if (!editor)
            return true;
        TConvertContext context = Context();
        THourGlass wait;
        RunConvertCommand(*command, *editor, context);
        Host_.SetInsertNumber(context.InsertNumber);
        return true;
    }
    using TMember = void (TConvertRunner::*)();
    static constexpr std::pair<std::string_view, TMember> questions[] = {
        {"pEdDesuToDaClick", &TConvertRunner::pEdDesuToDaClick},
        {"pEdDaToDesuClick", &TConvertRunner::pEdDaToDesuClick},
        {"pEdCalcClick", &TConvertRunner::pEdCalcClick},
        {"pEdSpecifiedStrDelClick", &TConvertRunner::pEdSpecifiedStrDelClick},
        {"pEdTopStrDelClick", &TConvertRunner::pEdTopStrDelClick},
        {"pEdStrRtnClick", &TConvertRunner::pEdStrRtnClick},
        {"pEdKeisenClick", &TConvertRunner::pEdKeisenClick},
        {"pEdCommentClick", &TConvertRunner::pEdCommentClick},
        {"EdSortClick", &TConvertRunner::EdSortClick},
    };
    for (const auto& [name, member] : questions)
        if (name == Name) {
            (this->*member)();
            return true;
        }
    return false;
}

template <size_t N>
void TConvertRunner::RunChoice(const std::array<std::string_view, N>& Choices, int Index)
{
    if (Index >= 0 && Index < static_cast<int>(N))
        Run(Choices[Index]);
}

// Without a selection the choice is still made and kept for the next
// time; there is only nothing to convert.
void TConvertRunner::sbHenkanClick()
{
    TStrHenkanForm form(Host_.Owner);
    if (ShowModal(form) != mrCancel && !Selection().empty())
        RunChoice(StrHenkanChoices(), SettingsVars.Convert.StrHenkanNo);
}

void TConvertRunner::sbSeikeiClick()
{
    TStrSeikeiForm form(Host_.Owner);
    if (ShowModal(form) != mrCancel)
        RunChoice(StrSeikeiChoices(), SettingsVars.Seikei.StrSeikeiNo);
}

void TConvertRunner::sbDeleteClick()
{
    TStrDelForm form(Host_.Owner);
    if (ShowModal(form) != mrCancel)
        RunChoice(StrDelChoices(), SettingsVars.Delete.GStrDelNo);
}

void TConvertRunner::ConvertSentenceStyle(const std::function<std::string(std::string_view, bool)>& Convert)
{
    const std::string selection = Selection();
    if (selection.empty())
        return;
    const TModalResult skip = MessageDlg("全角の括弧「」内の文字列の変換はパスしますか？", TMsgDlgType::mtConfirmation,
                                         {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel});
    if (skip == mrCancel)
        return;
    const bool skipQuotes = skip == mrYes;
    if (skipQuotes && !CheckKakkoPairs(selection))
        return;
    // The converters work on whole lines.
    std::string result;
    if (EndsWithCrLf(selection)) {
        result = Convert(selection, skipQuotes);
    } else {
        result = Convert(selection + "\r\n", skipQuotes);
        result.resize(result.size() >= 2 ? result.size() - 2 : 0);
    }
    Replace(result);
}

void TConvertRunner::pEdDesuToDaClick()
{
    ConvertSentenceStyle([](std::string_view Text, bool Skip) { return ConvertDesuToDa(Text, Skip); });
}

void TConvertRunner::pEdDaToDesuClick()
{
    const YesNoQuestion ask = [](const std::string& Question) {
        return MessageDlg(Question, TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) == mrYes;
    };
    ConvertSentenceStyle([&ask](std::string_view Text, bool Skip) { return ConvertDaToDesu(Text, Skip, ask); });
}

void TConvertRunner::pEdCalcClick()
{
    const std::string selection = Selection();
    if (selection.empty())
        return;
    const TCalcOutcome outcome = CalcSelection(selection);
    if (!outcome.Warning.empty())
        MessageDlg(outcome.Warning, TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
    if (!outcome.Replacement.empty())
        Replace(outcome.Replacement);
}

void TConvertRunner::pEdSpecifiedStrDelClick()
{
    std::string find = SettingsVars.AllDelStr;
    if (!InputQuery("指定した文字列を一括削除", "削除する文字列", find))
        return;
    SettingsVars.AllDelStr = find;
    int count = 0;
    if (const std::string selection = Selection(); !selection.empty()) {
        std::string result;
        count = Host_.DeleteText(selection, find, result);
        if (count > 0)
            Replace(result);
    }
    const std::string shown = "削除文字列  ' " + SjisToUtf8(find) + " '";
    const std::string message = count == 0 ? shown + "は見つかりませんでした。"
                                           : shown + "\r\n\r\n" + std::to_string(count) + "個削除しました。";
    MessageDlg(message, TMsgDlgType::mtInformation, {TMsgDlgBtn::mbOK});
}

void TConvertRunner::pEdTopStrDelClick()
{
    const std::string selection = Selection();
    if (selection.empty())
        return;
    std::string typed = std::to_string(SettingsVars.DelSpc.width);
    if (!InputQuery("先頭から指定した文字数を削除", "削除する数", typed))
        return;
    SettingsVars.DelSpc.width = TypedNumberOr0(typed);
    if (SettingsVars.DelSpc.width < 1)
        return;
    Replace(DeleteLineHeads(selection, SettingsVars.DelSpc.width));
}

void TConvertRunner::pEdStrRtnClick()
{
    if (Selection().empty())
        return;
    TSeikeiForm form(Host_.Owner);
    if (ShowModal(form) == mrCancel)
        return;
    RunSeikei(SettingsVars.Seikei.Index);
}

void TConvertRunner::pEdKeisenClick() { RunSeikei(smKeisen); }

void TConvertRunner::pEdCommentClick() { RunSeikei(smQuote); }

void TConvertRunner::RunSeikei(int Mode)
{
    ISelectionEditor* editor = Host_.Editor();
    if (!editor)
        return;
    const std::string selection = editor->SelText();
    if (selection.empty())
        return;
    const auto& seikei = SettingsVars.Seikei;
    const TSeikeiOptions options{
        .Index = Mode,
        .Width = seikei.Width,
        .English = seikei.English,
        .Indent = seikei.Indent,
        .KeisenBig = seikei.KeisenBig,
        .KeisenRtn = KeisenRtn(),
        .SeikeiMax = seikei.SeikeiMax,
        .QMark = SettingsVars.QMark,
        .WrapByteCache = Host_.WrapByteCache(),
        .TabWidth = Host_.TabWidth(),
    };
    THourGlass wait;
    const int start = editor->SelStart();
    const std::optional<std::string> result = SeikeiFormat(selection, options);
    if (!result)
        return;
    editor->SetSelText(*result);
    if (Mode != smKeisen && Mode != smQuote)
        editor->SetSelStart(start);
}

void TConvertRunner::EdSortClick()
{
    const std::string selection = Selection();
    if (selection.empty())
        return;
    TSortForm form(Host_.Owner);
    if (ShowModal(form) == mrCancel)
        return;
    const TSortChoice& choice = SortChoice();
    // Columns are shown counted from 0 unless the settings count from 1.
    int column = choice.SortPosition;
    if (!SettingsVars.Col_Row.Mode) {
        if (choice.SortPositionEmpty)
            column = 0;
        ++column;
    }
    THourGlass wait;
    Replace(SortLinesText(selection, column, choice.SortDirection == 1));
}
