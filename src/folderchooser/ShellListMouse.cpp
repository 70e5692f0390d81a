// What the file list's views hand over: the mouse, drags out of the list,
// drops into it, the context menu and type-ahead, whichever style shows.
#include "ShellListView.h"

#include "ShellHooks.h"
#include "ShellPopupMenu.h"
#include "ShellTreeView.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QDrag>
#include <QScopedValueRollback>
#include <sys/stat.h>

void TShellListView::TypeAhead(const QString& Search)
{
    // The next row holding the text anywhere, wrapping at the end.
    QAbstractItemView& view = ItemView();
    const int start = view.currentIndex().isValid() ? view.currentIndex().row() + 1 : 0;
    const int row = List_->Count() > 0 ? List_->FindPartial(Search, start % List_->Count(), true) : -1;
    if (row >= 0)
        view.setCurrentIndex(List_->index(row, 0));
}

void TShellListView::RowMenu(const QContextMenuEvent& Event)
{
    // The menu takes the press: its release never comes here.
    PressedButton_ = Qt::NoButton;
    QAbstractItemView& view = ItemView();
    const QModelIndex at = view.indexAt(Event.pos());
    if (!ShellPopupMenu_ || !at.isValid())
        return;
    std::vector<int> rows = SelectedRows();
    TShellIDList items = SelectedItems();
    if (rows.empty()) {
        rows.push_back(at.row());
        items.Add(List_->Item(at.row()).Relative);
    }
    const QModelIndex current = view.currentIndex();
    StopWatching();
    switch (ShellPopupMenu_->ShellPopup(items, Event.globalPos())) {
    case scCreateLink:
        if (List_->HasPath())
            List_->Fill();
        break;
    case scDelete: {
        // What went to the trash leaves the list, and the tree.
        struct stat st;
        if (stat(List_->Item(rows.front()).Path.c_str(), &st) == 0)
            break;
        view.clearSelection();
        List_->RemoveRows(rows);
        if (Tree_)
            Tree_->RefreshNodes();
        break;
    }
    case scRename: view.edit(current.isValid() ? current.siblingAtColumn(0) : at.siblingAtColumn(0)); break;
    default: break;
    }
    StartWatching();
}

TShellIDList TShellListView::SelectedItems() const
{
    TShellIDList items(List_->Namespace(), List_->FolderIDList(), {});
    for (int row : SelectedRows())
        items.Add(List_->Item(row).Relative);
    return items;
}

void TShellListView::RowPressed(const QMouseEvent& Event)
{
    const bool onRow = ItemView().indexAt(Event.position().toPoint()).isValid();
    PressedButton_ = onRow ? Event.button() : Qt::NoButton;
    PressPoint_ = Event.position().toPoint();
}

bool TShellListView::PressedMove(const QMouseEvent& Event)
{
    // A press on a row drags the selection rather than widening it.
    if (PressedButton_ == Qt::NoButton)
        return false;
    const QPoint moved = Event.position().toPoint() - PressPoint_;
    if ((Event.buttons() & PressedButton_)
        && (std::abs(moved.x()) >= TShellTreeView::DragThreshold
            || std::abs(moved.y()) >= TShellTreeView::DragThreshold))
        BeginDrag(Event.position().toPoint());
    return true;
}

void TShellListView::BeginDrag(const QPoint& Pos)
{
    PressedButton_ = Qt::NoButton;
    const TShellIDList items = SelectedItems();
    const Qt::DropActions allowed = DropActionsOf(items.Attributes());
    if (items.Count() == 0 || !allowed)
        return;
    bool canDrag = true;
    if (OnShBeginDrag)
        OnShBeginDrag(this, items, Pos, canDrag);
    if (!canDrag)
        return;
    QDrag drag(this);
    drag.setMimeData(MimeDataOf(items));
    const QScopedValueRollback dragging(Dragging_, true);
    RunDrag(drag, allowed);
}

std::unique_ptr<TShellDataItem> TShellListView::DropTargetAt(const QPoint& Pos)
{
    const TItemIDList& folder = List_->FolderIDList();
    const QModelIndex at = ItemView().indexAt(Pos);
    DropRow_ = -1;
    if (at.isValid() && List_->Item(at.row()).Folder) {
        const TItemIDList& relative = List_->Item(at.row()).Relative;
        auto row = std::make_unique<TShellDataItem>(List_->Namespace(), relative, ConcatIDLists(folder, relative));
        if (IsDropTarget(*row)) {
            DropRow_ = at.row();
            return row;
        }
    }
    const TItemIDList last = LastItemOfIDList(folder);
    auto shown = std::make_unique<TShellDataItem>(List_->Namespace(), last.IsNil() ? folder : last, folder);
    return shown->IsValid() && IsDropTarget(*shown) ? std::move(shown) : nullptr;
}

void TShellListView::DragEnter(QDragEnterEvent& Event)
{
    EnterDrag(Event, [this](const TShellDragObject& Drag, bool& Accept) {
        if (OnShDragEnter)
            OnShDragEnter(this, Drag, Accept);
    });
}

void TShellListView::DragMove(QDragMoveEvent& Event)
{
    const QPoint pos = Event.position().toPoint();
    if (DropTargetAt(pos))
        Event.acceptProposedAction();
    else
        Event.ignore();
    ItemView().viewport()->update();
    if (OnShDragOver)
        OnShDragOver(this, TShellDragObject::Of(Event, pos), DropRow_ >= 0 ? &List_->Item(DropRow_) : nullptr);
    AutoScroll(ItemView(), pos);
}

void TShellListView::DragLeave()
{
    DropRow_ = -1;
    ItemView().viewport()->update();
    if (OnShDragLeave)
        OnShDragLeave(this);
}

void TShellListView::Drop(QDropEvent& Event)
{
    const QPoint pos = Event.position().toPoint();
    const std::unique_ptr<TShellDataItem> target = DropTargetAt(pos);
    bool defaultAction = true;
    if (OnShDragDrop)
        OnShDragDrop(this, TShellDragObject::Of(Event, pos), DropRow_ >= 0 ? &List_->Item(DropRow_) : nullptr,
                     defaultAction);
    DropRow_ = -1;
    ItemView().viewport()->update();
    if (defaultAction && target && DropInto(*target, *Event.mimeData(), Event.dropAction()) > 0)
        Event.acceptProposedAction();
    else
        Event.setDropAction(Qt::IgnoreAction);
}
