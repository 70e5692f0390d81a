// The program's folder dialog: the folder tree with its path combo, the
// chosen folder's files, making a new folder, and (Ctrl+Shift+Delete)
// deleting every file below the chosen folder after one question. It
// returns a path the program can hold in Shift-JIS.
#pragma once

#include <QColor>
#include <QDialog>
#include <QStyle>
#include <string>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QToolButton;
class TFileListBoxEx;
class TShellComboBox;
class TShellNamespace;
class TShellDragObject;
class TShellTreeNode;
class TShellTreeView;

class TFolderOpen : public QDialog {
public:
    // Namespace null: the program's.
    explicit TFolderOpen(QWidget* Owner = nullptr, TShellNamespace* Namespace = nullptr);
    ~TFolderOpen() override;

    // Runs the dialog on the Shift-JIS folder Folder. On OK, Folder becomes
    // the folder chosen ("" for one without a path, such as Computer) and
    // the result is true; otherwise Folder stays as it was. Callers add the
    // trailing '/' themselves where they need one.
    static bool SelectFolder(std::string& Folder, TShellNamespace* Namespace = nullptr);

    // The preset on entry and the choice on OK, as raw path bytes; it
    // follows the tree's selection.
    std::string FolderPath;
    // The form sees the keys of its controls before they do; off, the
    // controls alone see them.
    bool KeyPreview = true;

    QWidget* PanelLeft;
    QWidget* PanelLeftTop;
    QLabel* Label2;
    TShellComboBox* ShellComboBox1;
    TShellTreeView* ShellTreeView1;
    QWidget* PanelRight;
    QWidget* PanelRightTop;
    QToolButton* sbMakeDir;
    QLabel* Label1;
    QLineEdit* EdMakeDir;
    TFileListBoxEx* FileListBoxEx1;
    QWidget* PanelBottom;
    QPushButton* OkButton;
    QPushButton* CancelButton;

    void FormShow();
    void ShellTreeView1Change();
    // Nothing may be moved into the tree: every drop is refused with a box.
    void ShellTreeView1ShDragDrop(const TShellDragObject& DragObject, TShellTreeNode* Node, bool& DefaultAction);
    // The file list's selection shows in the highlight colours while the
    // list has the focus, in silver with black text otherwise.
    void FileListBoxEx1Enter();
    void FileListBoxEx1Exit();
    void FileListBoxEx1DrawItem(TFileListBoxEx* List, int Index, const QRect& Rect, QStyle::State State,
                                QPainter& Painter);
    // A key going down: the deleted-file count starts again at 0, and
    // Ctrl+Shift+Delete deletes. True when the key was used.
    bool FormKeyDown(const QKeyEvent& Event);
    // Esc cancels and Enter confirms, from any control. True when the key
    // was used.
    bool FormKeyPress(const QKeyEvent& Event);
    void sbMakeDirClick();
    // Asks, then deletes every file below the selected folder.
    void DeleteAllFilesBelow();
    // The files deleted since the last key went down.
    int DeletedFiles() const { return DeletedFiles_; }
    // The file list's selection colours.
    const QColor& SelectionBackground() const { return SelBackground_; }
    const QColor& SelectionText() const { return SelText_; }

protected:
    void showEvent(QShowEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void BuildControls(TShellNamespace* Namespace);
    void SetListColours(bool Focused);

    QColor SelBackground_;
    QColor SelText_;
    int DeletedFiles_ = 0;
};
