// The page clipboard's decoder: any bytes are refused or give pages that
// could stand in a tree (a title of one line within the title length,
// empty when it was copied empty, a sub-icon that exists), and pages once
// decoded travel through the stream unchanged.
#include "FuzzInput.h"
#include "NodeClipboardCodec.h"
#include "PageTitle.h"

namespace {

constexpr int kSubIcons = 30;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TFlatPages pages;
    try {
        pages = DecodeNodeClipboard(std::string_view(reinterpret_cast<const char*>(Data), Size), kSubIcons);
    } catch (const ENodeClipboardFormat&) {
        return 0;
    }
    for (const TFlatPage& page : pages) {
        // One byte more keeps a double-byte character whole.
        Check(page.Title.size() <= TitleCutBytes + 1, "a title has a length a title can have");
        Check(page.Title.find_first_of("\r\n") == std::string::npos, "a title is one line");
        Check(page.SubIcon == -1 || (page.SubIcon >= 1 && page.SubIcon <= kSubIcons), "a sub-icon exists");
    }
    Check(DecodeNodeClipboard(EncodeNodeClipboard(pages), kSubIcons) == pages,
          "decoded pages travel through the stream unchanged");
    return 0;
}
