// Whole sessions through refhost and the real plug-in: the renderer stopped
// and started again, and game files edited while the game runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "refhost/session_host.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kLayout = "slate_pane_morrowfen/slatepane_VC.ini";

// Two wanted stars on a 1920 x 1080 screen, seen for good (the level changed
// long before the clock's start).
std::string Stars(int frames, const std::string& at, const std::string& start_files = "{}") {
  return R"({"screen": {"width": 1920, "height": 1080}, "clock": {"start_ms": 100000},
             "frames": )" +
         std::to_string(frames) + R"(, "start": {"set": {"HostPlayer.WantedLevel": 2}, "files": )" +
         start_files + R"(}, "at": )" + at + "}";
}

// The quads of the "star" sprite drawn in a frame.
Lines StarQuads(const SessionRun& run, int frame) {
  Lines out;
  for (const std::string& line : FrameLines(run, frame)) {
    if (line.starts_with("HostSprite.DrawQuad \"star\"")) out.push_back(line);
  }
  return out;
}

// The crosshairs' dictionary goes with the three others, before the phone's.
const Lines kRelease = {
    "HostSprite.Release \"radar_centre\"", "HostRadar.Shutdown",
    "HostTxd.Destroy \"hud_vc.txd\"",      "HostTxd.Destroy \"ring_vc.txd\"",
    "HostTxd.Destroy \"radio_vc.txd\"",    "HostTxd.Destroy \"crosshairs_vc.txd\"",
    "HostTxd.Destroy \"phone.txd\"",
};

Lines Load() {
  Lines out;
  auto read = [&out](const std::string& file) {
    out.push_back("HostStream.Open 2 1 \"slate_pane_morrowfen\\\\" + file + "\"");
    out.push_back("HostStream.FindChunk \"" + file + "\" 22 null null");
    out.push_back("HostStream.ReadDictionary \"" + file + "\"");
    out.push_back("HostStream.Close \"" + file + "\"");
  };
  for (const char* file : {"hud_vc.txd", "crosshairs_vc.txd", "ring_vc.txd", "radio_vc.txd"}) {
    read(file);
  }
  for (const char* name : {"clrect", "bar", "star", "timerbar"}) {
    out.push_back(std::string("HostTxd.FindTexture \"hud_vc.txd\" \"") + name + "\"");
  }
  for (const char* name : {"siterocket", "sitesniper", "sitelaser", "siteM16", "viewfinder_128",
                           "laserdot", "snipertarget", "assault", "shotgun", "smg"}) {
    out.push_back(std::string("HostTxd.FindTexture \"crosshairs_vc.txd\" \"") + name + "\"");
  }
  read("phone.txd");
  out.insert(out.end(), {"HostTxd.FindSlot \"hud\"", "HostTxd.PushCurrent 1",
                         "HostSprite.SetTexture null \"radar_centre\"", "HostTxd.PopCurrent"});
  return out;
}

