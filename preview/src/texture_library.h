#pragma once
// The pictures behind the textures the draw log names: the plug-in's
// dictionary files (each named after its file, as the log names them) and the
// reference host's own store. A texture without pixels (a version-1
// dictionary) is known by name and size but has no image.
#include <cairo.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cairo_handles.h"
#include "txd_file.h"

namespace preview {

struct Texture {
  std::string dictionary;
  std::string name;
  int width = 0;
  int height = 0;
  Surface image;  // premultiplied ARGB32; null without pixels
};

// The dictionary name under which the reference host's store textures are kept.
inline constexpr std::string_view kHostStore = "(host store)";

class TextureLibrary {
 public:
  // The first dictionary chunk of the file, under `dictionary`; throws
  // std::runtime_error naming the file when it holds none.
  void add_file(const std::filesystem::path& file, std::string_view dictionary);
  // Every "*.txd" of the folder, each under its file name, in name order.
  void add_folder(const std::filesystem::path& folder);
  void add(std::string_view dictionary, const std::vector<refhost::txd::TextureEntry>& entries);

  // Names are compared without regard to ASCII case, as the host does.
  const Texture* find(std::string_view dictionary, std::string_view name) const;
  // The first dictionary, in the order added, that holds the name.
  const Texture* find_any(std::string_view name) const;
  bool has_dictionary(std::string_view dictionary) const;

 private:
  std::vector<std::unique_ptr<Texture>> textures_;
};

// Straight-alpha RGBA bytes as a premultiplied Cairo image.
Surface image_from_rgba(int width, int height, const std::vector<std::uint8_t>& rgba);

}  // namespace preview
