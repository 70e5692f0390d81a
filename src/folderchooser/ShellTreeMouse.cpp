// The folder tree under the mouse: a node is selected when the button is
// released on it, a pressed node that moves far enough is dragged out as
// its folder, drops are handed to the folder under the pointer, a right
// click opens the context menu, and label editing renames a folder.
#include "ExceptionHandler.h"
#include "ShellComboBox.h"
#include "ShellDrop.h"
#include "ShellFileOps.h"
#include "ShellHooks.h"
#include "ShellListView.h"
#include "ShellNamespace.h"
#include "ShellPopupMenu.h"
#include "ShellTreeModel.h"
#include "ShellTreeView.h"

#include <QDrag>
#include <QFile>
#include <QMouseEvent>

TShellTreeNode* TShellTreeView::NodeAt(const QPoint& Pos) const { return TShellTreeModel::NodeOf(indexAt(Pos)); }

void TShellTreeView::SetDropHighlighted(TShellTreeNode* Node)
{
    if (Node == DropHighlighted_)
        return;
    DropHighlighted_ = Node;
    viewport()->update();
}

QItemSelectionModel::SelectionFlags TShellTreeView::selectionCommand(const QModelIndex& Index,
                                                                     const QEvent* Event) const
{
    // A press only marks the node: it is selected on release.
    if (MouseState_ == TMouseState::LeftPressed || MouseState_ == TMouseState::RightPressed)
        return QItemSelectionModel::NoUpdate;
    return QTreeView::selectionCommand(Index, Event);
}

void TShellTreeView::mousePressEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        MouseState_ = TMouseState::Idle;
        const QPoint pos = Event->position().toPoint();
        const QModelIndex index = indexAt(pos);
        TShellTreeNode* node = TShellTreeModel::NodeOf(index);
        const bool left = Event->button() == Qt::LeftButton;
        const bool right = Event->button() == Qt::RightButton && node && node->Item->Level() > 0;
        // On the node itself, not on its "+".
        if (node && (left || right) && pos.x() >= visualRect(index).left()) {
            SetDropHighlighted(node);
            MouseState_ = left ? TMouseState::LeftPressed : TMouseState::RightPressed;
            PressPoint_ = pos;
            // Qt would make the node current at once; it is selected on release.
            setFocus(Qt::MouseFocusReason);
            return;
        }
        SetDropHighlighted(nullptr);
        // Only the left button acts on the tree itself (its "+" among
        // others); the right and middle buttons never select.
        if (Event->button() == Qt::LeftButton)
            QTreeView::mousePressEvent(Event);
    });
}

void TShellTreeView::mouseMoveEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        if (MouseState_ != TMouseState::LeftPressed && MouseState_ != TMouseState::RightPressed)
            return QTreeView::mouseMoveEvent(Event);
        if (CanBeginDrag(Event->position().toPoint(), Event->buttons()))
            BeginDrag();
    });
}

void TShellTreeView::mouseReleaseEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        TShellTreeNode* node = DropHighlighted_;
        if (MouseState_ == TMouseState::RightPressed && Event->button() == Qt::RightButton) {
            // The menu comes with the release, so that a right-button drag can start.
            if (node && ShellPopupMenu_)
                ContextPopup(node, Event->globalPosition().toPoint());
            node = nullptr;
        } else if (MouseState_ != TMouseState::LeftPressed || Event->button() != Qt::LeftButton) {
            node = nullptr;
        }
        MouseState_ = TMouseState::Idle;
        SetDropHighlighted(nullptr);
        QTreeView::mouseReleaseEvent(Event);
        // The folder under the pointer is the one chosen, even when it is
        // selected already (its path may differ from what was chosen before).
        if (node && node == Selected())
            Change();
        else
            Select(node);
    });
}

bool TShellTreeView::CanBeginDrag(const QPoint& Pos, Qt::MouseButtons Buttons)
{
    TShellTreeNode* node = DropHighlighted_;
    const Qt::MouseButton held = MouseState_ == TMouseState::LeftPressed ? Qt::LeftButton : Qt::RightButton;
    if (!node || !node->Item->IsValid() || !(Buttons & held)
        || !node->Item->Attributes(SFGAO_CANCOPY | SFGAO_CANMOVE | SFGAO_CANLINK))
        return false;
    const QPoint moved = Pos - PressPoint_;
    if (std::abs(moved.x()) < DragThreshold && std::abs(moved.y()) < DragThreshold)
        return false;
    bool canDrag = true;
    if (OnShBeginDrag)
        OnShBeginDrag(this, node, canDrag);
    return canDrag;
}

