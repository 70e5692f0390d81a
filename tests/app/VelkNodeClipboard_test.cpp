// Pages copied in one running velk and pasted in another, through the X
// clipboard of a virtual display: the pasted subtree has the copied one's
// shape, titles, texts and carets byte for byte.
#include "DocumentFile.h"
#include "SjisLiteral.h"
#include "TempDir.h"
#include "VelkProcess.h"
#include "XDisplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <tuple>

namespace {

bool ClipboardOffersPages()
{
    return std::system("xclip -selection clipboard -t TARGETS -o 2>/dev/null"
                       " | grep -qx application/x-velk-velk-treenode-data-collection-format")
           == 0;
}

// Depth, title and text of each page: the caret of the page shown moves
// with the editor.
std::vector<std::tuple<int, std::string, std::string>> Shape(const TFlatPages& Pages)
{
    std::vector<std::tuple<int, std::string, std::string>> shape;
    for (const TFlatPage& page : Pages)
        shape.emplace_back(page.Depth, page.Title, page.Text);
    return shape;
}

TFlatPages Saved(const std::string& File)
{
    try {
        return ReadDocumentFile(Sjis(File), 0).Pages;
    } catch (const std::exception&) {
        return {};
    }
}

void CopyInOnePasteInTheOther()
{
    const TempDir home;
    // The page commands get keys of their own for the test.
    std::ofstream(home.File("velk2000Key.ini"))
        << "[ShortcutKey]\r\nMTreeNodeCopy=Ctrl+F11\r\nMTreeNodePaste=Ctrl+F12\r\n";
    const std::string odd = Sjis("日本語") + "\x87\x90\xB6\x80";
    const TFlatPages source{{0, "P", "P\r\n" + odd, 5, -1},
                            {1, "C1", "C1\r\n" + odd + odd, 2, -1},
                            {2, "C11", "C11", 0, -1},
                            {1, "UnTitled", "", 0, -1},
                            {0, "Z", "Z", 0, -1}};
    const std::string from = home.File("from.vk2");
    const std::string to = home.File("to.vk2");
    WriteDocumentFile(Sjis(from), source, 0, 0);
    WriteDocumentFile(Sjis(to), {{0, "B", "B", 0, -1}}, 0, 0);
    const std::vector<std::pair<std::string, std::string>> environment{{"QT_QPA_PLATFORM", "xcb"},
                                                                       {"VELK_DIALOG_ANSWERS", "no"}};

    TVelkProcess copier(home.Path(), {from}, environment);
    ExpectReady(copier);
    ASSERT_TRUE(XDoTool("search --sync --name 'from\\.vk2$' windowfocus --sync"));
    ASSERT_TRUE(XDoTool("key ctrl+F11"));
    ASSERT_TRUE(Eventually(ClipboardOffersPages));

    TVelkProcess paster(home.Path(), {to}, environment);
    ExpectReady(paster);
    ASSERT_TRUE(XDoTool("search --sync --name 'to\\.vk2$' windowfocus --sync"));
    ASSERT_TRUE(XDoTool("key ctrl+F12 ctrl+s"));
    TFlatPages expected(source.begin(), source.end() - 1);
    expected.insert(expected.begin(), {0, "B", "B", 0, -1});
    EXPECT_TRUE(Eventually([&] { return Shape(Saved(to)) == Shape(expected); })) << Saved(to).size() << " pages";
    EXPECT_EQ(Saved(to).at(2).SelStart, 2) << "a page not shown keeps its caret";
    ExpectCleanEnd(paster);
    ExpectCleanEnd(copier);
}

TEST(VelkNodeClipboard, PagesCopiedInOneInstancePasteInAnother) { RunOnVirtualDisplay(CopyInOnePasteInTheOther); }

} // namespace
