// slatepane-check on settings files with each mistake a modder makes: the
// exact report lines, their places, and the exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "check_folder.h"
#include "check_run.h"

namespace {

using namespace std::string_literals;

const std::string kLayout = "slate_pane_morrowfen/slatepane_VC.ini";
const std::string kSchemes = "slate_pane_morrowfen/color_configs/";

std::string At(const std::string& file, int line, int column, const char* severity) {
  return file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + severity + ": ";
}
std::string W(int line, int column) { return At(kLayout, line, column, "warning"); }
std::string N(int line, int column) { return At(kLayout, line, column, "note"); }
std::string CW(int line, int column) {
  return At(kSchemes + "ClassicColors.ini", line, column, "warning");
}

std::string Summary(int warnings, const std::string& scheme = "ClassicColors.ini") {
  return "checked " + kLayout + " and " + kSchemes + scheme + ": " +
         (warnings == 0   ? "no warnings"s
          : warnings == 1 ? "1 warning"s
                          : std::to_string(warnings) + " warnings") +
         "\n";
}

// The shipped schemes write MONEY_COLOR on line 10, each with green and blue
// apart, so every check of one notes how the money is drawn.
std::string MoneyNote(const std::string& scheme) {
  const auto note = [&](const char* drawn, const char* seen) {
    return At(kSchemes + scheme, 10, 15, "note") + "the money draws this as " + drawn +
           ": its green and blue trade places on screen; to see " + seen + ", write " + drawn +
           "\n";
  };
  if (scheme == "ClassicColors.ini") return note("89 150 115", "89 115 150");
  if (scheme == "ModernColors.ini") return note("120 150 200", "120 200 150");
  return note("255 90 200", "255 200 90");
}

// The end of a report on a shipped scheme: its money note, then the summary.
std::string Ending(int warnings, const std::string& scheme = "ClassicColors.ini") {
  return MoneyNote(scheme) + Summary(warnings, scheme);
}

struct LayoutCase {
  const char* name;
  std::string layout;
  std::vector<std::string> report;
  int warnings;
  const char* scheme = "ClassicColors.ini";
};

// Runs every case, each in a fresh folder with the shipped colour schemes.
void ExpectReports(const std::vector<LayoutCase>& cases) {
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CheckFolder folder;
    folder.Write("slatepane_VC.ini", c.layout);
    const CheckFolder::Result result = folder.Check();
    EXPECT_EQ(result.out, Lines(c.report) + Ending(c.warnings, c.scheme));
    EXPECT_EQ(result.status, c.warnings == 0 ? 0 : 1);
    EXPECT_EQ(result.err, "");
  }
}

