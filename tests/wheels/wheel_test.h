#pragma once
// Wheel and crosshair tests: the element test host with the shipped ring,
// radio and crosshair dictionaries loaded, the wheels' state back at its
// start, and helpers to play the wheels' steps of the HUD pass.
#include <string>
#include <vector>

#include "support/element_test.h"

class WheelTest : public ElementTest {
 protected:
  void SetUp() override;

  static void Hold(int virtual_key, bool held = true);
  static void SetClock(int ms);
  // Steps 5.6 to 5.8 of the HUD pass: geometry, weapon wheel, radio wheel.
  static void WheelSteps();
  // The player in a vehicle whose radio the player may use, on this station.
  static void EnterVehicle(int station);
  // Arguments first .. first + count - 1 of a call, as floats.
  static std::vector<float> Floats(const refhost::RecordedCall& call, std::size_t first,
                                   std::size_t count);
  // The names of the textures one host routine was asked for or drew, in order.
  static std::vector<std::string> Texts(const char* routine, std::size_t argument);
};
