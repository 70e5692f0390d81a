#include "Utf8.h"

std::optional<char32_t> NextUtf8(std::string_view Text, size_t& Pos)
{
    const auto lead = static_cast<unsigned char>(Text[Pos]);
    size_t extra;
    char32_t c;
    if (lead < 0x80) {
        ++Pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07u;
    } else {
        ++Pos;
        return std::nullopt;
    }
    if (Text.size() - Pos <= extra) {
        ++Pos;
        return std::nullopt;
    }
    for (size_t i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(Text[Pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++Pos;
            return std::nullopt;
        }
        c = c << 6 | (b & 0x3Fu);
    }
    static constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kShortest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++Pos;
        return std::nullopt;
    }
    Pos += extra + 1;
    return c;
}

void AppendUtf8(std::string& Out, char32_t C)
{
    if (C < 0x80) {
        Out += static_cast<char>(C);
    } else if (C < 0x800) {
        Out += static_cast<char>(0xC0 | C >> 6);
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else if (C < 0x10000) {
        Out += static_cast<char>(0xE0 | C >> 12);
        Out += static_cast<char>(0x80 | (C >> 6 & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | C >> 18);
        Out += static_cast<char>(0x80 | (C >> 12 & 0x3F));
        Out += static_cast<char>(0x80 | (C >> 6 & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    }
}

bool IsUtf8(std::string_view Text) { return WellFormedUtf8Length(Text) == Text.size(); }

size_t WellFormedUtf8Length(std::string_view Text)
{
    size_t start = 0;
    for (size_t pos = 0; pos < Text.size() && NextUtf8(Text, pos);)
        start = pos;
    return start;
}
