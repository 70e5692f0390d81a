// Shift-JIS test text written as UTF-8 in the source.
#pragma once

#include "Cp932.h"

#include <stdexcept>
#include <string>
#include <string_view>

// The CP932 bytes of a UTF-8 literal; a literal that does not convert
// exactly is a fault in the test itself.
inline std::string Sjis(std::string_view Utf8)
{
    bool lossless = false;
    std::string bytes = Utf8ToSjis(Utf8, &lossless);
    if (!lossless)
        throw std::invalid_argument("not CP932: " + std::string(Utf8));
    return bytes;
}
