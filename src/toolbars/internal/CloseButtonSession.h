// One press of a tool window's close button: the button shows pressed
// while the pointer is on it, and a release there closes the window unless
// its OnCloseQuery keeps it.
#pragma once

#include "MouseLoop.h"

class TCustomToolWindow;

class TCloseButtonSession : public TMouseSession {
public:
    explicit TCloseButtonSession(TCustomToolWindow& Bar);
    ~TCloseButtonSession() override;

    void Move(QPoint Global) override;
    void Finish(bool Accept);
    bool Down() const { return Down_; }

private:
    void SetDown(bool Down);

    TCustomToolWindow& Bar_;
    bool Down_ = false;
};
