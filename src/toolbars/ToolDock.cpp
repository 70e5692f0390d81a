#include "ToolDock.h"

#include "DockRows.h"
#include "DockToolbar.h"
#include "ExceptionHandler.h"

#include <algorithm>
#include <cstdint>

TToolDock::TToolDock(QWidget* Parent, std::string Name, TDockPosition Position)
    : QWidget(Parent), Name_(std::move(Name)), Position_(Position)
{
    setObjectName(QString::fromStdString(Name_));
    LayoutBars();
}

TToolDock::~TToolDock()
{
    // The bars go while the dock can still hear them leave.
    const std::vector<TDockToolbar*> bars = Bars_;
    for (TDockToolbar* bar : bars)
        delete bar;
}

void TToolDock::SetFixAlign(bool FixAlign)
{
    FixAlign_ = FixAlign;
    LayoutBars();
}

void TToolDock::SetLimitToOneRow(bool LimitToOneRow)
{
    LimitToOneRow_ = LimitToOneRow;
    LayoutBars();
}

void TToolDock::InsertBar(TDockToolbar* Bar)
{
    // A bar not placed yet goes to the end of its row, so that bars made
    // one after another line up in that order.
    if (Bar->DockPos() < 0) {
        int64_t end = 0;
        for (const TDockToolbar* other : Bars_)
            if (other->Visible() && other->DockRow() == Bar->DockRow()) {
                const QSize size = other->ContentSize();
                end = std::max(end, int64_t{other->DockPos()} + (Vertical() ? size.height() : size.width()));
            }
        Bar->SetRowAndPos(Bar->DockRow(), static_cast<int32_t>(std::min<int64_t>(end, INT32_MAX)));
    }
    Bars_.push_back(Bar);
    LayoutBars();
}

void TToolDock::RemoveBar(TDockToolbar* Bar)
{
    std::erase(Bars_, Bar);
    LayoutBars();
}

void TToolDock::LockLayout()
{
    ++LayoutLockCount_;
}

void TToolDock::UnlockLayout()
{
    if (LayoutLockCount_ > 0 && --LayoutLockCount_ == 0 && LayoutPending_)
        LayoutBars();
}

void TToolDock::LayoutBars()
{
    if (LayoutLockCount_ > 0) {
        LayoutPending_ = true;
        return;
    }
    LayoutPending_ = false;
    const bool vertical = Vertical();
    std::vector<TDockBarBox> boxes;
    for (TDockToolbar* bar : Bars_) {
        const QSize size = bar->ContentSize();
        TDockBarBox& box = boxes.emplace_back();
        box.Visible = bar->Visible();
        box.Row = bar->DockRow();
        box.Pos = bar->DockPos();
        box.Length = vertical ? size.height() : size.width();
        box.Thickness = vertical ? size.width() : size.height();
    }
    const std::vector<int> rows = LayoutDockRows(boxes, vertical ? height() : width(), LimitToOneRow_);
    for (size_t i = 0; i < Bars_.size(); ++i) {
        TDockToolbar* bar = Bars_[i];
        const TDockBarBox& box = boxes[i];
        if (box.Visible) {
            bar->SetRowAndPos(box.Row, box.Pos);
            const int thickness = rows[static_cast<size_t>(box.Row)];
            bar->setGeometry(vertical ? QRect(box.Across, box.Along, thickness, box.Length)
                                      : QRect(box.Along, box.Across, box.Length, thickness));
        }
        bar->setVisible(box.Visible);
    }
    int thickness = 0;
    for (int row : rows)
        thickness += row;
    if (thickness == 0 && FixAlign_)
        thickness = 1;
    if (vertical)
        setFixedWidth(thickness);
    else
        setFixedHeight(thickness);
}

void TToolDock::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    CatchExceptions([this] { LayoutBars(); });
}
