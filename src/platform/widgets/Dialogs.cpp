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

std::string TextRefusal(const std::string&) { return kTextRefusal; }

// Names the characters that keep the name from being used.
std::string PathRefusal(const std::string& OsName)
{
    return "この名前には Shift-JIS で表せない文字（" + CharactersWithoutShiftJis(OsName)
           + "）が含まれているので使えません。";
}

// How typed text and file names become Shift-JIS and are shown: a file
// name keeps exactly the file it names (OsPath.h), and is shown as it
// reads, so a name in Shift-JIS bytes offered and taken as shown is the
// same file.
struct TConversion {
    std::string (*ToSjis)(std::string_view, bool*);
    std::string (*ToUtf8)(std::string_view);
    std::string (*Refusal)(const std::string& Utf8);
};
std::string TextToSjis(std::string_view Utf8, bool* Lossless) { return Utf8ToSjis(Utf8, Lossless); }
std::string TextToUtf8(std::string_view Sjis) { return SjisToUtf8(Sjis); }
const TConversion kText{TextToSjis, TextToUtf8, TextRefusal};
const TConversion kPath{FromOsPath, ShownPath, PathRefusal};

// The Shift-JIS form of a path or text the user chose, or nothing, after
// telling the user, when Shift-JIS cannot hold it.
std::optional<std::string> ToSjisOrRefuse(const std::string& Utf8, const TConversion& As)
{
    bool lossless = true;
    std::string sjis = As.ToSjis(Utf8, &lossless);
    if (lossless)
        return sjis;
    Refuse(Utf8, As.Refusal(Utf8));
    return std::nullopt;
}

// The same for a choice that may be what the dialog proposed: that keeps
// its bytes (a character with two Shift-JIS codes would otherwise come back
// as the other one).
std::optional<std::string> ChosenSjis(const std::string& Utf8, const std::string& ProposedSjis, const TConversion& As)
{
    if (Utf8 == As.ToUtf8(ProposedSjis))
        return ProposedSjis;
    return ToSjisOrRefuse(Utf8, As);
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
    const std::optional<std::string> typed = ChosenSjis(answer.Values.front(), Value, kText);
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

std::optional<std::string> TypedText(const std::string& Utf8) { return ToSjisOrRefuse(Utf8, kText); }

std::optional<std::string> FileNameFromOs(const std::string& OsName) { return ToSjisOrRefuse(OsName, kPath); }

void RefuseFileName(const std::string& FileName)
{
    const TEscapedParts parts = EscapedParts(FileName);
    std::string why;
    if (!parts.LookAlikeCharacters.empty())
        why += "この名前の文字「" + parts.LookAlikeCharacters + "」はページの文字にすると別の文字として読まれます。";
    if (parts.BytesNotUtf8)
        why += "この名前には UTF-8 の文字でないバイトがあります。";
    Refuse(ShownPath(FileName), why + "そのためページに書けません。");
}

bool SelectDirectory(const std::string& Caption, std::string& Directory)
{
    const TDialogAnswer answer = Ask({.Kind = TDialogKind::Folder, .Caption = Caption, .Value = ShownPath(Directory)});
    if (answer.Result != mrOk || answer.Values.empty())
        return false;
    const std::optional<std::string> folder = ChosenSjis(answer.Values.front(), Directory, kPath);
    if (!folder)
        return false;
    Directory = *folder;
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
    std::vector<std::string> files;
    for (const std::string& path : answer.Values) {
        std::optional<std::string> file = ChosenSjis(path, FileName_, kPath);
        if (!file)
            return false;
        files.push_back(std::move(*file));
    }
    Files_ = std::move(files);
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
