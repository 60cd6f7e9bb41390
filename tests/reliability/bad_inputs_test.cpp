// The real plug-in given settings it cannot use: a missing folder, files it
// cannot open or read, a file that is a folder, a very large file, and host
// folders whose paths fill the path buffers. It must not crash, must draw with
// the settings' defaults, and must leave the player's folder as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "draw_log.h"
#include "folder_snapshot.h"
#include "frame_loop.h"
#include "os_shim.h"
#include "reliability/hosted_plugin.h"
#include "scenario.h"
#include "support/game_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kLayout = "slate_pane_morrowfen/slatepane_VC.ini";
constexpr const char* kClassic = "slate_pane_morrowfen/color_configs/ClassicColors.ini";
constexpr std::size_t kTenMegabytes = 10u * 1024u * 1024u;

// A layout that changes what is drawn: the money twice as large.
constexpr const char* kBigMoney = "MONEY_SCALE = 0.88 1.718\n";

void Write(const fs::path& path, const std::string& contents) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
  ASSERT_TRUE(out.good()) << path;
}

// A fresh player folder under the temporary folder, gone at the end.
class PlayerFolder {
 public:
  PlayerFolder() {
    std::string pattern = (fs::temp_directory_path() / "slatepane-player-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    folder_ = pattern;
  }
  ~PlayerFolder() { fs::remove_all(folder_); }
  const fs::path& path() const { return folder_; }

 private:
  fs::path folder_;
};

struct Played {
  std::vector<std::string> log;
  std::string folder_change;  // check_untouched
};

class BadInputs : public testing::Test {
 protected:
  void TearDown() override {
    refhost::os_shim::set_module_file_name(test_game_folder() + "morrowfen.exe");
  }

  static const refhost::Scenario& Status() {
    static const refhost::Scenario scenario =
        refhost::Scenario::load(SLATEPANE_EXAMPLES_DIR "/status.json");
    return scenario;
  }

  // Loads the plug-in as the executable `exe`, plays two frames of the status
  // example and unloads; compares the folder `watched` before and after.
  static Played Play(const std::string& exe, const fs::path& watched) {
    Played played;
    const refhost::FolderSnapshot before(watched.string());
    refhost::os_shim::set_module_file_name(exe);
    {
      HostedPlugin host(100, Status());
      const std::string error = host.load();
      EXPECT_EQ(error, "");
      if (!error.empty()) return played;
      refhost::play(host.image(), Status(), 2);
      played.log = refhost::draw_log().texts();
    }
    played.folder_change = refhost::check_untouched(before, watched.string());
    return played;
  }

  static Played PlayIn(const PlayerFolder& folder) {
    return Play((folder.path() / "morrowfen.exe").string(), folder.path());
  }

