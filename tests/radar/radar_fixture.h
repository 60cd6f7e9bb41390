#pragma once
// Radar tests: a fresh host (ElementTest) with the plug-in's HUD dictionary
// loaded, the host's radar centre sprite, a north-up camera, the radar
// centred on the world origin with a range of 100, and helpers to set host
// state by its scenario names.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/element_test.h"

class RadarTest : public ElementTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A host variable or record field by its scenario name.
  static void Set(const std::string& name, const nlohmann::json& value);
  // Several, from an object of names and values.
  static void SetAll(const nlohmann::json& fields);
  // The arguments of a call from `first` on, read as floats.
  static std::vector<float> Floats(const refhost::RecordedCall& call, std::size_t first = 0);
};
