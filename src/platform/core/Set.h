// A set of the values of a small enumeration (at most 32 values), kept as
// a bit mask: bit n stands for the value n.
#pragma once

#include <cstdint>
#include <initializer_list>

template <typename Enum>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<Enum> Values)
    {
        for (Enum value : Values)
            Bits_ |= Bit(value);
    }
    static constexpr TSet FromBits(uint32_t Bits)
    {
        TSet set;
        set.Bits_ = Bits;
        return set;
    }

    constexpr uint32_t Bits() const { return Bits_; }
    constexpr bool Contains(Enum Value) const { return (Bits_ & Bit(Value)) != 0; }
    constexpr bool Empty() const { return Bits_ == 0; }
    constexpr TSet& Include(Enum Value)
    {
        Bits_ |= Bit(Value);
        return *this;
    }
    constexpr TSet& Exclude(Enum Value)
    {
        Bits_ &= ~Bit(Value);
        return *this;
    }

    constexpr TSet operator+(TSet Other) const { return FromBits(Bits_ | Other.Bits_); }
    constexpr TSet operator-(TSet Other) const { return FromBits(Bits_ & ~Other.Bits_); }
    constexpr TSet operator*(TSet Other) const { return FromBits(Bits_ & Other.Bits_); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint32_t Bit(Enum Value) { return uint32_t{1} << static_cast<unsigned>(Value); }
    uint32_t Bits_ = 0;
};
