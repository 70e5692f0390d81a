#include "../folderchooser_core/TempNamespace.h"
#include "ScopedEnvironment.h"
#include "ShellComboBox.h"
#include "ShellHooks.h"
#include "ShellPopupMenu.h"
#include "ShellTreeModel.h"
#include "ShellTreeView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class TreeMouse : public testing::Test {
protected:
    TreeMouse()
    {
        T = Temp.MakeDirs("home/Desktop/T");
        for (const char* folder : {"a/inner", "b", "m"})
            Temp.MakeDirs(std::string("home/Desktop/T/") + folder);
        View.resize(400, 600);
        View.show();
        View.SelectPath(T);
        View.Expand(View.Selected());
        View.SelectPath(T + "/a"); // scrolls T's children into view
        View.SelectPath(T);
        SetDragHook([this](QDrag& Drag, Qt::DropActions Allowed) {
            Dragged.push_back({Drag.mimeData()->urls().value(0).toLocalFile().toStdString(), Allowed});
            return Qt::IgnoreAction;
        });
    }
    ~TreeMouse() override
    {
        SetDragHook({});
        SetPopupHook({});
    }
    TShellTreeNode* Node(const std::string& Path)
    {
        TItemIDList list;
        Namespace->PathToIDList(Path, list);
        return View.FindNode(list);
    }
    static QPoint At(TShellTreeNode* Node, TShellTreeView& Tree)
    {
        return Tree.visualRect(static_cast<TShellTreeModel*>(Tree.model())->IndexOf(Node)).center();
    }
    QPoint At(TShellTreeNode* Node) { return At(Node, View); }
    static void Mouse(TShellTreeView& Tree, QEvent::Type Type, Qt::MouseButton Button, const QPoint& Pos)
    {
        const Qt::MouseButtons held = Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Button);
        QMouseEvent event(Type, Pos, Tree.viewport()->mapToGlobal(Pos), Button, held, {});
        QApplication::sendEvent(Tree.viewport(), &event);
    }
    void Mouse(QEvent::Type Type, Qt::MouseButton Button, const QPoint& Pos) { Mouse(View, Type, Button, Pos); }
    static void Drag(TShellTreeView& Tree, QEvent::Type Type, const QPoint& Pos, QMimeData& Data)
    {
        if (Type == QEvent::DragEnter) {
            QDragEnterEvent event(Pos, Qt::CopyAction, &Data, Qt::LeftButton, {});
            QApplication::sendEvent(Tree.viewport(), &event);
        } else if (Type == QEvent::DragMove) {
            QDragMoveEvent event(Pos, Qt::CopyAction, &Data, Qt::LeftButton, {});
            QApplication::sendEvent(Tree.viewport(), &event);
        } else {
            QDropEvent event(Pos, Qt::CopyAction, &Data, Qt::LeftButton, {});
            QApplication::sendEvent(Tree.viewport(), &event);
        }
    }

    TTempNamespace Temp;
    // Whatever a menu moves to the trash goes to the test's own.
    const TScopedEnvironment DataHome{"XDG_DATA_HOME", Temp.Root + "/home/.local/share"};
    std::string T;
    std::unique_ptr<TShellNamespace> Namespace = Temp.Make();
    TShellTreeView View{nullptr, Namespace.get()};
    std::vector<std::pair<std::string, Qt::DropActions>> Dragged;
};

