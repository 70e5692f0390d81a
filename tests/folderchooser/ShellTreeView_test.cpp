#include "../folderchooser_core/TempNamespace.h"
#include "ShellComboBox.h"
#include "ShellTreeView.h"

#include <QScrollBar>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::vector<std::string> Texts(const TShellTreeNode* Node)
{
    std::vector<std::string> texts;
    for (const auto& child : Node->Children)
        texts.push_back(child->Text.toStdString());
    return texts;
}

TShellTreeNode* Child(TShellTreeNode* Node, const std::string& Text)
{
    for (const auto& child : Node->Children)
        if (child->Text.toStdString() == Text)
            return child.get();
    return nullptr;
}

class Tree : public testing::Test {
protected:
    Tree()
    {
        Temp.MakeDirs("home/docs/a/b/c");
        Temp.MakeDirs("home/docs/.secret");
        Temp.MakeDirs("home/music");
        Temp.MakeDirs("home/Desktop/work");
        std::filesystem::create_directory_symlink(Temp.Root + "/home/docs", Temp.Root + "/home/Desktop/linked");
        WriteRaw(Temp.Root + "/home/docs/note.txt", "x");
        Temp.Mount({{"USB", "/dev/sdb1", "vfat"}});
        Temp.Label("STICK", "/dev/sdb1");
        Temp.MakeDirs("media/USB/photos/2024");
    }
    void Open()
    {
        Namespace = Temp.Make();
        MakeView();
    }
    // A tree on the namespace there is, with its path combo.
    void MakeView()
    {
        View = std::make_unique<TShellTreeView>(
            nullptr, Namespace.get(),
            TWatcherTiming{std::chrono::milliseconds(1500), std::chrono::milliseconds(1000), Clock.Clock()});
        View->OnChange = [this](TShellTreeView*) { ++Changes; };
        Combo = std::make_unique<TShellComboBox>(nullptr, Namespace.get());
        View->SetShellComboBox(Combo.get());
    }
    // The names the combo lists for good (not only on the way to its folder).
    std::vector<std::string> ComboNames() const
    {
        std::vector<std::string> names;
        const TShellComboList& list = Combo->List();
        for (int i = 0; i < list.Count(); ++i)
            if (!list[i].Temporary)
                names.push_back(list[i].Item->DisplayName().toStdString());
        return names;
    }
    bool ComboLists(const std::string& Name) const
    {
        const std::vector<std::string> names = ComboNames();
        return std::find(names.begin(), names.end(), Name) != names.end();
    }
    // Lets the watcher's quiet periods pass and hands over what it holds.
    void DeliverWatcherReports()
    {
        Clock.Advance(2000);
        View->Watcher().CheckDue();
    }
    std::string Usb() const { return Temp.Root + "/media/USB"; }

    TTempNamespace Temp;
    TFakeClock Clock;
    std::unique_ptr<TShellNamespace> Namespace;
    std::unique_ptr<TShellTreeView> View;
    std::unique_ptr<TShellComboBox> Combo;
    int Changes = 0;
};

TEST_F(Tree, OpensOnTheDesktopWithHomeExpanded)
{
    Open();
    TShellTreeNode* root = View->Root();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Text.toStdString(), "デスクトップ");
    EXPECT_EQ(Texts(root), (std::vector<std::string>{"ホーム", "コンピューター", "ゴミ箱", "linked", "work"}));
    EXPECT_EQ(std::pair(Child(root, "linked")->OverlayIndex, Child(root, "work")->OverlayIndex), std::pair(1, -1));
    TShellTreeNode* home = root->Children[0].get();
    EXPECT_TRUE(home->Expanded);
    EXPECT_EQ(Texts(home), (std::vector<std::string>{".local", "Desktop", "docs", "music"}));
    EXPECT_EQ(std::pair(Child(home, "docs")->HasChildren, Child(home, "music")->HasChildren), std::pair(true, false));
    EXPECT_EQ(std::pair(View->Selected(), View->SelectedPath()), std::pair(root, Temp.Config.Desktop));
    EXPECT_TRUE(IsDesktopIDList(View->SelectedIDList()));

    View->selectionModel()->clearCurrentIndex();
    EXPECT_EQ(View->SelectedPath(), "");
    EXPECT_TRUE(IsDesktopIDList(View->SelectedIDList()));
}

