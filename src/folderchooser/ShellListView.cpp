#include "ShellListView.h"

#include "ExceptionHandler.h"
#include "ShellHooks.h"
#include "ShellNamespace.h"
#include "ShellPopupMenu.h"
#include "ShellTreeView.h"
#include "SystemImageList.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDrag>
#include <QFile>
#include <QHeaderView>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QUrl>
#include <sys/stat.h>

namespace {

// Names with their icons; the folder row a drag would drop into shows as selected.
class TShellListDelegate final : public QStyledItemDelegate {
public:
    explicit TShellListDelegate(TShellListView* View) : QStyledItemDelegate(View), View_(View) {}

protected:
    void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override
    {
        QStyledItemDelegate::initStyleOption(Option, Index);
        if (Index.row() == View_->DropRow())
            Option->state |= QStyle::State_Selected;
        if (Index.column() != TShellFileList::colName)
            return;
        TSystemImageList& icons = TSystemImageList::Instance();
        Option->icon = icons.Icon(View_->FileList().IconIndex(Index.row(), icons));
        Option->features |= QStyleOptionViewItem::HasDecoration;
    }

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        QStyledItemDelegate::paint(Painter, Option, Index);
        if (Index.column() != TShellFileList::colAttributes)
            return;
        // Left to right from 2 pixels below the top, clipped to the cell.
        Painter->save();
        Painter->setClipRect(Option.rect);
        int x = Option.rect.left();
        const QSize size = View_->iconSize().isValid() ? View_->iconSize() : QSize(16, 16);
        for (const QIcon& image : View_->AttributeImagesOf(View_->FileList().Item(Index.row()))) {
            image.paint(Painter, QRect(QPoint(x, Option.rect.top() + 2), size));
            x += size.width();
        }
        Painter->restore();
    }

private:
    TShellListView* View_;
};

} // namespace

TShellListView::TShellListView(QWidget* Parent, TShellNamespace* Namespace)
    : QTreeView(Parent), List_(new TShellFileList(Namespace ? *Namespace : DefaultShellNamespace(), this)),
      NamesWatcher_(
          {}, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME,
          [this](TShFilesWatcher* Sender, const std::string&) { CatchExceptions([&] { FilesChanged(Sender); }); }),
      DataWatcher_(
          {}, FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE,
          [this](TShFilesWatcher* Sender, const std::string&) { CatchExceptions([&] { FilesChanged(Sender); }); })
{
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformRowHeights(true);
    setModel(List_);
    setItemDelegate(new TShellListDelegate(this));
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(true);
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int Column) { CatchExceptions([&] { List_->ColumnClick(Column); }); });
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setAcceptDrops(true);
    List_->OnFilter = [this](const TShellFileItem& Item, bool& Accept) {
        if (OnShFilter)
            OnShFilter(this, Item, Accept);
    };
    const auto listChanged = [this] {
        CatchExceptions([&] {
            if (OnShListChange)
                OnShListChange(this, *List_);
        });
    };
    connect(List_, &QAbstractItemModel::modelReset, this, listChanged);
    connect(List_, &QAbstractItemModel::rowsRemoved, this, listChanged);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        CatchExceptions([&] {
            if (OnShClipboard)
                OnShClipboard(this, OffersShellItems(QApplication::clipboard()->mimeData()));
        });
    });
    connect(this, &QAbstractItemView::activated, this,
            [this](const QModelIndex& Index) { CatchExceptions([&] { OpenRow(Index.row()); }); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        CatchExceptions([&] {
            if (OnShSelChange)
                OnShSelChange(this, SelectionSize());
        });
    });
}

void TShellListView::ShowFolder(const TItemIDList& Absolute)
{
    const bool hadPath = List_->columnCount() > 1;
    if (hadPath)
        ReportState_ = header()->saveState();
    StopWatching();
    List_->ShowFolder(Absolute);
    StartWatching();
    if (!List_->HasPath()) {
        header()->resizeSection(0, width() / 2);
    } else if (!hadPath) {
        if (ReportState_.isEmpty())
            for (int column = 0; column < TShellFileList::ColumnCount; ++column)
                header()->resizeSection(column, width() / TShellFileList::ColumnCount);
        else
            header()->restoreState(ReportState_);
    }
    if (List_->Count() > 0) {
        setCurrentIndex(List_->index(0, 0));
        scrollToTop();
    }
}

