#include "../folderchooser_core/TempNamespace.h"
#include "ShellListView.h"

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

} // namespace
