#include "../folderchooser_core/TempNamespace.h"
#include "ListViewInStyle.h"
#include "ScopedEnvironment.h"
#include "ShellHooks.h"
#include "ShellListView.h"
#include "ShellPopupMenu.h"
#include "ShellTreeView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <QHeaderView>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

INSTANTIATE_TEST_SUITE_P(BothStyles, ShellListViewStyle, testing::Values(vsIcon, vsReport),
                         [](const testing::TestParamInfo<TViewStyle>& Style) {
                             return std::string(Style.param == vsIcon ? "Icon" : "Report");
                         });

TEST(ShellListView, AFolderWithoutAPathShowsOneColumnAndTheReportComesBack)
{
    TTempNamespace temp;
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    WriteRaw(docs + "/a.txt", "a");
    const auto ns = temp.Make();
    TItemIDList docsList, computer;
    ns->PathToIDList(docs, docsList);
    ns->GetSpecialFolderIDList(sfDrives, computer);
    TShellListView view(nullptr, ns.get());
    view.resize(500, 300);

    view.ShowFolder(docsList);
    QHeaderView& header = *view.ReportView().header();
    ASSERT_EQ(header.count(), 5);
    EXPECT_EQ(header.sectionSize(1), 100);
    header.resizeSection(1, 77);
    header.moveSection(3, 0);
    EXPECT_EQ(view.ItemView().currentIndex().row(), 0);

    view.ShowFolder(computer);
    ASSERT_EQ(header.count(), 1);
    EXPECT_EQ(header.sectionSize(0), 250);
    EXPECT_EQ(view.FileList().headerData(0, Qt::Horizontal).toString().toStdString(), "名前");

    view.ShowFolder(docsList);
    ASSERT_EQ(header.count(), 5);
    EXPECT_EQ(header.sectionSize(1), 77);
    EXPECT_EQ(header.logicalIndex(0), 3);

    // Two clicks on a column: ascending, then descending.
    emit header.sectionClicked(3);
    EXPECT_TRUE(view.FileList().Ascending());
    emit header.sectionClicked(3);
    EXPECT_FALSE(view.FileList().Ascending());
    view.ItemView().selectAll();
    EXPECT_EQ(view.SelectionSize(), 1u);
}

TEST(ShellListView, ShowingTheListTellsTheSelectionsTotal)
{
    TTempNamespace temp;
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    WriteRaw(docs + "/a.txt", "abc");
    const auto ns = temp.Make();
    TItemIDList docsList;
    ns->PathToIDList(docs, docsList);
    TShellListView view(nullptr, ns.get());
    view.ShowFolder(docsList); // selects a.txt
    std::vector<uint64_t> totals;
    view.OnShSelChange = [&](TShellListView*, uint64_t SelSize) { totals.push_back(SelSize); };
    view.show();
    EXPECT_EQ(totals, std::vector<uint64_t>{3});
    view.hide();
    view.ItemView().clearSelection();
    view.show();
    EXPECT_EQ(totals, (std::vector<uint64_t>{3, 0, 0}));
}

