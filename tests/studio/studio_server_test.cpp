// The studio's server over HTTP, in this process, on a folder of the test's
// own: its API, refused requests, concurrent edits, and replays through the
// real plug-in in the reference host.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "app/replay.h"
#include "app/studio_api.h"
#include "app/texture_store.h"
#include "edit/edit_session.h"
#include "http/http_server.h"
#include "http_client.h"
#include "settings/setting_keys.h"
#include "studio_folder.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const std::string kLayout = "# mine\r\nMONEY_POS_TOP = 30\r\nWANTED_POS_TOP 40 ; stars\r\n";

class StudioServerTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("slatepane_VC.ini", kLayout);
    folder_.Write("color_configs/ClassicColors.ini", "MONEY_COLOR = 89 115 150 255\n");
    fs::create_directories(dictionaries_.path());
    const std::string make = std::string(SLATEPANE_MAKE_DICTIONARIES) + " " +
                             dictionaries_.path().string() + " >/dev/null";
    ASSERT_EQ(std::system(make.c_str()), 0) << "make preview builds make_hud_dictionaries";
    replayer_ = std::make_unique<Replayer>(
        ReplayTools{SLATEPANE_REFHOST, SLATEPANE_PLUGIN, "", SLATEPANE_SCENARIOS,
                    dictionaries_.path(), work_.path() / "work"},
        folder_.path());
    textures_.Load(replayer_->data_folder(), "");
    api_ = std::make_unique<StudioApi>(session_, *replayer_, textures_,
                                       StudioFolders{SLATEPANE_PAGE, SLATEPANE_PAGE});
    api_->AddRoutes(server_);
    ASSERT_EQ(server_.Listen(0), "");
    serving_ = std::thread([this] { server_.Serve(); });
  }
  void TearDown() override {
    server_.Stop();
    serving_.join();
  }

  json Body(const HttpAnswer& answer) const { return json::parse(answer.body, nullptr, false); }

  HttpAnswer EditOne(const std::string& file, const std::string& key, const std::string& value) {
    const json body = {{"file", file}, {"edits", {{{"key", key}, {"value", value}}}}};
    return Post(server_.port(), "/api/edit", body.dump());
  }

  static const json* Key(const json& settings, const std::string& name) {
    for (const json& key : settings["keys"]) {
      if (key["name"] == name) return &key;
    }
    return nullptr;
  }

  StudioFolder folder_, dictionaries_, work_;
  EditSession session_{folder_.path()};
  std::unique_ptr<Replayer> replayer_;
  TextureStore textures_;
  std::unique_ptr<StudioApi> api_;
  HttpServer server_{HttpLimits{16 * 1024, 64 * 1024, 32, 5000}};
  std::thread serving_;
};

TEST_F(StudioServerTest, SettingsCarryTheKeyTableAndTheCheckersFindings) {
  const json settings = Body(Get(server_.port(), "/api/settings"));
  ASSERT_TRUE(settings.is_object());
  EXPECT_EQ(settings["keys"].size(),
            std::size(kLayoutSettingKeys) + 1 + std::size(kColourSettingKeys));
  const json* money = Key(settings, "MONEY_POS_TOP");
  ASSERT_NE(money, nullptr);
  EXPECT_EQ((*money)["group"], "money");
  EXPECT_EQ((*money)["unit"], "vertical font units");
  EXPECT_EQ((*money)["move"], "y+");
  EXPECT_EQ((*money)["line"], 2);
  EXPECT_EQ((*money)["written"], "30");
  EXPECT_EQ((*money)["whole"], false);
  const json* frame = Key(settings, "OUTER_RADAR_SCALE_A");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ((*frame)["whole"], true);
  EXPECT_EQ((*frame)["resize"], "x,x");
  const json* colour = Key(settings, "MONEY_COLOR");
  ASSERT_NE(colour, nullptr);
  EXPECT_EQ((*colour)["file"], "color_configs/ClassicColors.ini");
  EXPECT_EQ((*colour)["drawn"], "r b g");
  EXPECT_EQ((*Key(settings, "RADAR_TYPE"))["written"], nullptr);
  EXPECT_EQ((*Key(settings, "RADAR_TYPE"))["default"], "1");
  EXPECT_TRUE(settings["findings"].contains("findings"));
}

