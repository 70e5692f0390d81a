#include "ShellListView.h"

#include "ExceptionHandler.h"
#include "ShellDrop.h"
#include "ShellNamespace.h"
#include "ShellPopupMenu.h"
#include "ShellTreeView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>
#include <sys/stat.h>

#include <QHeaderView>

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
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(true);
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int Column) { CatchExceptions([&] { List_->ColumnClick(Column); }); });
    setEditTriggers(QAbstractItemView::EditKeyPressed);
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
        const QModelIndex at = indexAt(Event->pos());
        if (!ShellPopupMenu_ || !at.isValid())
            return;
        std::vector<int> rows;
        for (const QModelIndex& index : selectionModel()->selectedRows())
            rows.push_back(index.row());
        if (rows.empty())
            rows.push_back(at.row());
        TShellIDList items(List_->Namespace(), List_->FolderIDList(), {});
        for (int row : rows)
            items.Add(List_->Item(row).Relative);
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
