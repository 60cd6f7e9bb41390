#include "studio_folder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

StudioFolder::StudioFolder() {
  static std::atomic<int> count{0};
  path_ = fs::temp_directory_path() /
          ("slatepane-studio-" + std::to_string(::getpid()) + "-" + std::to_string(count++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

StudioFolder::~StudioFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void StudioFolder::Write(const std::string& relative, const std::string& bytes) const {
  fs::create_directories((path_ / relative).parent_path());
  std::ofstream(path_ / relative, std::ios::binary) << bytes;
}

std::string StudioFolder::Read(const std::string& relative) const {
  return ReadOutside(path_ / relative);
}

std::string StudioFolder::ReadOutside(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
