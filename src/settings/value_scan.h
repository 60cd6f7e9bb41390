#pragma once
// How the settings reader converts a value: numbers of one type read one after
// another from the value's start, as a formatted input stream in the classic
// locale reads them (white space skipped before each, decimal integers only),
// until one cannot be read. The typed lookups of IniFile are built on these,
// and tools use them to see where a value stopped being read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr std::size_t kMaxScannedNumbers = 4;

template <typename Number>
struct NumberScan {
  std::array<Number, kMaxScannedNumbers> numbers{};
  std::size_t count = 0;  // numbers read
  std::size_t end = 0;    // offset just past the last number read; 0 when none was
};

// At most `limit` (1 to kMaxScannedNumbers) numbers.
NumberScan<float> ScanFloats(std::string_view value, std::size_t limit);
NumberScan<std::int32_t> ScanInts(std::string_view value, std::size_t limit);
