#include "text_style.h"

#include <string_view>

namespace preview {

namespace {

std::uint8_t byte_arg(const LogCall& call, std::size_t index) {
  return static_cast<std::uint8_t>(call.i(index) & 0xFF);
}

void set_colour(Rgba& field, const LogCall& call) {
  if (const std::optional<Rgba> c = colour_arg(call, 0)) field = *c;
}

bool apply_switch(TextStyle& style, std::string_view name) {
  if (name == "HostText.CentreOn") {
    style.centred = true;
  } else if (name == "HostText.CentreOff") {
    style.centred = false;
  } else if (name == "HostText.AlignRight") {
    style.right_aligned = true;
  } else if (name == "HostText.ModeE") {
    style.right_aligned = false;
  } else {
    // The other switches change nothing the picture shows.
    constexpr std::string_view kOthers[] = {"HostText.ModeA",   "HostText.ModeC", "HostText.ModeB",
                                            "HostText.ModeL",   "HostText.ModeJ", "HostText.ModeD",
                                            "HostText.ModeK",   "HostText.ModeG", "HostText.ModeH",
                                            "HostText.SetModeI"};
    for (std::string_view other : kOthers) {
      if (name == other) return true;
    }
    return false;
  }
  return true;
}

}  // namespace

std::optional<Rgba> colour_arg(const LogCall& call, std::size_t index) {
  if (call.size() == index + 1 && call.i(index) == -1) return std::nullopt;
  return Rgba{byte_arg(call, index), byte_arg(call, index + 1), byte_arg(call, index + 2),
              byte_arg(call, index + 3)};
}

bool apply_text_style(TextStyle& style, const LogCall& call) {
  const std::string_view name = call.name;
  if (name == "HostText.SetScale") {
    const float x = call.f(0);
    style.scale_y = call.f(1);
    style.scale_x = x;
  } else if (name == "HostText.SetColour") {
    set_colour(style.colour, call);
  } else if (name == "HostText.SetShadowColour") {
    set_colour(style.shadow_colour, call);
  } else if (name == "HostText.SetBoxColour") {
    set_colour(style.box_colour, call);
  } else if (name == "HostText.SetShadowSize") {
    style.shadow_size = static_cast<int>(call.i(0));
  } else if (name == "HostText.SetFont") {
    style.font = static_cast<int>(call.i(0));
  } else if (name == "HostText.SetWrapX") {
    style.wrap_x = call.f(0);
  } else if (name == "HostText.SetLineWidth") {
    style.line_width = call.f(0);
  } else if (name == "HostText.SetFadeAlpha") {
    style.fade_alpha = call.f(0);
  } else {
    return apply_switch(style, name);
  }
  return true;
}

}  // namespace preview