TEST_F(Tree, SelectPathSelectsListedFoldersAndFallsBackToTheRoot)
{
    Open();
    const std::string deep = Usb() + "/photos/2024";
    View->SelectPath(deep);
    EXPECT_EQ(View->SelectedPath(), deep);
    TShellTreeNode* volume = View->Selected()->Parent->Parent;
    EXPECT_EQ(volume->Text.toStdString(), "STICK (" + Usb() + ")");
    EXPECT_EQ(std::tuple(volume->Item->ItemType(), volume->Expanded, Changes), std::tuple(itRootDrive, true, 1));

    // The folder already selected, or a path that does not exist: nothing happens.
    View->SelectPath(deep + "/");
    View->SelectPath(Usb() + "/missing");
    EXPECT_EQ(std::pair(View->SelectedPath(), Changes), std::pair(deep, 1));

    // A file, or a hidden folder while hidden folders are not listed: the root.
    View->SelectPath(Temp.Root + "/home/docs/note.txt");
    EXPECT_EQ(View->Selected(), View->Root());
    View->SelectPath(Temp.Root + "/home/docs/a/b/c");
    EXPECT_EQ(View->SelectedPath(), Temp.Root + "/home/docs/a/b/c");
    View->SetIncludeHidden(false);
    View->SelectPath(Temp.Root + "/home/docs/.secret");
    EXPECT_EQ(View->Selected(), View->Root());
    View->SetIncludeHidden(true);
    View->SelectPath(Temp.Root + "/home/docs/.secret");
    EXPECT_EQ(View->SelectedPath(), Temp.Root + "/home/docs/.secret");
}

TEST_F(Tree, ListsTheTreeDoesNotShowEndTheSearchAtTheRoot)
{
    Open();
    const auto entry = [](const char* Name) { return ItemOf(TItemKind::Entry, Name); };
    const TItemIDList home = ItemOf(TItemKind::Home);
    const TItemIDList root = TShellNamespace::VolumeIDList("/");
    for (const TItemIDList& unlisted :
         {entry("missing"), ConcatIDLists(home, entry("..")), ConcatIDLists(home, entry("docs/a")),
          ConcatIDLists(home, entry("note.txt")), ConcatIDLists(ConcatIDLists(home, entry("docs")), entry("note.txt")),
          ConcatIDLists(ItemOf(TItemKind::Trash), entry("x")), TShellNamespace::VolumeIDList("/nowhere"),
          ConcatIDLists(root, entry("")), TItemIDList::OneItem("Zunknown"),
          ConcatIDLists(ItemOf(TItemKind::Computer), ItemOf(TItemKind::Home))})
        EXPECT_EQ(View->FindNode(unlisted), View->Root()) << testing::PrintToString(unlisted.Bytes());
    EXPECT_EQ(View->FindNode(ConcatIDLists(home, entry("music")))->Text.toStdString(), "music");
}

TEST_F(Tree, RefreshKeepsNodesExpansionAndSelectionAndMergesChanges)
{
    Temp.MakeDirs("home/docs/m");
    Open();
    View->SelectPath(Temp.Root + "/home/docs/a");
    TShellTreeNode* docs = View->Selected()->Parent;
    const std::vector<TShellTreeNode*> before = {docs->Children[0].get(), docs->Children[1].get(),
                                                 docs->Children[2].get()};
    EXPECT_EQ(Texts(docs), (std::vector<std::string>{".secret", "a", "m"}));

    Temp.MakeDirs("home/docs/b");
    Temp.MakeDirs("home/docs/z");
    std::filesystem::remove(Temp.Root + "/home/docs/m");
    View->RefreshNodes();
    EXPECT_EQ(Texts(docs), (std::vector<std::string>{".secret", "a", "b", "z"}));
    EXPECT_EQ(std::pair(docs->Children[0].get(), docs->Children[1].get()), std::pair(before[0], before[1]));
    EXPECT_EQ(std::tuple(docs->Expanded, View->Selected(), Changes), std::tuple(true, before[1], 1));

    // The selected folder vanishes: the selection moves to its parent.
    std::filesystem::remove_all(Temp.Root + "/home/docs/a");
    View->RefreshNodes();
    EXPECT_EQ(View->Selected(), docs);
}

