// The page-link chooser: a window beside the main window listing the
// pages as the tree holds them; a double click on one asks for a link to
// it. Esc closes it, and closing frees it.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QPlainTextEdit;
class TTreeImageList;
class TTreeNodes;
class TTreeView;

class TNodeForm : public QWidget {
public:
    TNodeForm(QWidget* MainWindow, const TTreeNodes& Pages, TTreeImageList* Images, TTreeImageList* StateImages);

    TTreeView* TreeView1() const { return TreeView1_; }
    // The title of the page double-clicked.
    std::function<void(const std::string& Title)> OnChoose;
    void TreeView1DblClick();

protected:
    void keyPressEvent(QKeyEvent* Event) override;

private:
    TTreeView* TreeView1_ = nullptr;
    QPlainTextEdit* Memo1_ = nullptr;
};
