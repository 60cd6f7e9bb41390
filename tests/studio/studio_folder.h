#pragma once
// A fresh settings folder of the test's own, removed when the test ends.
#include <filesystem>
#include <string>

class StudioFolder {
 public:
  StudioFolder();
  ~StudioFolder();
  StudioFolder(const StudioFolder&) = delete;
  StudioFolder& operator=(const StudioFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  void Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;
  static std::string ReadOutside(const std::filesystem::path& path);

 private:
  std::filesystem::path path_;
};
