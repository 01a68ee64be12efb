#pragma once
#include <cstdint>
#include <initializer_list>

// A small set of enumeration values (ordinals 0..63), used where the controls
// speak of sets: font styles, shift states, control styles, component states.
template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items)
    {
        for (E e : items)
            bits_ |= bit(e);
    }
    static constexpr TSet FromBits(std::uint64_t bits)
    {
        TSet s;
        s.bits_ = bits;
        return s;
    }

    constexpr bool Contains(E e) const { return (bits_ & bit(e)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint64_t Bits() const { return bits_; }

    TSet &Include(E e) { bits_ |= bit(e); return *this; }
    TSet &Exclude(E e) { bits_ &= ~bit(e); return *this; }
    TSet &operator<<(E e) { return Include(e); }
    TSet &operator>>(E e) { return Exclude(e); }

    constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
    constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr bool operator==(TSet o) const { return bits_ == o.bits_; }
    constexpr bool operator!=(TSet o) const { return bits_ != o.bits_; }

private:
    static constexpr std::uint64_t bit(E e) { return std::uint64_t(1) << static_cast<unsigned>(e); }
    std::uint64_t bits_ = 0;
};
