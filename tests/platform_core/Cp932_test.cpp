// The CP932 converter against ICU's windows-31j tables, code by code.
#include "Cp932.h"
#include "Sjis.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <stdexcept>
#include <vector>

namespace {

// ICU's windows-31j decoding of one code: its one UTF-16 unit, or -1 when
// ICU has none (no substitution, so that unassigned codes show as such).
int IcuDecode(uint16_t Code)
{
    static UConverter* const converter = [] {
        UErrorCode error = U_ZERO_ERROR;
        UConverter* windows31j = ucnv_open("windows-31j", &error);
        ucnv_setToUCallBack(windows31j, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
        if (U_FAILURE(error))
            throw std::runtime_error("ICU has no windows-31j converter");
        return windows31j;
    }();
    const char bytes[2] = {static_cast<char>(Code >> 8), static_cast<char>(Code & 0xFF)};
    const bool pair = Code > 0xFF;
    UChar out[4];
    UErrorCode error = U_ZERO_ERROR;
    ucnv_reset(converter);
    const int32_t length = ucnv_toUChars(converter, out, 4, pair ? bytes : bytes + 1, pair ? 2 : 1, &error);
    return U_SUCCESS(error) && length == 1 ? out[0] : -1;
}

// Every code the helper can cut: the single bytes that are not lead bytes
// and every lead byte followed by a valid trail byte.
std::vector<uint16_t> AllCharacterCodes()
{
    std::vector<uint16_t> codes;
    for (int b = 0; b < 0x100; ++b)
        if (!sjis::IsLead(static_cast<unsigned char>(b)))
            codes.push_back(static_cast<uint16_t>(b));
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            if (sjis::IsLead(static_cast<unsigned char>(lead)) && sjis::IsTrail(static_cast<unsigned char>(trail)))
                codes.push_back(static_cast<uint16_t>(lead << 8 | trail));
    return codes;
}

// ICU's windows-31j is IBM's table, which swaps three control codes; glibc
// and Windows map them to themselves. That is the only difference.
bool IcuSwapsControl(uint16_t Code) { return Code == 0x1A || Code == 0x1C || Code == 0x7F; }

// Decoding agrees with ICU on every code (the encoder is checked against
// iconv over every character).
TEST(Cp932, DecodesEveryCodeAsIcuDoes)
{
    int singles = 0, pairs = 0;
    for (uint16_t code : AllCharacterCodes()) {
        const int expected = IcuDecode(code);
        const char16_t decoded = SjisCharToUtf16(code);
        if (expected < 0) {
            EXPECT_EQ(decoded, u'\xFFFD') << std::hex << code;
            continue;
        }
        (code > 0xFF ? pairs : singles) += 1;
        EXPECT_NE(decoded, u'\xFFFD') << std::hex << code;
        EXPECT_EQ(decoded, IcuSwapsControl(code) ? code : expected) << std::hex << code;
    }
    // 0x00-0x7F and the half-width katakana; JIS X 0208, NEC row 13, both
    // IBM extension blocks and the user-defined area F040-F9FC.
    EXPECT_EQ(singles, 191);
    EXPECT_EQ(pairs, 9604);
}

TEST(Cp932, UnassignedBytesBecomeReplacementsAndTheTextGoesOn)
{
    const std::string text = std::string("a\x80"
                                         "b\xA0"
                                         "c\xFD\xFE\xFF"
                                         "d")
                             + "\x82\r\n" + "\x88\x9F" + "\x82";
    EXPECT_EQ(SjisToUtf16(text), u"a\xFFFD"
                                 u"b\xFFFD"
                                 u"c\xFFFD\xFFFD\xFFFD"
                                 u"d\xFFFD\r\n\x4E9C\xFFFD");
    EXPECT_EQ(SjisToUtf8(text), "a\uFFFDb\uFFFDc\uFFFD\uFFFD\uFFFDd\uFFFD\r\n亜\uFFFD");
    // A lead byte before a byte that cannot trail stands alone.
    EXPECT_EQ(SjisToUtf16("\x82 x"), u"\xFFFD x");
    EXPECT_EQ(SjisToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(Cp932, EncodingReportsWhatCp932CannotHold)
{
    // The bytes written, marked when something was lost.
    const auto utf8 = [](const std::string& Text) {
        bool lossless = false;
        const std::string bytes = Utf8ToSjis(Text, &lossless);
        return lossless ? bytes : bytes + "<lost>";
    };
    const auto utf16 = [](const std::u16string& Text) {
        bool lossless = false;
        const std::string bytes = Utf16ToSjis(Text, &lossless);
        return lossless ? bytes : bytes + "<lost>";
    };
    EXPECT_EQ(utf8("アイ亜 ok"), "\x83\x41\x83\x43\x88\x9F ok");
    EXPECT_EQ(utf8("é!"), "?!<lost>");
    EXPECT_EQ(utf8("\xF0\x9F\x98\x80"), "?<lost>"); // outside the BMP
    // Malformed UTF-8: every bad byte is one "?" and the rest converts.
    for (const char* bad : {"\xC3", "\x80", "\xFF", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        const std::string converted = utf8(std::string("a") + bad + "z");
        EXPECT_EQ(converted.find_first_not_of('?', 1), converted.size() - 7) << bad;
        EXPECT_EQ(converted.front() + converted.substr(converted.size() - 7), "az<lost>") << bad;
    }
    EXPECT_EQ(utf16(u"ア\xD800x"), "\x83\x41?x<lost>"); // a lone surrogate
    EXPECT_EQ(utf16(u"\xD83D\xDE00"), "?<lost>");
    EXPECT_EQ(utf16(std::u16string(u"x\0y", 3)), std::string("x\0y", 3));
}

} // namespace
