#include "txd_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using refhost::txd::ChunkHeader;
using refhost::txd::TextureEntry;

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::optional<std::vector<TextureEntry>> ReadBody(const std::string& body,
                                                  std::uint32_t version = 1) {
  return refhost::txd::read_dictionary(Bytes(body), version);
}

// Reads a whole file the way the host's stream does: first type-22 chunk, then its body.
std::optional<std::vector<TextureEntry>> ReadFile(const std::string& file) {
  std::size_t position = 0;
  while (std::optional<ChunkHeader> header =
             refhost::txd::read_chunk_header(Bytes(file), position)) {
    if (header->type == refhost::txd::kDictionaryChunk) {
      return refhost::txd::read_dictionary(Bytes(file).subspan(position, header->length),
                                           header->version);
    }
    position += header->length;
  }
  return std::nullopt;
}

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
          static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
}

// One entry as the format lays it out, fields given explicitly.
std::string Entry(const std::string& name_field, std::uint32_t format = 0,
                  std::uint32_t pixel_bytes = 0) {
  std::string out = name_field;
  out.resize(32, '\0');
  out += std::string("\x40\x00\x20\x00", 4);  // 64 x 32
  return out + Le32(format) + Le32(pixel_bytes);
}

TEST(TxdFile, ExampleFileIsByteExact) {
  // The example of docs/texture-dictionary-format.md.
  const std::string file = refhost::txd::dictionary_file(
      {TextureEntry{"phone", 64, 32}, TextureEntry{"phone_class", 8, 8}});
  std::string expected = std::string("\x16\x00\x00\x00\x5C\x00\x00\x00\x01\x00\x00\x00", 12) +
                         std::string("\x02\x00\x00\x00", 4) + Entry("phone");
  std::string second = Entry("phone_class");
  second.replace(32, 4, std::string("\x08\x00\x08\x00", 4));
  expected += second;
  EXPECT_EQ(file.size(), 12u + 4u + 2u * 44u);
  EXPECT_EQ(file, expected);
}

TEST(TxdFile, RoundTrips) {
  const std::vector<std::vector<TextureEntry>> dictionaries = {
      {},
      {TextureEntry{"a", 0, 0}},
      {TextureEntry{"viewfinder_128", 128, 128}, TextureEntry{"siteM16", 64, 64},
       TextureEntry{"0", 1, 65535}, TextureEntry{"x.y-z", 7, 9},
       TextureEntry{std::string(31, 'q'), 2, 3}},
  };
  for (const auto& textures : dictionaries) {
    SCOPED_TRACE(textures.size());
    EXPECT_EQ(ReadFile(refhost::txd::dictionary_file(textures)), textures);
  }
}

TEST(TxdFile, OtherChunksAreSteppedOver) {
  const std::string file = refhost::txd::chunk(1, 7, "header") + refhost::txd::chunk(3, 1, "") +
                           refhost::txd::dictionary_file({TextureEntry{"star", 16, 16}}) +
                           refhost::txd::chunk(9, 1, "trailer");
  EXPECT_EQ(ReadFile(file), (std::vector<TextureEntry>{TextureEntry{"star", 16, 16}}));
}

