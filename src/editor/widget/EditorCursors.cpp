#include "EditorCursors.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace {

// An arrow like the standard pointer, mirrored so that it points up and to
// the right; its tip is the hot spot.
QCursor MakeRightArrowCursor()
{
    constexpr int size = 32;
    const QPoint tip(size / 2, 1);
    const QPolygon arrow({
        tip,
        tip + QPoint(0, 16),
        tip + QPoint(-4, 12),
        tip + QPoint(-7, 18),
        tip + QPoint(-9, 17),
        tip + QPoint(-6, 11),
        tip + QPoint(-11, 11),
    });
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
    painter.end();
    return QCursor(pixmap, tip.x(), tip.y());
}

} // namespace

void InstallEditorCursors()
{
    Screen().SetCursors(crRightArrow, MakeRightArrowCursor());
    Screen().SetCursors(crDragSelCopy, QCursor(Qt::DragCopyCursor));
}