TEST_F(TreeMouse, SelectsOnReleaseAndDragsOnlyFromSixPixels)
{
    TShellTreeNode* a = Node(T + "/a");
    const QPoint at = At(a);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, at);
    EXPECT_EQ(View.Selected(), a->Parent); // not before the release
    Mouse(QEvent::MouseMove, Qt::LeftButton, at + QPoint(5, -5));
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, at + QPoint(5, -5));
    EXPECT_TRUE(Dragged.empty());
    EXPECT_EQ(View.Selected(), a);

    TShellTreeNode* b = Node(T + "/b");
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, At(b));
    Mouse(QEvent::MouseMove, Qt::LeftButton, At(b) + QPoint(0, 6));
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, At(b) + QPoint(0, 6));
    ASSERT_EQ(Dragged.size(), 1u);
    EXPECT_EQ(Dragged[0].first, T + "/b");
    EXPECT_EQ(Dragged[0].second, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
    EXPECT_EQ(View.Selected(), a);

    // The right button drags too.
    Mouse(QEvent::MouseButtonPress, Qt::RightButton, At(b));
    Mouse(QEvent::MouseMove, Qt::RightButton, At(b) + QPoint(-6, 0));
    ASSERT_EQ(Dragged.size(), 2u);
    EXPECT_EQ(Dragged[1].first, T + "/b");
    Dragged.pop_back();

    // A veto, or the right button on the desktop, starts nothing.
    View.OnShBeginDrag = [](TShellTreeView*, TShellTreeNode*, bool& CanDrag) { CanDrag = false; };
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, At(b));
    Mouse(QEvent::MouseMove, Qt::LeftButton, At(b) + QPoint(9, 9));
    View.OnShBeginDrag = nullptr;
    const QPoint root = View.visualRect(View.model()->index(0, 0)).center();
    Mouse(QEvent::MouseButtonPress, Qt::RightButton, root);
    Mouse(QEvent::MouseMove, Qt::RightButton, root + QPoint(9, 9));
    EXPECT_EQ(Dragged.size(), 1u);
}

TEST_F(TreeMouse, RenameNeverReplacesAndKeepsTheNodeInOrder)
{
    TShellTreeNode* a = Node(T + "/a");
    View.Expand(a);
    EXPECT_FALSE(View.Rename(a, "b"));
    EXPECT_EQ(a->Text.toStdString(), "a");
    EXPECT_TRUE(fs::exists(T + "/a/inner") && fs::exists(T + "/b"));

    EXPECT_TRUE(View.Rename(a, "z"));
    EXPECT_TRUE(fs::exists(T + "/z/inner"));
    // Found under its new name, after b and m, still expanded.
    EXPECT_EQ(std::tuple(Node(T + "/z"), a->Row, a->Expanded, a->Children.size()), std::tuple(a, 2, true, size_t{1}));
    EXPECT_EQ(a->Children[0]->Item->Path(), T + "/z/inner");

    // Read-only: no editing.
    View.SetReadOnly(true);
    EXPECT_FALSE(View.model()->flags(static_cast<TShellTreeModel*>(View.model())->IndexOf(a)) & Qt::ItemIsEditable);
}

TEST_F(TreeMouse, ContextMenuMovesToTheTrashAndHandsRenameBack)
{
    TShellPopupMenu menu(&View);
    menu.SetReadOnly(false);
    View.SetShellPopupMenu(&menu);
    int offset = scDelete;
    SetPopupHook([&](QMenu& Menu, const QPoint&) -> QAction* {
        for (QAction* action : Menu.actions())
            if (action->data().toInt() == offset)
                return action;
        return nullptr;
    });
    const auto popup = [&](TShellTreeNode* Node) {
        ASSERT_TRUE(Node->Item->Path().starts_with(T + "/")); // never anything outside the test's folder
        const QPoint at = At(Node);
        Mouse(QEvent::MouseButtonPress, Qt::RightButton, at);
        ASSERT_EQ(View.DropHighlighted(), Node);
        // The system's menu event on the press opens nothing; the release does.
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, View.viewport()->mapToGlobal(at));
        QApplication::sendEvent(View.viewport(), &event);
        ASSERT_TRUE(fs::exists(Node->Item->Path()));
        Mouse(QEvent::MouseButtonRelease, Qt::RightButton, at);
    };
    View.SelectPath(T + "/m");
    TShellTreeNode* m = View.Selected();
    TShellTreeNode* parent = m->Parent;
    popup(m);
    EXPECT_FALSE(fs::exists(T + "/m"));
    EXPECT_TRUE(fs::exists(Temp.Config.Trash + "/files/m"));
    EXPECT_EQ(View.Selected(), parent);
    EXPECT_EQ(parent->Children.size(), 2u);

    offset = scRename;
    TShellTreeNode* b = Node(T + "/b");
    popup(b);
    EXPECT_TRUE(View.indexWidget(static_cast<TShellTreeModel*>(View.model())->IndexOf(b))); // the name's editor
    EXPECT_TRUE(fs::exists(T + "/b"));
}

