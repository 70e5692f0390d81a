#include "Separate.h"

#include "ExceptionHandler.h"

#include <QMouseEvent>
#include <QSplitterHandle>

namespace {

// The bar: the left button drags it.
class TSeparaterHandle : public QSplitterHandle {
public:
    TSeparaterHandle(Qt::Orientation Orientation, TSeparater& Owner)
        : QSplitterHandle(Orientation, &Owner), Owner_(Owner)
    {}

protected:
    void mousePressEvent(QMouseEvent* Event) override
    {
        if (Event->button() != Qt::LeftButton)
            return;
        // Where on the bar it was taken, so that the line does not jump.
        Grip_ = Along(Event->position().toPoint());
        Dragging_ = true;
        CatchExceptions([&] { Owner_.StartDrag(); });
    }
    void mouseMoveEvent(QMouseEvent* Event) override
    {
        if (Dragging_)
            CatchExceptions(
                [&] { Owner_.DragTo(Along(Owner_.mapFromGlobal(Event->globalPosition().toPoint())) - Grip_); });
    }
    void mouseReleaseEvent(QMouseEvent* Event) override
    {
        if (!Dragging_ || Event->button() != Qt::LeftButton)
            return;
        Dragging_ = false;
        CatchExceptions([&] { Owner_.EndDrag(); });
    }

private:
    int Along(QPoint P) const { return orientation() == Qt::Horizontal ? P.x() : P.y(); }

    TSeparater& Owner_;
    bool Dragging_ = false;
    int Grip_ = 0;
};

} // namespace

TSeparater::TSeparater(QWidget* Parent) : QSplitter(Qt::Horizontal, Parent)
{
    setOpaqueResize(false);
    setHandleWidth(4);
}

QSplitterHandle* TSeparater::createHandle() { return new TSeparaterHandle(orientation(), *this); }

void TSeparater::StartDrag()
{
    if (OnStartDrag)
        OnStartDrag(*this);
    // The line starts where the first pane ends.
    const QRect first = widget(0)->geometry();
    Line_ = orientation() == Qt::Horizontal ? first.x() + first.width() : first.y() + first.height();
    setRubberBand(Line_);
}

void TSeparater::DragTo(int Pos)
{
    const int extent = orientation() == Qt::Horizontal ? width() : height();
    if (Pos < UpperMgn_ || Pos + LowerMgn_ > extent)
        return;
    Line_ = Pos;
    setRubberBand(Line_);
}

void TSeparater::EndDrag()
{
    setRubberBand(-1);
    moveSplitter(Line_, 1);
    if (OnEndDrag)
        OnEndDrag(*this, Line_, Line_ - (orientation() == Qt::Horizontal ? widget(0)->x() : widget(0)->y()));
}
