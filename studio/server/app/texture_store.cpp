#include "texture_store.h"

#include <fstream>
#include <iterator>
#include <span>

#include "png_writer.h"
#include "txd_file.h"

namespace fs = std::filesystem;

void TextureStore::LoadFile(const fs::path& file, const std::string& dictionary) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  std::size_t position = 0;
  while (const auto header = refhost::txd::read_chunk_header(bytes, position)) {
    const std::span<const std::uint8_t> body(bytes.data() + position, header->length);
    position += header->length;
    if (header->type != refhost::txd::kDictionaryChunk) continue;
    const auto textures = refhost::txd::read_dictionary(body, header->version);
    if (!textures) return;
    for (const refhost::txd::TextureEntry& t : *textures) {
      Entry entry{dictionary, t.name, t.width, t.height, ""};
      if (!t.rgba.empty()) entry.png = EncodePng(t.width, t.height, t.rgba);
      entries_.push_back(std::move(entry));
    }
    return;
  }
}

void TextureStore::Load(const fs::path& folder, const fs::path& host_textures) {
  entries_.clear();
  std::vector<fs::path> files;
  for (const auto& item : fs::directory_iterator(folder)) {
    if (item.is_regular_file() && item.path().extension() == ".txd") files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) LoadFile(file, file.filename().string());
  if (!host_textures.empty()) LoadFile(host_textures, "host");
}

nlohmann::json TextureStore::List() const {
  nlohmann::json list = nlohmann::json::array();
  for (const Entry& e : entries_) {
    list.push_back({{"dictionary", e.dictionary},
                    {"name", e.name},
                    {"width", e.width},
                    {"height", e.height},
                    {"pixels", !e.png.empty()}});
  }
  return list;
}

std::optional<std::string> TextureStore::Png(const std::string& dictionary,
                                             const std::string& name) const {
  for (const Entry& e : entries_) {
    if (e.dictionary == dictionary && e.name == name && !e.png.empty()) return e.png;
  }
  return std::nullopt;
}
