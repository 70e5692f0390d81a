// A folder's contents as a five-column report (name, size, type, modified,
// attributes), sorted by a click on a column header, listed again when the
// folder changes on disk. A folder without a
// path shows one "名前" column, half the control wide; back in a folder
// with a path the five columns return with their last widths and order.
#pragma once

#include "ShFilesWatcher.h"
#include "ShellFileList.h"

#include <QByteArray>
#include <QTreeView>
#include <functional>

class TShellNamespace;
class TShellPopupMenu;
class TShellTreeView;

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

protected:
    void keyboardSearch(const QString& Search) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;

private:
    // The shown folder changed on disk: listed again (its names changed)
    // or its rows read again (sizes, times, modes), or, when it is gone,
    // the tree's selection is shown instead.
    void FilesChanged(TShFilesWatcher* Sender);

    TShellFileList* List_;
    TShellTreeView* Tree_ = nullptr;
    TShFilesWatcher NamesWatcher_;
    TShFilesWatcher DataWatcher_;
    TShellPopupMenu* ShellPopupMenu_ = nullptr;
    // The report's header as it was in the last folder with a path.
    QByteArray ReportState_;
};
