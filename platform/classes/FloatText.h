#pragma once
// Floats in the text form, printed as the classic converter prints them.

#include <string>

// An extended value: rounded to 16 significant digits and shown with 18
// decimals ("1.500000000000000000"); scientific beyond 16 integer digits.
std::string FormatExtendedText(long double value);

// The general form with at most 15 significant digits and no trailing zeros
// ("1.5", "1E20", "1.5E-7"), used for single, currency and date values.
std::string FormatGeneralFloat(long double value);