TEST_F(Tree, TheWatcherBringsNewFoldersInWithoutCollapsingAnything)
{
    Open();
    TShellTreeNode* home = View->Root()->Children[0].get();
    TShellTreeNode* docs = Child(home, "docs");
    View->Expand(docs);
    View->Select(docs);
    ASSERT_TRUE(SpinUntil([&] {
        return std::count(View->Watcher().WatchList().begin(), View->Watcher().WatchList().end(),
                          Temp.Root + "/home/docs")
               == 1;
    }));
    Temp.MakeDirs("home/docs/new");
    ASSERT_TRUE(SpinUntil([&] { return View->Watcher().FolderChangePending(); }));
    DeliverWatcherReports();
    EXPECT_NE(Child(docs, "new"), nullptr);
    EXPECT_TRUE(docs->Expanded && home->Expanded);
    EXPECT_EQ(View->Selected(), docs);
}

TEST_F(Tree, FoldersDifferingOnlyInCaseAreTwoReachableNodes)
{
    Temp.MakeDirs("home/Docs/inner");
    Temp.MakeDirs("home/docs/a");
    Open();
    TShellTreeNode* home = View->Root()->Children[0].get();
    EXPECT_EQ(Texts(home), (std::vector<std::string>{".local", "Desktop", "Docs", "docs", "music"}));
    View->SelectPath(Temp.Root + "/home/Docs/inner");
    EXPECT_EQ(View->SelectedPath(), Temp.Root + "/home/Docs/inner");
    View->SelectPath(Temp.Root + "/home/docs/a");
    EXPECT_EQ(View->SelectedPath(), Temp.Root + "/home/docs/a");
    View->RefreshNodes();
    EXPECT_EQ(Texts(home), (std::vector<std::string>{".local", "Desktop", "Docs", "docs", "music"}));
}

TEST_F(Tree, AnUnmountedVolumeLeavesComputerAndTheSelectionMovesThere)
{
    Open();
    View->SelectPath(Usb() + "/photos");
    TShellTreeNode* computer = View->Selected()->Parent->Parent;
    Temp.Mount({});
    Namespace->Controls().Rescan();
    DeliverWatcherReports();
    EXPECT_EQ(Texts(computer), std::vector<std::string>{"ローカル ディスク (/)"});
    EXPECT_EQ(View->Selected(), computer);
    EXPECT_EQ(Combo->EditText(Combo->currentIndex()).toStdString(), "コンピューター");
    EXPECT_EQ(View->Root()->Text.toStdString(), "デスクトップ");
}

TEST_F(Tree, EveryFirstTreeReadsTheMountTableAgain)
{
    Open();
    View.reset(); // the last control: nobody follows the mount table now
    Temp.Mount({{"CARD", "/dev/sdc1", "vfat"}});
    MakeView();
    TShellTreeNode* computer = Child(View->Root(), "コンピューター");
    View->Expand(computer);
    EXPECT_EQ(Texts(computer), (std::vector<std::string>{"ローカル ディスク (/)",
                                                         "リムーバブル ディスク (" + Temp.Root + "/media/CARD)"}));
}

TEST_F(Tree, TheComboListsFoldersMadeSinceItWasFilled)
{
    Open();
    EXPECT_TRUE(ComboLists("docs") && ComboLists(".local"));
    // Made by the dialog, which then selects it.
    Temp.MakeDirs("home/made");
    View->SelectPath(Temp.Root + "/home/made");
    EXPECT_EQ(View->SelectedPath(), Temp.Root + "/home/made");
    EXPECT_TRUE(ComboLists("made"));
    // Made from outside while the watcher looks on.
    ASSERT_TRUE(SpinUntil([&] {
        const std::vector<std::string>& list = View->Watcher().WatchList();
        return std::find(list.begin(), list.end(), Temp.Root + "/home") != list.end();
    }));
    Temp.MakeDirs("home/outside");
    ASSERT_TRUE(SpinUntil([&] { return View->Watcher().FolderChangePending(); }));
    DeliverWatcherReports();
    EXPECT_NE(Child(View->Root()->Children[0].get(), "outside"), nullptr);
    EXPECT_TRUE(ComboLists("outside"));
    EXPECT_EQ(Combo->EditText(Combo->currentIndex()).toStdString(), Temp.Root + "/home/made");
    // Hidden folders leave the combo with the tree.
    View->SetIncludeHidden(false);
    EXPECT_FALSE(ComboLists(".local"));
}

