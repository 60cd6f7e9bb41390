#pragma once
// Test support: a draw log rendered to a PNG file, then read back with
// Cairo's PNG reader (libpng), and textures made to order.
#include <string>
#include <vector>

#include "cairo_handles.h"
#include "colour.h"
#include "screen.h"
#include "texture_library.h"
#include "txd_file.h"

namespace preview::testing {

// A picture read back from its PNG file, with straight (not premultiplied) colours.
class Picture {
 public:
  explicit Picture(Surface image);
  int width() const;
  int height() const;
  Rgba at(int x, int y) const;
  // The box (inclusive) of every pixel whose opacity is above `threshold`;
  // an empty picture gives left > right.
  struct Box {
    int left, top, right, bottom;
  };
  Box ink(int threshold = 0) const;
  // The sum of the opacities of all pixels.
  long long total_alpha() const;

 private:
  Surface image_;
};

// Renders frame `frame` of the log text on a transparent picture, writes it
// as a PNG file and reads the file back.
Picture render(const std::string& log, const TextureLibrary& library, Screen screen = {640, 480},
               int frame = 1);

// A texture of this size whose pixels come from a function of (x, y).
template <typename PixelOf>
refhost::txd::TextureEntry texture(const std::string& name, int width, int height,
                                   PixelOf pixel_of) {
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgba p = pixel_of(x, y);
      rgba.insert(rgba.end(), {p.r, p.g, p.b, p.a});
    }
  }
  return refhost::txd::TextureEntry(name, static_cast<std::uint16_t>(width),
                                    static_cast<std::uint16_t>(height), std::move(rgba));
}

refhost::txd::TextureEntry solid(const std::string& name, Rgba colour);
// 16 x 16: red top left, green top right, blue bottom left, yellow bottom right.
refhost::txd::TextureEntry quadrants(const std::string& name);

inline constexpr Rgba kRed{255, 0, 0, 255};
inline constexpr Rgba kGreen{0, 255, 0, 255};
inline constexpr Rgba kBlue{0, 0, 255, 255};
inline constexpr Rgba kYellow{255, 255, 0, 255};
inline constexpr Rgba kWhite{255, 255, 255, 255};
inline constexpr Rgba kNothing{0, 0, 0, 0};

// A fresh folder under the system's temporary folder.
std::string temporary_folder();

// The family fontconfig gives for this family name, as Cairo asks for it.
std::string resolved_family(const std::string& family, bool bold);

}  // namespace preview::testing
