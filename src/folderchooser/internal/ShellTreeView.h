// The folder tree: the desktop as the one root, the sub-folders of every
// expanded folder below it in the namespace's order, with the theme's
// icons and the open-folder icon on the selected node. It follows the
// disk: the folders of its populated nodes are watched, and volumes that
// are mounted or unmounted are merged in. A refresh merges each listing
// into the nodes already there, so nodes, their expansion and the
// selection survive it.
#pragma once

#include "ShDirWatcher.h"
#include "ShellCtrlList.h"
#include "ShellDataItem.h"
#include "ShellDrop.h"
#include "ShellTreeNode.h"

#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TShellComboBox;
class TShellListView;
class TShellNamespace;
class TShellPopupMenu;
class TShellTreeModel;

class TShellTreeView;
using TShellBeginDragEvent = std::function<void(TShellTreeView*, TShellTreeNode* Node, bool& CanDrag)>;
using TShellTreeDragEnterEvent = std::function<void(TShellTreeView*, const TShellDragObject&, bool& Accept)>;
using TShellTreeDragEvent = std::function<void(TShellTreeView*, const TShellDragObject&, TShellTreeNode* Node)>;
using TShellTreeDropEvent =
    std::function<void(TShellTreeView*, const TShellDragObject&, TShellTreeNode* Node, bool& DefaultAction)>;

class TShellTreeView : public QTreeView, private IShellControl {
public:
    // Namespace null: the program's. Timing: the watcher's quiet periods
    // and clock (tests pass their own).
    explicit TShellTreeView(QWidget* Parent = nullptr, TShellNamespace* Namespace = nullptr,
                            TWatcherTiming Timing = {});
    ~TShellTreeView() override;

    bool IncludeHidden() const { return IncludeHidden_; }
    void SetIncludeHidden(bool Value);
    TShVirtuaItems ShVirtuaItems() const { return ShVirtuaItems_; }
    void SetShVirtuaItems(TShVirtuaItems Value);

    // A check box on every node.
    bool Checkboxes() const;
    void SetCheckboxes(bool Value);

    // The selection is drawn only while the tree has the focus (a pressed
    // or dragged-over node always is).
    bool HideSelection() const { return HideSelection_; }
    void SetHideSelection(bool Value);
    // Label editing (rename) is refused while on.
    bool ReadOnly() const { return ReadOnly_; }
    void SetReadOnly(bool Value) { ReadOnly_ = Value; }
    // The path combo that follows the selection and selects in the tree.
    TShellComboBox* ShellComboBox() const { return ShellComboBox_; }
    void SetShellComboBox(TShellComboBox* Combo);
    // The file list that shows the selected folder's contents.
    void SetShellListView(TShellListView* List);
    // The context menu of a right click on a folder; none by default.
    void SetShellPopupMenu(TShellPopupMenu* Menu) { ShellPopupMenu_ = Menu; }

    // After the selection changed.
    std::function<void(TShellTreeView*)> OnChange;
    // Before a drag of Node's folder starts; CanDrag false stops it.
    TShellBeginDragEvent OnShBeginDrag;
    // A drag entering the tree; Accept false refuses it.
    TShellTreeDragEnterEvent OnShDragEnter;
    TShellTreeDragEvent OnShDragOver;
    // A drop onto Node; DefaultAction false keeps it from the folder.
    TShellTreeDropEvent OnShDragDrop;
    std::function<void(TShellTreeView*)> OnShDragLeave;

    // The node pressed or dragged over, drawn as selected; null for none.
    TShellTreeNode* DropHighlighted() const { return DropHighlighted_; }
    // Gives the node's folder a new name (never replacing an entry that
    // exists); the node keeps its place in the tree and is sorted anew.
    bool Rename(TShellTreeNode* Node, const QString& NewName);
    // The drag-over notifications a pointer resting on one node gets
    // before that node opens, one every HoverInterval.
    static constexpr int HoverExpandCount = 30;
    static constexpr std::chrono::milliseconds HoverInterval{50};
    // The distance on either axis a pressed pointer moves before a drag starts.
    static constexpr int DragThreshold = 6;

    // Selects the folder at Path; a path that does not parse changes
    // nothing, and one the tree does not list selects the root.
    void SelectPath(const std::string& Path);
    // The selected folder's path; "" without a selection or a path.
    std::string SelectedPath();
    // Selects the node of an absolute list (the root when it is not
    // listed), unless that node is selected already.
    void SelectIDList(const TItemIDList& List);
    // The selected node's absolute list; the desktop's without a selection.
    TItemIDList SelectedIDList();
    // The node of an absolute list, listing and expanding the folders on
    // the way; the root for anything the tree does not list.
    TShellTreeNode* FindNode(const TItemIDList& List);
    // Lists again every shown node that is expanded or has child nodes,
    // and re-reads the "+" of the others.
    void RefreshNodes();
    // Merges the node's folder's sub-folders into its child nodes.
    void FillChildren(TShellTreeNode* Node);

