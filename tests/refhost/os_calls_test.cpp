// The plug-in's operating-system calls as refhost's options log and refuse
// them, through the real plug-in: the protection changes of every patch, the
// key queries, and the message box of a start that cannot find its folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host_image.h"
#include "refhost/session_host.h"
#include "restoration_check.h"
#include "runtime/address_map.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kOneFrame = R"({"frames": 1})";
constexpr const char* kProtectionLog = "--log-protection";

std::string Hex(std::uint32_t address) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%06X", static_cast<unsigned>(address));
  return text;
}

// "<frame> VirtualProtect <address> <size> <protection> <previous> <answer>"
std::string Change(int frame, std::uint32_t address, int size, int protection, int previous) {
  return std::to_string(frame) + " VirtualProtect " + Hex(address) + " " + std::to_string(size) +
         " " + std::to_string(protection) + " " + std::to_string(previous) + " 1";
}

// The lines at these addresses, in order.
Lines At(const SessionRun& run, std::uint32_t address, std::uint32_t operand) {
  Lines out;
  for (const std::string& line : LinesStarting(run, "")) {
    const auto field = line.find(" VirtualProtect ");
    if (field == std::string::npos) continue;
    const std::string where = line.substr(field + 16, 8);
    if (where == Hex(address) || where == Hex(operand)) out.push_back(line);
  }
  return out;
}

// A 5-byte write: the operand's guard first, then the opcode's inside it, each
// put back to what it found (64 is PAGE_EXECUTE_READWRITE, 32 PAGE_EXECUTE_READ).
Lines Write(int frame, std::uint32_t a) {
  return {Change(frame, a + 1, 4, 64, 32), Change(frame, a, 1, 64, 64), Change(frame, a, 1, 64, 64),
          Change(frame, a + 1, 4, 32, 64)};
}

Lines NoFrames(const Lines& lines) {
  Lines out;
  for (const std::string& line : lines) out.push_back(line.substr(line.find(' ') + 1));
  return out;
}