TEST_F(TreeMouse, OnlyTheLeftButtonSelectsAndItsReleaseChoosesEvenTheSelectedNode)
{
    TShellTreeNode* a = Node(T + "/a");
    TShellTreeNode* t = View.Selected();
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        Mouse(QEvent::MouseButtonPress, button, At(a));
        Mouse(QEvent::MouseButtonRelease, button, At(a));
        EXPECT_EQ(View.Selected(), t) << button;
    }
    // Released on the node selected already: it is chosen again.
    int changes = 0;
    View.OnChange = [&](TShellTreeView*) { ++changes; };
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, At(t));
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, At(t));
    EXPECT_EQ(std::pair(View.Selected(), changes), std::pair(t, 1));
}

TEST_F(TreeMouse, AVolumeUnmountedUnderAPressOrADragLeavesNoNodeBehind)
{
    const std::string usb = Temp.Root + "/media/USB";
    Temp.MakeDirs("media/USB/photos/2024");
    Temp.Mount({{"USB", "/dev/sdb1", "vfat"}});
    const auto mounted = Temp.Make();
    TShellTreeView tree(nullptr, mounted.get(),
                        TWatcherTiming{std::chrono::milliseconds(0), std::chrono::milliseconds(0)});
    tree.resize(400, 600);
    tree.show();
    const auto unmount = [&] {
        Temp.Mount({});
        mounted->Controls().Rescan();
        tree.Watcher().CheckDue();
    };
    tree.SelectPath(usb + "/photos/2024");
    TShellTreeNode* computer = tree.Selected()->Parent->Parent->Parent;
    tree.Select(computer);
    TItemIDList photos;
    mounted->PathToIDList(usb + "/photos", photos);
    const QPoint at = At(tree.FindNode(photos), tree);

    // Pressed: the release finds no node and selects nothing.
    Mouse(tree, QEvent::MouseButtonPress, Qt::LeftButton, at);
    unmount();
    EXPECT_EQ(tree.DropHighlighted(), nullptr);
    Mouse(tree, QEvent::MouseMove, Qt::LeftButton, at + QPoint(9, 9));
    Mouse(tree, QEvent::MouseButtonRelease, Qt::LeftButton, at);
    EXPECT_EQ(tree.Selected(), computer);
    EXPECT_TRUE(Dragged.empty());

    // Hovered by a drag: the hover ticks and the drop find no node.
    Temp.Mount({{"USB", "/dev/sdb1", "vfat"}});
    mounted->Controls().Rescan();
    tree.Watcher().CheckDue();
    const QPoint hovered = At(tree.FindNode(photos), tree);
    WriteRaw(T + "/x.txt", "x");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(T + "/x.txt"))});
    Drag(tree, QEvent::DragEnter, hovered, data);
    Drag(tree, QEvent::DragMove, hovered, data);
    unmount();
    QTest::qWait(3 * TShellTreeView::HoverInterval.count()); // hover ticks pass over the place
    Drag(tree, QEvent::Drop, hovered, data);
    EXPECT_FALSE(fs::exists(usb + "/photos/2024/x.txt") || fs::exists(usb + "/photos/x.txt"));
}

TEST_F(TreeMouse, ADragOpensNoVolumeThatCannotBeRead)
{
    Temp.MakeDirs("media/USB/photos");
    Temp.Mount({{"USB", "/dev/sdb1", "vfat"}});
    const auto mounted = Temp.Make();
    TShellTreeView tree(nullptr, mounted.get());
    tree.resize(400, 600);
    tree.show();
    TShellTreeNode* computer = tree.FindNode(ItemOf(TItemKind::Computer));
    tree.Expand(computer);
    ASSERT_EQ(computer->Children.size(), 2u);
    TShellTreeNode* usb = computer->Children[1].get();
    // The volume is gone from the mount table, its node not yet.
    Temp.Mount({});
    mounted->SetVolumes(ReadVolumes(Temp.Config.MountTable, Temp.Config.ByLabel, Temp.Config.MediaRoots));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(T))});
    Drag(tree, QEvent::DragEnter, At(usb, tree), data);
    Drag(tree, QEvent::DragMove, At(usb, tree), data);
    QTest::qWait((TShellTreeView::HoverExpandCount + 5) * static_cast<int>(TShellTreeView::HoverInterval.count()));
    EXPECT_FALSE(usb->Expanded);
    // A readable one opens.
    Drag(tree, QEvent::DragMove, At(computer->Children[0].get(), tree), data);
    EXPECT_TRUE(SpinUntil([&] { return computer->Children[0]->Expanded; }));
    QDragLeaveEvent leave;
    QApplication::sendEvent(tree.viewport(), &leave);
}

