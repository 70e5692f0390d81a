// JIS X 0208 <-> Shift-JIS against the C library's EUC-JP converter (an
// EUC-JP character is its JIS code with the high bit set in both bytes), and
// codes as strings.
#include "JisCode.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <iconv.h>

using namespace textconv;

namespace {

// The CP932 code of an EUC-JP pair, or 0 when iconv has none.
uint16_t EucToCp932(iconv_t Converter, uint16_t Jis)
{
    char in[2] = {static_cast<char>(Jis >> 8 | 0x80), static_cast<char>((Jis & 0xFF) | 0x80)};
    char out[4];
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = sizeof in, outLeft = sizeof out;
    iconv(Converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(Converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || outLeft != 2)
        return 0;
    return static_cast<uint16_t>(static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]));
}

} // namespace

TEST(JisCodeOracle, AgreesWithIconvOnEveryJisX0208Character)
{
    iconv_t converter = iconv_open("CP932", "EUC-JP");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    int assigned = 0;
    for (uint16_t row = 0x21; row <= 0x7E; ++row) {
        for (uint16_t column = 0x21; column <= 0x7E; ++column) {
            const auto jis = static_cast<uint16_t>(row << 8 | column);
            const uint16_t sjis = JisToSjis(jis);
            // The arithmetic holds for unassigned codes too.
            EXPECT_EQ(SjisToJis(sjis), jis) << std::hex << jis;
            const uint16_t expected = EucToCp932(converter, jis);
            if (expected == 0)
                continue;
            ++assigned;
            EXPECT_EQ(sjis, expected) << std::hex << jis;
        }
    }
    iconv_close(converter);
    EXPECT_EQ(assigned, 6879); // every character of JIS X 0208
}

TEST(JisCode, WritesCodesHighByteFirst)
{
    EXPECT_EQ(WordToDbcsStr(0x82A0), Bytes({0x82, 0xA0}));
    EXPECT_EQ(DbcsStrToWord(Bytes({0x82, 0xA0})), 0x82A0);
    EXPECT_EQ(DbcsStrToWord("A"), 0x4100);
    EXPECT_EQ(DbcsStrToWord(""), 0);
}
