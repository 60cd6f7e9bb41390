#pragma once
// One entry of a settings file, held as offsets into the bytes it was read
// from rather than as strings of its own: scanning a file copies nothing.
#include <cstdint>

struct IniLine {
  std::uint32_t key = 0;  // offset and size of the key
  std::uint32_t key_size = 0;
  std::uint32_t value = 0;  // offset and size of the value, trailing blanks removed
  std::uint32_t value_size = 0;
  std::uint32_t start = 0;   // offset of the line's first byte, for columns
  std::uint32_t number = 0;  // 1-based line number; 0 for absent entries
  bool absent = false;       // appended by a lookup of a key that no line carries
};
