#include "runtime/host_path.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "os_shim.h"
#include "support/game_folder.h"

namespace {

using refhost::os_shim::set_module_file_name;

class HostFolder : public testing::Test {
 protected:
  void TearDown() override {
    set_module_file_name(test_game_folder() + "morrowfen.exe");
    refhost::os_shim::set_module_handle_fails(false);
  }
};

TEST_F(HostFolder, CutsAfterTheLaterSeparator) {
  struct Case {
    const char* module;
    const char* folder;
  };
  const Case cases[] = {
      {"C:\\Games\\Vice\\game.exe", "C:\\Games\\Vice\\"},
      {"C:\\Games\\Vice/sub/game.exe", "C:\\Games\\Vice/sub/"},  // '/' after the last '\'
      {"/games/vice\\bin\\game.exe", "/games/vice\\bin\\"},
      {"game.exe", "game.exe"},  // no separator: left as it is
      {"C:\\", "C:\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.module);
    set_module_file_name(c.module);
    char buffer[kHostPathBuffer];
    EXPECT_TRUE(find_host_folder(buffer));
    EXPECT_STREQ(buffer, c.folder);
  }
}

TEST_F(HostFolder, PathThatDoesNotFitIsRejected) {
  const std::string folder = "C:\\" + std::string(240, 'd') + "\\";
  char buffer[kHostPathBuffer];
  // 259 characters is the longest the query returns whole.
  set_module_file_name(folder + std::string(259 - folder.size(), 'x'));
  EXPECT_TRUE(find_host_folder(buffer));
  EXPECT_EQ(std::string(buffer), folder);
  for (std::size_t length : {260u, 261u, 400u}) {
    SCOPED_TRACE(length);
    set_module_file_name(folder + std::string(length - folder.size(), 'x'));
    EXPECT_FALSE(find_host_folder(buffer));
    EXPECT_STREQ(buffer, "");
  }
}

TEST_F(HostFolder, MissingModuleShowsTheFatalMessageAndCarriesOn) {
  refhost::os_shim::set_module_handle_fails(true);
  set_module_file_name("D:\\vc\\game.exe");
  const std::size_t before = refhost::os_shim::message_boxes().size();
  char buffer[kHostPathBuffer];
  EXPECT_TRUE(find_host_folder(buffer));
  ASSERT_EQ(refhost::os_shim::message_boxes().size(), before + 1);
  const auto& box = refhost::os_shim::message_boxes().back();
  EXPECT_EQ(box.text, "FILESYSTEM\nFailed to retrieve game dir path");
  EXPECT_EQ(box.caption, "plugin-sdk");
  EXPECT_EQ(box.style, 0x10u);  // MB_ICONERROR
  EXPECT_EQ(box.owner, refhost::os_shim::kActiveWindow);
  EXPECT_STREQ(buffer, "D:\\vc\\");
}

TEST(HostPathJoin, RejectsWhatDoesNotFit) {
  char buffer[kHostPathBuffer];
  const std::string folder = "C:\\" + std::string(200, 'f') + "\\";  // 204 characters
  const std::string fits(260 - folder.size(), 'r');
  EXPECT_TRUE(join_host_path(buffer, folder.c_str(), fits.c_str()));
  EXPECT_EQ(std::string(buffer), folder + fits);
  const std::string too_long(261 - folder.size(), 'r');
  std::memset(buffer, 'z', sizeof(buffer));
  EXPECT_FALSE(join_host_path(buffer, folder.c_str(), too_long.c_str()));
  EXPECT_STREQ(buffer, "");
  // An unknown folder must not turn into a path relative to the working folder.
  EXPECT_FALSE(join_host_path(buffer, "", "slate_pane_morrowfen\\slatepane_VC.ini"));
  EXPECT_STREQ(buffer, "");
}

TEST(HostPath, IsTheGameFolderAndOneSharedBuffer) {
  EXPECT_EQ(std::string(host_folder()), test_game_folder());
  const char* first = host_path("a.txd");
  EXPECT_EQ(std::string(first), test_game_folder() + "a.txd");
  const char* second = host_path("b.txd");
  EXPECT_EQ(first, second);
  EXPECT_EQ(std::string(first), test_game_folder() + "b.txd");
}

}  // namespace