uint64_t TShellListView::SelectionSize() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    return List_->TotalSize(rows);
}

void TShellListView::keyboardSearch(const QString& Search)
{
    CatchExceptions([&] {
        // Type-ahead: the next row holding the text anywhere, wrapping at the end.
        const int start = currentIndex().isValid() ? currentIndex().row() + 1 : 0;
        const int row = List_->Count() > 0 ? List_->FindPartial(Search, start % List_->Count(), true) : -1;
        if (row >= 0)
            setCurrentIndex(List_->index(row, 0));
    });
}

void TShellListView::OpenRow(int Row)
{
    const TShellFileItem& item = List_->Item(Row);
    if (item.Folder) {
        const TItemIDList folder = ConcatIDLists(List_->FolderIDList(), item.Relative);
        ShowFolder(folder);
        if (Tree_)
            Tree_->SelectIDList(folder);
        return;
    }
    bool defaultAction = true;
    if (OnShExecute)
        OnShExecute(this, item, defaultAction);
    if (defaultAction && !item.Path.empty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(item.Path))));
}

void TShellListView::contextMenuEvent(QContextMenuEvent* Event)
{
    CatchExceptions([&] {
        // The menu takes the press: its release never comes here.
        PressedButton_ = Qt::NoButton;
        const QModelIndex at = indexAt(Event->pos());
        if (!ShellPopupMenu_ || !at.isValid())
            return;
        std::vector<int> rows;
        for (const QModelIndex& index : selectionModel()->selectedRows())
            rows.push_back(index.row());
        TShellIDList items = SelectedItems();
        if (rows.empty()) {
            rows.push_back(at.row());
            items.Add(List_->Item(at.row()).Relative);
        }
        const QModelIndex current = currentIndex();
        StopWatching();
        switch (ShellPopupMenu_->ShellPopup(items, Event->globalPos())) {
        case scCreateLink:
            if (List_->HasPath())
                List_->Fill();
            break;
        case scDelete: {
            // What went to the trash leaves the list, and the tree.
            struct stat st;
            if (stat(List_->Item(rows.front()).Path.c_str(), &st) == 0)
                break;
            clearSelection();
            List_->RemoveRows(rows);
            if (Tree_)
                Tree_->RefreshNodes();
            break;
        }
        case scRename: edit(current.isValid() ? current.siblingAtColumn(0) : at.siblingAtColumn(0)); break;
        default: break;
        }
        StartWatching();
    });
}

TShellIDList TShellListView::SelectedItems() const
{
    TShellIDList items(List_->Namespace(), List_->FolderIDList(), {});
    for (const QModelIndex& index : selectionModel()->selectedRows())
        items.Add(List_->Item(index.row()).Relative);
    return items;
}

void TShellListView::mousePressEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        QTreeView::mousePressEvent(Event);
        const bool onRow = indexAt(Event->position().toPoint()).isValid();
        PressedButton_ = onRow ? Event->button() : Qt::NoButton;
        PressPoint_ = Event->position().toPoint();
    });
}

void TShellListView::mouseMoveEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        // A press on a row drags the selection rather than widening it.
        if (PressedButton_ == Qt::NoButton)
            return QTreeView::mouseMoveEvent(Event);
        const QPoint moved = Event->position().toPoint() - PressPoint_;
        if ((Event->buttons() & PressedButton_)
            && (std::abs(moved.x()) >= TShellTreeView::DragThreshold
                || std::abs(moved.y()) >= TShellTreeView::DragThreshold))
            BeginDrag(Event->position().toPoint());
    });
}

void TShellListView::mouseReleaseEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        PressedButton_ = Qt::NoButton;
        QTreeView::mouseReleaseEvent(Event);
    });
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
    const QModelIndex at = indexAt(Pos);
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

