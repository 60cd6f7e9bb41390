#pragma once
// Host records are read and written field by field at their byte offsets,
// never through invented structs.
#include <cstddef>
#include <cstring>
#include <type_traits>

template <typename T>
T read_field(const void* record, std::size_t offset) {
  static_assert(std::is_trivially_copyable_v<T>);
  T value;
  std::memcpy(&value, static_cast<const unsigned char*>(record) + offset, sizeof(T));
  return value;
}

template <typename T>
void write_field(void* record, std::size_t offset, const T& value) {
  static_assert(std::is_trivially_copyable_v<T>);
  std::memcpy(static_cast<unsigned char*>(record) + offset, &value, sizeof(T));
}
