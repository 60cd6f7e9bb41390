#pragma once
// Display windows are host-clock times in milliseconds, kept and compared as
// signed 32-bit values. Sums and differences wrap as the host's 32-bit clock
// does instead of overflowing.
#include <cstdint>

inline std::int32_t ClockPlus(std::int32_t now, std::int32_t ms) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(now) +
                                   static_cast<std::uint32_t>(ms));
}

inline std::int32_t ClockMinus(std::int32_t until, std::int32_t now) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(until) -
                                   static_cast<std::uint32_t>(now));
}
