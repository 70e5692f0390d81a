// The result list window "TSearchListfm": a small window beside the page
// tree listing the pages a list search found, with their titles and
// sub-icons. It shows rows only; which page a row stands for is the found
// page list's business, so no row can hold on to a page that is gone.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

class QListWidget;
class TTreeImageList;
class TTreeNode;

class TSearchListfm : public QWidget {
public:
    // A tool window over MainWindow.
    explicit TSearchListfm(QWidget& MainWindow);

    // One row per page: its title and sub-icon. No event runs.
    void Fill(const std::vector<TTreeNode*>& Pages, const TTreeImageList& SubIcons);
    // Row's page took another sub-icon (null: none).
    void SetEntryIcon(int Row, const QPixmap* Icon);
    // Selects Row and, with AtTop, scrolls it to the top. No event runs.
    void SelectRow(int Row, bool AtTop = false);
    int SelectedRow() const;

    QListWidget* FindTree;

    // The user moved the selection to Row.
    std::function<void(int Row)> OnChange;
    // The user clicked Row (also the row already selected).
    std::function<void(int Row)> OnClick;
    std::function<void()> OnShow;
    std::function<void()> OnClose;

protected:
    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
};
