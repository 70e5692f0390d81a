// A folder's contents as a five-column report (name, size, type, modified,
// attributes), sorted by a click on a column header. A folder without a
// path shows one "名前" column, half the control wide; back in a folder
// with a path the five columns return with their last widths and order.
#pragma once

#include "ShellFileList.h"

#include <QByteArray>
#include <QTreeView>
#include <functional>

class TShellNamespace;

class TShellListView : public QTreeView {
public:
    explicit TShellListView(QWidget* Parent = nullptr, TShellNamespace* Namespace = nullptr);

    void ShowFolder(const TItemIDList& Absolute);
    TShellFileList& FileList() { return *List_; }
    // The sizes of the selected files added up.
    uint64_t SelectionSize() const;
    // After the selection changed, with its total size.
    std::function<void(TShellListView*, uint64_t SelSize)> OnShSelChange;

protected:
    void keyboardSearch(const QString& Search) override;

private:
    TShellFileList* List_;
    // The report's header as it was in the last folder with a path.
    QByteArray ReportState_;
};