TEST_F(StudioServerTest, AnEditChangesThatValueAloneAndAnswersWithTheFindings) {
  const HttpAnswer answer = EditOne("slatepane_VC.ini", "MONEY_POS_TOP", "12abc");
  ASSERT_EQ(answer.status, 200) << answer.body;
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"),
            "# mine\r\nMONEY_POS_TOP = 12abc\r\nWANTED_POS_TOP 40 ; stars\r\n");
  const json settings = Body(answer);
  EXPECT_EQ((*Key(settings, "MONEY_POS_TOP"))["value"], "12");
  bool partly_read = false;
  for (const json& finding : settings["findings"]["findings"]) {
    partly_read = partly_read || (finding["kind"] == "partly-read" && finding["line"] == 2);
  }
  EXPECT_TRUE(partly_read) << settings["findings"].dump();
  ASSERT_EQ(Post(server_.port(), "/api/undo", "").status, 200);
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), kLayout);
  EXPECT_EQ(Post(server_.port(), "/api/undo", "").status, 409);
  ASSERT_EQ(Post(server_.port(), "/api/redo", "").status, 200);
  EXPECT_NE(folder_.Read("slatepane_VC.ini").find("12abc"), std::string::npos);
}

TEST_F(StudioServerTest, RefusesWhatCouldReachOutsideOrBreakAFile) {
  struct Refusal {
    const char* what;
    std::string request;
    int status;
  };
  const auto edit = [](const std::string& file, const std::string& key, const std::string& value) {
    const std::string body =
        json{{"file", file}, {"edits", {{{"key", key}, {"value", value}}}}}.dump();
    return "POST /api/edit HTTP/1.1\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
  };
  const Refusal refusals[] = {
      {"parent folder", edit("../slatepane_VC.ini", "MONEY_POS_TOP", "1"), 403},
      {"absolute path", edit("/etc/passwd", "MONEY_POS_TOP", "1"), 403},
      {"not a settings file", edit("color_configs/../slatepane_VC.ini", "MONEY_POS_TOP", "1"), 403},
      {"backup", edit("slatepane_VC.ini.bak", "MONEY_POS_TOP", "1"), 403},
      {"unknown key", edit("slatepane_VC.ini", "MONY_POS_TOP", "1"), 422},
      {"colour key in the layout", edit("slatepane_VC.ini", "MONEY_COLOR", "1 2 3"), 422},
      {"comment in the value", edit("slatepane_VC.ini", "MONEY_POS_TOP", "1 # 2"), 422},
      {"line break in the value", edit("slatepane_VC.ini", "MONEY_POS_TOP", "1\nX 2"), 422},
      {"not JSON", "POST /api/edit HTTP/1.1\r\nContent-Length: 3\r\n\r\n{{{", 400},
      {"body too large",
       "POST /api/edit HTTP/1.1\r\nContent-Length: 70000\r\n\r\n" + std::string(70000, 'x'), 413},
      {"head too large", "GET /api/settings HTTP/1.1\r\nX: " + std::string(20000, 'y') + "\r\n\r\n",
       431},
      {"chunked body", "POST /api/edit HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n",
       501},
      {"no request line", "nonsense\r\n\r\n", 400},
      {"another site's page", "POST /api/undo HTTP/1.1\r\nOrigin: http://example.com\r\n\r\n", 403},
      {"a name made to point here", "GET /api/settings HTTP/1.1\r\nHost: example.com\r\n\r\n", 403},
      {"page outside its folder", "GET /page/../../etc/passwd HTTP/1.1\r\n\r\n", 404},
      {"encoded parent", "GET /page/%2e%2e/%2e%2e/etc/passwd HTTP/1.1\r\n\r\n", 404},
      {"unknown path", "GET /api/nothing HTTP/1.1\r\n\r\n", 404},
      {"wrong method", "GET /api/edit HTTP/1.1\r\n\r\n", 404},
      {"bad screen", "GET /api/replay?width=0 HTTP/1.1\r\n\r\n", 422},
      {"bad scenario", "GET /api/replay?scenario=../x HTTP/1.1\r\n\r\n", 422},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.what);
    const HttpAnswer answer = SendRaw(server_.port(), r.request);
    EXPECT_EQ(answer.status, r.status) << answer.body;
  }
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), kLayout);
  EXPECT_EQ(Get(server_.port(), "/api/settings").status, 200);
}

