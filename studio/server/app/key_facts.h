#pragma once
// What the studio knows of each settings key beyond the plug-in's key table
// (settings/setting_keys.h): the element it belongs to, its unit, and for the
// keys that place or size an element, how the value moves with the picture.
// One row per key, in the key table's order; a compile-time check holds the
// two tables to the same keys, so neither can gain a key alone.
#include <span>
#include <string_view>

struct KeyFacts {
  std::string_view name;
  std::string_view group;  // the element, as the page groups the settings
  std::string_view unit;
  // How the value follows a drag: one sign per number, "x+" (grows to the
  // right), "x-", "y+" (grows downward), "y-", or "" (does not move); for a
  // pair, two of them separated by a comma. Empty: the key does not move.
  std::string_view move;
  // How the value follows a resize by a factor k: "times" (value × k),
  // "over" (value / k), "" (it does not).
  std::string_view resize;
  // For a colour, the order the element puts its components on screen:
  // "r b g" when green and blue trade places; "" as written.
  std::string_view drawn = "";
};

std::span<const KeyFacts> LayoutKeyFacts();  // then RELOAD_SETTINGS last
std::span<const KeyFacts> ColourKeyFacts();
