#pragma once
// What the layout keys' comments tell a modder beyond how a value reads: the
// unit a number is in, whether only its whole part is used, and the values
// that read but cannot work. Keys without an entry have nothing to add.
#include <cstdint>
#include <string_view>

enum class Unit {
  kNone,            // a count, a code or a flag: no unit to name
  kLayout,          // 1/1080 of the smaller screen side
  kHorizontalFont,  // screen height / 480 pixels, across
  kVerticalFont,    // screen height / 448 pixels, up or down
  kFont,            // a pair: horizontal font units, then vertical ones
  kTextScale,       // factors of the host font
  kPlainNumber,     // a factor or a size with no unit
};

// Values that read but cannot work.
enum class Limit {
  kNone,
  kScale,      // 0 or below in a checked part: the element vanishes
  kLength,     // below 0 in a checked part: a length or thickness turned over
  kBarFactor,  // -1 or below: p + p x factor is never positive, no bars
  kWheelSize,  // 0 or not finite: no weapon wheel
};

struct KeyRule {
  std::string_view key;
  Unit unit;
  bool whole_units;  // only the whole part of each number is used
  Limit limit;
  std::uint8_t parts;     // the parts the limit applies to: 1 first, 2 second, 3 both
  std::string_view what;  // what the limit takes away, for messages
};

// The rule for a layout key, or null.
const KeyRule* RuleFor(std::string_view key);

// "vertical font units (screen height / 448 pixels)".
std::string_view UnitText(Unit unit);
