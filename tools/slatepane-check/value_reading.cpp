#include "value_reading.h"

#include <type_traits>
#include <utility>
#include <variant>

#include "settings/value_scan.h"

namespace {

// What a formatted stream skips before a number.
bool IsStreamSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t Wanted(ValueKind kind) {
  switch (kind) {
    case ValueKind::kInteger:
    case ValueKind::kNumber:
      return 1;
    case ValueKind::kPair:
      return 2;
    case ValueKind::kColour:
      return 4;
    case ValueKind::kFlag:
      break;
  }
  return 0;
}

}  // namespace

ValueKind KindOf(const LayoutField& field) {
  return std::visit(
      [](auto member) {
        using T =
            std::remove_cvref_t<decltype(LayoutFieldOf(std::declval<HudSettings&>(), member))>;
        if constexpr (std::is_same_v<T, std::int32_t>) return ValueKind::kInteger;
        if constexpr (std::is_same_v<T, float>) return ValueKind::kNumber;
        if constexpr (std::is_same_v<T, FloatPair>) return ValueKind::kPair;
        return ValueKind::kFlag;
      },
      field);
}

ValueReading ReadValue(std::string_view value, ValueKind kind) {
  ValueReading reading;
  reading.wanted = Wanted(kind);
  if (reading.wanted == 0) return reading;
  std::size_t end = 0;
  if (kind == ValueKind::kInteger || kind == ValueKind::kColour) {
    const NumberScan<std::int32_t> scan = ScanInts(value, reading.wanted);
    reading.count = scan.count;
    reading.ints = scan.numbers;
    end = scan.end;
  } else {
    const NumberScan<float> scan = ScanFloats(value, reading.wanted);
    reading.count = scan.count;
    reading.floats = scan.numbers;
    end = scan.end;
  }
  while (end < value.size() && IsStreamSpace(value[end])) ++end;
  reading.ignored_offset = end;
  reading.ignored = value.substr(end);
  return reading;
}
