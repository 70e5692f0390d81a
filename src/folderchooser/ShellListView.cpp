#include "ShellListView.h"

#include "ExceptionHandler.h"
#include "ShellItemView.h"
#include "ShellListDelegate.h"
#include "ShellNamespace.h"
#include "ShellTreeView.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QHeaderView>
#include <QListView>
#include <QStackedLayout>
#include <QTreeView>
#include <QUrl>
#include <sys/stat.h>

TShellListView::TShellListView(QWidget* Parent, TShellNamespace* Namespace)
    : QWidget(Parent), Report_(new TReportView(*this)), Icons_(new TIconView(*this)),
      List_(new TShellFileList(Namespace ? *Namespace : DefaultShellNamespace(), this)),
      NamesWatcher_(
          {}, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME,
          [this](TShFilesWatcher* Sender, const std::string&) { CatchExceptions([&] { FilesChanged(Sender); }); }),
      DataWatcher_(
          {}, FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE,
          [this](TShFilesWatcher* Sender, const std::string&) { CatchExceptions([&] { FilesChanged(Sender); }); })
{
    SetUpViews();
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
    connect(ItemView().selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { CatchExceptions([&] { SelChanged(); }); });
}

void TShellListView::SelChanged()
{
    if (OnShSelChange)
        OnShSelChange(this, SelectionSize());
}

void TShellListView::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    CatchExceptions([&] { SelChanged(); });
}

void TShellListView::SetUpViews()
{
    auto* styles = new QStackedLayout(this);
    styles->setContentsMargins(0, 0, 0, 0);
    styles->addWidget(Icons_);
    styles->addWidget(Report_);
    auto* selection = new QItemSelectionModel(List_, this);
    const auto setUp = [&](QAbstractItemView& View, TViewStyle Style) {
        View.setModel(List_);
        View.setSelectionModel(selection);
        View.setItemDelegate(new TShellListDelegate(*this, Style, &View));
        View.setSelectionMode(QAbstractItemView::ExtendedSelection);
        // Whole rows, so that the report's columns are selected in the icon view too.
        View.setSelectionBehavior(QAbstractItemView::SelectRows);
        View.setEditTriggers(QAbstractItemView::EditKeyPressed);
        View.setAcceptDrops(true);
        View.viewport()->setAcceptDrops(true);
        connect(&View, &QAbstractItemView::activated, this,
                [this](const QModelIndex& Index) { CatchExceptions([&] { OpenRow(Index.row()); }); });
    };
    // Rows are dragged out by the list, never moved about in the view;
    // the common set-up below takes drops again.
    Icons_->setViewMode(QListView::IconMode);
    Icons_->setMovement(QListView::Static);
    Icons_->setResizeMode(QListView::Adjust);
    Icons_->setWordWrap(true);
    setUp(*Icons_, vsIcon);
    setUp(*Report_, vsReport);
    Report_->setRootIsDecorated(false);
    Report_->setUniformRowHeights(true);
    QHeaderView& header = *Report_->header();
    header.setSectionsClickable(true);
    header.setSectionsMovable(true);
    connect(&header, &QHeaderView::sectionClicked, this,
            [this](int Column) { CatchExceptions([&] { List_->ColumnClick(Column); }); });
    ApplyIconSizes();
    setFocusProxy(Icons_);
}

QAbstractItemView& TShellListView::ItemView() const
{
    if (ViewStyle_ == vsIcon)
        return *Icons_;
    return *Report_;
}

QTreeView& TShellListView::ReportView() const { return *Report_; }

QListView& TShellListView::IconView() const { return *Icons_; }

void TShellListView::SetViewStyle(TViewStyle Value)
{
    if (Value == ViewStyle_)
        return;
    ViewStyle_ = Value;
    QAbstractItemView& shown = ItemView();
    // The stack hands the focus on when the view that goes had it.
    static_cast<QStackedLayout*>(layout())->setCurrentWidget(&shown);
    setFocusProxy(&shown);
    if (shown.currentIndex().isValid())
        shown.scrollTo(shown.currentIndex());
}

void TShellListView::ApplyIconSizes()
{
    const int large = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    const int small = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    Icons_->setIconSize({large, large});
    Report_->setIconSize({small, small});
    // Cells wide enough for a short name under the icon and the attribute
    // images beside it; names wrap onto a second line.
    const QFontMetrics metrics = Icons_->fontMetrics();
    Icons_->setGridSize({2 * large + metrics.height(), large + 3 * metrics.lineSpacing()});
}

void TShellListView::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::StyleChange || Event->type() == QEvent::FontChange)
        CatchExceptions([&] { ApplyIconSizes(); });
}

QRect TShellListView::IconRect(int Row) const
{
    const QModelIndex index = List_->index(Row, TShellFileList::colName);
    const auto rectIn = [&](const auto& View) {
        return static_cast<const TShellListDelegate*>(View.itemDelegate())->IconRect(View.OptionOf(index), index);
    };
    return ViewStyle_ == vsIcon ? rectIn(*Icons_) : rectIn(*Report_);
}

void TShellListView::ShowFolder(const TItemIDList& Absolute)
{
    QHeaderView& header = *Report_->header();
    const bool hadPath = List_->columnCount() > 1;
    if (hadPath)
        ReportState_ = header.saveState();
    StopWatching();
    List_->ShowFolder(Absolute);
    StartWatching();
    if (!List_->HasPath()) {
        header.resizeSection(0, width() / 2);
    } else if (!hadPath) {
        if (ReportState_.isEmpty())
            for (int column = 0; column < TShellFileList::ColumnCount; ++column)
                header.resizeSection(column, width() / TShellFileList::ColumnCount);
        else
            header.restoreState(ReportState_);
    }
    if (List_->Count() > 0) {
        ItemView().setCurrentIndex(List_->index(0, 0));
        ItemView().scrollToTop();
    }
}

std::vector<int> TShellListView::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : ItemView().selectionModel()->selectedRows())
        rows.push_back(index.row());
    return rows;
}

uint64_t TShellListView::SelectionSize() const { return List_->TotalSize(SelectedRows()); }

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

void TShellListView::SetAttributesImage(const TAttributesImage& Value)
{
    AttributesImage_ = Value;
    List_->SetAttributeLetters(AttributesImage_.ImageList.empty());
    ItemView().viewport()->update();
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
