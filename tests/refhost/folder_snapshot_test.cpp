#include "folder_snapshot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "support/game_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(FolderSnapshot, ReportsTheFirstEntryThatDiffers) {
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> change;
    std::string expected;
  };
  const Case cases[] = {
      {"nothing done", [](const fs::path&) {}, ""},
      {"one byte changed",
       [](const fs::path& f) { std::ofstream(f / "data/a.ini", std::ios::binary) << "A = 2\n"; },
       "the game folder's data/a.ini was changed"},
      {"file added", [](const fs::path& f) { std::ofstream(f / "data/new.ini") << ""; },
       "the game folder gained data/new.ini"},
      {"folder added", [](const fs::path& f) { fs::create_directory(f / "data/more"); },
       "the game folder gained data/more"},
      {"file removed", [](const fs::path& f) { fs::remove(f / "data/a.ini"); },
       "the game folder lost data/a.ini"},
      {"link pointed elsewhere",
       [](const fs::path& f) {
         fs::remove(f / "data/link");
         fs::create_symlink("b.ini", f / "data/link");
       },
       "the game folder's data/link was changed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path folder = fs::path(test_game_folder()) / "snapshot";
    fs::remove_all(folder);
    fs::create_directories(folder / "data");
    std::ofstream(folder / "data/a.ini", std::ios::binary) << "A = 1\n";
    // A link to itself: taking the snapshot must not follow it.
    fs::create_symlink("link", folder / "data/link");
    const refhost::FolderSnapshot before(folder.string());
    EXPECT_EQ(before.entries.size(), 3u);
    c.change(folder);
    EXPECT_EQ(refhost::check_untouched(before, folder.string()), c.expected);
    fs::remove_all(folder);
  }
}

}  // namespace
