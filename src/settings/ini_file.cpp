#include "settings/ini_file.h"

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "runtime/os.h"
#include "settings/value_scan.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The whole file as bytes. False when it cannot be opened or a read fails: the
// file then counts as unreadable rather than as whatever part of it came in.
bool ReadWholeFile(const char* path, std::string& text) {
  if (path == nullptr) return false;
  const FileHandle file(os::open_read(path));
  if (!file) return false;
  char buffer[4096];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    text.append(buffer, count);
  }
  return std::ferror(file.get()) == 0;
}

bool IsCommentStart(char c) { return c == '#' || c == ';'; }
bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '='; }

void TrimTrailingBlanks(std::string& value) {
  const std::size_t end = value.find_last_not_of(" \t");
  value.erase(end == std::string::npos ? 0 : end + 1);
}

std::uint32_t Column(std::size_t index) { return static_cast<std::uint32_t>(index + 1); }

}  // namespace

IniFile::IniFile(const char* path) {
  std::string text;
  if (ReadWholeFile(path, text)) Parse(text);
}

IniFile IniFile::FromText(std::string_view text) {
  IniFile file;
  file.Parse(text);
  return file;
}

// Lines end at a line feed. The file is read in binary on every platform, so a
// carriage return right before the line feed is dropped here, as a text-mode
// read would on Windows; any other carriage return is an ordinary byte.
void IniFile::Parse(std::string_view text) {
  std::uint32_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
      text = {};
    } else {
      text.remove_prefix(end + 1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }
    ParseLine(line, number);
  }
}

void IniFile::ParseLine(std::string_view line, std::uint32_t number) {
  if (line.empty()) return;
  enum class State { kBeforeKey, kInKey, kAfterKey, kInValue };
  State state = State::kBeforeKey;
  IniEntry entry;
  entry.line = number;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (IsCommentStart(c)) {
      if (state == State::kBeforeKey) return;  // whole-line comment
      break;                                   // trailing comment
    }
    switch (state) {
      case State::kBeforeKey:
        if (IsSeparator(c)) break;
        entry.key += c;
        entry.key_column = Column(i);
        state = State::kInKey;
        break;
      case State::kInKey:
        if (IsSeparator(c)) {
          state = State::kAfterKey;
        } else {
          entry.key += c;
        }
        break;
      case State::kAfterKey:
        if (IsSeparator(c)) break;
        entry.value += c;
        entry.value_column = Column(i);
        state = State::kInValue;
        break;
      case State::kInValue:
        entry.value += c;
        break;
    }
  }
  TrimTrailingBlanks(entry.value);
  entries_.push_back(std::move(entry));
}

IniEntry& IniFile::Lookup(std::string_view key) {
  for (IniEntry& entry : entries_) {
    if (entry.key == key) return entry;
  }
  IniEntry& missing = entries_.emplace_back();
  missing.key = key;
  missing.absent = true;
  return missing;
}

// The typed lookups convert through the value scan, as a formatted stream
// reads: "12.5abc" gives 12.5, and a value that reads nothing gives the default.
float IniFile::ReadFloat(std::string_view key, float default_value) {
  const IniEntry& entry = Lookup(key);
  if (entry.absent) return default_value;
  const NumberScan<float> scan = ScanFloats(entry.value, 1);
  return scan.count == 1 ? scan.numbers[0] : default_value;
}

// Decimal only: "0x41" stops after the 0, "12.7" after the 12, and a number
// beyond 32 bits fails the read and gives the default.
std::int32_t IniFile::ReadInt(std::string_view key, std::int32_t default_value) {
  const IniEntry& entry = Lookup(key);
  if (entry.absent) return default_value;
  const NumberScan<std::int32_t> scan = ScanInts(entry.value, 1);
  return scan.count == 1 ? scan.numbers[0] : default_value;
}

bool IniFile::ReadBool(std::string_view key) {
  const IniEntry& entry = Lookup(key);
  if (entry.absent || entry.value.empty()) return false;
  for (const std::string_view no : {"0", "false", "FALSE", "no", "NO"}) {
    if (entry.value == no) return false;
  }
  return true;
}

// Components are read in order until one fails; the rest keep the default.
FloatPair IniFile::ReadPair(std::string_view key, FloatPair default_value) {
  const IniEntry& entry = Lookup(key);
  FloatPair pair = default_value;
  if (entry.absent) return pair;
  const NumberScan<float> scan = ScanFloats(entry.value, 2);
  if (scan.count >= 1) pair.first = scan.numbers[0];
  if (scan.count >= 2) pair.second = scan.numbers[1];
  return pair;
}

// Up to four decimal integers, each kept as its low 8 bits (300 gives 44, -1
// gives 255); a component that is not read keeps the default's.
Rgba IniFile::ReadColour(std::string_view key, Rgba default_value) {
  const IniEntry& entry = Lookup(key);
  Rgba colour = default_value;
  if (entry.absent) return colour;
  const NumberScan<std::int32_t> scan = ScanInts(entry.value, 4);
  std::uint8_t* components[] = {&colour.r, &colour.g, &colour.b, &colour.a};
  for (std::size_t i = 0; i < scan.count; ++i) {
    *components[i] = static_cast<std::uint8_t>(scan.numbers[i]);
  }
  return colour;
}
