#include "elements/script_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/hud_frame.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "scenario.h"
#include "support/element_test.h"

namespace {

class ScriptText : public ElementTest {
 protected:
  static void Set(int line, const std::string& field, const nlohmann::json& value) {
    std::string name = "ScriptText[";
    name.append(std::to_string(line)).append("].").append(field);
    refhost::set_host_variable(Image(), name, value);
  }
};

TEST_F(ScriptText, LineGeometryAndFixedWrapInTheirOrder) {
  Set(0, "GeometryA", 1.0);  // a free record: skipped whatever it holds
  Set(7, "Text", "Go");
  Set(7, "GeometryA", 0.48);
  Set(7, "GeometryB", 1.12);
  Set(7, "LineWidth", 200);
  Set(7, "Font", 3);
  Set(7, "Colour", {1, 2, 3, 4});
  Set(7, "BoxColour", {5, 6, 7, 8});
  DrawScriptTextA();
  EXPECT_EQ(
      Calls(),
      (std::vector<std::string>{
          "HostText.SetScale 1.0799999 1.35",  // sx(a), sy(b) x 0.5
          "HostText.SetColour 1 2 3 4", "HostText.ModeG", "HostText.ModeL", "HostText.CentreOff",
          "HostText.SetWrapX 900",  // sx(400) whatever the record holds
          "HostText.SetLineWidth 450", "HostText.AlignRight", "HostText.SetBoxColour 5 6 7 8",
          "HostText.ModeD", "HostText.ModeC", "HostText.SetFont 3",
          "HostText.Print 1438.9202 1077.3 \"Go\""}));  // sx(640 - a), sy(448 - b)
}

TEST_F(ScriptText, EachSwitchByteSelectsTheOtherRoutine) {
  const struct {
    const char* field;
    std::size_t call;
    const char* on;
  } switches[] = {{"SwitchA", 2, "HostText.ModeK"},    {"SwitchB", 3, "HostText.ModeB"},
                  {"SwitchC", 4, "HostText.CentreOn"}, {"SwitchD", 7, "HostText.ModeE"},
                  {"SwitchE", 9, "HostText.ModeJ"},    {"SwitchF", 10, "HostText.ModeA"}};
  Set(47, "Text", "Last");
  for (const auto& s : switches) {
    SCOPED_TRACE(s.field);
    Set(47, s.field, 1);
    ClearLog();
    DrawScriptTextA();
    EXPECT_EQ(Calls().at(s.call), s.on);
    Set(47, s.field, 0);
  }
}

TEST_F(ScriptText, GatesOfTheTwoRoutines) {
  Set(3, "Text", "Hi");
  const std::vector<std::string> states = {"HostRender.SetState 9 1", "HostRender.SetState 2 3",
                                           "HostRender.SetState 12 0"};
  HostMenu::Active() = 1;
  DrawScriptTextB();
  EXPECT_EQ(Calls(), states);
  DrawScriptTextA();
  EXPECT_EQ(Calls("HostText.Print").size(), 1u);
  HostMenu::Active() = 0;
  HostText::ScriptTextsHidden() = 1;
  ClearLog();
  DrawScriptTextA();
  DrawScriptTextB();
  EXPECT_EQ(Calls(), states);
}

TEST_F(ScriptText, BothRoutinesPrintEachLineWhileTheHudIsHidden) {
  Set(3, "Text", "Hi");
  HostZone::Name() = u"Docks";
  HostMenu::ShowHud() = 0;
  HudFrame();
  EXPECT_EQ(Calls("HostText.Print").size(), 2u);
  EXPECT_EQ(HostZone::LastName(), nullptr);  // the HUD proper's names stay frozen
  HostMenu::Active() = 1;
  ClearLog();
  HudFrame();
  EXPECT_TRUE(Calls().empty());
}

TEST_F(ScriptText, LineWithoutTerminatorIsCutAt100Characters) {
  std::uint8_t* line = HostScriptText::Lines();
  for (std::size_t k = 0; k < 100; ++k) write_field<char16_t>(line, 44 + 2 * k, u'L');
  write_field<char16_t>(line, 244, u'X');  // the next record starts right after
  DrawScriptTextA();
  EXPECT_EQ(Calls("HostText.Print").at(0).text_arg(2), std::string(100, 'L'));
}

}  // namespace
