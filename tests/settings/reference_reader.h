#pragma once
// The settings reader as it was first written, kept as the oracle of the
// differential tests: a character-by-character line scanner into strings,
// and a formatted input stream in the classic locale for every value. The
// plug-in's reader must give the same entries and the same numbers, bit for
// bit.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/hud_settings.h"
#include "settings/value_scan.h"

namespace reference {

NumberScan<float> ScanFloats(std::string_view value, std::size_t limit);
NumberScan<std::int32_t> ScanInts(std::string_view value, std::size_t limit);

struct Entry {
  std::string key;
  std::string value;
  bool absent = false;
  std::uint32_t line = 0;
  std::uint32_t key_column = 0;
  std::uint32_t value_column = 0;
};

class Reader {
 public:
  explicit Reader(std::string_view text);

  Entry& Lookup(std::string_view key);
  float ReadFloat(std::string_view key, float default_value);
  std::int32_t ReadInt(std::string_view key, std::int32_t default_value);
  bool ReadBool(std::string_view key);
  FloatPair ReadPair(std::string_view key, FloatPair default_value);
  Rgba ReadColour(std::string_view key, Rgba default_value);

  const std::vector<Entry>& entries() const { return entries_; }

 private:
  void ParseLine(std::string_view line, std::uint32_t number);

  std::vector<Entry> entries_;
};

}  // namespace reference