TEST_F(TreeMouse, ADragScrollsWhenItNearsTheEdgeOfAScrollingSide)
{
    for (int i = 0; i < 60; ++i)
        Temp.MakeDirs("home/Desktop/T/b/f" + std::to_string(100 + i));
    View.Expand(Node(T + "/b"));
    View.resize(400, 200);
    ASSERT_TRUE(SpinUntil([&] { return View.verticalScrollBar()->maximum() > 0; }));
    ASSERT_EQ(View.horizontalScrollBar()->maximum(), 0);
    View.verticalScrollBar()->setValue(0);
    // Within the vertical bar's width of the zone above the bottom edge: the
    // bottom test allows for its own bar, not the horizontal one.
    const int h = View.fontMetrics().height();
    const int bar = View.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QPoint near(50, View.height() - h - bar + 1);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(T + "/a"))});
    Drag(View, QEvent::DragEnter, near, data);
    Drag(View, QEvent::DragMove, near, data);
    EXPECT_TRUE(SpinUntil([&] { return View.verticalScrollBar()->value() > 0; }));
    QDragLeaveEvent leave;
    QApplication::sendEvent(View.viewport(), &leave);
}

TEST_F(TreeMouse, HoveringADragOpensTheFolderAfterThirtyNotifications)
{
    TShellTreeNode* a = Node(T + "/a");
    ASSERT_FALSE(a->Expanded);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(T + "/b"))});
    QDragEnterEvent enter(At(a), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(View.viewport(), &enter);
    QDragMoveEvent move(At(a), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(View.viewport(), &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_TRUE(SpinUntil([&] { return a->Expanded; }));
    // Dropped with the default action: copied into the folder.
    QDropEvent drop(At(a), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(View.viewport(), &drop);
    EXPECT_TRUE(fs::is_directory(T + "/a/b"));
    EXPECT_TRUE(fs::is_directory(T + "/b"));
}

TEST_F(TreeMouse, TheComboListsTheChainToTheSelectionAsTemporaryItems)
{
    const std::string deep = Temp.MakeDirs("media/USB/a/b/c");
    Temp.Mount({{"USB", "/dev/sdb1", "vfat"}});
    const auto mounted = Temp.Make();
    TShellTreeView tree(nullptr, mounted.get());
    TShellComboBox chain(nullptr, mounted.get());
    tree.SetShellComboBox(&chain);
    tree.SelectPath(deep);
    const TShellComboList& list = chain.List();
    std::vector<std::string> temporary;
    for (int i = 0; i < list.Count(); ++i)
        if (list[i].Temporary)
            temporary.push_back(list[i].Item->DisplayName().toStdString());
    EXPECT_EQ(temporary,
              (std::vector<std::string>{"リムーバブル ディスク (" + Temp.Root + "/media/USB)", "a", "b", "c"}));
    EXPECT_EQ(chain.EditText(chain.currentIndex()).toStdString(), deep);
    int volume = chain.currentIndex();
    for (int up = 0; up < 3; ++up)
        volume = list.ParentOf(volume);
    EXPECT_EQ(list[list.ParentOf(volume)].Item->DisplayName().toStdString(), "コンピューター");
    EXPECT_EQ(list.ParentOf(list.ParentOf(volume)), 0);
    EXPECT_EQ(chain.EditText(0).toStdString(), "デスクトップ");

    // Picking Computer drops the old branch and selects it in the tree.
    int computer = 0;
    while (list[computer].Item->DisplayName() != QStringLiteral("コンピューター"))
        ++computer;
    chain.setCurrentIndex(computer);
    emit chain.activated(computer);
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_FALSE(list[i].Temporary);
    EXPECT_EQ(tree.Selected()->Text.toStdString(), "コンピューター");

    // A selected item: only its name is highlighted, and names line up
    // behind icons of one width.
    QImage image(300, 24, QImage::Format_RGB32);
    QStyleOptionViewItem option;
    option.initFrom(&chain);
    option.rect = image.rect();
    option.state |= QStyle::State_Selected;
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        chain.view()->itemDelegate()->paint(&painter, option, chain.model()->index(computer, 0));
    }
    const QColor highlight = option.palette.highlight().color();
    const int textLeft = TShellComboBox::IndentPerLevel * list[computer].Level() + chain.iconSize().width() + 3;
    EXPECT_NE(image.pixelColor(textLeft - 2, 12), highlight);
    EXPECT_EQ(image.pixelColor(textLeft, 12), highlight);
    EXPECT_NE(image.pixelColor(299, 12), highlight);

    QFont font;
    font.setPixelSize(12);
    EXPECT_EQ(TShellComboBox::ItemHeightFor(font), 18);
    font.setPixelSize(20);
    EXPECT_EQ(TShellComboBox::ItemHeightFor(font), 24);
}

TEST_F(TreeMouse, TheComboTakesDropsIntoTheFolderItShows)
{
    TShellComboBox combo(nullptr, Namespace.get());
    View.SetShellComboBox(&combo);
    View.SelectPath(T + "/a");
    WriteRaw(T + "/b/x.txt", "x");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(T + "/b/x.txt"))});
    const auto drop = [&] {
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&combo, &enter);
        QDropEvent event({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&combo, &event);
    };
    combo.OnShDragDrop = [](TShellComboBox*, const TShellDragObject&, TShellDataItem*, bool& DefaultAction) {
        DefaultAction = false;
    };
    drop();
    EXPECT_FALSE(fs::exists(T + "/a/x.txt"));
    combo.OnShDragDrop = nullptr;
    drop();
    EXPECT_EQ(ReadRaw(T + "/a/x.txt"), "x");
    EXPECT_TRUE(fs::exists(T + "/b/x.txt"));
}

