// Copied subtrees as the bytes that travel on the clipboard under
// NodeDataClipboardFormatName, so that pages move between documents and
// between running instances. The clipboard may hold anything any program
// put there under that name, so the decoder trusts nothing.
//
//   "VKND", u32 version (1), u32 item count
//   per item, in tree order (the copied page first):
//     i32 level (depth in the source tree), u32 length + title bytes,
//     u32 length + page text bytes, i32 caret, i32 sub-icon (-1 none)
//   (all integers little-endian; bytes after the last item are ignored)
#pragma once

#include "PageList.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::string_view NodeClipboardMagic = "VKND";
inline constexpr uint32_t NodeClipboardVersion = 1;

// Bytes that are not a whole, valid stream of this version.
class ENodeClipboardFormat : public Exception {
public:
    using Exception::Exception;
};

// One copied page as the stream carries it (the values of its TNodeData),
// viewing bytes that live elsewhere.
struct TSubtreeItem {
    int32_t Level = 0;
    std::string_view Text;    // the title
    std::string_view ItemStr; // the page text
    int32_t SelStart = 0;
    int32_t SelLength = -1; // the sub-icon, -1 none
};

// The stream of Items. Raises ENodeClipboardFormat for a text of 4 GB or
// more.
std::string EncodeNodeClipboard(std::span<const TSubtreeItem> Items);
// The same for pages: Depth as the level, Title, Text, SelStart, SubIcon.
std::string EncodeNodeClipboard(const TFlatPages& Pages);

// The pages the stream holds, checked whole: the magic and version, the
// item count against the bytes there are, every length against the bytes
// left. Raises ENodeClipboardFormat otherwise. The pages come out ready to
// be placed: each title is a title the page could have (its first line, cut
// and trimmed, "UnTitled" when empty), a sub-icon outside 1..SubIconCount
// is none. Levels are kept as they came (the placement makes them
// relative).
TFlatPages DecodeNodeClipboard(std::string_view Bytes, int SubIconCount);