Lines Join(std::initializer_list<Lines> parts) {
  Lines out;
  for (const Lines& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// Whether frame 1 drew any sprite: the HUD pass ran.
bool HudDrawn(const SessionRun& run) {
  for (const std::string& line : FrameLines(run, 1)) {
    if (line.starts_with("HostSprite.DrawQuad")) return true;
  }
  return false;
}

class OsCalls : public testing::Test {
 protected:
  SessionHost host;
};

TEST_F(OsCalls, EveryPatchChangesProtectionInItsOrder) {
  const SessionRun run = host.Play(R"({"frames": 2})", {kProtectionLog});
  ASSERT_EQ(run.status, 0) << (run.errors.empty() ? "" : run.errors[0]);
  // An intercepted site: its five bytes saved, the old call decoded (opcode,
  // then operand), the new call written; at unload the five bytes put back.
  for (HostSite site :
       {HostSite::RendererStart, HostSite::RendererStop, HostSite::HudDraw, HostSite::FrameDraw,
        HostSite::RadarUpdateA, HostSite::RadarUpdateB, HostSite::RadarPatch}) {
    const std::uint32_t a = kHostSiteAddress[static_cast<int>(site)][0];
    SCOPED_TRACE(kHostSiteNames[static_cast<int>(site)]);
    EXPECT_EQ(At(run, a, a + 1), Join({{Change(0, a, 5, 64, 32), Change(0, a, 5, 32, 64),
                                        Change(0, a, 1, 64, 32), Change(0, a, 1, 32, 64),
                                        Change(0, a + 1, 4, 64, 32), Change(0, a + 1, 4, 32, 64)},
                                       Write(0, a),
                                       {Change(3, a, 5, 64, 32), Change(3, a, 5, 32, 64)}}));
  }
  const refhost::HostImage fresh(100);  // the routines' own entries
  for (const refhost::PatchedEntry& entry : refhost::kPatchedEntries) {
    const std::uint32_t r = host_symbol(entry.routine).address[0];
    SCOPED_TRACE(host_symbol(entry.routine).name);
    if (entry.bytes == 4) {
      // A return, every HUD pass: one guard over its four bytes.
      EXPECT_EQ(At(run, r, r), Lines({Change(1, r, 4, 64, 32), Change(1, r, 4, 32, 64),
                                      Change(2, r, 4, 64, 32), Change(2, r, 4, 32, 64)}));
      continue;
    }
    // A jump, every radar event: the old instruction decoded (its opcode, and
    // its operand when it is a call or a jump), then the jump written. The
    // first time, the routine's own entry is decoded; later, the jump.
    const Lines opcode = {Change(1, r, 1, 64, 32), Change(1, r, 1, 32, 64)};
    const Lines operand = {Change(1, r + 1, 4, 64, 32), Change(1, r + 1, 4, 32, 64)};
    const std::uint8_t own = *fresh.symbol(entry.routine);
    const Lines first = NoFrames(own == 0xE8 || own == 0xE9 ? Join({opcode, operand, Write(1, r)})
                                                            : Join({opcode, Write(1, r)}));
    const Lines again = NoFrames(Join({opcode, operand, Write(1, r)}));
    // Both radar update sites fire each frame, the radar set-up site once.
    const Lines seen = NoFrames(At(run, r, r + 1));
    ASSERT_GE(seen.size(), first.size() + again.size());
    EXPECT_EQ(Lines(seen.begin(), seen.begin() + first.size()), first);
    EXPECT_EQ(Lines(seen.begin() + first.size(), seen.begin() + first.size() + again.size()),
              again);
    EXPECT_EQ((seen.size() - first.size()) % again.size(), 0u);
  }
}

// The settings poll is attached while the textures load, only when the
// settings already read ask for it: so at the second renderer start at the
// earliest, and its site is intercepted then.
TEST_F(OsCalls, SettingsPollIsAttachedAtTheSecondRendererStart) {
  const std::uint32_t a = kHostSiteAddress[static_cast<int>(HostSite::FrameStep)][0];
  const Lines install = {
      Change(2, a, 5, 64, 32),     Change(2, a, 5, 32, 64),     Change(2, a, 1, 64, 32),
      Change(2, a, 1, 32, 64),     Change(2, a + 1, 4, 64, 32), Change(2, a + 1, 4, 32, 64),
      Change(2, a + 1, 4, 64, 32), Change(2, a, 1, 64, 64),     Change(2, a, 1, 64, 64),
      Change(2, a + 1, 4, 32, 64), Change(4, a, 5, 64, 32),     Change(4, a, 5, 32, 64)};
  struct Case {
    const char* reload;
    const char* at;
    Lines expected;
  };
  const Case cases[] = {
      {"-1", R"({})", {}},
      {"-1", R"({"2": {"renderer": "restart"}})", install},
      {"0", R"({"2": {"renderer": "restart"}})", {}},
      {"82", R"({"2": {"renderer": "restart"}})", install},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.reload) + " " + c.at);
    const std::string scenario =
        std::string(R"({"frames": 3, "start": {"files": {"slate_pane_morrowfen/slatepane_VC.ini": )"
                    R"("RELOAD_SETTINGS )") +
        c.reload + R"(\n"}}, "at": )" + c.at + "}";
    const SessionRun run = host.Play(scenario, {kProtectionLog});
    ASSERT_EQ(run.status, 0) << (run.errors.empty() ? "" : run.errors[0]);
    EXPECT_EQ(At(run, a, a + 1), c.expected);
  }
}

