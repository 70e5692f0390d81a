// The rules of the outputs that the golden files do not reach: numbering
// depth, file names and their collisions, many HTML parts.
#include "HtmlExport.h"
#include "NodeData.h"
#include "PageFiles.h"
#include "PageList.h"
#include "SjisLiteral.h"
#include "TempDir.h"
#include "TextFileEncoding.h"
#include "TextOutputs.h"
#include "TreeNodes.h"

#include <gmock/gmock.h>

namespace {

// Pages at the given depths titled t0, t1, ... with text "tN".
void Build(TTreeNodes& Nodes, std::initializer_list<int> Depths, std::vector<std::string> Titles = {})
{
    TFlatPages pages;
    for (const int depth : Depths) {
        const std::string title =
            pages.size() < Titles.size() ? Titles[pages.size()] : "t" + std::to_string(pages.size());
        pages.push_back({depth, title, title});
    }
    BuildTree(Nodes, pages, TDepthPolicy::Strict);
}

TEST(TextOutputs, NumbersOutlinesAndLeavesOutPagesBelowLevelTen)
{
    TTreeNodes nodes;
    Build(nodes, {0, 1, 2, 1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 10});
    const std::string titles = TextOutputBytes(tokTitles, nodes, *nodes.Item(0), {true});
    EXPECT_EQ(titles, "1 t0\r\n1.1 t1\r\n1.1.1 t2\r\n1.2 t3\r\n2 t4\r\n2.1 t5\r\n2.1.1 t6\r\n2.1.1.1 t7\r\n"
                      "2.1.1.1.1 t8\r\n2.1.1.1.1.1 t9\r\n2.1.1.1.1.1.1 t10\r\n2.1.1.1.1.1.1.1 t11\r\n"
                      "2.1.1.1.1.1.1.1.1 t12\r\n2.1.1.1.1.1.1.1.1.1 t13\r\n2.1.1.1.1.1.1.1.1.1.1 t14\r\n"
                      "2.1.1.1.1.1.1.1.1.1.2 t17\r\n");
    EXPECT_THAT(TextOutputBytes(tokTitles, nodes, *nodes.Item(0), {false}), testing::HasSubstr("t16\r\n"))
        << "unnumbered title lists keep every page";
}

// A page that was never stored has no record: the outputs, their numbers,
// the page files and the HTML parts go on as if it and its descendants
// were not there.
TEST(TextOutputs, APageWithoutARecordIsLeftOutWithItsDescendants)
{
    TTreeNodes nodes;
    Build(nodes, {0, 1, 1, 2, 1});
    nodes.Item(2)->SetData(nullptr);
    EXPECT_EQ(TextOutputBytes(tokTitles, nodes, *nodes.Item(0), {true}), "1 t0\r\n1.1 t1\r\n1.2 t4\r\n");
    const TOutputFiles pages = PageFiles(*nodes.Item(0), "/out/", ".txt");
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[2].Name, "/out/t4.txt");
    const TOutputFiles html = HtmlFiles(*nodes.Item(0), "/out/");
    ASSERT_EQ(html.size(), 3u) << "main.html and two parts";
    EXPECT_THAT(html[0].Bytes, testing::HasSubstr("part002.html\">t4</A>"));
    EXPECT_THAT(html[2].Bytes, testing::HasSubstr("t4"));
}

// Output 8 wraps as the formatting settings say: English words whole,
// continuation lines indented as their line.
TEST(TextOutputs, IndentedTextWrapsWithTheFormattingSettings)
{
    TTreeNodes nodes;
    Build(nodes, {0}, {"  alpha beta gamma delta epsilon"});
    TTextOutputOptions options;
    options.WrapByte = 20;
    EXPECT_EQ(TextOutputBytes(tokPageIndentText, nodes, *nodes.Item(0), options),
              "  alpha beta gamma de\r\nlta epsilon\r\n");
    options.WrapEnglish = true;
    options.WrapIndent = true;
    EXPECT_EQ(TextOutputBytes(tokPageIndentText, nodes, *nodes.Item(0), options),
              "  alpha beta gamma \r\n  delta epsilon\r\n");
}

TEST(TextOutputs, IndentsDeepPagesButWrapsAtLeastTwentyBytes)
{
    TTreeNodes nodes;
    const std::string ten = Sjis("日本語の文を十文字で"), indent(16, ' ');
    Build(nodes, {0, 1, 2, 3}, {"a", "b", "c", ten + ten});
    TTextOutputOptions options;
    options.WrapByte = 20;
    const std::string text = TextOutputBytes(tokPageIndentText, nodes, *nodes.Item(0), options);
    EXPECT_THAT(text, testing::EndsWith("\r\n" + indent + ten + "\r\n" + indent + ten + "\r\n"));
}