TEST(ShellListView, FiltersRowsAndTellsListChangesAndTheClipboard)
{
    TTempNamespace temp;
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    temp.MakeDirs("home/Desktop/docs/.hidden");
    WriteRaw(docs + "/a.txt", "a");
    WriteRaw(docs + "/b.log", "b");
    const auto ns = temp.Make();
    TShellTreeView tree(nullptr, ns.get());
    TShellListView view(nullptr, ns.get());
    tree.SetShellListView(&view);
    int listChanges = 0;
    std::vector<bool> clipboard;
    view.OnShListChange = [&](TShellListView*, TShellFileList&) { ++listChanges; };
    view.OnShClipboard = [&](TShellListView*, bool Contented) { clipboard.push_back(Contented); };
    view.OnShFilter = [](TShellListView*, const TShellFileItem& Item, bool& Accept) {
        Accept = !Item.DisplayName.endsWith(".log");
    };
    const auto names = [&] {
        std::vector<std::string> texts;
        for (int row = 0; row < view.FileList().Count(); ++row)
            texts.push_back(view.FileList().Item(row).DisplayName.toStdString());
        return texts;
    };
    tree.SelectPath(docs);
    EXPECT_EQ(names(), (std::vector<std::string>{".hidden", "a.txt"}));
    EXPECT_EQ(listChanges, 1);
    QAbstractItemModel& model = view.FileList();
    EXPECT_EQ(model.data(model.index(1, TShellFileList::colAttributes), Qt::TextAlignmentRole),
              QVariant(Qt::AlignRight | Qt::AlignVCenter));

    // Attribute images take the letters' place.
    QPixmap red(4, 4), blue(4, 4);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    chmod((docs + "/a.txt").c_str(), 0444);
    view.FileList().ReadFindData();
    const QModelIndex attributes = model.index(1, TShellFileList::colAttributes);
    EXPECT_EQ(model.data(attributes).toString().toStdString(), "R");
    view.SetAttributesImage({{QIcon(red), QIcon(blue)}, -1, 1, 0, -1});
    EXPECT_EQ(model.data(attributes).toString().toStdString(), "");
    const auto imageColours = [&](int Row) {
        std::vector<QRgb> colours;
        for (const QIcon& image : view.AttributeImagesOf(view.FileList().Item(Row)))
            colours.push_back(image.pixmap(4, 4).toImage().pixel(1, 1));
        return colours;
    };
    EXPECT_EQ(imageColours(0), std::vector<QRgb>{QColor(Qt::red).rgb()});  // ".hidden"
    EXPECT_EQ(imageColours(1), std::vector<QRgb>{QColor(Qt::blue).rgb()}); // read-only
    chmod((docs + "/a.txt").c_str(), 0644);

    // Hidden entries leave both the list and the tree, set on either.
    view.SetIncludeHidden(false);
    EXPECT_EQ(std::pair(tree.IncludeHidden(), names()), std::pair(false, std::vector<std::string>{"a.txt"}));
    tree.SetIncludeHidden(true);
    EXPECT_EQ(std::pair(view.IncludeHidden(), names().size()), std::pair(true, size_t{2}));

    // The desktop lists Trash only while it is shown.
    tree.Select(tree.Root());
    const auto listsTrash = [&] {
        const std::vector<std::string> shown = names();
        return std::find(shown.begin(), shown.end(), "ゴミ箱") != shown.end();
    };
    EXPECT_TRUE(listsTrash());
    view.SetShVirtuaItems(VirtuaItem(itNetWork));
    EXPECT_FALSE(listsTrash());
    EXPECT_EQ(tree.ShVirtuaItems(), VirtuaItem(itNetWork));

    auto* files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(QString::fromStdString(docs + "/a.txt"))});
    QApplication::clipboard()->setMimeData(files);
    QApplication::clipboard()->setText("text");
    EXPECT_TRUE(SpinUntil([&] { return clipboard.size() >= 2; }));
    EXPECT_EQ(clipboard, (std::vector<bool>{true, false}));
}

