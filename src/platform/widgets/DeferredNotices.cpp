#include "DeferredNotices.h"

#include "ModalActivity.h"

#include <utility>

namespace {

bool IsNotice(const TDialogQuestion& Question)
{
    return Question.Kind == TDialogKind::Message
           && (Question.Buttons.Empty() || Question.Buttons == TMsgDlgButtons{TMsgDlgBtn::mbOK});
}

} // namespace

TDeferredNotices::TDeferredNotices() : Asked_(DialogHook()), Replaced_(SetDialogHook(this)) {}

TDeferredNotices::~TDeferredNotices()
{
    if (Installed_)
        SetDialogHook(Replaced_);
}

void TDeferredNotices::Release()
{
    if (!Installed_)
        return;
    SetDialogHook(Replaced_);
    Installed_ = false;
    for (const TDialogQuestion& notice : std::exchange(Held_, {})) {
        // Shown past the questions' own way in, and as modal as they are.
        const TModalActivity telling;
        Asked_.Ask(notice);
    }
}

TDialogAnswer TDeferredNotices::Ask(const TDialogQuestion& Question)
{
    if (!IsNotice(Question))
        return Asked_.Ask(Question);
    Held_.push_back(Question);
    return {.Result = mrOk};
}