// Every output of a document in half-width katakana reads back byte for
// byte, though many of its bytes are well-formed UTF-8 too ("ﾃｽﾄｶ" is
// C3 BD C4 B6).
TEST(TextOutputs, EveryOutputReadsBackAsWritten)
{
    const std::pair<int, std::string> pages[] = {
        {0, "ﾃｽﾄｶ\r\nﾃｽﾄｶ ﾃｽ\r\n"}, {1, "ﾃｽ\r\nabc ﾃｽﾄｶ"}, {2, "ﾅｲﾃｽ\r\n\tﾃｽ 1\r\n.ﾃｽ"}, {1, "ﾃﾞｰﾀ\r\n"},
        {0, "ﾄｶ ﾃｽ\r\nﾅｲﾃｽ\r\n"},   {1, "ﾃｽﾄｶ 2"},
    };
    TFlatPages flat;
    for (const auto& [depth, text] : pages)
        flat.push_back({depth, Sjis(text.substr(0, text.find('\r'))), Sjis(text)});
    TTreeNodes nodes;
    BuildTree(nodes, flat, TDepthPolicy::Strict);
    const auto readBack = [](const std::string& Bytes) {
        int unmapped = 0;
        return SjisOfText(Bytes, TextFileEncoding(Bytes).value(), unmapped);
    };
    for (int kind = 0; kind < TextOutputKindCount; ++kind) {
        if (kind == tokPageFiles)
            continue;
        for (const bool numbered : {false, true}) {
            const std::string bytes = TextOutputBytes(kind, nodes, *nodes.Item(0), {numbered});
            EXPECT_EQ(readBack(bytes), bytes) << "output " << kind << (numbered ? " numbered" : "");
        }
    }
    for (const TOutputFile& file : PageFiles(*nodes.Item(0), "/f/", ".txt"))
        EXPECT_EQ(readBack(file.Bytes), file.Bytes) << file.Name;
}

TEST(PageFiles, NamesValidTitlesAndRefusesNamesThatMeet)
{
    const struct {
        std::vector<std::string> Titles;
        bool Refused;
    } cases[] = {
        {{"top", "a", "a"}, true},
        {{"top", "a", "a.txt"}, true},
        {{"top", "Page001.txt", "x:y"}, true},
        {{"top", "a", "A"}, false},
    };
    for (const auto& c : cases) {
        TTreeNodes nodes;
        Build(nodes, {0, 1, 1}, c.Titles);
        if (c.Refused)
            EXPECT_THROW(PageFiles(*nodes.Item(0), "/f/", ".txt"), EPageFileNames) << c.Titles[2];
        else
            EXPECT_EQ(PageFiles(*nodes.Item(0), "/f/", ".txt").size(), 3u);
    }
    // A title with a byte no character starts with cannot name a file.
    TTreeNodes nodes;
    Build(nodes, {0, 1}, {"top", "x\xFD"});
    EXPECT_EQ(PageFiles(*nodes.Item(0), "/f/", ".txt").back().Name, "/f/Page001.txt");
}

TEST(PageFiles, ValidFileNames)
{
    const std::string hyo = Sjis("表"); // its trail byte is "\"
    const struct {
        std::string Name;
        bool Valid;
        // clang-format off
    } cases[] = {
        {"", false},          {std::string(255, 'a'), true}, {std::string(256, 'a'), false},
        {"a\"b", false},      {"a*b", false},     {"a/b", false},     {"a:b", false},  {"a<b", false},
        {"a>b", false},       {"a?b", false},     {"a\\b", false},    {"a|b", false},  {"a\x01" "b", false},
        {"a\tb", false},      {"..", false},      {hyo + ".txt", true}, {"a.b c", true},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(IsValidFileName(c.Name), c.Valid) << c.Name;
    EXPECT_EQ(EditModeExtension(3, "x"), ".c");
    EXPECT_EQ(EditModeExtension(6, "rb"), ".rb");
}

TEST(HtmlExport, NumbersPartsInTreeOrderPastAThousand)
{
    TTreeNodes nodes;
    std::vector<int> depths{0, 1, 2, 1};
    depths.resize(1002, 1);
    TFlatPages pages;
    for (const int depth : depths)
        pages.push_back({depth, "p" + std::to_string(pages.size()), "x"});
    BuildTree(nodes, pages, TDepthPolicy::Strict);
    const TOutputFiles files = HtmlFiles(*nodes.Item(0), "/h/");
    ASSERT_EQ(files.size(), 1002u);
    EXPECT_EQ(files[2].Name + " " + files[1000].Name, "/h/part002.html /h/part1000.html");
    EXPECT_THAT(files[2].Bytes, testing::HasSubstr("<TITLE>p2</TITLE>"));
    EXPECT_THAT(files[0].Bytes, testing::HasSubstr("<A HREF = \"part1000.html\">p1000</A>"));
}

TEST(OutputFiles, AFailedWriteNamesTheFileAndWritesNoneOfTheSet)
{
    TempDir dir;
    WriteRaw(dir.Path() + "a.txt", "old");
    const TOutputFiles files{
        {dir.Path() + "a.txt", "a"}, {dir.Path() + "none/b.txt", "b"}, {dir.Path() + "c.txt", "c"}};
    EXPECT_THAT([&] { WriteOutputFiles(files); },
                testing::ThrowsMessage<EFCreateError>(testing::HasSubstr("none/b.txt")));
    // Nothing else is left: no new file, no temporary one.
    EXPECT_EQ(ReadRaw(dir.Path() + "a.txt"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    WriteOutputFiles({files[0], files[2]});
    EXPECT_EQ(ReadRaw(dir.Path() + "a.txt") + ReadRaw(dir.Path() + "c.txt"), "ac");
}

} // namespace
