// The value scan against a formatted input stream, over many generated
// values: the same count of numbers, the same place where reading stopped,
// and every number the same to the bit.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/generated_values.h"
#include "settings/reference_reader.h"
#include "settings/value_scan.h"

namespace {

template <typename Number>
std::string Described(const NumberScan<Number>& scan) {
  std::string text = "count " + std::to_string(scan.count) + ", end " + std::to_string(scan.end);
  for (std::size_t k = 0; k < scan.count; ++k) {
    if constexpr (sizeof(Number) == 4) {
      text += ", " + std::to_string(scan.numbers[k]) + " (bits " +
              std::to_string(std::bit_cast<std::uint32_t>(scan.numbers[k])) + ")";
    }
  }
  return text;
}

template <typename Number>
bool Same(const NumberScan<Number>& a, const NumberScan<Number>& b) {
  if (a.count != b.count || a.end != b.end) return false;
  for (std::size_t k = 0; k < a.count; ++k) {
    if (std::bit_cast<std::uint32_t>(a.numbers[k]) != std::bit_cast<std::uint32_t>(b.numbers[k])) {
      return false;
    }
  }
  return true;
}

// Every limit a caller uses: one number, a pair, a colour.
void ExpectSameFloats(const std::vector<std::string>& values) {
  int differences = 0;
  for (const std::string& value : values) {
    for (const std::size_t limit : {1u, 2u, 4u}) {
      const NumberScan<float> ours = ScanFloats(value, limit);
      const NumberScan<float> stream = reference::ScanFloats(value, limit);
      if (Same(ours, stream) || ++differences > 20) continue;
      ADD_FAILURE() << "floats, limit " << limit << ": \"" << value
                    << "\"\n  ours:   " << Described(ours) << "\n  stream: " << Described(stream);
    }
  }
  EXPECT_EQ(differences, 0);
}

void ExpectSameInts(const std::vector<std::string>& values) {
  int differences = 0;
  for (const std::string& value : values) {
    for (const std::size_t limit : {1u, 4u}) {
      const NumberScan<std::int32_t> ours = ScanInts(value, limit);
      const NumberScan<std::int32_t> stream = reference::ScanInts(value, limit);
      if (Same(ours, stream) || ++differences > 20) continue;
      ADD_FAILURE() << "integers, limit " << limit << ": \"" << value
                    << "\"\n  ours:   " << Described(ours) << "\n  stream: " << Described(stream);
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST(ValueScanDifferentialTest, EdgeValues) {
  ExpectSameFloats(generated::kEdgeValues);
  ExpectSameInts(generated::kEdgeValues);
}

TEST(ValueScanDifferentialTest, GeneratedFloats) {
  const std::vector<std::string> values = generated::FloatValues(1, 60000);
  ExpectSameFloats(values);
  ExpectSameInts(values);
}

TEST(ValueScanDifferentialTest, GeneratedIntegers) {
  const std::vector<std::string> values = generated::IntValues(2, 30000);
  ExpectSameInts(values);
  ExpectSameFloats(values);
}

TEST(ValueScanDifferentialTest, GeneratedLists) {
  const std::vector<std::string> values = generated::ListValues(3, 20000);
  ExpectSameFloats(values);
  ExpectSameInts(values);
}

}  // namespace
