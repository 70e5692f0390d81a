#include "ShellTreeView.h"

#include "ExceptionHandler.h"
#include "ShellListView.h"
#include "ShellNamespace.h"
#include "ShellTreeModel.h"
#include "SystemImageList.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <sys/statvfs.h>

namespace {

// Shows the open-folder icon on the selected node and the link overlay.
class TShellTreeDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override
    {
        QStyledItemDelegate::initStyleOption(Option, Index);
        // The pressed node shows as selected until the button comes up.
        const auto* view = dynamic_cast<const TShellTreeView*>(Option->widget);
        const bool pressed =
            view && view->DropHighlighted() && view->DropHighlighted() == TShellTreeModel::NodeOf(Index);
        if (pressed) {
            Option->state |= QStyle::State_Selected;
            Option->palette = view->palette();
        }
        if (Option->state & QStyle::State_Selected)
            Option->icon = Index.data(TShellTreeModel::OpenIconRole).value<QIcon>();
        // A hidden selection still shows its open folder.
        if (view && view->HideSelection() && !view->hasFocus() && !pressed)
            Option->state &= ~QStyle::State_Selected;
    }
    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        QStyledItemDelegate::paint(Painter, Option, Index);
        if (Index.data(TShellTreeModel::OverlayRole).toInt() != 1)
            return;
        QStyleOptionViewItem option = Option;
        initStyleOption(&option, Index);
        const QWidget* widget = option.widget;
        const QStyle* style = widget ? widget->style() : nullptr;
        if (!style)
            return;
        const QRect icon = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, widget);
        const QSize emblem = icon.size() / 2;
        const QIcon link =
            QIcon::fromTheme(QStringLiteral("emblem-symbolic-link"), style->standardIcon(QStyle::SP_ArrowForward));
        link.paint(Painter, QRect(icon.bottomLeft() - QPoint(0, emblem.height() - 1), emblem));
    }
};

} // namespace

TShellTreeView::TShellTreeView(QWidget* Parent, TShellNamespace* Namespace, TWatcherTiming Timing)
    : QTreeView(Parent), Namespace_(Namespace ? *Namespace : DefaultShellNamespace()), Model_(new TShellTreeModel(this))
{
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setItemDelegate(new TShellTreeDelegate(this));
    Model_->OnFetchChildren = [this](TShellTreeNode* Node) { FillForExpansion(Node); };
    Model_->CanEdit = [this](TShellTreeNode* Node) {
        return !ReadOnly_ && MouseState_ == TMouseState::Idle && Node->Item->IsValid()
               && Node->Item->HasAttribute(SFGAO_CANRENAME);
    };
    Model_->OnEdited = [this](TShellTreeNode* Node, const QString& Text) {
        if (Text != Node->Text)
            Rename(Node, Text);
    };
    setModel(Model_);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setDragEnabled(false);
    // Long names make the tree scroll sideways rather than end in "…".
    setTextElideMode(Qt::ElideNone);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setAcceptDrops(true);
    HoverTimer_.callOnTimeout(this, [this] { CatchExceptions([&] { HoverTick(); }); });
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& Index) {
        CatchExceptions([&] {
            TShellTreeModel::NodeOf(Index)->Expanded = true;
            UpdateWatchList();
        });
    });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& Index) {
        CatchExceptions([&] {
            TShellTreeNode* node = TShellTreeModel::NodeOf(Index);
            node->Expanded = false;
            node->NeedsFill = true;
            UpdateWatchList();
        });
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { CatchExceptions([&] { Change(); }); });
    Watcher_ = std::make_unique<TShDirWatcher>(
        std::vector<std::string>(), FILE_NOTIFY_CHANGE_DIR_NAME,
        [this](const TDeviceChangeData& Data) { DeviceChanged(Data); }, [this] { FolderChanged(); }, std::move(Timing));
    Namespace_.Controls().Add(this);
    FillRoot();
    StartWatching();
}

TShellTreeView::~TShellTreeView()
{
    Namespace_.Controls().Remove(this);
    Watcher_->Stop();
}

