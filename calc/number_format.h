#pragma once

#include "calc/fixed_point.h"

#include <cstdint>
#include <string>
#include <string_view>

// The three ways the report writes a number. None depends on the process's C locale: the
// decimal separator is whatever the caller passes (the user's regional settings).
namespace calc {

// Decimal digits, a minus sign when negative: 24 -> "24".
void appendInteger(std::string& out, std::int64_t value);

// Integer part, then the separator and one to four fraction digits when the fraction is not zero:
// 9.4170 -> "9.417", 12.0000 -> "12", 0.0024 -> "0.0024".
void appendFixedPoint(std::string& out, FixedPoint value, std::string_view separator);

// Rounded to 15 significant digits, trailing fraction zeros and a bare separator dropped:
// 6 -> "6", 19.998 -> "19.998". Values in the report's range never take an exponent.
void appendReal(std::string& out, double value, std::string_view separator);

} // namespace calc
