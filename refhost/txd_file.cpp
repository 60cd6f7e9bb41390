#include "txd_file.h"

#include <stdexcept>

namespace refhost::txd {

namespace {

std::uint32_t get32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t get16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

void put32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void put16(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// An entry's fixed fields, as the file has them.
struct EntryHead {
  TextureEntry texture;
  std::uint32_t format = 0;
  std::uint32_t pixel_bytes = 0;
};

// The fixed part of an entry at `at`, which the caller has checked to hold
// kEntrySize bytes.
std::optional<EntryHead> read_entry(std::span<const std::uint8_t> body, std::size_t at) {
  std::size_t length = 0;
  while (length < kNameField && body[at + length] != 0) ++length;
  if (length == kNameField) return std::nullopt;
  // Padding must be zero: anything else is not a file this writer made.
  for (std::size_t k = length; k < kNameField; ++k) {
    if (body[at + k] != 0) return std::nullopt;
  }
  EntryHead head;
  head.texture.name.assign(reinterpret_cast<const char*>(body.data() + at), length);
  if (!valid_texture_name(head.texture.name)) return std::nullopt;
  head.texture.width = get16(body, at + kNameField);
  head.texture.height = get16(body, at + kNameField + 2);
  head.format = get32(body, at + kNameField + 4);
  head.pixel_bytes = get32(body, at + kNameField + 8);
  return head;
}

// Bytes of pixels a texture of this size has in kFormatRgba8; 64-bit, so that
// no size can wrap round.
std::uint64_t rgba_bytes(std::uint16_t width, std::uint16_t height) {
  return std::uint64_t{width} * height * 4;
}

// Version 2: the pixels, when the entry says it has them, lie right after it.
bool read_pixels(std::span<const std::uint8_t> body, std::size_t& position, const EntryHead& head,
                 TextureEntry& texture) {
  if (head.format == kFormatNone) return head.pixel_bytes == 0;
  if (head.format != kFormatRgba8 || texture.width == 0 || texture.height == 0) return false;
  if (head.pixel_bytes != rgba_bytes(texture.width, texture.height)) return false;
  if (head.pixel_bytes > body.size() - position) return false;
  texture.rgba.assign(body.begin() + static_cast<std::ptrdiff_t>(position),
                      body.begin() + static_cast<std::ptrdiff_t>(position + head.pixel_bytes));
  position += head.pixel_bytes;
  return true;
}

bool named_before(const std::vector<TextureEntry>& textures, std::string_view name) {
  for (const TextureEntry& earlier : textures) {
    if (same_texture_name(earlier.name, name)) return true;
  }
  return false;
}

void put_pixels(std::string& out, const TextureEntry& t, std::uint32_t version) {
  if (t.rgba.empty()) {
    put32(out, kFormatNone);
    put32(out, 0);
    return;
  }
  if (version != kPixelDictionaryVersion) {
    throw std::invalid_argument("pixels need dictionary version 2: " + t.name);
  }
  if (t.width == 0 || t.height == 0 || t.rgba.size() != rgba_bytes(t.width, t.height)) {
    throw std::invalid_argument("pixel bytes do not match the size: " + t.name);
  }
  put32(out, kFormatRgba8);
  put32(out, static_cast<std::uint32_t>(t.rgba.size()));
}

}  // namespace

bool valid_texture_name(std::string_view name) {
  if (name.empty() || name.size() >= kNameField) return false;
  for (char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '-' || c == '.';
    if (!ok) return false;
  }
  return true;
}

bool same_texture_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (lower(a[k]) != lower(b[k])) return false;
  }
  return true;
}

std::optional<ChunkHeader> read_chunk_header(std::span<const std::uint8_t> bytes,
                                             std::size_t& position) {
  // Subtractions only, so that no sum can wrap round.
  if (position > bytes.size() || bytes.size() - position < kChunkHeaderSize) return std::nullopt;
  ChunkHeader header{get32(bytes, position), get32(bytes, position + 4),
                     get32(bytes, position + 8)};
  const std::size_t body = position + kChunkHeaderSize;
  if (header.length > bytes.size() - body) return std::nullopt;
  position = body;
  return header;
}

std::optional<std::vector<TextureEntry>> read_dictionary(std::span<const std::uint8_t> body,
                                                         std::uint32_t version) {
  const bool pixels = version == kPixelDictionaryVersion;
  if ((version != kDictionaryVersion && !pixels) || body.size() < 4) return std::nullopt;
  const std::uint32_t count = get32(body, 0);
  // The count must fit the body, checked before anything is reserved for it:
  // exactly in version 1, at least the entries themselves in version 2.
  if (count > kMaxTextures || body.size() - 4 < count * kEntrySize) return std::nullopt;
  if (!pixels && body.size() - 4 != count * kEntrySize) return std::nullopt;
  std::vector<TextureEntry> textures;
  textures.reserve(count);
  std::size_t position = 4;
  for (std::size_t k = 0; k < count; ++k) {
    if (body.size() - position < kEntrySize) return std::nullopt;
    std::optional<EntryHead> head = read_entry(body, position);
    position += kEntrySize;
    if (!head || named_before(textures, head->texture.name)) return std::nullopt;
    if (!pixels && (head->format != kFormatNone || head->pixel_bytes != 0)) return std::nullopt;
    if (pixels && !read_pixels(body, position, *head, head->texture)) return std::nullopt;
    textures.push_back(std::move(head->texture));
  }
  if (position != body.size()) return std::nullopt;
  return textures;
}

std::string chunk(std::uint32_t type, std::uint32_t version, std::string_view body) {
  std::string out;
  put32(out, type);
  put32(out, static_cast<std::uint32_t>(body.size()));
  put32(out, version);
  out.append(body);
  return out;
}

std::string dictionary_body(const std::vector<TextureEntry>& textures, std::uint32_t version) {
  if (version != kDictionaryVersion && version != kPixelDictionaryVersion) {
    throw std::invalid_argument("unknown dictionary version");
  }
  if (textures.size() > kMaxTextures) throw std::invalid_argument("too many textures");
  std::string out;
  put32(out, static_cast<std::uint32_t>(textures.size()));
  for (std::size_t k = 0; k < textures.size(); ++k) {
    const TextureEntry& t = textures[k];
    if (!valid_texture_name(t.name)) throw std::invalid_argument("bad texture name: " + t.name);
    for (std::size_t j = 0; j < k; ++j) {
      if (same_texture_name(textures[j].name, t.name)) {
        throw std::invalid_argument("texture named twice: " + t.name);
      }
    }
    out += t.name;
    out.append(kNameField - t.name.size(), '\0');
    put16(out, t.width);
    put16(out, t.height);
    put_pixels(out, t, version);
    out.append(t.rgba.begin(), t.rgba.end());
  }
  return out;
}

std::string dictionary_file(const std::vector<TextureEntry>& textures, std::uint32_t version) {
  return chunk(kDictionaryChunk, version, dictionary_body(textures, version));
}

std::vector<TextureEntry> named_textures(const std::vector<std::string>& names, std::uint16_t width,
                                         std::uint16_t height) {
  std::vector<TextureEntry> out;
  out.reserve(names.size());
  for (const std::string& name : names) out.emplace_back(name, width, height);
  return out;
}

}  // namespace refhost::txd
