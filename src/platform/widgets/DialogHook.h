// The one way every modal question of the program is asked: message boxes,
// input boxes, file, folder and colour dialogs, and the program's own
// modal forms. By default the hook shows Qt dialogs; tests install one
// that answers from a script (TScriptedDialogs), so nothing ever waits for
// a person.
//
// Questions and answers are in UTF-8, as the user reads and types them;
// the routines of Dialogs.h turn values and paths into Shift-JIS.
#pragma once

#include "Graphics.h"
#include "Set.h"

#include <QPoint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QDialog;

enum class TMsgDlgType {
    mtWarning,
    mtError,
    mtInformation,
    mtConfirmation,
    mtCustom // no icon, the caption of the window it stands over (ShowMessage)
};

enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAll };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// The result of a modal dialog or form: the button that closed it.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;

// The result a message-box button gives.
TModalResult ModalResultOf(TMsgDlgBtn Button);

enum class TDialogKind { Message, Input, OpenFile, SaveFile, Folder, Color, Form };

// What is asked; which members count depends on Kind.
struct TDialogQuestion {
    TDialogKind Kind = TDialogKind::Message;
    // Message: the box's type and buttons, and the middle of its top edge
    // (else it is centred over the active window).
    TMsgDlgType Type = TMsgDlgType::mtInformation;
    TMsgDlgButtons Buttons = {};
    // Message: words of their own on some of the buttons, in place of
    // "はい", "いいえ" ..., for a question whose answers say what they do
    // (such a button has no letter that presses it); and the button Return
    // presses, when it is not the usual one (ReturnButton).
    std::vector<std::pair<TMsgDlgBtn, std::string>> Captions = {};
    std::optional<TMsgDlgBtn> Default = {};
    std::optional<QPoint> TopCentre = {};
    // Message: its text. Input: the prompt.
    std::string Text = {};
    // Input, file and folder dialogs: the caption (empty: the dialog's
    // own). Form: the form's window title.
    std::string Caption = {};
    // Input: the text in the box. File: the file name. Folder: the folder.
    std::string Value = {};
    // File dialogs: the folder they open in, the filter as the program
    // writes it ("テキスト|*.txt;*.htm*|All Files|*.*"), several files at
    // once, and whether to ask before choosing an existing file.
    std::string InitialDir = {};
    std::string Filter = {};
    bool MultiSelect = false;
    bool OverwritePrompt = false;
    // Colour: the colour the dialog opens on.
    TColor Color = clBlack;
    // Form: the form to run.
    QDialog* Form = nullptr;
};

struct TDialogAnswer {
    // The button of a message box; mrOk or mrCancel for an input box, a
    // file, folder or colour dialog; a form's result.
    TModalResult Result = mrCancel;
    // The text typed, the files or the folder chosen.
    std::vector<std::string> Values = {};
    // The colour chosen.
    TColor Color = clBlack;
};

// The button Return presses in a message box: the question's Default, else
// Yes, else OK; none when the box has neither.
std::optional<TMsgDlgBtn> ReturnButton(const TDialogQuestion& Question);

class TDialogHook {
public:
    virtual ~TDialogHook() = default;
    virtual TDialogAnswer Ask(const TDialogQuestion& Question) = 0;
};

// The hook that answers questions now.
TDialogHook& DialogHook();
// Installs Hook (nullptr: the Qt dialogs) and returns the one it replaces,
// nullptr when that was the Qt dialogs.
TDialogHook* SetDialogHook(TDialogHook* Hook);
