#include "PageTitle.h"

#include "NodeData.h"
#include "SjisLiteral.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

std::string Repeat(char C, size_t N) { return std::string(N, C); }

TEST(PageTitle, FollowsTheFirstLineByTheTitleRule)
{
    const std::string nichi = Sjis("日"); // 93 FA: the trail byte has a lead byte's value
    const struct {
        std::string Text, Title;
    } cases[] = {
        {"", "UnTitled"},
        {"\r\nsecond line", "UnTitled"},
        {" ..word\r\nbody", "word"},
        {"...\r\nbody", ""},
        {"\t. title", "title"},
        {Repeat('a', 300), Repeat('a', 254)},
        {Repeat('a', 254), Repeat('a', 254)},
        {Repeat('a', 253) + nichi + "tail", Repeat('a', 253) + nichi},
        // The cut comes before the trim.
        {Repeat('.', 10) + Repeat('a', 300), Repeat('a', 244)},
        // Byte 254 is the trail byte of 日, which must not count as a lead.
        {Repeat('a', 252) + Sjis("日本"), Repeat('a', 252) + nichi},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PageTitle(c.Text), c.Title) << c.Text.substr(0, 20);
}

TEST(PageTitle, CopyLeftDbcsNeverSplitsADoubleByteCharacter)
{
    const std::string text = Sjis("亜メ"); // 88 9F 83 81: both trail bytes look like leads
    EXPECT_EQ(CopyLeftDbcs(text, 1), text.substr(0, 2));
    EXPECT_EQ(CopyLeftDbcs(text, 2), text.substr(0, 2));
    EXPECT_EQ(CopyLeftDbcs(text, 3), text);
    EXPECT_EQ(CopyLeftDbcs("ab", 5), "ab");
    // A stray lead byte followed by a CR is a character of its own.
    EXPECT_EQ(CopyLeftDbcs("a\x88\rb", 2), "a\x88");
}

TEST(NodeData, ItemAssignCopiesEveryValueAndRefusesOtherClasses)
{
    TCollection collection(TCollection::ItemClassOf<TNodeDataItem>());
    auto* item = static_cast<TNodeDataItem*>(collection.Add());
    TNodeData& source = *item->NodeData();
    source.SetLevel(3);
    source.SetText("title");
    source.SetItemStr("title\r\nbody");
    source.SetSelStart(7);
    source.SetSelLength(2);
    auto* copy = static_cast<TNodeDataItem*>(collection.Add());
    copy->Assign(item);
    const TNodeData& data = *copy->NodeData();
    EXPECT_EQ(std::tuple(data.Level(), data.Text(), data.ItemStr(), data.SelStart(), data.SelLength()),
              std::tuple(3, "title", "title\r\nbody", 7, 2));
    EXPECT_THROW(copy->NodeData()->Assign(&collection), EConvertError);
}

} // namespace
