// The game folder's files as a scenario edits them: the paths it may name,
// its base64 contents, and everything put back after the run.
#include "game_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "folder_snapshot.h"
#include "game_folder.h"
#include "os_shim.h"
#include "shipped_game_folder.h"
#include "text_encoding.h"

namespace {

namespace fs = std::filesystem;

TEST(GameFilePath, OnlyPlainPathsInsideTheFolder) {
  struct Case {
    const char* path;
    const char* problem;
  };
  const char* relative = "expected a path relative to the game folder";
  const char* parts = "a path with an empty, \".\" or \"..\" part";
  const char* separators = "separate folders with '/'; no '\\' or ':'";
  const Case cases[] = {
      {"slate_pane_morrowfen/slatepane_VC.ini", ""},
      {"a.b/..c/d", ""},
      {"", relative},
      {"/etc/passwd", relative},
      {"a//b", parts},
      {"a/", parts},
      {"./a", parts},
      {"a/../../b", parts},
      {"..", parts},
      {"a\\b", separators},
      {"c:b", separators},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(refhost::game_file_problem(c.path), c.problem);
  }
}

TEST(Base64, DecodesPaddedTextAndRefusesTheRest) {
  struct Case {
    const char* text;
    std::optional<std::string> bytes;
  };
  const Case cases[] = {
      {"", std::string()},
      {"TWFu", std::string("Man")},
      {"TWE=", std::string("Ma")},
      {"TQ==", std::string("M")},
      {"AP8A/w==", std::string("\x00\xff\x00\xff", 4)},
      {"+/+/", std::string("\xfb\xff\xbf")},
      {"TWF", std::nullopt},
      {"TW=u", std::nullopt},
      {"T*Fu", std::nullopt},
      {"TWFu\n", std::nullopt},
      {"====", std::nullopt},
      {"A===", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(refhost::bytes_from_base64(c.text), c.bytes);
  }
}

class GameFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "slatepane-files-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern + "/";
    fs::create_directory(folder + "data");
    Write("keep.ini", "old");
    Write("gone.ini", "bye");
    Write("data/a.txd", "dictionary");
  }
  void TearDown() override {
    refhost::game_files().restore();
    fs::remove_all(folder);
  }
  void Write(const std::string& path, const std::string& bytes) const {
    std::ofstream(folder + path, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& path) const {
    std::ifstream in(folder + path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Apply(const std::string& path, std::optional<std::string> bytes) const {
    refhost::game_files().apply(folder, {path, std::move(bytes)});
  }
  std::string folder;
};

TEST_F(GameFilesTest, WritesReplacesRemovesThenPutsAllBack) {
  const refhost::FolderSnapshot before(folder);
  Apply("keep.ini", "new");
  Apply("keep.ini", "newer");
  Apply("gone.ini", std::nullopt);
  Apply("made/deeper/b.txd", std::string("\x00\x01", 2));
  Apply("data/a.txd", "other");
  EXPECT_EQ(Read("keep.ini"), "newer");
  EXPECT_FALSE(fs::exists(folder + "gone.ini"));
  EXPECT_EQ(Read("made/deeper/b.txd"), std::string("\x00\x01", 2));
  EXPECT_EQ(refhost::game_files().made_folders(),
            (std::vector<std::string>{"made", "made/deeper"}));
  const std::map<std::string, std::optional<std::string>> written = {
      {"data/a.txd", "other"},
      {"gone.ini", std::nullopt},
      {"keep.ini", "newer"},
      {"made/deeper/b.txd", std::string("\x00\x01", 2)}};
  EXPECT_EQ(refhost::game_files().written(), written);
  EXPECT_EQ(refhost::game_files().restore(), "");
  EXPECT_EQ(refhost::FolderSnapshot(folder).entries, before.entries);
  EXPECT_TRUE(refhost::game_files().written().empty());
}

TEST_F(GameFilesTest, RefusedWriteLeavesNothingAfterRestore) {
  const refhost::FolderSnapshot before(folder);
  Apply("new.ini", "first");
  // keep.ini is a file, so no folder can be made under that name.
  EXPECT_THROW(Apply("keep.ini/x.ini", "second"), std::runtime_error);
  EXPECT_THROW(Apply("data", "a folder"), std::runtime_error);
  EXPECT_EQ(refhost::game_files().restore(), "");
  EXPECT_EQ(refhost::FolderSnapshot(folder).entries, before.entries);
}

TEST_F(GameFilesTest, FolderCheckAllowsTheScenarioWritesAndNothingElse) {
  const auto check = refhost::watch_game_folder(folder);
  Apply("keep.ini", "new");
  Apply("gone.ini", std::nullopt);
  Apply("made/c.ini", "made");
  EXPECT_EQ(check(), "");
  Write("plugin.ini", "a player's file, written by the plug-in");
  EXPECT_EQ(check(), "the game folder gained plugin.ini");
  fs::remove(folder + "plugin.ini");
  Write("made/c.ini", "changed behind the scenario");
  EXPECT_EQ(check(), "the game folder's made/c.ini was changed");
  EXPECT_EQ(refhost::game_files().restore(), "");
  EXPECT_EQ(check(), "");
}

// The dictionary maker gets the settings folder as it is, whatever the
// two paths hold: no shell reads them.
TEST_F(GameFilesTest, ShippedFolderPassesPathsToTheDictionaryMakerAsTheyAre) {
  const fs::path tools = fs::path(folder) / "it's a \"maker\" $HOME;";
  fs::create_directory(tools);
  const fs::path maker = tools / "make dictionaries";
  std::ofstream(maker) << "#!/bin/sh\necho made >\"$1/made.txd\"\n";
  fs::permissions(maker, fs::perms::owner_all);
  const std::string played = refhost::os_shim::module_file_name();
  std::string error;
  const std::string made =
      refhost::make_shipped_game_folder(SLATEPANE_DATA_DIR, maker.string(), error);
  refhost::os_shim::set_module_file_name(played);
  ASSERT_FALSE(made.empty()) << error;
  EXPECT_TRUE(fs::exists(fs::path(made) / "slate_pane_morrowfen" / "made.txd"));
  EXPECT_TRUE(fs::exists(fs::path(made) / "slate_pane_morrowfen" / "slatepane_VC.ini"));
  fs::remove_all(made);
}

}  // namespace
