#include "edit/edit_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "studio_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kLayout =
    "\xEF\xBB\xBF# layout\r\nMONEY_POS_TOP = 30 ; top\r\n\r\nODD_KEY x\r\nMONEY_POS_TOP = 99\r\n";

class EditSessionTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("slatepane_VC.ini", kLayout);
    folder_.Write("color_configs/ClassicColors.ini", "MONEY_COLOR = 1 2 3 255\n");
  }
  StudioFolder folder_;
  EditSession session_{folder_.path()};
};

TEST_F(EditSessionTest, EditsOnlyTheValueAndKeepsTheOriginalAsBak) {
  ASSERT_TRUE(session_.Read("slatepane_VC.ini").ok());
  ASSERT_TRUE(session_.Set("slatepane_VC.ini", "MONEY_POS_TOP", "45").ok());
  ASSERT_TRUE(session_.Set("slatepane_VC.ini", "WANTED_POS_TOP", "12").ok());
  std::string expected = kLayout;
  expected.replace(expected.find("30"), 2, "45");
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), expected + "WANTED_POS_TOP = 12\r\n");
  EXPECT_EQ(folder_.Read("slatepane_VC.ini.bak"), kLayout);
  EXPECT_EQ(session_.undo_count(), 2u);
}

TEST_F(EditSessionTest, UndoingEveryEditGivesBackTheOriginalBytes) {
  ASSERT_TRUE(session_.Set("slatepane_VC.ini", "MONEY_POS_TOP", "45").ok());
  ASSERT_TRUE(session_.Set("color_configs/ClassicColors.ini", "MONEY_COLOR", "9 9 9").ok());
  ASSERT_TRUE(session_.Set("slatepane_VC.ini", "MONEY_POS_TOP", "50").ok());
  const std::string edited = folder_.Read("slatepane_VC.ini");
  for (int k = 0; k < 3; ++k) ASSERT_TRUE(session_.Undo().ok());
  EXPECT_EQ(session_.Undo().status, EditStatus::kNothingToDo);
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), kLayout);
  EXPECT_EQ(folder_.Read("color_configs/ClassicColors.ini"), "MONEY_COLOR = 1 2 3 255\n");
  for (int k = 0; k < 3; ++k) ASSERT_TRUE(session_.Redo().ok());
  EXPECT_EQ(session_.Redo().status, EditStatus::kNothingToDo);
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), edited);
  // A new edit after an undo drops what could have been redone.
  ASSERT_TRUE(session_.Undo().ok());
  ASSERT_TRUE(session_.Set("slatepane_VC.ini", "WANTED_POS_TOP", "1").ok());
  EXPECT_EQ(session_.redo_count(), 0u);
}

TEST_F(EditSessionTest, RefusesAFileChangedUnderneath) {
  ASSERT_TRUE(session_.Read("slatepane_VC.ini").ok());
  folder_.Write("slatepane_VC.ini", "MONEY_POS_TOP = 1\n");
  const EditResult refused = session_.Set("slatepane_VC.ini", "MONEY_POS_TOP", "45");
  EXPECT_EQ(refused.status, EditStatus::kChangedOnDisk);
  EXPECT_NE(refused.message.find("changed on disk"), std::string::npos);
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), "MONEY_POS_TOP = 1\n");
  // Read again, the file takes the edit.
  ASSERT_TRUE(session_.Read("slatepane_VC.ini").ok());
  ASSERT_TRUE(session_.Set("slatepane_VC.ini", "MONEY_POS_TOP", "45").ok());
  // An undo over a file changed since the edit is refused too.
  folder_.Write("slatepane_VC.ini", "changed\n");
  EXPECT_EQ(session_.Undo().status, EditStatus::kChangedOnDisk);
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), "changed\n");
}

TEST_F(EditSessionTest, NeverReadsOrWritesOutsideTheFolder) {
  const fs::path outside =
      folder_.path().parent_path() / (folder_.path().filename().string() + "-out");
  fs::create_directories(outside);
  std::ofstream(outside / "secret.ini") << "MONEY_POS_TOP = 1\n";
  fs::create_directory_symlink(outside, folder_.path() / "linked");
  fs::create_symlink(outside / "secret.ini", folder_.path() / "leak.ini");
  for (const char* name : {"", "../secret.ini", "color_configs/../../secret.ini", "/etc/passwd",
                           "linked/secret.ini", "leak.ini", "a\\b.ini", "C:x.ini", "."}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(session_.Read(name).status, EditStatus::kRefusedPath);
    EXPECT_EQ(session_.Set(name, "MONEY_POS_TOP", "2").status, EditStatus::kRefusedPath);
  }
  EXPECT_EQ(folder_.ReadOutside(outside / "secret.ini"), "MONEY_POS_TOP = 1\n");
  fs::remove_all(outside);
}

TEST_F(EditSessionTest, RefusesValuesAndKeysThatAreNotOneValue) {
  for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
           {"MONEY_POS_TOP", "1 # 2"}, {"MONEY_POS_TOP", "1\nX 2"}, {"A B", "1"}, {"", "1"}}) {
    EXPECT_EQ(session_.Set("slatepane_VC.ini", key, value).status, EditStatus::kBadValue) << key;
  }
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), kLayout);
  EXPECT_FALSE(fs::exists(folder_.path() / "slatepane_VC.ini.bak"));
}

TEST_F(EditSessionTest, ConcurrentEditsAllLandAndAllUndo) {
  std::vector<std::thread> writers;
  for (int k = 0; k < 8; ++k) {
    writers.emplace_back([this, k] {
      const std::string key = "SLOT" + std::to_string(k) + "POS_LT";
      for (int n = 0; n < 5; ++n) {
        EXPECT_TRUE(session_.Set("slatepane_VC.ini", key, std::to_string(n) + " 1").ok());
      }
    });
  }
  for (std::thread& writer : writers) writer.join();
  const std::string edited = folder_.Read("slatepane_VC.ini");
  for (int k = 0; k < 8; ++k) {
    EXPECT_NE(edited.find("SLOT" + std::to_string(k) + "POS_LT = 4 1\r\n"), std::string::npos);
  }
  EXPECT_EQ(session_.undo_count(), 40u);
  while (session_.Undo().ok()) {
  }
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), kLayout);
  EXPECT_EQ(fs::directory_iterator(folder_.path()) == fs::directory_iterator(), false);
  for (const auto& item : fs::directory_iterator(folder_.path())) {
    EXPECT_EQ(item.path().extension() == ".tmp", false) << item.path();
  }
}

}  // namespace
