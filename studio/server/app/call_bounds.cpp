#include "call_bounds.h"

#include <algorithm>
#include <string_view>

namespace {

Bounds Around(std::initializer_list<std::array<double, 2>> points) {
  Bounds b{points.begin()->at(0), points.begin()->at(1), points.begin()->at(0),
           points.begin()->at(1)};
  for (const auto& p : points) {
    b = {std::min(b[0], p[0]), std::min(b[1], p[1]), std::max(b[2], p[0]), std::max(b[3], p[1])};
  }
  return b;
}

// left, bottom, right, top from `first` on; edges may be swapped (mirrored).
Bounds Edges(const preview::LogCall& call, std::size_t first) {
  return Around({{call.f(first), call.f(first + 1)}, {call.f(first + 2), call.f(first + 3)}});
}

// The preview's em: 32 × sx by 16 × sy pixels; DejaVu's line is 1.164 em
// tall, and its average advance about 0.6 em.
constexpr double kLineHeight = 1.164, kAverageAdvance = 0.6;

}  // namespace

CallBounds BoundsTracker::Text(const preview::LogCall& call) const {
  const std::string text = call.text(2).value_or("");
  std::size_t longest = 0, lines = 1, current = 0;
  for (const char c : text) {
    if (c == '\n') {
      ++lines;
      current = 0;
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      longest = std::max(longest, ++current);
    }
  }
  const double width = static_cast<double>(longest) * 32 * scale_x_ * kAverageAdvance;
  const double height = static_cast<double>(lines) * 16 * scale_y_ * kLineHeight;
  const double x = call.f(0), y = call.f(1);
  const double left = centred_ ? x - width / 2 : right_aligned_ ? x - width : x;
  return {Bounds{left, y, left + width, y + height}, true};
}

CallBounds BoundsTracker::Next(const preview::LogCall& call) {
  const std::string_view name = call.name;
  if (name == "HostText.SetScale") {
    scale_x_ = call.f(0);
    scale_y_ = call.f(1);
  } else if (name == "HostText.CentreOn") {
    centred_ = true;
    right_aligned_ = false;
  } else if (name == "HostText.CentreOff") {
    centred_ = false;
  } else if (name == "HostText.AlignRight") {
    right_aligned_ = true;
    centred_ = false;
  } else if (name == "HostText.ModeE") {
    right_aligned_ = false;
  } else if (name == "HostText.Print" || name == "HostText.PrintVariant") {
    if (call.size() >= 3 && scale_x_ > 0 && scale_y_ > 0) return Text(call);
  } else if ((name == "HostSprite.Draw" && call.size() >= 6) ||
             (name == "HostSprite.DrawRect" && call.size() >= 5)) {
    return {Edges(call, name == "HostSprite.Draw" ? 1 : 0)};
  } else if (name == "HostSprite.DrawQuad" && call.size() >= 9) {
    return {Around({{call.f(1), call.f(2)},
                    {call.f(3), call.f(4)},
                    {call.f(5), call.f(6)},
                    {call.f(7), call.f(8)}})};
  } else if (name == "HostSprite.DrawRaw" && call.size() >= 5) {
    const double x = call.f(0), y = call.f(1), hw = call.f(3), hh = call.f(4);
    return {Around({{x - hw, y - hh}, {x + hw, y + hh}})};
  } else if (name == "HostIm2D.SetVertices" && call.size() >= 1) {
    vertices_.clear();
    const long long n = std::clamp(call.i(0), 0LL, 4096LL);
    for (std::size_t k = 0; k < static_cast<std::size_t>(n) && 4 + 4 * k < call.size(); ++k) {
      vertices_.push_back({call.f(1 + 4 * k), call.f(2 + 4 * k)});
    }
  } else if (name == "HostIm2D.RenderPrimitive" && !vertices_.empty()) {
    Bounds b{vertices_[0][0], vertices_[0][1], vertices_[0][0], vertices_[0][1]};
    for (const auto& v : vertices_) {
      b = {std::min(b[0], v[0]), std::min(b[1], v[1]), std::max(b[2], v[0]), std::max(b[3], v[1])};
    }
    return {b};
  } else if (name == "HostRadar.DrawSprite" && call.size() >= 3) {
    const double hw = 5.0 * width_ / 640 * 1.3333334 / (static_cast<double>(width_) / height_);
    const double hh = 5.0 * height_ / 448.0;
    return {Around({{call.f(1) - hw, call.f(2) - hh}, {call.f(1) + hw, call.f(2) + hh}})};
  } else if (name == "HostRadar.DrawTrace" && call.size() >= 3) {
    const double half = 2.0 * static_cast<double>(std::max(call.i(2), 0LL) + 2) *
                        std::min(width_, height_) / 1080.0;
    return {Around({{call.f(0) - half, call.f(1) - half}, {call.f(0) + half, call.f(1) + half}})};
  }
  return {};
}
