// The COFF symbol table of a PE image: 18-byte records after the file
// header's pointer, names of more than 8 bytes in the string table right
// after the records, and a file record (storage class 103), whose auxiliary
// records hold the source's name, before the static symbols of each object.
// (The mingw assembler keeps 14 bytes of that name: "mission_title.".)
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "plugin_symbols.h"
#include "read_at.h"

namespace {

constexpr std::size_t kRecord = 18;
constexpr std::uint8_t kExternal = 2, kStatic = 3, kFile = 103;
constexpr std::uint16_t kFunctionType = 0x20;

struct Image {
  std::uint32_t symbols = 0, count = 0;
  std::size_t sections = 0;  // offset of the section table
  std::uint16_t section_count = 0;
};

std::optional<Image> ReadImage(const std::string& bytes) {
  Image image;
  std::uint32_t pe = 0;
  std::uint16_t optional = 0;
  // compare() throws on an offset past the end: a stray file is no image.
  if (!ReadAt(bytes, 0x3C, pe) || pe > bytes.size() ||
      bytes.compare(pe, 4, std::string("PE\0\0", 4)) != 0) {
    return std::nullopt;
  }
  const std::size_t header = pe + 4;
  if (!ReadAt(bytes, header + 2, image.section_count) ||
      !ReadAt(bytes, header + 8, image.symbols) || !ReadAt(bytes, header + 12, image.count) ||
      !ReadAt(bytes, header + 16, optional) || image.symbols == 0) {
    return std::nullopt;
  }
  image.sections = header + 20 + optional;
  return image;
}

std::string NameOf(const std::string& bytes, std::size_t record, std::size_t strings) {
  std::uint32_t zeros = 0, offset = 0;
  ReadAt(bytes, record, zeros);
  if (zeros != 0) {
    const char* name = bytes.data() + record;
    return std::string(name, strnlen(name, 8));
  }
  ReadAt(bytes, record + 4, offset);
  if (strings + offset >= bytes.size()) return "";
  return std::string(bytes.c_str() + strings + offset);
}

}  // namespace

void PluginSymbols::ReadCoff(const std::string& bytes) {
  const std::optional<Image> read = ReadImage(bytes);
  if (!read) return;
  const Image& image = *read;
  const std::size_t strings = image.symbols + static_cast<std::size_t>(image.count) * kRecord;
  std::string file;
  for (std::uint32_t k = 0; k < image.count; ++k) {
    const std::size_t record = image.symbols + static_cast<std::size_t>(k) * kRecord;
    std::uint32_t value = 0;
    std::int16_t section = 0;
    std::uint16_t type = 0;
    std::uint8_t storage = 0, aux = 0;
    if (!ReadAt(bytes, record + 8, value) || !ReadAt(bytes, record + 12, section) ||
        !ReadAt(bytes, record + 14, type) || !ReadAt(bytes, record + 16, storage) ||
        !ReadAt(bytes, record + 17, aux)) {
      return;
    }
    // The name runs on through every auxiliary record.
    if (storage == kFile && aux > 0 && record + kRecord * (1 + std::size_t{aux}) <= bytes.size()) {
      const char* name = bytes.data() + record + kRecord;
      file = std::string(name, strnlen(name, kRecord * aux));
      file = file.substr(file.find_last_of("/\\") + 1);
    }
    std::uint32_t rva = 0;
    if ((storage == kExternal || storage == kStatic) && type == kFunctionType && section > 0 &&
        section <= image.section_count &&
        ReadAt(bytes, image.sections + (section - 1) * 40 + 12, rva)) {
      std::string name = NameOf(bytes, record, strings);
      // i686 C names carry a leading underscore.
      if (name.starts_with('_')) name.erase(0, 1);
      functions_.push_back(
          {rva + value, 0, {DemangledRoutineName(name.c_str()), storage == kStatic ? file : ""}});
    }
    k += aux;
  }
  // COFF gives no sizes: each function runs to the next.
  std::sort(functions_.begin(), functions_.end(),
            [](const Function& a, const Function& b) { return a.start < b.start; });
  for (std::size_t k = 0; k < functions_.size(); ++k) {
    functions_[k].size =
        k + 1 < functions_.size() ? functions_[k + 1].start - functions_[k].start : 0x10000;
  }
}
