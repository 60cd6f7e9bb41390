#include "settings/value_scan.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Each row: a value, how many numbers are asked, the numbers read and where
// reading stopped.
template <typename Number>
struct ScanCase {
  std::string value;
  std::size_t limit;
  std::vector<Number> numbers;
  std::size_t end;
};

template <typename Number>
std::vector<Number> Read(const NumberScan<Number>& scan) {
  return {scan.numbers.begin(), scan.numbers.begin() + static_cast<std::ptrdiff_t>(scan.count)};
}

TEST(ValueScanTest, Floats) {
  const ScanCase<float> cases[] = {
      {"12.5abc", 1, {12.5f}, 4},  {"12.5", 1, {12.5f}, 4},   {"  7 8", 1, {7.0f}, 3},
      {"7 8", 2, {7.0f, 8.0f}, 3}, {"10, 20", 2, {10.0f}, 2}, {"1 2 3", 2, {1.0f, 2.0f}, 3},
      {"0x41", 1, {0.0f}, 1},      {"abc", 1, {}, 0},         {"", 2, {}, 0},
      {"1e39 2", 2, {}, 0},        {"12.5e", 1, {}, 0},       {"0.5 x", 2, {0.5f}, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const NumberScan<float> scan = ScanFloats(c.value, c.limit);
    EXPECT_EQ(Read(scan), c.numbers);
    EXPECT_EQ(scan.end, c.end);
  }
}

TEST(ValueScanTest, Ints) {
  const ScanCase<std::int32_t> cases[] = {{"12.7", 1, {12}, 2},
                                          {"0x41", 1, {0}, 1},
                                          {"300 -1 0 0", 4, {300, -1, 0, 0}, 10},
                                          {"10,20,30", 4, {10}, 2},
                                          {"1 2 3 4 5", 4, {1, 2, 3, 4}, 7},
                                          {"10 20 30", 4, {10, 20, 30}, 8},
                                          {"2147483648", 1, {}, 0},
                                          {"true", 1, {}, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const NumberScan<std::int32_t> scan = ScanInts(c.value, c.limit);
    EXPECT_EQ(Read(scan), c.numbers);
    EXPECT_EQ(scan.end, c.end);
  }
}

}  // namespace
