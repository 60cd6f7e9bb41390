#include "plugin_symbols.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include "read_at.h"

namespace {

constexpr std::uint32_t kSymbolTable = 2, kDynamicSymbols = 11, kFunction = 2, kFile = 4;
constexpr std::uint32_t kLocal = 0;

struct Section {
  std::uint32_t type = 0, offset = 0, size = 0, link = 0;
};

bool ReadSection(const std::string& bytes, std::size_t at, Section& s) {
  return ReadAt(bytes, at + 4, s.type) && ReadAt(bytes, at + 16, s.offset) &&
         ReadAt(bytes, at + 20, s.size) && ReadAt(bytes, at + 24, s.link);
}

}  // namespace

std::string ShortRoutineName(const std::string& demangled) {
  // Cut the parameters at the last top-level '(' that follows a name.
  std::string name = demangled;
  int depth = 0;
  for (std::size_t k = name.size(); k-- > 0;) {
    if (name[k] == ')') ++depth;
    if (name[k] == '(' && --depth == 0 && k > 0 && name[k - 1] != ' ' && name[k - 1] != ':') {
      name.resize(k);
      break;
    }
  }
  const std::size_t colon = name.rfind("::");
  return colon == std::string::npos ? name : name.substr(colon + 2);
}

std::string DemangledRoutineName(const char* name) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> text(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                              std::free);
  return status == 0 && text ? ShortRoutineName(text.get()) : std::string(name);
}

PluginSymbols::PluginSymbols(const std::filesystem::path& object) {
  std::ifstream in(object, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.starts_with("MZ")) {
    ReadCoff(bytes);
  } else {
    ReadElf(bytes);
  }
  std::sort(functions_.begin(), functions_.end(),
            [](const Function& a, const Function& b) { return a.start < b.start; });
}

void PluginSymbols::ReadElf(const std::string& bytes) {
  if (bytes.size() < 52 ||
      bytes.compare(0, 4,
                    "\x7F"
                    "ELF") != 0 ||
      bytes[4] != 1 || bytes[5] != 1) {
    return;
  }
  std::uint32_t table = 0;
  std::uint16_t entry_size = 0, count = 0;
  if (!ReadAt(bytes, 32, table) || !ReadAt(bytes, 46, entry_size) || !ReadAt(bytes, 48, count)) {
    return;
  }
  std::vector<Section> sections(count);
  for (std::size_t k = 0; k < count; ++k) {
    if (!ReadSection(bytes, table + k * entry_size, sections[k])) return;
  }
  for (const std::uint32_t wanted : {kSymbolTable, kDynamicSymbols}) {
    for (const Section& symbols : sections) {
      if (symbols.type != wanted || symbols.link >= sections.size()) continue;
      const Section& names = sections[symbols.link];
      // Local symbols follow the file symbol of the source they come from.
      std::string file;
      for (std::size_t at = symbols.offset; at + 16 <= symbols.offset + std::size_t{symbols.size};
           at += 16) {
        std::uint32_t name = 0, value = 0, length = 0;
        std::uint8_t info = 0;
        if (!ReadAt(bytes, at, name) || !ReadAt(bytes, at + 4, value) ||
            !ReadAt(bytes, at + 8, length) || !ReadAt(bytes, at + 12, info)) {
          return;
        }
        const std::size_t text = std::size_t{names.offset} + name;
        if (name >= names.size || text >= bytes.size()) continue;
        if ((info & 0xF) == kFile) file = bytes.c_str() + text;
        if ((info & 0xF) != kFunction || length == 0) continue;
        functions_.push_back(
            {value,
             length,
             {DemangledRoutineName(bytes.c_str() + text), (info >> 4) == kLocal ? file : ""}});
      }
    }
    if (!functions_.empty()) break;
  }
}

PluginSymbols::Routine PluginSymbols::At(std::uint32_t offset) const {
  auto after = std::upper_bound(functions_.begin(), functions_.end(), offset,
                                [](std::uint32_t o, const Function& f) { return o < f.start; });
  if (after == functions_.begin()) return {};
  const Function& f = *std::prev(after);
  return offset - f.start < f.size ? f.routine : Routine{};
}
