// The test process plays a game executable that lives in a fresh game folder;
// the folder goes away when the tests end.
#include <gtest/gtest.h>

#include <filesystem>

#include "os_shim.h"
#include "support/game_folder.h"

int main(int argc, char** argv) {
  refhost::os_shim::set_module_file_name(test_game_folder() + "morrowfen.exe");
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(test_game_folder());
  return result;
}
