// What slatepane-check --effective prints is what the plug-in loads: the
// listing, read back as a settings file, gives the very record that
// LoadHudSettings fills from the same files in the game folder of the test
// process, and it names every key once.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "check_folder.h"
#include "check_run.h"
#include "known_keys.h"
#include "settings/load_hud_settings.h"
#include "support/game_folder.h"

namespace {

using namespace std::string_literals;

#ifndef SLATEPANE_CHECK_EXAMPLE
#error "SLATEPANE_CHECK_EXAMPLE must name the example settings folder with mistakes"
#endif

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Shipped(const std::string& relative) {
  return FileText(SLATEPANE_DATA_DIR "/" + relative);
}

// A layout file and the Classic and Modern schemes (nullopt: no such file).
struct Folder {
  const char* name;
  std::string layout;
  std::optional<std::string> classic = Shipped("color_configs/ClassicColors.ini");
  std::optional<std::string> modern = Shipped("color_configs/ModernColors.ini");
};

const Folder kFolders[] = {
    {"Shipped", Shipped("slatepane_VC.ini")},
    {"ExampleWithMistakes", FileText(SLATEPANE_CHECK_EXAMPLE "/slatepane_VC.ini"),
     FileText(SLATEPANE_CHECK_EXAMPLE "/color_configs/ClassicColors.ini")},
    {"MoreMistakes",
     "\xEF\xBB\xBFRADAR_TYPE = 2\nMONY_POS_TOP = 40\nmoney_pos_right = 40\nHUD_SCALE = 0.5\n"
     "SLOT3POS_LT = 10, 20\nSLOT7POS_RB 1 2 3\nWANTED_POS_TOP = 12.5abc\nZONE_VEHICLE_FONT = 1.5\n"
     "BAR_THICKNESS = thick\nUSING_CLASSIC_AXIS = False\nMONEY_TRANSITION_GAP = 15\n"
     "MONEY_TRANSITION_GAP = 25\nMONEY_COLOR = 255 0 0 255\nRELOAD_SETTINGS = R\n",
     "MONEY_COLOR 300 115 150 255\nWANTED_COLOR 193 164 120\nZONE_COLOR 152,154,82,255\n"
     "AMMO_COLOR 1 2 3 4 5\nCLOCK_COLOR -1 -2 -3 -4\n"},
    {"ModernSchemeMissing",
     "RADAR_TYPE 2\nMISSIONTIMERS_BG_A 0.125 -7.5\nENTITY_SQUARE_SCALE 1e-3\n"
     "RELOAD_SETTINGS 82.5\n",
     std::nullopt, std::nullopt},
    {"HexadecimalRadarType", "RADAR_TYPE 0x2\nRELOAD_SETTINGS 0x52\nUSING_CLASSIC_AXIS yes\n"},
    {"EveryFrame", "RELOAD_SETTINGS yes\nWASTED_BUSTED_OFFSET 3.4028235e38\nCLOCK_RIGHT -0\n"},
    {"Utf16", "\xFF\xFEM\0O\0N\0\n\0"s},
    {"Empty", ""},
};

// Writes the files where the plug-in looks for them in the test process, and
// puts back whatever was there.
class PluginFiles {
 public:
  PluginFiles() {
    for (const char* rel : kFiles) {
      std::ifstream in(Native(rel), std::ios::binary);
      saved_.push_back(
          in ? std::optional<std::string>(std::string(std::istreambuf_iterator<char>(in), {}))
             : std::nullopt);
    }
    std::filesystem::create_directories(Native("slate_pane_morrowfen\\color_configs"));
  }
  ~PluginFiles() {
    for (std::size_t i = 0; i < std::size(kFiles); ++i) Put(kFiles[i], saved_[i]);
  }

  void Use(const Folder& folder) {
    Put(kLayoutSettingsFile, folder.layout);
    Put(kClassicColoursFile, folder.classic);
    Put(kModernColoursFile, folder.modern);
    Put(kVColoursFile, Shipped("color_configs/VColors.ini"));
  }

