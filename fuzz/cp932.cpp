// The CP932 converter: decoding never fails and gives well-formed UTF-8
// and UTF-16 of the same text; what decodes encodes back to bytes that
// decode to it again (unmappable characters become "?"); encoding any
// UTF-8 gives well-formed Shift-JIS.
#include "Cp932.h"
#include "FuzzInput.h"

#include <string>

namespace {

bool IsWellFormedUtf16(std::u16string_view Text)
{
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] >= 0xDC00 && Text[i] <= 0xDFFF)
            return false;
        if (Text[i] >= 0xD800 && Text[i] <= 0xDBFF && (++i == Text.size() || Text[i] < 0xDC00 || Text[i] > 0xDFFF))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(Data), Size);
    const std::u16string utf16 = SjisToUtf16(bytes);
    Check(IsWellFormedUtf16(utf16), "decoding gives well-formed UTF-16");
    Check(Utf8ToSjis(SjisToUtf8(bytes)) == Utf16ToSjis(utf16), "UTF-8 and UTF-16 hold the same text");

    std::u16string expected = utf16;
    for (char16_t& c : expected)
        if (c == 0xFFFD)
            c = u'?';
    const std::string encoded = Utf16ToSjis(utf16);
    Check(SjisToUtf16(encoded) == expected, "decoded text encodes back to itself");
    Check(IsWellFormed(encoded), "encoding gives well-formed Shift-JIS");
    Check(IsWellFormed(Utf8ToSjis(bytes)), "encoding any UTF-8 gives well-formed Shift-JIS");
    return 0;
}
