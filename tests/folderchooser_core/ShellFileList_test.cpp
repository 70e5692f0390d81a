#include "ShellFileList.h"
#include "ShellNamespace.h"
#include "TempNamespace.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class FileListTest : public testing::Test {
protected:
    FileListTest()
    {
        const std::string docs = Temp.MakeDirs("home/Desktop/docs");
        Temp.MakeDirs("home/Desktop/docs/folder");
        WriteRaw(docs + "/b.txt", std::string(2000, 'b'));
        WriteRaw(docs + "/a.txt", "a");
        WriteRaw(docs + "/c.txt", "");
        // A sparse 5 GiB file: its size, not its blocks.
        const int fd = open((docs + "/big.bin").c_str(), O_CREAT | O_WRONLY, 0644);
        EXPECT_EQ(ftruncate(fd, 5ll << 30), 0);
        close(fd);
        Namespace->PathToIDList(docs, Docs);
    }
    std::vector<std::string> Column(int Column) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < List.rowCount(); ++row)
            texts.push_back(List.data(List.index(row, Column)).toString().toStdString());
        return texts;
    }
    TTempNamespace Temp;
    std::unique_ptr<TShellNamespace> Namespace = Temp.Make();
    TShellFileList List{*Namespace};
    TItemIDList Docs;
};

TEST_F(FileListTest, ShowsFiveColumnsWithSizesAndSortsByAClickedColumn)
{
    List.ShowFolder(Docs);
    ASSERT_EQ(List.columnCount(), 5);
    EXPECT_EQ(List.headerData(3, Qt::Horizontal).toString().toStdString(), "更新日時");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"folder", "a.txt", "b.txt", "big.bin", "c.txt"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "1KB", "2KB", "5,242,880KB", "0KB"}));
    EXPECT_EQ(List.TotalSize({1, 2, 3}), (5ull << 30) + 2001);

    List.ColumnClick(TShellFileList::colSize);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"folder", "c.txt", "a.txt", "b.txt", "big.bin"}));
    List.ColumnClick(TShellFileList::colSize);
    EXPECT_FALSE(List.Ascending());
    EXPECT_EQ(Column(0), (std::vector<std::string>{"folder", "big.bin", "b.txt", "a.txt", "c.txt"}));
    EXPECT_EQ(List.FindPartial("TXT", 3, true), 3);
    EXPECT_EQ(List.FindPartial("A.T", 4, true), 3);
    EXPECT_EQ(List.FindPartial("A.T", 4, false), -1);
}

TEST_F(FileListTest, EachRowLooksItsIconUpOnce)
{
    struct TIndexer final : IIconIndexer {
        std::vector<TShellIconKey> Asked;
        int IndexOf(const TShellIconKey& Key) override
        {
            Asked.push_back(Key);
            return static_cast<int>(Asked.size()) - 1;
        }
    } icons;
    List.ShowFolder(Docs);
    EXPECT_EQ(List.IconIndex(0, icons), 0);
    EXPECT_EQ(List.IconIndex(1, icons), 1);
    EXPECT_EQ(List.IconIndex(0, icons), 0);
    ASSERT_EQ(icons.Asked.size(), 2u);
    EXPECT_EQ(icons.Asked[0].Kind, TShellIconKey::Folder);
    EXPECT_EQ(std::pair(icons.Asked[1].Kind, icons.Asked[1].MimeType),
              std::pair(TShellIconKey::File, std::string("text/plain")));
}

TEST(FileTime, ZeroIsATimeNotKnown)
{
    EXPECT_FALSE(FileTimeToDateTime(0).isValid());
    EXPECT_EQ(ModifiedText(0), "");
    EXPECT_EQ(FileTimeToDateTime(86400).toUTC(), QDateTime(QDate(1970, 1, 2), QTime(0, 0), Qt::UTC));
}

} // namespace
