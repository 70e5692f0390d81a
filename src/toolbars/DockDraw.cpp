#include "DockDraw.h"

#include "QtColor.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

QColor SysColor(TColor Color, const QPalette& Palette) { return ColorToQColor(Color, clNone, Palette); }

namespace {

// One ring of an edge: TopLeft along the top and left sides, BottomRight
// along the bottom and right ones, which own the two far corners.
void DrawRing(QPainter& Painter, const QRect& R, const QColor& TopLeft, const QColor& BottomRight)
{
    Painter.fillRect(R.left(), R.top(), R.width() - 1, 1, TopLeft);
    Painter.fillRect(R.left(), R.top(), 1, R.height() - 1, TopLeft);
    Painter.fillRect(R.left(), R.bottom(), R.width(), 1, BottomRight);
    Painter.fillRect(R.right(), R.top(), 1, R.height(), BottomRight);
}

} // namespace

void DrawEdge(QPainter& Painter, const QRect& Rect, TEdge Edge, TEdgeFill Fill, const QPalette& Palette)
{
    QRect r = Rect;
    if (Edge == TEdge::SunkenOuter || Edge == TEdge::Sunken) {
        DrawRing(Painter, r, SysColor(clBtnShadow, Palette), SysColor(clBtnHighlight, Palette));
        if (Edge == TEdge::Sunken) {
            r.adjust(1, 1, -1, -1);
            DrawRing(Painter, r, SysColor(cl3DDkShadow, Palette), SysColor(cl3DLight, Palette));
        }
    } else if (Edge == TEdge::Raised) {
        DrawRing(Painter, r, SysColor(cl3DLight, Palette), SysColor(cl3DDkShadow, Palette));
        r.adjust(1, 1, -1, -1);
    }
    if (Edge == TEdge::RaisedInner || Edge == TEdge::Raised)
        DrawRing(Painter, r, SysColor(clBtnHighlight, Palette), SysColor(clBtnShadow, Palette));
    if (Fill == TEdgeFill::FillMiddle)
        Painter.fillRect(r.adjusted(1, 1, -1, -1), SysColor(clBtnFace, Palette));
}

void DrawCloseButton(QPainter& Painter, const QRect& Rect, bool Pushed, const QPalette& Palette)
{
    Painter.fillRect(Rect, SysColor(clBtnFace, Palette));
    if (Pushed) {
        DrawRing(Painter, Rect, SysColor(clBtnShadow, Palette), SysColor(clBtnHighlight, Palette));
    } else {
        DrawEdge(Painter, Rect, TEdge::Raised, TEdgeFill::EdgeOnly, Palette);
    }
    // The X, a quarter of the side in from each edge, one pixel further
    // down and right while pushed.
    const int inset = std::max(2, Rect.width() / 4);
    QRect x = Rect.adjusted(inset, inset, -inset, -inset);
    if (Pushed)
        x.translate(1, 1);
    Painter.save();
    Painter.setPen(QPen(SysColor(clBtnText, Palette), 1.5));
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.drawLine(x.topLeft(), x.bottomRight() + QPoint(1, 1));
    Painter.drawLine(x.bottomLeft() + QPoint(0, 1), x.topRight() + QPoint(1, 0));
    Painter.restore();
}

QString ElideCaptionText(const QString& Text, const QFontMetrics& Metrics, int Width)
{
    if (Metrics.horizontalAdvance(Text) <= Width)
        return Text;
    QString kept = Text;
    while (kept.size() >= 5) {
        kept.chop(kept.size() >= 2 && kept.back().isLowSurrogate() ? 2 : 1);
        if (Metrics.horizontalAdvance(kept + QStringLiteral("...")) <= Width)
            break;
    }
    return kept + QStringLiteral("...");
}
