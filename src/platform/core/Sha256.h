// The SHA-256 digest of bytes given in one or more pieces: whether a file
// still holds what the program read or wrote, without keeping the bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

using TSha256Digest = std::array<uint8_t, 32>;

class TSha256 {
public:
    TSha256();
    // The bytes that follow those added before.
    void Add(std::string_view Bytes);
    // The digest of every byte added; the object is spent.
    TSha256Digest Finish();

private:
    void Compress(const uint8_t* Block);

    std::array<uint32_t, 8> State_;
    std::array<uint8_t, 64> Block_{};
    size_t Filled_ = 0;
    uint64_t Length_ = 0;
};

TSha256Digest Sha256(std::string_view Bytes);
