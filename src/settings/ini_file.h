#pragma once
// The key/value reader shared by the layout settings file and the colour scheme
// files. Each load reads one file afresh and keeps nothing of an earlier one;
// a reader kept from load to load (Reload) reuses its buffers, so that the
// load the HUD pass makes every frame allocates nothing once they have grown.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/byte_buffer.h"
#include "settings/hud_settings.h"
#include "settings/ini_line.h"
#include "settings/key_index.h"

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
  // No file: every lookup falls back to its default.
  IniFile() = default;
  // Reads and parses the whole file. A missing or unreadable file (null path
  // included) leaves no entries, so every lookup falls back to its default.
  explicit IniFile(const char* path);
  // The same parse over text already in memory.
  static IniFile FromText(std::string_view text);
  // Forgets the file read before, entries appended by lookups included, and
  // reads this one as the constructor would.
  void Reload(const char* path);
  // The same, over bytes already read.
  void Parse(std::string_view text);

  // The first entry carrying key; when none does, a new absent entry with an
  // empty value is appended and returned, and later lookups find that one.
  // The entry is a copy for tools: changing it does not change the file.
  IniEntry& Lookup(std::string_view key);

  // Typed lookups: each returns the default when the value does not convert.
  // Keys whose hash was made beforehand (IniKey) save working it out.
  float ReadFloat(const IniKey& key, float default_value);
  std::int32_t ReadInt(const IniKey& key, std::int32_t default_value);
  bool ReadBool(const IniKey& key);
  FloatPair ReadPair(const IniKey& key, FloatPair default_value);
  Rgba ReadColour(const IniKey& key, Rgba default_value);
  float ReadFloat(std::string_view key, float default_value) {
    return ReadFloat(IniKey(key), default_value);
  }
  std::int32_t ReadInt(std::string_view key, std::int32_t default_value) {
    return ReadInt(IniKey(key), default_value);
  }
  bool ReadBool(std::string_view key) { return ReadBool(IniKey(key)); }
  FloatPair ReadPair(std::string_view key, FloatPair default_value) {
    return ReadPair(IniKey(key), default_value);
  }
  Rgba ReadColour(std::string_view key, Rgba default_value) {
    return ReadColour(IniKey(key), default_value);
  }

  // Every entry in file order, then those appended by lookups.
  const std::vector<IniEntry>& entries() const;

 private:
  void Index();
  std::uint32_t Find(const IniKey& key);
  bool FindValue(const IniKey& key, std::string_view& value);
  std::string_view KeyOf(std::uint32_t line) const;
  IniEntry EntryOf(const IniLine& line) const;

  ByteBuffer text_;  // the file's bytes, then the keys of absent entries
  std::vector<IniLine> lines_;
  KeyIndex index_;
  mutable std::vector<IniEntry> entries_;  // lines_ as strings, made when asked for
};
