#include "radar/radar_fixture.h"

#include "frame/hud_textures.h"
#include "radar/radar_geometry.h"
#include "runtime/host_interface.h"
#include "runtime/sprite_holders.h"
#include "scenario.h"
#include "services/textures.h"
#include "txd_file.h"

void RadarTest::SetUp() {
  ElementTest::SetUp();
  namespace textures = refhost::textures;
  hud_textures.hud.handle = textures::create_file_dictionary(
      "hud_vc.txd", refhost::txd::named_textures({"clrect", "blrect", "bar"}));
  HudSet[2].texture = static_cast<std::uint32_t>(
      reinterpret_cast<std::uintptr_t>(HostTxd::FindTexture(hud_textures.hud.handle, "bar")));
  textures::make_current("hud");
  HostSprite::SetTexture(&RadarCentreSprite, "radar_centre");
  RadarRotation = {};
  Set("Camera.Slot[0].Mode", 1);
  Set("HostRadar.Range", 100.0);
  ClearLog();
}

void RadarTest::TearDown() {
  hud_textures = HudTextures{};
  for (SpriteHolder& holder : HudSet) holder.texture = 0;
  RadarCentreSprite.texture = 0;
  RadarTileSprite.texture = 0;
  ElementTest::TearDown();
}

void RadarTest::Set(const std::string& name, const nlohmann::json& value) {
  refhost::set_host_variable(Image(), name, value);
}

void RadarTest::SetAll(const nlohmann::json& fields) {
  for (const auto& [name, value] : fields.items()) Set(name, value);
}

std::vector<float> RadarTest::Floats(const refhost::RecordedCall& call, std::size_t first) {
  std::vector<float> values;
  for (std::size_t k = first; k < call.args.size(); ++k) values.push_back(call.float_arg(k));
  return values;
}
