// Reading the 32-bit little-endian integers and byte runs of the document
// file and of the page clipboard front to back, every read checked against
// what is left: a read past the end calls Damaged, which throws the
// format's own error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class TByteReader {
public:
    TByteReader(std::string_view Bytes, void (*Damaged)()) : Rest_(Bytes), Damaged_(Damaged) {}

    size_t Left() const { return Rest_.size(); }
    uint32_t U32()
    {
        if (Rest_.size() < 4)
            Damaged_();
        const auto* b = reinterpret_cast<const unsigned char*>(Rest_.data());
        Rest_.remove_prefix(4);
        return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    std::string_view Bytes(uint64_t Count)
    {
        if (Count > Rest_.size())
            Damaged_();
        const std::string_view bytes = Rest_.substr(0, static_cast<size_t>(Count));
        Rest_.remove_prefix(static_cast<size_t>(Count));
        return bytes;
    }
    // A byte run after its length.
    std::string_view String() { return Bytes(U32()); }

private:
    std::string_view Rest_;
    void (*Damaged_)();
};
