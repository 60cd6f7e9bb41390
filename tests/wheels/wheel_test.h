#pragma once
// Wheel and crosshair tests: the element test host with the shipped ring,
// radio and crosshair dictionaries loaded and the wheels back at their start.
#include <string>
#include <vector>

#include "support/element_test.h"

class WheelTest : public ElementTest {
 protected:
  void SetUp() override;
  static void Hold(int virtual_key, bool held = true);
  static void SetClock(int ms);
  static void WheelSteps();               // the HUD pass's geometry, weapon wheel and radio wheel
  static void EnterVehicle(int station);  // with a radio the player may use
  // One text argument of every call of a routine, unquoted.
  static std::vector<std::string> Texts(const char* routine, std::size_t argument);
};