    TShellTreeNode* Root() const;
    TShellTreeNode* Selected() const;
    void Select(TShellTreeNode* Node);
    // Lists the node's children when needed and shows them; a node found
    // to have none loses its "+" and stays collapsed.
    void Expand(TShellTreeNode* Node);
    void Collapse(TShellTreeNode* Node);

    void StartWatching();
    void StopWatching();
    TShDirWatcher& Watcher() { return *Watcher_; }
    // Looks the icons up again (after a theme change).
    void ReloadImages();

    // The relative lists of a folder's sub-folders that the tree lists, in
    // the folder's order.
    std::vector<TItemIDList> EnumSubFolders(const std::shared_ptr<const TShellFolder>& Folder, TShellDataItem& Parent);

protected:
    void changeEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dragMoveEvent(QDragMoveEvent* Event) override;
    void dragLeaveEvent(QDragLeaveEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;
    void initViewItemOption(QStyleOptionViewItem* Option) const override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& Index, const QEvent* Event) const override;
    // Whether a move to Pos, with Buttons down, starts a drag of the
    // pressed node.
    virtual bool CanBeginDrag(const QPoint& Pos, Qt::MouseButtons Buttons);

private:
    void QueueDeviceChange(const QString& Text, uint32_t EventType, const TItemIDList& IDList, uint16_t Kind) override;
    void FolderChanged();
    void DeviceChanged(const TDeviceChangeData& Data);

    void FillRoot();
    std::unique_ptr<TShellTreeNode> MakeNode(std::unique_ptr<TShellFolderItem> Item, TChildProber* Prober = nullptr);
    // Re-reads the "+" and overlay (through Prober, the parent folder's,
    // when given); true when either changed.
    bool BindNode(TShellTreeNode* Node, TChildProber* Prober = nullptr);
    void RemoveChildren(TShellTreeNode* Node, int Position, int Count);
    // Shows a node's new text, icon or "+".
    void NodeChanged(TShellTreeNode* Node);
    void FillForExpansion(TShellTreeNode* Node);
    void RefreshNode(TShellTreeNode* Node);
    // The child of Node whose relative list is Id, by the folder's order.
    TShellTreeNode* FindChild(TShellTreeNode* Node, const TItemIDList& Id);
    // The deepest listed node on the way to List, looking only at the nodes
    // there are (nothing is listed or expanded).
    TShellTreeNode* NearestListedNode(const TItemIDList& List);
    void UpdateWatchList();
    void CollectWatchFolders(TShellTreeNode* Node, std::vector<std::string>& Folders);

    enum class TMouseState { Idle, LeftPressed, RightPressed, Dragging };
    void SetDropHighlighted(TShellTreeNode* Node);
    void BeginDrag();
    // The pointer rests on the node a drag is over: opens it after a while,
    // and scrolls near the edges.
    void HoverTick();
    void ContextPopup(TShellTreeNode* Node, const QPoint& GlobalPos);
    void SortChild(TShellTreeNode* Node);
    TShellTreeNode* NodeAt(const QPoint& Pos) const;
    // The combo (refilled when Refill) and the list follow the selection.
    void FollowSelection(bool Refill);
    // The combo (refilled when Refill) and the list show the folder of List.
    void ShowInLinks(const TItemIDList& List, bool Refill);
    // The selection was made: the links follow it and OnChange is told.
    void Change();
    // Refreshes the nodes, the combo's list with them.
    void RefreshWithLinks();
    // Whether a node may open while a drag is over the tree: not a
    // virtual folder, nor a volume that cannot be read.
    bool CanExpandWhileDragging(TShellTreeNode* Node);

    TShellNamespace& Namespace_;
    TShellTreeModel* Model_;
    std::unique_ptr<TShDirWatcher> Watcher_;
    bool IncludeHidden_ = true;
    TShVirtuaItems ShVirtuaItems_ = VirtuaItem(itBitBucket) | VirtuaItem(itNetWork);
    bool Watching_ = false;
    bool ReadOnly_ = false;
    bool HideSelection_ = true;
    TShellComboBox* ShellComboBox_ = nullptr;
    TShellListView* ShellListView_ = nullptr;
    TShellPopupMenu* ShellPopupMenu_ = nullptr;
    TMouseState MouseState_ = TMouseState::Idle;
    QPoint PressPoint_;
    TShellTreeNode* DropHighlighted_ = nullptr;
    // The drag hovering over the tree.
    QTimer HoverTimer_;
    QPoint HoverPos_;
    TShellTreeNode* HoverNode_ = nullptr;
    int HoverCount_ = 0;
};
