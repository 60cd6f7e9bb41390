#include "services/text_table.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/host_interface.h"
#include "scenario.h"
#include "support/element_test.h"

namespace {

using TextTable = ElementTest;

TEST_F(TextTable, ScenarioStepsFillTheLookupTable) {
  const refhost::Scenario sc = refhost::Scenario::parse(
      R"({"start": {"texts": {"M_TIME": "Zeit \u00fcbrig"}}, "at": {"2": {"texts": {"M_TIME": "x"}}}})");
  refhost::apply_step(Image(), sc.start);
  EXPECT_EQ(std::u16string(HostText::Lookup("M_TIME")), u"Zeit \u00fcbrig");
  EXPECT_EQ(std::u16string(HostText::Lookup("M_NONE")), u"");
  refhost::apply_step(Image(), sc.at.at(2));
  EXPECT_EQ(std::u16string(HostText::Lookup("M_TIME")), u"x");
  EXPECT_EQ(Calls("HostText.Lookup").at(0).text(), "HostText.Lookup \"M_TIME\"");
  EXPECT_THROW(refhost::Scenario::parse(R"({"start": {"texts": {"K": 3}}})"), std::runtime_error);
}

TEST_F(TextTable, NamesArePublishedAtOneAddressPerText) {
  const auto set = [](const char* name, const nlohmann::json& value) {
    refhost::set_host_variable(Image(), name, value);
  };
  set("HostZone.Name", "Docks");
  const char16_t* docks = HostZone::Name();
  set("HostVehicleName.Name", "Quillback");
  set("HostZone.Name", "Docks");
  EXPECT_EQ(HostZone::Name(), docks);  // the same text, the same pointer
  set("HostZone.Name", "Mall");
  EXPECT_EQ(std::u16string(HostZone::Name()), u"Mall");  // a change of text: a new pointer
  EXPECT_EQ(std::u16string(docks), u"Docks");            // the old one stays readable
  set("HostVehicleName.Name", nullptr);
  EXPECT_EQ(HostVehicleName::Name(), nullptr);
  EXPECT_THROW(set("HostZone.Name", 1), std::runtime_error);
  EXPECT_THROW(set("HostPlayer.Character", "x"), std::runtime_error);  // not a name
}

}  // namespace
