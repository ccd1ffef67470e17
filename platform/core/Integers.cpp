// Integer text: decimal and hexadecimal, in and out.

#include <limits>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

std::string HexDigits(uint64_t value, int digits) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), kHex[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
  return text;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses into [minValue, maxValue]; false on any stray character or overflow.
bool ParseInteger(std::string_view s, int64_t minValue, int64_t maxValue, int64_t& result) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == s.size()) return false;
  // Accumulate the magnitude; the limit of a negative number is one larger.
  uint64_t limit = negative ? static_cast<uint64_t>(-(minValue + 1)) + 1 : static_cast<uint64_t>(maxValue);
  uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    int digit = base == 16 ? HexValue(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
    if (digit < 0) return false;
    if (magnitude > (limit - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base)) return false;
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }
  result = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

[[noreturn]] void InvalidInteger(std::string_view s) {
  throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
}

}  // namespace

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(int32_t value, int digits) { return HexDigits(static_cast<uint32_t>(value), digits); }

std::string IntToHex(int64_t value, int digits) { return HexDigits(static_cast<uint64_t>(value), digits); }

bool TryStrToInt(std::string_view s, int32_t& value) {
  int64_t v;
  if (!ParseInteger(s, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), v)) return false;
  value = static_cast<int32_t>(v);
  return true;
}

bool TryStrToInt64(std::string_view s, int64_t& value) {
  return ParseInteger(s, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max(), value);
}

int32_t StrToInt(std::string_view s) {
  int32_t v;
  if (!TryStrToInt(s, v)) InvalidInteger(s);
  return v;
}

int64_t StrToInt64(std::string_view s) {
  int64_t v;
  if (!TryStrToInt64(s, v)) InvalidInteger(s);
  return v;
}

int32_t StrToIntDef(std::string_view s, int32_t defaultValue) {
  int32_t v;
  return TryStrToInt(s, v) ? v : defaultValue;
}

int64_t StrToInt64Def(std::string_view s, int64_t defaultValue) {
  int64_t v;
  return TryStrToInt64(s, v) ? v : defaultValue;
}
