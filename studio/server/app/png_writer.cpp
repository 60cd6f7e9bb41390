#include "png_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

std::uint32_t Crc(std::string_view bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char b : bytes) c = table[(c ^ static_cast<std::uint8_t>(b)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void Big32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void Chunk(std::string& out, std::string_view type, std::string_view data) {
  Big32(out, static_cast<std::uint32_t>(data.size()));
  std::string body(type);
  body.append(data);
  out += body;
  Big32(out, Crc(body));
}

// zlib stream of stored blocks, with its Adler-32.
std::string Stored(std::string_view raw) {
  std::string out = "\x78\x01";
  std::uint32_t a = 1, b = 0;
  for (const char c : raw) {
    a = (a + static_cast<std::uint8_t>(c)) % 65521;
    b = (b + a) % 65521;
  }
  std::size_t at = 0;
  do {
    const std::size_t size = std::min<std::size_t>(raw.size() - at, 65535);
    out += static_cast<char>(at + size == raw.size() ? 1 : 0);
    out += static_cast<char>(size & 0xFF);
    out += static_cast<char>(size >> 8);
    out += static_cast<char>(~size & 0xFF);
    out += static_cast<char>((~size >> 8) & 0xFF);
    out.append(raw.substr(at, size));
    at += size;
  } while (at < raw.size());
  Big32(out, (b << 16) | a);
  return out;
}

}  // namespace

std::string EncodePng(std::uint32_t width, std::uint32_t height,
                      std::span<const std::uint8_t> rgba) {
  std::string raw;
  const std::size_t row = std::size_t{width} * 4;
  raw.reserve((row + 1) * height);
  for (std::uint32_t y = 0; y < height; ++y) {
    raw += '\0';  // no filter
    raw.append(reinterpret_cast<const char*>(rgba.data()) + y * row, row);
  }
  std::string header;
  Big32(header, width);
  Big32(header, height);
  header +=
      std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
  std::string png = "\x89PNG\r\n\x1a\n";
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", Stored(raw));
  Chunk(png, "IEND", "");
  return png;
}
