// Arbitrary bytes into ObjectBinaryToText (or ObjectResourceToText when they
// start like a form file). Refusal must be a platform exception; text that
// converts back must give the same text again.

#include <cstddef>
#include <cstdint>

#include "FuzzConversions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string binary(reinterpret_cast<const char*>(data), size), text, binary2, text2;
  if (!TryBinaryToText(binary, text)) return 0;
  // Names in a binary stream may be anything; text that is not valid again is
  // not a finding, text that comes back different is.
  if (!TryTextToBinary(text, binary2)) return 0;
  FUZZ_CHECK(TryBinaryToText(binary2, text2));
  FUZZ_CHECK(text2 == text);
  return 0;
}
