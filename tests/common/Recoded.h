// Test text in the other encodings programs write, made by the C library's
// converter from a UTF-8 literal.
#pragma once

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <string_view>

// Text (UTF-8) in the encoding To ("EUC-JP", "ISO-2022-JP", "CP1252", ...),
// as iconv writes it. A literal To cannot hold is a mistake in the test.
inline std::string Recoded(std::string_view Text, const char* To)
{
    const iconv_t handle = iconv_open(To, "UTF-8");
    std::string out(Text.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(Text.data());
    char* outPos = out.data();
    size_t inLeft = Text.size(), outLeft = out.size();
    const bool whole = handle != reinterpret_cast<iconv_t>(-1)
                       && iconv(handle, &in, &inLeft, &outPos, &outLeft) != static_cast<size_t>(-1)
                       && iconv(handle, nullptr, nullptr, &outPos, &outLeft) != static_cast<size_t>(-1);
    if (handle != reinterpret_cast<iconv_t>(-1))
        iconv_close(handle);
    if (!whole)
        ADD_FAILURE() << "does not convert to " << To << ": " << Text;
    out.resize(out.size() - outLeft);
    return out;
}