 private:
  static std::string Native(const char* rel) {
    std::string path = test_game_folder() + rel;
    for (char& c : path) c = c == '\\' ? '/' : c;
    return path;
  }
  static void Put(const char* rel, const std::optional<std::string>& bytes) {
    std::filesystem::remove(Native(rel));
    if (!bytes) return;
    std::ofstream out(Native(rel), std::ios::binary);
    out << *bytes;
    out.close();
    ASSERT_TRUE(out) << "cannot write " << Native(rel);
  }

  static constexpr const char* kFiles[] = {kLayoutSettingsFile, kClassicColoursFile,
                                           kModernColoursFile, kVColoursFile};
  std::vector<std::optional<std::string>> saved_;
};

// A record whose every byte is wrong, so that a field the listing leaves out shows.
HudSettings Poisoned() {
  HudSettings s;
  std::memset(static_cast<void*>(&s), 0x5A, sizeof s);
  s.USING_CLASSIC_AXIS = true;
  return s;
}

TEST(CheckEffectiveTest, ValuesAgreeWithWhatThePlugInLoads) {
  PluginFiles files;
  std::set<std::string> every_key;
  for (const FileRole role : {FileRole::kLayout, FileRole::kColourScheme}) {
    for (const std::string_view key : KnownKeys(role)) every_key.emplace(key);
  }
  for (const Folder& folder : kFolders) {
    SCOPED_TRACE(folder.name);
    files.Use(folder);
    HudSettings loaded = Poisoned();
    LoadHudSettings(loaded);

    std::ostringstream out, err;
    RunCheck({"--effective", test_game_folder()}, out, err);
    IniFile listing = IniFile::FromText(out.str());
    std::multiset<std::string> listed;
    for (const IniEntry& entry : listing.entries()) listed.insert(entry.key);
    EXPECT_EQ(listed, std::multiset<std::string>(every_key.begin(), every_key.end()));

    HudSettings read_back = Poisoned();
    ReadLayoutSettings(listing, read_back);
    ReadColourScheme(listing, read_back.colours);
    read_back.RELOAD_SETTINGS = ReadReloadSwitch(listing);
    EXPECT_EQ(read_back, loaded);
    EXPECT_EQ(listing.entries().size(), every_key.size());  // no key was missing
  }
}

TEST(CheckEffectiveTest, FileOrderThenDefaultsWithWhereEachComesFrom) {
  const CheckFolder folder;
  folder.Write("slatepane_VC.ini",
               "RELOAD_SETTINGS 82\nHUD_SCALE 0.5\nBAR_THICKNESS thick\nRADAR_TYPE 2\n");
  folder.Write("color_configs/ModernColors.ini", "WHEEL_BG 1 2 3\n");
  const CheckFolder::Result result = folder.Check({"--effective"});
  std::istringstream lines(result.out);
  std::vector<std::string> head, tail;
  for (std::string line; std::getline(lines, line);) {
    (head.size() < 6 ? head : tail).push_back(line);
  }
  EXPECT_EQ(head, (std::vector<std::string>{
                      "; slate_pane_morrowfen/slatepane_VC.ini",
                      "RELOAD_SETTINGS = 82                        ; line 1: the settings are "
                      "re-read while the R key is held",
                      "HUD_SCALE = 0.5 0.859                       ; line 2, the rest default",
                      "BAR_THICKNESS = 10                          ; default: line 3 reads nothing",
                      "RADAR_TYPE = 2                              ; line 4",
                      "VICE_CRY_RADAR_FIX = 1075                   ; default",
                  }));
  ASSERT_EQ(tail.size(), 78u + 1u + 21u);
  EXPECT_EQ(tail[77], "SLOT9POS_RB = 130 130                       ; default");
  EXPECT_EQ(tail[78],
            "; slate_pane_morrowfen/color_configs/ModernColors.ini, selected by RADAR_TYPE 2");
  EXPECT_EQ(tail[79], "WHEEL_BG = 1 2 3 255                        ; line 1, the rest default");
  EXPECT_EQ(tail[80], "MONEY_COLOR = 89 115 150 255                ; default; drawn as 89 150 115");
  EXPECT_EQ(result.status, 1);
}

}  // namespace
