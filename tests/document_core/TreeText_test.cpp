// Hierarchical text read and written: the page splits, the depth rules,
// the escaping, the titles, and a round trip that settles after one cycle.
#include "TreeText.h"

#include "NodeData.h"
#include "PageTitle.h"
#include "SjisLiteral.h"
#include "TreeNodes.h"

#include <random>

namespace {

// "title:depth" of every page of the tree built from Text.
std::string Shape(const std::string& Text)
{
    TTreeNodes nodes;
    BuildTree(nodes, ParseTreeText(Text), TDepthPolicy::Clamp);
    std::string shape;
    for (const TFlatPage& page : FlattenTree(nodes))
        shape += page.Title + ":" + std::to_string(page.Depth) + " ";
    return shape;
}

TEST(ParseTreeText, SplitsPagesAtDotsAndCutsDepthJumps)
{
    const struct {
        const char* Text;
        const char* Shape;
    } cases[] = {
        {".A\r\n..B\r\n....C\r\n.D\r\n", "A:0 B:1 C:2 D:0 "},
        {"no dots\r\nat all\r\n", "no dots:0 "},
        // A dot that follows a blank is page text; lone LF and CR are line ends.
        {".A\r\n .x\r\n..B\nb\r...C", "A:0 B:1 C:2 "},
        {"...deep first\r\n....next\r\n", "deep first:0 next:1 "},
        {".\r\n. \t..Trimmed\r\n", "UnTitled:0 Trimmed:0 "},
        {"", "UnTitled:0 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shape(c.Text), c.Shape) << c.Text;
}

TEST(ParseTreeText, KeepsPageTextsAfterTheirDots)
{
    std::vector<std::string> texts;
    for (const TFlatPage& page : ParseTreeText(".A\r\n .x\r\n...\r\n..B\nb"))
        texts.push_back(page.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"A\r\n .x\r\n", "\r\n", "B\r\nb"}));
}

TEST(EscapeTreeTextPage, TrimsTheStartAndShieldsDotLines)
{
    EXPECT_EQ(EscapeTreeTextPage(" \t..A\r\n.b\r\nc.d\r\n..e\n.f\r.g"), "A\r\n .b\r\nc.d\r\n ..e\n .f\r .g");
    EXPECT_EQ(EscapeTreeTextPage(""), "");
    EXPECT_EQ(CountLeadingDots("...a.b"), 3);
}

class TreeTextWriting : public testing::Test {
protected:
    void Build(const TFlatPages& Pages) { BuildTree(nodes, Pages, TDepthPolicy::Strict); }
    TTreeNodes nodes;
};

// Pages of random depth and text (dots, blanks, TABs, empty lines, lone
// line ends, Japanese) written, read and written again.
TEST_F(TreeTextWriting, ExportImportExportSettlesAfterTheFirstCycle)
{
    std::mt19937 random(29);
    const std::string pieces[] = {".", " ", "\t", "\r\n", "\r\n.", "\n", "\r", "a", "..x", Sjis("日本"), "\x81"};
    TFlatPages pages;
    for (int i = 0; i < 200; ++i) {
        const int deepest = pages.empty() ? 0 : pages.back().Depth + 1;
        TFlatPage page;
        page.Depth = static_cast<int>(random() % static_cast<unsigned>(deepest + 1));
        for (auto n = static_cast<unsigned>(random() % 12); n > 0; --n)
            page.Text += pieces[random() % std::size(pieces)];
        page.Title = PageTitle(page.Text);
        pages.push_back(page);
    }
    Build(pages);
    const std::string first = TreeTextOfTree(nodes);
    TTreeNodes read;
    BuildTree(read, ParseTreeText(first), TDepthPolicy::Clamp);
    const std::string second = TreeTextOfTree(read);
    TTreeNodes again;
    BuildTree(again, ParseTreeText(second), TDepthPolicy::Clamp);
    EXPECT_EQ(TreeTextOfTree(again), second);
    EXPECT_EQ(read.Count(), nodes.Count());
}

} // namespace
