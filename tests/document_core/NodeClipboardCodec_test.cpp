#include "NodeClipboardCodec.h"

#include "../common/SjisLiteral.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int SubIcons = 12;

// A copied subtree: each page at most one level deeper than the one before.
TFlatPages RandomSubtree(std::mt19937& Random, int Count)
{
    const std::string japanese = Sjis("日本語") + "\x87\x90\x80" + Sjis("ｶﾅ\r\n");
    TFlatPages pages;
    for (int i = 0; i < Count; ++i) {
        std::string text(Random() % 300, '\0');
        for (char& c : text)
            c = static_cast<char>(Random());
        const int depth = i == 0 ? 3 : 4 + static_cast<int>(Random() % static_cast<unsigned>(pages.back().Depth - 2));
        const int subIcon = static_cast<int>(Random() % SubIcons);
        pages.push_back({depth, i % 3 ? "UnTitled" : Sjis("表題"), japanese + text, static_cast<int32_t>(Random()),
                         subIcon == 0 ? -1 : subIcon});
    }
    return pages;
}

TEST(NodeClipboardCodec, SubtreesRoundTripByteForByteWhateverFollowsThem)
{
    std::mt19937 random(20);
    for (int count : {0, 1, 7, 10000}) {
        const TFlatPages pages = RandomSubtree(random, count);
        const std::string bytes = EncodeNodeClipboard(pages);
        EXPECT_EQ(DecodeNodeClipboard(bytes + "\xFF\xFF", SubIcons), pages) << count << " pages";
    }
    EXPECT_EQ(EncodeNodeClipboard({{2, "T", "T\r\n", 1, 3}}),
              std::string("VKND\1\0\0\0\1\0\0\0\2\0\0\0\1\0\0\0T\3\0\0\0T\r\n\1\0\0\0\3\0\0\0", 36));
}

TEST(NodeClipboardCodec, RefusesEveryPrefixAndForgedCountsAndLengths)
{
    std::mt19937 random(7);
    const std::string bytes = EncodeNodeClipboard(RandomSubtree(random, 5));
    for (size_t length = 0; length < bytes.size(); ++length)
        EXPECT_THROW(DecodeNodeClipboard(std::string_view(bytes).substr(0, length), SubIcons), ENodeClipboardFormat)
            << length;
    const std::pair<size_t, uint32_t> forgeries[] = {
        {0, 0x58444E56},              // magic "VNDX"
        {4, 2},                       // a later version
        {8, 0xFFFFFFFF},              // a huge count
        {8, 6},                       // one item more than there is
        {16, 0xFFFFFFF0},             // a huge title length
        {16, uint32_t(bytes.size())}, // a title past the end
    };
    for (const auto& [at, value] : forgeries) {
        std::string forged = bytes;
        for (size_t i = 0; i < 4; ++i)
            forged[at + i] = static_cast<char>(value >> (8 * i));
        EXPECT_THROW(DecodeNodeClipboard(forged, SubIcons), ENodeClipboardFormat) << at << " " << value;
    }
}

TEST(NodeClipboardCodec, KeepsCopiedTitlesAndCleansForgedOnesAndSubIcons)
{
    const struct {
        std::string Title;
        int SubIcon;
        std::string CleanTitle;
        int CleanSubIcon;
    } cases[] = {
        {"Title\r\nSecond", 3, "Title", 3},
        {"Title\nSecond", SubIcons, "Title", SubIcons},
        {" \t..Dots", SubIcons + 1, " \t..Dots", -1},
        {"\r\nAfter", -7, "", -1},
        {"  .\nAfter", 1, "  .", 1},
        {"", 1, "", 1},
        {std::string(253, 'a') + Sjis("日本"), 0, std::string(253, 'a') + Sjis("日"), -1},
    };
    for (const auto& c : cases) {
        const TFlatPage page =
            DecodeNodeClipboard(EncodeNodeClipboard({{0, c.Title, "x", 0, c.SubIcon}}), SubIcons).at(0);
        EXPECT_EQ(std::pair(page.Title, page.SubIcon), std::pair(c.CleanTitle, c.CleanSubIcon));
    }
}

} // namespace
