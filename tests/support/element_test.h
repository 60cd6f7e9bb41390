#pragma once
// Element tests: a fresh host for every test (1920 x 1080, HUD on, clock at 0,
// 20 ms frames, no keys held, default settings), the plug-in's element
// routines called directly, and the draw log read back.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "draw_log.h"
#include "host_image.h"

class ElementTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static refhost::HostImage& Image();
  static void SetScreen(int width, int height);
  // Every call of the log as its line without the frame number.
  static std::vector<std::string> Calls();
  // The calls of one host routine, in order.
  static std::vector<refhost::RecordedCall> Calls(std::string_view name);
  static void ClearLog();
};