  // What the plug-in draws with every setting at its default.
  static const std::vector<std::string>& DefaultLog() {
    static const std::vector<std::string> log = [] {
      PlayerFolder empty;
      return PlayIn(empty).log;
    }();
    return log;
  }
};

// The log with the paths of the host's stream opens taken out, and those paths.
std::pair<std::vector<std::string>, std::vector<std::string>> SplitStreamPaths(
    const std::vector<std::string>& log) {
  static const std::string kOpen = "HostStream.Open 2 1 ";
  std::pair<std::vector<std::string>, std::vector<std::string>> split;
  for (const std::string& line : log) {
    const bool open = line.rfind(kOpen, 0) == 0;
    split.first.push_back(open ? kOpen : line);
    if (open) split.second.push_back(line.substr(kOpen.size()));
  }
  return split;
}

std::vector<std::string> ScaleCalls(const std::vector<std::string>& log) {
  std::vector<std::string> scales;
  for (const std::string& line : log) {
    if (line.rfind("HostText.SetScale", 0) == 0) scales.push_back(line);
  }
  return scales;
}

TEST_F(BadInputs, WithoutASettingsFolderTheDefaultsDraw) {
  const std::vector<std::string>& log = DefaultLog();
  ASSERT_FALSE(log.empty());
  const auto scales = ScaleCalls(log);
  ASSERT_FALSE(scales.empty());
  // MONEY_SCALE 0.44 0.859 at 1920 x 1080.
  EXPECT_EQ(scales.front(), "HostText.SetScale 0.99 2.0708036");

  // The comparisons below can fail: a readable layout does change the log.
  PlayerFolder folder;
  Write(folder.path() / kLayout, kBigMoney);
  const Played played = PlayIn(folder);
  EXPECT_EQ(ScaleCalls(played.log).front(), "HostText.SetScale 1.98 4.1416073");
  EXPECT_NE(played.log, log);
  EXPECT_EQ(played.folder_change, "");
}

TEST_F(BadInputs, SettingsThatCannotBeUsedFallBackToTheDefaults) {
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> make;
  };
  const std::string big_junk(kTenMegabytes, 'x');
  const Case cases[] = {
      {"missing settings folder", [](const fs::path&) {}},
      {"empty settings folder",
       [](const fs::path& f) { fs::create_directories(f / "slate_pane_morrowfen/color_configs"); }},
      {"layout and colour files are folders",
       [](const fs::path& f) {
         fs::create_directories(f / kLayout);
         fs::create_directories(f / kClassic);
       }},
      // Opened, but every read fails (EIO): the process's memory at address 0.
      {"reads fail",
       [](const fs::path& f) {
         fs::create_directories(f / "slate_pane_morrowfen/color_configs");
         fs::create_symlink("/proc/self/mem", f / kLayout);
         fs::create_symlink("/proc/self/mem", f / kClassic);
       }},
      // Present, but cannot be opened (ELOOP).
      {"files cannot be opened",
       [](const fs::path& f) {
         fs::create_directories(f / "slate_pane_morrowfen/color_configs");
         fs::create_symlink("slatepane_VC.ini", f / kLayout);
         fs::create_symlink("ClassicColors.ini", f / kClassic);
       }},
      {"10 MB layout of one line without keys",
       [&big_junk](const fs::path& f) { Write(f / kLayout, big_junk); }},
      {"10 MB layout of comment lines",
       [](const fs::path& f) {
         std::string lines;
         while (lines.size() < kTenMegabytes) lines += "; MONEY_SCALE = 9 9\n";
         Write(f / kLayout, lines);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlayerFolder folder;
    c.make(folder.path());
    const Played played = PlayIn(folder);
    EXPECT_EQ(played.log, DefaultLog());
    EXPECT_EQ(played.folder_change, "");
  }
}

// The whole of a large file is read: a key after 10 MB still counts.
TEST_F(BadInputs, AKeyAfterTenMegabytesIsRead) {
  PlayerFolder folder;
  std::string lines;
  while (lines.size() < kTenMegabytes) lines += "; padding padding padding padding\n";
  Write(folder.path() / kLayout, lines + kBigMoney);
  const Played played = PlayIn(folder);
  ASSERT_FALSE(ScaleCalls(played.log).empty());
  EXPECT_EQ(ScaleCalls(played.log).front(), "HostText.SetScale 1.98 4.1416073");
  EXPECT_EQ(played.folder_change, "");
}

// A folder path of `length` characters (no separator at its end) under `folder`.
fs::path FolderOfLength(fs::path folder, std::size_t length) {
  // Each part costs its name and a separator; names stay far below 255.
  const std::size_t rest = length - folder.string().size();
  const std::size_t parts = (rest + 200) / 201;
  for (std::size_t k = 0; k < parts; ++k) {
    const std::size_t share = rest / parts + (k < rest % parts ? 1 : 0);
    folder /= std::string(share - 1, 'd');
  }
  return folder;
}

// Host paths at the limits of the 260-byte queries. The folder of an
// executable path of 259 characters fits, but a settings path joined to it
// does not. A folder of 259 characters with its separator, or any longer
// path, is cut short by the query, and a folder taken from the cut path
// would be another folder. Either way the settings count as missing, however
// readable the file that the path names.
TEST_F(BadInputs, HostPathsThatFillTheBuffersUseTheDefaults) {
  struct Case {
    const char* name;
    std::size_t folder_length;
  };
  const Case cases[] = {
      {"executable path of 259 characters", 259 - 6},
      {"folder of 259 characters", 258},
      {"executable path of 300 characters", 300 - 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlayerFolder base;
    const fs::path folder = FolderOfLength(base.path(), c.folder_length);
    ASSERT_EQ(folder.string().size(), c.folder_length);
    Write(folder / kLayout, kBigMoney);
    const Played played = Play((folder / "m.exe").string(), base.path());
    // The folder is unknown: every plug-in path is empty, so no file is
    // opened, and the texture sets fall back as for missing files.
    const auto [log, paths] = SplitStreamPaths(played.log);
    EXPECT_EQ(log, SplitStreamPaths(DefaultLog()).first);
    EXPECT_EQ(paths, std::vector<std::string>(5, "\"\""));
    EXPECT_EQ(played.folder_change, "");
  }
}

}  // namespace
