#include "settings_folder.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "settings/settings_files.h"

namespace {

// The data folder's own name, without its trailing separator.
constexpr std::string_view kDataFolderName = kDataFolder.substr(0, kDataFolder.size() - 1);

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool IsFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// An empty folder is the current one, and its files are named as they stand.
std::string Join(const std::string& folder, std::string_view name, char separator) {
  return folder.empty() ? std::string(name) : folder + separator + std::string(name);
}

// The layout file's name inside the data folder.
constexpr std::string_view kLayoutFileName =
    std::string_view(kLayoutSettingsFile).substr(kDataFolder.size());

}  // namespace

std::optional<SettingsFolder> FindSettingsFolder(const std::string& given) {
  if (given.empty()) {
    const std::string folder(kDataFolderName);
    if (IsFolder(folder)) return SettingsFolder{folder, '/'};
    // Run from inside the settings folder itself.
    if (IsFile(std::string(kLayoutFileName))) return SettingsFolder{"", '/'};
    return std::nullopt;
  }
  std::string base = given;
  while (base.size() > 1 && (base.back() == '/' || base.back() == '\\')) base.pop_back();
  const char separator =
      base.find('\\') != std::string::npos && base.find('/') == std::string::npos ? '\\' : '/';
  const std::string inner = Join(base, kDataFolderName, separator);
  if (IsFolder(inner)) return SettingsFolder{inner, separator};
  if (IsFolder(base)) return SettingsFolder{base, separator};
  return std::nullopt;
}

std::string SettingsFilePath(const SettingsFolder& folder, const char* plugin_path) {
  std::string relative(std::string_view(plugin_path).substr(kDataFolder.size()));
  for (char& c : relative) {
    if (c == '\\') c = folder.separator;
  }
  return Join(folder.path, relative, folder.separator);
}