void TShellListView::dragEnterEvent(QDragEnterEvent* Event)
{
    CatchExceptions([&] {
        EnterDrag(*Event, [this](const TShellDragObject& Drag, bool& Accept) {
            if (OnShDragEnter)
                OnShDragEnter(this, Drag, Accept);
        });
    });
}

void TShellListView::dragMoveEvent(QDragMoveEvent* Event)
{
    CatchExceptions([&] {
        const QPoint pos = Event->position().toPoint();
        if (DropTargetAt(pos))
            Event->acceptProposedAction();
        else
            Event->ignore();
        viewport()->update();
        if (OnShDragOver)
            OnShDragOver(this, TShellDragObject::Of(*Event, pos), DropRow_ >= 0 ? &List_->Item(DropRow_) : nullptr);
        AutoScroll(*this, pos);
    });
}

void TShellListView::dragLeaveEvent(QDragLeaveEvent* Event)
{
    CatchExceptions([&] {
        DropRow_ = -1;
        viewport()->update();
        if (OnShDragLeave)
            OnShDragLeave(this);
        QTreeView::dragLeaveEvent(Event);
    });
}

void TShellListView::dropEvent(QDropEvent* Event)
{
    CatchExceptions([&] {
        const QPoint pos = Event->position().toPoint();
        const std::unique_ptr<TShellDataItem> target = DropTargetAt(pos);
        bool defaultAction = true;
        if (OnShDragDrop)
            OnShDragDrop(this, TShellDragObject::Of(*Event, pos), DropRow_ >= 0 ? &List_->Item(DropRow_) : nullptr,
                         defaultAction);
        DropRow_ = -1;
        viewport()->update();
        if (defaultAction && target && DropInto(*target, *Event->mimeData(), Event->dropAction()) > 0)
            Event->acceptProposedAction();
        else
            Event->setDropAction(Qt::IgnoreAction);
    });
}

void TShellListView::SetAttributesImage(const TAttributesImage& Value)
{
    AttributesImage_ = Value;
    List_->SetAttributeLetters(AttributesImage_.ImageList.empty());
}

std::vector<QIcon> TShellListView::AttributeImagesOf(const TShellFileItem& Item) const
{
    const TAttributesImage& images = AttributesImage_;
    std::vector<QIcon> shown;
    const auto add = [&](bool Has, int Index) {
        if (Has && Index >= 0 && Index < static_cast<int>(images.ImageList.size()))
            shown.push_back(images.ImageList[static_cast<size_t>(Index)]);
    };
    add(Item.ReadOnly, images.ReadOnly);
    add(Item.Hidden, images.Hidden);
    return shown;
}

void TShellListView::SetIncludeHidden(bool Value)
{
    if (Value == IncludeHidden())
        return;
    List_->SetIncludeHidden(Value);
    if (Tree_)
        Tree_->SetIncludeHidden(Value);
    List_->Fill();
}

void TShellListView::SetShVirtuaItems(TShVirtuaItems Value)
{
    if (Value == ShVirtuaItems())
        return;
    List_->SetShVirtuaItems(Value);
    if (Tree_)
        Tree_->SetShVirtuaItems(Value);
    List_->Fill();
}

void TShellListView::StartWatching()
{
    NamesWatcher_.SetFolder(List_->FolderPath());
    DataWatcher_.SetFolder(List_->FolderPath());
}

void TShellListView::StopWatching()
{
    NamesWatcher_.SetFolder({});
    DataWatcher_.SetFolder({});
}

void TShellListView::FilesChanged(TShFilesWatcher* Sender)
{
    if (PressedButton_ != Qt::NoButton || Dragging_)
        return;
    const std::string path = List_->FolderPath();
    struct stat st;
    if (!path.empty() && stat(path.c_str(), &st) != 0) {
        ShowFolder(Tree_ ? Tree_->SelectedIDList() : TItemIDList::Desktop());
        return;
    }
    if (Sender == &NamesWatcher_) {
        StopWatching();
        List_->Fill();
        StartWatching();
    } else {
        List_->ReadFindData();
    }
}