TEST(CheckFindingsTest, ShippedFilesGiveNoWarning) {
  const CheckFolder folder;
  folder.Write("slatepane_VC.ini", [] {
    std::ifstream in(SLATEPANE_DATA_DIR "/slatepane_VC.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }());
  const CheckFolder::Result result = folder.Check({"--all-colours"});
  EXPECT_EQ(result.out, MoneyNote("ClassicColors.ini") + MoneyNote("ModernColors.ini") +
                            MoneyNote("VColors.ini") + "checked " + kLayout + ", " + kSchemes +
                            "ClassicColors.ini, " + kSchemes + "ModernColors.ini and " + kSchemes +
                            "VColors.ini: no warnings\n");
  EXPECT_EQ(result.status, 0);
}

TEST(CheckFindingsTest, Keys) {
  ExpectReports({
      {"Misspelt",
       "MONY_POS_TOP 40\n",
       {W(1, 1) + "unknown key 'MONY_POS_TOP'; did you mean 'MONEY_POS_TOP'? [unknown-key]",
        N(1, 1) + "'MONEY_POS_TOP' is not set in this file, so it takes its default 30"},
       1},
      {"LowerCaseOfAKeyThatIsAlsoSet",
       "# money\n  money_pos_top 40\nMONEY_POS_TOP 12\n",
       {W(2, 3) + "unknown key 'money_pos_top': keys are case-sensitive; did you mean "
                  "'MONEY_POS_TOP'? [unknown-key]"},
       1},
      {"ColourInTheLayoutFile",
       "MONEY_COLOR 255 0 0 255\n",
       {W(1, 1) + "'MONEY_COLOR' is a colour, read from the colour scheme file "
                  "(ClassicColors.ini), not from this file; this line is ignored [misplaced-key]"},
       1},
      {"NearestIsAColour",
       "RADAR_TYPE 2\nMONEY_COLOUR 1 2 3 4\n",
       {W(2, 1) + "unknown key 'MONEY_COLOUR'; did you mean 'MONEY_COLOR'? It is a colour, read "
                  "from the colour scheme file (ModernColors.ini) [unknown-key]"},
       1,
       "ModernColors.ini"},
      {"NothingNearSectionsAndBlankLinesQuiet",
       "[Layout]\n \t \nZONE 3\n",
       {W(3, 1) + "unknown key 'ZONE'; the plug-in ignores this line [unknown-key]"},
       1},
      {"ByteOrderMarkHidesTheFirstKey",
       "\xEF\xBB\xBFRADAR_TYPE = 2\n",
       {W(1, 1) + "the file starts with a UTF-8 byte-order mark, which the plug-in reads as part "
                  "of the first key, so 'RADAR_TYPE' on this line is not read; save the file "
                  "without it [byte-order-mark]",
        N(1, 1) + "'RADAR_TYPE' takes its default 1"},
       1},
      {"ByteOrderMarkKeyReadLater",
       "\xEF\xBB\xBFMONEY_POS_TOP 12\nMONEY_POS_TOP 14\n",
       {W(1, 1) + "the file starts with a UTF-8 byte-order mark, which the plug-in reads as part "
                  "of the first key, so 'MONEY_POS_TOP' on this line is not read; save the file "
                  "without it [byte-order-mark]",
        N(1, 1) + "'MONEY_POS_TOP' is read from line 2 instead"},
       1},
      {"ByteOrderMarkBeforeAComment",
       "\xEF\xBB\xBF# layout\nMONEY_POS_TOP 12\n",
       {W(1, 1) + "the file starts with a UTF-8 byte-order mark; it hides no setting now, but a "
                  "key written on line 1 would not be read; save the file without it "
                  "[byte-order-mark]"},
       1},
      {"Utf16",
       "\xFF\xFEM\0O\0N\0\n\0"s,
       {W(1, 1) + "the file is saved as UTF-16, which the plug-in does not read: every setting "
                  "of this file takes its default; save it as ANSI or UTF-8 [utf-16]"},
       1},
      {"SecondLineOfAKeyEdited",
       "MONEY_TRANSITION_GAP = 15\nZONE_RIGHT 32\n\tMONEY_TRANSITION_GAP = 25\n",
       {W(3, 2) + "'MONEY_TRANSITION_GAP' is already set on line 1, and only the first one "
                  "counts: this line is ignored [duplicate-key]",
        N(1, 1) + "this is the line that counts"},
       1},
  });
}

TEST(CheckFindingsTest, Numbers) {
  ExpectReports({
      {"PartlyRead",
       "WANTED_POS_TOP = 12.5abc\nZONE_BOTTOM 7 8\n",
       {W(1, 22) + "'12.5abc' reads as 12.5; 'abc' is ignored [partly-read]",
        W(2, 15) + "'7 8' reads as 7; '8' is ignored [partly-read]"},
       2},
      {"ReadsNothing",
       "BAR_THICKNESS = thick\nMONEY_POS_RIGHT \"12\"\nWANTED_POS_TOP 1e39\nZONE_RIGHT 12.5e\n"
       "MONEY_POS_TOP =\n",
       {W(1, 17) + "'thick' does not read as a number, so 'BAR_THICKNESS' takes its default 10 "
                   "[not-a-number]",
        W(2, 17) + "'\"12\"' does not read as a number, so 'MONEY_POS_RIGHT' takes its default "
                   "33; quotes are not removed [not-a-number]",
        W(3, 16) + "'1e39' does not read as a number, so 'WANTED_POS_TOP' takes its default 40 "
                   "[not-a-number]",
        W(4, 12) + "'12.5e' does not read as a number, so 'ZONE_RIGHT' takes its default 32 "
                   "[not-a-number]",
        W(5, 1) + "'MONEY_POS_TOP' has no value, so it takes its default 30 [no-value]"},
       5},
      {"IntegerWithAFraction",
       "ZONE_VEHICLE_FONT = 1.5\n",
       {W(1, 22) + "'1.5' reads as 1: 'ZONE_VEHICLE_FONT' takes a whole number, so '.5' is "
                   "ignored [fraction]"},
       1},
      {"HexadecimalRadarTypeSwitchesTheScheme",
       "RADAR_TYPE 0x2\nZONE_VEHICLE_FONT 2abc\nVICE_CRY_RADAR_FIX 99999999999\n",
       {W(1, 12) + "'0x2' reads as 0: hexadecimal is not read; write 2 [hexadecimal]",
        N(1, 12) + "RADAR_TYPE 0 selects the colour scheme VColors.ini",
        W(2, 20) + "'2abc' reads as 2; 'abc' is ignored [partly-read]",
        W(3, 20) + "'99999999999' does not read as a whole number, so 'VICE_CRY_RADAR_FIX' takes "
                   "its default 1075 [not-a-number]"},
       3,
       "VColors.ini"},
      {"Pairs",
       "HUD_SCALE = 0.5\nSLOT3POS_LT = 10, 20\nMONEY_SCALE 1 2 3\nAMMO_SCALE 1 x\n"
       "CLOCK_SCALE x 1\nSLOT0POS_RB 1\t2\n",
       {W(1, 13) + "'0.5' has one number; the second keeps its default 0.859 [single-value]",
        W(2, 17) + "'10, 20' stops at the comma, so the second number keeps its default 130; "
                   "separate the two numbers with a space [comma]",
        W(3, 17) + "'1 2 3' reads as 1 2; '3' is ignored [partly-read]",
        W(4, 14) + "'1 x' reads only the first number, 1; 'x' is ignored, and the second keeps "
                   "its default 0.82 [partly-read]",
        W(5, 13) + "'x 1' does not read as a number, so 'CLOCK_SCALE' takes its default 0.31 0.6 "
                   "[not-a-number]"},
       5},
  });
}

// Where a warning about a value that cannot work starts and stops: the
// boundaries and the look-alikes that keep their other readings.
TEST(CheckFindingsTest, ValuesThatCannotWorkAtTheirEdges) {
  ExpectReports({
      {"PairSeparatorIsNoDecimalComma",
       "SLOT0POS_RB = 12,110\n",
       {W(1, 17) + "'12,110' stops at the comma, so the second number keeps its default 130; "
                   "separate the two numbers with a space [comma]"},
       1},
      {"UnitWordInAnyCaseAfterABlank",
       "MONEY_POS_TOP = 60 PX\n",
       {W(1, 20) + "'60 PX' reads as 60: 'MONEY_POS_TOP' is in vertical font units (screen "
                   "height / 448 pixels), and 'PX' is ignored; write the number alone [unit]"},
       1},
      {"LeftEdgeMayBeNegativeWidthMayNot", "INNER_RADAR_SCALE_A = -53 258\n", {}, 0},
      {"SecondScaleAtZero",
       "MONEY_SCALE = 0.44 -0.1\n",
       {W(1, 15) + "'0.44 -0.1': a scale of 0 or below makes the money vanish [vanishes]"},
       1},
      {"BarFactorJustAboveMinusOne", "BAR_LENGTH_MULTIPLIER = -0.99\n", {}, 0},
      {"WholeSizeOfOne", "ENTITY_SQUARE_SCALE = 1\n", {}, 0},
      {"WholePartCutTowardZero",
       "ENTITY_TRIANGLE_SCALE = -1.5\n",
       {W(1, 25) + "'-1.5' is used as -1: a scale of 0 or below makes the triangle blip marks "
                   "vanish [vanishes]"},
       1},
  });
}

TEST(CheckFindingsTest, Flags) {
  const std::string kOnlyFalse = " reads as true: only 0, false, FALSE, no and NO read as false";
  ExpectReports({
      {"False", "USING_CLASSIC_AXIS = False\n", {W(1, 22) + "'False'" + kOnlyFalse + " [flag]"}, 1},
      {"Off", "USING_CLASSIC_AXIS off\n", {W(1, 20) + "'off'" + kOnlyFalse + " [flag]"}, 1},
      {"Two", "USING_CLASSIC_AXIS 2\n", {W(1, 20) + "'2'" + kOnlyFalse + " [flag]"}, 1},
      {"NoValue",
       "USING_CLASSIC_AXIS\n",
       {W(1, 1) + "'USING_CLASSIC_AXIS' has no value, so it takes its default false [no-value]"},
       1},
      {"ClearForms", "USING_CLASSIC_AXIS True\n", {}, 0},
      {"ClearFalse", "USING_CLASSIC_AXIS NO\n", {}, 0},
  });
}

TEST(CheckFindingsTest, ReloadSwitch) {
  const std::string kEveryFrame = "the settings are re-read on every frame step";
  ExpectReports({
      {"True",
       "RELOAD_SETTINGS = true\n",
       {N(1, 19) + "RELOAD_SETTINGS 'true': " + kEveryFrame},
       0},
      {"MinusOne", "RELOAD_SETTINGS -1\n", {N(1, 17) + "RELOAD_SETTINGS '-1': " + kEveryFrame}, 0},
      {"KeyCode",
       "RELOAD_SETTINGS 82\n",
       {N(1, 17) + "RELOAD_SETTINGS '82': the settings are re-read while the R key is held"},
       0},
      {"Off", "RELOAD_SETTINGS 0\n", {}, 0},
      {"KeyName",
       "RELOAD_SETTINGS F5\n",
       {W(1, 17) + "'F5' is not a key code, so " + kEveryFrame + "; write 116 for F5 [reload]"},
       1},
      {"WordForOff",
       "RELOAD_SETTINGS off\n",
       {W(1, 17) + "'off' reads as on, so " + kEveryFrame +
        "; write 0 to turn reloading off [reload]"},
       1},
      {"OtherWord",
       "RELOAD_SETTINGS maybe\n",
       {W(1, 17) + "'maybe' is not a key code, so " + kEveryFrame + " [reload]"},
       1},
      {"Hexadecimal",
       "RELOAD_SETTINGS 0x52\n",
       {W(1, 17) + "'0x52' reads as key code 0, so reloading is off: hexadecimal is not read; "
                   "write 82 for the R key [reload]"},
       1},
      {"DigitOne",
       "RELOAD_SETTINGS 1\n",
       {W(1, 17) + "'1' is not the code of the 1 key, which is 49: the settings are re-read "
                   "while the left mouse button is held; -1 re-reads on every frame step [reload]"},
       1},
      {"NotAKeyCode",
       "RELOAD_SETTINGS 300\n",
       {W(1, 17) + "RELOAD_SETTINGS '300': no key re-reads the settings: 300 is not a key code "
                   "(1 to 254) [reload]"},
       1},
      {"Fraction",
       "RELOAD_SETTINGS 82.5\n",
       {W(1, 19) + "'82.5' reads as 82: 'RELOAD_SETTINGS' takes a whole number, so '.5' is "
                   "ignored [fraction]",
        N(1, 17) + "RELOAD_SETTINGS '82.5': the settings are re-read while the R key is held"},
       1},
  });
}

TEST(CheckFindingsTest, Colours) {
  const CheckFolder folder;
  folder.Write("slatepane_VC.ini", "");
  folder.Write("color_configs/ClassicColors.ini",
               "MONEY_COLOR 300 -1 0 0\nAMMO_COLOR 1 2\nAMMO_CLIP_COLOR 1\nWANTED_COLOR 1 2 3 4 5\n"
               "ZONE_COLOR 10 x 30\nVEHICLE_COLOR x\nCLOCK_COLOR\nTIMER_COLOR 300 2 x\n"
               "MONEY_POS_TOP 3\nMONEY_COLOUR 1 2 3 4\nCOUNTER_COLOR = 0 106 164\n"
               "RADAR_HEALTH_COLOR 1,2,3,4\nAMMO_COLOR 3 3 3 3\n");
  const CheckFolder::Result result = folder.Check();
  EXPECT_EQ(
      result.out,
      Lines({
          CW(1, 13) + "'300 -1 0 0': red 300 wraps to 44, green -1 wraps to 255; components run "
                      "from 0 to 255 [colour-range]",
          At(kSchemes + "ClassicColors.ini", 1, 13, "note") +
              "the money draws this as 44 0 255: its green and blue trade places on screen; to "
              "see 44 255 0, write 44 0 255",
          CW(2, 12) + "'1 2' sets only red and green, so blue and opacity keep their defaults "
                      "255 255 [missing-components]",
          CW(3, 17) + "'1' sets only red, so green, blue and opacity keep their defaults 100 100 "
                      "255 [missing-components]",
          CW(4, 22) + "'1 2 3 4 5' reads as 1 2 3 4; '5' is ignored [partly-read]",
          CW(5, 15) + "'10 x 30' reads only red; 'x 30' is ignored, so green, blue and opacity "
                      "keep their defaults 154 82 255 [partly-read]",
          CW(6, 15) + "'x' does not read as a colour, so 'VEHICLE_COLOR' takes its default 194 "
                      "165 120 255 [not-a-number]",
          CW(7, 1) + "'CLOCK_COLOR' has no value, so it takes its default 194 165 120 255 "
                     "[no-value]",
          CW(8, 13) + "'300 2 x': red 300 wraps to 44; components run from 0 to 255 "
                      "[colour-range]",
          CW(8, 19) + "'300 2 x' reads only red and green; 'x' is ignored, so blue and opacity "
                      "keep their defaults 50 255 [partly-read]",
          CW(9, 1) + "'MONEY_POS_TOP' is a layout setting, read from slatepane_VC.ini, not from "
                     "this file; this line is ignored [misplaced-key]",
          CW(10, 1) + "unknown key 'MONEY_COLOUR'; did you mean 'MONEY_COLOR'? [unknown-key]",
          CW(11, 17) + "'0 106 164' has no opacity, so it keeps its default 255 "
                       "[missing-opacity]",
          CW(12, 21) + "'1,2,3,4' stops at the first comma: only red is read, so green, blue and "
                       "opacity keep their defaults 101 50 255; separate the numbers with spaces "
                       "[comma]",
          CW(13, 1) + "'AMMO_COLOR' is already set on line 2, and only the first one counts: "
                      "this line is ignored [duplicate-key]",
          At(kSchemes + "ClassicColors.ini", 2, 1, "note") + "this is the line that counts",
      }) + Summary(14));
  EXPECT_EQ(result.status, 1);
}

TEST(CheckFindingsTest, MissingColourSchemeFile) {
  const CheckFolder folder;
  folder.Write("slatepane_VC.ini", "# modern\nRADAR_TYPE = 2\n");
  folder.Remove("color_configs/ModernColors.ini");
  const CheckFolder::Result result = folder.Check();
  EXPECT_EQ(result.out,
            Lines({kSchemes + "ModernColors.ini: warning: cannot read the colour "
                              "scheme file, so all 21 colours take their defaults "
                              "[missing-colour-file]",
                   N(2, 14) + "RADAR_TYPE 2 selects the colour scheme ModernColors.ini"}) +
                Summary(1, "ModernColors.ini"));
  EXPECT_EQ(result.status, 1);
}

TEST(CheckFindingsTest, VerboseNamesEveryKeyLeftOut) {
  const CheckFolder folder;
  folder.Write("slatepane_VC.ini", "RADAR_TYPE 2\n");
  const CheckFolder::Result result = folder.Check({"--verbose"});
  std::vector<std::string> expected;
  const std::string absent = kLayout + ": note: ";
  expected.push_back(absent +
                     "'VICE_CRY_RADAR_FIX' is not in the file, so it takes its default 1075");
  expected.push_back(absent + "'HUD_SCALE' is not in the file, so it takes its default 0.44 0.859");
  EXPECT_EQ(result.out.substr(0, Lines(expected).size()), Lines(expected));
  const std::string tail =
      Lines({
          absent + "'SLOT9POS_RB' is not in the file, so it takes its default 130 130",
          absent + "'RELOAD_SETTINGS' is not in the file, so reloading is off",
          N(1, 12) + "RADAR_TYPE 2 selects the colour scheme ModernColors.ini",
      }) +
      Ending(0, "ModernColors.ini");
  EXPECT_EQ(result.out.substr(result.out.size() - tail.size()), tail);
  // 81 layout keys and RELOAD_SETTINGS left out, the selection, the money, the summary.
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 82 + 1 + 1 + 1);
  EXPECT_EQ(result.status, 0);
}

TEST(CheckFindingsTest, Json) {
  const CheckFolder folder;
  folder.Write("slatepane_VC.ini", "HUD_SCALE 0.5\n\"MONEY\" 1\n");
  const CheckFolder::Result result = folder.Check({"--json"});
  EXPECT_EQ(
      result.out,
      "{\n"
      "  \"files\": [\"" +
          kLayout + "\", \"" + kSchemes +
          "ClassicColors.ini\"],\n"
          "  \"findings\": [\n"
          "    {\"file\": \"" +
          kLayout +
          "\", \"line\": 1, \"column\": 11, \"severity\": "
          "\"warning\", \"kind\": \"single-value\", \"message\": \"'0.5' has one number; the "
          "second keeps its default 0.859\"},\n"
          "    {\"file\": \"" +
          kLayout +
          "\", \"line\": 2, \"column\": 1, \"severity\": "
          "\"warning\", \"kind\": \"unknown-key\", \"message\": \"unknown key '\\\"MONEY\\\"'; "
          "the plug-in ignores this line\"},\n"
          "    {\"file\": \"" +
          kSchemes +
          "ClassicColors.ini\", \"line\": 10, \"column\": 15, \"severity\": \"note\", "
          "\"kind\": \"money-colour\", \"message\": \"the money draws this as 89 150 115: its "
          "green and blue trade places on screen; to see 89 115 150, write 89 150 115\"}\n"
          "  ],\n"
          "  \"warnings\": 2,\n"
          "  \"status\": 1\n"
          "}\n");
  EXPECT_EQ(result.status, 1);
}

TEST(CheckFindingsTest, UnreadableFolderOrFileExitsWithTwo) {
  const CheckFolder folder;
  CheckFolder::Result result = folder.Check();  // no layout file
  EXPECT_EQ(result.out, kLayout +
                            ": error: cannot read the layout settings file; the plug-in "
                            "would use every default [unreadable]\n");
  EXPECT_EQ(result.status, 2);

  std::ostringstream out, err;
  EXPECT_EQ(RunCheck({folder.game() + "/no-such-folder"}, out, err), 2);
  EXPECT_EQ(out.str(), folder.game() +
                           "/no-such-folder: error: no such folder; name the game "
                           "folder or its slate_pane_morrowfen folder [unreadable]\n");

  std::ostringstream usage_out, usage_err;
  EXPECT_EQ(RunCheck({"--fast"}, usage_out, usage_err), 2);
  EXPECT_EQ(usage_out.str(), "");
  EXPECT_EQ(usage_err.str().substr(0, usage_err.str().find('\n')),
            "slatepane-check: unknown option --fast");
}

// The settings folder itself works as well as the game folder.
TEST(CheckFindingsTest, SettingsFolderGivenDirectly) {
  const CheckFolder folder;
  folder.Write("slatepane_VC.ini", "MONEY_POS_TOP 12\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunCheck({folder.game() + "/slate_pane_morrowfen/"}, out, err), 0);
  EXPECT_EQ(out.str(), folder.game() + "/" + MoneyNote("ClassicColors.ini") + "checked " +
                           folder.game() + "/slate_pane_morrowfen/slatepane_VC.ini and " +
                           folder.game() +
                           "/slate_pane_morrowfen/color_configs/ClassicColors.ini: no warnings\n");
}

}  // namespace
