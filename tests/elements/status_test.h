#pragma once
// Status element tests: a fresh host (see ElementTest) with the host's width
// scale at 1, the element states back at their start values, and helpers to
// read the draw log back.
#include <string>
#include <vector>

#include "elements/big_messages.h"
#include "elements/display_timers.h"
#include "runtime/host_interface.h"
#include "scenario.h"
#include "support/element_test.h"

class StatusTest : public ElementTest {
 protected:
  void SetUp() override {
    ElementTest::SetUp();
    HostScreen::WidthScale() = 1.0f;
    display_timers = DisplayTimerState{};
    big_messages = BigMessageState{};
  }

  // A host variable or record field by its scenario name.
  static void Set(const std::string& name, const nlohmann::json& value) {
    refhost::set_host_variable(Image(), name, value);
  }

  // The texts of every HostText.Print, in order.
  static std::vector<std::string> Printed() {
    std::vector<std::string> texts;
    for (const auto& call : Calls("HostText.Print")) texts.push_back(call.text_arg(2));
    return texts;
  }

  // The arguments of the last call of `name`, as the log writes them.
  static std::string LastArgs(const char* name) {
    const auto calls = Calls(name);
    if (calls.empty()) return "(not called)";
    const std::string text = calls.back().text();
    return text.size() > calls.back().name.size() ? text.substr(calls.back().name.size() + 1) : "";
  }
};
