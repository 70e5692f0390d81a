// Holds back the notices (message boxes whose only button is OK) asked
// while the program starts, so that they appear over its main window
// instead of alone on an empty screen. Questions still go through at once:
// the start waits for their answers.
//
//   TDeferredNotices notices;     // installed while it lives
//   form.FormCreate(...);         // a damaged document's notice is held
//   form.show();
//   notices.Release();            // now it is shown, over the window
#pragma once

#include "DialogHook.h"

#include <vector>

class TDeferredNotices : public TDialogHook {
public:
    TDeferredNotices();
    // Puts back the hook it replaced, if Release has not; held notices are
    // dropped.
    ~TDeferredNotices() override;
    TDeferredNotices(const TDeferredNotices&) = delete;
    TDeferredNotices& operator=(const TDeferredNotices&) = delete;

    // Puts back the hook it replaced and asks it the held notices, oldest
    // first. Later calls do nothing.
    void Release();

    TDialogAnswer Ask(const TDialogQuestion& Question) override;

private:
    TDialogHook& Asked_;
    TDialogHook* Replaced_;
    bool Installed_ = true;
    std::vector<TDialogQuestion> Held_;
};
