#pragma once
// The 10-byte extended float of the binary stream (sign, 15-bit exponent,
// 64-bit mantissa with an explicit integer bit), little-endian, converted
// without relying on the host's long double being that format.

#include <cstdint>

void LongDoubleToExtended(long double value, uint8_t out[10]);
long double ExtendedToLongDouble(const uint8_t in[10]);
