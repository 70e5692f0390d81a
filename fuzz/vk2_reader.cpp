// The document reader: any bytes are refused or give a document that a
// save keeps: written and read again, every page keeps its depth, text,
// caret and sub-icon and its title as the file holds titles, the document
// its selected page and, with two pages or more, its edit mode; pages that
// agree with their titles still do.
#include "FuzzInput.h"
#include "Vk2Codec.h"

#include <algorithm>

namespace {

constexpr int kSubIcons = 30;

TVk2Document WrittenAndRead(const TVk2Document& Document)
{
    const std::string bytes = EncodeVk2(Document.Pages, Document.SelectedIndex, Document.EditMode.value_or(0));
    try {
        return DecodeVk2(bytes, kSubIcons);
    } catch (const EVk2Format&) {
        Check(false, "the reader takes what the writer writes");
    }
    return {};
}

bool TitlesAgree(const TFlatPages& Pages)
{
    return std::all_of(Pages.begin(), Pages.end(),
                       [](const TFlatPage& Page) { return TitleAgreesWithText(Page.Title, Page.Text); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TVk2Document read;
    try {
        read = DecodeVk2(std::string_view(reinterpret_cast<const char*>(Data), Size), kSubIcons);
    } catch (const EVk2Format&) {
        return 0;
    }
    Check(read.SelectedIndex >= 0 && read.SelectedIndex < static_cast<int>(read.Pages.size()),
          "the selected index names a page");
    const TVk2Document once = WrittenAndRead(read);
    TFlatPages kept = read.Pages;
    for (TFlatPage& page : kept)
        page.Title = CleanTitleForFile(page.Title);
    Check(once.Pages == kept, "writing keeps every page: its depth, title, text, caret and sub-icon");
    Check(once.SelectedIndex == read.SelectedIndex && once.EditMode == read.EditMode,
          "writing keeps the selected page and the edit mode");
    Check(!TitlesAgree(read.Pages) || TitlesAgree(once.Pages), "a document the file reader takes, it takes again");
    const TVk2Document twice = WrittenAndRead(once);
    Check(twice.Pages == once.Pages && twice.SelectedIndex == once.SelectedIndex && twice.EditMode == once.EditMode,
          "a written document reads back exactly");
    return 0;
}