TEST_F(StudioServerTest, AFileChangedUnderneathIsRefusedUntilReloaded) {
  ASSERT_EQ(Get(server_.port(), "/api/settings").status, 200);
  folder_.Write("slatepane_VC.ini", "MONEY_POS_TOP = 5\n");
  const HttpAnswer refused = EditOne("slatepane_VC.ini", "MONEY_POS_TOP", "45");
  EXPECT_EQ(refused.status, 409);
  EXPECT_NE(refused.body.find("reload"), std::string::npos);
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), "MONEY_POS_TOP = 5\n");
  ASSERT_EQ(Get(server_.port(), "/api/settings").status, 200);
  EXPECT_EQ(EditOne("slatepane_VC.ini", "MONEY_POS_TOP", "45").status, 200);
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), "MONEY_POS_TOP = 45\n");
}

TEST_F(StudioServerTest, ConcurrentEditsAllLandAsStepsOfTheirOwn) {
  std::vector<std::thread> clients;
  for (int k = 0; k < 8; ++k) {
    clients.emplace_back([this, k] {
      for (int n = 1; n <= 4; ++n) {
        const std::string key = "SLOT" + std::to_string(k) + "POS_RB";
        EXPECT_EQ(EditOne("slatepane_VC.ini", key, std::to_string(n) + " 2").status, 200);
      }
    });
  }
  for (std::thread& client : clients) client.join();
  const json settings = Body(Get(server_.port(), "/api/settings"));
  EXPECT_EQ(settings["undo"], 32);
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ((*Key(settings, "SLOT" + std::to_string(k) + "POS_RB"))["written"], "4 2");
  }
  for (int k = 0; k < 32; ++k) ASSERT_EQ(Post(server_.port(), "/api/undo", "").status, 200);
  EXPECT_EQ(folder_.Read("slatepane_VC.ini"), kLayout);
}

// The money's calls carry the routine that made them, their rectangles move
// with MONEY_POS_TOP, and its colour reaches the host with green and blue
// exchanged, as the key facts say.
TEST_F(StudioServerTest, ReplaysNameTheRoutineAndFollowTheEdits) {
  const auto money = [this] {
    const json replay = Body(Get(server_.port(), "/api/replay?width=1280&height=1024"));
    json found = json::object();
    const json& routines = replay["routines"];
    for (const json& call : replay["calls"]) {
      if (call[3] < 0 || routines[call[3].get<int>()]["name"] != "DrawMoney") continue;
      if (call[1] == "HostText.Print") found["print"] = call;
      if (call[1] == "HostText.SetColour") found["colour"] = call[2];
    }
    return found;
  };
  const json before = money();
  ASSERT_TRUE(before.contains("print")) << "no print from DrawMoney";
  ASSERT_EQ(before["print"].size(), 6u);  // frame, name, args, routine, bounds, estimated
  ASSERT_EQ(EditOne("slatepane_VC.ini", "MONEY_POS_TOP", "130").status, 200);
  ASSERT_EQ(EditOne("color_configs/ClassicColors.ini", "MONEY_COLOR", "10 20 30 255").status, 200);
  const json after = money();
  // 100 vertical font units lower: 100 × 1024 / 448 pixels.
  EXPECT_NEAR(after["print"][4][1].get<double>() - before["print"][4][1].get<double>(),
              100.0 * 1024 / 448, 0.01);
  EXPECT_EQ(after["colour"][0], 10);
  EXPECT_EQ(after["colour"][1], 30);
  EXPECT_EQ(after["colour"][2], 20);
}

TEST_F(StudioServerTest, TexturesComeAsPng) {
  const json list = Body(Get(server_.port(), "/api/textures"));
  ASSERT_TRUE(list.is_array());
  ASSERT_FALSE(list.empty());
  const json& first = list[0];
  const HttpAnswer png =
      Get(server_.port(), "/api/texture?dictionary=" + first["dictionary"].get<std::string>() +
                              "&name=" + first["name"].get<std::string>());
  ASSERT_EQ(png.status, 200);
  ASSERT_GE(png.body.size(), 24u);
  EXPECT_EQ(png.body.substr(0, 8), "\x89PNG\r\n\x1a\n");
  const auto big32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(png.body[at]) << 24) |
           (static_cast<unsigned char>(png.body[at + 1]) << 16) |
           (static_cast<unsigned char>(png.body[at + 2]) << 8) |
           static_cast<unsigned char>(png.body[at + 3]);
  };
  EXPECT_EQ(big32(16), first["width"].get<int>());
  EXPECT_EQ(big32(20), first["height"].get<int>());
  EXPECT_EQ(Get(server_.port(), "/api/texture?dictionary=none&name=x").status, 404);
}

}  // namespace
