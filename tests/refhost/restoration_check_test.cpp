#include "restoration_check.h"

#include <gtest/gtest.h>

#include "draw_log.h"
#include "foreign_patch.h"
#include "host_image.h"
#include "runtime/injector/hooking.h"

namespace {

TEST(RestorationCheck, OnlyTheRoutinesTurnedOffForGoodMayDiffer) {
  refhost::HostImage image(100);
  const refhost::CodeSnapshot before(image);
  EXPECT_EQ(refhost::check_restored(before, image), "");
  injector::patch_return(image.symbol(HostId::HostHud_DrawTimers));
  EXPECT_EQ(refhost::check_restored(before, image), "");
  injector::patch_return(image.symbol(HostId::HostText_Print));
  EXPECT_EQ(refhost::check_restored(before, image), "host code at 0x601600 was left changed");
  image.rewrite_code();
  injector::patch_return(image.site(HostSite::FrameDraw));
  EXPECT_EQ(refhost::check_restored(before, image),
            "HostSite.FrameDraw at 0x6600C3 was not restored");
}

TEST(RestorationCheck, ASiteAnotherPatcherRewroteMustHoldExactlyTheirBytes) {
  refhost::HostImage image(100);
  const refhost::CodeSnapshot before(image);
  const refhost::Instruction theirs = refhost::load_constant();
  const std::vector<refhost::ForeignSite> foreign = {{HostSite::FrameDraw, theirs}};
  EXPECT_EQ(refhost::check_restored(before, image, foreign),
            "HostSite.FrameDraw at 0x6600C3 lost the bytes another patcher wrote");
  refhost::rewrite_site(image, HostSite::FrameDraw, theirs);
  EXPECT_EQ(refhost::check_restored(before, image, foreign), "");
  EXPECT_EQ(refhost::check_restored(before, image),
            "HostSite.FrameDraw at 0x6600C3 was not restored");
  // Only the site's five bytes are the other patcher's.
  injector::patch_return(image.site(HostSite::FrameDraw) + 5);
  EXPECT_EQ(refhost::check_restored(before, image, foreign),
            "host code at 0x6600C8 was left changed");
}

TEST(RestorationCheck, AnUnknownBuildMustStayUntouched) {
  refhost::HostImage image(0);
  const refhost::CodeSnapshot before(image);
  refhost::draw_log().clear();
  EXPECT_EQ(refhost::check_inert(before, image, 0), "");
  EXPECT_EQ(refhost::check_inert(before, image, 3),
            "the plug-in wrote 3 bytes of an unknown build");
  refhost::draw_log().call("HostTxd.GetCurrent");
  EXPECT_EQ(refhost::check_inert(before, image, 0),
            "the plug-in called HostTxd.GetCurrent in an unknown build");
  refhost::draw_log().clear();
  injector::patch_return(image.symbol(HostId::HostHud_DrawTimers));
  EXPECT_NE(refhost::check_inert(before, image, 0), "");
}

// An unknown build has no call sites to look up: its code bytes are compared.
TEST(RestorationCheck, AnUnknownBuildHasOnlyItsCodeChecked) {
  refhost::HostImage image(0);
  const refhost::CodeSnapshot before(image);
  EXPECT_EQ(refhost::check_restored(before, image), "");
  injector::patch_return(image.symbol(HostId::HostText_Print));
  EXPECT_EQ(refhost::check_restored(before, image), "host code at 0x601600 was left changed");
}

}  // namespace
