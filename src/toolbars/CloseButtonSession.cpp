#include "CloseButtonSession.h"

#include "ToolWindow.h"

TCloseButtonSession::TCloseButtonSession(TCustomToolWindow& Bar) : Bar_(Bar) { SetDown(true); }

TCloseButtonSession::~TCloseButtonSession() { SetDown(false); }

void TCloseButtonSession::Move(QPoint Global) { SetDown(Bar_.CloseButtonRect().contains(Bar_.mapFromGlobal(Global))); }

void TCloseButtonSession::SetDown(bool Down)
{
    if (Down == Down_)
        return;
    Down_ = Down;
    Bar_.SetClosePressed(Down);
}

void TCloseButtonSession::Finish(bool Accept)
{
    const bool close = Accept && Down_;
    SetDown(false);
    if (!close)
        return;
    bool canClose = true;
    if (Bar_.OnCloseQuery)
        Bar_.OnCloseQuery(&Bar_, canClose);
    if (!canClose)
        return;
    Bar_.SetVisible(false);
    if (Bar_.OnClose)
        Bar_.OnClose(&Bar_);
}