Lines Join(Lines head, const Lines& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

Lines Slice(const Lines& lines, std::size_t first, std::size_t count) {
  if (first >= lines.size()) return {};
  return Lines(lines.begin() + first, lines.begin() + std::min(lines.size(), first + count));
}

class Session : public testing::Test {
 protected:
  SessionHost host;
};

TEST_F(Session, SettingsEditedAtFrameNShowFromFrameNPlusOne) {
  const SessionRun run = host.Play(Stars(4, R"({
      "2": {"files": {"slate_pane_morrowfen/slatepane_VC.ini": "WANTED_POS_RIGHT 100\n"}},
      "3": {"files": {"slate_pane_morrowfen/slatepane_VC.ini": null}}})"));
  ASSERT_EQ(run.status, 0) << (run.errors.empty() ? "" : run.errors[0]);
  // Star 0 spans W - L(62 + 33.33) ... W - L(62) with the defaults, and
  // W - L(133.33) ... W - L(100) once the edit is read.
  const std::string defaults = "HostSprite.DrawQuad \"star\" 1825 73 1858 73 1825 40 1858 40";
  const std::string edited = "HostSprite.DrawQuad \"star\" 1787 73 1820 73 1787 40 1820 40";
  const std::string expected[] = {defaults, defaults, edited, defaults};
  for (int frame = 1; frame <= 4; ++frame) {
    SCOPED_TRACE(frame);
    const Lines quads = StarQuads(run, frame);
    ASSERT_EQ(quads.size(), 8u);  // six backing stars, two of the level
    EXPECT_EQ(quads[0], expected[frame - 1] + " 0 0 0 200");
  }
}

TEST_F(Session, ColourFileFollowsRadarTypeFromTheNextFrame) {
  const std::string schemes = R"({
      "slate_pane_morrowfen/slatepane_VC.ini": "RADAR_TYPE 1\n",
      "slate_pane_morrowfen/color_configs/ClassicColors.ini": "WANTED_COLOR 1 2 3\n",
      "slate_pane_morrowfen/color_configs/ModernColors.ini": "WANTED_COLOR 4 5 6 7\n",
      "slate_pane_morrowfen/color_configs/VColors.ini": "WANTED_COLOR 8 9 10\n"})";
  const SessionRun run = host.Play(Stars(5, R"({
      "1": {"files": {"slate_pane_morrowfen/slatepane_VC.ini": "RADAR_TYPE 2\n"}},
      "2": {"files": {"slate_pane_morrowfen/slatepane_VC.ini": "RADAR_TYPE 3\n"}},
      "3": {"files": {"slate_pane_morrowfen/color_configs/VColors.ini": "WANTED_COLOR 80 90 100\n"}},
      "4": {"files": {"slate_pane_morrowfen/slatepane_VC.ini": "RADAR_TYPE 0\n"}}})",
                                         schemes));
  ASSERT_EQ(run.status, 0) << (run.errors.empty() ? "" : run.errors[0]);
  struct Case {
    int frame;
    const char* colour;  // of the level's stars
  };
  const Case cases[] = {{1, "1 2 3 255"},
                        {2, "4 5 6 7"},
                        {3, "8 9 10 255"},
                        {4, "80 90 100 255"},
                        {5, "80 90 100 255"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    const Lines quads = StarQuads(run, c.frame);
    ASSERT_EQ(quads.size(), 8u);
    EXPECT_EQ(quads[6], "HostSprite.DrawQuad \"star\" 1825 73 1858 73 1825 40 1858 40 " +
                            std::string(c.colour));
  }
}

TEST_F(Session, RestartReleasesTheTextureSetsThenLoadsEveryOneInOrder) {
  const SessionRun run = host.Play(Stars(3, R"({"2": {"renderer": "restart"}})"));
  ASSERT_EQ(run.status, 0) << (run.errors.empty() ? "" : run.errors[0]);
  const Lines load = Load();
  const Lines start = FrameLines(run, 0);
  const Lines restart = FrameLines(run, 2);
  const auto first_open = std::find(start.begin(), start.end(), load.front()) - start.begin();
  EXPECT_EQ(Slice(start, first_open, load.size()), load);
  EXPECT_EQ(Slice(restart, 0, kRelease.size()), kRelease);
  EXPECT_EQ(Slice(restart, kRelease.size(), load.size()), load);
  // The sets loaded again draw in the same frame, and are released at the end.
  EXPECT_EQ(StarQuads(run, 2).size(), 8u);
  EXPECT_EQ(Slice(FrameLines(run, 4), 0, kRelease.size()), kRelease);
}

