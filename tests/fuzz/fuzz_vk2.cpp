// The document reader under libFuzzer: any bytes either decode to a valid
// document that encodes and decodes again to the same pages, or are refused.
#include "Vk2Codec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    try {
        const TVk2Document read = DecodeVk2(std::string_view(reinterpret_cast<const char*>(Data), Size), 30);
        const TVk2Document again = DecodeVk2(EncodeVk2(read.Pages, read.SelectedIndex, read.EditMode.value_or(0)), 30);
        if (read.SelectedIndex >= static_cast<int>(read.Pages.size()) || again.Pages.size() != read.Pages.size())
            std::abort();
    } catch (const EVk2Format&) {
    }
    return 0;
}
