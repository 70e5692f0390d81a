#include "Vk2Codec.h"

#include "../common/SjisLiteral.h"
#include "PageTitle.h"
#include "Sjis.h"
#include "TreeText.h"
#include "Vk2FileWriters.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int SubIcons = 30;
// Root "A" (text "A" CR LF "x", caret 3, sub-icon 1) with child "B" (text
// "B", caret 1, sub-icon 2).
const TFlatPages TwoPages{{0, "A", "A\r\nx", 3, 1}, {1, "B", "B", 1, 2}};

std::string Hex(std::string_view Bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : Bytes) {
        if (!hex.empty())
            hex += ' ';
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

std::string RandomBytes(std::mt19937& Random, size_t MaxLength, bool ForTitle)
{
    std::uniform_int_distribution<size_t> length(0, MaxLength);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(length(Random), '\0');
    for (char& c : bytes) {
        c = static_cast<char>(byte(Random));
        // A title holds no line break and starts with no blank (the writer
        // cleans those; the cleaning has its own test).
        while (ForTitle && (c == '\r' || c == '\n' || (&c == bytes.data() && (c == ' ' || c == '\t'))))
            c = static_cast<char>(byte(Random));
    }
    return bytes;
}

TVk2Document RandomDocument(std::mt19937& Random)
{
    static const std::string kana = Sjis("日本語のページ、ｶﾀｶﾅ「表」\r\n");
    std::uniform_int_distribution<int> pageCount(1, 40), coin(0, 3), subIcon(-1, SubIcons);
    TVk2Document document;
    const int count = pageCount(Random);
    for (int i = 0; i < count; ++i) {
        TFlatPage page;
        const int deepest = i == 0 ? 0 : document.Pages.back().Depth + 1;
        page.Depth = std::uniform_int_distribution<int>(0, deepest)(Random);
        page.Title = RandomBytes(Random, 20, true);
        page.Text = coin(Random) == 0 ? kana + RandomBytes(Random, 300, false) : RandomBytes(Random, 60, false);
        page.SelStart = std::uniform_int_distribution<int32_t>(0, static_cast<int32_t>(page.Text.size()))(Random);
        page.SubIcon = subIcon(Random) == 0 ? -1 : subIcon(Random);
        if (page.SubIcon == 0)
            page.SubIcon = -1;
        document.Pages.push_back(std::move(page));
    }
    document.SelectedIndex = std::uniform_int_distribution<int>(0, count - 1)(Random);
    if (count >= 2)
        document.EditMode = std::uniform_int_distribution<int>(0, 255)(Random);
    return document;
}

// Pages titled by their first lines, as the program titles them: "P0",
// "P1", ..., each with about 750 bytes of Japanese text.
TFlatPages PagesP(int Count)
{
    static const std::string line = Sjis("本文の行です。ページの文章がここに続きます。\r\n");
    TFlatPages pages;
    for (int i = 0; i < Count; ++i) {
        std::string text = "P" + std::to_string(i) + "\r\n";
        for (int n = 0; n < 16; ++n)
            text += line;
        pages.push_back({0, PageTitle(text), text, 0, -1});
    }
    return pages;
}

// Bytes with the last page's text length field set to Length.
std::string LastLengthSetTo(std::string Bytes, const TFlatPages& Pages, uint32_t Length)
{
    const size_t at = Bytes.size() - 12 - Pages.back().Text.size();
    for (int i = 0; i < 4; ++i)
        Bytes[at + static_cast<size_t>(i)] = static_cast<char>(Length >> (8 * i));
    return Bytes;
}

std::string Encode(const TVk2Document& Document)
{
    return EncodeVk2(Document.Pages, Document.SelectedIndex, Document.EditMode.value_or(0));
}

TEST(Vk2Codec, WritesTheFileByteForByte)
{
    const TFlatPages empty{{0, "UnTitled", "", 0, -1}};
    EXPECT_EQ(Hex(EncodeVk2(empty, 0, 0)),
              "0A 00 00 00 55 6E 54 69 74 6C 65 64 0D 0A 00 00 00 00 00 00 00 00 00 00 00 00");

    // The first page's word packs the selection (1) with its sub-icon (1),
    // the second page's the edit mode (3) with its sub-icon (2).
    const std::string example2 = "07 00 00 00 41 0D 0A 09 42 0D 0A 04 00 00 00 41 0D 0A 78 03 00 00 00 01 00 01 00 "
                                 "01 00 00 00 42 01 00 00 00 03 00 02 00";
    EXPECT_EQ(Hex(EncodeVk2(TwoPages, 1, 3)), example2);
}

TEST(Vk2Codec, CleansTitlesSoTheTreeReadsBackAsMeant)
{
    const TFlatPages pages{{0, "  \tlead\r\nsecond", "", 0, -1}, {1, "a\nb", "", 0, -1}, {1, "...", "", 0, -1}};
    const TFlatPages cleaned{{0, "lead", "", 0, -1}, {1, "a", "", 0, -1}, {1, "...", "", 0, -1}};
    EXPECT_EQ(DecodeVk2(EncodeVk2(pages, 0, 0), SubIcons).Pages, cleaned);
}

TEST(Vk2Codec, ReadsFilesAsAnyEarlierVersionWroteThem)
{
    // The format has no header. Blanks count as depth too; a title may end
    // in a lone lead byte; the tree text is split at CR LF pairs only;
    // zeros after the last record are ignored.
    const std::string tree = "root\x81\r\n child\r\n\t\tgrand\rchild\r\n";
    std::string bytes = std::string(1, static_cast<char>(tree.size())) + std::string(3, '\0') + tree;
    for (int i = 0; i < 3; ++i)
        bytes += std::string("\0\0\0\0\0\0\0\0", 8) + std::string(i == 2 ? "\x1F\0\0\0" : "\0\0\0\0", 4);
    bytes += std::string(7, '\0');
    // The last page's sub-icon 31 is past the last of 30: none.
    const TFlatPages read{{0, "root\x81", "", 0, -1}, {1, "child", "", 0, -1}, {2, "grand\rchild", "", 0, -1}};
    EXPECT_EQ(DecodeVk2(bytes, SubIcons).Pages, read);
}

TEST(Vk2Codec, ReadsSubIconsSelectionAndEditModeWithinTheirRanges)
{
    TFlatPages pages(3, TFlatPage{0, "p", "", 0, -1});
    pages[0].SubIcon = SubIcons;
    pages[1].SubIcon = SubIcons + 1;
    pages[2].SubIcon = SubIcons;
    const TVk2Document read = DecodeVk2(EncodeVk2(pages, 2, 0x1FF), SubIcons);
    EXPECT_EQ((std::vector{read.Pages[0].SubIcon, read.Pages[1].SubIcon, read.Pages[2].SubIcon}),
              (std::vector{SubIcons, -1, SubIcons}));
    EXPECT_EQ(read.EditMode, 0xFF);
    EXPECT_EQ(DecodeVk2(EncodeVk2(pages, 3, 0), SubIcons).SelectedIndex, 0) << "past the last page";

    const TVk2Document onePage = DecodeVk2(EncodeVk2({pages[0]}, 0, 4), SubIcons);
    EXPECT_FALSE(onePage.EditMode.has_value()) << "one page stores no edit mode";
    EXPECT_EQ(EncodeVk2({}, 0, 0), EncodeVk2({{0, "UnTitled", "", 0, -1}}, 0, 0))
        << "no pages are written as the new document, never as a file of no pages";

    // The selection shares its word with the first sub-icon: a large one
    // must never spill into it.
    TFlatPages many(70000, TFlatPage{0, "", "", 0, -1});
    many[0].SubIcon = 2;
    const TVk2Document large = DecodeVk2(EncodeVk2(many, 65536, 0), SubIcons);
    EXPECT_EQ(std::pair(large.Pages[0].SubIcon, large.SelectedIndex), std::pair(2, 0));
    EXPECT_EQ(DecodeVk2(EncodeVk2(many, 65535, 0), SubIcons).SelectedIndex, 65535);
}

TEST(Vk2Codec, RandomDocumentsRoundTripByteForByte)
{
    std::mt19937 random(20261206);
    for (int i = 0; i < 1000; ++i) {
        const TVk2Document document = RandomDocument(random);
        const std::string bytes = Encode(document);
        const TVk2Document read = DecodeVk2(bytes, SubIcons);
        ASSERT_EQ(std::tie(read.Pages, read.SelectedIndex, read.EditMode),
                  std::tie(document.Pages, document.SelectedIndex, document.EditMode))
            << "document " << i;
        ASSERT_EQ(Encode(read), bytes);
    }
}

TEST(Vk2Codec, RefusesEveryTruncationAndCorruptLength)
{
    std::mt19937 random(7);
    const std::string whole = Encode(RandomDocument(random));
    for (size_t length = 0; length < whole.size(); ++length) {
        EXPECT_THROW(DecodeVk2(std::string_view(whole).substr(0, length), SubIcons), EVk2Format) << length;
    }
    const std::string example = EncodeVk2(TwoPages, 1, 3);
    const auto patched = [&](size_t At, std::string_view Bytes) {
        std::string copy = example;
        copy.replace(At, Bytes.size(), Bytes);
        return copy;
    };
    const std::string damaged[] = {
        patched(0, "\xFF\xFF\xFF\xFF"),  // tree length
        patched(0, "\x25\0\0\0"),        // tree length one past the end (37 + 4 = 41)
        patched(11, "\xFF\xFF\xFF\xFF"), // text length
        patched(27, "\x02\0\0\0"),       // second text one past what is left
        patched(7, "\x09\x09"),          // a depth jump (two TABs before "B")
        patched(9, "\x0D\x20"),          // a tree text not ending in CR LF
        std::string(),
        patched(0, std::string("\x05\0\0\0", 4)), // the tree text cut inside a line
    };
    for (const std::string& bytes : damaged)
        EXPECT_THROW(DecodeVk2(bytes, SubIcons), EVk2Format) << Hex(bytes);
}

// A crash or a broken disk zeroes a file's start, or the whole file. Read
// as a document of no pages, the next save (an auto-save needs no key)
// would replace every page with an empty one.
TEST(Vk2Codec, RefusesAFileOfNoPagesAsDamaged)
{
    std::string zeroedStart = EncodeVk2(TwoPages, 1, 3);
    zeroedStart.replace(0, 4, 4, '\0');
    const std::string damaged[] = {zeroedStart, std::string(4, '\0'), std::string(1 << 20, '\0')};
    for (const std::string& bytes : damaged)
        EXPECT_THROW(DecodeVk2(bytes, SubIcons), EVk2Format) << bytes.size() << " bytes";
}

// A tree that lost a line break ("P3" CR LF "P4" became "P3  P4") names one
// page fewer than the file holds, and a last length cut short leaves the
// rest of its text behind the record: read as they were, the first save
// (an auto-save needs no key) would drop that text.
TEST(Vk2Codec, RefusesPagesTheTreeLostAndALastRecordCutShort)
{
    const TFlatPages five = PagesP(5);
    const std::string whole = EncodeVk2(five, 0, 0);
    std::string lostLine = whole;
    lostLine.replace(lostLine.find("\r\nP4"), 2, "  ");
    const std::string record(12, '\0');
    const TFlatPages two = PagesP(2), one = PagesP(1);
    const std::string damaged[] = {
        lostLine,
        whole + std::string("\x01\0\0\0x", 5) + std::string(8, '\0'),
        whole + record + std::string("\x02\0\0\0xy", 6) + std::string(8, '\0'),
        LastLengthSetTo(whole, five, 100),
        LastLengthSetTo(EncodeVk2(two, 1, 3), two, 100),
        LastLengthSetTo(EncodeVk2(one, 0, 0), one, 100),
    };
    for (const std::string& bytes : damaged)
        EXPECT_THROW(DecodeVk2(bytes, SubIcons), EVk2Format) << bytes.size() << " bytes";
    // Cut short by less than a record's frame, the text's last bytes are read
    // as a caret past its end. Its very last byte alone, LF, reads as a
    // caret of 10, which a page may have, and the zero pushed out after the
    // record as padding: that opens, in doubt, the text ending in a lone CR.
    for (const uint32_t shortBy : {1u, 2u, 3u, 4u, 5u, 6u, 7u}) {
        const auto length = static_cast<uint32_t>(five.back().Text.size()) - shortBy;
        const std::string bytes = LastLengthSetTo(whole, five, length);
        if (shortBy == 1)
            EXPECT_NE(DecodeVk2(bytes, SubIcons).Doubt, "");
        else
            EXPECT_THROW(DecodeVk2(bytes, SubIcons), EVk2Format) << shortBy;
    }

    // No writer writes anything after the last record: bytes there are damage
    // unless they are zeros, which copies and recoveries add.
    for (const std::string& tail : {std::string("garbage"), std::string("\x05\0\0\0", 4) + std::string(12, '\0')})
        EXPECT_THROW(DecodeVk2(whole + tail, SubIcons), EVk2Format) << Hex(tail);
    for (const std::string& tail : {std::string(11, '\0'), std::string(13, '\0')})
        EXPECT_EQ(DecodeVk2(whole + tail, SubIcons).Pages, five) << Hex(tail);
}

// What the file reader does: the format, then the titles against the texts.
TFlatPages ReadAsAFile(std::string_view Bytes)
{
    TFlatPages pages = DecodeVk2(Bytes, SubIcons).Pages;
    CheckTitlesAgreeWithTexts(pages);
    return pages;
}

// A page not yet shown keeps the title it came with, and its first line runs
// to CR: a title may hold a lone LF.
TEST(Vk2Codec, ATitleHoldingALoneLfOfItsFirstLineOpens)
{
    const std::string bytes("\x05\0\0\0a\nb\r\n\x03\0\0\0a\nb\0\0\0\0\0\0\0\0", 24);
    EXPECT_EQ(ReadAsAFile(bytes), (TFlatPages{{0, "a\nb", "a\nb", 0, -1}}));
}

// Padded copies and recovered files hold zeros after the last record; twelve
// of them read as an empty page's record.
TEST(Vk2Codec, ZerosAfterTheLastRecordAreIgnored)
{
    for (const int count : {1, 5}) {
        const TFlatPages pages = PagesP(count);
        const std::string whole = EncodeVk2(pages, 0, 0);
        for (const size_t zeros : {1u, 11u, 12u, 13u, 24u, 36u, 4096u}) {
            TFlatPages read;
            EXPECT_NO_THROW(read = ReadAsAFile(whole + std::string(zeros, '\0'))) << count << " pages, " << zeros;
            EXPECT_EQ(read, pages) << count << " pages, " << zeros << " zeros";
        }
    }
}

TEST(Vk2Codec, ATitleAgreesWithTheTextEveryVersionTookItFrom)
{
    const std::string a300(300, 'a');
    const std::string kanji = Sjis("亜"); // 88 9F: its trail byte has a lead byte's value
    const std::string dbcsAt253 = std::string(253, 'a') + kanji + "bc";
    const std::string trailAt253 = std::string(252, 'a') + kanji + kanji + "c";
    const struct {
        std::string Title, Text;
        bool Agrees;
    } cases[] = {
        {"Title", "Title\r\nbody", true},
        {"Title", "Title", true},
        {"Title", " .\t..Title\r\n", true},
        {"UnTitled", "", true},
        {"UnTitled", "\r\nbody", true},
        {"", "...\r\nbody", true},         // only dots: an empty title
        {"UnTitled", " . \r\nbody", true}, // ... or "UnTitled" from a hierarchical text
        {"abc", "abc\ndef\r\n", true},     // cut at a lone LF, as this program writes it
        {"", "\nabc\r\n", true},
        {"abc\ndef", "abc\ndef\r\n", true}, // the first line runs to CR
        {"\nabc", ". \nabc", true},
        {"a\n" + std::string(252, 'a'), "a\n" + a300, true},
        {"abc\x81", "abc\x81\r\n", true}, // a line ending in a lone lead byte
        {std::string(254, 'a'), a300, true},
        {std::string(252, 'a'), "  " + a300, true},    // cut, then trimmed
        {std::string(254, 'a'), "  " + a300, true},    // trimmed, then cut
        {"", std::string(260, '.') + "x", true},       // the cut took only dots
        {dbcsAt253.substr(0, 255), dbcsAt253, true},   // the character kept whole
        {trailAt253.substr(0, 254), trailAt253, true}, // cut by walking
        {trailAt253.substr(0, 255), trailAt253, true}, // cut by the byte's value: a lone lead byte
        {"P3  P4", "P3\r\nbody", false},
        {"P4", "P\r\n", false},
        {"Title", "Titl", false},
        {"Titl", "Title\r\n", false},
        {"P1", "P2\r\n", false},
        {"UnTitled", "text", false},
        {"", "", false},
        {"", "\r\nbody", false},
        {"", "text", false},
        {"a\nb", "a\nb\nc\r\n", false}, // neither the first line nor cut at its first LF
        {"a\n", "a\nb\r\n", false},
        {"a\rb", "a\rb\r\n", false},
        {std::string(200, 'a'), a300, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TitleAgreesWithText(c.Title, c.Text), c.Agrees) << Hex(c.Title) << " / " << Hex(c.Text.substr(0, 40));
}

// Whatever a page's first line holds, the title the program gives it, and
// the one a hierarchical text gives it, agree with it once written.
TEST(Vk2Codec, EveryTitleTheProgramGivesAPageAgreesWithIt)
{
    std::mt19937 random(7070);
    const std::string pieces[] = {" ", "\t", ".", "a", "Z", Sjis("亜"), Sjis("メ"), "\x81", Sjis("ｶ"), "\n", "\r"};
    std::uniform_int_distribution<size_t> piece(0, std::size(pieces) - 1), length(0, 400), lead(0, 300);
    for (int i = 0; i < 2000; ++i) {
        std::string text(lead(random) % 3 == 0 ? lead(random) : 0, ". \t"[i % 3]);
        for (size_t n = length(random); n > 0; --n)
            text += pieces[piece(random)];
        text += "\r\nbody";
        const std::string program = CleanTitleForFile(PageTitle(text));
        ASSERT_TRUE(TitleAgreesWithText(program, text)) << i << ": " << Hex(text.substr(0, 60));
        const TFlatPages imported = ParseTreeText("." + text);
        ASSERT_TRUE(TitleAgreesWithText(CleanTitleForFile(imported.at(0).Title), imported.at(0).Text))
            << i << ": " << Hex(text.substr(0, 60));
    }
}

// Pages whose first lines hold lone LFs and CRs, leading dots, blanks and
// TABs, lines cut at 254 bytes beside a lead byte, empty lines, titled as
// this program titles a page, as a hierarchical text titles it and as a
// writer following the title rule to the letter: written by this program
// and by that writer, with or without zeros after them, they read back.
TEST(Vk2Codec, WhatEitherWriterWroteReadsBack)
{
    std::mt19937 random(7602);
    // Long lines take the pieces before the last two, so they reach the cut.
    const std::string pieces[] = {" ", "\t", ".", "a", Sjis("亜"), Sjis("メ"), "\x81", Sjis("ｶ"), "\n", "\r", "\r\n"};
    std::uniform_int_distribution<size_t> piece(0, std::size(pieces) - 1), length(0, 400), lead(0, 300), zeros(0, 40);
    std::uniform_int_distribution<int> pageCount(1, 4), titling(0, 2);
    for (int i = 0; i < 1500; ++i) {
        TFlatPages pages;
        for (int n = pageCount(random); n > 0; --n) {
            const bool longLine = n % 2 == 0;
            std::string text(lead(random) % 3 == 0 ? lead(random) : 0, ". \t"[i % 3]);
            for (size_t k = length(random) % (longLine ? 400 : 8); k > 0; --k)
                text += pieces[piece(random) % (std::size(pieces) - (longLine ? 2 : 0))];
            if (longLine)
                text += "\r\nbody";
            switch (titling(random)) {
            case 0: pages.push_back({0, PageTitle(text), text, 0, -1}); break;
            case 1: pages.push_back({0, TitleByTheRule(text), text, 0, -1}); break;
            default:
                pages.push_back(ParseTreeText("." + text).at(0));
                pages.back().Depth = 0;
                break;
            }
        }
        const std::string padding(zeros(random), '\0');
        TFlatPages cleaned = pages;
        for (TFlatPage& page : cleaned)
            page.Title = CleanTitleForFile(page.Title);
        ASSERT_EQ(ReadAsAFile(EncodeVk2(pages, 0, 0) + padding), cleaned) << i;
        ASSERT_EQ(ReadAsAFile(WrittenByTheFormat({pages, 0, {}, {}}) + padding), pages) << i;
    }
}

TEST(Vk2Codec, SurvivesTenThousandMutatedDocuments)
{
    std::mt19937 random(1234);
    std::vector<std::string> seeds;
    for (int i = 0; i < 20; ++i)
        seeds.push_back(Encode(RandomDocument(random)));
    std::uniform_int_distribution<int> byte(0, 255), kind(0, 3);
    int refused = 0;
    for (int i = 0; i < 10000; ++i) {
        std::string bytes = seeds[static_cast<size_t>(i) % seeds.size()];
        const int edits = 1 + i % 4;
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const size_t at = std::uniform_int_distribution<size_t>(0, bytes.size() - 1)(random);
            switch (kind(random)) {
            case 0: bytes[at] = static_cast<char>(byte(random)); break;
            case 1: bytes.erase(at, 1 + at % 7); break;
            case 2: bytes.insert(at, 1 + at % 5, static_cast<char>(byte(random))); break;
            default: bytes.replace(at, std::min<size_t>(4, bytes.size() - at), "\xFF\xFF\xFF\x7F"); break;
            }
        }
        try {
            const TVk2Document read = DecodeVk2(bytes, SubIcons);
            ASSERT_FALSE(read.Pages.empty());
            ASSERT_LT(static_cast<size_t>(read.SelectedIndex), read.Pages.size());
            ASSERT_EQ(read.Pages[0].Depth, 0);
        } catch (const EVk2Format&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

} // namespace
