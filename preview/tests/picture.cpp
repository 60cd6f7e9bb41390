#include "picture.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "render_frame.h"

namespace preview::testing {

Picture::Picture(Surface image) : image_(std::move(image)) {}

int Picture::width() const { return cairo_image_surface_get_width(image_.get()); }
int Picture::height() const { return cairo_image_surface_get_height(image_.get()); }

Rgba Picture::at(int x, int y) const {
  const unsigned char* data = cairo_image_surface_get_data(image_.get());
  const int stride = cairo_image_surface_get_stride(image_.get());
  const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
  const std::uint32_t a = p >> 24;
  auto straight = [a](std::uint32_t c) {
    return static_cast<std::uint8_t>(a == 0 ? 0 : (c * 255 + a / 2) / a);
  };
  return Rgba{straight((p >> 16) & 0xFF), straight((p >> 8) & 0xFF), straight(p & 0xFF),
              static_cast<std::uint8_t>(a)};
}

Picture::Box Picture::ink(int threshold) const {
  Box box{width(), height(), -1, -1};
  for (int y = 0; y < height(); ++y) {
    for (int x = 0; x < width(); ++x) {
      if (at(x, y).a <= threshold) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

long long Picture::total_alpha() const {
  long long sum = 0;
  for (int y = 0; y < height(); ++y) {
    for (int x = 0; x < width(); ++x) sum += at(x, y).a;
  }
  return sum;
}

Picture render(const std::string& log, const TextureLibrary& library, Screen screen, int frame) {
  std::istringstream in(log);
  const RenderedFrame rendered = render_frame(in, library, screen, frame, Backdrop::None);
  EXPECT_EQ(rendered.calls_left_out, 0) << rendered.first_left_out;
  const std::string file = temporary_folder() + "/frame.png";
  if (cairo_surface_write_to_png(rendered.picture.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + file);
  }
  Surface back(cairo_image_surface_create_from_png(file.c_str()));
  if (cairo_surface_status(back.get()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot read " + file + " back");
  }
  std::filesystem::remove_all(std::filesystem::path(file).parent_path());
  return Picture(std::move(back));
}

refhost::txd::TextureEntry solid(const std::string& name, Rgba colour) {
  return texture(name, 4, 4, [colour](int, int) { return colour; });
}

refhost::txd::TextureEntry quadrants(const std::string& name) {
  return texture(name, 16, 16, [](int x, int y) {
    if (y < 8) return x < 8 ? kRed : kGreen;
    return x < 8 ? kBlue : kYellow;
  });
}

std::string resolved_family(const std::string& family, bool bold) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_MEDIUM);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  std::string resolved;
  FcChar8* name = nullptr;
  if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) {
    resolved = reinterpret_cast<const char*>(name);
  }
  if (match != nullptr) FcPatternDestroy(match);
  return resolved;
}

std::string temporary_folder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "slatepane-preview-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder");
  return pattern;
}

}  // namespace preview::testing
