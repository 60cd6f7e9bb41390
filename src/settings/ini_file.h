#pragma once
// The key/value reader shared by the layout settings file and the colour scheme
// files. It is built anew for every load and thrown away afterwards, so it keeps
// no state beyond the one file it parsed.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/hud_settings.h"

struct IniEntry {
  std::string key;      // raw bytes; compared byte for byte, case-sensitive
  std::string value;    // raw bytes, trailing spaces and tabs removed
  bool absent = false;  // true only for entries a lookup appended for a missing key
  // Where the entry stands in the file, so that a tool can point at it: the
  // 1-based line, and the 1-based byte columns of the key's and the value's
  // first bytes (0 when the line has none). All 0 for absent entries.
  std::uint32_t line = 0;
  std::uint32_t key_column = 0;
  std::uint32_t value_column = 0;
};

class IniFile {
 public:
  // Reads and parses the whole file. A missing or unreadable file (null path
  // included) leaves no entries, so every lookup falls back to its default.
  explicit IniFile(const char* path);
  // The same parse over text already in memory.
  static IniFile FromText(std::string_view text);

  // The first entry carrying key; when none does, a new absent entry with an
  // empty value is appended and returned, and later lookups find that one.
  IniEntry& Lookup(std::string_view key);

  // Typed lookups: each returns the default when the value does not convert.
  float ReadFloat(std::string_view key, float default_value);
  std::int32_t ReadInt(std::string_view key, std::int32_t default_value);
  bool ReadBool(std::string_view key);
  FloatPair ReadPair(std::string_view key, FloatPair default_value);
  Rgba ReadColour(std::string_view key, Rgba default_value);

  const std::vector<IniEntry>& entries() const { return entries_; }

 private:
  IniFile() = default;
  void Parse(std::string_view text);
  void ParseLine(std::string_view line, std::uint32_t number);

  std::vector<IniEntry> entries_;
};
