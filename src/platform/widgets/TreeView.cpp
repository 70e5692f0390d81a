#include "TreeView.h"

#include "ExceptionHandler.h"
#include "KeyTable.h"
#include "QtColor.h"
#include "QtFont.h"
#include "TreeDelegate.h"
#include "TreeDragData.h"
#include "TreeModel.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

TMouseButton MouseButtonOf(Qt::MouseButton Button)
{
    switch (Button) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
    }
}

namespace {

// The view a drag comes from, when it carries a node of a tree view.
TTreeView* DragSourceOf(const QDropEvent& Event)
{
    const auto* data = qobject_cast<const TTreeDragData*>(Event.mimeData());
    return data ? data->Source() : nullptr;
}

// The application's style, but a selected row is highlighted only under its
// title (the delegate paints that), never across the indentation before it.
class TTitleHighlightStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                  QStyleHintReturn* ReturnData) const override
    {
        if (Hint == SH_ItemView_ShowDecorationSelected)
            return 0;
        return QProxyStyle::styleHint(Hint, Option, Widget, ReturnData);
    }
};

} // namespace

// The view follows the model for the life of the scope.
class TFollowScope {
public:
    explicit TFollowScope(TTreeView& View) : View_(View) { ++View_.Following_; }
    ~TFollowScope() { --View_.Following_; }
    TFollowScope(const TFollowScope&) = delete;
    TFollowScope& operator=(const TFollowScope&) = delete;

private:
    TTreeView& View_;
};

TTreeView::TTreeView(QWidget* Parent)
    : QTreeView(Parent), TComponent(nullptr), Items_(std::make_unique<TTreeNodes>()),
      Model_(std::make_unique<TTreeModel>(*this)), Delegate_(new TTreeDelegate(*this))
{
    setModel(Model_.get());
    setItemDelegate(Delegate_);
    setHeaderHidden(true);
    // Every row has the height of the first; a view over 100,000 nodes
    // never measures them one by one.
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    // The one column is as wide as its widest title, at least the view's
    // width, so that a deep page is reached by scrolling sideways.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    auto* style = new TTitleHighlightStyle(QApplication::style()->name());
    style->setParent(this);
    setStyle(style);
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& Index) {
        if (Following_ == 0)
            CatchExceptions([&] { TTreeModel::NodeOf(Index)->SetExpanded(true); });
    });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& Index) {
        if (Following_ == 0)
            CatchExceptions([&] { TTreeModel::NodeOf(Index)->SetExpanded(false); });
    });
    ApplyFont();
    SetColor(Color_);
}

TTreeView::~TTreeView()
{
    ++Following_;
    setModel(nullptr);
}

TTreeNode* TTreeView::GetNodeAt(int X, int Y) const
{
    const QModelIndex index = indexAt(QPoint(X, Y));
    return index.isValid() ? TTreeModel::NodeOf(index) : nullptr;
}

TTreeNode* TTreeView::TopItem() const { return GetNodeAt(0, 0); }

