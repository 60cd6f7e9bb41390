#pragma once
// A little-endian field of a binary file held in memory, read only when it
// lies wholly inside: the plug-in's ELF and PE symbol tables.
#include <cstddef>
#include <cstring>
#include <string>

template <typename T>
bool ReadAt(const std::string& bytes, std::size_t at, T& value) {
  if (at > bytes.size() || bytes.size() - at < sizeof(T)) return false;
  std::memcpy(&value, bytes.data() + at, sizeof(T));
  return true;
}