TEST(TxdFile, ChunkHeadersMustFitTheBytes) {
  const std::string file = refhost::txd::chunk(22, 1, "abcd");
  struct Case {
    const char* what;
    std::string bytes;
    std::size_t position;
    bool fits;
  };
  const Case cases[] = {
      {"whole", file, 0, true},
      {"empty", "", 0, false},
      {"header cut", file.substr(0, 11), 0, false},
      {"body cut", file.substr(0, 15), 0, false},
      {"position at end", file, file.size(), false},
      {"position past end", file, file.size() + 5, false},
      {"huge length", Le32(22) + Le32(0xFFFFFFFF) + Le32(1) + "abcd", 0, false},
      {"empty body at end", refhost::txd::chunk(5, 1, ""), 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::size_t position = c.position;
    const std::optional<ChunkHeader> header =
        refhost::txd::read_chunk_header(Bytes(c.bytes), position);
    EXPECT_EQ(header.has_value(), c.fits);
    EXPECT_EQ(position, c.fits ? c.position + 12 : c.position);
  }
}

TEST(TxdFile, MalformedBodiesAreRefused) {
  const std::string good = Le32(1) + Entry("star");
  ASSERT_TRUE(ReadBody(good));
  std::string junk_after_name = Entry("star");
  junk_after_name[10] = 'x';
  struct Case {
    const char* what;
    std::string body;
    std::uint32_t version;
  };
  const Case cases[] = {
      {"empty", "", 1},
      {"count only, one short", Le32(1), 1},
      {"count too large", Le32(0xFFFFFFFF) + Entry("star"), 1},
      {"count over the limit", Le32(4097), 1},
      {"trailing byte", good + "x", 1},
      {"last byte missing", good.substr(0, good.size() - 1), 1},
      {"name without end", Le32(1) + Entry(std::string(32, 'a')), 1},
      {"junk after name", Le32(1) + junk_after_name, 1},
      {"empty name", Le32(1) + Entry(""), 1},
      {"space in name", Le32(1) + Entry("two words"), 1},
      {"control byte in name", Le32(1) + Entry("a\x01"), 1},
      {"pixel format", Le32(1) + Entry("star", 1, 0), 1},
      {"pixel bytes", Le32(1) + Entry("star", 0, 16), 1},
      {"same name twice", Le32(2) + Entry("Star") + Entry("star"), 1},
      {"version 0", good, 0},
      {"version 3", good, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(ReadBody(c.body, c.version));
  }
}

// A version-2 entry: the fixed fields, then `pixels` raw bytes.
std::string PixelEntry(const std::string& name, std::uint16_t width, std::uint16_t height,
                       std::uint32_t format, std::uint32_t pixel_bytes, std::size_t pixels) {
  std::string out = name;
  out.resize(32, '\0');
  out += {static_cast<char>(width & 0xFF), static_cast<char>(width >> 8),
          static_cast<char>(height & 0xFF), static_cast<char>(height >> 8)};
  return out + Le32(format) + Le32(pixel_bytes) + std::string(pixels, '\x7F');
}

TEST(TxdFile, PixelDictionariesRoundTrip) {
  std::vector<std::uint8_t> rgba(3 * 2 * 4);
  for (std::size_t k = 0; k < rgba.size(); ++k) rgba[k] = static_cast<std::uint8_t>(k * 11);
  const std::vector<TextureEntry> textures = {TextureEntry{"radar00", 3, 2, rgba},
                                              TextureEntry{"white", 64, 64},
                                              TextureEntry{"dot", 1, 1, {1, 2, 3, 4}}};
  const std::string file = refhost::txd::dictionary_file(textures, 2);
  // Entries, then each one's pixels right after it.
  EXPECT_EQ(file.size(), 12u + 4u + 3u * 44u + 24u + 4u);
  EXPECT_EQ(file.substr(12 + 4 + 36, 8), Le32(1) + Le32(24));
  EXPECT_EQ(ReadFile(file), textures);
}

TEST(TxdFile, PixelDictionariesMustAccountForEveryByte) {
  const std::string good = Le32(1) + PixelEntry("star", 2, 2, 1, 16, 16);
  ASSERT_TRUE(ReadBody(good, 2));
  ASSERT_TRUE(ReadBody(Le32(1) + PixelEntry("star", 2, 2, 0, 0, 0), 2));
  struct Case {
    const char* what;
    std::string body;
  };
  const Case cases[] = {
      {"pixels cut short", good.substr(0, good.size() - 1)},
      {"byte after the pixels", good + "x"},
      {"byte count not the size", Le32(1) + PixelEntry("star", 2, 2, 1, 12, 12)},
      {"pixels without a width", Le32(1) + PixelEntry("star", 0, 2, 1, 0, 0)},
      {"unknown format", Le32(1) + PixelEntry("star", 2, 2, 2, 16, 16)},
      {"no format yet bytes", Le32(1) + PixelEntry("star", 2, 2, 0, 16, 16)},
      {"count beyond the entries", Le32(3) + PixelEntry("star", 2, 2, 1, 16, 16)},
      {"second entry cut", good + PixelEntry("bar", 1, 1, 1, 4, 4).substr(0, 40)},
      {"size overflowing 32 bits", Le32(1) + PixelEntry("star", 65535, 65535, 1, 0xFFFC0004, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(ReadBody(c.body, 2));
  }
  // Version 1 never carries pixels.
  EXPECT_FALSE(ReadBody(good, 1));
}

TEST(TxdFile, EveryTruncationIsRefused) {
  const std::string file = refhost::txd::dictionary_file(
      refhost::txd::named_textures({"clrect", "blrect", "bar", "star", "timerbar"}));
  for (std::size_t size = 0; size < file.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_FALSE(ReadFile(file.substr(0, size)));
  }
}

TEST(TxdFile, GarbageNeverReadsBeyondItsBytes) {
  // Deterministic noise, some of it dressed as a dictionary chunk.
  std::uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<char>(seed >> 16);
  };
  for (int round = 0; round < 300; ++round) {
    std::string bytes(static_cast<std::size_t>(round % 97), '\0');
    for (char& c : bytes) c = next();
    if (round % 2 == 0) bytes = refhost::txd::chunk(22, 1, bytes);
    if (round % 3 == 0)
      bytes = Le32(22) + Le32(static_cast<std::uint32_t>(round)) + Le32(1) + bytes;
    const std::optional<std::vector<TextureEntry>> read = ReadFile(bytes);
    if (read) {
      for (const TextureEntry& t : *read) EXPECT_TRUE(refhost::txd::valid_texture_name(t.name));
    }
  }
}

TEST(TxdFile, WriterRefusesWhatTheReaderWould) {
  const std::vector<std::vector<TextureEntry>> bad = {
      {TextureEntry{"", 0, 0}},
      {TextureEntry{std::string(32, 'a'), 0, 0}},
      {TextureEntry{"two words", 0, 0}},
      {TextureEntry{"Star", 0, 0}, TextureEntry{"sTAR", 0, 0}},
      std::vector<TextureEntry>(4097, TextureEntry{"a", 0, 0}),
  };
  for (const auto& textures : bad) {
    SCOPED_TRACE(textures.size());
    EXPECT_THROW(refhost::txd::dictionary_file(textures), std::invalid_argument);
  }
  const std::vector<TextureEntry> with_pixels = {TextureEntry{"dot", 1, 1, {1, 2, 3, 4}}};
  EXPECT_THROW(refhost::txd::dictionary_file(with_pixels, 1), std::invalid_argument);
  const std::vector<std::vector<TextureEntry>> bad_pixels = {
      {TextureEntry{"dot", 2, 1, {1, 2, 3, 4}}},
      {TextureEntry{"dot", 0, 1, {1, 2, 3, 4}}},
  };
  for (const auto& textures : bad_pixels) {
    EXPECT_THROW(refhost::txd::dictionary_file(textures, 2), std::invalid_argument);
  }
  EXPECT_THROW(refhost::txd::dictionary_file({}, 3), std::invalid_argument);
}

}  // namespace
