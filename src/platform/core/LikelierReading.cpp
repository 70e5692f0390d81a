#include "LikelierReading.h"

#include "ReadingCost.h"

#include <algorithm>

namespace {

// Every line of Bytes, and at least one, ends in CR LF.
bool EndsLinesWithCrLf(std::string_view Bytes)
{
    size_t lineEnd = Bytes.find('\n');
    if (lineEnd == std::string_view::npos)
        return false;
    for (; lineEnd != std::string_view::npos; lineEnd = Bytes.find('\n', lineEnd + 1))
        if (lineEnd == 0 || Bytes[lineEnd - 1] != '\r')
            return false;
    return true;
}

// Which reading of Bytes, well-formed both ways, is the likelier text;
// Expected is worth kExpectedBits, and wins a tie. Line ends tell who wrote
// a file: this program, and the Shift-JIS files it meets from Windows, end
// lines with CR LF, while the programs of this system end them with LF
// alone and write UTF-8; no more than about one UTF-8 text file in sixteen
// here ends every line with CR LF, so doing so is worth kCrLfBits to
// Shift-JIS.
TTextEncoding LikelierReadingOfShortText(std::string_view Bytes, TTextEncoding Expected)
{
    constexpr int64_t kExpectedBits = 2, kCrLfBits = 4;
    const bool utf8Expected = Expected == TTextEncoding::Utf8;
    const int64_t utf8Cost =
        Utf8ReadingCost(Bytes) + (utf8Expected ? 0 : kExpectedBits) + (EndsLinesWithCrLf(Bytes) ? kCrLfBits : 0);
    const int64_t shiftJisCost = SjisReadingCost(Bytes, utf8Cost + kExpectedBits) + (utf8Expected ? kExpectedBits : 0);
    if (utf8Cost != shiftJisCost)
        return utf8Cost < shiftJisCost ? TTextEncoding::Utf8 : TTextEncoding::ShiftJis;
    return Expected;
}

} // namespace

// The likelier reading of a long text is mostly plain from its start: when
// the first 64 KiB already weigh thousands of bits more one way, the rest
// is not read for it. The start ends at a byte below 0x40, which ends a
// character in both readings.
TTextEncoding LikelierReading(std::string_view Bytes, TTextEncoding Expected)
{
    constexpr size_t kStartBytes = 1 << 16;
    constexpr int64_t kDecisiveBits = 4096;
    if (Bytes.size() > 2 * kStartBytes) {
        const auto ending = std::find_if(Bytes.begin() + kStartBytes, Bytes.end(),
                                         [](char C) { return static_cast<unsigned char>(C) < 0x40; });
        const std::string_view start = Bytes.substr(0, static_cast<size_t>(ending - Bytes.begin()));
        const int64_t utf8Cost = Utf8ReadingCost(start);
        const int64_t shiftJisCost = SjisReadingCost(start, utf8Cost + kDecisiveBits);
        if (shiftJisCost - utf8Cost >= kDecisiveBits)
            return TTextEncoding::Utf8;
        if (utf8Cost - shiftJisCost >= kDecisiveBits)
            return TTextEncoding::ShiftJis;
    }
    return LikelierReadingOfShortText(Bytes, Expected);
}
