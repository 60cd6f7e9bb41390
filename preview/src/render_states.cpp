#include "render_states.h"

namespace preview {

namespace {

constexpr int kRaster = 1;
constexpr int kAddressing = 2;
constexpr int kFilter = 9;
constexpr int kDestinationBlend = 11;
constexpr int kVertexAlpha = 12;

constexpr std::uint32_t kClamp = 3;
constexpr std::uint32_t kNearest = 1;
constexpr std::uint32_t kBlendOne = 2;

}  // namespace

std::uint32_t RenderStates::get(int id) const {
  const auto found = values.find(id);
  return found == values.end() ? 0 : found->second;
}

bool apply_render_state(RenderStates& states, const LogCall& call) {
  if (call.name != "HostRender.SetState") return false;
  const int id = static_cast<int>(call.i(0));
  const auto value = static_cast<std::uint32_t>(call.i(1));
  // Read whole before anything changes, so that a malformed call changes nothing.
  const std::optional<std::string> raster = call.size() > 2 ? call.text(2) : std::nullopt;
  states.values[id] = value;
  if (id == kRaster) states.raster = raster;
  return true;
}

FillStyle state_fill(const RenderStates& states, const Texture* texture, Rgba colour) {
  FillStyle style;
  style.texture = texture;
  style.colour = colour;
  if (states.get(kVertexAlpha) == 0) style.colour.a = 255;
  style.blend = states.get(kDestinationBlend) == kBlendOne ? Blend::Add : Blend::Over;
  style.filter = states.get(kFilter) == kNearest ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_BILINEAR;
  style.extend = states.get(kAddressing) == kClamp ? CAIRO_EXTEND_PAD : CAIRO_EXTEND_REPEAT;
  return style;
}

}  // namespace preview
