#include "Dialogs.h"

#include "Cp932.h"
#include "ModalActivity.h"
#include "OsPath.h"

#include <QDialog>
#include <set>

namespace {

const char* const kTextRefusal = "入力された文字列には Shift-JIS で表せない文字が含まれているので使えません。";

void Refuse(const std::string& Utf8, const std::string& Refusal)
{
    MessageDlg(Utf8 + "\r\n\r\n" + Refusal, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}

// The Shift-JIS form of text the user typed, or nothing, after telling the
// user, when Shift-JIS cannot hold it.
std::optional<std::string> SjisOrRefuse(const std::string& Utf8)
{
    bool lossless = true;
    std::string sjis = Utf8ToSjis(Utf8, &lossless);
    if (lossless)
        return sjis;
    Refuse(Utf8, kTextRefusal);
    return std::nullopt;
}

// Text typed over what the box proposed; the proposal itself keeps its
// bytes (a character with two Shift-JIS codes would otherwise come back as
// the other one).
std::optional<std::string> TypedOver(const std::string& Utf8, const std::string& ProposedSjis)
{
    if (Utf8 == SjisToUtf8(ProposedSjis))
        return ProposedSjis;
    return SjisOrRefuse(Utf8);
}

// A file name chosen where Proposed was offered as shown: a name in
// Shift-JIS bytes, offered as it reads, is the same file when taken as
// offered; any other choice is the file it names (OsPath.h).
std::string ChosenFileName(const std::string& OsName, const std::string& Proposed)
{
    if (OsName == ShownPath(Proposed))
        return Proposed;
    return FromOsPath(OsName);
}

// Every question goes through here: while it is open, the program is in a
// modal activity.
TDialogAnswer Ask(const TDialogQuestion& Question)
{
    const TModalActivity asking;
    return DialogHook().Ask(Question);
}

TModalResult AskMessage(TDialogQuestion Question)
{
    Question.Kind = TDialogKind::Message;
    return Ask(Question).Result;
}

} // namespace

TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
{
    return AskMessage({.Type = DlgType, .Buttons = Buttons, .Text = Msg});
}

TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        std::vector<std::pair<TMsgDlgBtn, std::string>> Captions, TMsgDlgBtn Default)
{
    return AskMessage(
        {.Type = DlgType, .Buttons = Buttons, .Captions = std::move(Captions), .Default = Default, .Text = Msg});
}

TModalResult MessageDlgAt(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, const QPoint& TopCentre)
{
    return AskMessage({.Type = DlgType, .Buttons = Buttons, .TopCentre = TopCentre, .Text = Msg});
}

void ShowMessage(const std::string& Msg) { MessageDlg(Msg, TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK}); }

void Tell(const std::string& Msg, TMsgDlgType DlgType) { MessageDlg(Msg, DlgType, {TMsgDlgBtn::mbOK}); }

namespace {

// The messages told this run; true the first time Msg is counted.
bool FirstTelling(const std::string& Msg)
{
    static std::set<std::string> told;
    return told.insert(Msg).second;
}

} // namespace

void TellOnce(const std::string& Msg, TMsgDlgType DlgType)
{
    if (FirstTelling(Msg))
        Tell(Msg, DlgType);
}

void TellOnce(const std::vector<std::string>& Msgs, TMsgDlgType DlgType)
{
    std::string untold;
    for (const std::string& msg : Msgs)
        if (FirstTelling(msg))
            untold += (untold.empty() ? "" : "\n") + msg;
    if (!untold.empty())
        Tell(untold, DlgType);
}

void CountAsTold(const std::string& Msg) { FirstTelling(Msg); }

bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value)
{
    const TDialogAnswer answer =
        Ask({.Kind = TDialogKind::Input, .Text = Prompt, .Caption = Caption, .Value = SjisToUtf8(Value)});
    if (answer.Result != mrOk || answer.Values.empty())
        return false;
    const std::optional<std::string> typed = TypedOver(answer.Values.front(), Value);
    if (!typed)
        return false;
    Value = *typed;
    return true;
}

std::string InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default)
{
    std::string value = Default;
    return InputQuery(Caption, Prompt, value) ? value : Default;
}

std::optional<std::string> TypedText(const std::string& Utf8) { return SjisOrRefuse(Utf8); }

void RefuseFileName(const std::string& FileName)
{
    const TEscapedParts parts = EscapedParts(FileName);
    std::string why;
    if (!parts.LookAlikeCharacters.empty())
        why += "この名前の文字「" + parts.LookAlikeCharacters + "」はページの文字にすると別の文字として読まれます。";
    if (!parts.CharactersWithoutShiftJis.empty())
        why += "この名前には Shift-JIS で表せない文字（" + parts.CharactersWithoutShiftJis + "）があります。";
    if (parts.BytesNotUtf8)
        why += "この名前には UTF-8 の文字でないバイトがあります。";
    Refuse(ShownPath(FileName), why + "そのためページに書けません。");
}

bool SelectDirectory(const std::string& Caption, std::string& Directory)
{
    const TDialogAnswer answer = Ask({.Kind = TDialogKind::Folder, .Caption = Caption, .Value = ShownPath(Directory)});
    if (answer.Result != mrOk || answer.Values.empty())
        return false;
    Directory = ChosenFileName(answer.Values.front(), Directory);
    return true;
}

bool TOpenDialog::Execute()
{
    const TDialogAnswer answer = Ask({.Kind = Kind_,
                                      .Caption = Title_,
                                      .Value = ShownPath(FileName_),
                                      .InitialDir = ShownPath(InitialDir_),
                                      .Filter = Filter_,
                                      .MultiSelect = Options_.Contains(TOpenOption::ofAllowMultiSelect),
                                      .OverwritePrompt = Options_.Contains(TOpenOption::ofOverwritePrompt)});
    if (answer.Result != mrOk || answer.Values.empty())
        return false;
    Files_.clear();
    for (const std::string& path : answer.Values)
        Files_.push_back(ChosenFileName(path, FileName_));
    FileName_ = Files_.front();
    return true;
}

bool TColorDialog::Execute()
{
    const TDialogAnswer answer = Ask({.Kind = TDialogKind::Color, .Color = Color_});
    if (answer.Result != mrOk)
        return false;
    Color_ = answer.Color;
    return true;
}

TModalResult ShowModal(QDialog& Form)
{
    return Ask({.Kind = TDialogKind::Form, .Caption = Form.windowTitle().toStdString(), .Form = &Form}).Result;
}
