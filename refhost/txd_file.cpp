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

// One entry of a dictionary body at `at`, which the caller has checked to hold
// kEntrySize bytes.
std::optional<TextureEntry> read_entry(std::span<const std::uint8_t> body, std::size_t at) {
  std::size_t length = 0;
  while (length < kNameField && body[at + length] != 0) ++length;
  if (length == kNameField) return std::nullopt;
  // Padding must be zero: anything else is not a file this writer made.
  for (std::size_t k = length; k < kNameField; ++k) {
    if (body[at + k] != 0) return std::nullopt;
  }
  TextureEntry entry;
  entry.name.assign(reinterpret_cast<const char*>(body.data() + at), length);
  if (!valid_texture_name(entry.name)) return std::nullopt;
  entry.width = get16(body, at + kNameField);
  entry.height = get16(body, at + kNameField + 2);
  const std::uint32_t format = get32(body, at + kNameField + 4);
  const std::uint32_t pixel_bytes = get32(body, at + kNameField + 8);
  if (format != kFormatNone || pixel_bytes != 0) return std::nullopt;
  return entry;
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
  if (version != kDictionaryVersion || body.size() < 4) return std::nullopt;
  const std::uint32_t count = get32(body, 0);
  // The count must account for the body exactly, checked before anything is
  // reserved for it.
  if (count > kMaxTextures || body.size() - 4 != count * kEntrySize) return std::nullopt;
  std::vector<TextureEntry> textures;
  textures.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    std::optional<TextureEntry> entry = read_entry(body, 4 + k * kEntrySize);
    if (!entry) return std::nullopt;
    for (const TextureEntry& earlier : textures) {
      if (same_texture_name(earlier.name, entry->name)) return std::nullopt;
    }
    textures.push_back(std::move(*entry));
  }
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

std::string dictionary_body(const std::vector<TextureEntry>& textures) {
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
    put32(out, kFormatNone);
    put32(out, 0);
  }
  return out;
}

std::string dictionary_file(const std::vector<TextureEntry>& textures) {
  return chunk(kDictionaryChunk, kDictionaryVersion, dictionary_body(textures));
}

std::vector<TextureEntry> named_textures(const std::vector<std::string>& names, std::uint16_t width,
                                         std::uint16_t height) {
  std::vector<TextureEntry> out;
  out.reserve(names.size());
  for (const std::string& name : names) out.push_back(TextureEntry{name, width, height});
  return out;
}

}  // namespace refhost::txd
