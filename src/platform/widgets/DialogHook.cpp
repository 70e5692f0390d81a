#include "DialogHook.h"

#include "QtDialogs.h"

namespace {

TDialogHook* Installed = nullptr;

} // namespace

TModalResult ModalResultOf(TMsgDlgBtn Button)
{
    switch (Button) {
    case TMsgDlgBtn::mbYes: return mrYes;
    case TMsgDlgBtn::mbNo: return mrNo;
    case TMsgDlgBtn::mbOK: return mrOk;
    case TMsgDlgBtn::mbCancel: return mrCancel;
    case TMsgDlgBtn::mbAll: return mrAll;
    }
    return mrNone;
}

std::optional<TMsgDlgBtn> ReturnButton(const TDialogQuestion& Question)
{
    if (Question.Default)
        return Question.Default;
    const TMsgDlgButtons buttons = Question.Buttons.Empty() ? TMsgDlgButtons{TMsgDlgBtn::mbOK} : Question.Buttons;
    for (const TMsgDlgBtn button : {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbOK})
        if (buttons.Contains(button))
            return button;
    return std::nullopt;
}

TDialogHook& DialogHook() { return Installed ? *Installed : QtDialogs(); }

TDialogHook* SetDialogHook(TDialogHook* Hook)
{
    TDialogHook* previous = Installed;
    Installed = Hook;
    return previous;
}
