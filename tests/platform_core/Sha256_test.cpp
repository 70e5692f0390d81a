#include "Sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Hex(const TSha256Digest& Digest)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (const uint8_t byte : Digest) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

// The published test vectors, whose lengths put the padding in the same
// block, in a block of its own, and after many blocks.
TEST(Sha256, GivesThePublishedDigests)
{
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& [bytes, digest] : cases)
        EXPECT_EQ(Hex(Sha256(bytes)), digest) << bytes.size();
}

// A file written in pieces is read back whole: both give one digest
// wherever the pieces break.
TEST(Sha256, PiecesGiveTheDigestOfTheWhole)
{
    std::string bytes;
    for (int i = 0; i < 300; ++i)
        bytes += static_cast<char>(i * 7);
    const TSha256Digest whole = Sha256(bytes);
    for (size_t first = 0; first <= bytes.size(); first += 7)
        for (size_t second = first; second <= bytes.size(); second += 31) {
            TSha256 sha;
            sha.Add(std::string_view(bytes).substr(0, first));
            sha.Add(std::string_view(bytes).substr(first, second - first));
            sha.Add(std::string_view(bytes).substr(second));
            ASSERT_EQ(sha.Finish(), whole) << first << " " << second;
        }
}

} // namespace
