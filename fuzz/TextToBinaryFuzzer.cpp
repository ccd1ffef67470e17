// Arbitrary text into ObjectTextToBinary. Refusal must be a platform
// exception; what is accepted must convert to text and back, and that text
// must be a fixed point (a second round trip changes nothing).

#include <cstddef>
#include <cstdint>

#include "FuzzConversions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size), binary, text2, binary2, text3;
  if (!TryTextToBinary(text, binary)) return 0;
  FUZZ_CHECK(TryBinaryToText(binary, text2));
  FUZZ_CHECK(TryTextToBinary(text2, binary2));
  FUZZ_CHECK(TryBinaryToText(binary2, text3));
  FUZZ_CHECK(text3 == text2);
  return 0;
}