void TShellTreeView::BeginDrag()
{
    TShellTreeNode* node = DropHighlighted_;
    const Qt::DropActions allowed = DropActionsOf(node->Item->Attributes(SFGAO_CAPABILITYMASK));
    MouseState_ = TMouseState::Dragging;
    QDrag drag(this);
    drag.setMimeData(MimeDataOf(TShellIDList::OfItem(Namespace_, node->Item->AbsoluteIDList())));
    RunDrag(drag, allowed);
    MouseState_ = TMouseState::Idle;
    SetDropHighlighted(nullptr);
}

void TShellTreeView::dragEnterEvent(QDragEnterEvent* Event)
{
    CatchExceptions([&] {
        HoverCount_ = 0;
        if (!OffersShellItems(Event->mimeData()))
            return Event->ignore();
        bool accept = true;
        if (OnShDragEnter)
            OnShDragEnter(this, TShellDragObject::Of(*Event, Event->position().toPoint()), accept);
        if (!accept)
            return Event->ignore();
        MouseState_ = TMouseState::Dragging;
        Event->acceptProposedAction();
        HoverTimer_.start(HoverInterval);
    });
}

void TShellTreeView::dragMoveEvent(QDragMoveEvent* Event)
{
    CatchExceptions([&] {
        HoverPos_ = Event->position().toPoint();
        TShellTreeNode* node = NodeAt(HoverPos_);
        SetDropHighlighted(node);
        if (node != HoverNode_)
            HoverCount_ = 0;
        HoverNode_ = node;
        if (node && IsDropTarget(*node->Item))
            Event->acceptProposedAction();
        else
            Event->ignore();
        if (node && OnShDragOver)
            OnShDragOver(this, TShellDragObject::Of(*Event, HoverPos_), node);
    });
}

// Qt sends drag moves only while the pointer moves; this tick stands in
// for the notifications a resting pointer gets.
void TShellTreeView::HoverTick()
{
    if (MouseState_ != TMouseState::Dragging || !HoverNode_)
        return;
    if (++HoverCount_ > HoverExpandCount) {
        HoverCount_ = 0;
        if (HoverNode_->HasChildren || !HoverNode_->Children.empty())
            Expand(HoverNode_);
    }
    AutoScroll(*this, HoverPos_);
}

void TShellTreeView::dragLeaveEvent(QDragLeaveEvent* Event)
{
    CatchExceptions([&] {
        HoverTimer_.stop();
        HoverNode_ = nullptr;
        if (OnShDragLeave)
            OnShDragLeave(this);
        SetDropHighlighted(nullptr);
        MouseState_ = TMouseState::Idle;
        QTreeView::dragLeaveEvent(Event);
    });
}

void TShellTreeView::dropEvent(QDropEvent* Event)
{
    CatchExceptions([&] {
        HoverTimer_.stop();
        TShellTreeNode* node = DropHighlighted_;
        HoverNode_ = nullptr;
        SetDropHighlighted(nullptr);
        MouseState_ = TMouseState::Idle;
        bool defaultAction = true;
        if (node && OnShDragDrop)
            OnShDragDrop(this, TShellDragObject::Of(*Event, Event->position().toPoint()), node, defaultAction);
        if (!defaultAction || !node || !DropInto(*node->Item, *Event->mimeData(), Event->dropAction())) {
            Event->setDropAction(Qt::IgnoreAction);
            return Event->accept();
        }
        Event->acceptProposedAction();
    });
}

// The menu belongs to a right click on a node and opens on its release;
// the event the system sends with the press (or without the mouse) is taken
// and dropped.
void TShellTreeView::contextMenuEvent(QContextMenuEvent* Event) { Event->accept(); }

