#include "NodeClipboardCodec.h"

#include "../common/SjisLiteral.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int SubIcons = 12;

std::string RandomBytes(std::mt19937& Random, size_t MaxLength)
{
    std::string bytes(std::uniform_int_distribution<size_t>(0, MaxLength)(Random), '\0');
    for (char& c : bytes)
        c = static_cast<char>(Random());
    return bytes;
}

// A copied subtree: each page at most one level deeper than the one
// before, never above the first; titles as the tree makes them.
TFlatPages RandomSubtree(std::mt19937& Random, int Count)
{
    static const std::string japanese = Sjis("日本語のページ") + "\x87\x90" + Sjis("ｶﾀｶﾅ\r\n");
    TFlatPages pages;
    const int base = std::uniform_int_distribution<int>(0, 5)(Random);
    for (int i = 0; i < Count; ++i) {
        const int deepest = i == 0 ? base : pages.back().Depth + 1;
        TFlatPage page;
        page.Depth = i == 0 ? base : std::uniform_int_distribution<int>(base + 1, deepest)(Random);
        page.Text = (Random() % 2 ? japanese : std::string()) + RandomBytes(Random, 200);
        page.Title = i % 3 == 0 ? Sjis("表題") + std::to_string(i) : "UnTitled";
        page.SelStart = static_cast<int32_t>(Random());
        page.SubIcon = std::uniform_int_distribution<int>(0, SubIcons)(Random);
        if (page.SubIcon == 0)
            page.SubIcon = -1;
        pages.push_back(std::move(page));
    }
    return pages;
}

void PutU32(std::string& Bytes, size_t At, uint32_t Value)
{
    for (int i = 0; i < 4; ++i)
        Bytes[At + i] = static_cast<char>(Value >> (8 * i));
}

bool Refused(std::string_view Bytes)
{
    try {
        DecodeNodeClipboard(Bytes, SubIcons);
        return false;
    } catch (const ENodeClipboardFormat&) {
        return true;
    }
}

TEST(NodeClipboardCodec, RandomSubtreesRoundTripAndTrailingBytesAreIgnored)
{
    std::mt19937 random(20);
    for (int count : {0, 1, 2, 7, 60, 10000}) {
        const TFlatPages pages = RandomSubtree(random, count);
        const std::string bytes = EncodeNodeClipboard(pages);
        EXPECT_EQ(DecodeNodeClipboard(bytes, SubIcons), pages) << count << " pages";
        // The clipboard's block may be longer than the stream.
        EXPECT_EQ(DecodeNodeClipboard(bytes + std::string(37, '\xFF'), SubIcons), pages);
    }
    const TFlatPages large{{0, "big", std::string(5 << 20, '\x81'), 3, -1}};
    EXPECT_EQ(DecodeNodeClipboard(EncodeNodeClipboard(large), SubIcons), large);
}

TEST(NodeClipboardCodec, StartsWithItsMagicVersionAndCount)
{
    const std::string bytes = EncodeNodeClipboard({{2, "T", "T\r\n", 1, 3}});
    EXPECT_EQ(bytes, std::string("VKND\1\0\0\0\1\0\0\0"
                                 "\2\0\0\0\1\0\0\0T\3\0\0\0T\r\n\1\0\0\0\3\0\0\0",
                                 36));
}

TEST(NodeClipboardCodec, RefusesEveryPrefixAndForgedHeaders)
{
    std::mt19937 random(7);
    const std::string bytes = EncodeNodeClipboard(RandomSubtree(random, 5));
    for (size_t length = 0; length < bytes.size(); ++length)
        EXPECT_TRUE(Refused(std::string_view(bytes).substr(0, length))) << length;

    const auto forged = [&](size_t At, uint32_t Value) {
        std::string copy = bytes;
        PutU32(copy, At, Value);
        return copy;
    };
    std::string wrongMagic = bytes;
    wrongMagic[3] = 'X';
    EXPECT_TRUE(Refused(wrongMagic));
    EXPECT_TRUE(Refused(forged(4, 2))) << "a later version";
    EXPECT_TRUE(Refused(forged(8, 0xFFFFFFFF))) << "a huge count";
    EXPECT_TRUE(Refused(forged(8, 6))) << "one item more than there is";
    EXPECT_TRUE(Refused(forged(16, 0xFFFFFFF0))) << "a huge title length";
    EXPECT_TRUE(Refused(forged(16, static_cast<uint32_t>(bytes.size())))) << "a title past the end";
}

TEST(NodeClipboardCodec, CleansForgedTitlesAndSubIcons)
{
    const struct {
        std::string Title;
        int SubIcon;
        std::string CleanTitle;
        int CleanSubIcon;
    } cases[] = {
        {"Title\r\nSecond", 3, "Title", 3},
        {"Title\nSecond", SubIcons, "Title", SubIcons},
        {" \t..Dots", SubIcons + 1, "Dots", -1},
        {"", 0, "UnTitled", -1},
        {"\r\nAfter", -7, "UnTitled", -1},
        {std::string(253, 'a') + Sjis("日本"), 99, std::string(253, 'a') + Sjis("日"), -1},
    };
    for (const auto& c : cases) {
        const TFlatPages pages = DecodeNodeClipboard(EncodeNodeClipboard({{0, c.Title, "x", 0, c.SubIcon}}), SubIcons);
        EXPECT_EQ(pages.at(0).Title, c.CleanTitle);
        EXPECT_EQ(pages.at(0).SubIcon, c.CleanSubIcon);
    }
}

} // namespace