TEST_F(Session, StoppedRendererDrawsNothingUntilStartedAgain) {
  struct Case {
    const char* at;
    int frames;
    std::vector<int> drawn;     // frames that draw the stars
    std::vector<int> released;  // frames that begin with the release
    std::vector<int> loaded;    // frames that begin with the load
  };
  const Case cases[] = {
      {R"({"2": {"renderer": "stop"}, "4": {"renderer": "start"}})", 5, {1, 4, 5}, {2, 6}, {4}},
      {R"({"2": {"renderer": "stop"}})", 3, {1}, {2}, {}},
      {R"({"1": {"renderer": "restart"}, "2": {"renderer": "stop"}, "3": {"renderer": "start"}})",
       3,
       {1, 3},
       {1, 2, 4},
       {3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at);
    const SessionRun run = host.Play(Stars(c.frames, c.at));
    ASSERT_EQ(run.status, 0) << (run.errors.empty() ? "" : run.errors[0]);
    for (int frame = 1; frame <= c.frames + 1; ++frame) {
      SCOPED_TRACE(frame);
      const Lines lines = FrameLines(run, frame);
      const bool drawn = std::count(c.drawn.begin(), c.drawn.end(), frame) != 0;
      const bool released = std::count(c.released.begin(), c.released.end(), frame) != 0;
      const bool loaded = std::count(c.loaded.begin(), c.loaded.end(), frame) != 0;
      EXPECT_EQ(StarQuads(run, frame).size(), drawn ? 8u : 0u);
      EXPECT_EQ(Slice(lines, 0, kRelease.size()) == kRelease, released);
      EXPECT_EQ(Slice(lines, 0, Load().size()) == Load(), loaded);
      // A stopped renderer's frame has no host call at all, and the end of
      // a run whose renderer is stopped only unloads the plug-in.
      if (!drawn && !released && frame <= c.frames) {
        EXPECT_EQ(lines, Lines{});
      }
    }
  }
}

TEST_F(Session, DictionaryReplacedMidRunIsReadAtTheRestart) {
  // phone.txd removed after frame 1: the restart at frame 2 falls back to the
  // host's current dictionary for it; the folder holds it again afterwards.
  const refhost::FolderSnapshot before = host.Snapshot();
  const SessionRun run = host.Play(Stars(2, R"({
      "1": {"files": {"slate_pane_morrowfen/phone.txd": null}},
      "2": {"renderer": "restart"}})"));
  ASSERT_EQ(run.status, 0) << (run.errors.empty() ? "" : run.errors[0]);
  const Lines restart = FrameLines(run, 2);
  const auto phone = std::find(restart.begin(), restart.end(),
                               "HostStream.Open 2 1 \"slate_pane_morrowfen\\\\phone.txd\"");
  ASSERT_NE(phone, restart.end());
  EXPECT_EQ(*(phone + 1), "HostTxd.GetCurrent");
  EXPECT_EQ(Slice(FrameLines(run, 3), 0, 7),
            Join(Slice(kRelease, 0, 6), {"HostSprite.Destruct null"}));  // no phone.txd to destroy
  EXPECT_EQ(host.Snapshot().entries, before.entries);
}

TEST_F(Session, BadScenarioStopsBeforeAnythingAndLeavesTheFolderAsItWas) {
  struct Case {
    const char* at;
    const char* error;
  };
  const Case cases[] = {
      {R"({"1": {"files": {"../outside.ini": "x"}}})",
       "refhost: at.1.files.\"../outside.ini\": a path with an empty, \".\" or \"..\" "
       "part"},
      {R"({"1": {"files": {"/tmp/outside.ini": "x"}}})",
       "refhost: at.1.files.\"/tmp/outside.ini\": expected a path relative to the game "
       "folder"},
      {R"({"1": {"files": {"a.ini": {"base64": "not base64"}}}})",
       "refhost: at.1.files.\"a.ini\": not base64 text"},
      {R"({"1": {"files": {"a.ini": 3}}})",
       "refhost: at.1.files.\"a.ini\": expected a text, {\"base64\": ...} or null"},
      {R"({"1": {"renderer": "pause"}})",
       "refhost: at.1.renderer: expected \"stop\", \"start\" or \"restart\""},
      {R"({"1": {"renderer": "start"}})",
       "refhost: at.1.renderer: the renderer is running already"},
      {R"({"1": {"renderer": "stop"}, "2": {"renderer": "restart"}})",
       "refhost: at.2.renderer: the renderer is stopped already"},
      {R"({"0": {"renderer": "stop"}})", "refhost: at.0.renderer: frames start at 1"},
      // Found wrong half-way through the run: the plug-in is unloaded
      // before the host goes away.
      {R"({"2": {"set": {"HostNo.Such": 1}}})",
       "refhost: no host variable or record field named HostNo.Such"},
      // Refused by the file system half-way through the run: what the first
      // step wrote is put back all the same.
      {R"({"1": {"files": {"slate_pane_morrowfen/new.ini": "x"}},
           "2": {"files": {"slate_pane_morrowfen/hud_vc.txd/x.ini": "x"}}})",
       "refhost: cannot make the folder slate_pane_morrowfen/hud_vc.txd"},
  };
  const refhost::FolderSnapshot before = host.Snapshot();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at);
    const SessionRun run = host.Play(Stars(3, c.at));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, Lines{c.error});
    EXPECT_EQ(host.Snapshot().entries, before.entries);
  }
  const SessionRun run = host.Play(R"({"start": {"renderer": "stop"}})");
  EXPECT_EQ(run.errors, Lines{"refhost: start.renderer: the renderer starts at frame 0; "
                              "change it in \"at\""});
}

}  // namespace