void TShellTreeView::ContextPopup(TShellTreeNode* Node, const QPoint& GlobalPos)
{
    StopWatching();
    TShellTreeNode* parent = Node == Selected() ? Node->Parent : nullptr;
    const int command =
        ShellPopupMenu_->ShellPopup(TShellIDList::OfItem(Namespace_, Node->Item->AbsoluteIDList()), GlobalPos);
    MouseState_ = TMouseState::Idle;
    // The node stays marked while the menu is up: a refresh meanwhile that
    // took it away unmarked it, and nothing is left to act on.
    switch (DropHighlighted_ == Node ? command : 0) {
    case scDelete:
        Select(parent);
        RefreshNodes();
        FollowSelection(true);
        break;
    case scRename: edit(Model_->IndexOf(Node)); break;
    case scCut:
        Node->Cut = true;
        Model_->NodeChanged(Node);
        break;
    default: break;
    }
    StartWatching();
}

bool TShellTreeView::Rename(TShellTreeNode* Node, const QString& NewName)
{
    TShellFolderItem& item = *Node->Item;
    const std::string path = item.Path();
    std::string newPath;
    StopWatching();
    if (ShellListView_)
        ShellListView_->StopWatching();
    const bool renamed =
        Node->Parent && !path.empty() && RenameNoReplace(path, QFile::encodeName(NewName).toStdString(), newPath);
    if (renamed) {
        TShellDataItem& parent = *Node->Parent->Item;
        const std::string name = newPath.substr(newPath.rfind('/') + 1);
        TItemIDList relative = ItemOf(TItemKind::Entry, name);
        TItemIDList absolute = ConcatIDLists(parent.AbsoluteIDList(), relative);
        auto renamedItem =
            std::make_unique<TShellFolderItem>(Namespace_, std::move(relative), std::move(absolute), parent.Folder());
        renamedItem->Node = Node;
        Node->Item = std::move(renamedItem);
        SortChild(Node);
        // The children's lists held the old name.
        const bool expanded = Node->Expanded;
        Collapse(Node);
        RemoveChildren(Node, 0, static_cast<int>(Node->Children.size()));
        Node->NeedsFill = true;
        BindNode(Node);
        if (expanded)
            Expand(Node);
    }
    Node->Text = Node->Item->DisplayName();
    NodeChanged(Node);
    if (renamed) {
        if (Node == Selected() && OnChange)
            OnChange(this);
        ShowInLinks(Node->Item->AbsoluteIDList(), true);
    }
    if (ShellListView_)
        ShellListView_->StartWatching();
    StartWatching();
    return renamed;
}

// Moves a renamed node to its place in its parent's order.
void TShellTreeView::SortChild(TShellTreeNode* Node)
{
    TShellTreeNode* parent = Node->Parent;
    const std::shared_ptr<const TShellFolder> folder = parent->Item->Folder();
    if (!folder)
        return;
    int to = 0;
    for (const auto& sibling : parent->Children)
        if (sibling.get() != Node
            && folder->CompareIDs(sibling->Item->RelativeIDList(), Node->Item->RelativeIDList()) < 0)
            ++to;
    Model_->MoveChild(parent, Node->Row, to);
}

void TShellTreeView::SetShellComboBox(TShellComboBox* Combo)
{
    if (Combo == ShellComboBox_)
        return;
    ShellComboBox_ = Combo;
    if (Combo) {
        Combo->SetShellTreeView(this);
        FollowSelection(true);
    }
}

void TShellTreeView::SetShellListView(TShellListView* List)
{
    ShellListView_ = List;
    if (List) {
        List->SetShellTreeView(this);
        List->SetIncludeHidden(IncludeHidden_);
        List->SetShVirtuaItems(ShVirtuaItems_);
        FollowSelection(false);
    }
}

void TShellTreeView::FollowSelection(bool Refill) { ShowInLinks(SelectedIDList(), Refill); }

void TShellTreeView::ShowInLinks(const TItemIDList& List, bool Refill)
{
    if (ShellListView_ && ShellListView_->FileList().FolderIDList() != List)
        ShellListView_->ShowFolder(List);
    if (!ShellComboBox_)
        return;
    if (Refill)
        ShellComboBox_->FillItems();
    ShellComboBox_->SelectIDList(List);
}
