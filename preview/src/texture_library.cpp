#include "texture_library.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>

namespace preview {

namespace {

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<std::vector<refhost::txd::TextureEntry>> first_dictionary(
    std::span<const std::uint8_t> bytes) {
  std::size_t position = 0;
  while (auto header = refhost::txd::read_chunk_header(bytes, position)) {
    if (header->type == refhost::txd::kDictionaryChunk) {
      return refhost::txd::read_dictionary(bytes.subspan(position, header->length),
                                           header->version);
    }
    position += header->length;
  }
  return std::nullopt;
}

std::uint8_t premultiply(std::uint8_t value, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((value * alpha + 127) / 255);
}

}  // namespace

Surface image_from_rgba(int width, int height, const std::vector<std::uint8_t>& rgba) {
  Surface image = make_image(width, height);
  cairo_surface_flush(image.get());
  unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + std::ptrdiff_t{y} * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
      // Cairo keeps a pixel as one native 32-bit word, alpha in the top byte.
      row[x] = std::uint32_t{p[3]} << 24 | std::uint32_t{premultiply(p[0], p[3])} << 16 |
               std::uint32_t{premultiply(p[1], p[3])} << 8 | premultiply(p[2], p[3]);
    }
  }
  cairo_surface_mark_dirty(image.get());
  return image;
}

void TextureLibrary::add_file(const std::filesystem::path& file, std::string_view dictionary) {
  const std::vector<std::uint8_t> bytes = read_bytes(file);
  const auto entries = first_dictionary(bytes);
  if (!entries) throw std::runtime_error(file.string() + " holds no readable texture dictionary");
  add(dictionary, *entries);
}

void TextureLibrary::add_folder(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txd")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& file : files) add_file(file, file.filename().string());
}

void TextureLibrary::add(std::string_view dictionary,
                         const std::vector<refhost::txd::TextureEntry>& entries) {
  for (const refhost::txd::TextureEntry& e : entries) {
    auto texture = std::make_unique<Texture>();
    texture->dictionary = dictionary;
    texture->name = e.name;
    texture->width = e.width;
    texture->height = e.height;
    if (!e.rgba.empty()) texture->image = image_from_rgba(e.width, e.height, e.rgba);
    textures_.push_back(std::move(texture));
  }
}

const Texture* TextureLibrary::find(std::string_view dictionary, std::string_view name) const {
  for (const auto& t : textures_) {
    if (t->dictionary == dictionary && refhost::txd::same_texture_name(t->name, name)) {
      return t.get();
    }
  }
  return nullptr;
}

const Texture* TextureLibrary::find_any(std::string_view name) const {
  for (const auto& t : textures_) {
    if (refhost::txd::same_texture_name(t->name, name)) return t.get();
  }
  return nullptr;
}

bool TextureLibrary::has_dictionary(std::string_view dictionary) const {
  return std::any_of(textures_.begin(), textures_.end(),
                     [&](const auto& t) { return t->dictionary == dictionary; });
}

}  // namespace preview
