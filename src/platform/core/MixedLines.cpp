#include "MixedLines.h"

#include "ReadingCost.h"
#include "Utf8.h"

#include <algorithm>

namespace {

// Line is well-formed UTF-8 and holds a character beyond ASCII.
bool IsUtf8BeyondAscii(std::string_view Line)
{
    return std::any_of(Line.begin(), Line.end(), [](char C) { return static_cast<unsigned char>(C) >= 0x80; })
           && IsUtf8(Line);
}

} // namespace

size_t FirstUtf8Line(std::string_view Bytes)
{
    constexpr int64_t kFarBits = 32;
    // Lines well-formed both ways are weighed up to this many bytes in all:
    // Shift-JIS with that much of them and none far likelier as UTF-8 holds
    // none (half-width katakana are such lines).
    constexpr size_t kWeighedBytes = 1 << 16;
    size_t number = 1, weighed = 0;
    for (size_t start = 0; start < Bytes.size(); ++number) {
        const size_t end = std::min(Bytes.find('\n', start), Bytes.size() - 1) + 1;
        const std::string_view line = Bytes.substr(start, end - start);
        start = end;
        if (!IsUtf8BeyondAscii(line))
            continue;
        if ((weighed += line.size()) > kWeighedBytes)
            return 0;
        const int64_t utf8Cost = Utf8ReadingCost(line);
        if (SjisReadingCost(line, utf8Cost + kFarBits) >= utf8Cost + kFarBits)
            return number;
    }
    return 0;
}