TEST(ShellPopupMenu, MergesItsOwnItemsAndReportsTheChoice)
{
    TTempNamespace temp;
    WriteRaw(temp.Config.Desktop + "/f.txt", "x");
    const auto ns = temp.Make();
    TItemIDList fileList;
    ns->PathToIDList(temp.Config.Desktop + "/f.txt", fileList);
    const TShellIDList file = TShellIDList::OfItem(*ns, fileList);
    QWidget owner;
    TShellPopupMenu menu(&owner);
    QAction* own = menu.addAction("own");
    own->setData(1000);
    int triggered = 0, after = 0;
    QObject::connect(own, &QAction::triggered, [&] { ++triggered; });
    menu.OnShAfterPopup = [&](TShellPopupMenu*, QAction* Item, const TShellIDList&) { after += Item == own; };
    menu.SetInsertPos(5);
    EXPECT_EQ(menu.InsertPos(), 1);
    std::vector<QString> captions;
    QAction* pick = nullptr;
    SetPopupHook([&](QMenu& Menu, const QPoint&) {
        captions.clear();
        for (QAction* action : Menu.actions())
            captions.push_back(action->text());
        EXPECT_EQ(Menu.defaultAction(), Menu.actions().value(1));
        return pick;
    });
    pick = own;
    EXPECT_EQ(menu.ShellPopup(file, {}), 1000);
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(after, 1);
    // Read-only by default: no rename; a file has no paste.
    EXPECT_EQ(captions, (std::vector<QString>{"own", "開く", "切り取り", "コピー", "ショートカットの作成", "削除"}));
    menu.OnShBeforPopup = [](TShellPopupMenu*, const TShellIDList&, QPoint, bool& Allow) { Allow = false; };
    EXPECT_EQ(menu.ShellPopup(file, {}), 0);
    menu.OnShBeforPopup = nullptr;
    pick = nullptr;
    EXPECT_EQ(menu.ShellPopup(file, {}), 0);

    // Aligned on its right edge or its centre: moved by its width.
    std::vector<int> shifts;
    SetPopupHook([&](QMenu& Menu, const QPoint& At) {
        shifts.push_back(At.x() - 100);
        shifts.push_back(Menu.sizeHint().width());
        return static_cast<QAction*>(nullptr);
    });
    menu.SetAlignment(TPopupAlignment::paRight);
    menu.ShellPopup(file, {100, 50});
    menu.SetAlignment(TPopupAlignment::paCenter);
    menu.ShellPopup(file, {100, 50});
    ASSERT_EQ(shifts.size(), 4u);
    EXPECT_EQ(std::pair(shifts[0], shifts[2]), std::pair(-shifts[1], -shifts[3] / 2));
    // An item without a path (Computer, Trash) has no menu.
    shifts.clear();
    EXPECT_EQ(menu.ShellPopup(TShellIDList::OfItem(*ns, ItemOf(TItemKind::Computer)), {}), 0);
    EXPECT_TRUE(shifts.empty());
    SetPopupHook({});
}

} // namespace

