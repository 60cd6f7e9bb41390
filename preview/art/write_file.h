#pragma once
#include <fstream>
#include <string>

namespace art {

// Writes the bytes whole; false when the file cannot be written.
inline bool write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace art
