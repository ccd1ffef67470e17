// Floating-point text, as the platform writes and reads it: the value is first
// taken to 18 significant decimal digits and then rounded half away from zero
// on those digits, so 0.125 prints as "0.13" with two decimals, not "0.12".

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

// value = 0.digits * 10^exponent; no digits means zero.
struct TDecimal {
  bool negative = false;
  int exponent = 0;
  std::string digits;
};

constexpr int kMaxDigits = 18;

TDecimal ToDecimal(long double value) {
  TDecimal d;
  if (value == 0) return d;
  d.negative = value < 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*Le", kMaxDigits - 1, std::fabs(value));
  // buf is "d.ddddddddddddddddde+XX".
  d.digits.push_back(buf[0]);
  const char* p = buf + 2;
  while (*p >= '0' && *p <= '9') d.digits.push_back(*p++);
  d.exponent = std::atoi(p + 1) + 1;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Keeps `count` significant digits, rounding half up; drops trailing zeros.
void RoundTo(TDecimal& d, int count) {
  if (count < 0) {
    d.digits.clear();
  } else if (static_cast<size_t>(count) < d.digits.size()) {
    bool up = d.digits[static_cast<size_t>(count)] >= '5';
    d.digits.resize(static_cast<size_t>(count));
    if (up) {
      int i = count - 1;
      while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') d.digits[static_cast<size_t>(i--)] = '0';
      if (i >= 0) {
        ++d.digits[static_cast<size_t>(i)];
      } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
      }
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

char DigitAt(const TDecimal& d, int index) {
  return index >= 0 && static_cast<size_t>(index) < d.digits.size() ? d.digits[static_cast<size_t>(index)] : '0';
}

std::string Sign(const TDecimal& d) { return d.negative && !d.digits.empty() ? "-" : ""; }

std::string ExponentText(int exponent, int minDigits, bool plusSign) {
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
  return std::string("E") + (exponent < 0 ? "-" : plusSign ? "+" : "") + digits;
}

std::string FixedText(TDecimal d, int decimals, bool thousands) {
  RoundTo(d, d.exponent + decimals);
  std::string whole;
  if (d.exponent <= 0) {
    whole = "0";
  } else {
    for (int i = 0; i < d.exponent; ++i) {
      if (thousands && i > 0 && (d.exponent - i) % 3 == 0) whole.push_back(',');
      whole.push_back(DigitAt(d, i));
    }
  }
  std::string text = Sign(d) + whole;
  if (decimals > 0) {
    text.push_back('.');
    for (int i = 0; i < decimals; ++i) text.push_back(DigitAt(d, d.exponent + i));
  }
  return text;
}

std::string ExponentFormText(TDecimal d, int precision, int expDigits) {
  RoundTo(d, precision);
  std::string text = Sign(d);
  text.push_back(DigitAt(d, 0));
  if (precision > 1) {
    text.push_back('.');
    for (int i = 1; i < precision; ++i) text.push_back(DigitAt(d, i));
  }
  return text + ExponentText(d.digits.empty() ? 0 : d.exponent - 1, expDigits, true);
}

std::string GeneralText(TDecimal d, int precision, int expDigits) {
  RoundTo(d, precision);
  if (d.digits.empty()) return "0";
  int count = static_cast<int>(d.digits.size());
  if (d.exponent > precision || d.exponent < -3) {
    std::string text = Sign(d);
    text.push_back(d.digits[0]);
    if (count > 1) text.append(".").append(d.digits, 1);
    return text + ExponentText(d.exponent - 1, expDigits, false);
  }
  return FixedText(d, count > d.exponent ? count - d.exponent : 0, false);
}

int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  precision = Clamp(precision, 1, kMaxDigits);
  TDecimal d = ToDecimal(value);
  switch (format) {
    case ffExponent:
      return ExponentFormText(d, precision, Clamp(digits, 0, 4));
    case ffFixed:
    case ffNumber:
      // Too many integer digits for the precision: the platform falls back to
      // the general format rather than print invented digits.
      if (d.exponent > precision) return GeneralText(d, precision, 0);
      return FixedText(d, Clamp(digits, 0, kMaxDigits), format == ffNumber);
    case ffGeneral:
      break;
  }
  return GeneralText(d, precision, Clamp(digits, 0, 4));
}

std::string FloatToStr(long double value) { return FloatToStrF(value, ffGeneral, 15, 0); }

bool TryStrToFloat(std::string_view s, long double& value) {
  std::string text = Trim(s);
  // Only plain decimal notation: strtold alone would also take hex floats,
  // "inf" and "nan", which the platform does not.
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t mantissa = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++mantissa;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++mantissa;
  }
  if (mantissa == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != text.size()) return false;
  errno = 0;
  long double v = std::strtold(text.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(v)) return false;
  value = v;
  return true;
}

long double StrToFloat(std::string_view s) {
  long double v;
  if (!TryStrToFloat(s, v)) throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
  return v;
}

long double StrToFloatDef(std::string_view s, long double defaultValue) {
  long double v;
  return TryStrToFloat(s, v) ? v : defaultValue;
}
