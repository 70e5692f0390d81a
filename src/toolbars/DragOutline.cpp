#include "DragOutline.h"

#include "ExceptionHandler.h"

#include <QPainter>
#include <algorithm>

namespace {

class TOutlineEdge : public QWidget {
public:
    TOutlineEdge()
        : QWidget(nullptr,
                  Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        CatchExceptions([this] {
            QPainter painter(this);
            painter.fillRect(rect(), Qt::white);
            painter.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
        });
    }
};

} // namespace

TDragOutline::TDragOutline()
{
    for (auto& edge : Edges_)
        edge = std::make_unique<TOutlineEdge>();
}

TDragOutline::~TDragOutline() = default;

void TDragOutline::Show(const QRect& Rect, int Thickness)
{
    Rect_ = Rect;
    if (Rect.isEmpty()) {
        for (auto& edge : Edges_)
            edge->hide();
        return;
    }
    const int t = std::min({Thickness, Rect.width(), Rect.height()});
    const QRect r = Rect;
    const std::array<QRect, 4> places{QRect(r.left(), r.top(), r.width(), t),
                                      QRect(r.left(), r.bottom() - t + 1, r.width(), t),
                                      QRect(r.left(), r.top() + t, t, r.height() - 2 * t),
                                      QRect(r.right() - t + 1, r.top() + t, t, r.height() - 2 * t)};
    for (size_t i = 0; i < Edges_.size(); ++i) {
        Edges_[i]->setGeometry(places[i]);
        Edges_[i]->setVisible(!places[i].isEmpty());
    }
}
