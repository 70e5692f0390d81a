#include "../folderchooser_core/TempNamespace.h"
#include "ShellHooks.h"
#include "ShellListView.h"
#include "ShellPopupMenu.h"
#include "ShellTreeView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <QHeaderView>
#include <gtest/gtest.h>

namespace {

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
    QHeaderView& header = *view.header();
    ASSERT_EQ(header.count(), 5);
    EXPECT_EQ(header.sectionSize(1), 100);
    header.resizeSection(1, 77);
    header.moveSection(3, 0);
    EXPECT_EQ(view.currentIndex().row(), 0);

    view.ShowFolder(computer);
    ASSERT_EQ(header.count(), 1);
    EXPECT_EQ(header.sectionSize(0), 250);
    EXPECT_EQ(view.model()->headerData(0, Qt::Horizontal).toString().toStdString(), "名前");

    view.ShowFolder(docsList);
    ASSERT_EQ(header.count(), 5);
    EXPECT_EQ(header.sectionSize(1), 77);
    EXPECT_EQ(header.logicalIndex(0), 3);

    // Two clicks on a column: ascending, then descending.
    emit header.sectionClicked(3);
    EXPECT_TRUE(view.FileList().Ascending());
    emit header.sectionClicked(3);
    EXPECT_FALSE(view.FileList().Ascending());
    view.selectAll();
    EXPECT_EQ(view.SelectionSize(), 1u);
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
    EXPECT_EQ(view.model()->data(view.model()->index(1, TShellFileList::colAttributes), Qt::TextAlignmentRole),
              QVariant(Qt::AlignRight | Qt::AlignVCenter));

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

TEST(ShellListView, RenamesWithoutReplacingDeletesToTheTrashAndOpensFolders)
{
    TTempNamespace temp;
    setenv("XDG_DATA_HOME", (temp.Root + "/home/.local/share").c_str(), 1);
    const std::string docs = temp.MakeDirs("home/Desktop/docs");
    temp.MakeDirs("home/Desktop/docs/sub");
    WriteRaw(docs + "/a.txt", "a");
    WriteRaw(docs + "/b.txt", "b");
    const auto ns = temp.Make();
    TItemIDList docsList;
    ns->PathToIDList(docs, docsList);
    TShellListView view(nullptr, ns.get());
    view.resize(500, 300);
    view.show();
    view.ShowFolder(docsList);
    TShellFileList& list = view.FileList();
    EXPECT_FALSE(list.setData(list.index(1, 0), "b.txt"));
    EXPECT_EQ(ReadRaw(docs + "/b.txt"), "b");
    EXPECT_TRUE(list.setData(list.index(1, 0), "c.txt"));
    EXPECT_EQ(list.Item(1).DisplayName.toStdString(), "c.txt");
    EXPECT_EQ(ReadRaw(docs + "/c.txt"), "a");

    TShellPopupMenu menu(&view);
    view.SetShellPopupMenu(&menu);
    SetPopupHook([](QMenu& Menu, const QPoint&) {
        for (QAction* action : Menu.actions())
            if (action->data().toInt() == scDelete)
                return action;
        return static_cast<QAction*>(nullptr);
    });
    view.setCurrentIndex(list.index(2, 0)); // b.txt
    const QPoint at = view.visualRect(list.index(2, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &event);
    SetPopupHook({});
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(ReadRaw(temp.Root + "/home/.local/share/Trash/files/b.txt"), "b");

    view.OpenRow(0); // the folder "sub"
    std::string shown;
    ns->IDListToPath(list.FolderIDList(), shown);
    EXPECT_EQ(shown, docs + "/sub");
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