TEST_F(OsCalls, RefusedChangesAreTheOnesAsked) {
  const std::string hud_site = Hex(kHostSiteAddress[static_cast<int>(HostSite::HudDraw)][0]);
  struct Case {
    std::vector<std::string> options;
    bool (*refused)(std::size_t n, const std::string& line, const std::string& site);
    bool hud_drawn;
  };
  const Case cases[] = {
      {{}, [](std::size_t, const std::string&, const std::string&) { return false; }, true},
      {{"--refuse-protection-call", "3"},
       [](std::size_t n, const std::string&, const std::string&) { return n == 3; },
       true},
      {{"--refuse-every-protection", "4"},
       [](std::size_t n, const std::string&, const std::string&) { return n % 4 == 0; },
       false},
      // The HUD draw call is never intercepted: its first guard is refused.
      {{"--refuse-protection-at", hud_site},
       [](std::size_t, const std::string& line, const std::string& site) {
         return line.find(" " + site + " ") != std::string::npos;
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options.empty() ? "none" : c.options[0]);
    std::vector<std::string> options = c.options;
    options.push_back(kProtectionLog);
    const SessionRun run = host.Play(kOneFrame, options);
    EXPECT_EQ(run.status, 0) << (run.errors.empty() ? "" : run.errors[0]);
    const Lines changes = [&run] {
      Lines out;
      for (const std::string& line : run.lines) {
        if (line.find(" VirtualProtect ") != std::string::npos) out.push_back(line);
      }
      return out;
    }();
    ASSERT_FALSE(changes.empty());
    int refused = 0;
    for (std::size_t n = 1; n <= changes.size(); ++n) {
      const std::string& line = changes[n - 1];
      const bool expected = c.refused(n, line, hud_site);
      refused += expected;
      // A refused change reports no previous protection.
      EXPECT_EQ(line.ends_with(" 0 0"), expected) << line;
    }
    EXPECT_EQ(refused == 0, c.options.empty());
    EXPECT_EQ(HudDrawn(run), c.hud_drawn);
  }
}

TEST_F(OsCalls, KeyQueriesAndTheFailedStartsMessageBoxWhenAsked) {
  const std::string held_p = R"({"frames": 1, "start": {"keys": {"80": true}}})";
  const std::string box =
      "0 MessageBoxA \"(active window)\" \"FILESYSTEM\\nFailed to retrieve game dir path\" "
      "\"plugin-sdk\" 16";
  struct Case {
    std::string scenario;
    std::vector<std::string> options;
    Lines logged;  // the GetKeyState and MessageBoxA lines
    bool hud_drawn;
  };
  const Case cases[] = {
      {held_p, {}, {}, true},
      // The weapon wheel's two keys, the money and weapon windows' four, the
      // phone's two; 'P' is held.
      {held_p,
       {"--log-key-queries"},
       {"1 GetKeyState 4 0", "1 GetKeyState 49 0", "1 GetKeyState 27 0", "1 GetKeyState 80 -32768",
        "1 GetKeyState 162 0", "1 GetKeyState 1 0", "1 GetKeyState 80 -32768",
        "1 GetKeyState 79 0"},
       true},
      {kOneFrame, {"--log-message-boxes"}, {}, true},
      // Bound to the host, then no folder: the box, and the start goes on.
      {kOneFrame, {"--module-handle-fails-from", "2", "--log-message-boxes"}, {box}, true},
      {kOneFrame, {"--module-handle-fails-from", "2"}, {}, true},
      // No host module at all: the plug-in cannot bind and stays inert.
      {kOneFrame, {"--module-handle-fails-from", "1", "--log-message-boxes"}, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.options));
    const SessionRun run = host.Play(c.scenario, c.options);
    EXPECT_EQ(run.status, 0) << (run.errors.empty() ? "" : run.errors[0]);
    Lines logged;
    for (const std::string& line : run.lines) {
      if (line.find(" GetKeyState ") != std::string::npos ||
          line.find(" MessageBoxA ") != std::string::npos) {
        logged.push_back(line);
      }
    }
    EXPECT_EQ(logged, c.logged);
    EXPECT_EQ(HudDrawn(run), c.hud_drawn);
  }
}

}  // namespace
