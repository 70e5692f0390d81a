// A folder's contents as large icons or as a five-column report (name,
// size, type, modified, attributes), sorted by a click on a column header,
// listed again when the folder changes on disk. Both styles show one model
// with one selection, and the mouse, drags, drops and the context menu
// work the same in either. A folder without a path shows one "名前" column
// in the report, half the control wide; back in a folder with a path the
// five columns return with their last widths and order.
#pragma once

#include "ShFilesWatcher.h"
#include "ShellDrop.h"
#include "ShellFileList.h"
#include "ShellIDList.h"

#include <QByteArray>
#include <QIcon>
#include <QWidget>
#include <functional>

class QAbstractItemView;
class QContextMenuEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QListView;
class QMouseEvent;
class QShowEvent;
class QPainter;
class QStyleOptionViewItem;
class QTreeView;
class TShellNamespace;
class TShellPopupMenu;
class TShellTreeView;
template <class TView>
class TShellItemView;

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

// Large icons in rows that wrap, or the report with one row per item.
enum TViewStyle { vsIcon, vsReport };

class TShellListView;
using TShellListFilterEvent = std::function<void(TShellListView*, const TShellFileItem& Item, bool& Accept)>;
using TShellListChangeEvent = std::function<void(TShellListView*, TShellFileList& FileList)>;
using TShellListBeginDragEvent =
    std::function<void(TShellListView*, const TShellIDList& Items, QPoint Pos, bool& CanDrag)>;
using TShellListDragEnterEvent = std::function<void(TShellListView*, const TShellDragObject&, bool& Accept)>;
using TShellListDragEvent = std::function<void(TShellListView*, const TShellDragObject&, const TShellFileItem* Item)>;
using TShellListDropEvent =
    std::function<void(TShellListView*, const TShellDragObject&, const TShellFileItem* Item, bool& DefaultAction)>;
using TShellClipboardEvent = std::function<void(TShellListView*, bool Contented)>;
using TShellListSelChangeEvent = std::function<void(TShellListView*, uint64_t SelSize)>;
using TShellListExecuteEvent = std::function<void(TShellListView*, const TShellFileItem& Item, bool& DefaultAction)>;
// Drawing a row's icon and name (Option.rect: its cell), or one of the
// report's other columns (SubItem 1 to 4). DefaultDraw false: the hook drew
// it, and the list draws nothing there.
using TShellListDrawItemEvent =
    std::function<void(TShellListView*, QPainter& Painter, const QStyleOptionViewItem& Option,
                       const TShellFileItem& Item, bool& DefaultDraw)>;
using TShellListDrawSubItemEvent =
    std::function<void(TShellListView*, QPainter& Painter, const QStyleOptionViewItem& Option,
                       const TShellFileItem& Item, int SubItem, bool& DefaultDraw)>;

class TShellListView : public QWidget {
public:
    explicit TShellListView(QWidget* Parent = nullptr, TShellNamespace* Namespace = nullptr);

    // Large icons by default; a change keeps the rows, the selection and
    // the current row, and the focus when the list had it.
    TViewStyle ViewStyle() const { return ViewStyle_; }
    void SetViewStyle(TViewStyle Value);
    // The view of the current style, and each style's own view.
    QAbstractItemView& ItemView() const;
    QTreeView& ReportView() const;
    QListView& IconView() const;
    // Where the row's icon is drawn in the current style, in the item
    // view's viewport.
    QRect IconRect(int Row) const;

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
    // The attribute images of an item, in the order the report draws them
    // (read-only, hidden); the icon view stacks them the other way round.
    std::vector<QIcon> AttributeImagesOf(const TShellFileItem& Item) const;

    // Hidden entries and virtual items are listed by these; a change goes
    // to the linked tree too, and the list is filled again.
    bool IncludeHidden() const { return List_->IncludeHidden(); }
    void SetIncludeHidden(bool Value);
    TShVirtuaItems ShVirtuaItems() const { return List_->ShVirtuaItems(); }
    void SetShVirtuaItems(TShVirtuaItems Value);

    // Asked for every entry a fill lists; Accept false leaves it out.
    TShellListFilterEvent OnShFilter;
    // After the rows were listed anew or rows were taken out.
    TShellListChangeEvent OnShListChange;
    // Before the selected rows are dragged out; CanDrag false stops it.
    TShellListBeginDragEvent OnShBeginDrag;
    // A drag entering the list; Accept false refuses it.
    TShellListDragEnterEvent OnShDragEnter;
    // Item: the folder row under the pointer, null for the shown folder.
    TShellListDragEvent OnShDragOver;
    // A drop; DefaultAction false keeps it from the folder.
    TShellListDropEvent OnShDragDrop;
    std::function<void(TShellListView*)> OnShDragLeave;
    // The clipboard changed; Contented: it holds files or shell items.
    TShellClipboardEvent OnShClipboard;
    // After the selection changed and when the list is shown, with the
    // selection's total size.
    TShellListSelChangeEvent OnShSelChange;
    // A file row is opened; DefaultAction false keeps it from its program.
    TShellListExecuteEvent OnShExecute;
    // Run before the list draws a row or a report cell.
    TShellListDrawItemEvent OnShDrawItem;
    TShellListDrawSubItemEvent OnShDrawSubItem;

    // Opens a row: a folder is shown, a file handed to its program.
    void OpenRow(int Row);

    // The shown folder is watched between these (the tree stops it while
    // it renames a folder).
    void StartWatching();
    void StopWatching();

    // The row a drag over the list would drop into; -1 for the shown folder.
    int DropRow() const { return DropRow_; }

protected:
    void changeEvent(QEvent* Event) override;
    // Tells the selection's total, as every change of the selection does.
    void showEvent(QShowEvent* Event) override;

private:
    template <class TView>
    friend class TShellItemView;
    using TReportView = TShellItemView<QTreeView>;
    using TIconView = TShellItemView<QListView>;

    // What both views hand over (ShellListMouse.cpp).
    void TypeAhead(const QString& Search);
    void RowMenu(const QContextMenuEvent& Event);
    void RowPressed(const QMouseEvent& Event);
    // True when a press on a row holds the move, which may begin a drag.
    bool PressedMove(const QMouseEvent& Event);
    void Released() { PressedButton_ = Qt::NoButton; }
    void DragEnter(QDragEnterEvent& Event);
    void DragMove(QDragMoveEvent& Event);
    void DragLeave();
    void Drop(QDropEvent& Event);

    // Both views on one model and one selection, the icon view shown.
    void SetUpViews();
    void SelChanged();
    // The icons at the style's sizes: large in the icon view, small in the report.
    void ApplyIconSizes();
    // The shown folder changed on disk: listed again (its names changed)
    // or its rows read again (sizes, times, modes), or, when it is gone,
    // the tree's selection is shown instead. Ignored while a button is
    // down on a row or rows are dragged out, so they stay under the mouse.
    void FilesChanged(TShFilesWatcher* Sender);
    // The selected rows, and the same rows as items of the shown folder.
    std::vector<int> SelectedRows() const;
    TShellIDList SelectedItems() const;
    void BeginDrag(const QPoint& Pos);
    // The folder a drop at Pos goes into, and sets DropRow_: a folder row
    // that takes drops, else the shown folder; null when neither does.
    std::unique_ptr<TShellDataItem> DropTargetAt(const QPoint& Pos);

    // The views come first, so that they go before the model they show.
    TReportView* Report_;
    TIconView* Icons_;
    TShellFileList* List_;
    TViewStyle ViewStyle_ = vsIcon;
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
