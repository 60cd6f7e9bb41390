// The refhost command itself: the map it prints for each build, and how many
// frames it plays with and without --frames.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/address_map.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A folder of its own for each test: the game folder and the outputs.
class RefhostCommand : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "slatepane-refhost-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr) << pattern;
    folder_ = pattern;
    fs::create_directories(folder_ / "game");
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  struct Run {
    int status;
    std::string out, err;
  };
  // Runs refhost with these arguments; standard output and error go to files.
  Run Refhost(std::vector<std::string> args) const {
    args.insert(args.begin(), SLATEPANE_REFHOST);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string out = (folder_ / "out").string(), err = (folder_ / "err").string();
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0) throw std::runtime_error("cannot start " SLATEPANE_REFHOST);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
  }

  fs::path folder_;
};

// The line of one symbol, found by its name.
std::string SymbolLine(const std::vector<std::string>& lines, const std::string& name) {
  for (const std::string& line : lines) {
    if (line.rfind(name + " ", 0) == 0) return line;
  }
  return "no line for " + name;
}

// A heading, then one line for each symbol: fixed ones at the same address in
// every build, bound ones where the build has them (0 in build none).
TEST_F(RefhostCommand, PrintMapListsEverySymbolAtItsAddressInTheBuild) {
  struct Case {
    const char* build;
    const char* heading;
    const char* slots;  // a bound variable
    const char* pad;    // a bound routine
  };
  const Case cases[] = {
      {"100", "build 100", "HostText.BigMessageSlots             variable bound 0x800000",
       "HostPad.Get                          routine  bound 0x640000"},
      {"110", "build 110", "HostText.BigMessageSlots             variable bound 0x880008",
       "HostPad.Get                          routine  bound 0x641000"},
      {"120", "build 120", "HostText.BigMessageSlots             variable bound 0x900018",
       "HostPad.Get                          routine  bound 0x642000"},
      {"none", "build none", "HostText.BigMessageSlots             variable bound 0x000000",
       "HostPad.Get                          routine  bound 0x000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.build);
    const Run run = Refhost({"--build", c.build, "--print-map"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1 + kHostSymbolCount);
    EXPECT_EQ(lines[0], c.heading);
    EXPECT_EQ(lines[1], "HostScreen.Width                     variable fixed 0x700000");
    EXPECT_EQ(SymbolLine(lines, "HostText.Print"),
              "HostText.Print                       routine  fixed 0x601600");
    EXPECT_EQ(SymbolLine(lines, "HostText.BigMessageSlots"), c.slots);
    EXPECT_EQ(SymbolLine(lines, "HostPad.Get"), c.pad);
  }
}

// The frames of a draw log line by line: its first field.
std::set<int> Frames(const std::vector<std::string>& log) {
  std::set<int> frames;
  for (const std::string& line : log) frames.insert(std::stoi(line));
  return frames;
}

std::vector<std::string> OfFrame(const std::vector<std::string>& log, int frame) {
  std::vector<std::string> out;
  const std::string prefix = std::to_string(frame) + " ";
  for (const std::string& line : log) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line.substr(prefix.size()));
  }
  return out;
}

TEST_F(RefhostCommand, FramesOverridesTheScenarios) {
  const fs::path scenario = folder_ / "scenario.json";
  {
    std::ofstream out(scenario);
    out << R"({"screen": {"width": 1920, "height": 1080}, "frames": 4})";
    out.close();
    ASSERT_TRUE(out) << "cannot write " << scenario;
  }
  auto play = [&](std::vector<std::string> frames) {
    std::vector<std::string> args = {"--build",       "100",
                                     "--plugin",      SLATEPANE_PLUGIN,
                                     "--game-folder", (folder_ / "game").string(),
                                     "--scenario",    scenario.string()};
    args.insert(args.end(), frames.begin(), frames.end());
    const Run run = Refhost(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return Lines(run.out);
  };
  const std::vector<std::string> whole = play({});
  // Frame 0 loads and starts the renderer, 1 to N play, N + 1 stops.
  EXPECT_EQ(Frames(whole), (std::set<int>{0, 1, 2, 3, 4, 5}));
  struct Case {
    const char* frames;
    std::set<int> logged;
  };
  const Case cases[] = {{"2", {0, 1, 2, 3}}, {"0", {0, 1}}, {"6", {0, 1, 2, 3, 4, 5, 6, 7}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frames);
    const std::vector<std::string> log = play({"--frames", c.frames});
    EXPECT_EQ(Frames(log), c.logged);
    const int last = *c.logged.rbegin();
    // The frames played are those of the whole run, and the stop is its stop.
    for (int frame = 0; frame < last && frame <= 4; ++frame) {
      EXPECT_EQ(OfFrame(log, frame), OfFrame(whole, frame)) << "frame " << frame;
    }
    EXPECT_EQ(OfFrame(log, last), OfFrame(whole, 5));
  }
}

}  // namespace
