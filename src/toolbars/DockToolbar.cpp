#include "DockToolbar.h"

#include "DockDraw.h"
#include "DockSeparator.h"
#include "IniFiles.h"

#include <QPainter>
#include <algorithm>

namespace {

// A control not sized by its maker has its preferred size.
QSize ControlSize(const QWidget& Control)
{
    return Control.testAttribute(Qt::WA_Resized) ? Control.size()
                                                 : Control.sizeHint().expandedTo(Control.minimumSize());
}

} // namespace

TCustomDockToolbar::TCustomDockToolbar(std::string Name) : TCustomToolWindow(std::move(Name))
{
    // The sizes a toolbar can take change along one axis at a time.
    SetResizeAtCorners(false);
}

TCustomDockToolbar::~TCustomDockToolbar() = default;

void TCustomDockToolbar::BeginFloatSizing(int Edge)
{
    static constexpr TSizeEdge Edges[] = {TSizeEdge::Left,  TSizeEdge::Right,  TSizeEdge::Top,  TSizeEdge::Left,
                                          TSizeEdge::Right, TSizeEdge::Bottom, TSizeEdge::Left, TSizeEdge::Right};
    const QRect bounds = geometry();
    const QSize frame = FrameSize();
    Sizing_ = std::make_unique<TFloatSizing>(Edges[Edge], BuildFloatingSizeList(),
                                             TFrameMargins{0, 0, frame.width(), frame.height()},
                                             TBarRect{bounds.left(), bounds.top(), bounds.width(), bounds.height()});
}

QRect TCustomDockToolbar::TrackFloatSizing(QPoint Cursor, const QRect&, const QRect& Start)
{
    const TBarRect start{Start.left(), Start.top(), Start.width(), Start.height()};
    const TBarRect r = Sizing_->Track(Cursor.x(), Cursor.y(), start, start);
    return {r.Left, r.Top, r.Width, r.Height};
}

void TCustomDockToolbar::EndFloatSizing(bool Accepted)
{
    const std::unique_ptr<TFloatSizing> sizing = std::move(Sizing_);
    if (Accepted && sizing->Moved())
        SetFloatRightX(sizing->FloatRightX());
}

TDockToolbar::TDockToolbar(TToolDock* Dock, std::string Name, const QString& Caption)
    : TCustomDockToolbar(std::move(Name))
{
    if (!Caption.isEmpty())
        SetCaption(Caption);
    if (Dock)
        SetParent(Dock);
}

void TCustomDockToolbar::ReadPositionExtras(const TIniFile& Ini, const std::string& Section)
{
    SetFloatRightX(Ini.ReadInteger(Section, "FloatRightX", 0));
}

void TCustomDockToolbar::WritePositionExtras(TIniFile& Ini, const std::string& Section) const
{
    Ini.WriteInteger(Section, "FloatRightX", FloatRightX_);
}

void TCustomDockToolbar::SetFloatRightX(int32_t FloatRightX)
{
    FloatRightX_ = FloatRightX;
    RearrangeChildren();
}

void TCustomDockToolbar::ControlListChanged(QWidget* Control, bool Inserted)
{
    std::erase(OrderList_, Control);
    if (Inserted)
        OrderList_.push_back(Control);
}

void TCustomDockToolbar::SortOrderAtLoad()
{
    const bool vertical = DockedTo() && DockedTo()->Vertical();
    std::stable_sort(OrderList_.begin(), OrderList_.end(), [vertical](const QWidget* a, const QWidget* b) {
        return vertical ? a->y() < b->y() : a->x() < b->x();
    });
}

std::vector<QWidget*> TCustomDockToolbar::TakingPart() const
{
    std::vector<QWidget*> controls;
    for (QWidget* control : OrderList_)
        if (!control->isHidden())
            controls.push_back(control);
    return controls;
}

std::vector<TToolbarItem> TCustomDockToolbar::Items(const std::vector<QWidget*>& Controls) const
{
    std::vector<TToolbarItem> items;
    items.reserve(Controls.size());
    for (QWidget* control : Controls) {
        TToolbarItem& item = items.emplace_back();
        if (auto* separator = qobject_cast<TDockSeparator*>(control)) {
            item.Separator = true;
            item.Blank = separator->Blank();
            item.SizeHorz = separator->SizeHorz();
            item.SizeVert = separator->SizeVert();
        } else {
            const QSize size = ControlSize(*control);
            item.Width = size.width();
            item.Height = size.height();
        }
    }
    return items;
}

int TCustomDockToolbar::GetBarThickness(TBarOrientation Orientation) const
{
    return BarThickness(Items(TakingPart()), Orientation);
}

QSize TCustomDockToolbar::LayoutControls(bool MoveChildren, TToolDock* Dock)
{
    const std::vector<QWidget*> controls = TakingPart();
    std::vector<TToolbarItem> items = Items(controls);
    TToolbarLayoutInput input{.Orientation = Dock ? Dock->BarOrientation() : boFloating};
    if (input.Orientation == boFloating) {
        input.FloatRightX = FloatRightX_;
        for (QWidget* control : OrderList_)
            if (!qobject_cast<TDockSeparator*>(control))
                input.WidestControl = std::max(input.WidestControl, ControlSize(*control).width());
    } else if (Dock == DockedTo()) {
        input.RowSize = Dock->RowThicknessOf(DockRow(), this);
    }
    const TToolbarLayout layout = LayoutToolbar(items, input);
    if (MoveChildren) {
        for (size_t i = 0; i < controls.size(); ++i) {
            const TBarRect& r = items[i].Place;
            controls[i]->setGeometry(r.Left, r.Top, r.Width, r.Height);
        }
        if (LineSeparatorList_ != layout.Lines) {
            LineSeparatorList_ = layout.Lines;
            ClientArea()->update();
        }
    }
    return {layout.ClientWidth, layout.ClientHeight};
}

std::vector<TBarSize> TCustomDockToolbar::BuildFloatingSizeList()
{
    const int32_t kept = FloatRightX_;
    const std::vector<TBarSize> sizes = FloatingSizeList([this](int32_t FloatRightX) {
        FloatRightX_ = FloatRightX;
        const QSize size = LayoutControls(false, nullptr);
        return TBarSize{size.width(), size.height()};
    });
    FloatRightX_ = kept;
    return sizes;
}

void TCustomDockToolbar::PaintClient(QPainter& Painter)
{
    if (IsDocked())
        return;
    const QPalette& pal = palette();
    const int right = ClientArea()->width() - 1;
    for (const TLineSeparator& line : LineSeparatorList_) {
        if (line.Blank)
            continue;
        Painter.fillRect(QRect(QPoint(1, line.Top - 4), QPoint(right - 1, line.Top - 4)), SysColor(clBtnShadow, pal));
        Painter.fillRect(QRect(QPoint(1, line.Top - 3), QPoint(right - 1, line.Top - 3)),
                         SysColor(clBtnHighlight, pal));
    }
}
