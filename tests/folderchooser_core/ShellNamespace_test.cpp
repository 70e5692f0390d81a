#include "NameOrder.h"
#include "ShellDataItem.h"
#include "ShellFolder.h"
#include "ShellNamespace.h"
#include "TempNamespace.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::vector<std::string> Children(const TShellFolder& Folder, uint32_t Flags = SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN)
{
    std::vector<TItemIDList> children;
    Folder.EnumObjects(Flags, children);
    std::sort(children.begin(), children.end(),
              [&](const auto& A, const auto& B) { return Folder.CompareIDs(A, B) < 0; });
    std::vector<std::string> names;
    for (const TItemIDList& child : children)
        names.push_back(Folder.GetDisplayNameOf(child).toStdString());
    return names;
}

TEST(NameOrder, IsATotalOrderThatReadsNumbersAndIgnoresCaseFirst)
{
    // Each row sorts strictly before the next.
    const std::vector<std::string> sorted = {"",   "1",   "2", "10", "a",  "A01", "A1",          "a1",
                                             "a2", "a10", "B", "b",  "b0", "bb",  "\xE3\x81\x82"};
    for (size_t i = 0; i < sorted.size(); ++i)
        for (size_t j = 0; j < sorted.size(); ++j) {
            const int order = CompareNames(sorted[i], sorted[j]);
            EXPECT_EQ(order < 0, i < j) << sorted[i] << " / " << sorted[j];
            EXPECT_EQ(order == 0, i == j) << sorted[i] << " / " << sorted[j];
        }
}

class Namespace : public testing::Test {
protected:
    TTempNamespace Temp;
};

TEST(AddBackslash, EndsAPathInExactlyOneSlash)
{
    const std::pair<std::string, std::string> cases[] = {{"", "/"}, {"/", "/"}, {"/a", "/a/"}, {"/a/", "/a/"}};
    for (const auto& [path, ended] : cases)
        EXPECT_EQ(AddBackslash(path), ended) << path;
    EXPECT_EQ(JoinPath("/", "x"), "/x");
    EXPECT_EQ(JoinPath("/a", "x"), "/a/x");
}

TEST_F(Namespace, TheDesktopListsHomeComputerTrashThenItsFolder)
{
    Temp.MakeDirs("home/Desktop/b");
    Temp.MakeDirs("home/Desktop/a");
    Temp.MakeDirs("home/Desktop/.hidden");
    WriteRaw(Temp.Root + "/home/Desktop/file.txt", "x");
    const auto ns = Temp.Make();
    EXPECT_EQ(ns->DesktopFolder(), Temp.Config.Desktop);
    EXPECT_EQ(Children(*ns->Desktop()),
              (std::vector<std::string>{"ホーム", "コンピューター", "ゴミ箱", ".hidden", "a", "b"}));
    EXPECT_EQ(Children(*ns->Desktop(), SHCONTF_FOLDERS),
              (std::vector<std::string>{"ホーム", "コンピューター", "ゴミ箱", "a", "b"}));
    EXPECT_EQ(ns->Desktop()->GetDisplayNameOf(TItemIDList::Desktop()).toStdString(), "デスクトップ");
    EXPECT_EQ(GetItemDisplayName(ns->Desktop().get(), TItemIDList::Desktop()).toStdString(), "デスクトップ");
    EXPECT_TRUE(GetItemDisplayName(ns->Desktop().get(), TItemIDList()).isEmpty());
    EXPECT_TRUE(GetItemDisplayName(nullptr, TItemIDList::Desktop()).isEmpty());
}

TEST_F(Namespace, WithoutADesktopFolderTheDesktopIsHomeAndWithoutTrashNoTrash)
{
    std::filesystem::remove_all(Temp.Config.Desktop);
    std::filesystem::remove_all(Temp.Config.Trash);
    Temp.MakeDirs("home/docs");
    const auto ns = Temp.Make();
    EXPECT_EQ(ns->DesktopFolder(), Temp.Config.Home);
    EXPECT_EQ(Children(*ns->Desktop()), (std::vector<std::string>{"コンピューター", ".local", "docs"}));
    TItemIDList list;
    EXPECT_FALSE(ns->GetSpecialFolderIDList(sfBitBucket, list));
}

TEST_F(Namespace, ComputerListsTheRootRemovableAndNetworkVolumesWithLabels)
{
    Temp.Mount({{"USB", "/dev/sdb1", "vfat"},
                {"CARD", "/dev/sdc1", "exfat"},
                {"NAS", "server:/share", "nfs4"},
                {"LOOP", "tmpfs", "tmpfs"}});
    Temp.Label("MY\\x20DISK", "/dev/sdb1");
    const auto ns = Temp.Make();
    const auto computer = ns->BindToObject(TItemIDList::OneItem("C"));
    ASSERT_TRUE(computer);
    EXPECT_EQ(Children(*computer),
              (std::vector<std::string>{"ローカル ディスク (/)", "リムーバブル ディスク (" + Temp.Root + "/media/CARD)",
                                        "ネットワーク ドライブ (" + Temp.Root + "/media/NAS)",
                                        "MY DISK (" + Temp.Root + "/media/USB)"}));
}

