#pragma once
// A decimal number rounded to the nearest float (ties to even), exactly: the
// conversion a formatted input stream makes, without the C library. Used for
// the values the reader's short path cannot take exactly.
#include <cstddef>

// `digits` are '0' to '9', at most kMaxDecimalDigits of them, the first not
// '0'; the number is those digits as an integer times 10^exponent. False when
// the number is too large for a float; one too small reads as 0.
inline constexpr std::size_t kMaxDecimalDigits = 121;
bool DecimalToFloat(const char* digits, std::size_t count, int exponent, float& value);
