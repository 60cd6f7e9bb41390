#include "settings/ini_file.h"

#include <initializer_list>

#include "settings/file_bytes.h"
#include "settings/line_scan.h"
#include "settings/value_scan.h"

IniFile::IniFile(const char* path) { Reload(path); }

IniFile IniFile::FromText(std::string_view text) {
  IniFile file;
  file.Parse(text);
  return file;
}

void IniFile::Reload(const char* path) {
  ReadFileBytes(path, text_);
  Index();
}

void IniFile::Parse(std::string_view text) {
  text_.clear();
  text_.append(text);
  Index();
}

void IniFile::Index() {
  lines_.clear();
  entries_.clear();
  ScanLines(text_.view(), lines_);
  index_.Reset(lines_.size());
  const auto key_of = [this](std::uint32_t line) { return KeyOf(line); };
  for (std::uint32_t k = 0; k < lines_.size(); ++k) index_.Add(k, HashKey(KeyOf(k)), key_of);
}

std::string_view IniFile::KeyOf(std::uint32_t line) const {
  return text_.view(lines_[line].key, lines_[line].key_size);
}

// A key no line carries gets an absent line of its own, its bytes kept after
// the file's, so that asking again finds it.
std::uint32_t IniFile::Find(const IniKey& key) {
  const auto key_of = [this](std::uint32_t line) { return KeyOf(line); };
  const std::uint32_t found = index_.Find(key.name, key.hash, key_of);
  if (found != KeyIndex::kNone) return found;
  IniLine missing;
  missing.key = static_cast<std::uint32_t>(text_.append(key.name));
  missing.key_size = static_cast<std::uint32_t>(key.name.size());
  missing.value = missing.key + missing.key_size;
  missing.absent = true;
  const auto line = static_cast<std::uint32_t>(lines_.size());
  lines_.push_back(missing);
  index_.Add(line, key.hash, key_of);
  return line;
}

bool IniFile::FindValue(const IniKey& key, std::string_view& value) {
  const IniLine& line = lines_[Find(key)];
  value = text_.view(line.value, line.value_size);
  return !line.absent;
}

// The typed lookups convert through the value scan, as a formatted stream
// reads: "12.5abc" gives 12.5, and a value that reads nothing gives the default.
float IniFile::ReadFloat(const IniKey& key, float default_value) {
  std::string_view value;
  if (!FindValue(key, value)) return default_value;
  const NumberScan<float> scan = ScanFloats(value, 1);
  return scan.count == 1 ? scan.numbers[0] : default_value;
}

// Decimal only: "0x41" stops after the 0, "12.7" after the 12, and a number
// beyond 32 bits fails the read and gives the default.
std::int32_t IniFile::ReadInt(const IniKey& key, std::int32_t default_value) {
  std::string_view value;
  if (!FindValue(key, value)) return default_value;
  const NumberScan<std::int32_t> scan = ScanInts(value, 1);
  return scan.count == 1 ? scan.numbers[0] : default_value;
}

bool IniFile::ReadBool(const IniKey& key) {
  std::string_view value;
  if (!FindValue(key, value) || value.empty()) return false;
  for (const std::string_view no : {"0", "false", "FALSE", "no", "NO"}) {
    if (value == no) return false;
  }
  return true;
}

// Components are read in order until one fails; the rest keep the default.
FloatPair IniFile::ReadPair(const IniKey& key, FloatPair default_value) {
  std::string_view value;
  FloatPair pair = default_value;
  if (!FindValue(key, value)) return pair;
  const NumberScan<float> scan = ScanFloats(value, 2);
  if (scan.count >= 1) pair.first = scan.numbers[0];
  if (scan.count >= 2) pair.second = scan.numbers[1];
  return pair;
}

// Up to four decimal integers, each kept as its low 8 bits (300 gives 44, -1
// gives 255); a component that is not read keeps the default's.
Rgba IniFile::ReadColour(const IniKey& key, Rgba default_value) {
  std::string_view value;
  Rgba colour = default_value;
  if (!FindValue(key, value)) return colour;
  const NumberScan<std::int32_t> scan = ScanInts(value, 4);
  std::uint8_t* components[] = {&colour.r, &colour.g, &colour.b, &colour.a};
  for (std::size_t i = 0; i < scan.count; ++i) {
    *components[i] = static_cast<std::uint8_t>(scan.numbers[i]);
  }
  return colour;
}
