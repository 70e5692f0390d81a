// The path drop-down over the folder tree: the desktop, its sub-folders
// and the first sub-folder's sub-folders, indented 12 pixels a level, plus
// the chain of folders down to the tree's selection. Its edit part shows
// the selected folder's full path (the desktop's name for the desktop and
// for folders without a path). Picking an item selects it in the tree.
#pragma once

#include "ShellComboList.h"
#include "ShellDrop.h"

#include <QComboBox>
#include <functional>
#include <memory>

class TShellNamespace;
class TShellTreeView;

class TShellComboBox;
using TShellComboDragEnterEvent = std::function<void(TShellComboBox*, const TShellDragObject&, bool& Accept)>;
using TShellComboDragEvent = std::function<void(TShellComboBox*, const TShellDragObject&, TShellDataItem* Item)>;
using TShellComboDropEvent =
    std::function<void(TShellComboBox*, const TShellDragObject&, TShellDataItem* Item, bool& DefaultAction)>;

class TShellComboBox : public QComboBox {
public:
    static constexpr int IndentPerLevel = 12;

    explicit TShellComboBox(QWidget* Parent = nullptr, TShellNamespace* Namespace = nullptr);
    ~TShellComboBox() override;

    // Set by the tree's SetShellComboBox, which links both ways.
    void SetShellTreeView(TShellTreeView* Tree) { Tree_ = Tree; }
    TShellTreeView* ShellTreeView() const { return Tree_; }

    void FillItems();
    void SelectIDList(const TItemIDList& Absolute);
    TItemIDList SelectedIDList() const;
    int FindItem(const TItemIDList& Absolute);
    const TShellComboList& List() const { return List_; }
    // What the edit part shows for an item: its path, or its name when it
    // has none (always for the desktop).
    QString EditText(int Index) const;
    // Every item's height: 1.2 times the font's pixel height, at least 18.
    static int ItemHeightFor(const QFont& Font);
    // The height of the item at Index in Font: ItemHeightFor, unless
    // OnMeasureItem changes it.
    int MeasureItem(int Index, const QFont& Font);
    // The most items the open list shows without scrolling; 8 at first.
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int Value) { setMaxVisibleItems(Value); }
    // Shows the list, telling OnDropDown first.
    void showPopup() override;

    // Before the list opens.
    std::function<void(TShellComboBox*)> OnDropDown;
    // Asked for each item's height, which starts at ItemHeightFor.
    std::function<void(TShellComboBox*, int Index, int& Height)> OnMeasureItem;

    // Drags over the combo act on the folder it shows.
    TShellComboDragEnterEvent OnShDragEnter;
    TShellComboDragEvent OnShDragOver;
    TShellComboDropEvent OnShDragDrop;
    std::function<void(TShellComboBox*)> OnShDragLeave;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dragMoveEvent(QDragMoveEvent* Event) override;
    void dragLeaveEvent(QDragLeaveEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    // Shows the list's items and its item index.
    void ShowItems();
    void Picked(int Index);
    // The item shown, which drops go to; null for none.
    TShellDataItem* Shown() const;

    TShellComboList List_;
    TShellTreeView* Tree_ = nullptr;
    bool Showing_ = false;
};
