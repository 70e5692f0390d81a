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
#include "ShellTreeNode.h"

#include <QTreeView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TShellNamespace;
class TShellTreeModel;

class TShellTreeView : public QTreeView, private IShellControl {
public:
    // Namespace null: the program's. Timing: the watcher's quiet periods
    // and clock (tests pass their own).
    explicit TShellTreeView(QWidget* Parent = nullptr, TShellNamespace* Namespace = nullptr, TWatcherTiming Timing = {});
    ~TShellTreeView() override;

    bool IncludeHidden() const { return IncludeHidden_; }
    void SetIncludeHidden(bool Value);
    TShVirtuaItems ShVirtuaItems() const { return ShVirtuaItems_; }
    void SetShVirtuaItems(TShVirtuaItems Value);

    // After the selection changed.
    std::function<void(TShellTreeView*)> OnChange;

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

protected:
    void changeEvent(QEvent* Event) override;

private:
    void QueueDeviceChange(const QString& Text, uint32_t EventType, const TItemIDList& IDList, uint16_t Kind) override;
    void FolderChanged();
    void DeviceChanged(const TDeviceChangeData& Data);

    void FillRoot();
    // The relative lists of the folder's sub-folders that the tree lists,
    // in the folder's order.
    std::vector<TItemIDList> EnumSubFolders(const std::shared_ptr<const TShellFolder>& Folder, TShellFolderItem& Parent);
    bool Listed(TShellFolderItem& Item, int ParentLevel, TShItemIDType ParentType) const;
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

    TShellNamespace& Namespace_;
    TShellTreeModel* Model_;
    std::unique_ptr<TShDirWatcher> Watcher_;
    bool IncludeHidden_ = true;
    TShVirtuaItems ShVirtuaItems_ = VirtuaItem(itBitBucket) | VirtuaItem(itNetWork);
    bool Watching_ = false;
};