TEST_P(ShellListViewStyle, DragsTheSelectionOutAndTakesDropsIntoAFolderRowOrItsFolder)
{
    TTempNamespace temp;
    const std::string sub = temp.MakeDirs("home/Desktop/docs/sub");
    const std::string docs = temp.Root + "/home/Desktop/docs";
    const std::string outside = temp.MakeDirs("home/outside");
    WriteRaw(docs + "/a.txt", "a");
    WriteRaw(outside + "/x.txt", "x");
    const auto ns = temp.Make();
    TShellListView view(nullptr, ns.get());
    ShowIn(view, *ns, docs, GetParam());
    ASSERT_EQ(view.FileList().Count(), 2); // sub, a.txt
    QAbstractItemView& items = view.ItemView();
    std::vector<std::pair<QList<QUrl>, Qt::DropActions>> dragged;
    SetDragHook([&](QDrag& Drag, Qt::DropActions Allowed) {
        dragged.push_back({Drag.mimeData()->urls(), Allowed});
        return Qt::IgnoreAction;
    });
    const QPoint file = items.visualRect(view.FileList().index(1, 0)).center();
    const auto pressAndMove = [&](QPoint By) {
        QMouseEvent press(QEvent::MouseButtonPress, file, items.viewport()->mapToGlobal(file), Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(items.viewport(), &press);
        QMouseEvent move(QEvent::MouseMove, file + By, items.viewport()->mapToGlobal(file + By), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(items.viewport(), &move);
        QMouseEvent release(QEvent::MouseButtonRelease, file + By, items.viewport()->mapToGlobal(file + By),
                            Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(items.viewport(), &release);
    };
    pressAndMove({5, 0});
    EXPECT_TRUE(dragged.empty());
    pressAndMove({0, 6});
    ASSERT_EQ(dragged.size(), 1u);
    EXPECT_EQ(dragged[0].first, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(docs + "/a.txt"))});
    EXPECT_EQ(dragged[0].second, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
    view.OnShBeginDrag = [](TShellListView*, const TShellIDList&, QPoint, bool& CanDrag) { CanDrag = false; };
    pressAndMove({0, 9});
    EXPECT_EQ(dragged.size(), 1u);
    SetDragHook({});

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(outside + "/x.txt"))});
    const auto drop = [&](int Row) {
        const QPoint at = items.visualRect(view.FileList().index(Row, 0)).center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(items.viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(items.viewport(), &move);
        const int over = view.DropRow();
        QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(items.viewport(), &event);
        return over;
    };
    bool refuse = true;
    view.OnShDragDrop = [&](TShellListView*, const TShellDragObject&, const TShellFileItem*, bool& DefaultAction) {
        DefaultAction = !refuse;
    };
    EXPECT_EQ(drop(0), 0); // the folder row
    EXPECT_FALSE(std::filesystem::exists(sub + "/x.txt"));
    refuse = false;
    EXPECT_EQ(drop(0), 0);
    EXPECT_EQ(ReadRaw(sub + "/x.txt"), "x");
    EXPECT_EQ(drop(1), -1); // a file row: into the folder shown
    EXPECT_EQ(ReadRaw(docs + "/x.txt"), "x");
}

TEST(ShellListView, FollowsTheTreeBothWaysAndTheDisk)
{
    TTempNamespace temp;
    const std::string docs = temp.MakeDirs("home/Desktop/docs/sub");
    const auto ns = temp.Make();
    TShellTreeView tree(nullptr, ns.get());
    TShellListView view(nullptr, ns.get());
    tree.SetShellListView(&view);
    tree.SelectPath(temp.Root + "/home/Desktop/docs");
    ASSERT_EQ(view.FileList().Count(), 1);
    WriteRaw(docs + "/../new.txt", "");
    EXPECT_TRUE(SpinUntil([&] { return view.FileList().Count() == 2; }));
    // A file grows: its row is read again.
    WriteRaw(docs + "/../new.txt", std::string(5000, 'x'));
    EXPECT_TRUE(SpinUntil([&] { return view.FileList().Item(1).Size == 5000; }));
    view.OpenRow(0); // "sub"
    EXPECT_EQ(tree.SelectedPath(), docs);

    // A folder renamed in the tree, selected or not: the list shows it
    // under its new name.
    TItemIDList subList;
    ns->PathToIDList(docs, subList);
    tree.SelectPath(temp.Root + "/home/Desktop");
    EXPECT_TRUE(tree.Rename(tree.FindNode(subList), "renamed"));
    std::string shown;
    ns->IDListToPath(view.FileList().FolderIDList(), shown);
    EXPECT_EQ(shown, temp.Root + "/home/Desktop/docs/renamed");
}

