#include "settings/value_scan.h"

#include <algorithm>

#include "settings/decimal_to_float.h"

// The numbers are read as `stream >> number` reads them in the classic locale,
// without a stream: the reader runs every frame, and a stream per value would
// cost more than reading the files.
namespace {

// What a formatted stream skips before each number.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

std::size_t SkipSpace(std::string_view text, std::size_t at) {
  while (at < text.size() && IsSpace(text[at])) ++at;
  return at;
}

// An optional sign and decimal digits. The stream takes every digit, even
// past the range, and then fails the read when the number does not fit.
bool ReadInt(std::string_view text, std::size_t& at, std::int32_t& number) {
  std::size_t k = SkipSpace(text, at);
  const bool negative = k < text.size() && text[k] == '-';
  if (k < text.size() && IsSign(text[k])) ++k;
  const std::uint32_t limit = negative ? 2147483648u : 2147483647u;
  std::uint32_t magnitude = 0;
  bool too_big = false;
  const std::size_t digits = k;
  for (; k < text.size() && IsDigit(text[k]); ++k) {
    const auto digit = static_cast<std::uint32_t>(text[k] - '0');
    if (magnitude > (limit - digit) / 10) {
      too_big = true;
    } else {
      magnitude = magnitude * 10 + digit;
    }
  }
  if (k == digits || too_big) return false;
  number = static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
  at = k;
  return true;
}

// A float as a stream takes it: an optional sign, digits with at most one
// point, then "e" or "E", an optional sign and digits. The exponent is taken
// only after a digit, and a number whose exponent has no digits fails, as it
// fails the conversion the stream hands the characters to. On the way the
// digits are gathered for the short conversion below, when they fit.
struct FloatText {
  std::size_t mantissa = 0;  // after the sign
  std::size_t end = 0;
  bool negative = false;
  std::uint32_t digits = 0;  // the digits as an integer, while below 2^24
  int scale = 0;             // the power of ten they are multiplied by
  bool short_form = true;    // digits and scale are exact
};

// Exact when the digits make an integer below 2^24 and the power of ten is
// at most 10^10: both are floats then, and one division or multiplication
// rounds once, correctly. Most settings values are of this kind.
constexpr float kPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                  1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
constexpr std::uint32_t kExactDigits = 1u << 24;
constexpr int kLargestExponent = 100000;  // beyond it only the sign matters

void TakeDigit(FloatText& taken, char c, bool fraction) {
  if (taken.digits >= kExactDigits / 10) {
    taken.short_form = false;
    return;
  }
  taken.digits = taken.digits * 10 + static_cast<std::uint32_t>(c - '0');
  taken.scale -= fraction ? 1 : 0;
}

bool TakeFloatText(std::string_view text, std::size_t at, FloatText& taken) {
  std::size_t k = SkipSpace(text, at);
  taken.negative = k < text.size() && text[k] == '-';
  if (k < text.size() && IsSign(text[k])) ++k;
  taken.mantissa = k;
  std::size_t digits = 0;
  for (; k < text.size() && IsDigit(text[k]); ++k, ++digits) TakeDigit(taken, text[k], false);
  if (k < text.size() && text[k] == '.') {
    for (++k; k < text.size() && IsDigit(text[k]); ++k, ++digits) TakeDigit(taken, text[k], true);
  }
  if (digits == 0) return false;
  if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
    std::size_t exponent_at = k + 1;
    const bool negative = exponent_at < text.size() && text[exponent_at] == '-';
    if (exponent_at < text.size() && IsSign(text[exponent_at])) ++exponent_at;
    int exponent = 0;
    for (k = exponent_at; k < text.size() && IsDigit(text[k]); ++k) {
      if (exponent < kLargestExponent) exponent = exponent * 10 + (text[k] - '0');
    }
    if (k == exponent_at) return false;
    taken.scale += negative ? -exponent : exponent;
  }
  taken.end = k;
  return true;
}

bool ConvertShort(const FloatText& taken, float& value) {
  if (!taken.short_form || taken.scale < -10 || taken.scale > 10) return false;
  const auto whole = static_cast<float>(taken.digits);
  value = taken.scale < 0 ? whole / kPowersOfTen[-taken.scale] : whole * kPowersOfTen[taken.scale];
  return true;
}

// Any other number is rounded exactly, as the stream's own conversion
// rounds it. Past kKeptDigits significant digits only whether any of them is
// not 0 matters: every point where float rounding changes (the midpoints
// between floats) has fewer significant digits than that, so the kept digits
// with a 1 after them round as the whole number does.
constexpr std::size_t kKeptDigits = kMaxDecimalDigits - 1;

bool ConvertLong(std::string_view digits, float& value) {
  char kept_digits[kMaxDecimalDigits];
  std::size_t kept = 0;
  long long exponent = 0;
  bool fraction = false;
  bool beyond = false;  // a digit past the kept ones is not 0
  std::size_t k = 0;
  for (; k < digits.size() && digits[k] != 'e' && digits[k] != 'E'; ++k) {
    const char c = digits[k];
    if (c == '.') {
      fraction = true;
    } else if (kept == 0 && c == '0') {
      exponent -= fraction ? 1 : 0;
    } else if (kept < kKeptDigits) {
      kept_digits[kept++] = c;
      exponent -= fraction ? 1 : 0;
    } else {
      beyond = beyond || c != '0';
      exponent += fraction ? 0 : 1;
    }
  }
  if (beyond) {
    kept_digits[kept++] = '1';
    --exponent;
  }
  if (k < digits.size()) {
    const bool negative = digits[k + 1] == '-';
    long long written = 0;
    for (k += IsSign(digits[k + 1]) ? 2 : 1; k < digits.size(); ++k) {
      if (written < kLargestExponent) written = written * 10 + (digits[k] - '0');
    }
    exponent += negative ? -written : written;
  }
  exponent = std::clamp<long long>(exponent, -kLargestExponent, kLargestExponent);
  return DecimalToFloat(kept_digits, kept, static_cast<int>(exponent), value);
}

bool ReadFloat(std::string_view text, std::size_t& at, float& number) {
  FloatText taken;
  if (!TakeFloatText(text, at, taken)) return false;
  float value;
  if (!ConvertShort(taken, value)) {
    const std::string_view digits = text.substr(taken.mantissa, taken.end - taken.mantissa);
    if (!ConvertLong(digits, value)) return false;
  }
  number = taken.negative ? -value : value;
  at = taken.end;
  return true;
}

template <typename Number, bool (*Read)(std::string_view, std::size_t&, Number&)>
NumberScan<Number> Scan(std::string_view value, std::size_t limit) {
  NumberScan<Number> scan;
  std::size_t at = 0;
  while (scan.count < limit && scan.count < kMaxScannedNumbers) {
    Number number;
    if (!Read(value, at, number)) break;
    scan.numbers[scan.count++] = number;
    scan.end = at;
  }
  return scan;
}

}  // namespace

NumberScan<float> ScanFloats(std::string_view value, std::size_t limit) {
  return Scan<float, ReadFloat>(value, limit);
}

NumberScan<std::int32_t> ScanInts(std::string_view value, std::size_t limit) {
  return Scan<std::int32_t, ReadInt>(value, limit);
}
