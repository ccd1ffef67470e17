#pragma once
// The platform's sets: a set of up to 256 elements of an enumeration (or of a
// small integer range), stored as a bit field like the platform stores them so
// that a set's ordinal value (the low 32 bits) travels through type information.

#include <bitset>
#include <cstdint>
#include <initializer_list>

template <typename E, unsigned N = 256>
class TSet {
 public:
  constexpr TSet() = default;
  TSet(std::initializer_list<E> elements) {
    for (E e : elements) Include(e);
  }

  static TSet FromOrdinal(uint32_t bits) {
    TSet s;
    for (unsigned i = 0; i < 32 && i < N; ++i)
      if (bits & (1u << i)) s.bits_.set(i);
    return s;
  }
  // The set as the platform's ordinal of a small set: bit n stands for element n.
  uint32_t ToOrdinal() const {
    uint32_t v = 0;
    for (unsigned i = 0; i < 32 && i < N; ++i)
      if (bits_.test(i)) v |= 1u << i;
    return v;
  }

  bool Contains(E e) const { return bits_.test(Index(e)); }
  TSet& Include(E e) {
    bits_.set(Index(e));
    return *this;
  }
  TSet& Exclude(E e) {
    bits_.reset(Index(e));
    return *this;
  }
  bool Empty() const { return bits_.none(); }
  unsigned Count() const { return static_cast<unsigned>(bits_.count()); }
  void Clear() { bits_.reset(); }

  TSet operator+(const TSet& o) const { return FromBits(bits_ | o.bits_); }
  TSet operator-(const TSet& o) const { return FromBits(bits_ & ~o.bits_); }
  TSet operator*(const TSet& o) const { return FromBits(bits_ & o.bits_); }
  TSet operator+(E e) const { return TSet(*this).Include(e); }
  TSet operator-(E e) const { return TSet(*this).Exclude(e); }
  TSet& operator+=(const TSet& o) { bits_ |= o.bits_; return *this; }
  TSet& operator-=(const TSet& o) { bits_ &= ~o.bits_; return *this; }
  TSet& operator+=(E e) { return Include(e); }
  TSet& operator-=(E e) { return Exclude(e); }
  bool operator==(const TSet& o) const { return bits_ == o.bits_; }
  // Subset test, as the platform's <= on sets.
  bool operator<=(const TSet& o) const { return (bits_ & ~o.bits_).none(); }

 private:
  static unsigned Index(E e) { return static_cast<unsigned>(e) % N; }
  static TSet FromBits(const std::bitset<N>& b) {
    TSet s;
    s.bits_ = b;
    return s;
  }
  std::bitset<N> bits_;
};
