#include "settings/decimal_to_float.h"

#include <cmath>
#include <cstdint>

// The number is a fraction A / B of big integers; a power of two 2^k brings
// A * 2^k / B between 2^23 and 2^24, where its integer part is the float's
// significand, and the remainder decides the rounding.
namespace {

// Room for every number that can still round to a float: 121 digits with
// up to 167 powers of ten below them, or 39 digits' worth above, and the
// 2^149 of the smallest float.
constexpr int kLimbs = 20;

struct Big {
  std::uint32_t limb[kLimbs] = {};  // least significant first
  int size = 0;                     // limbs in use; the top one is not 0

  void Trim() {
    while (size > 0 && limb[size - 1] == 0) --size;
  }

  void MultiplyAdd(std::uint32_t factor, std::uint32_t add) {
    std::uint64_t carry = add;
    for (int k = 0; k < size; ++k) {
      carry += static_cast<std::uint64_t>(limb[k]) * factor;
      limb[k] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    if (carry != 0) limb[size++] = static_cast<std::uint32_t>(carry);
  }

  void ShiftLeft(int bits) {
    const int words = bits / 32;
    const int rest = bits % 32;
    for (int k = size - 1 + words + 1; k >= 0; --k) {
      const int from = k - words;
      const std::uint32_t high = from >= 0 && from < size ? limb[from] : 0;
      const std::uint32_t low = from - 1 >= 0 && from - 1 < size ? limb[from - 1] : 0;
      limb[k] = rest == 0 ? high : (high << rest) | (low >> (32 - rest));
    }
    size += words + 1;
    Trim();
  }

  void ShiftRightOne() {
    for (int k = 0; k < size; ++k) {
      const std::uint32_t next = k + 1 < size ? limb[k + 1] : 0;
      limb[k] = (limb[k] >> 1) | (next << 31);
    }
    Trim();
  }

  int Bits() const {
    if (size == 0) return 0;
    int bits = 32 * (size - 1);
    for (std::uint32_t top = limb[size - 1]; top != 0; top >>= 1) ++bits;
    return bits;
  }

  void Subtract(const Big& other) {  // *this >= other
    std::int64_t borrow = 0;
    for (int k = 0; k < size; ++k) {
      std::int64_t difference = static_cast<std::int64_t>(limb[k]) - borrow -
                                (k < other.size ? static_cast<std::int64_t>(other.limb[k]) : 0);
      borrow = difference < 0 ? 1 : 0;
      limb[k] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    Trim();
  }
};

int Compare(const Big& a, const Big& b) {
  if (a.size != b.size) return a.size < b.size ? -1 : 1;
  for (int k = a.size - 1; k >= 0; --k) {
    if (a.limb[k] != b.limb[k]) return a.limb[k] < b.limb[k] ? -1 : 1;
  }
  return 0;
}

void MultiplyByPowerOfTen(Big& big, int power) {
  for (; power >= 9; power -= 9) big.MultiplyAdd(1000000000u, 0);
  for (; power > 0; --power) big.MultiplyAdd(10, 0);
}

// floor(a / b) for a quotient below 2^26; `a` keeps the remainder.
std::uint32_t Divide(Big& a, const Big& b) {
  const int top = a.Bits() - b.Bits();
  if (top < 0) return 0;
  Big shifted = b;
  shifted.ShiftLeft(top);
  std::uint32_t quotient = 0;
  for (int bit = top; bit >= 0; --bit) {
    if (Compare(a, shifted) >= 0) {
      a.Subtract(shifted);
      quotient |= 1u << bit;
    }
    shifted.ShiftRightOne();
  }
  return quotient;
}

// Where float's range ends, as the power of ten of the leading digit: from
// 10^39 on a number is too large, below 10^-46 it rounds to 0.
constexpr int kFirstTooLarge = 39;
constexpr int kLastToZero = -47;
constexpr int kSmallestPower = 149;  // the smallest float is 2^-149

}  // namespace

bool DecimalToFloat(const char* digits, std::size_t count, int exponent, float& value) {
  const int leading = static_cast<int>(count) - 1 + exponent;
  if (count == 0 || leading <= kLastToZero) {
    value = 0.0f;
    return true;
  }
  if (leading >= kFirstTooLarge) return false;
  Big a;
  for (std::size_t k = 0; k < count; ++k) {
    a.MultiplyAdd(10, static_cast<std::uint32_t>(digits[k] - '0'));
  }
  Big b;
  b.limb[0] = 1;
  b.size = 1;
  MultiplyByPowerOfTen(exponent >= 0 ? a : b, exponent >= 0 ? exponent : -exponent);

  // A * 2^k / B in [2^23, 2^24), or k at the smallest float's power.
  int power = 24 - (a.Bits() - b.Bits());
  if (power > kSmallestPower) power = kSmallestPower;
  for (;;) {
    Big scaled_a = a;
    Big scaled_b = b;
    if (power >= 0) {
      scaled_a.ShiftLeft(power);
    } else {
      scaled_b.ShiftLeft(-power);
    }
    std::uint32_t significand = Divide(scaled_a, scaled_b);
    if (significand >= (1u << 24)) {
      --power;
      continue;
    }
    // The remainder against half of B: above rounds up, a tie to even.
    scaled_a.ShiftLeft(1);
    const int half = Compare(scaled_a, scaled_b);
    if (half > 0 || (half == 0 && (significand & 1) != 0)) ++significand;
    value = std::ldexp(static_cast<float>(significand), -power);
    return std::isfinite(value);
  }
}
