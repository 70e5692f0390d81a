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

TDialogHook& DialogHook() { return Installed ? *Installed : QtDialogs(); }

TDialogHook* SetDialogHook(TDialogHook* Hook)
{
    TDialogHook* previous = Installed;
    Installed = Hook;
    return previous;
}