namespace {

// The pixels of the selected node's row, across the whole viewport, in
// either highlight colour.
int HighlightedPixels(TShellTreeView& View)
{
    const QRect node = View.visualRect(View.selectionModel()->selectedIndexes().value(0));
    const QImage row = View.viewport()->grab(QRect(0, node.top(), View.viewport()->width(), node.height())).toImage();
    const QPalette& palette = View.palette();
    int count = 0;
    for (int y = 0; y < row.height(); ++y)
        for (int x = 0; x < row.width(); ++x) {
            const QColor colour = row.pixelColor(x, y);
            count += colour == palette.color(QPalette::Active, QPalette::Highlight)
                     || colour == palette.color(QPalette::Inactive, QPalette::Highlight);
        }
    return count;
}

} // namespace

TEST_F(TreeMouse, HideSelectionDrawsTheSelectionOnlyWhileTheTreeHasTheFocus)
{
    View.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&View));
    View.clearFocus();
    ASSERT_FALSE(View.hasFocus());
    EXPECT_TRUE(View.HideSelection());
    EXPECT_EQ(HighlightedPixels(View), 0);
    View.SetHideSelection(false);
    EXPECT_GT(HighlightedPixels(View), 0);

    View.SetHideSelection(true);
    View.setFocus();
    ASSERT_TRUE(View.hasFocus());
    EXPECT_GT(HighlightedPixels(View), 0);
}

TEST_F(TreeMouse, TheComboOpensOnDropDownCountItemsOfTheHeightsItIsTold)
{
    TShellComboBox combo(nullptr, Namespace.get());
    View.SetShellComboBox(&combo);
    View.SelectPath(T + "/a/inner");
    ASSERT_GT(combo.count(), 4);
    EXPECT_EQ(combo.DropDownCount(), 8);
    combo.SetDropDownCount(3);
    std::vector<int> measured;
    combo.OnMeasureItem = [&](TShellComboBox*, int Index, int& Height) {
        measured.push_back(Index);
        Height = 2 * TShellComboBox::ItemHeightFor(combo.font());
    };
    int dropDowns = 0;
    combo.OnDropDown = [&](TShellComboBox*) { ++dropDowns; };
    combo.show();
    combo.showPopup();
    EXPECT_EQ(dropDowns, 1);
    EXPECT_FALSE(measured.empty());
    const int rowHeight = combo.view()->visualRect(combo.model()->index(0, 0)).height();
    EXPECT_EQ(rowHeight, 2 * TShellComboBox::ItemHeightFor(combo.font()));
    // Three rows show; the others are reached by scrolling.
    EXPECT_LE(combo.view()->viewport()->height(), 3 * rowHeight + 2);
    EXPECT_GT(combo.view()->verticalScrollBar()->maximum(), 0);
    combo.hidePopup();
}
