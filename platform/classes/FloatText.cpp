#include "platform/classes/FloatText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// The value's significant digits (rounded to `precision`) and the decimal
// exponent of the first one: value = d.ddd * 10^exponent.
struct TDecimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

TDecimal Decompose(long double value, int precision) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*Le", precision - 1, value);
  TDecimal d;
  const char* p = buf;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; *p && *p != 'e'; ++p)
    if (*p != '.') d.digits.push_back(*p);
  if (*p == 'e') d.exponent = std::atoi(p + 1);
  return d;
}

std::string NonFinite(long double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string Scientific(const TDecimal& d) {
  std::string digits = d.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string s = d.negative ? "-" : "";
  s += digits[0];
  if (digits.size() > 1) s.append(".").append(digits, 1);
  return s.append("E").append(std::to_string(d.exponent));
}

}  // namespace

std::string FormatExtendedText(long double value) {
  constexpr int kPrecision = 16, kDecimals = 18;
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return "0." + std::string(kDecimals, '0');
  TDecimal d = Decompose(value, kPrecision);
  if (d.exponent >= kPrecision) return Scientific(d);
  if (d.exponent < kPrecision - kDecimals - 1) {
    // The 16 digits reach beyond the decimals shown: round to those instead.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Lf", kDecimals, value);
    std::string s = buf;
    // A tiny negative value shows as zero, and zero has no sign.
    if (s.find_first_not_of("-0.") == std::string::npos) return "0." + std::string(kDecimals, '0');
    return s;
  }
  std::string s = d.negative ? "-" : "";
  if (d.exponent >= 0) {
    s += d.digits.substr(0, static_cast<size_t>(d.exponent) + 1) + "." +
         d.digits.substr(static_cast<size_t>(d.exponent) + 1);
  } else {
    s += "0." + std::string(static_cast<size_t>(-d.exponent - 1), '0') + d.digits;
  }
  size_t decimals = s.size() - s.find('.') - 1;
  return s + std::string(kDecimals - decimals, '0');
}

std::string FormatGeneralFloat(long double value) {
  constexpr int kPrecision = 15;
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return "0";
  TDecimal d = Decompose(value, kPrecision);
  if (d.exponent >= kPrecision || d.exponent < -4) return Scientific(d);
  std::string digits = d.digits;
  while (!digits.empty() && digits.back() == '0' && static_cast<int>(digits.size()) > d.exponent + 1)
    digits.pop_back();
  std::string s = d.negative ? "-" : "";
  if (d.exponent >= 0) {
    s += digits.substr(0, static_cast<size_t>(d.exponent) + 1);
    if (digits.size() > static_cast<size_t>(d.exponent) + 1) s.append(".").append(digits, static_cast<size_t>(d.exponent) + 1);
  } else {
    s.append("0.").append(static_cast<size_t>(-d.exponent - 1), '0').append(digits);
  }
  return s;
}
