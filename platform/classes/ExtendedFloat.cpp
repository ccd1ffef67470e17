#include "platform/classes/ExtendedFloat.h"

#include <cmath>

namespace {
constexpr int kBias = 16383;
}

void LongDoubleToExtended(long double value, uint8_t out[10]) {
  uint16_t signExp = std::signbit(value) ? 0x8000 : 0;
  uint64_t mantissa = 0;
  long double magnitude = std::fabs(value);
  if (std::isnan(value)) {
    signExp |= 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(value)) {
    signExp |= 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (magnitude != 0) {
    int exponent;
    long double fraction = std::frexp(magnitude, &exponent);  // [0.5, 1)
    int biased = exponent - 1 + kBias;
    if (biased >= 0x7FFF) {
      signExp |= 0x7FFF;
      mantissa = 0x8000000000000000ull;
    } else if (biased <= 0) {
      // Too small for a normal extended: a denormal with exponent field 0.
      mantissa = static_cast<uint64_t>(std::ldexp(magnitude, kBias - 1 + 63));
    } else {
      signExp |= static_cast<uint16_t>(biased);
      mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
    }
  }
  for (int i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  out[8] = static_cast<uint8_t>(signExp);
  out[9] = static_cast<uint8_t>(signExp >> 8);
}

long double ExtendedToLongDouble(const uint8_t in[10]) {
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= static_cast<uint64_t>(in[i]) << (8 * i);
  uint16_t signExp = static_cast<uint16_t>(in[8] | (in[9] << 8));
  bool negative = signExp & 0x8000;
  int exponent = signExp & 0x7FFF;
  long double value;
  if (exponent == 0x7FFF) {
    value = (mantissa << 1) == 0 ? HUGE_VALL : NAN;
  } else if (exponent == 0) {
    value = std::ldexp(static_cast<long double>(mantissa), 1 - kBias - 63);
  } else {
    value = std::ldexp(static_cast<long double>(mantissa), exponent - kBias - 63);
  }
  return negative ? -value : value;
}
