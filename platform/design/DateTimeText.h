#pragma once
// Dates and times as the property editors show them. A TDateTime counts days
// since 1899-12-30, the time of day being the fraction. The text is fixed and
// locale-free, "2024-03-09" and "14:05:30", so that what one user types reads
// back the same everywhere.

#include <string>
#include <string_view>

using TDateTimeValue = double;

std::string DateToStr(TDateTimeValue value);
std::string TimeToStr(TDateTimeValue value);
// The date, then the time when it is not midnight.
std::string DateTimeToStr(TDateTimeValue value);

// Blanks around the text are allowed. EConvertError "'x' is not a valid
// date" (time, date and time) otherwise, also for days that do not exist.
TDateTimeValue StrToDate(std::string_view text);
TDateTimeValue StrToTime(std::string_view text);
TDateTimeValue StrToDateTime(std::string_view text);

TDateTimeValue EncodeDate(int year, int month, int day);
TDateTimeValue EncodeTime(int hour, int minute, int second);
