#pragma once
// What the tools know of each settings key beyond the plug-in's key table
// (settings/setting_keys.h): the element it belongs to, the unit its numbers
// are in, how the value follows the picture when the element is moved or
// resized, and the values that read but cannot work. One row per key, in the
// key table's order; a compile-time check holds the two tables to the same
// keys, so neither can gain a key alone. The checker and the studio both
// read it.
#include <cstdint>
#include <span>
#include <string_view>

enum class Unit {
  kNone,            // a count, a code, a flag or a colour: no unit to name
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
  bool whole_units = false;  // only the whole part of each number is used
  Limit limit = Limit::kNone;
  std::uint8_t parts = 0;   // the parts the limit applies to: 1 first, 2 second, 3 both
  std::string_view what{};  // what the limit takes away, for messages
};

struct KeyFacts {
  std::string_view name;
  std::string_view group;  // the element, as the studio groups the settings
  Unit unit;
  std::string_view plain;  // what a number without a unit is ("flag"); "" for a unit's
  // How the value follows a drag: one sign per number, "x+" (grows to the
  // right), "x-", "y+" (grows downward), "y-", or "" (does not move); for a
  // pair, two of them separated by a comma. Empty: the key does not move.
  std::string_view move;
  // How the value follows a resize by a factor k: "times" (value × k),
  // "over" (value / k), "x" or "y" (a position across, or upward, moved
  // k times as far from the element's corner: the smallest such position of
  // its keys), "factor" (f of a length p + p × f: (1 + f) × k − 1), ""
  // (it does not). One word for every number, or one per number of a pair
  // separated by a comma.
  std::string_view resize;
  KeyRule rule{};
  // For a colour, the order the element puts its components on screen:
  // "r b g" when green and blue trade places; "" as written.
  std::string_view drawn{};
};

std::span<const KeyFacts> LayoutKeyFacts();  // then RELOAD_SETTINGS last
std::span<const KeyFacts> ColourKeyFacts();

// The facts of a layout or colour key, or null.
const KeyFacts* FactsFor(std::string_view key);

// "vertical font units (screen height / 448 pixels)".
std::string_view UnitText(Unit unit);
// What the studio shows as the key's unit: "vertical font units", "flag".
std::string_view UnitName(const KeyFacts& facts);
