// A folder's contents as a five-column report (name, size, type, modified,
// attributes), sorted by a click on a column header, listed again when the
// folder changes on disk. A folder without a
// path shows one "名前" column, half the control wide; back in a folder
// with a path the five columns return with their last widths and order.
#pragma once

#include "ShFilesWatcher.h"
#include "ShellDrop.h"
#include "ShellFileList.h"
#include "ShellIDList.h"

#include <QByteArray>
#include <QIcon>
#include <QTreeView>
#include <functional>

class TShellNamespace;
class TShellPopupMenu;
class TShellTreeView;

// Images shown for a row's attributes instead of letters: indexes into
// ImageList, -1 for none. Archive and System have no meaning here and
// stay unshown.
struct TAttributesImage {
    std::vector<QIcon> ImageList; // empty: letters
    int Archive = -1;
    int ReadOnly = -1;
    int Hidden = -1;
    int System = -1;
};

class TShellListView : public QTreeView {
public:
    explicit TShellListView(QWidget* Parent = nullptr, TShellNamespace* Namespace = nullptr);

    void ShowFolder(const TItemIDList& Absolute);
    TShellFileList& FileList() { return *List_; }
    // The sizes of the selected files added up.
    uint64_t SelectionSize() const;
    // The folder tree this list follows; a folder opened here is selected
    // there. Set by the tree's SetShellListView, which links both ways.
    void SetShellTreeView(TShellTreeView* Tree) { Tree_ = Tree; }
    // The context menu of a right click on a row; none by default.
    void SetShellPopupMenu(TShellPopupMenu* Menu) { ShellPopupMenu_ = Menu; }
    const TAttributesImage& AttributesImage() const { return AttributesImage_; }
    void SetAttributesImage(const TAttributesImage& Value);
    // The attribute images of an item, in the order they are drawn.
    std::vector<QIcon> AttributeImagesOf(const TShellFileItem& Item) const;

    // Hidden entries and virtual items are listed by these; a change goes
    // to the linked tree too, and the list is filled again.
    bool IncludeHidden() const { return List_->IncludeHidden(); }
    void SetIncludeHidden(bool Value);
    TShVirtuaItems ShVirtuaItems() const { return List_->ShVirtuaItems(); }
    void SetShVirtuaItems(TShVirtuaItems Value);

    // Asked for every entry a fill lists; Accept false leaves it out.
    std::function<void(TShellListView*, const TShellFileItem& Item, bool& Accept)> OnShFilter;
    // After the rows were listed anew or rows were taken out.
    std::function<void(TShellListView*, TShellFileList& FileList)> OnShListChange;
    // Before the selected rows are dragged out; CanDrag false stops it.
    std::function<void(TShellListView*, const TShellIDList& Items, QPoint Pos, bool& CanDrag)> OnShBeginDrag;
    // A drag entering the list; Accept false refuses it.
    std::function<void(TShellListView*, const TShellDragObject&, bool& Accept)> OnShDragEnter;
    // Item: the folder row under the pointer, null for the shown folder.
    std::function<void(TShellListView*, const TShellDragObject&, const TShellFileItem* Item)> OnShDragOver;
    // A drop; DefaultAction false keeps it from the folder.
    std::function<void(TShellListView*, const TShellDragObject&, const TShellFileItem* Item, bool& DefaultAction)>
        OnShDragDrop;
    std::function<void(TShellListView*)> OnShDragLeave;
    // The clipboard changed; Contented: it holds files or shell items.
    std::function<void(TShellListView*, bool Contented)> OnShClipboard;
    // After the selection changed, with its total size.
    std::function<void(TShellListView*, uint64_t SelSize)> OnShSelChange;
    // A file row is opened; DefaultAction false keeps it from its program.
    std::function<void(TShellListView*, const TShellFileItem& Item, bool& DefaultAction)> OnShExecute;

    // Opens a row: a folder is shown, a file handed to its program.
    void OpenRow(int Row);

    // The shown folder is watched between these (the tree stops it while
    // it renames a folder).
    void StartWatching();
    void StopWatching();

    // The row a drag over the list would drop into; -1 for the shown folder.
    int DropRow() const { return DropRow_; }

protected:
    void keyboardSearch(const QString& Search) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dragMoveEvent(QDragMoveEvent* Event) override;
    void dragLeaveEvent(QDragLeaveEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    // The shown folder changed on disk: listed again (its names changed)
    // or its rows read again (sizes, times, modes), or, when it is gone,
    // the tree's selection is shown instead. Ignored while a button is
    // down on a row or rows are dragged out, so they stay under the mouse.
    void FilesChanged(TShFilesWatcher* Sender);
    // The selected rows as items of the shown folder.
    TShellIDList SelectedItems() const;
    void BeginDrag(const QPoint& Pos);
    // The folder a drop at Pos goes into, and sets DropRow_: a folder row
    // that takes drops, else the shown folder; null when neither does.
    std::unique_ptr<TShellDataItem> DropTargetAt(const QPoint& Pos);

    TShellFileList* List_;
    TShellTreeView* Tree_ = nullptr;
    TShFilesWatcher NamesWatcher_;
    TShFilesWatcher DataWatcher_;
    TShellPopupMenu* ShellPopupMenu_ = nullptr;
    // The button pressed on a row, and where; none while no drag may start.
    Qt::MouseButton PressedButton_ = Qt::NoButton;
    QPoint PressPoint_;
    bool Dragging_ = false;
    int DropRow_ = -1;
    TAttributesImage AttributesImage_;
    // The report's header as it was in the last folder with a path.
    QByteArray ReportState_;
};
