#pragma once
// How much of a value the reader takes, for each kind of setting, through the
// reader's own value scans.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/setting_keys.h"

enum class ValueKind { kInteger, kNumber, kPair, kFlag, kColour };

ValueKind KindOf(const LayoutField& field);

struct ValueReading {
  std::size_t wanted = 0;  // numbers the kind takes: 1, 2 or 4; 0 for a flag
  std::size_t count = 0;   // numbers read
  std::array<float, 4> floats{};
  std::array<std::int32_t, 4> ints{};
  std::size_t ignored_offset = 0;  // where the part not read starts, blanks skipped
  std::string_view ignored;        // that part; empty when the value was read in full
};

// The value must outlive the reading, which points into it.
ValueReading ReadValue(std::string_view value, ValueKind kind);