void TShellTreeView::SetIncludeHidden(bool Value)
{
    if (Value == IncludeHidden_)
        return;
    IncludeHidden_ = Value;
    if (ShellListView_)
        ShellListView_->SetIncludeHidden(Value);
    RefreshWithLinks();
}

void TShellTreeView::SetShVirtuaItems(TShVirtuaItems Value)
{
    if (Value == ShVirtuaItems_)
        return;
    ShVirtuaItems_ = Value;
    if (ShellListView_)
        ShellListView_->SetShVirtuaItems(Value);
    RefreshWithLinks();
}

void TShellTreeView::initViewItemOption(QStyleOptionViewItem* Option) const
{
    QTreeView::initViewItemOption(Option);
    // The row's highlight is drawn in the base colour while the selection
    // is hidden.
    if (HideSelection_ && !hasFocus()) {
        Option->palette.setBrush(QPalette::Highlight, Option->palette.base());
        Option->palette.setBrush(QPalette::HighlightedText, Option->palette.text());
    }
}

void TShellTreeView::SetHideSelection(bool Value)
{
    HideSelection_ = Value;
    viewport()->update();
}

bool TShellTreeView::Checkboxes() const { return Model_->Checkboxes; }

void TShellTreeView::SetCheckboxes(bool Value)
{
    Model_->Checkboxes = Value;
    viewport()->update();
}

void TShellTreeView::RefreshWithLinks()
{
    RefreshNodes();
    FollowSelection(true);
}

void TShellTreeView::Change()
{
    FollowSelection(false);
    if (OnChange)
        OnChange(this);
}

void TShellTreeView::FillRoot()
{
    TItemIDList desktopFolder;
    Namespace_.GetSpecialFolderIDList(sfDesktopDirectory, desktopFolder);
    auto item = std::make_unique<TShellFolderItem>(Namespace_, std::move(desktopFolder), TItemIDList::Desktop());
    Model_->SetRoot(MakeNode(std::move(item)));
    TShellTreeNode* root = Root();
    Expand(root);
    if (!root->Children.empty())
        Expand(root->Children.front().get());
    Select(root);
}

TShellTreeNode* TShellTreeView::Root() const { return Model_->Root(); }

TShellTreeNode* TShellTreeView::Selected() const { return TShellTreeModel::NodeOf(currentIndex()); }

