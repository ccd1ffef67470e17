#include "platform/design/DateTimeText.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

// Days between 1970-01-01 and 1899-12-30.
constexpr int64_t EpochOffset = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, int64_t& m, int64_t& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp + (mp < 10 ? 3 : -9);
  y = yoe + era * 400 + (m <= 2);
}

bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int64_t DaysInMonth(int64_t y, int64_t m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// Non-negative numbers separated by sep, each of at most maxDigits digits.
std::optional<std::vector<int64_t>> SplitNumbers(std::string_view text, char sep, size_t maxDigits) {
  std::vector<int64_t> parts;
  size_t pos = 0;
  while (true) {
    size_t digits = 0;
    int64_t value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < maxDigits) {
      value = value * 10 + (text[pos] - '0');
      ++pos;
      ++digits;
    }
    if (digits == 0 || parts.size() == 3) return std::nullopt;
    parts.push_back(value);
    if (pos == text.size()) return parts;
    if (text[pos] != sep) return std::nullopt;
    ++pos;
  }
}

std::optional<TDateTimeValue> ParseDate(std::string_view text) {
  auto parts = SplitNumbers(text, '-', 4);
  if (!parts || parts->size() != 3) return std::nullopt;
  const int64_t y = (*parts)[0], m = (*parts)[1], d = (*parts)[2];
  if (y < 1 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return std::nullopt;
  return static_cast<TDateTimeValue>(DaysFromCivil(y, m, d) + EpochOffset);
}

std::optional<TDateTimeValue> ParseTime(std::string_view text) {
  auto parts = SplitNumbers(text, ':', 2);
  if (!parts || parts->size() < 2) return std::nullopt;
  const int64_t h = (*parts)[0], n = (*parts)[1], s = parts->size() == 3 ? (*parts)[2] : 0;
  if (h > 23 || n > 59 || s > 59) return std::nullopt;
  return (h * 3600 + n * 60 + s) / 86400.0;
}

[[noreturn]] void ThrowNotValid(std::string_view text, const char* what) {
  throw EConvertError(Format("'%s' is not a valid %s", {std::string(text), what}));
}

// Whole seconds of the day, rounded so that 14:05:30 stored as a fraction
// prints back as 14:05:30.
int64_t SecondsOfDay(TDateTimeValue value) {
  const double fraction = std::fabs(value - std::trunc(value));
  const int64_t seconds = std::llround(fraction * 86400.0);
  return seconds >= 86400 ? 86399 : seconds;
}

}  // namespace

TDateTimeValue EncodeDate(int year, int month, int day) {
  return static_cast<TDateTimeValue>(DaysFromCivil(year, month, day) + EpochOffset);
}

TDateTimeValue EncodeTime(int hour, int minute, int second) {
  return (hour * 3600 + minute * 60 + second) / 86400.0;
}

std::string DateToStr(TDateTimeValue value) {
  int64_t y, m, d;
  CivilFromDays(static_cast<int64_t>(std::trunc(value)) - EpochOffset, y, m, d);
  return Format("%.4d-%.2d-%.2d", {static_cast<long long>(y), static_cast<long long>(m),
                                   static_cast<long long>(d)});
}

std::string TimeToStr(TDateTimeValue value) {
  const int64_t s = SecondsOfDay(value);
  return Format("%.2d:%.2d:%.2d", {static_cast<long long>(s / 3600),
                                   static_cast<long long>(s / 60 % 60),
                                   static_cast<long long>(s % 60)});
}

std::string DateTimeToStr(TDateTimeValue value) {
  std::string text = DateToStr(value);
  if (SecondsOfDay(value) != 0) text += " " + TimeToStr(value);
  return text;
}

TDateTimeValue StrToDate(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (auto date = ParseDate(trimmed)) return *date;
  ThrowNotValid(text, "date");
}

TDateTimeValue StrToTime(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (auto time = ParseTime(trimmed)) return *time;
  ThrowNotValid(text, "time");
}

TDateTimeValue StrToDateTime(std::string_view text) {
  const std::string trimmed = Trim(text);
  const size_t blank = trimmed.find(' ');
  auto date = ParseDate(std::string_view(trimmed).substr(0, blank));
  if (date && blank == std::string::npos) return *date;
  if (date) {
    if (auto time = ParseTime(Trim(std::string_view(trimmed).substr(blank + 1))))
      return *date + *time;
  }
  ThrowNotValid(text, "date and time");
}
