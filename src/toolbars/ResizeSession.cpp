#include "ResizeSession.h"

#include "DragGeometry.h"
#include "DragOutline.h"
#include "ToolWindow.h"

TResizeSession::TResizeSession(TCustomToolWindow& Bar, int Edge, QPoint Press, QPoint Global, TDragOutline* Outline)
    : Bar_(Bar), Edge_(Edge), Start_(Global), Last_(Global), StartRect_(Global - Press, Bar.size()),
      NewRect_(StartRect_), Outline_(Outline)
{
    Bar_.BeginFloatSizing(Edge);
    ShowOutline();
}

void TResizeSession::Move(QPoint Global)
{
    if (Global == Last_)
        return;
    Last_ = Global;
    const QPoint travel = Global - Start_;
    const QSize least = Bar_.FrameSize() + Bar_.GetExtraSize();
    const TBarRect start{StartRect_.left(), StartRect_.top(), StartRect_.width(), StartRect_.height()};
    const TBarRect r = ResizeByEdge(start, Edge_, travel.x(), travel.y(), {least.width(), least.height()});
    NewRect_ = Bar_.TrackFloatSizing(Global, QRect(r.Left, r.Top, r.Width, r.Height), StartRect_);
    ShowOutline();
}

void TResizeSession::ShowOutline()
{
    if (Outline_)
        Outline_->Show(NewRect_, Bar_.FrameMarginsFor(nullptr).Left);
}

void TResizeSession::Finish(bool Accept)
{
    if (Outline_)
        Outline_->Show({}, 0);
    Bar_.EndFloatSizing(Accept);
    if (!Accept)
        return;
    Bar_.BeginArrange();
    Bar_.SetBounds(NewRect_);
    Bar_.EndArrange();
    Bar_.KeepOnScreen(true);
}
