// The tree view: a QTreeView that shows one TTreeNodes model and keeps its
// current item, expansion and the model's selection in step both ways.
// Each row paints the node's state image, its image and its title.
#pragma once

#include "Classes.h"
#include "Graphics.h"
#include "TreeImageList.h"
#include "TreeNodes.h"
#include "VirtualKeys.h"

#include <QTreeView>
#include <cstdint>
#include <functional>
#include <memory>

class TTreeModel;
class TTreeDelegate;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// The button of a mouse event; any other than right and middle is left.
TMouseButton MouseButtonOf(Qt::MouseButton Button);

// Source is the object being dragged: a TTreeView for a node dragged out of
// a tree view. X and Y are in the view's client (viewport) coordinates.
using TTreeDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y, bool& Accept)>;
using TTreeDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y, TShiftState Shift)>;
// Key is the virtual-key code; set it to 0 and the view does nothing more
// with the key.
using TTreeKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TTreeMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
// Asked before a node is painted, to set its ImageIndex or SelectedIndex.
using TTreeNodeImageEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

class TTreeView : public QTreeView, public TComponent {
    Q_OBJECT

public:
    explicit TTreeView(QWidget* Parent = nullptr);
    ~TTreeView() override;

    TTreeNodes& Items() { return *Items_; }
    const TTreeNodes& Items() const { return *Items_; }

    // The model's selection; SetSelected also makes it the view's current
    // item and scrolls it into view.
    TTreeNode* Selected() const { return Items_->Selected(); }
    void SetSelected(TTreeNode* Node) { Items_->SetSelected(Node); }
    // Scrolls the selected node into view again, after the view's shape
    // changed.
    void MakeSelectedVisible() { ShowSelection(Selected()); }

    // The node under a point of the client area, null for none.
    TTreeNode* GetNodeAt(int X, int Y) const;
    // The node shown at the top of the client area, null for an empty tree.
    TTreeNode* TopItem() const;

    const TFont& Font() const { return Font_; }
    void SetFont(const TFont& Value);
    TColor Color() const { return Color_; }
    void SetColor(TColor Value);

    // Not owned; null for none. A node shows Images' picture ImageIndex
    // (SelectedIndex while it is selected) and StateImages' picture
    // StateIndex; state index 0 and below show none, so the state list's
    // first picture is never shown, as on the system this program came from.
    TTreeImageList* Images() const { return Images_; }
    void SetImages(TTreeImageList* Value);
    TTreeImageList* StateImages() const { return StateImages_; }
    void SetStateImages(TTreeImageList* Value);

    // Whether a title cut off at the view's edge shows whole as a tool tip
    // while the mouse rests on it.
    bool ToolTips() const { return ToolTips_; }
    void SetToolTips(bool Value) { ToolTips_ = Value; }

    // While off, a selected node's title is edited in place (a click on
    // it, or F2); on by default.
    bool ReadOnly() const { return ReadOnly_; }
    void SetReadOnly(bool Value);

    // The node a drag would drop on while the pointer is over it, shown
    // highlighted in the selection's place; null outside a drag.
    TTreeNode* DropTarget() const { return DropTarget_; }

    // Expands or collapses every node.
    void FullExpand();
    void FullCollapse();

    TTreeDragOverEvent OnDragOver;
    TTreeDragDropEvent OnDragDrop;
    TTreeKeyEvent OnKeyDown;
    TTreeMouseEvent OnMouseDown;
    TNotifyEvent OnEnter;
    TTreeNodeImageEvent OnGetImageIndex;
    TTreeNodeImageEvent OnGetSelectedIndex;
    // A title edited in place, before the node takes Text (Shift-JIS),
    // which the handler may change.
    std::function<void(TObject* Sender, TTreeNode* Node, std::string& Text)> OnEdited;

protected:
    bool event(QEvent* Event) override;
    bool viewportEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void startDrag(Qt::DropActions SupportedActions) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dragMoveEvent(QDragMoveEvent* Event) override;
    void dragLeaveEvent(QDragLeaveEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;
    void currentChanged(const QModelIndex& Current, const QModelIndex& Previous) override;
    int sizeHintForColumn(int Column) const override;
    void scrollTo(const QModelIndex& Index, ScrollHint Hint = EnsureVisible) override;

private:
    friend class TTreeModel;
    friend class TFollowScope;

    // Called by the model adapter as the model changes.
    void ShowSelection(TTreeNode* Node);
    void ShowExpanded(TTreeNode* Node);
    void ShowExpandedSubtree(TTreeNode* Node);
    void ShowToolTip(const QHelpEvent& Event);
    void ApplyFont();
    void SetDropTarget(TTreeNode* Node);

    std::unique_ptr<TTreeNodes> Items_;
    std::unique_ptr<TTreeModel> Model_;
    TTreeDelegate* Delegate_;
    TFont Font_;
    TColor Color_ = clWindow;
    TTreeImageList* Images_ = nullptr;
    TTreeImageList* StateImages_ = nullptr;
    bool ToolTips_ = true;
    bool ReadOnly_ = true;
    TTreeNode* DropTarget_ = nullptr;
    // Above 0 while the view follows the model, so that its own signals
    // are not sent back to the model.
    int Following_ = 0;
};