TEST_F(Namespace, PathsParseThroughTheLongestMountAndComeBack)
{
    Temp.Mount({{"USB", "/dev/sdb1", "vfat"}});
    const std::string deep = Temp.MakeDirs("media/USB/a/b");
    const std::string home = Temp.MakeDirs("home/x");
    const auto ns = Temp.Make();
    TItemIDList list;
    ASSERT_TRUE(ns->PathToIDList(deep, list));
    EXPECT_EQ(list, ConcatIDLists(TShellNamespace::VolumeIDList(Temp.Root + "/media/USB"),
                                  ConcatIDLists(TItemIDList::OneItem("Fa"), TItemIDList::OneItem("Fb"))));
    std::string path;
    ASSERT_TRUE(ns->IDListToPath(list, path));
    EXPECT_EQ(path, deep);

    // Another spelling of the same folder parses to the same list.
    TItemIDList again;
    ASSERT_TRUE(ns->PathToIDList(Temp.Root + "//media/USB/a/./x/../b/", again));
    EXPECT_EQ(again, list);

    // The desktop's branches first: its own folder, Home; then the volumes.
    const std::string desk = Temp.MakeDirs("home/Desktop/d");
    const auto item = [](const char* Data) { return TItemIDList::OneItem(Data); };
    const struct {
        std::string Path;
        TItemIDList List;
    } branches[] = {
        {desk, item("Fd")},
        {Temp.Config.Desktop, ConcatIDLists(item("H"), item("FDesktop"))},
        {home, ConcatIDLists(item("H"), item("Fx"))},
        {Temp.Config.Home, item("H")},
        {Temp.Root + "/media", ConcatIDLists(TShellNamespace::VolumeIDList("/"), item("Fmedia"))},
    };
    for (const auto& branch : branches) {
        ASSERT_TRUE(ns->PathToIDList(branch.Path, list)) << branch.Path;
        if (branch.Path.ends_with("/media")) // the root's list holds every component of the temporary folder
            EXPECT_EQ(LastItemOfIDList(list), item("Fmedia"));
        else
            EXPECT_EQ(list, branch.List) << branch.Path;
        ASSERT_TRUE(ns->IDListToPath(list, path));
        EXPECT_EQ(path, branch.Path);
    }

    for (const std::string& bad : {Temp.Root + "/missing", std::string("relative/path"), std::string()}) {
        EXPECT_FALSE(ns->PathToIDList(bad, list)) << bad;
        EXPECT_TRUE(list.IsNil());
    }
    // Lists that name no path, or try to leave their folder.
    for (const TItemIDList& pathless :
         {TItemIDList(), TItemIDList::OneItem("C"), TItemIDList::OneItem("T"),
          ConcatIDLists(TItemIDList::OneItem("H"), TItemIDList::OneItem("F..")), TItemIDList::OneItem("Fa/b")}) {
        EXPECT_FALSE(ns->IDListToPath(pathless, path));
        EXPECT_EQ(path, "");
    }
    ASSERT_TRUE(ns->IDListToPath(TItemIDList::Desktop(), path));
    EXPECT_EQ(path, Temp.Config.Desktop);
}

TEST_F(Namespace, FoldersDifferingOnlyInCaseAreTwoItems)
{
    Temp.MakeDirs("home/Desktop/A/inA");
    Temp.MakeDirs("home/Desktop/a/ina");
    const auto ns = Temp.Make();
    const auto desktop = ns->Desktop();
    const TItemIDList upper = TItemIDList::OneItem("FA"), lower = TItemIDList::OneItem("Fa");
    EXPECT_NE(desktop->CompareIDs(upper, lower), 0);
    EXPECT_EQ(desktop->CompareIDs(upper, lower), -desktop->CompareIDs(lower, upper));
    EXPECT_EQ(CompareIDLists(*desktop, upper, upper), 0);
    EXPECT_EQ(CompareIDLists(*desktop, upper, TItemIDList()), 3);
    EXPECT_EQ(Children(*desktop->BindToObject(upper)), std::vector<std::string>{"inA"});
    EXPECT_EQ(Children(*desktop->BindToObject(lower)), std::vector<std::string>{"ina"});
}

