// Whether bytes are well-formed UTF-8, and how far: the quick checks agree
// with decoding them one character at a time.
#include "Utf8.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Where decoding one character at a time first fails, or the end.
size_t DecodedLength(std::string_view Text)
{
    size_t start = 0;
    for (size_t pos = 0; pos < Text.size() && NextUtf8(Text, pos);)
        start = pos;
    return start;
}

TEST(Utf8, IsUtf8TellsWellFormedSequences)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"plain ASCII, more than eight bytes", true},
        {"caf\xC3\xA9", true},
        {"\xE3\x81\x82\xF0\x9F\x98\x80", true}, // あ, an emoji
        {"\xEF\xBF\xBF\xF4\x8F\xBF\xBF", true}, // U+FFFF, U+10FFFF
        {"\xC0\x80", false},                    // an overlong NUL
        {"\xE0\x9F\xBF", false},                // an overlong form of three bytes
        {"\xED\xA0\x80", false},                // a surrogate
        {"\xF4\x90\x80\x80", false},            // past U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"abcdefgh\x80", false},    // a stray continuation byte after eight ASCII bytes
        {"abcdefg\xE3\x81", false}, // cut inside the last character
        {"\xE3\x81\x41", false},
    };
    for (const auto& [text, wellFormed] : cases)
        EXPECT_EQ(IsUtf8(text), wellFormed) << text;
}

// Random bytes drawn mostly from the ranges UTF-8 sequences are made of.
TEST(Utf8, IsUtf8AgreesWithDecoding)
{
    std::mt19937 random(8);
    const unsigned char bytes[] = {'a',  ' ',  0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0,
                                   0xC2, 0xDF, 0xE0, 0xE3, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
    for (int i = 0; i < 100000; ++i) {
        std::string text(random() % 12, ' ');
        for (char& c : text)
            c = static_cast<char>(bytes[random() % std::size(bytes)]);
        ASSERT_EQ(WellFormedUtf8Length(text), DecodedLength(text)) << testing::PrintToString(text);
        ASSERT_EQ(IsUtf8(text), DecodedLength(text) == text.size()) << testing::PrintToString(text);
    }
}

} // namespace
