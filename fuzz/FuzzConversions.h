#pragma once
// Helpers shared by the conversion fuzzers: whole-buffer conversions that
// answer false when the input is refused with one of the platform's
// exceptions. Anything else escaping is a finding.

#include <string>

#include "platform/classes/ObjectText.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"

inline bool TryTextToBinary(const std::string& text, std::string& binary) {
  try {
    TStringStream input(text), output;
    ObjectTextToBinary(input, output);
    binary = output.DataString();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

inline bool TryBinaryToText(const std::string& binary, std::string& text) {
  try {
    TStringStream input(binary), output;
    if (!binary.empty() && static_cast<unsigned char>(binary[0]) == 0xFF) {
      ObjectResourceToText(input, output);
    } else {
      ObjectBinaryToText(input, output);
    }
    text = output.DataString();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// Reports a broken invariant as a crash, which libFuzzer records with its input.
#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) __builtin_trap(); \
  } while (0)