void TTreeView::SetReadOnly(bool Value)
{
    ReadOnly_ = Value;
    setEditTriggers(Value ? QAbstractItemView::NoEditTriggers
                          : QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

void TTreeView::SetFont(const TFont& Value)
{
    Font_.Assign(&Value);
    ApplyFont();
}

void TTreeView::ApplyFont()
{
    setFont(FontToQFont(Font_));
    // The uniform row height is measured again from the new font.
    doItemsLayout();
}

void TTreeView::SetColor(TColor Value)
{
    Color_ = Value;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ColorToQColor(Color_, clWindow, palette));
    setPalette(palette);
}

void TTreeView::SetImages(TTreeImageList* Value)
{
    Images_ = Value;
    doItemsLayout();
}

void TTreeView::SetStateImages(TTreeImageList* Value)
{
    StateImages_ = Value;
    doItemsLayout();
}

void TTreeView::FullExpand()
{
    WithinUpdate(*Items_, [&] {
        for (int i = 0; i < Items_->TopLevelCount(); ++i)
            Items_->TopLevelItem(i)->Expand(true);
    });
}

void TTreeView::FullCollapse()
{
    WithinUpdate(*Items_, [&] {
        for (int i = 0; i < Items_->TopLevelCount(); ++i)
            Items_->TopLevelItem(i)->Collapse(true);
    });
}

void TTreeView::ShowSelection(TTreeNode* Node)
{
    // The selected node is always visible: its parents open in the model
    // first, so that the nodes know of every expansion the view makes.
    for (TTreeNode* parent = Node ? Node->Parent() : nullptr; parent; parent = parent->Parent())
        parent->SetExpanded(true);
    TFollowScope following(*this);
    const QModelIndex index = Model_->IndexOf(Node);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (index.isValid())
        scrollTo(index);
}

// Qt scrolls a column wider than the view back to its start whenever a row
// is scrolled to, so that a click on a deep title would make it jump away.
// The view stays where it is unless the title's start is out of sight; then
// it comes into view one level's indentation after the left edge.
void TTreeView::scrollTo(const QModelIndex& Index, ScrollHint Hint)
{
    QScrollBar& sideways = *horizontalScrollBar();
    const int kept = sideways.value();
    QTreeView::scrollTo(Index, Hint);
    sideways.setValue(kept);
    const QRect title = visualRect(Index);
    if (title.isValid()
        && (title.left() < 0 || title.left() + 4 * fontMetrics().averageCharWidth() > viewport()->width()))
        sideways.setValue(kept + title.left() - indentation());
}

void TTreeView::ShowExpanded(TTreeNode* Node)
{
    TFollowScope following(*this);
    setExpanded(Model_->IndexOf(Node), Node->Expanded());
}

void TTreeView::ShowExpandedSubtree(TTreeNode* Node)
{
    TFollowScope following(*this);
    TTreeNode* stop = nullptr;
    for (TTreeNode* node = Node; node && !stop; node = node->Parent())
        stop = node->getNextSibling();
    // Only a node with children has an expansion the view can show.
    for (TTreeNode* node = Node; node != stop; node = node->GetNext())
        if (node->HasChildren() && node->Expanded() != isExpanded(Model_->IndexOf(node)))
            setExpanded(Model_->IndexOf(node), node->Expanded());
}

void TTreeView::currentChanged(const QModelIndex& Current, const QModelIndex& Previous)
{
    QTreeView::currentChanged(Current, Previous);
    if (Following_ > 0 || !Current.isValid())
        return;
    CatchExceptions([&] { Items_->SetSelected(TTreeModel::NodeOf(Current)); });
    // A handler that failed, or chose another node, leaves the model's
    // selection elsewhere: the view shows that one.
    if (Items_->Selected() != TTreeModel::NodeOf(Current))
        ShowSelection(Items_->Selected());
}

// A row answers clicks and drops across the whole width of the view, and
// further when its title is wider.
int TTreeView::sizeHintForColumn(int Column) const
{
    return std::max(QTreeView::sizeHintForColumn(Column), viewport()->width());
}

bool TTreeView::event(QEvent* Event)
{
    if (Event->type() == QEvent::KeyPress && OnKeyDown) {
        bool handled = false;
        CatchExceptions([&] {
            TKeyCode code = KeyCodeOf(*static_cast<QKeyEvent*>(Event));
            if (code.Key == 0)
                return;
            OnKeyDown(this, code.Key, code.Shift);
            handled = code.Key == 0;
        });
        if (handled) {
            Event->accept();
            return true;
        }
    }
    return QTreeView::event(Event);
}

bool TTreeView::viewportEvent(QEvent* Event)
{
    if (Event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(Event);
    CatchExceptions([&] { ShowToolTip(*static_cast<QHelpEvent*>(Event)); });
    return true;
}

void TTreeView::ShowToolTip(const QHelpEvent& Event)
{
    const QModelIndex index = indexAt(Event.pos());
    if (!ToolTips_ || !index.isValid()) {
        QToolTip::hideText();
        return;
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QRect row = visualRect(index);
    if (row.left() + itemDelegate()->sizeHint(option, index).width() <= viewport()->width()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(Event.globalPos(), index.data().toString(), viewport(), row);
}

void TTreeView::mousePressEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        if (OnMouseDown) {
            const QPoint point = Event->position().toPoint();
            OnMouseDown(this, MouseButtonOf(Event->button()), ShiftStateOf(Event->modifiers(), Event->buttons()),
                        point.x(), point.y());
        }
    });
    // A right click leaves the selection alone; the handler above decides.
    if (Event->button() != Qt::RightButton)
        QTreeView::mousePressEvent(Event);
}

void TTreeView::focusInEvent(QFocusEvent* Event)
{
    QTreeView::focusInEvent(Event);
    // Coming back to the window is no entering of the control.
    if (OnEnter && Event->reason() != Qt::ActiveWindowFocusReason)
        CatchExceptions([&] { OnEnter(this); });
}

void TTreeView::startDrag(Qt::DropActions)
{
    CatchExceptions([&] {
        if (!Selected())
            return;
        auto* drag = new QDrag(this);
        drag->setMimeData(new TTreeDragData(this));
        drag->exec(Qt::MoveAction);
    });
}

void TTreeView::dragEnterEvent(QDragEnterEvent* Event)
{
    if (!DragSourceOf(*Event)) {
        Event->ignore();
        return;
    }
    Event->acceptProposedAction();
    setState(DraggingState);
}

void TTreeView::dragMoveEvent(QDragMoveEvent* Event)
{
    // Qt's own handling scrolls while the drag is near an edge.
    QTreeView::dragMoveEvent(Event);
    bool accept = false;
    CatchExceptions([&] {
        TTreeView* source = DragSourceOf(*Event);
        if (source && OnDragOver) {
            const QPoint point = Event->position().toPoint();
            OnDragOver(this, source, point.x(), point.y(), accept);
        }
    });
    Event->setDropAction(Qt::MoveAction);
    Event->setAccepted(accept);
    const QPoint point = Event->position().toPoint();
    SetDropTarget(accept ? GetNodeAt(point.x(), point.y()) : nullptr);
}

void TTreeView::dragLeaveEvent(QDragLeaveEvent* Event)
{
    QTreeView::dragLeaveEvent(Event);
    SetDropTarget(nullptr);
}

void TTreeView::SetDropTarget(TTreeNode* Node)
{
    if (Node == DropTarget_)
        return;
    DropTarget_ = Node;
    viewport()->update();
}

void TTreeView::dropEvent(QDropEvent* Event)
{
    SetDropTarget(nullptr);
    CatchExceptions([&] {
        TTreeView* source = DragSourceOf(*Event);
        if (source && OnDragDrop) {
            const QPoint point = Event->position().toPoint();
            OnDragDrop(this, source, point.x(), point.y(), ShiftStateOf(Event->modifiers()));
        }
    });
    Event->setDropAction(Qt::MoveAction);
    Event->accept();
    stopAutoScroll();
    setState(NoState);
}