TEST_F(Namespace, ANameThatIsNotUtf8KeepsItsBytesInThePath)
{
    const std::string name = "caf\xE9";
    const std::string folder = Temp.MakeDirs("home/Desktop/" + name);
    const auto ns = Temp.Make();
    std::vector<TItemIDList> children;
    ns->Desktop()->EnumObjects(SHCONTF_FOLDERS, children);
    const TItemIDList item = TItemIDList::OneItem("F" + name);
    ASSERT_NE(std::find(children.begin(), children.end(), item), children.end());
    EXPECT_EQ(ns->Desktop()->ChildPath(item), folder);
    EXPECT_EQ(ns->Desktop()->GetDisplayNameOf(item), QFile::decodeName(QByteArray::fromStdString(name)));
}

TEST_F(Namespace, AttributesComeFromTheEntryAndItsModeBits)
{
    Temp.MakeDirs("home/Desktop/full/sub");
    Temp.MakeDirs("home/Desktop/empty");
    Temp.MakeDirs("home/Desktop/.dot");
    const std::string locked = Temp.MakeDirs("home/Desktop/locked");
    chmod(locked.c_str(), 0555);
    std::filesystem::create_directory_symlink(Temp.Root + "/home/Desktop/full", Temp.Root + "/home/Desktop/link");
    const auto ns = Temp.Make();
    const auto desktop = ns->Desktop();
    const struct {
        const char* Name;
        uint32_t Mask;
        bool Has;
        // clang-format off
    } cases[] = {
        {"full", SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_HASSUBFOLDER | SFGAO_DROPTARGET | SFGAO_CANRENAME, true},
        {"full", SFGAO_FILESYSANCESTOR, false}, {"full", SFGAO_HIDDEN, false},  {"full", SFGAO_READONLY, false},
        {"full", SFGAO_LINK, false},            {"empty", SFGAO_HASSUBFOLDER, false}, {".dot", SFGAO_HIDDEN, true},
        {"locked", SFGAO_READONLY, true},       {"locked", SFGAO_DROPTARGET, false},  {"missing", SFGAO_FOLDER, false},
        {"link", SFGAO_LINK | SFGAO_FOLDER | SFGAO_HASSUBFOLDER, true},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(desktop->GetAttributesOf(TItemIDList::OneItem(std::string("F") + c.Name), c.Mask) == c.Mask, c.Has)
            << c.Name << " " << c.Mask;
    EXPECT_TRUE(desktop->GetAttributesOf(TItemIDList::OneItem("C"), SFGAO_FILESYSANCESTOR));
    EXPECT_FALSE(desktop->GetAttributesOf(TItemIDList::OneItem("C"), SFGAO_FILESYSTEM));
}

TEST_F(Namespace, SpecialFoldersAndItemTypes)
{
    Temp.Mount({{"USB", "/dev/sdb1", "vfat"}});
    const std::string docs = Temp.MakeDirs("home/docs");
    const auto ns = Temp.Make();
    TItemIDList list;
    for (const auto& [folder, expected] : {std::pair{sfDesktop, TItemIDList::Desktop()},
                                           {sfDrives, TItemIDList::OneItem("C")},
                                           {sfBitBucket, TItemIDList::OneItem("T")}}) {
        ASSERT_TRUE(ns->GetSpecialFolderIDList(folder, list)) << folder;
        EXPECT_EQ(list, expected) << folder;
    }
    ASSERT_TRUE(ns->GetSpecialFolderIDList(sfDesktopDirectory, list));
    std::string path;
    EXPECT_TRUE(ns->IDListToPath(list, path) && path == Temp.Config.Desktop);
    EXPECT_FALSE(ns->GetSpecialFolderIDList(sfNetwork, list));
    EXPECT_FALSE(ns->GetSpecialFolderIDList(3, list));

    const auto type = [&](const TItemIDList& Absolute) {
        return TShellDataItem(*ns, LastItemOfIDList(Absolute).IsNil() ? Absolute : LastItemOfIDList(Absolute), Absolute)
            .ItemType();
    };
    const TItemIDList home = TItemIDList::OneItem("H");
    const TItemIDList docsList = ConcatIDLists(home, TItemIDList::OneItem("Fdocs"));
    const TItemIDList volume = TShellNamespace::VolumeIDList(Temp.Root + "/media/USB");
    EXPECT_EQ((std::vector{type(TItemIDList::Desktop()), type(TItemIDList::OneItem("C")),
                           type(TItemIDList::OneItem("T")), type(home), type(volume), type(docsList)}),
              (std::vector{itDeskTop, itMyComputer, itBitBucket, itFolder, itRootDrive, itFolder}));
    TShellDataItem docsItem(*ns, TItemIDList::OneItem("Fdocs"), docsList);
    EXPECT_EQ(std::pair(docsItem.Path(), docsItem.DisplayName().toStdString()), std::pair(docs, std::string("docs")));
}

} // namespace