void TShellTreeView::Select(TShellTreeNode* Node)
{
    if (!Node || Node == Selected())
        return;
    const QModelIndex index = Model_->IndexOf(Node);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void TShellTreeView::Expand(TShellTreeNode* Node)
{
    if (MouseState_ == TMouseState::Dragging && !CanExpandWhileDragging(Node))
        return;
    if (Node->NeedsFill)
        FillForExpansion(Node);
    if (Node->Children.empty())
        return;
    Node->Expanded = true;
    expand(Model_->IndexOf(Node));
}

bool TShellTreeView::CanExpandWhileDragging(TShellTreeNode* Node)
{
    TShellFolderItem& item = *Node->Item;
    const TShItemIDType type = item.ItemType();
    if (type == itVirtual)
        return false;
    if (type != itRootDrive || item.Level() < 2)
        return true;
    const std::string path = item.Path();
    struct statvfs volume;
    return Namespace_.VolumeAt(path) && statvfs(path.c_str(), &volume) == 0;
}

void TShellTreeView::Collapse(TShellTreeNode* Node) { collapse(Model_->IndexOf(Node)); }

void TShellTreeView::SelectPath(const std::string& Path)
{
    TItemIDList list;
    if (Namespace_.PathToIDList(Path, list))
        SelectIDList(list);
}

std::string TShellTreeView::SelectedPath()
{
    TShellTreeNode* node = Selected();
    return node ? node->Item->Path() : std::string();
}

void TShellTreeView::SelectIDList(const TItemIDList& List)
{
    // Lists are equal in the namespace's order exactly when their bytes are.
    const TShellTreeNode* selected = Selected();
    if (!selected || selected->Item->AbsoluteIDList() != List)
        Select(FindNode(List));
}

TItemIDList TShellTreeView::SelectedIDList()
{
    const TShellTreeNode* node = Selected();
    return node ? node->Item->AbsoluteIDList() : TItemIDList::Desktop();
}

void TShellTreeView::StartWatching()
{
    Watching_ = true;
    UpdateWatchList();
}

void TShellTreeView::StopWatching()
{
    Watching_ = false;
    Watcher_->SetWatchList(nullptr);
}

void TShellTreeView::UpdateWatchList()
{
    if (!Watching_)
        return;
    std::vector<std::string> folders;
    if (TShellTreeNode* root = Root())
        CollectWatchFolders(root, folders);
    Watcher_->SetWatchList(&folders);
}

// The folders RefreshNodes lists again: the shown nodes that are expanded
// or hold child nodes. Network volumes are left out: inotify does not see
// changes made on the server.
void TShellTreeView::CollectWatchFolders(TShellTreeNode* Node, std::vector<std::string>& Folders)
{
    if (Node->Expanded || !Node->Children.empty()) {
        const std::string path = Node->Item->Path();
        const TVolume* volume = path.empty() ? nullptr : Namespace_.VolumeHolding(path);
        if (volume && volume->Kind != TVolumeKind::Network)
            Folders.push_back(path);
    }
    if (Node->Expanded)
        for (const auto& child : Node->Children)
            CollectWatchFolders(child.get(), Folders);
}

void TShellTreeView::QueueDeviceChange(const QString& Text, uint32_t EventType, const TItemIDList& IDList,
                                       uint16_t Kind)
{
    Watcher_->SetDeviceData(std::make_unique<TDeviceChangeData>(TDeviceChangeData{Text, EventType, Kind, IDList}));
}

void TShellTreeView::FolderChanged()
{
    // A change met while the mouse holds a node waits for the next one.
    CatchExceptions([&] {
        if (MouseState_ == TMouseState::Idle)
            RefreshWithLinks();
    });
}

void TShellTreeView::DeviceChanged(const TDeviceChangeData& Data)
{
    CatchExceptions([&] {
        const bool removed = Data.EventType == DBT_DEVICEREMOVECOMPLETE;
        if (Data.Kind == 2 && removed)
            Select(Root());
        // Only the node whose list is the volume's: a volume the tree does
        // not list must never rename or empty whatever a search falls back on.
        TShellTreeNode* node = Data.Kind != 1 || Data.IDList.IsNil() ? nullptr : NearestListedNode(Data.IDList);
        if (node && node->Item->AbsoluteIDList() == Data.IDList) {
            node->Item->ResetIconIndexes();
            node->Item->SetDisplayName(Data.Text);
            node->Text = Data.Text;
            NodeChanged(node);
            // An unmounted volume is gone from Computer: the refresh takes
            // its node away, and its parent is the selection.
            if (removed)
                Select(node->Parent);
        }
        RefreshWithLinks();
    });
}

void TShellTreeView::NodeChanged(TShellTreeNode* Node)
{
    Model_->NodeChanged(Node);
    // The view keeps each row's "+" from its last layout.
    scheduleDelayedItemsLayout();
}

void TShellTreeView::ReloadImages()
{
    GetSystemImageList().Reload();
    std::vector<TShellTreeNode*> pending{Root()};
    while (!pending.empty()) {
        TShellTreeNode* node = pending.back();
        pending.pop_back();
        if (!node)
            continue;
        node->Item->ResetIconIndexes();
        for (const auto& child : node->Children)
            pending.push_back(child.get());
    }
    viewport()->update();
}

void TShellTreeView::changeEvent(QEvent* Event)
{
    CatchExceptions([&] {
        QTreeView::changeEvent(Event);
        if (Event->type() == QEvent::ThemeChange)
            QTimer::singleShot(0, this, [this] { CatchExceptions([&] { ReloadImages(); }); });
    });
}
