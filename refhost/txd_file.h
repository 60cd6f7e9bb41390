#pragma once
// The texture dictionary file: a stream of chunks, each a 12-byte header
// (type, body length, version; little-endian 32-bit) and its body. A chunk of
// type 22 holds a dictionary of named textures. docs/texture-dictionary-format.md
// describes the layout byte by byte.
//
// The reader never trusts a size it has not checked against the bytes it was
// given, so a truncated, oversized or garbage file is refused, never over-read.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace refhost::txd {

constexpr std::uint32_t kDictionaryChunk = 22;
// Version 1 holds names and sizes; version 2 follows each entry with its pixels.
constexpr std::uint32_t kDictionaryVersion = 1;
constexpr std::uint32_t kPixelDictionaryVersion = 2;
constexpr std::size_t kChunkHeaderSize = 12;
// Texture entry: name (32 bytes, NUL-padded), width, height (16-bit each),
// pixel format and pixel byte count (32-bit each).
constexpr std::size_t kNameField = 32;
constexpr std::size_t kEntrySize = kNameField + 2 + 2 + 4 + 4;
constexpr std::size_t kMaxTextures = 4096;
// No pixels: the only format version 1 knows.
constexpr std::uint32_t kFormatNone = 0;
// 4 bytes a pixel, r g b a with straight (not premultiplied) alpha, rows from
// the top; version 2 only.
constexpr std::uint32_t kFormatRgba8 = 1;

struct ChunkHeader {
  std::uint32_t type = 0;
  std::uint32_t length = 0;
  std::uint32_t version = 0;
};

struct TextureEntry {
  TextureEntry() = default;
  TextureEntry(std::string texture_name, std::uint16_t texture_width, std::uint16_t texture_height,
               std::vector<std::uint8_t> texture_rgba = {})
      : name(std::move(texture_name)),
        width(texture_width),
        height(texture_height),
        rgba(std::move(texture_rgba)) {}

  std::string name;
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  // width x height x 4 bytes in kFormatRgba8, or empty for a texture without pixels.
  std::vector<std::uint8_t> rgba;

  friend bool operator==(const TextureEntry&, const TextureEntry&) = default;
};

// Names are 1 to 31 characters of A-Z, a-z, 0-9, '_', '-' and '.'.
bool valid_texture_name(std::string_view name);
// ASCII case-insensitive, as the host looks names up.
bool same_texture_name(std::string_view a, std::string_view b);

// The chunk header at `position`, whose body lies wholly within `bytes`; moves
// `position` to the start of the body. Nothing when either does not fit.
std::optional<ChunkHeader> read_chunk_header(std::span<const std::uint8_t> bytes,
                                             std::size_t& position);

// The textures of a type-22 chunk body of version 1 or 2; nothing when the
// body is not exactly one well-formed dictionary of that version.
std::optional<std::vector<TextureEntry>> read_dictionary(std::span<const std::uint8_t> body,
                                                         std::uint32_t version);

// Writers, for tests and for the shipped dictionaries. They throw
// std::invalid_argument on a texture list the reader would refuse, pixels in
// version 1 included.
std::string chunk(std::uint32_t type, std::uint32_t version, std::string_view body);
std::string dictionary_body(const std::vector<TextureEntry>& textures,
                            std::uint32_t version = kDictionaryVersion);
// A whole file: one dictionary chunk.
std::string dictionary_file(const std::vector<TextureEntry>& textures,
                            std::uint32_t version = kDictionaryVersion);
// Textures of these names, each width x height.
std::vector<TextureEntry> named_textures(const std::vector<std::string>& names,
                                         std::uint16_t width = 64, std::uint16_t height = 64);

}  // namespace refhost::txd
