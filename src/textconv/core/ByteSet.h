// A constant set of byte values, for the character classes the conversions
// test byte by byte.
#pragma once

#include <cstdint>
#include <string_view>

namespace textconv {

class ByteSet {
public:
    constexpr ByteSet() = default;
    constexpr explicit ByteSet(std::string_view Bytes)
    {
        for (char byte : Bytes)
            Insert(static_cast<unsigned char>(byte));
    }
    static constexpr ByteSet Range(unsigned char First, unsigned char Last)
    {
        ByteSet set;
        for (unsigned value = First; value <= Last; ++value)
            set.Insert(static_cast<unsigned char>(value));
        return set;
    }

    constexpr ByteSet operator+(const ByteSet& Other) const
    {
        ByteSet set;
        for (int i = 0; i < 4; ++i)
            set.Words_[i] = Words_[i] | Other.Words_[i];
        return set;
    }

    constexpr bool Contains(unsigned char Byte) const { return (Words_[Byte >> 6] >> (Byte & 63) & 1) != 0; }

private:
    constexpr void Insert(unsigned char Byte) { Words_[Byte >> 6] |= uint64_t{1} << (Byte & 63); }

    uint64_t Words_[4] = {};
};

} // namespace textconv
