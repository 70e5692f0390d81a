// Document files as a writer following the format to the letter writes
// them, for the reader's tests: titles as they are, every field as the
// document holds it, nothing cleaned.
#pragma once

#include "PageTitle.h"
#include "Sjis.h"
#include "Vk2Codec.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

inline std::string Word32(uint32_t Value)
{
    std::string bytes(4, '\0');
    for (size_t i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(Value >> (8 * i));
    return bytes;
}

inline uint32_t Word32At(std::string_view Bytes, size_t At)
{
    uint32_t value = 0;
    for (size_t i = 4; i > 0; --i)
        value = value << 8 | static_cast<unsigned char>(Bytes[At + i - 1]);
    return value;
}

// The title that writer gives Text: the first line up to CR, cut to 254
// bytes (255 when byte 254 has a lead byte's value), then trimmed.
inline std::string TitleByTheRule(std::string_view Text)
{
    std::string_view line = FirstLine(Text);
    if (line.empty())
        return std::string(UnTitledTitle);
    if (line.size() > TitleCutBytes)
        line =
            line.substr(0, TitleCutBytes + (sjis::IsLead(static_cast<unsigned char>(line[TitleCutBytes - 1])) ? 1 : 0));
    return std::string(TrimTitle(line));
}

inline std::string WrittenByTheFormat(const TVk2Document& Document)
{
    std::string tree;
    for (const TFlatPage& page : Document.Pages)
        tree += std::string(static_cast<size_t>(page.Depth), '\t') + page.Title + "\r\n";
    std::string bytes = Word32(static_cast<uint32_t>(tree.size())) + tree;
    for (size_t i = 0; i < Document.Pages.size(); ++i) {
        const TFlatPage& page = Document.Pages[i];
        const auto icon = static_cast<uint32_t>(std::max(page.SubIcon, 0));
        const uint32_t packed = i == 0   ? icon << 16 | static_cast<uint32_t>(Document.SelectedIndex)
                                : i == 1 ? icon << 16 | static_cast<uint32_t>(Document.EditMode.value_or(0))
                                         : icon;
        bytes += Word32(static_cast<uint32_t>(page.Text.size())) + page.Text
                 + Word32(static_cast<uint32_t>(page.SelStart)) + Word32(packed);
    }
    return bytes;
}
