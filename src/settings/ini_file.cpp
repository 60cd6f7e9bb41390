#include "settings/ini_file.h"

#include <cstdio>
#include <initializer_list>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "runtime/os.h"

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

// Values convert as a formatted stream would read them, whatever global locale
// the host process has set.
std::istringstream ValueStream(const std::string& value) {
  std::istringstream in(value);
  in.imbue(std::locale::classic());
  return in;
}

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
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
      text = {};
    } else {
      text.remove_prefix(end + 1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }
    ParseLine(line);
  }
}

void IniFile::ParseLine(std::string_view line) {
  if (line.empty()) return;
  enum class State { kBeforeKey, kInKey, kAfterKey, kInValue };
  State state = State::kBeforeKey;
  IniEntry entry;
  for (const char c : line) {
    if (IsCommentStart(c)) {
      if (state == State::kBeforeKey) return;  // whole-line comment
      break;                                   // trailing comment
    }
    switch (state) {
      case State::kBeforeKey:
        if (IsSeparator(c)) break;
        entry.key += c;
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
  entries_.push_back(IniEntry{std::string(key), std::string(), true});
  return entries_.back();
}

float IniFile::ReadFloat(std::string_view key, float default_value) {
  const IniEntry& entry = Lookup(key);
  if (entry.absent) return default_value;
  std::istringstream in = ValueStream(entry.value);
  float value;
  return (in >> value) ? value : default_value;
}

// Decimal only: "0x41" stops after the 0, "12.7" after the 12, and a number
// beyond 32 bits fails the read and gives the default.
std::int32_t IniFile::ReadInt(std::string_view key, std::int32_t default_value) {
  const IniEntry& entry = Lookup(key);
  if (entry.absent) return default_value;
  std::istringstream in = ValueStream(entry.value);
  std::int32_t value;
  return (in >> value) ? value : default_value;
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
  std::istringstream in = ValueStream(entry.value);
  float value;
  if (!(in >> value)) return pair;
  pair.first = value;
  if (!(in >> value)) return pair;
  pair.second = value;
  return pair;
}

// Up to four decimal integers, each kept as its low 8 bits (300 gives 44, -1
// gives 255); a component that is not read keeps the default's.
Rgba IniFile::ReadColour(std::string_view key, Rgba default_value) {
  const IniEntry& entry = Lookup(key);
  Rgba colour = default_value;
  if (entry.absent) return colour;
  std::istringstream in = ValueStream(entry.value);
  for (std::uint8_t* component : {&colour.r, &colour.g, &colour.b, &colour.a}) {
    std::int32_t value;
    if (!(in >> value)) break;
    *component = static_cast<std::uint8_t>(value);
  }
  return colour;
}
