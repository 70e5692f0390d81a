#include "NodeClipboardCodec.h"

#include "ByteReader.h"
#include "PageTitle.h"

#include <limits>

namespace {

// Level, two lengths, caret, sub-icon.
constexpr size_t MinItemBytes = 20;
constexpr size_t HeaderBytes = 12;

void PutU32(std::string& Out, uint32_t Value)
{
    const char bytes[4] = {static_cast<char>(Value), static_cast<char>(Value >> 8), static_cast<char>(Value >> 16),
                           static_cast<char>(Value >> 24)};
    Out.append(bytes, 4);
}

void PutString(std::string& Out, std::string_view Bytes)
{
    PutU32(Out, static_cast<uint32_t>(Bytes.size()));
    Out += Bytes;
}

[[noreturn]] void Damaged()
{
    throw ENodeClipboardFormat("クリップボードのページデータが壊れているため貼り付けできません。");
}

// A pasted page keeps the title it was copied with, an empty one included.
// Only what no copied title holds is cut from a forged one: a line break,
// which would split the page in the document file, and bytes past the
// title length.
std::string CopiedTitle(std::string_view Title)
{
    return std::string(CopyLeftDbcs(Title.substr(0, Title.find_first_of("\r\n")), TitleCutBytes));
}

} // namespace

std::string EncodeNodeClipboard(std::span<const TSubtreeItem> Items)
{
    size_t size = HeaderBytes;
    for (const TSubtreeItem& item : Items) {
        if (item.Text.size() > std::numeric_limits<uint32_t>::max()
            || item.ItemStr.size() > std::numeric_limits<uint32_t>::max())
            throw ENodeClipboardFormat("ページが大きすぎるためコピーできません。");
        size += MinItemBytes + item.Text.size() + item.ItemStr.size();
    }
    std::string bytes;
    bytes.reserve(size);
    bytes += NodeClipboardMagic;
    PutU32(bytes, NodeClipboardVersion);
    PutU32(bytes, static_cast<uint32_t>(Items.size()));
    for (const TSubtreeItem& item : Items) {
        PutU32(bytes, static_cast<uint32_t>(item.Level));
        PutString(bytes, item.Text);
        PutString(bytes, item.ItemStr);
        PutU32(bytes, static_cast<uint32_t>(item.SelStart));
        PutU32(bytes, static_cast<uint32_t>(item.SelLength));
    }
    return bytes;
}

std::string EncodeNodeClipboard(const TFlatPages& Pages)
{
    std::vector<TSubtreeItem> items;
    items.reserve(Pages.size());
    for (const TFlatPage& page : Pages)
        items.push_back({page.Depth, page.Title, page.Text, page.SelStart, page.SubIcon});
    return EncodeNodeClipboard(items);
}

TFlatPages DecodeNodeClipboard(std::string_view Bytes, int SubIconCount)
{
    TByteReader reader(Bytes, Damaged);
    if (reader.Bytes(4) != NodeClipboardMagic || reader.U32() != NodeClipboardVersion)
        Damaged();
    const uint32_t count = reader.U32();
    if (count > reader.Left() / MinItemBytes)
        Damaged();
    TFlatPages pages(count);
    for (TFlatPage& page : pages) {
        page.Depth = reader.I32();
        page.Title = CopiedTitle(reader.String());
        page.Text = reader.String();
        page.SelStart = reader.I32();
        const int32_t subIcon = reader.I32();
        page.SubIcon = subIcon >= 1 && subIcon <= SubIconCount ? subIcon : -1;
    }
    return pages;
}
