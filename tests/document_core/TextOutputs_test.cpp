// Every output of the fixed document against its golden file, byte for
// byte (VELK_WRITE_GOLDEN=1 writes the files anew after a deliberate
// change).
#include "TextOutputs.h"

#include "HtmlExport.h"
#include "OutlineWalk.h"
#include "OutputTree.h"
#include "PageFiles.h"
#include "TempDir.h"

#include <cstdlib>

namespace {

std::string Golden(const std::string& Name, const std::string& Actual)
{
    const std::string path = VELK_TEST_DATA "/outputs/" + Name;
    if (std::getenv("VELK_WRITE_GOLDEN"))
        WriteRaw(path, Actual);
    return ReadRaw(path);
}

// Files as one text: each name (without the folder) and its bytes.
std::string Listing(const TOutputFiles& Files, const std::string& Folder)
{
    std::string text;
    for (const TOutputFile& file : Files)
        text += "== " + file.Name.substr(Folder.size()) + " ==\r\n" + file.Bytes + "\r\n";
    return text;
}

class Outputs : public testing::Test {
protected:
    Outputs() { BuildOutputTree(nodes); }
    const TTreeNode& Intro() const { return *nodes.Item(0); }
    TTreeNodes nodes;
};

TEST_F(Outputs, EachKindMatchesItsGoldenFile)
{
    const struct {
        const char* Name;
        int Kind;
        bool Numbered;
        bool BlankLines;
    } cases[] = {
        {"00-all.txt", tokAll, false, false},
        {"00-all-numbered.txt", tokAll, true, false},
        {"01-all-no-titles.txt", tokAllNoTitles, true, false},
        {"02-all-tree.txt", tokAllTreeText, false, false},
        {"03-page.txt", tokPage, false, false},
        {"04-page-under.txt", tokPageUnder, true, false},
        {"05-page-under-no-titles.txt", tokPageUnderNoTitles, false, false},
        {"06-page-tree.txt", tokPageTreeText, false, false},
        {"07-tab-text.txt", tokPageTabText, false, false},
        {"07-tab-text-numbered.txt", tokPageTabText, true, false},
        {"08-indent-text.txt", tokPageIndentText, true, false},
        {"10-titles.txt", tokTitles, true, false},
        {"11-titles-indented.txt", tokTitlesIndented, false, false},
        {"12-title-tree.txt", tokTitleTree, false, false},
        {"12-title-tree-numbered-lines.txt", tokTitleTree, true, true},
    };
    for (const auto& c : cases) {
        const TTextOutputOptions options{c.Numbered, c.BlankLines, 4, 30};
        const std::string actual = TextOutputBytes(c.Kind, nodes, Intro(), options);
        EXPECT_EQ(actual, Golden(c.Name, actual)) << c.Name;
    }
}

TEST_F(Outputs, PageFilesAndHtmlMatchTheirGoldenFiles)
{
    const std::string folder = "/out/";
    const std::string pages = Listing(PageFiles(Intro(), folder, ".txt"), folder);
    EXPECT_EQ(pages, Golden("09-page-files.txt", pages));
    const TOutputFiles html = HtmlFiles(Intro(), folder);
    ASSERT_EQ(html.size(), 5u);
    EXPECT_EQ(html[0].Bytes, Golden("main.html", html[0].Bytes));
    EXPECT_EQ(html[1].Bytes, Golden("part001.html", html[1].Bytes));
}

TEST_F(Outputs, EmptyPagesOfTheSubtreeKeepCrLfAfterPageOutputs)
{
    FillEmptyPages(Intro());
    EXPECT_EQ(StoredText(*nodes.Item(2)), "\r\n");
    EXPECT_EQ(StoredText(*nodes.Item(6)), "\r\nstarts empty\r\n");
}

} // namespace
