#include "StatusPanel.h"

#include "ExceptionHandler.h"

#include <QPainter>
#include <algorithm>

namespace {

// Room between the frame and the text on either side.
constexpr int TextMargin = 2;

} // namespace

TStatusPanel::TStatusPanel(QWidget* Parent) : QFrame(Parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumHeight(fontMetrics().height() + 2 * frameWidth() + 2);
    // The panel paints all of itself, so the bar and the window behind it
    // need not repaint with it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TStatusPanel::setText(const QString& Text)
{
    if (Text == Text_)
        return;
    Text_ = Text;
    update();
}

int TStatusPanel::WidthFor(const QString& Text) const
{
    return fontMetrics().horizontalAdvance(Text) + 2 * (frameWidth() + TextMargin) + 1;
}

void TStatusPanel::paintEvent(QPaintEvent*)
{
    CatchExceptions([this] {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        drawFrame(&painter);
        painter.drawText(contentsRect().adjusted(TextMargin, 0, -TextMargin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         Text_);
    });
}

TStatusPanelRow::TStatusPanelRow(QWidget* Parent) : QWidget(Parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

TStatusPanel* TStatusPanelRow::AddPanel()
{
    auto* panel = new TStatusPanel(this);
    panel->resize(0, panel->minimumHeight());
    Panels_.push_back(panel);
    return panel;
}

void TStatusPanelRow::SetPanelWidth(TStatusPanel& Panel, int Width)
{
    if (Panel.width() == Width)
        return;
    Panel.resize(Width, Panel.height());
    LayOut();
    updateGeometry();
}

QSize TStatusPanelRow::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const TStatusPanel* panel : Panels_) {
        width += panel->width();
        height = std::max(height, panel->minimumHeight());
    }
    return {width, height};
}

QSize TStatusPanelRow::minimumSizeHint() const { return {0, sizeHint().height()}; }

void TStatusPanelRow::resizeEvent(QResizeEvent*)
{
    CatchExceptions([this] { LayOut(); });
}

void TStatusPanelRow::SetStretchPanel(TStatusPanel* Panel, int Minimum)
{
    Stretch_ = Panel;
    StretchMinimum_ = Minimum;
    LayOut();
}

void TStatusPanelRow::LayOut()
{
    int others = 0;
    for (const TStatusPanel* panel : Panels_)
        others += panel == Stretch_ ? 0 : panel->width();
    int x = 0;
    for (TStatusPanel* panel : Panels_) {
        const int panelWidth = panel == Stretch_ ? std::max(width() - others, StretchMinimum_) : panel->width();
        panel->setGeometry(x, 0, panelWidth, height());
        x += panelWidth;
    }
}