// Rows under a pressed button stay where they are while the folder changes.
TEST_P(ShellListViewStyle, APressedButtonHoldsTheRowsUntilTheNextChange)
{
    TTempNamespace temp;
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    WriteRaw(docs + "/a.txt", "");
    const auto ns = temp.Make();
    TShellListView view(nullptr, ns.get());
    ShowIn(view, *ns, docs, GetParam());
    ASSERT_EQ(view.FileList().Count(), 1);
    QAbstractItemView& items = view.ItemView();
    const QPoint row = items.visualRect(view.FileList().index(0, 0)).center();
    QMouseEvent press(QEvent::MouseButtonPress, row, items.viewport()->mapToGlobal(row), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(items.viewport(), &press);
    WriteRaw(docs + "/b.txt", "");
    QTest::qWait(3000); // past the watcher's wait
    EXPECT_EQ(view.FileList().Count(), 1);

    QMouseEvent release(QEvent::MouseButtonRelease, row, items.viewport()->mapToGlobal(row), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(items.viewport(), &release);
    WriteRaw(docs + "/c.txt", "");
    EXPECT_TRUE(SpinUntil([&] { return view.FileList().Count() == 3; }));
}

TEST_P(ShellListViewStyle, RenamesWithoutReplacingDeletesToTheTrashAndOpensFolders)
{
    TTempNamespace temp;
    const TScopedEnvironment dataHome("XDG_DATA_HOME", temp.Root + "/home/.local/share");
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    temp.MakeDirs("home/Desktop/docs/sub");
    WriteRaw(docs + "/a.txt", "a");
    WriteRaw(docs + "/b.txt", "b");
    const auto ns = temp.Make();
    TShellListView view(nullptr, ns.get());
    ShowIn(view, *ns, docs, GetParam());
    TShellFileList& list = view.FileList();
    QAbstractItemView& items = view.ItemView();
    EXPECT_FALSE(list.setData(list.index(1, 0), "b.txt"));
    EXPECT_EQ(ReadRaw(docs + "/b.txt"), "b");
    EXPECT_TRUE(list.setData(list.index(1, 0), "c.txt"));
    EXPECT_EQ(list.Item(1).DisplayName.toStdString(), "c.txt");
    EXPECT_EQ(ReadRaw(docs + "/c.txt"), "a");

    TShellPopupMenu menu(&view);
    menu.SetReadOnly(false);
    view.SetShellPopupMenu(&menu);
    const auto choose = [&](int Command, int Row) {
        SetPopupHook([Command](QMenu& Menu, const QPoint&) {
            for (QAction* action : Menu.actions())
                if (action->data().toInt() == Command)
                    return action;
            return static_cast<QAction*>(nullptr);
        });
        items.setCurrentIndex(list.index(Row, 0));
        const QPoint at = items.visualRect(list.index(Row, 0)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, items.viewport()->mapToGlobal(at));
        QApplication::sendEvent(items.viewport(), &event);
        SetPopupHook({});
    };
    choose(scDelete, 2); // b.txt
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(ReadRaw(temp.Root + "/home/.local/share/Trash/files/b.txt"), "b");
    // Rename edits the name where the row is shown.
    choose(scRename, 1);
    const auto* editor = items.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text().toStdString(), "c.txt");

    view.OpenRow(0); // the folder "sub"
    std::string shown;
    ns->IDListToPath(list.FolderIDList(), shown);
    EXPECT_EQ(shown, docs + "/sub");
    EXPECT_EQ(list.Count(), 0);
}

TEST_P(ShellListViewStyle, TypeAheadWrapsAndEnterOpensTheCurrentRow)
{
    TTempNamespace temp;
    const std::string sub = temp.MakeDirs("home/Desktop/docs/sub");
    const std::string docs = temp.Root + "/home/Desktop/docs";
    WriteRaw(docs + "/alpha.txt", "x");
    WriteRaw(docs + "/beta.txt", "x");
    const auto ns = temp.Make();
    TShellListView view(nullptr, ns.get());
    ShowIn(view, *ns, docs, GetParam());
    QAbstractItemView& items = view.ItemView();
    ASSERT_EQ(items.currentIndex().row(), 0); // sub, alpha.txt, beta.txt

    // "b" is in "beta.txt", then, past the end, in "sub".
    QTest::keyClick(&items, Qt::Key_B);
    EXPECT_EQ(items.currentIndex().row(), 2);
    std::vector<std::string> executed;
    view.OnShExecute = [&](TShellListView*, const TShellFileItem& Item, bool& DefaultAction) {
        executed.push_back(Item.DisplayName.toStdString());
        DefaultAction = false;
    };
    QTest::keyClick(&items, Qt::Key_Return);
    EXPECT_EQ(executed, std::vector<std::string>{"beta.txt"});
    QTest::keyClick(&items, Qt::Key_B);
    EXPECT_EQ(items.currentIndex().row(), 0);

    QTest::keyClick(&items, Qt::Key_Return);
    std::string shown;
    ns->IDListToPath(view.FileList().FolderIDList(), shown);
    EXPECT_EQ(shown, sub);
}

} // namespace