TEST_F(Tree, LongNamesScrollSidewaysAndCheckBoxesAreOffered)
{
    Temp.MakeDirs("home/" + std::string(200, 'x'));
    Open();
    View->resize(200, 300);
    View->show();
    EXPECT_EQ(View->textElideMode(), Qt::ElideNone);
    EXPECT_TRUE(SpinUntil([&] { return View->horizontalScrollBar()->maximum() > 0; }));

    QAbstractItemModel& model = *View->model();
    const QModelIndex root = model.index(0, 0);
    EXPECT_FALSE(model.data(root, Qt::CheckStateRole).isValid());
    View->SetCheckboxes(true);
    EXPECT_TRUE(model.flags(root) & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(model.setData(root, Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(model.data(root, Qt::CheckStateRole).toInt(), Qt::Checked);
}

TEST_F(Tree, AVolumeTheTreeDoesNotListNeverRenamesOrEmptiesTheRoot)
{
    Open();
    TShellTreeNode* selected = Child(View->Root()->Children[0].get(), "docs");
    View->Select(selected);
    const size_t rootChildren = View->Root()->Children.size();
    // Computer was never expanded: the volume has no node.
    Temp.Mount({});
    Namespace->Controls().Rescan();
    DeliverWatcherReports();
    EXPECT_EQ(View->Root()->Text.toStdString(), "デスクトップ");
    EXPECT_EQ(std::pair(View->Root()->Children.size(), View->Selected()), std::pair(rootChildren, selected));

    // An arrival below an expanded Computer shows up at once.
    TShellTreeNode* computer = Child(View->Root(), "コンピューター");
    View->Expand(computer);
    EXPECT_EQ(Texts(computer).size(), 1u);
    Temp.Mount({{"USB", "/dev/sdb1", "vfat"}});
    Namespace->Controls().Rescan();
    DeliverWatcherReports();
    EXPECT_EQ(Texts(computer), (std::vector<std::string>{"ローカル ディスク (/)", "STICK (" + Usb() + ")"}));
}

TEST_F(Tree, TheSelectionInsideAVolumeThatGoesUnlistedMovesToItsNearestListedAncestor)
{
    Open();
    View->SelectPath(Usb() + "/photos/2024");
    TShellTreeNode* computer = View->Selected()->Parent->Parent->Parent;
    // The volume goes while the change reported names another, unlisted
    // one: no node is acted on, the tree is refreshed instead.
    Temp.Mount({});
    Namespace->SetVolumes(ReadVolumes(Temp.Config.MountTable, Temp.Config.ByLabel, Temp.Config.MediaRoots));
    View->Watcher().SetDeviceData(std::make_unique<TDeviceChangeData>(TDeviceChangeData{
        " (x)", DBT_DEVICEREMOVECOMPLETE, 1, TShellNamespace::VolumeIDList(Temp.Root + "/media/OTHER")}));
    DeliverWatcherReports();
    EXPECT_EQ(View->Selected(), computer);
    EXPECT_EQ(Texts(computer), std::vector<std::string>{"ローカル ディスク (/)"});
}

TEST_F(Tree, VirtualItemsAndFoldersThatCannotBeListed)
{
    Open();
    View->SetShVirtuaItems(VirtuaItem(itNetWork));
    EXPECT_EQ(Texts(View->Root()), (std::vector<std::string>{"ホーム", "コンピューター", "linked", "work"}));

    // A collapsed folder that gains a sub-folder gains its "+" at the next refresh.
    TShellTreeNode* music = Child(View->Root()->Children[0].get(), "music");
    Temp.MakeDirs("home/music/jazz");
    View->RefreshNodes();
    EXPECT_TRUE(music->HasChildren);

    // A folder that went away loses its "+" when it is expanded.
    TShellTreeNode* docs = Child(View->Root()->Children[0].get(), "docs");
    std::filesystem::remove_all(Temp.Root + "/home/docs");
    View->Expand(docs);
    EXPECT_EQ(std::pair(docs->HasChildren, docs->Expanded), std::pair(false, false));
}

} // namespace
