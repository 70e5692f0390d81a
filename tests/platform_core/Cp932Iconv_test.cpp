// The CP932 encoder against the C library's own CP932 converter, over every
// character of Unicode: the same bytes wherever it writes some (the JIS
// marks other programs write, the best-ranked of duplicate codes), "?" where
// it writes none, nothing for the tag characters it drops.
#include "Cp932.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

namespace {

// The bytes iconv writes for one character, or nothing when it refuses it.
std::optional<std::string> IconvCp932(char32_t C)
{
    static const iconv_t handle = iconv_open("CP932", "UTF-32LE");
    const char in[4] = {static_cast<char>(C & 0xFF), static_cast<char>(C >> 8 & 0xFF),
                        static_cast<char>(C >> 16 & 0xFF), 0};
    char out[8];
    char* inP = const_cast<char*>(in);
    char* outP = out;
    size_t inLeft = sizeof in, outLeft = sizeof out;
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    if (iconv(handle, &inP, &inLeft, &outP, &outLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    return std::string(out, sizeof out - outLeft);
}

std::u16string Utf16Of(char32_t C)
{
    if (C < 0x10000)
        return std::u16string(1, static_cast<char16_t>(C));
    C -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (C >> 10)), static_cast<char16_t>(0xDC00 + (C & 0x3FF))};
}

TEST(Cp932Encoder, WritesWhatIconvWritesForEveryCharacter)
{
    int mapped = 0;
    int mismatches = 0;
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const std::optional<std::string> expected = IconvCp932(c);
        int unmapped = 0;
        const std::string actual = Utf16ToSjis(Utf16Of(c), unmapped);
        mapped += expected.has_value();
        const bool same = expected ? actual == *expected && unmapped == 0 : actual == "?" && unmapped == 1;
        if (!same && ++mismatches <= 10)
            ADD_FAILURE() << "U+" << std::hex << static_cast<uint32_t>(c);
    }
    EXPECT_EQ(mismatches, 0);
    // A sanity check that iconv was really asked: CP932 holds about 9,000
    // characters, more than its codes decode to.
    EXPECT_GT(mapped, 9000);
}

} // namespace
